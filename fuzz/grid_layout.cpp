// Fuzz target: the field chooser loading an arbitrary grid layout file.
//
// The input is the file's bytes.  A chooser over a fixed catalogue (the nine
// grids, each offering pinned, free, annual-row and unit columns) first
// loads a known layout, then the input.  Nothing may crash or draw a
// sanitizer report, and:
//  - the file is never written by a load;
//  - a file that is not a layout document (not well-formed, or another root
//    element) is refused with one error naming it and changes nothing: every
//    grid keeps its columns and the document held is saved as before;
//  - after any load every grid's columns stand at positions 1 to Count, each
//    a catalogue field held once, whose Sequence is its position;
//  - a layout that loaded without an error, saved and loaded again, gives
//    every grid the same columns, units and widths.
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/CTools.h"
#include "core/Globals.h"
#include "fieldchooser/CFieldDetail.h"
#include "fieldchooser/CSelectedFields.h"
#include "interfaces/IDataLists.h"
#include "interfaces/IDataManager.h"
#include "interfaces/ISettings2.h"
#include "interfaces/ResultGrids.h"
#include "interfaces/_cvDataManager.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"
#include "platform/runtime/cvCollection.h"
#include "platform/ui/ErrorWindow.h"
#include "platform/ui/MsgBox.h"
#include "platform/units/Units.h"
#include "platform/xml/kqXML.h"
#include "support/FuzzCheck.h"

