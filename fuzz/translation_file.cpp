// Fuzz target: the translation component on an arbitrary translation file,
// and its conversions on an arbitrary text.
//
// The input is the translation file's bytes, optionally followed by a line
// "%%" and a text to convert.  A component holding the terms of a known file
// loads the input's file.  Nothing may crash or draw a sanitizer report, and:
//  - a file that is refused raises kErrInvalid and nothing else, and leaves
//    the language, file and terms loaded before in force;
//  - a file is refused when it breaks a rule of the format (not a document
//    the library reads: not well-formed, a reference to character 0, elements
//    nested deeper than 256 levels; another document element, an element other than Term, a Stored or User
//    text missing or empty, a term holding "]]>", a stored term with two
//    user terms, a user term for two stored terms) and loaded when it breaks
//    none (the rules are judged here from the file); once loaded, its
//    language, its name and the number of its distinct stored terms are what
//    the component tells;
//  - every term translates: in a document holding the stored text as an
//    attribute, an element's text and a CDATA section, each becomes the user
//    text, and turned back into the stored form each is the stored text
//    again; a longer value holding the term, element and attribute names
//    and a comment are left alone;
//  - the text, converted either way (with the terms in force and with none),
//    is refused with kErrInvalid exactly when it is not one well-formed
//    document the library reads; when no value in it is a term it comes back byte for byte,
//    otherwise it comes back with the same nodes, each value that is a term
//    replaced by its translation and every other value as it was.  What a
//    conversion gave converts back by the same rule.
#include <cstdint>
#include <cstdio>
#include <functional>
#include <pugixml.hpp>
#include <string>
#include <unordered_map>

#include "platform/i18n/i18N.h"
#include "platform/runtime/Error.h"
#include "platform/xml/ReadMarkup.h"
#include "support/FuzzCheck.h"

namespace {

const std::string* gInput = nullptr;

[[noreturn]] void Fail(const std::string& what, const std::string& detail) {
    fuzz::Fail(what, detail + "\ninput: " + fuzz::Shown(*gInput));
}

using Terms = std::unordered_map<std::string, std::string>;

const char* const kKnown =
    "<Translations Language=\"nb\">\n"
    "  <Term Stored=\"Field\" User=\"Felt\"/>\n"
    "  <Term Stored=\"Well\" User=\"Br\xC3\xB8nn\"/>\n"
    "</Translations>\n";
const Terms kKnownToUser{{"Field", "Felt"}, {"Well", "Br\xC3\xB8nn"}};
const Terms kKnownToStored{{"Felt", "Field"}, {"Br\xC3\xB8nn", "Well"}};

// What a translation file defines, read here from the format's rules.
struct Reading {
    std::string broken;  // the first rule broken, "" when none
    std::string language;
    Terms toUser, toStored;
};

Reading Read(const std::string& file) {
    Reading r;
    pugi::xml_document doc;
    if (!ReadMarkup(doc, file, pugi::parse_default, pugi::encoding_auto).empty()) {
        r.broken = "not well-formed";
        return r;
    }
    pugi::xml_node root = doc.document_element();
    if (std::string(root.name()) != "Translations") {
        r.broken = "another document element";
        return r;
    }
    r.language = root.attribute("Language").value();
    for (pugi::xml_node term : root.children()) {
        if (term.type() != pugi::node_element) continue;
        const std::string stored = term.attribute("Stored").value(), user = term.attribute("User").value();
        if (std::string(term.name()) != "Term") {
            r.broken = "an element other than Term";
        } else if (stored.empty() || user.empty()) {
            r.broken = "a Term without a Stored or a User text";
        } else if (stored.find("]]>") != std::string::npos || user.find("]]>") != std::string::npos) {
            r.broken = "a term holding \"]]>\"";
        } else if (!r.toUser.emplace(stored, user).second && r.toUser[stored] != user) {
            r.broken = "a stored term with two user terms";
        } else if (!r.toStored.emplace(user, stored).second && r.toStored[user] != stored) {
            r.broken = "a user term for two stored terms";
        }
        if (!r.broken.empty()) return r;
    }
    return r;
}

// How texts to convert are read: everything kept, line ends as written.
const unsigned kTextOptions = (pugi::parse_default & ~pugi::parse_eol) | pugi::parse_declaration |
                              pugi::parse_doctype | pugi::parse_pi | pugi::parse_comments |
                              pugi::parse_ws_pcdata;

bool BadComment(const pugi::xml_node& n) {
    if (n.type() != pugi::node_comment) return false;
    const std::string v = n.value();
    return v.find("--") != std::string::npos || (!v.empty() && v.back() == '-');
}

// True when the text is one well-formed document: one element at its top, no
// text beside it, and no comment holding "--" or ending in "-".
bool OneDocument(const std::string& text, pugi::xml_document& doc) {
    if (!ReadMarkup(doc, text, kTextOptions, pugi::encoding_utf8).empty()) return false;
    if (doc.find_node(BadComment)) return false;
    int elements = 0;
    for (pugi::xml_node top : doc.children()) {
        if (top.type() == pugi::node_element) ++elements;
        if (top.type() == pugi::node_pcdata || top.type() == pugi::node_cdata) return false;
    }
    return elements == 1;
}

bool HoldsTerm(const pugi::xml_node& node, const Terms& terms) {
    if (node.type() == pugi::node_element) {
        for (pugi::xml_attribute a : node.attributes())
            if (terms.count(a.value())) return true;
    } else if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata) {
        if (terms.count(node.value())) return true;
    }
    for (pugi::xml_node child : node.children())
        if (HoldsTerm(child, terms)) return true;
    return false;
}

