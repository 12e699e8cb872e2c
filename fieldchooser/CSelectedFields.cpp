#include "fieldchooser/CSelectedFields.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <iterator>
#include <limits>
#include <optional>
#include <vector>

#include "core/CTools.h"
#include "core/ErrorHandler.h"
#include "core/Globals.h"
#include "interfaces/IDataLists.h"
#include "interfaces/IDataManager.h"
#include "interfaces/ISettings2.h"
#include "interfaces/ResultGrids.h"
#include "platform/i18n/i18N.h"
#include "platform/runtime/Text.h"
#include "platform/runtime/cvCollection.h"
#include "platform/toolslib/FileSystemObject.h"
#include "platform/toolslib/cvStrings.h"
#include "platform/toolslib/cvWindows.h"
#include "platform/ui/DoEvents.h"
#include "platform/ui/MsgBox.h"
#include "platform/units/Units.h"
#include "platform/xml/cvSettings.h"
#include "platform/xml/kqXML.h"
#include "platform/xml/kqXMLNode.h"

namespace {

const char* const kSeqIndex = "FIELD_SEQUENCE_INDEX";

using terralith::kResultGrids;
using Grid = terralith::ResultGrid;

std::string Decimal(int64_t n) {
    char buffer[24];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, n);
    return std::string(buffer, end);
}

std::string PositionKey(int64_t lPos) { return "I_" + Decimal(lPos); }

std::string GridName(const std::string& sAssetType, const std::string& sGridType) {
    return sAssetType + "/" + sGridType;
}

// The whole number at the start of the text, halves to even; nothing when it
// has none that fits a Long (a text that is no number reads as 0).
std::optional<int32_t> LeadingWhole(const std::string& sText) {
    double d = 0;
    try {
        d = RoundHalfEven(Val(sText));
    } catch (const Error&) {
        return std::nullopt;  // beyond a Double
    }
    if (!(d >= std::numeric_limits<int32_t>::min() && d <= std::numeric_limits<int32_t>::max()))
        return std::nullopt;
    return static_cast<int32_t>(d);
}

bool IsLayoutDocument(const Ref<ISettings2>& doc) {
    return doc->XMLObject()->CountNodes("/GridLayouts") == 1;
}

void ShowRule(const std::string& sText, int32_t lStyle, const std::string& sTitle) {
    gTools()->Windows()->ShowMessage(sText, lStyle, sTitle, 0, 0);
}

}  // namespace

CSelectedFields::CSelectedFields() {
    EndHere(*this, "CSelectedFields.Class_Initialize", ERR_ARGS(),
            [&] { catalogue_ = gDataManager()->Lists()->AvailableFields(); });
}

// ---- look-ups

Ref<cvCollection> CSelectedFields::GridOf(const std::string& sAssetType, const std::string& sGridType) const {
    Ref<cvCollection> grids = catalogue_->Item(Variant(sAssetType)).ToObject<cvCollection>();
    return grids->Item(Variant(sGridType)).ToObject<cvCollection>();
}

Ref<cvCollection> CSelectedFields::FieldsOf(const std::string& sAssetType,
                                            const std::string& sGridType) const {
    return GridOf(sAssetType, sGridType)->Item(Variant("FIELDS")).ToObject<cvCollection>();
}

Ref<IDisplayField> CSelectedFields::FieldOf(const std::string& sAssetType, const std::string& sGridType,
                                            const std::string& sFieldID) const {
    Ref<IDisplayField> field =
        FieldsOf(sAssetType, sGridType)->Item(Variant(sFieldID)).ToObject<IDisplayField>();
    if (!field) RaiseObjectNotSet();
    return field;
}

Ref<cvCollection> CSelectedFields::IndexOf(const std::string& sAssetType, const std::string& sGridType,
                                           const std::string& sIndex) const {
    Ref<cvCollection> indices =
        GridOf(sAssetType, sGridType)->Item(Variant("INDICES")).ToObject<cvCollection>();
    if (!indices->Exists(sIndex)) indices->Add(Variant(gTools()->NewCollection()), sIndex);
    return indices->Item(Variant(sIndex)).ToObject<cvCollection>();
}

Ref<cvCollection> CSelectedFields::SeqIndex(const std::string& sAssetType,
                                            const std::string& sGridType) const {
    return IndexOf(sAssetType, sGridType, kSeqIndex);
}

