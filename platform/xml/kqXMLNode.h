#pragma once
// The document node of the XML object, what kqXML.DocumentNode hands out.
// Its xml is the markup of the whole document.  It stands on the document
// node only, which no removal can take away, so it can never dangle.
#include <memory>
#include <string>

#include "platform/runtime/Object.h"

class XmlStore;

class kqXMLNode final : public virtual Object {
public:
    explicit kqXMLNode(std::shared_ptr<XmlStore> store);

    // The markup of the whole document.
    std::string xml();
    // The text of every element of the document, in document order.
    std::string Text();

private:
    std::shared_ptr<XmlStore> store_;  // keeps the document alive while the node is held
};
