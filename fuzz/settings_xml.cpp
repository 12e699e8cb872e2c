// Fuzz target: the settings document on an arbitrary document, driven by
// arbitrary paths and values.
//
// The input is the document, then a line "%%", then one operation per line:
//   G<path>               GetValue
//   S<path>               Select, then Count and SelectIndex over the children
//   R<path>               SelectRelative
//   F<path>|<attr>|<val>  FindChild
//   V<path>|<value>       SetValue
//   A<name>|<value>       SetAttribute on the current node
//   T<value>              SetText on the current node
//   C<element>|<parent>   CreateNode
//   P<path>|<markup>      ReplaceXML
//   I<n> E<n>             SelectIndex, EnterChild
//   N H L D X             MoveNext, FirstChild, LeaveChild, DeleteNode, RemoveChildren
//   K                     continue on a second object standing on the current node
//   J                     go back to the first object
// Nothing may crash or draw a sanitizer report, and only Error may be raised.
// A path that a write refuses to make reads as Null (or is no expression).
// What is written reads back as written: a value set, an attribute set, the
// element FindChild finds carries the value it was asked for, and after the
// document is saved and loaded again every path that was written reads as it
// did before the save.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"
#include "platform/xml/XmlPath.h"
#include "platform/xml/cvSettings.h"
#include "platform/xml/kqXML.h"
#include "support/FuzzCheck.h"

namespace {

const std::string* gInput = nullptr;

[[noreturn]] void Fail(const std::string& what, const std::string& detail) {
    fuzz::Fail(what, detail + "\ninput: " + fuzz::Shown(*gInput));
}

// XML text cannot hold a NUL, and the engine ends a value or a path there:
// both are taken up to their first NUL.
std::string Value(const std::string& s) { return s.substr(0, s.find('\0')); }

// The piece before the first "|" and the rest.
std::pair<std::string, std::string> SplitOnce(const std::string& s) {
    size_t bar = s.find('|');
    if (bar == std::string::npos) return {s, ""};
    return {s.substr(0, bar), s.substr(bar + 1)};
}

int32_t Number(const std::string& s) {
    int32_t n = 0;
    for (char c : s) {
        if (c < '0' || c > '9' || n > 100000) break;
        n = n * 10 + (c - '0');
    }
    return n;
}

// True when a path selects the same node whatever text the document holds:
// a predicate could test the very value just written.
bool ValueIndependent(const std::string& path) { return path.find('[') == std::string::npos; }

Ref<ISettings2> NewSettings() { return Ref<ISettings2>(std::make_shared<cvSettings>()); }

class Session {
public:
    explicit Session(const std::string& document) {
        objects_.push_back(NewSettings());
        // The document as a file (Load honours the encoding it declares) and
        // as text already in memory (LoadXML); the operations work on the
        // second.
        static const std::string file = fuzz::TempFolder() + "input.xml";
        WriteFile(file, document);
        objects_[0]->Load(file);
        objects_[0]->LoadXML(document);
    }

    void Run(const std::string& text) {
        // The engine reads a path, like a value, up to its first NUL.
        const std::string line = Value(text);
        if (line.empty()) return;
        const char op = line[0];
        const std::string arg = line.substr(1);
        Ref<ISettings2>& s = objects_[active_];
        switch (op) {
            case 'G':
                s->GetValue(arg);
                break;
            case 'S':
                if (s->Select(arg)) CheckSelected(s, arg);
                break;
            case 'R':
                s->SelectRelative(arg);
                break;
            case 'F': {
                auto [path, rest] = SplitOnce(arg);
                const auto [attribute, value] = SplitOnce(rest);
                // The value travels apart from the expression: once a path
                // and a name are accepted, no value can make the search fail.
                s->FindChild(path, attribute, Variant("x"));
                bool found = false;
                try {
                    found = s->FindChild(path, attribute, Variant(value));
                } catch (const Error& e) {
                    Fail("a value made FindChild fail: " + e.Description(),
                         "path " + fuzz::Shown(path) + " @" + attribute + " = " + fuzz::Shown(value));
                }
                if (found && s->Attribute(attribute) != value)
                    Fail("FindChild found an element without the value",
                         "path " + fuzz::Shown(path) + " @" + attribute + " = " + fuzz::Shown(value) +
                             ", found " + fuzz::Shown(s->Attribute(attribute)));
                break;
            }
            case 'V': {
                auto [path, value] = SplitOnce(arg);
                try {
                    s->SetValue(path, Variant(value));
                } catch (const Error& e) {
                    // A path a write cannot make names nothing a read finds.
                    Variant read;
                    if (e.Description().find("cannot be created") != std::string::npos &&
                        Read(s, path, read) && !read.IsNull())
                        Fail("a path a write refused to make reads as a value",
                             "path " + fuzz::Shown(path) + " read " + Shown(read));
                    throw;
                }
                if (!ValueIndependent(path)) break;
                Variant back = s->GetValue(path);
                // An element's value is its own text followed by the text of
                // the elements below it, which writing leaves in place.
                if (back.IsNull() || !StartsWith(back.ToString(), value))
                    Fail("a value set does not read back",
                         "path " + fuzz::Shown(path) + " set " + fuzz::Shown(value) + " read " +
                             (back.IsNull() ? std::string("Null") : fuzz::Shown(back.ToString())));
                if (active_ == 0) written_.push_back(path);
                break;
            }
            case 'A': {
                auto [name, value] = SplitOnce(arg);
                s->SetAttribute(name, Variant(value));
                if (s->Attribute(name) != value)
                    Fail("an attribute set does not read back", name + " = " + fuzz::Shown(value));
                break;
            }
            case 'T': {
                const std::string& value = arg;
                s->SetText(Variant(value));
                if (!StartsWith(s->Text(), value)) Fail("a text set does not read back", fuzz::Shown(value));
                break;
            }
            case 'C': {
                auto [element, parent] = SplitOnce(arg);
                s->CreateNode(element, parent);
                break;
            }
            case 'P': {
                auto [path, markup] = SplitOnce(arg);
                s->ReplaceXML(markup, path);
                break;
            }
            case 'I':
                s->SelectIndex(Number(arg));
                break;
            case 'E':
                s->EnterChild(Number(arg));
                break;
            case 'N':
                s->MoveNext();
                break;
            case 'H':
                s->FirstChild();
                break;
            case 'L':
                s->LeaveChild();
                break;
            case 'D':
                s->DeleteNode();
                break;
            case 'X':
                s->RemoveChildren();
                break;
            case 'K':
                if (objects_.size() < 8) {
                    objects_.push_back(s->Node());
                    active_ = objects_.size() - 1;
                }
                break;
            case 'J':
                active_ = 0;
                break;
            default:
                break;
        }
    }