Ref<IDisplayField> CSelectedFields::FieldAt(const std::string& sAssetType, const std::string& sGridType,
                                            const Ref<cvCollection>& index, int32_t lPos) const {
    return FieldOf(sAssetType, sGridType, CStr(index->Item(Variant(PositionKey(lPos)))));
}

Ref<cvCollection> CSelectedFields::ActiveList(const std::string& sAssetType,
                                              const std::string& sGridType) const {
    Ref<cvCollection> index = SeqIndex(sAssetType, sGridType);
    Ref<cvCollection> active = gTools()->NewCollection();
    for (int32_t p = 1; p <= index->Count(); ++p) {
        Ref<IDisplayField> field = FieldAt(sAssetType, sGridType, index, p);
        const std::string key = field->Key();
        // A column chosen twice is listed at its later position.
        if (active->Exists(key)) active->Remove(Variant(key));
        active->Add(Variant(field), key);
    }
    return active;
}

int32_t CSelectedFields::PositionOf(const Ref<cvCollection>& index, const std::string& sFieldID) const {
    int32_t found = 0;
    for (int32_t p = 1; p <= index->Count(); ++p) {
        const std::string key = PositionKey(p);
        if (index->Exists(key) && EqualsNoCase(CStr(index->Item(Variant(key))), sFieldID)) found = p;
    }
    return found;
}

Ref<cvCollection> CSelectedFields::Fields(const std::string& sAssetType, const std::string& sGridType) {
    return EndHere(*this, "CSelectedFields.Fields(sAssetType,sGridType)", ERR_ARGS(sAssetType, sGridType),
                   [&] { return FieldsOf(sAssetType, sGridType); });
}

Ref<IDisplayField> CSelectedFields::Field(const std::string& sAssetType, const std::string& sGridType,
                                          const std::string& sFieldID) {
    return EndHere(*this, "CSelectedFields.Field(sAssetType,sGridType,sFieldID)",
                   ERR_ARGS(sAssetType, sGridType, sFieldID),
                   [&] { return FieldOf(sAssetType, sGridType, sFieldID); });
}

Ref<cvCollection> CSelectedFields::Index(const std::string& sAssetType, const std::string& sGridType,
                                         const std::string& sIndex) {
    return EndHere(*this, "CSelectedFields.Index(sAssetType,sGridType,sIndex)",
                   ERR_ARGS(sAssetType, sGridType, sIndex),
                   [&] { return IndexOf(sAssetType, sGridType, sIndex); });
}

int32_t CSelectedFields::NextIndex(const std::string& sAssetType, const std::string& sGridType) {
    return PassOn("CSelectedFields.NextIndex(sAssetType,sGridType)", ERR_ARGS(sAssetType, sGridType),
                  [&] { return SeqIndex(sAssetType, sGridType)->Count() + 1; });
}

Ref<cvCollection> CSelectedFields::ActiveFields(const std::string& sAssetType, const std::string& sGridType) {
    return EndHere(*this, "CSelectedFields.ActiveFields(sAssetType,sGridType)",
                   ERR_ARGS(sAssetType, sGridType), [&] { return ActiveList(sAssetType, sGridType); });
}

// ---- the column index

void CSelectedFields::BuildFieldSeq(const std::string& sAssetType, const std::string& sGridType) {
    PassOn("CSelectedFields.BuildFieldSeq(sAssetType, sGridType)", ERR_ARGS(sAssetType, sGridType), [&] {
        Ref<cvCollection> index = SeqIndex(sAssetType, sGridType);
        for (int32_t p = 1; p <= index->Count(); ++p)
            if (index->Exists(PositionKey(p))) FieldAt(sAssetType, sGridType, index, p)->SetSequence(p);
    });
}

