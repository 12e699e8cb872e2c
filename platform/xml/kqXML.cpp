#include "kqXML.h"

#include "XmlPath.h"
#include "XmlStore.h"
#include "kqXMLNode.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"

namespace {
const char* const kSource = "kqXML";
}

kqXML::kqXML() : store_(std::make_shared<XmlStore>()) {}

kqXML::kqXML(std::shared_ptr<XmlStore> store) : store_(std::move(store)) {}

Ref<kqXMLNode> kqXML::DocumentNode() { return New<kqXMLNode>(store_); }

std::string kqXML::SelectionLanguage() { return store_->SelectionLanguage(); }

void kqXML::SetSelectionLanguage(const std::string& sLanguage) {
    if (EqualsNoCase(sLanguage, "XPath")) {
        store_->SetSelectionLanguage("XPath");
    } else if (EqualsNoCase(sLanguage, "XSLPattern")) {
        store_->SetSelectionLanguage("XSLPattern");
    } else {
        Raise(rt::kInvalidCall, kSource, "Unknown selection language \"" + sLanguage + "\"");
    }
}

int32_t kqXML::CountNodes(const std::string& sXPath) {
    pugi::xpath_query query = xmlpath::Compile(sXPath, kSource);
    pugi::xpath_node_set nodes = xmlpath::SelectNodes(query, sXPath, store_->DocumentNode(), kSource);
    return static_cast<int32_t>(nodes.size());
}

std::string kqXML::AttributeValues(const std::string& sXPath, const std::string& sAttribute) {
    pugi::xpath_query query = xmlpath::Compile(sXPath, kSource);
    pugi::xpath_node_set nodes = xmlpath::SelectNodes(query, sXPath, store_->DocumentNode(), kSource);
    std::string list;
    for (const pugi::xpath_node& found : nodes) {
        pugi::xml_attribute attribute = found.attribute();
        if (attribute) {
            // An expression that selects the attributes themselves.
            if (!sAttribute.empty() && sAttribute != attribute.name()) continue;
        } else {
            attribute = found.node().attribute(sAttribute.c_str());
            if (!attribute) continue;
        }
        if (!list.empty()) list += ",";
        list += "'" + Replace(attribute.value(), "'", "''") + "'";
    }
    return list;
}
