#pragma once
// The XML object behind a settings document ("kqXML3.kqXML"): XPath over the
// whole document.  Expressions are evaluated from the document node, so an
// expression beginning with "//" finds its elements wherever they stand.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/runtime/Object.h"

class XmlStore;
class kqXMLNode;

class kqXML final : public virtual Object {
public:
    static constexpr const char* kProgID = "kqXML3.kqXML";

    kqXML();  // an empty document of its own
    explicit kqXML(std::shared_ptr<XmlStore> store);

    Ref<kqXMLNode> DocumentNode();

    // "XPath" or "XSLPattern" (any letter case).  Both are read as XPath: the
    // patterns the library writes mean the same in either.  Any other name
    // raises 5.
    std::string SelectionLanguage();
    void SetSelectionLanguage(const std::string& sLanguage);

    // The number of nodes the expression selects.  An invalid expression, or
    // one that is not a node set, raises 5 with the engine's message.
    int32_t CountNodes(const std::string& sXPath);

    // The values of the attribute over the nodes the expression selects, in
    // document order, each between single quotes with any single quote inside
    // doubled, joined by ",": ready to stand inside the brackets of an SQL IN
    // list, and no stored value can end its literal early.  Nodes without the
    // attribute are left out; "" when none has it.
    std::string AttributeValues(const std::string& sXPath, const std::string& sAttribute);

private:
    std::shared_ptr<XmlStore> store_;
};