std::string Translated(const char* value, const Terms& terms) {
    auto it = terms.find(value);
    return it == terms.end() ? std::string(value) : it->second;
}

// "" when `after` is `before` with each value that is a term translated,
// else where they differ.
std::string Difference(const pugi::xml_node& before, const pugi::xml_node& after, const Terms& terms) {
    const std::string at = std::string("<") + before.name() + "> ";
    if (before.type() != after.type() || std::string(before.name()) != after.name())
        return at + "a node of another kind or name: <" + after.name() + ">";
    const bool element = before.type() == pugi::node_element;
    const bool text = before.type() == pugi::node_pcdata || before.type() == pugi::node_cdata;
    const std::string expected = text ? Translated(before.value(), terms) : before.value();
    if (expected != after.value())
        return at + "value " + fuzz::Shown(before.value()) + " became " + fuzz::Shown(after.value()) +
               ", expected " + fuzz::Shown(expected);
    pugi::xml_attribute a = before.first_attribute(), b = after.first_attribute();
    for (; a && b; a = a.next_attribute(), b = b.next_attribute()) {
        const std::string want = element ? Translated(a.value(), terms) : a.value();
        if (std::string(a.name()) != b.name() || want != b.value())
            return at + "attribute " + a.name() + "=" + fuzz::Shown(a.value()) + " became " + b.name() + "=" +
                   fuzz::Shown(b.value()) + ", expected " + fuzz::Shown(want);
    }
    if (a || b) return at + "another number of attributes";
    pugi::xml_node x = before.first_child(), y = after.first_child();
    for (; x && y; x = x.next_sibling(), y = y.next_sibling()) {
        std::string d = Difference(x, y, terms);
        if (!d.empty()) return d;
    }
    if (x || y) return at + "another number of child nodes";
    return "";
}

using Conversion = std::function<std::string(const std::string&)>;

// Converts the text and checks the answer against the terms; `depth` more
// conversions of the answer follow, the other way.
void CheckText(const std::string& how, const Conversion& convert, const Terms& terms, const Conversion& back,
               const Terms& backTerms, const std::string& text, int depth) {
    pugi::xml_document before;
    const bool valid = OneDocument(text, before);
    const std::string detail = how + " of " + fuzz::Shown(text);
    std::string out;
    try {
        out = convert(text);
    } catch (const Error& e) {
        if (e.Number() != i18N::kErrInvalid)
            Fail("a conversion raised " + std::to_string(e.Number()) + ": " + e.Description(), detail);
        if (valid) Fail("a well-formed document was refused: " + e.Description(), detail);
        return;
    }
    if (!valid) Fail("a text that is not one well-formed document was converted", detail);
    if (!HoldsTerm(before, terms)) {
        if (out != text)
            Fail("a text without terms did not come back byte for byte",
                 detail + " gave " + fuzz::Shown(out));
    } else {
        pugi::xml_document after;
        if (!OneDocument(out, after))
            Fail("a conversion wrote a text that is not one document", detail + " gave " + fuzz::Shown(out));
        const std::string d = Difference(before, after, terms);
        if (!d.empty())
            Fail("a conversion did not translate exactly the terms: " + d,
                 detail + " gave " + fuzz::Shown(out));
    }
    if (depth > 0) CheckText(how + ", then back", back, backTerms, convert, terms, out, depth - 1);
}

// Text as attribute value or element text, every markup character escaped.
std::string Escaped(const std::string& s) {
    std::string out;
    for (unsigned char c : s) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '"')
            out += "&quot;";
        else if (c < 0x20)
            out += "&#" + std::to_string(c) + ";";
        else
            out += static_cast<char>(c);
    }
    return out;
}

std::string ValueAt(const pugi::xml_document& doc, const char* xpath) {
    pugi::xpath_node n = doc.select_node(xpath);
    if (n.attribute()) return n.attribute().value();
    if (n.node()) return n.node().value();
    return "<absent>";
}