int32_t CSelectedFields::AddFieldToSeqIndex(const std::string& sAssetType, const std::string& sGridType,
                                            const std::string& sFieldID) {
    return EndHere(*this, "CSelectedFields.AddFieldToSeqIndex(sAssetType,sGridType,sFieldID)",
                   ERR_ARGS(sAssetType, sGridType, sFieldID), [&] {
                       // The field is looked up before anything moves, so an unknown one
                       // leaves the columns as they were.
                       Ref<IDisplayField> added = FieldOf(sAssetType, sGridType, sFieldID);
                       Ref<cvCollection> index = SeqIndex(sAssetType, sGridType);
                       int32_t t = NextIndex(sAssetType, sGridType);

                       // The columns that shift one place back, read before any moves:
                       // first those pinned to the end, then in "Annual" the trailing
                       // annual rows in front of them.
                       std::vector<Ref<IDisplayField>> shifted;
                       for (int32_t p = t - 1; p >= 1; --p) {
                           Ref<IDisplayField> field = FieldAt(sAssetType, sGridType, index, p);
                           if (field->Mandatory() >= 0) break;
                           shifted.push_back(field);
                           --t;
                       }
                       if (sGridType == "Annual" && !added->AnnualRow()) {
                           for (int32_t p = t - 1; p >= 1; --p) {
                               Ref<IDisplayField> field = FieldAt(sAssetType, sGridType, index, p);
                               if (!field->AnnualRow()) break;
                               shifted.push_back(field);
                               --t;
                           }
                       }
                       // From the last column forward, so each move lands on a free key.
                       int32_t p = index->Count();
                       for (const Ref<IDisplayField>& field : shifted) {
                           const Variant key = index->Item(Variant(PositionKey(p)));
                           index->Remove(Variant(PositionKey(p)));
                           index->Add(key, PositionKey(p + 1));
                           field->SetSequence(p + 1);
                           --p;
                       }
                       index->Add(Variant(added->Key()), PositionKey(t));
                       added->SetSequence(t);
                       Touched(sAssetType, sGridType);
                       return t;
                   });
}

bool CSelectedFields::RemoveAt(const std::string& sAssetType, const std::string& sGridType, int32_t lSeq,
                               bool bTell) {
    Ref<cvCollection> index = SeqIndex(sAssetType, sGridType);
    if (!index->Exists(PositionKey(lSeq))) return false;
    if (FieldAt(sAssetType, sGridType, index, lSeq)->Mandatory() != 0) {
        if (bTell) ShowRule("Mandatory Field: This field cannot be removed.", 48, "Warning");
        return false;
    }
    index->Remove(Variant(PositionKey(lSeq)));
    const int32_t last = index->Count() + 1;
    for (int32_t p = lSeq + 1; p <= last; ++p) {
        ui::DoEvents();
        index->ChangeKey(PositionKey(p), PositionKey(p - 1));
    }
    BuildFieldSeq(sAssetType, sGridType);
    Touched(sAssetType, sGridType);
    return true;
}

bool CSelectedFields::RemoveFieldFromSeqIndex(const std::string& sAssetType, const std::string& sGridType,
                                              int32_t lSeq) {
    return EndHere(*this, "CSelectedFields.RemoveFieldFromSeqIndex(sAssetType,sGridType,lSeq)",
                   ERR_ARGS(sAssetType, sGridType, lSeq),
                   [&] { return RemoveAt(sAssetType, sGridType, lSeq, true); });
}

void CSelectedFields::ClearAll(const std::string& sAssetType, const std::string& sGridType) {
    EndHere(*this, "CSelectedFields.IFieldChooser_ClearAll(sAssetType,sGridType)",
            ERR_ARGS(sAssetType, sGridType), [&] {
                Ref<cvCollection> index = SeqIndex(sAssetType, sGridType);
                int32_t ordinal = 1;
                while (ordinal <= index->Count()) {
                    Ref<IDisplayField> field =
                        FieldOf(sAssetType, sGridType, CStr(index->Item(Variant(ordinal))));
                    // The entry's own key says where it stands; the field's
                    // Sequence may be stale or name another column.
                    const std::string key = index->KeyAt(ordinal);
                    std::optional<int32_t> position;
                    if (StartsWith(key, "I_")) position = LeadingWhole(key.substr(2));
                    if (field->Mandatory() != 0 || !position ||
                        !RemoveAt(sAssetType, sGridType, *position, false))
                        ++ordinal;
                }
                Touched(sAssetType, sGridType);
            });
}

