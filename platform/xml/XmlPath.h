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
// instructions, the declaration (its version and standalone) and the
// document type survive a load/save round trip, and so does an element whose
// whole text is blanks (a separator, a padding value): the engine would
// otherwise drop that text as if it were indentation.  Blanks between
// elements are still indentation.
constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_declaration | pugi::parse_comments |
                                   pugi::parse_pi | pugi::parse_doctype | pugi::parse_ws_pcdata_single;

// The XPath expression for a settings path, to be evaluated with the bound
// element (or the current node) as context: a leading "/" is dropped ("//"
// becomes ".//"), "A/B@x" becomes "A/B/@x" and an empty path is the context
// node itself.
std::string ToXPath(std::string_view sPath);

// A settings path that names elements only, split for creating what is
// missing: the element names and the attribute name ("" when none).  Blanks
// around a step are XPath's and are dropped, and "A/@x" is "A@x", so what is
// made is what the same path reads.  False, with the reason in `why`, when a
// step is anything but a name (predicates, axes, "..", wildcards, a
// function): it cannot be made.
struct SimplePath {
    std::vector<std::string> elements;
    std::string attribute;
};
bool ParseSimplePath(std::string_view sPath, SimplePath& out, std::string* why = nullptr);

// True when the text can be an element's or an attribute's name that a path
// reads back as written: an XML name in UTF-8 (a letter, "_" or one of the
// other characters XML lets a name begin with first, then those, digits,
// "-", ".", and the combining characters XML allows), with at most one ":"
// that neither begins nor ends it and is followed by a character a name may
// begin with.  XPath reads "child::A" as the step "A" and "a:1" as no name
// at all, so neither is a name.
bool IsXmlName(std::string_view s);

// Compiles an expression; a syntax error raises 5 with the engine's message,
// naming `source` as the error's source and the path as the caller wrote it
// (sPath, when given and not the expression itself) beside the expression.
pugi::xpath_query Compile(const std::string& sXPath, const char* source,
                          pugi::xpath_variable_set* variables = nullptr, std::string_view sPath = {});

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

// Markup that reads back as the nodes hold it, where the engine's own output
// would not: a CR in text (which a reader turns into a line feed) is written
// as "&#13;", a CDATA section holding one (or "]]>") as escaped text, and text of
// nothing but blanks that stands beside other nodes (which a reader takes for
// indentation) begins with a character reference.  The engine writes no
// indentation next to text, so the indentation of a file stays as it was.
// Control characters are written as character references, as the engine
// does.  What is not kept: an empty text node (nothing is written for it)
// and where one text node ends and the next begins.

// Markup of a node without any added declaration or indentation.
std::string Markup(pugi::xml_node node);
// The whole document as a file holds it: a declaration naming UTF-8 (the
// version and standalone of the document's own declaration kept, its
// encoding not: the text is written as UTF-8), then the indented nodes.  Only
// the first eight levels of elements are indented; the content of an element
// deeper than that is written on its line, so that a document nested deeply
// is not written many times larger than it is.
std::string FileText(const pugi::xml_document& doc);

// The number of elements from the root element down to `node`, both included:
// 1 for the root element, 0 for the document.
int ElementLevel(pugi::xml_node node);
// How many levels of elements lie at and below `node` (counting `node` when
// it is an element); 0 when there is no element.  Walks without recursion.
int ElementDepth(pugi::xml_node node);

// True when `node` is `ancestor` or lies below it.
bool IsWithin(pugi::xml_node node, pugi::xml_node ancestor);

}  // namespace xmlpath