namespace {

// The reference lists as the chooser sees them: only the catalogue.
class Lists final : public IDataLists {
public:
    explicit Lists(Ref<cvCollection> catalogue) : catalogue_(std::move(catalogue)) {}
    Ref<IListLocation> Location() override { return {}; }
    Ref<IListCompany> Company() override { return {}; }
    Ref<IListBlock> Block() override { return {}; }
    Ref<IListField> Field() override { return {}; }
    Ref<IListWell> Well() override { return {}; }
    Ref<IListTransport> Transport() override { return {}; }
    Ref<cvCollection> AvailableFields() override { return catalogue_; }

private:
    Ref<cvCollection> catalogue_;
};

// A root that answers what the chooser asks of it: the lists and the units.
class Root final : public IDataManager, public _cvDataManager {
public:
    Root(Ref<IDataLists> lists, Ref<::Units> units) : lists_(std::move(lists)), units_(std::move(units)) {}
    int32_t ErrorNumber() override { return 0; }
    std::string ErrorSource() override { return ""; }
    std::string ErrorDescription() override { return ""; }
    bool ErrorIsException() override { return false; }
    std::string VersionString() override { return ""; }
    std::string DataFolder() override { return fuzz::TempFolder(); }
    std::string UserDataFolder() override { return fuzz::TempFolder(); }
    std::string BaseDataFolder() override { return fuzz::TempFolder(); }
    std::string CoreDatabaseFolder() override { return fuzz::TempFolder(); }
    std::string CacheFolder() override { return fuzz::TempFolder(); }
    std::string NotesFolder() override { return fuzz::TempFolder(); }
    std::string DatabaseFileName() override { return ""; }
    std::string NotesDatabaseFileName() override { return ""; }
    std::string Database() override { return ""; }
    std::string NotesDatabase() override { return ""; }
    std::string GetOption(const std::string&) override { return ""; }
    std::string ApplicationMinVersion() override { return ""; }
    std::string ApplicationMaxVersion() override { return ""; }
    std::string DataRelease() override { return ""; }
    std::string DataYear() override { return ""; }
    Ref<::Units> Units() override { return units_; }
    Ref<IQueryManager> Queries() override { return {}; }
    Ref<IDataLists> Lists() override { return lists_; }
    Ref<IChartEngine> Charts() override { return {}; }
    Ref<IFieldChooser> FieldChooser() override { return {}; }
    void SetCancelled(bool) override {}
    void OpenDatabase() override {}
    std::string GetShortCompanyName(const std::string&) override { return ""; }
    std::string GetQZAssetCode(const std::string&, const std::string&, const std::string&) override {
        return "";
    }
    Ref<ADODB::Connection> Connection() override { return {}; }
    void SetStatusMessage(const std::string&) override {}
    bool Cancelled() override { return false; }
    void SetProgressCancel(bool) override {}
    void SetProgressMessage(const std::string&) override {}
    void SetProgressMax(int32_t) override {}
    void SetProgressValue(int32_t) override {}
    void SetProgressVisible(bool) override {}
    void Progress(const std::string&, int32_t, int32_t, bool) override {}
    Ref<ITreeView> QueryDescriptionTree() override { return {}; }

private:
    Ref<IDataLists> lists_;
    Ref<::Units> units_;
};

struct Column {
    const char* name;
    int32_t mandatory;
    const char* category;
    bool annualRow;
};
const Column kColumns[] = {
    {"NAME", 1, "", false},       {"A", 0, "", false},    {"B", 0, "", false},
    {"C", 0, "", false},          {"D", 0, "", false},    {"RES", 0, "Reserves", false},
    {"DEPTH", 0, "Depth", false}, {"PIN3", 3, "", false}, {"LAST", -1, "", false},
    {"LAST2", -2, "", false},     {"AR1", 0, "", true},   {"AR2", 0, "Depth", true},
};

const char* const kUnits =
    "<Units>"
    "<Category ID=\"Reserves\" DatabaseUnit=\"MMboe\"><Unit ID=\"MMboe\" Factor=\"1\"/>"
    "<Unit ID=\"GJ\" Factor=\"6119323.945196\"/></Category>"
    "<Category ID=\"Depth\" DatabaseUnit=\"m\"><Unit ID=\"m\" Factor=\"1\"/>"
    "<Unit ID=\"ft\" Factor=\"3.28083989501312\"/></Category>"
    "</Units>";

// The layout every input starts from.
const char* const kBaseline =
    "<GridLayouts><AssetTypes>"
    "<Block><Grids><Assets><Fields><Field ID=\"NAME\" Seq=\"1\"/><Field ID=\"A\" Seq=\"2\" "
    "ColumnWidth=\"900\"/>"
    "</Fields></Assets><Ownership><Fields/></Ownership></Grids></Block>"
    "<Field><Grids><Assets><Fields><Field ID=\"B\" Seq=\"1\"/><Field ID=\"RES\" UnitID=\"GJ\" Seq=\"2\"/>"
    "<Field ID=\"LAST\" Seq=\"3\"/></Fields></Assets><Ownership><Fields/></Ownership>"
    "<Annual><Fields><Field ID=\"A\" Seq=\"1\"/><Field ID=\"AR1\" Seq=\"2\"/></Fields>"
    "<YearRange All=\"1\" From=\"1990\" To=\"2005\"/></Annual></Grids></Field>"
    "<Well><Grids><Assets><Fields/></Assets><Ownership><Fields/></Ownership></Grids></Well>"
    "<Transport><Grids><Assets><Fields/></Assets><Ownership><Fields><Field ID=\"C\" Seq=\"1\"/>"
    "</Fields></Ownership></Grids></Transport>"
    "</AssetTypes></GridLayouts>";

struct Fixture {
    Ref<CSelectedFields> chooser;
    int errors = 0;
    std::string lastError;
};

Fixture& Get() {
    static Fixture* made = [] {
        auto* f = new Fixture;
        ui::SetMessageBoxHandler([f](const std::string& text, int32_t style, const std::string&) {
            if ((style & 0x70) == ui::vbCritical) {
                ++f->errors;
                f->lastError = text;
            }
            return ui::DefaultAnswer(style);
        });
        Ref<cvCollection> catalogue = gTools()->NewCollection();
        for (const auto& g : terralith::kResultGrids) {
            if (!catalogue->Exists(g.assetType))
                catalogue->Add(Variant(gTools()->NewCollection()), g.assetType);
            Ref<cvCollection> fields = gTools()->NewCollection();
            for (const Column& c : kColumns) {
                auto detail = New<CFieldDetail>();
                detail->SetFieldName(c.name);
                detail->SetDisplayName(c.name);
                detail->SetCategory(c.category);
                detail->SetMandatory(c.mandatory);
                detail->SetSequence(c.mandatory);
                detail->SetAnnualRow(c.annualRow);
                fields->Add(Variant(Ref<IDisplayField>(detail)), c.name);
            }
            Ref<cvCollection> grid = gTools()->NewCollection();
            grid->Add(Variant(fields), "FIELDS");
            grid->Add(Variant(gTools()->NewCollection()), "INDICES");
            catalogue->Item(Variant(g.assetType)).ToObject<cvCollection>()->Add(Variant(grid), g.gridType);
        }
        auto units = New<::Units>();
        units->LoadDefinitions(kUnits);
        auto root = New<Root>(New<Lists>(catalogue), units);
        SetRootReferences(root, root);
        f->chooser = New<CSelectedFields>();
        return f;
    }();
    return *made;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out) fuzz::Fail("cannot write " + path);
}

