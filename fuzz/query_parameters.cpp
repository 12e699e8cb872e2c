// Fuzz target: the query-parameter routines with hostile item text.
//
// The input is a list of texts separated by NUL bytes (a value cannot hold a
// NUL: the XML engine ends text there).  They are used in pairs as the code
// and description of items added to a criteria section, then as a single
// value, as a new description set on the first item and as the code of an
// item to remove.  After every call:
//  - what was stored reads back as it was given (in its stored form: quotes
//    become back-quotes and backslashes are doubled);
//  - each add of a new code adds exactly one item, and an add of a code
//    already there adds none;
//  - the query's XML, written out and read again by the XML engine, is
//    well-formed and holds exactly the items and values the routines report,
//    so no value can end its quoting early;
//  - no error was shown: no text makes a routine fail.
#include <cstdint>
#include <string>
#include <vector>

#include "core/CTools.h"
#include "core/Globals.h"
#include "platform/runtime/Text.h"
#include "platform/xml/XmlPath.h"
#include "platform/xml/kqXML.h"
#include "platform/xml/kqXMLNode.h"
#include "support/FuzzCheck.h"
#include "support/FuzzRoot.h"

namespace {

const char* const kRoot = "FieldDetail";
const char* const kSection = "FieldTypes";
const char* const kItem = "FieldType";

struct Item {
    std::string code, description;  // as stored
};

class Session {
public:
    explicit Session(const std::string& input) : input_(input), tools_(gTools()) {
        params_ = tools_->NewSettingsObject();
        if (!params_->LoadXML("<Field><FieldDetail/></Field>")) fuzz::Fail("cannot load the query XML");
        shownBefore_ = fuzz::FuzzRoot::Get().shownErrors;
    }

    // Values go in with quotes turned into back-quotes and backslashes doubled.
    static std::string Stored(const std::string& v) { return Replace(Replace(v, "'", "`"), "\\", "\\\\"); }

    void Add(const std::string& code, const std::string& description) {
        tools_->AddQueryParameter(params_, kRoot, kSection, kItem,
                                  Variant{Variant("Code"), Variant("Description")},
                                  Variant{Variant(code), Variant(description)});
        const std::string key = Stored(code);
        bool known = false;
        for (const Item& item : items_) known = known || item.code == key;
        if (!known) items_.push_back({key, Stored(description)});
        Check("add " + fuzz::Shown(code) + " " + fuzz::Shown(description));
    }

    void AddSingle(const std::string& value) {
        tools_->AddQueryParameter(params_, kRoot, "Options", "Note", Variant::Missing(), Variant::Missing(),
                                  Variant(value));
        const std::string expected = value.empty() ? "False" : Stored(value);
        const std::string back = tools_->GetQueryParameter(params_, kRoot, "Options", "Note");
        if (back != expected)
            Fail("a single value does not read back", fuzz::Shown(value) + " read " + fuzz::Shown(back));
        Check("single value " + fuzz::Shown(value));
    }

    // A new description on the first item: the setter doubles backslashes only.
    void SetFirstDescription(const std::string& description) {
        if (items_.empty()) return;
        tools_->SetQueryParameter(params_, kRoot, kSection, kItem, "Code", items_[0].code,
                                  Variant{Variant("Description")}, Variant{Variant(description)});
        items_[0].description = Replace(description, "\\", "\\\\");
        Check("set description " + fuzz::Shown(description));
    }

    void Remove(const std::string& code) {
        tools_->RemoveQueryParameter(params_, kItem, Variant{Variant("Code")}, Variant{Variant(code)});
        const std::string key = Stored(code);
        for (auto it = items_.begin(); it != items_.end(); ++it) {
            if (it->code == key) {
                items_.erase(it);
                break;
            }
        }
        Check("remove " + fuzz::Shown(code));
    }

private:
    [[noreturn]] void Fail(const std::string& what, const std::string& detail) {
        fuzz::Fail(what, detail + "\nXML: " + fuzz::Shown(Xml()) + "\ninput: " + fuzz::Shown(input_));
    }

    std::string Xml() { return params_->XMLObject()->DocumentNode()->xml(); }

    void Check(const std::string& step) {
        fuzz::FuzzRoot& fixture = fuzz::FuzzRoot::Get();
        if (fixture.shownErrors != shownBefore_) Fail("an error was shown after " + step, fixture.lastShown);

        const int32_t count = tools_->GetQueryParameterCount(params_, kRoot, kSection);
        if (count != static_cast<int32_t>(items_.size()))
            Fail(
                "the section holds " + std::to_string(count) + " items, not " + std::to_string(items_.size()),
                step);
        for (size_t i = 0; i < items_.size(); ++i) {
            const Item& item = items_[i];
            // The index reader halves the backslashes again and trims blanks.
            const std::string code =
                tools_->GetQueryParameterByIndex(params_, kRoot, kSection, "Code", static_cast<int32_t>(i));
            if (code != Trim(Replace(item.code, "\\\\", "\\")))
                Fail("item " + std::to_string(i) + " reads back another code",
                     step + ": " + fuzz::Shown(code));
            const std::string description = tools_->GetQueryParameterByAttribute(
                params_, kRoot, kSection, kItem, "Code", item.code, "Description");
            if (description != item.description)
                Fail("the description of item " + std::to_string(i) + " reads back otherwise",
                     step + ": " + fuzz::Shown(description) + ", stored " + fuzz::Shown(item.description));
        }

        // The XML as written, read by the engine on its own.
        const std::string xml = Xml();
        pugi::xml_document doc;
        if (!doc.load_buffer(xml.data(), xml.size(), xmlpath::kParseOptions, pugi::encoding_utf8))
            Fail("the query XML is no longer well-formed", step);
        std::vector<Item> read;
        for (const pugi::xpath_node& found : doc.select_nodes("/Field/FieldDetail/FieldTypes/*")) {
            pugi::xml_node n = found.node();
            if (std::string(n.name()) != kItem)
                Fail("the section holds a foreign element", step + ": " + n.name());
            read.push_back({n.attribute("Code").value(), n.attribute("Description").value()});
        }
        if (read.size() != items_.size())
            Fail("the written XML holds " + std::to_string(read.size()) + " items, not " +
                     std::to_string(items_.size()),
                 step);
        for (size_t i = 0; i < read.size(); ++i) {
            if (read[i].code != items_[i].code || read[i].description != items_[i].description)
                Fail("item " + std::to_string(i) + " reads otherwise from the written XML",
                     step + ": " + fuzz::Shown(read[i].code) + " " + fuzz::Shown(read[i].description));
        }
    }

    const std::string& input_;
    Ref<CTools> tools_;
    Ref<ISettings2> params_;
    std::vector<Item> items_;
    int shownBefore_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> values = Split(input, std::string(1, '\0'));
    if (values.size() > 16) values.resize(16);

    Session session(input);
    for (size_t i = 0; i + 1 < values.size(); i += 2) session.Add(values[i], values[i + 1]);
    session.AddSingle(values.back());
    session.SetFirstDescription(values.back());
    session.Remove(values.front());
    return 0;
}
