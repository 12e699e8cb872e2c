#include "XmlPath.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"

namespace xmlpath {

namespace {

// A byte that may stand in a name (any byte of a non-ASCII character
// counts): enough to tell where a step ends.
bool IsNameByte(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
           c == ':' || c == '-' || c == '.' || c >= 0x80;
}

// The blanks XPath allows between the parts of an expression, and that a
// reader takes for layout when they are all a text holds.
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

// The characters XML lets a name begin with, ":" left aside.
bool IsNameStartCharacter(char32_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || (c >= 0xC0 && c <= 0xD6) ||
           (c >= 0xD8 && c <= 0xF6) || (c >= 0xF8 && c <= 0x2FF) || (c >= 0x370 && c <= 0x37D) ||
           (c >= 0x37F && c <= 0x1FFF) || (c >= 0x200C && c <= 0x200D) || (c >= 0x2070 && c <= 0x218F) ||
           (c >= 0x2C00 && c <= 0x2FEF) || (c >= 0x3001 && c <= 0xD7FF) || (c >= 0xF900 && c <= 0xFDCF) ||
           (c >= 0xFDF0 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0xEFFFF);
}

bool IsNameCharacter(char32_t c) {
    return IsNameStartCharacter(c) || (c >= '0' && c <= '9') || c == '-' || c == '.' || c == 0xB7 ||
           (c >= 0x300 && c <= 0x36F) || (c >= 0x203F && c <= 0x2040);
}

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
                    if (IsNameByte(prev) || prev == ']' || prev == ')' || prev == '*') return i;
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

bool IsAllBlank(const char* s) {
    if (!*s) return false;
    for (; *s; ++s) {
        if (!IsBlank(*s)) return false;
    }
    return true;
}

// Text of blanks alone is kept by a reader only where it is an element's whole
// content; anywhere else it reads as layout.
bool ReadAsLayout(pugi::xml_node text) {
    return IsAllBlank(text.value()) && (text.previous_sibling() || text.next_sibling());
}

// A CDATA section cannot hold a CR (a reader turns it into a line feed) nor
// "]]>" (the engine splits the section there, and a reader makes two nodes).
bool SectionCannotHold(const char* value) {
    return std::strchr(value, '\r') != nullptr || std::strstr(value, "]]>") != nullptr;
}

// True when the engine would write the node so that a reader reads other text.
bool NeedsOwnEscaping(pugi::xml_node n) {
    switch (n.type()) {
        case pugi::node_pcdata:
            return std::strchr(n.value(), '\r') != nullptr || ReadAsLayout(n);
        case pugi::node_cdata:
            return SectionCannotHold(n.value());
        default:
            return false;
    }
}

// Calls f(node, level) for the node and every node below it, in document
// order, without recursion; `level` is the number of elements from `top` down
// to the node, both included.
template <class F>
void ForEachNodeWithLevel(pugi::xml_node top, F f) {
    auto levelOf = [](pugi::xml_node n, int parentLevel) {
        return n.type() == pugi::node_element ? parentLevel + 1 : parentLevel;
    };
    int level = levelOf(top, 0);
    pugi::xml_node cur = top;
    while (cur) {
        f(cur, level);
        if (pugi::xml_node child = cur.first_child()) {
            cur = child;
            level = levelOf(cur, level);
            continue;
        }
        while (cur != top && !cur.next_sibling()) {
            if (cur.type() == pugi::node_element) --level;
            cur = cur.parent();
        }
        if (cur == top) break;
        if (cur.type() == pugi::node_element) --level;
        cur = cur.next_sibling();
        level = levelOf(cur, level);
    }
}

// Calls f for the node and every node below it, in document order, without
// recursion (a deeply nested document must not exhaust the stack).
template <class F>
void ForEachNode(pugi::xml_node top, F f) {
    ForEachNodeWithLevel(top, [&f](pugi::xml_node n, int) { f(n); });
}

bool AnyNeedsOwnEscaping(pugi::xml_node top) {
    bool any = false;
    ForEachNode(top, [&any](pugi::xml_node n) { any = any || NeedsOwnEscaping(n); });
    return any;
}

// "&#" and the character's number in decimal, as the engine writes them.
void AppendReference(std::string& out, unsigned char c) {
    out += "&#";
    if (c >= 100) out += static_cast<char>('0' + c / 100);
    if (c >= 10) out += static_cast<char>('0' + c / 10 % 10);
    out += static_cast<char>('0' + c % 10);
    out += ';';
}

std::string EscapedText(std::string_view v, bool firstAsReference) {
    std::string out;
    out.reserve(v.size() + 8);
    for (size_t i = 0; i < v.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(v[i]);
        if (i == 0 && firstAsReference) {
            AppendReference(out, c);
            continue;
        }
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            default:
                if (c < 32 && c != '\t' && c != '\n') {
                    AppendReference(out, c);
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out;
}

// For a value between double quotes: a reader turns a tab or line end there
// into a blank, so every control character goes as a reference.
std::string EscapedAttribute(std::string_view v) {
    std::string out;
    out.reserve(v.size() + 8);
    for (char ch : v) {
        const unsigned char c = static_cast<unsigned char>(ch);
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                if (c < 32) {
                    AppendReference(out, c);
                } else {
                    out += ch;
                }
        }
    }
    return out;
}

// Escapes every text and attribute value of a copy about to be written
// without the engine's own escaping, and turns a CDATA section that cannot
// hold its text into text.
void EscapeForWriting(pugi::xml_node top) {
    std::vector<pugi::xml_node> sections;
    ForEachNode(top, [&sections](pugi::xml_node n) {
        for (pugi::xml_attribute a : n.attributes()) a.set_value(EscapedAttribute(a.value()).c_str());
        if (n.type() == pugi::node_pcdata) {
            n.set_value(EscapedText(n.value(), ReadAsLayout(n)).c_str());
        } else if (n.type() == pugi::node_cdata && SectionCannotHold(n.value())) {
            sections.push_back(n);
        }
    });
    for (pugi::xml_node section : sections) {
        pugi::xml_node parent = section.parent();
        parent.insert_child_before(pugi::node_pcdata, section)
            .set_value(EscapedText(section.value(), false).c_str());
        parent.remove_child(section);
    }
}

// How many levels of elements a written file indents.  The files the library
// writes (queries, grid layouts, settings) are no deeper, so they are written
// exactly as before; below that level an element's content stays on its
// line, so that no line's indentation grows with the depth of a document and
// a file stays within a few times the size of what was read.
constexpr int kIndentedLevels = 8;

bool IsText(pugi::xml_node n) { return n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata; }

// Makes the content of every element at kIndentedLevels (and below) be
// written on one line.  The engine starts no new line before a node that
// follows text, nor before an end tag that follows text, so an empty text is
// put before each other child and after the last: it writes as nothing and
// reads back as nothing.
void KeepDeepContentOnItsLine(pugi::xml_node top) {
    ForEachNodeWithLevel(top, [](pugi::xml_node n, int level) {
        if (level < kIndentedLevels || n.type() != pugi::node_element || !n.first_child()) return;
        for (pugi::xml_node child = n.first_child(); child; child = child.next_sibling()) {
            if (IsText(child)) continue;
            pugi::xml_node before = child.previous_sibling();
            if (!before || !IsText(before)) n.insert_child_before(pugi::node_pcdata, child);
        }
        if (!IsText(n.last_child())) n.append_child(pugi::node_pcdata);
    });
}

// The declaration a file begins with.  The text is written as UTF-8, so that
// is the encoding it names, whatever the document was read from.
std::string Declaration(const pugi::xml_document& doc) {
    std::string version = "1.0", standalone;
    for (pugi::xml_node child : doc.children()) {
        if (child.type() != pugi::node_declaration) continue;
        const std::string v = child.attribute("version").value();
        if (v.size() > 2 && StartsWith(v, "1.") && v.find_first_not_of("0123456789", 2) == std::string::npos)
            version = v;
        const std::string alone = child.attribute("standalone").value();
        if (alone == "yes" || alone == "no") standalone = alone;
        break;
    }
    std::string text = "<?xml version=\"" + version + "\" encoding=\"UTF-8\"";
    if (!standalone.empty()) text += " standalone=\"" + standalone + "\"";
    return text + "?>\n";
}

}  // namespace

std::string ToXPath(std::string_view sPath) {
    // Every blank XPath skips, so that "\t/A" is not read as the top of the
    // document.
    size_t start = 0;
    while (start < sPath.size() && IsBlank(sPath[start])) ++start;
    std::string path(sPath.substr(start));
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

bool ParseSimplePath(std::string_view sPath, SimplePath& out, std::string* why) {
    out = SimplePath{};
    auto refuse = [&](const std::string& reason) {
        if (why) *why = reason;
        out = SimplePath{};
        return false;
    };
    std::string_view path = TrimBlanks(sPath);
    if (StartsWith(path, "//")) return refuse("\"//\" searches at any depth");
    if (StartsWith(path, "/")) path.remove_prefix(1);
    size_t at = path.find('@');
    std::string_view elements = TrimBlanks(path.substr(0, at));
    if (at != std::string_view::npos) {
        out.attribute = std::string(TrimBlanks(path.substr(at + 1)));
        if (!IsXmlName(out.attribute))
            return refuse("\"" + VisibleText(out.attribute) + "\" is not an attribute name");
        // "A/@x" is how XPath spells "A@x".
        if (EndsWith(elements, "/")) {
            elements = TrimBlanks(elements.substr(0, elements.size() - 1));
            if (elements.empty()) return refuse("a step is empty");
        }
    }
    if (elements.empty()) return true;
    for (const std::string& step : Split(elements, "/")) {
        std::string name(TrimBlanks(step));
        if (name.empty()) return refuse("a step is empty");
        if (!IsXmlName(name)) return refuse("\"" + VisibleText(name) + "\" is not an element name");
        out.elements.push_back(std::move(name));
    }
    return true;
}

bool IsXmlName(std::string_view s) {
    // A name is one part, or two joined by ":"; each part begins with a
    // character a name may begin with.
    bool partStart = true;
    bool colon = false;
    for (size_t i = 0; i < s.size();) {
        char32_t c = 0;
        if (!NextUtf8Character(s, i, c)) return false;
        if (c == ':') {
            if (partStart || colon) return false;
            colon = partStart = true;
            continue;
        }
        if (partStart ? !IsNameStartCharacter(c) : !IsNameCharacter(c)) return false;
        partStart = false;
    }
    return !partStart;
}

pugi::xpath_query Compile(const std::string& sXPath, const char* source, pugi::xpath_variable_set* variables,
                          std::string_view sPath) {
    try {
        return pugi::xpath_query(sXPath.c_str(), variables);
    } catch (const pugi::xpath_exception& e) {
        std::string shown = "\"" + VisibleText(sXPath) + "\"";
        if (!sPath.empty() && sPath != sXPath)
            shown = "\"" + VisibleText(sPath) + "\" (read as " + shown + ")";
        Raise(rt::kInvalidCall, source, "Invalid path or XPath expression " + shown + ": " + e.what());
    } catch (const std::bad_alloc&) {
        Raise(rt::kOutOfMemory, source);
    }
}

pugi::xpath_node_set SelectNodes(const pugi::xpath_query& query, const std::string& sXPath,
                                 pugi::xml_node context, const char* source) {
    if (query.return_type() != pugi::xpath_type_node_set) {
        Raise(rt::kInvalidCall, source,
              "The expression \"" + VisibleText(sXPath) + "\" does not select nodes");
    }
    try {
        pugi::xpath_node_set nodes = query.evaluate_node_set(context);
        nodes.sort();
        return nodes;
    } catch (const pugi::xpath_exception& e) {
        Raise(rt::kInvalidCall, source,
              "Invalid path or XPath expression \"" + VisibleText(sXPath) + "\": " + e.what());
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
    const unsigned flags = pugi::format_raw | pugi::format_no_declaration;
    const bool tree = node.type() == pugi::node_element || node.type() == pugi::node_document;
    if (!tree || !AnyNeedsOwnEscaping(node)) {
        node.print(out, "", flags, pugi::encoding_utf8);
        return out.text;
    }
    pugi::xml_document copy;
    if (node.type() == pugi::node_document) {
        for (pugi::xml_node child : node.children()) copy.append_copy(child);
    } else {
        copy.append_copy(node);
    }
    EscapeForWriting(copy);
    pugi::xml_node written = node.type() == pugi::node_document ? pugi::xml_node(copy) : copy.first_child();
    written.print(out, "", flags | pugi::format_no_escapes, pugi::encoding_utf8);
    return out.text;
}

std::string FileText(const pugi::xml_document& doc) {
    StringWriter out;
    out.text = Declaration(doc);
    // The nodes one by one, as the engine writes a document, but for the
    // declaration, which has just been written.
    auto write = [&out](const pugi::xml_document& from, unsigned flags) {
        for (pugi::xml_node child : from.children()) {
            if (child.type() != pugi::node_declaration) child.print(out, "  ", flags, pugi::encoding_utf8);
        }
    };
    unsigned flags = pugi::format_indent | pugi::format_no_declaration;
    const bool escape = AnyNeedsOwnEscaping(doc);
    const bool deep = ElementDepth(doc) > kIndentedLevels;
    if (!escape && !deep) {
        write(doc, flags);
        return out.text;
    }
    pugi::xml_document copy;
    copy.reset(doc);
    if (escape) {
        EscapeForWriting(copy);
        flags |= pugi::format_no_escapes;
    }
    if (deep) KeepDeepContentOnItsLine(copy);
    write(copy, flags);
    return out.text;
}

int ElementLevel(pugi::xml_node node) {
    int level = 0;
    for (pugi::xml_node n = node; n; n = n.parent()) {
        if (n.type() == pugi::node_element) ++level;
    }
    return level;
}

int ElementDepth(pugi::xml_node node) {
    int deepest = 0;
    ForEachNodeWithLevel(node, [&deepest](pugi::xml_node, int level) { deepest = std::max(deepest, level); });
    return deepest;
}

bool IsWithin(pugi::xml_node node, pugi::xml_node ancestor) {
    for (pugi::xml_node n = node; n; n = n.parent()) {
        if (n == ancestor) return true;
    }
    return false;
}

}  // namespace xmlpath