// Every grid's columns as "key unit width" lines, checking that positions
// 1..Count are all there, each field held once with its Sequence mirroring
// the position.
std::string Columns(CSelectedFields& chooser, const std::string& input) {
    std::string all;
    for (const auto& g : terralith::kResultGrids) {
        Ref<cvCollection> index = chooser.Index(g.assetType, g.gridType, "FIELD_SEQUENCE_INDEX");
        if (!index) fuzz::Fail("no index", fuzz::Shown(input));
        std::vector<std::string> seen;
        for (int32_t p = 1; p <= index->Count(); ++p) {
            const std::string key = "I_" + CStr(Variant(p));
            if (!index->Exists(key))
                fuzz::Fail("a hole at " + key + " in " + g.assetType + "/" + g.gridType, fuzz::Shown(input));
            const std::string id = CStr(index->Item(Variant(key)));
            for (const std::string& s : seen)
                if (EqualsNoCase(s, id)) fuzz::Fail("a column held twice: " + id, fuzz::Shown(input));
            seen.push_back(id);
            Ref<IDisplayField> field = chooser.Field(g.assetType, g.gridType, id);
            if (!field) fuzz::Fail("a column the catalogue does not hold: " + id, fuzz::Shown(input));
            if (field->Sequence() != p)
                fuzz::Fail("Sequence " + CStr(Variant(field->Sequence())) + " of " + id + " at " + key,
                           fuzz::Shown(input));
            all += std::string(g.assetType) + "/" + g.gridType + " " + id + " " + field->DefaultUnit() + " " +
                   CStr(Variant(field->ColumnWidth())) + "\n";
        }
    }
    return all;
}

// The chooser's document as Save writes it.
std::string Saved(CSelectedFields& chooser, const std::string& path, const std::string& input) {
    try {
        chooser.Save(path);
    } catch (const Error& e) {
        fuzz::Fail("the layout cannot be saved: " + e.Description(), fuzz::Shown(input));
    }
    return ReadFile(path);
}

bool IsLayoutDocument(const std::string& path) {
    Ref<ISettings2> probe = gTools()->NewSettingsObject();
    return probe->Load(path) && probe->XMLObject()->CountNodes("/GridLayouts") == 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    Fixture& f = Get();
    CSelectedFields& chooser = *f.chooser;
    const std::string folder = fuzz::TempFolder();
    const std::string baseline = folder + "baseline.xml", file = folder + "input.xml",
                      saved = folder + "saved.xml";

    WriteFile(baseline, kBaseline);
    chooser.SetLayoutFile(baseline);
    if (f.errors) fuzz::Fail("the baseline layout did not load", f.lastError);
    const std::string before = Columns(chooser, "");
    const std::string savedBefore = Saved(chooser, saved, "");

    WriteFile(file, input);
    try {
        chooser.SetLayoutFile(file);
    } catch (const Error& e) {
        fuzz::Fail("a load raised " + e.Description(), fuzz::Shown(input));
    }
    const int errors = f.errors;
    f.errors = 0;
    if (ReadFile(file) != input) fuzz::Fail("the load changed the file", fuzz::Shown(input));
    const std::string after = Columns(chooser, input);

    if (!IsLayoutDocument(file)) {
        if (errors != 1 || f.lastError.find(file) == std::string::npos)
            fuzz::Fail("a refused file is not reported once by name",
                       f.lastError + "\ninput: " + fuzz::Shown(input));
        if (after != before) fuzz::Fail("a refused file changed the columns", fuzz::Shown(input));
        chooser.Save(saved);
        if (ReadFile(saved) != savedBefore)
            fuzz::Fail("a refused file changed the document", fuzz::Shown(input));
    } else if (errors == 0) {
        // What loaded saves and loads back as it was.
        Saved(chooser, saved, input);
        chooser.SetLayoutFile(saved);
        if (f.errors)
            fuzz::Fail("a saved layout does not load", f.lastError + "\ninput: " + fuzz::Shown(input));
        if (Columns(chooser, input) != after)
            fuzz::Fail("save and load changed the columns",
                       after + "--\n" + Columns(chooser, input) + "input: " + fuzz::Shown(input));
    }
    f.errors = 0;
    return 0;
}
