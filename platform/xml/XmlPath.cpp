#include "XmlPath.h"

#include <new>

#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"

namespace xmlpath {

namespace {

bool IsNameStart(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' || c >= 0x80;
}

bool IsNameChar(unsigned char c) { return IsNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.'; }

// Where the "@" of a trailing "Element@attribute" stands, or npos.  Only an
// "@" outside predicates and quotes that directly follows a step counts: the
// "@" of "[@Code='x']", of "A/@x" or of a path that is only "@x" is XPath's own.
size_t AttributeSuffixAt(std::string_view path) {
    int brackets = 0, parens = 0;
    char quote = 0;
    for (size_t i = 0; i < path.size(); ++i) {
        char c = path[i];
        if (quote) {
            if (c == quote) quote = 0;
            continue;
        }
        switch (c) {
            case '\'':
            case '"':
                quote = c;
                break;
            case '[':
                ++brackets;
                break;
            case ']':
                --brackets;
                break;
            case '(':
                ++parens;
                break;
            case ')':
                --parens;
                break;
            case '@':
                if (brackets == 0 && parens == 0 && i > 0) {
                    unsigned char prev = static_cast<unsigned char>(path[i - 1]);
                    if (IsNameChar(prev) || prev == ']' || prev == ')' || prev == '*') return i;
                }
                break;
            default:
                break;
        }
    }
    return std::string_view::npos;
}

class StringWriter : public pugi::xml_writer {
public:
    std::string text;
    void write(const void* data, size_t size) override { text.append(static_cast<const char*>(data), size); }
};

}  // namespace

std::string ToXPath(std::string_view sPath) {
    std::string path = LTrim(sPath);
    if (StartsWith(path, "//")) {
        path.insert(0, ".");
    } else if (StartsWith(path, "/")) {
        path.erase(0, 1);
    }
    size_t at = AttributeSuffixAt(path);
    if (at != std::string::npos) path.insert(at, "/");
    if (Trim(path).empty()) return ".";
    return path;
}

bool ParseSimplePath(std::string_view sPath, SimplePath& out) {
    out = SimplePath{};
    std::string_view path = sPath;
    if (StartsWith(path, "//")) return false;
    if (StartsWith(path, "/")) path.remove_prefix(1);
    size_t at = path.find('@');
    std::string_view elements = path.substr(0, at);
    if (at != std::string_view::npos) {
        out.attribute = std::string(path.substr(at + 1));
        if (!IsXmlName(out.attribute)) return false;
    }
    if (elements.empty()) return true;
    for (const std::string& name : Split(elements, "/")) {
        if (!IsXmlName(name)) return false;
        out.elements.push_back(name);
    }
    return true;
}

bool IsXmlName(std::string_view s) {
    if (s.empty() || !IsNameStart(static_cast<unsigned char>(s[0]))) return false;
    for (char c : s) {
        if (!IsNameChar(static_cast<unsigned char>(c))) return false;
    }
    return true;
}

pugi::xpath_query Compile(const std::string& sXPath, const char* source,
                          pugi::xpath_variable_set* variables) {
    try {
        return pugi::xpath_query(sXPath.c_str(), variables);
    } catch (const pugi::xpath_exception& e) {
        Raise(rt::kInvalidCall, source, "Invalid path or XPath expression \"" + sXPath + "\": " + e.what());
    } catch (const std::bad_alloc&) {
        Raise(rt::kOutOfMemory, source);
    }
}

pugi::xpath_node_set SelectNodes(const pugi::xpath_query& query, const std::string& sXPath,
                                 pugi::xml_node context, const char* source) {
    if (query.return_type() != pugi::xpath_type_node_set) {
        Raise(rt::kInvalidCall, source, "The expression \"" + sXPath + "\" does not select nodes");
    }
    try {
        pugi::xpath_node_set nodes = query.evaluate_node_set(context);
        nodes.sort();
        return nodes;
    } catch (const pugi::xpath_exception& e) {
        Raise(rt::kInvalidCall, source, "Invalid path or XPath expression \"" + sXPath + "\": " + e.what());
    } catch (const std::bad_alloc&) {
        Raise(rt::kOutOfMemory, source);
    }
}

std::string NodeText(const pugi::xpath_node& found) {
    if (found.attribute()) return found.attribute().value();
    pugi::xml_node node = found.node();
    if (!node) return "";
    if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata) return node.value();
    if (node.type() != pugi::node_element && node.type() != pugi::node_document) return node.value();
    // Walk the subtree without recursion, so that a deeply nested document
    // cannot exhaust the stack.
    std::string text;
    pugi::xml_node cur = node.first_child();
    while (cur) {
        if (cur.type() == pugi::node_pcdata || cur.type() == pugi::node_cdata) text += cur.value();
        if (cur.first_child()) {
            cur = cur.first_child();
            continue;
        }
        while (cur != node && !cur.next_sibling()) cur = cur.parent();
        if (cur == node) break;
        cur = cur.next_sibling();
    }
    return text;
}

int32_t ChildElementCount(pugi::xml_node node) {
    int32_t n = 0;
    for (pugi::xml_node c = FirstElement(node); c; c = NextElement(c)) ++n;
    return n;
}

pugi::xml_node ChildElementAt(pugi::xml_node node, int32_t lIndex) {
    if (lIndex < 0) return {};
    pugi::xml_node c = FirstElement(node);
    for (int32_t i = 0; c && i < lIndex; ++i) c = NextElement(c);
    return c;
}

pugi::xml_node NextElement(pugi::xml_node node) {
    pugi::xml_node n = node.next_sibling();
    while (n && n.type() != pugi::node_element) n = n.next_sibling();
    return n;
}

pugi::xml_node FirstElement(pugi::xml_node node) {
    pugi::xml_node n = node.first_child();
    while (n && n.type() != pugi::node_element) n = n.next_sibling();
    return n;
}

std::string Markup(pugi::xml_node node) {
    StringWriter out;
    node.print(out, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    return out.text;
}

std::string FileText(const pugi::xml_document& doc) {
    StringWriter out;
    doc.save(out, "  ", pugi::format_indent, pugi::encoding_utf8);
    return out.text;
}

bool IsWithin(pugi::xml_node node, pugi::xml_node ancestor) {
    for (pugi::xml_node n = node; n; n = n.parent()) {
        if (n == ancestor) return true;
    }
    return false;
}

}  // namespace xmlpath