int32_t CSelectedFields::Move(const std::string& sAssetType, const std::string& sGridType,
                              const std::string& sFieldID, int32_t lStep) {
    Ref<IDisplayField> field = FieldOf(sAssetType, sGridType, sFieldID);
    Ref<cvCollection> index = SeqIndex(sAssetType, sGridType);
    int32_t s = field->Sequence();
    // A Sequence that does not name the field's own entry is not trusted:
    // the index says where the column stands.
    const std::string at = PositionKey(s);
    if (!index->Exists(at) || !EqualsNoCase(CStr(index->Item(Variant(at))), field->Key())) {
        s = PositionOf(index, field->Key());
        if (s == 0) return 0;
        field->SetSequence(s);
    }
    const int32_t q = s + lStep;
    if (q < 1 || q > index->Count()) return s;

    Ref<IDisplayField> neighbour = FieldAt(sAssetType, sGridType, index, q);
    if (field->Mandatory() != 0 || neighbour->Mandatory() != 0) {
        ShowRule("Mandatory Field: This cannot be moved.", 48, "Warning");
        return 0;
    }
    if (sGridType == "Annual" && field->AnnualRow() != neighbour->AnnualRow()) {
        ShowRule("You cannot mix Annual and Non Annual fields.", 16, "Error");
        return 0;
    }
    const Variant neighbourKey = index->Item(Variant(PositionKey(q)));
    const Variant fieldKey = index->Item(Variant(PositionKey(s)));
    index->Remove(Variant(PositionKey(q)));
    index->Remove(Variant(PositionKey(s)));
    index->Add(fieldKey, PositionKey(q));
    index->Add(neighbourKey, PositionKey(s));
    field->SetSequence(q);
    neighbour->SetSequence(s);
    Touched(sAssetType, sGridType);
    return q;
}

int32_t CSelectedFields::MoveUp(const std::string& sAssetType, const std::string& sGridType,
                                const std::string& sFieldID) {
    int32_t lRow = 0;
    EndHere(*this, "CSelectedFields.MoveUp(sAssetType,sGridType,sFieldID,lRow)",
            ERR_ARGS(sAssetType, sGridType, sFieldID, lRow),
            [&] { lRow = Move(sAssetType, sGridType, sFieldID, -1); });
    return lRow;
}

int32_t CSelectedFields::MoveDown(const std::string& sAssetType, const std::string& sGridType,
                                  const std::string& sFieldID) {
    int32_t lRow = 0;
    EndHere(*this, "CSelectedFields.MoveDown(sAssetType,sGridType,sFieldID,lRow)",
            ERR_ARGS(sAssetType, sGridType, sFieldID, lRow),
            [&] { lRow = Move(sAssetType, sGridType, sFieldID, 1); });
    return lRow;
}

void CSelectedFields::Touched(const std::string& sAssetType, const std::string& sGridType) {
    notLoaded_.erase(GridName(sAssetType, sGridType));
}

// ---- year range

void CSelectedFields::WriteYearRange(const std::string& sAssetType, const std::string& sGridType,
                                     const std::string& sAttribute, const std::string& sValue) {
    layout_->SetValue(YearRangePath(sAssetType, sGridType, sAttribute), Variant(sValue));
}

std::string CSelectedFields::ReadYearRange(const std::string& sAssetType, const std::string& sGridType,
                                           const std::string& sAttribute) const {
    // Null when the attribute is not there, which CStr refuses (94).
    return CStr(layout_->GetValue(YearRangePath(sAssetType, sGridType, sAttribute)));
}

std::string CSelectedFields::YearRangePath(const std::string& sAssetType, const std::string& sGridType,
                                           const std::string& sAttribute) const {
    // The names become a path in the document: only the nine grids may, so
    // that a misspelt one cannot add elements that a save then writes.
    bool known = false;
    for (const Grid& g : kResultGrids)
        known = known || (sAssetType == g.assetType && sGridType == g.gridType);
    if (!known) Raise(rt::kInvalidCall, "", "No result grid " + VisibleText(GridName(sAssetType, sGridType)));
    return gTools()->Str()->FormatText("GridLayouts/AssetTypes/%0/Grids/%1/YearRange@%2",
                                       Variant{Variant(sAssetType), Variant(sGridType), Variant(sAttribute)});
}

void CSelectedFields::SetAnnualFromYear(const std::string& sAssetType, const std::string& sGridType,
                                        const std::string& sYear) {
    EndHere(*this, "CSelectedFields.IFieldChooser_AnnualFromYear(sAssetType,sGridType,sYear)",
            ERR_ARGS(sAssetType, sGridType, sYear),
            [&] { WriteYearRange(sAssetType, sGridType, "From", sYear); });
}