    // Saves the document, loads it again and compares every path written.
    void CheckSaveAndLoad() {
        Ref<ISettings2>& s = objects_[0];
        const std::string xml = s->XMLObject()->DocumentNode()->xml();
        Ref<ISettings2> probe = NewSettings();
        // Only a document with exactly one root element is a document to save.
        if (!probe->LoadXML(xml) || !OneRootElement(xml)) return;
        // An empty text node is written as nothing, and text nodes side by
        // side are read back as one: documents that hold either are left out
        // of the comparison.
        if (s->XMLObject()->CountNodes("//text()[.='' or following-sibling::node()[1][self::text()]]") > 0)
            return;
        static const std::string file = fuzz::TempFolder() + "saved.xml";
        s->Save(file);
        Ref<ISettings2> again = NewSettings();
        if (!again->Load(file)) Fail("a saved document does not load", fuzz::Shown(xml));
        for (const std::string& path : written_) {
            Variant before, after;
            bool readBefore = Read(s, path, before), readAfter = Read(again, path, after);
            if (readBefore != readAfter || before.IsNull() != after.IsNull() ||
                (!before.IsNull() && before.ToString() != after.ToString()))
                Fail("a value reads otherwise after the document is saved and loaded",
                     "path " + fuzz::Shown(path) + " before " + Shown(before) + " after " + Shown(after) +
                         "\ndocument: " + fuzz::Shown(xml));
        }
    }

private:
    static bool Read(Ref<ISettings2>& s, const std::string& path, Variant& out) {
        try {
            out = s->GetValue(path);
            return true;
        } catch (const Error&) {
            return false;
        }
    }
    static std::string Shown(const Variant& v) { return v.IsNull() ? "Null" : fuzz::Shown(v.ToString()); }

    static bool OneRootElement(const std::string& xml) {
        pugi::xml_document doc;
        if (!doc.load_buffer(xml.data(), xml.size(), xmlpath::kParseOptions, pugi::encoding_utf8))
            return false;
        return xmlpath::ChildElementCount(doc) == 1;
    }

    // A Count of n means SelectIndex reaches children 0 to n-1 and no further.
    void CheckSelected(Ref<ISettings2>& s, const std::string& path) {
        if (s->GetValue(path).IsNull())
            Fail("a path that selects an element reads as Null", fuzz::Shown(path));
        int32_t count = s->Count();
        for (int32_t i = 0; i < count && i < 64; ++i)
            if (!s->SelectIndex(i)) Fail("SelectIndex misses a counted child", std::to_string(i));
        if (count < 64 && s->SelectIndex(count))
            Fail("SelectIndex reaches past Count", std::to_string(count));
    }

    static void WriteFile(const std::string& file, const std::string& bytes) {
        std::FILE* f = std::fopen(file.c_str(), "wb");
        if (!f) fuzz::Fail("cannot write " + file);
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }

    std::vector<Ref<ISettings2>> objects_;
    size_t active_ = 0;
    std::vector<std::string> written_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    gInput = &input;
    const std::string separator = "\n%%\n";
    size_t cut = input.find(separator);
    const std::string document = input.substr(0, cut);
    std::vector<std::string> lines;
    if (cut != std::string::npos) lines = Split(input.substr(cut + separator.size()), "\n");
    if (lines.size() > 64) lines.resize(64);

    try {
        Session session(document);
        for (const std::string& line : lines) {
            try {
                session.Run(line);
            } catch (const Error&) {
                // Refused: a path that is no path, a name that is no name.
            }
        }
        session.CheckSaveAndLoad();
    } catch (const Error&) {
    }
    return 0;
}
