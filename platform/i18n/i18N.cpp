#include "i18N.h"

#include <pugixml.hpp>
#include <sstream>
#include <string_view>
#include <utility>

#include "platform/runtime/Error.h"
#include "platform/runtime/RegularFile.h"
#include "platform/runtime/Text.h"
#include "platform/xml/ReadMarkup.h"

namespace {

const char* const kSource = i18N::kProgID;

// Everything a stored file may hold is kept, line ends included, so that
// writing it again loses nothing but formatting between the top-level parts.
const unsigned kParseOptions = (pugi::parse_default & ~pugi::parse_eol) | pugi::parse_declaration |
                               pugi::parse_doctype | pugi::parse_pi | pugi::parse_comments |
                               pugi::parse_ws_pcdata;

[[noreturn]] void RaiseInvalidFile(const std::string& sFile, const std::string& sDetail) {
    Raise(i18N::kErrInvalid, kSource, "Invalid translation file '" + VisibleText(sFile) + "': " + sDetail);
}

// A value as a message quotes it, on one line.
std::string Quoted(const std::string& s) { return "'" + VisibleText(s) + "'"; }

// Replaces one value when it is a term; true when it did.
template <class Setter>
bool TranslateValue(const char* value, const std::unordered_map<std::string, std::string>& terms,
                    Setter set) {
    auto it = terms.find(value);
    if (it == terms.end()) return false;
    set(it->second.c_str());
    return true;
}

}  // namespace

void i18N::LoadTranslations(const std::string& sFile) {
    if (sFile.empty()) {
        toUser_.clear();
        toStored_.clear();
        language_.clear();
        file_.clear();
        return;
    }

    // Only a regular file is read, so a pipe under the name cannot block.
    const std::string text = ReadRegularFile(sFile, kSource);
    pugi::xml_document doc;
    const std::string problem = ReadMarkup(doc, text, pugi::parse_default, pugi::encoding_auto);
    if (!problem.empty()) RaiseInvalidFile(sFile, problem);

    pugi::xml_node root = doc.document_element();
    if (std::string(root.name()) != "Translations")
        RaiseInvalidFile(sFile,
                         "the document element is <" + std::string(root.name()) + ">, not <Translations>");

    TermMap toUser;
    TermMap toStored;
    for (pugi::xml_node term : root.children()) {
        if (term.type() != pugi::node_element) continue;
        if (std::string(term.name()) != "Term")
            RaiseInvalidFile(sFile, "unexpected element <" + std::string(term.name()) + ">");
        std::string stored = term.attribute("Stored").value();
        std::string user = term.attribute("User").value();
        // An empty term would translate every empty value in a file.
        if (stored.empty() || user.empty())
            RaiseInvalidFile(sFile, "a Term needs a Stored and a User text (Stored=" + Quoted(stored) +
                                        ", User=" + Quoted(user) + ")");
        // A CDATA section cannot hold "]]>": such a term would be written as two
        // sections, neither of which equals the term, so it could not be turned back.
        for (const std::string* text : {&stored, &user})
            if (text->find("]]>") != std::string::npos)
                RaiseInvalidFile(
                    sFile, "the term " + Quoted(*text) + " holds \"]]>\", which a CDATA section cannot hold");
        auto [u, newStored] = toUser.emplace(stored, user);
        if (!newStored && u->second != user)
            RaiseInvalidFile(sFile, "the stored term " + Quoted(stored) + " is translated both as " +
                                        Quoted(u->second) + " and as " + Quoted(user));
        auto [s, newUser] = toStored.emplace(user, stored);
        if (!newUser && s->second != stored)
            RaiseInvalidFile(sFile, "the user term " + Quoted(user) + " translates both " +
                                        Quoted(s->second) + " and " + Quoted(stored) +
                                        ", so it could not be stored back");
    }

    toUser_ = std::move(toUser);
    toStored_ = std::move(toStored);
    language_ = root.attribute("Language").value();
    file_ = sFile;
}

std::string i18N::ToUserLanguage(const std::string& sXML, const std::string& sFile) const {
    return Translate(sXML, toUser_, sFile);
}

std::string i18N::ToStoredForm(const std::string& sXML, const std::string& sFile) const {
    return Translate(sXML, toStored_, sFile);
}

std::string i18N::Translate(const std::string& sXML, const TermMap& terms, const std::string& sFile) {
    // The file whose text it is, so that whoever reads the message knows what to mend.
    const std::string cannot =
        "The XML text" + (sFile.empty() ? std::string() : " of " + Quoted(sFile)) + " cannot be translated: ";
    pugi::xml_document doc;
    const std::string problem = ReadMarkup(doc, sXML, kParseOptions, pugi::encoding_utf8);
    if (!problem.empty()) Raise(kErrInvalid, kSource, cannot + problem);
    // The parser takes fragments; a document has exactly one element at its top.
    int elements = 0;
    for (pugi::xml_node top : doc.children()) {
        if (top.type() == pugi::node_element) ++elements;
        if (top.type() == pugi::node_pcdata || top.type() == pugi::node_cdata) elements = -1;
        if (elements < 0 || elements > 1) break;
    }
    if (elements != 1) Raise(kErrInvalid, kSource, cannot + "it is not one document element");
    // The parser takes a comment holding "--" or ending in "-", which XML
    // forbids and which the writer can only write back altered.
    pugi::xml_node badComment = doc.find_node([](pugi::xml_node n) {
        if (n.type() != pugi::node_comment) return false;
        std::string_view v = n.value();
        return v.find("--") != std::string_view::npos || (!v.empty() && v.back() == '-');
    });
    if (badComment)
        Raise(kErrInvalid, kSource,
              cannot + "the comment " + Quoted(badComment.value()) + " holds \"--\" or ends in \"-\"");
    if (terms.empty()) return sXML;

    bool changed = false;
    struct Walker : pugi::xml_tree_walker {
        const TermMap* terms;
        bool* changed;
        bool for_each(pugi::xml_node& node) override {
            if (node.type() == pugi::node_element) {
                for (pugi::xml_attribute a : node.attributes())
                    *changed |= TranslateValue(a.value(), *terms, [&](const char* v) { a.set_value(v); });
            } else if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata) {
                *changed |= TranslateValue(node.value(), *terms, [&](const char* v) { node.set_value(v); });
            }
            return true;
        }
    } walker;
    walker.terms = &terms;
    walker.changed = &changed;
    doc.traverse(walker);
    if (!changed) return sXML;

    std::ostringstream out;
    doc.save(out, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    return out.str();
}
