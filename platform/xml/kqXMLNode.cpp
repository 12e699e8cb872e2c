#include "kqXMLNode.h"

#include "XmlPath.h"
#include "XmlStore.h"

kqXMLNode::kqXMLNode(std::shared_ptr<XmlStore> store) : store_(std::move(store)) {}

std::string kqXMLNode::xml() { return xmlpath::Markup(store_->DocumentNode()); }

std::string kqXMLNode::Text() { return xmlpath::NodeText(pugi::xpath_node(store_->DocumentNode())); }
