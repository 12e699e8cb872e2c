#pragma once
// How the settings document's paths become XPath, and the XPath calls both the
// settings document and the XML object make.
//
// A settings path is element names joined by "/" ("Options/Paths/DataFolder"),
// an attribute appended with "@" and no "/" before it ("YearRange@From"), and
// it may carry XPath predicates ("Company[@CAPosition='3']").  A leading "/"
// does not mean the top of the document: the path still starts at the element
// the settings document is bound to, so code written against a bound element
// keeps working whether or not it spells the leading "/".
#include <cstdint>
#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <vector>

namespace xmlpath {

// The options every document is read with: comments, processing
// instructions, the declaration and the document type survive a load/save
// round trip, and so does an element whose whole text is blanks (a
// separator, a padding value): the engine would otherwise drop that text as
// if it were indentation.  Blanks between elements are still indentation.
constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_declaration | pugi::parse_comments |
                                   pugi::parse_pi | pugi::parse_doctype | pugi::parse_ws_pcdata_single;

// The XPath expression for a settings path, to be evaluated with the bound
// element (or the current node) as context: a leading "/" is dropped ("//"
// becomes ".//"), "A/B@x" becomes "A/B/@x" and an empty path is the context
// node itself.
std::string ToXPath(std::string_view sPath);

// A settings path that names elements only, split for creating what is
// missing: the element names and the attribute name ("" when none).  False
// when the path carries anything but plain names (predicates, axes, "..",
// wildcards), which cannot be created.
struct SimplePath {
    std::vector<std::string> elements;
    std::string attribute;
};
bool ParseSimplePath(std::string_view sPath, SimplePath& out);

// True when the text is an XML name (what an element or attribute may be
// called): a letter, "_" or ":" (or any non-ASCII character) first, then
// those, digits, "-" and ".".
bool IsXmlName(std::string_view s);

// Compiles an expression; a syntax error raises 5 with the engine's message,
// naming `source` as the error's source.
pugi::xpath_query Compile(const std::string& sXPath, const char* source,
                          pugi::xpath_variable_set* variables = nullptr);

// The nodes the compiled expression selects from `context`, in document
// order.  An expression that is not a node set raises 5.
pugi::xpath_node_set SelectNodes(const pugi::xpath_query& query, const std::string& sXPath,
                                 pugi::xml_node context, const char* source);

// The text of a node as a settings value: an attribute's value; for an
// element or the document, its text and the text of every element below it,
// in document order; for a text node, its text.
std::string NodeText(const pugi::xpath_node& node);

// The number of child elements of a node, and the child element at a 0-based
// position (empty when there is none).
int32_t ChildElementCount(pugi::xml_node node);
pugi::xml_node ChildElementAt(pugi::xml_node node, int32_t lIndex);
pugi::xml_node NextElement(pugi::xml_node node);   // the next sibling element
pugi::xml_node FirstElement(pugi::xml_node node);  // the first child element

// Markup of a node without any added declaration or indentation.
std::string Markup(pugi::xml_node node);
// The whole document as a file holds it: declaration, indented elements.
std::string FileText(const pugi::xml_document& doc);

// True when `node` is `ancestor` or lies below it.
bool IsWithin(pugi::xml_node node, pugi::xml_node ancestor);

}  // namespace xmlpath