std::string CSelectedFields::AnnualFromYear(const std::string& sAssetType, const std::string& sGridType) {
    return EndHere(*this, "CSelectedFields.IFieldChooser_AnnualFromYear(sAssetType,sGridType)",
                   ERR_ARGS(sAssetType, sGridType),
                   [&] { return ReadYearRange(sAssetType, sGridType, "From"); });
}

void CSelectedFields::SetAnnualToYear(const std::string& sAssetType, const std::string& sGridType,
                                      const std::string& sYear) {
    EndHere(*this, "CSelectedFields.IFieldChooser_AnnualToYear(sAssetType,sGridType,sYear)",
            ERR_ARGS(sAssetType, sGridType, sYear),
            [&] { WriteYearRange(sAssetType, sGridType, "To", sYear); });
}

std::string CSelectedFields::AnnualToYear(const std::string& sAssetType, const std::string& sGridType) {
    return EndHere(*this, "CSelectedFields.IFieldChooser_AnnualToYear(sAssetType,sGridType)",
                   ERR_ARGS(sAssetType, sGridType),
                   [&] { return ReadYearRange(sAssetType, sGridType, "To"); });
}

void CSelectedFields::SetAllYears(const std::string& sAssetType, const std::string& sGridType,
                                  int32_t lValue) {
    EndHere(*this, "CSelectedFields.IFieldChooser_AllYears(sAssetType,sGridType,lValue)",
            ERR_ARGS(sAssetType, sGridType, lValue),
            [&] { WriteYearRange(sAssetType, sGridType, "All", Decimal(lValue)); });
}

int32_t CSelectedFields::AllYears(const std::string& sAssetType, const std::string& sGridType) {
    // CLng rounds halves to even and raises 6 beyond a Long.
    return EndHere(*this, "CSelectedFields.IFieldChooser_AllYears(sAssetType,sGridType)",
                   ERR_ARGS(sAssetType, sGridType),
                   [&] { return CLng(Variant(Val(ReadYearRange(sAssetType, sGridType, "All")))); });
}

// ---- the grid layout file

void CSelectedFields::SetLayoutFile(const std::string& sFile) {
    EndHere(*this, "CSelectedFields.LayoutFile(sFile)", ERR_ARGS(sFile), [&] {
        layoutFile_ = sFile;
        LoadLayout();
    });
}

void CSelectedFields::LoadLayout() {
    PassOn("CSelectedFields.LoadLayout", ERR_ARGS(), [&] {
        Ref<CTools> tools = gTools();
        if (!layout_) layout_ = tools->NewSettingsObject();
        Check(tools->FSO()->FileExists(layoutFile_), ERR_DEFAULT_LAYOUT_NOT_LOADED,
              "Default layout file:||%0|| cannot be loaded.", Variant(layoutFile_));

        // The file is read and turned into the user's language aside, and
        // only a layout document replaces the one held.
        Ref<ISettings2> file = tools->NewSettingsObject();
        bool usable = file->Load(layoutFile_);
        std::string text;
        if (usable) {
            text = tools->i18N()->ToUserLanguage(file->XMLObject()->DocumentNode()->xml(), layoutFile_);
            usable = file->LoadXML(text);
        }
        // Why, on a line of its own, so that whoever mends the file knows what to mend.
        std::string why;
        if (!usable)
            why = LoadProblemOf(file);
        else if (!IsLayoutDocument(file))
            why = "its root element is not GridLayouts";
        Check(usable && why.empty(), ERR_INVALID_GRID_LAYOUT, "Invalid Results grids Layout file: %0||%1",
              Variant{Variant(layoutFile_), Variant(why)});
        Check(layout_->LoadXML(text), ERR_INVALID_GRID_LAYOUT, "Invalid Results grids Layout file: %0",
              Variant(layoutFile_));

        catalogue_.Reset();
        catalogue_ = gDataManager()->Lists()->AvailableFields();

        for (size_t i = 0; i < std::size(kResultGrids); ++i) {
            try {
                LoadLayoutSettings(kResultGrids[i].assetType, kResultGrids[i].gridType);
                notLoaded_.erase(GridName(kResultGrids[i].assetType, kResultGrids[i].gridType));
            } catch (...) {
                for (size_t j = i; j < std::size(kResultGrids); ++j)
                    notLoaded_.insert(GridName(kResultGrids[j].assetType, kResultGrids[j].gridType));
                throw;
            }
        }
    });
}