// A document holding the stored term wherever terms are translated (and
// where they are not) goes to the user's language and back.
void CheckTerm(const i18N& t, const std::string& stored, const std::string& user, const Terms& toUser,
               const Terms& toStored) {
    const std::string longer = stored + "~";
    const bool keepLonger = !toUser.count(longer) && !toStored.count(longer);
    const bool cdata = stored.find("]]>") == std::string::npos;
    const bool comment = stored.find("--") == std::string::npos && stored.back() != '-';
    const std::string doc = "<T a=\"" + Escaped(stored) + "\"" +
                            (keepLonger ? " b=\"" + Escaped(longer) + "\"" : "") + "><p>" + Escaped(stored) +
                            "</p>" +
                            (cdata ? "<c><![CDATA[" + stored + "]]></c>" : "<c>" + Escaped(stored) + "</c>") +
                            (comment ? "<!--" + stored + "-->" : "") + "</T>";
    const std::string detail =
        "term " + fuzz::Shown(stored) + " -> " + fuzz::Shown(user) + "\ndocument " + fuzz::Shown(doc);

    auto check = [&](const std::string& text, const std::string& value, const std::string& step) {
        pugi::xml_document d;
        if (!OneDocument(text, d))
            Fail("a term's document is no document " + step, detail + "\ngave " + fuzz::Shown(text));
        auto expect = [&](const char* xpath, const std::string& want) {
            const std::string got = ValueAt(d, xpath);
            if (got != want)
                Fail(std::string("a term's document ") + step + ": " + xpath + " is " + fuzz::Shown(got) +
                         ", expected " + fuzz::Shown(want),
                     detail + "\ngave " + fuzz::Shown(text));
        };
        expect("/T/@a", value);
        expect("/T/p/text()", value);
        expect("/T/c/node()", value);
        if (keepLonger) expect("/T/@b", longer);
        if (comment) expect("/T/comment()", stored);
        if (std::string(d.document_element().name()) != "T") Fail("an element name was translated", detail);
    };
    const std::string shown = t.ToUserLanguage(doc);
    check(shown, user, "in the user's language");
    check(t.ToStoredForm(shown), stored, "stored back");
}

void WriteFile(const std::string& file, const std::string& bytes) {
    std::FILE* f = std::fopen(file.c_str(), "wb");
    if (!f) fuzz::Fail("cannot write " + file);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

void Run(const std::string& file, const std::string* text) {
    static const std::string knownPath = fuzz::TempFolder() + "known.xml";
    static const bool written = (WriteFile(knownPath, kKnown), true);
    (void)written;
    static const std::string path = fuzz::TempFolder() + "Translations.xml";
    WriteFile(path, file);

    i18N t;
    t.LoadTranslations(knownPath);
    const Reading r = Read(file);
    const Terms* toUser = &r.toUser;
    const Terms* toStored = &r.toStored;
    const std::string detail = "file " + fuzz::Shown(file);
    try {
        t.LoadTranslations(path);
    } catch (const Error& e) {
        if (e.Number() != i18N::kErrInvalid)
            Fail("a translation file raised " + std::to_string(e.Number()) + ": " + e.Description(), detail);
        if (r.broken.empty()) Fail("a sound translation file was refused: " + e.Description(), detail);
        if (t.Language() != "nb" || t.FileName() != knownPath || t.TermCount() != 2 ||
            t.ToUserLanguage("<a b=\"Field\">Well</a>") != "<a b=\"Felt\">Br\xC3\xB8nn</a>")
            Fail("a refused translation file changed the terms in force", detail);
        toUser = &kKnownToUser;
        toStored = &kKnownToStored;
    }
    if (toUser == &r.toUser) {
        if (!r.broken.empty()) Fail("a translation file was loaded that has " + r.broken, detail);
        if (t.Language() != r.language || t.FileName() != path ||
            t.TermCount() != static_cast<int32_t>(r.toUser.size()))
            Fail("the language, file or number of terms is not the file's",
                 detail + "\nlanguage " + fuzz::Shown(t.Language()) + " terms " +
                     std::to_string(t.TermCount()));
        int checked = 0;
        for (const auto& [stored, user] : r.toUser) {
            if (++checked > 32) break;
            CheckTerm(t, stored, user, r.toUser, r.toStored);
        }
    }

    if (!text) return;
    const Conversion shown = [&](const std::string& s) { return t.ToUserLanguage(s); };
    const Conversion storedForm = [&](const std::string& s) { return t.ToStoredForm(s); };
    CheckText("ToUserLanguage", shown, *toUser, storedForm, *toStored, *text, 1);
    CheckText("ToStoredForm", storedForm, *toStored, shown, *toUser, *text, 1);
    const i18N none;
    const Terms nothing;
    const Conversion plain = [&](const std::string& s) { return none.ToUserLanguage(s); };
    CheckText("ToUserLanguage without terms", plain, nothing, plain, nothing, *text, 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    gInput = &input;
    const std::string separator = "\n%%\n";
    const size_t cut = input.find(separator);
    const std::string file = input.substr(0, cut);
    const std::string text = cut == std::string::npos ? std::string() : input.substr(cut + separator.size());
    try {
        Run(file, cut == std::string::npos ? nullptr : &text);
    } catch (const Error& e) {
        // Every conversion the checks make is of a well-formed document.
        Fail("an unexpected error " + std::to_string(e.Number()) + ": " + e.Description(), "");
    }
    return 0;
}