void CSelectedFields::LoadLayoutSettings(const std::string& sAssetType, const std::string& sGridType) {
    PassOn("CSelectedFields.LoadLayoutSettings(sAssetType,sGridType)", ERR_ARGS(sAssetType, sGridType), [&] {
        Ref<CTools> tools = gTools();
        const std::string path = tools->Str()->FormatText("GridLayouts/AssetTypes/%0/Grids/%1/Fields",
                                                          Variant{Variant(sAssetType), Variant(sGridType)});
        Check(layout_->Select(path), ERR_INVALID_GRID_LAYOUT, "Invalid Results grids Layout file: %0",
              Variant(layoutFile_));
        Ref<cvCollection> fields = FieldsOf(sAssetType, sGridType);
        Ref<cvCollection> index = SeqIndex(sAssetType, sGridType);
        Ref<::Units> units;

        // One column as the file gives it.
        struct Column {
            Ref<IDisplayField> field;
            bool fromFile = true;
            int64_t wanted = 0;  // free columns: the position asked for
            int32_t width = 0;
            std::optional<std::string> unit;
        };
        constexpr int64_t kAtEnd = std::numeric_limits<int64_t>::max();
        std::vector<Column> pinned, free;
        std::set<std::string> seen;                              // folded keys read
        std::vector<std::pair<int32_t, std::string>> unitFills;  // element, unit for its empty UnitID

        int32_t element = 0;
        for (bool more = layout_->FirstChild(); more; more = layout_->NextSibling(), ++element) {
            const std::string id = layout_->Attribute("ID");
            if (!fields->Exists(id)) continue;
            Column c;
            c.field = fields->Item(Variant(id)).ToObject<IDisplayField>();
            if (!seen.insert(LCase(c.field->Key())).second) continue;

            const std::string category = c.field->Category();
            if (!category.empty()) {
                if (!units) units = gDataManager()->Units();
                std::string unit = layout_->Attribute("UnitID");
                if (unit.empty()) {
                    unit = units->DefaultUnit(category);
                    unitFills.emplace_back(element, unit);
                }
                c.unit = unit;
                if (!units->UnitExists(category, unit)) {
                    const std::string fallback = units->DefaultUnit(category);
                    // The names are values: a "||" in one is no line break.
                    ui::MsgBox(
                        MessageText(
                            "Warning: Unit: %0 not found. Field: %1 will use Corvantis default "
                            "unit: %2",
                            Variant{Variant(unit), Variant(c.field->DisplayName()), Variant(fallback)}),
                        48, "Warning");
                    c.unit = fallback;
                }
            }
            const std::optional<int32_t> width = LeadingWhole(layout_->Attribute("ColumnWidth"));
            c.width = width && *width > 0 ? *width : 0;
            if (c.field->Mandatory() != 0) {
                pinned.push_back(std::move(c));
            } else {
                // Ordered by the number, however far apart the numbers lie: the
                // places themselves are counted out below, never looped up to a
                // "Seq".  A column without a usable number goes after the others.
                const std::optional<int32_t> seq = LeadingWhole(layout_->Attribute("Seq"));
                c.wanted = seq && *seq >= 1 ? *seq : kAtEnd;
                free.push_back(std::move(c));
            }
        }

        // A free column asking for the place an earlier one took gets none.
        {
            std::set<int64_t> taken;
            std::vector<Column> kept;
            for (Column& c : free)
                if (c.wanted == kAtEnd || taken.insert(c.wanted).second) kept.push_back(std::move(c));
            free = std::move(kept);
        }
        std::stable_sort(free.begin(), free.end(),
                         [](const Column& a, const Column& b) { return a.wanted < b.wanted; });
        // Pinned columns the grid already shows and the file does not list
        // keep their place among the pins.
        for (int32_t p = 1; p <= index->Count(); ++p) {
            if (!index->Exists(PositionKey(p))) continue;
            Ref<IDisplayField> held = FieldAt(sAssetType, sGridType, index, p);
            if (held->Mandatory() != 0 && seen.insert(LCase(held->Key())).second) {
                Column c;
                c.field = held;
                c.fromFile = false;
                pinned.push_back(std::move(c));
            }
        }

        // Pins take their positions, those counted from the end first (the
        // last column stays last when a short grid makes two pins meet);
        // the free columns fill the others in the order their "Seq" asks for.
        std::stable_sort(pinned.begin(), pinned.end(), [](const Column& a, const Column& b) {
            return (a.field->Mandatory() < 0) > (b.field->Mandatory() < 0);
        });
        const int64_t count = static_cast<int64_t>(pinned.size() + free.size());
        std::vector<const Column*> slots(static_cast<size_t>(count) + 1, nullptr);
        for (const Column& c : pinned) {
            const int64_t m = c.field->Mandatory();
            int64_t p = std::clamp<int64_t>(m > 0 ? m : count + m + 1, 1, count);
            int64_t q = p;
            while (q <= count && slots[q]) ++q;
            if (q > count)
                for (q = p; slots[q];) --q;
            slots[q] = &c;
        }
        size_t next = 0;
        for (int64_t p = 1; p <= count; ++p)
            if (!slots[p]) slots[p] = &free[next++];

        // Everything is read: only now does the grid change.
        index->Clear();
        for (int32_t p = 1; p <= count; ++p) {
            const Column& c = *slots[p];
            index->Add(Variant(c.field->Key()), PositionKey(p));
            c.field->SetSequence(p);
            if (!c.fromFile) continue;
            c.field->SetColumnWidth(c.width);
            if (c.unit) c.field->SetDefaultUnit(*c.unit);
        }
        for (const auto& [at, unit] : unitFills) {
            layout_->Select(path);
            if (layout_->SelectIndex(at)) layout_->SetAttribute("UnitID", Variant(unit));
        }
    });
}

void CSelectedFields::Save(const std::string& sFile) {
    PassOn("CSelectedFields.IFieldChooser_Save(sFile)", ERR_ARGS(sFile), [&] {
        for (const Grid& g : kResultGrids) SaveLayoutSettings(g.assetType, g.gridType);
        Ref<CTools> tools = gTools();
        // Never write over a layout file with something that is not one.
        Check(IsLayoutDocument(layout_), ERR_INVALID_GRID_LAYOUT, "Invalid Results grids Layout file: %0",
              Variant(sFile));
        const std::string stored =
            tools->i18N()->ToStoredForm(layout_->XMLObject()->DocumentNode()->xml(), sFile);
        Ref<ISettings2> out = tools->NewSettingsObject();
        Check(out->LoadXML(stored) && IsLayoutDocument(out), ERR_INVALID_GRID_LAYOUT,
              "Invalid Results grids Layout file: %0", Variant(sFile));
        out->Save(sFile);
    });
}

void CSelectedFields::SaveLayoutSettings(const std::string& sAssetType, const std::string& sGridType) {
    EndHere(
        *this, "CSelectedFields.SaveLayoutSettings(sAssetType,sGridType)", ERR_ARGS(sAssetType, sGridType),
        [&] {
            if (notLoaded_.count(GridName(sAssetType, sGridType))) return;
            BuildFieldSeq(sAssetType, sGridType);
            Ref<cvCollection> active = ActiveList(sAssetType, sGridType);
            // The new list is complete before the old one goes.
            struct Row {
                std::string id, unit;
                int32_t seq, width;
            };
            std::vector<Row> rows;
            for (int32_t i = 1; i <= active->Count(); ++i) {
                Ref<IDisplayField> field = active->Item(Variant(i)).ToObject<IDisplayField>();
                rows.push_back({field->Key(), field->DefaultUnit(), field->Sequence(), field->ColumnWidth()});
            }
            const std::string path =
                "GridLayouts/AssetTypes/" + sAssetType + "/Grids/" + sGridType + "/Fields";
            Check(layout_->Select(path), ERR_MISSING_SETTINGS_ELEMENT,
                  "Invalid Results grids Layout file:||%0||Missing element:||%1",
                  Variant{Variant(layoutFile_), Variant(path)});
            layout_->RemoveChildren();
            for (const Row& row : rows) {
                layout_->CreateNode("Field", path, -1, -1, -1);
                layout_->SetAttribute("ID", Variant(row.id));
                layout_->SetAttribute("UnitID", Variant(row.unit));
                layout_->SetAttribute("Seq", Variant(Decimal(row.seq)));
                layout_->SetAttribute("ColumnWidth", Variant(Decimal(row.width)));
            }
        });
}
