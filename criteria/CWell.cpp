#include "criteria/CWell.h"

#include "core/CTools.h"
#include "core/Globals.h"
#include "interfaces/IListWell.h"
#include "platform/runtime/Text.h"

// Ended errors go to a message box and the error log; the shore-status
// members all end theirs.
const CriteriaSetProfile CWell::kProfile{"CWell",        "IWell",       ErrDisplay::B, Handling::Pass,
                                         Handling::Bare, Handling::End, Handling::End};

namespace {

constexpr Handling Pass = Handling::Pass;
constexpr Handling End = Handling::End;

constexpr const char* kRoot = CWell::kSetRoot;

// ---- the sections

const Section kWellLocations{kRoot, "WellLocations", "WellLocation", {"Code", "Description"}};
const Section kNameSearches{kRoot, "WellNameSearches", "WellNameSearch", {"Code"}};
const Section kFieldLocations{
    kRoot, "FieldLocations", "FieldLocation", {"Code", "Description"}, AcceptAtLeast("Code", 0)};
const Section kBlockLocations{
    kRoot, "BlockLocations", "BlockLocation", {"Code", "Description", "ID"}, AcceptAtLeast("Code", 0)};
const Section kAssetCodes{kRoot, "AssetCodes", "AssetCode", {"Code"}};
const Section kTypes{kRoot, "Types", "Type", {"Code", "Description"}};
const Section kStatuses{kRoot, "Statuses", "Status", {"Code", "Description"}};
const Section kResults{kRoot, "Results", "Result", {"Code", "Description"}};
const Section kRigNames{kRoot, "RigNames", "RigName", {"Code", "Description"}};
const Section kRigTypes{kRoot, "RigTypes", "RigType", {"Code", "Description"}};
const Section kAwardNumbers{
    kRoot, "LicenceAwardNumbers", "LicenceAwardNumber", {"Code"}, AcceptAnyNotBlank("Code")};
const Section kAwardYears{
    kRoot, "LicenceAwardYears", "LicenceAwardYear", {"Code"}, AcceptAnyNotBlank("Code")};
const Section kAwardDescriptors{
    kRoot, "LicenceAwardDescriptors", "LicenceAwardDescriptor", {"Code"}, AcceptAnyNotBlank("Code")};
const Section kDates = DatesOf(kRoot);
// Keyed by the depth kind: one measured and one true vertical depth range at most.  A
// maximum counts only with its unit, a minimum on its own.
const Section kWellDepths{kRoot,
                          "WellDepths",
                          "WellDepth",
                          {"WellDepthIndex", "WellDepthName", "MinValue", "MaxValue", "CategoryID", "UnitID"},
                          AcceptMinOrMaxWithUnit("MinValue", "MaxValue", "UnitID")};
const Section kWaterDepths{kRoot,
                           "WellWaterDepths",
                           "WellWaterDepth",
                           {"MinValue", "MaxValue", "CategoryID", "UnitID"},
                           AcceptMinOrMaxWithUnit("MinValue", "MaxValue", "UnitID")};
// Keyed by the tested flag: an entry for tested wells and one for the others, no more.
const Section kClassifications{
    kRoot, "WellClassifications", "WellClassification", {"Tested", "Re-entry", "Sidetrack"}};
const Section kGeologicalDetails{
    kRoot, "GeologicalDetails", "GeologicalDetail", {"Code", "Description", "QueryType", "Formation"}};
// Ages of the level "ALL" carry the key of their place in the age tree as well.
const Section kGeologicalDetailsWithKey{
    kRoot, "GeologicalDetails", "GeologicalDetail", {"Code", "Description", "QueryType", "Formation", "Key"}};
const Section kGeologicalSearches{kRoot, "GeologicalSearches", "GeologicalSearch", {"Code"}};
const Section kDiscoveryTypes{kRoot, "DiscoveryTypes", "DiscoveryType", {"Code"}};

constexpr const char* kAllAges = "ALL";

// ---- the reference list's look-ups

const ListEntry<IListWell> kWellList{&IDataLists::Well, &IListWell::WellLocationCode,
                                     &IListWell::WellLocationDescription};
const ListEntry<IListWell> kTypeList{&IDataLists::Well, &IListWell::WellTypeCode,
                                     &IListWell::WellTypeDescription};
const ListEntry<IListWell> kStatusList{&IDataLists::Well, &IListWell::WellStatusCode,
                                       &IListWell::WellStatusDescription};
const ListEntry<IListWell> kResultList{&IDataLists::Well, &IListWell::WellResultCode,
                                       &IListWell::WellResultDescription};
const ListEntry<IListWell> kRigList{&IDataLists::Well, &IListWell::RigNameCode,
                                    &IListWell::RigNameDescription};

// The depth column a well depth range applies to.
std::string DepthName(int32_t lWellDepthIndex) {
    switch (lWellDepthIndex) {
        case 0:
            return "MEASURED_DEPTH";
        case 1:
            return "TRUE_VERTICAL_DEPTH";
        default:
            return "";
    }
}

}  // namespace

CWell::CWell() : CAssetCriteriaSet(kProfile, kSetRoot) {}

std::string CWell::IWell_WellCodesByField(const std::string& sFieldCodes) {
    return WellCodesByField(sFieldCodes);
}

// ---- discovery type: one value

void CWell::SetDiscoveryType(const std::string& sType) {
    Run({"DiscoveryType(sType)", Pass}, ERR_ARGS(sType), [&] {
        Ref<CTools> tools = gTools();
        // Already so: nothing is written, so the query is not taken for changed.
        const int32_t n = tools->GetQueryParameterCount(settings_, kRoot, kDiscoveryTypes.section);
        bool already = n == 0 && sType.empty();
        if (n == 1 && !sType.empty()) {
            const std::string stored = tools->FixupSQLParameterData(sType);
            already = !tools
                           ->GetQueryParameterByAttribute(settings_, kRoot, kDiscoveryTypes.section,
                                                          kDiscoveryTypes.item, "Code", stored, "Code")
                           .empty();
        }
        if (already) return;
        tools->ClearQueryParameters(settings_, kRoot, kDiscoveryTypes.section);
        // Blanks are a value; only empty text leaves none.
        if (!sType.empty()) AddValues(kDiscoveryTypes, {sType});
    });
}

std::string CWell::DiscoveryType() {
    return Run({"DiscoveryType()", Pass}, {}, [&] {
        return gTools()->GetQueryParameter(settings_, kRoot, kDiscoveryTypes.section, kDiscoveryTypes.item,
                                           "Code");
    });
}

// ---- counts and by-index readers, in the interface's order

int32_t CWell::WellNameSearchCount() { return Count({"WellNameSearchCount()", Pass}, kNameSearches); }
std::string CWell::WellNameSearchString(int32_t Index) {
    return ByIndex({"WellNameSearchString(Index)", Pass}, ERR_ARGS(Index), kNameSearches, "Code", Index);
}
int32_t CWell::WellLocationsCount() { return Count({"WellLocationsCount()", Pass}, kWellLocations); }
int32_t CWell::BlockLocationsCount() { return Count({"BlockLocationsCount()", Pass}, kBlockLocations); }
int32_t CWell::FieldLocationCount() { return Count({"FieldLocationCount()", Pass}, kFieldLocations); }
int32_t CWell::DateRangeCount() { return Count({"DateRangeCount()", Pass}, kDates); }
std::string CWell::DateRangeMin(int32_t Index) {
    return ByIndex({"DateRangeMin(Index)", Pass}, ERR_ARGS(Index), kDates, "DateLow", Index);
}
std::string CWell::DateRangeMax(int32_t Index) {
    return ByIndex({"DateRangeMax(Index)", Pass}, ERR_ARGS(Index), kDates, "DateHigh", Index);
}
std::string CWell::DateRangeName(int32_t Index) {
    return ByIndex({"DateRangeName(Index)", Pass}, ERR_ARGS(Index), kDates, "FieldName", Index);
}
int32_t CWell::WellTypeCount() { return Count({"WellTypeCount()", End}, kTypes); }
int32_t CWell::WellStatusCount() { return Count({"WellStatusCount()", End}, kStatuses); }
int32_t CWell::WellResultCount() { return Count({"WellResultCount()", End}, kResults); }
int32_t CWell::RigNameCount() { return Count({"RigNameCount()", Pass}, kRigNames); }
int32_t CWell::RigTypeCount() { return Count({"RigTypeCount()", Pass}, kRigTypes); }
int32_t CWell::LicenseAwardNumberCount() { return Count({"LicenseAwardNumberCount()", End}, kAwardNumbers); }
int32_t CWell::LicenseAwardYearCount() { return Count({"LicenseAwardYearCount()", End}, kAwardYears); }
int32_t CWell::LicenseAwardDescriptorCount() {
    return Count({"LicenseAwardDescriptorCount()", End}, kAwardDescriptors);
}
int32_t CWell::WaterDepthCount() { return Count({"WaterDepthCount()", Pass}, kWaterDepths); }
std::string CWell::WaterDepthRangeMin(int32_t Index) {
    return ByIndex({"WaterDepthRangeMin(Index)", Pass}, ERR_ARGS(Index), kWaterDepths, "MinValue", Index);
}
std::string CWell::WaterDepthRangeMax(int32_t Index) {
    return ByIndex({"WaterDepthRangeMax(Index)", Pass}, ERR_ARGS(Index), kWaterDepths, "MaxValue", Index);
}
std::string CWell::WaterDepthRangeUnit(int32_t Index) {
    return ByIndex({"WaterDepthRangeUnit(Index)", Pass}, ERR_ARGS(Index), kWaterDepths, "UnitID", Index);
}
std::string CWell::WaterDepthRangeCategory(int32_t Index) {
    return ByIndex({"WaterDepthRangeCategory(Index)", Pass}, ERR_ARGS(Index), kWaterDepths, "CategoryID",
                   Index);
}
int32_t CWell::WellDepthCount() { return Count({"WellDepthCount()", Pass}, kWellDepths); }
std::string CWell::WellDepthRangeMin(int32_t Index) {
    return ByIndex({"WellDepthRangeMin(Index)", Pass}, ERR_ARGS(Index), kWellDepths, "MinValue", Index);
}
std::string CWell::WellDepthRangeMax(int32_t Index) {
    return ByIndex({"WellDepthRangeMax(Index)", Pass}, ERR_ARGS(Index), kWellDepths, "MaxValue", Index);
}
std::string CWell::WellDepthRangeUnit(int32_t Index) {
    return ByIndex({"WellDepthRangeUnit(Index)", Pass}, ERR_ARGS(Index), kWellDepths, "UnitID", Index);
}
std::string CWell::WellDepthRangeCategory(int32_t Index) {
    return ByIndex({"WellDepthRangeCategory(Index)", Pass}, ERR_ARGS(Index), kWellDepths, "CategoryID",
                   Index);
}
int32_t CWell::WellClassificationCount() {
    return Count({"WellClassificationCount()", Pass}, kClassifications);
}

// ---- classification: three flags, handed back as a condition

bool CWell::ClassificationFlag(const char* sAttribute, int32_t Index) {
    // A missing entry reads "", which is no flag.
    return FlagOf(
        std::string(kClassifications.item) + "@" + sAttribute,
        gTools()->GetQueryParameterByIndex(settings_, kRoot, kClassifications.section, sAttribute, Index));
}

std::string CWell::WellClassification(int32_t Index) {
    return Run({"WellClassification(Index)", Pass}, ERR_ARGS(Index), [&] {
        // All three are read first, so a bad flag fails whichever is set.
        const bool tested = ClassificationFlag("Tested", Index);
        const bool reentry = ClassificationFlag("Re-entry", Index);
        const bool sidetracked = ClassificationFlag("Sidetrack", Index);
        std::string condition;
        auto append = [&](bool set, const char* sColumn, const char* sWord) {
            if (!set) return;
            if (!condition.empty()) condition += " OR ";
            condition += sColumn;
            condition += " = \"";
            condition += sWord;
            condition += '"';
        };
        append(tested, "WELL_CLASS_TESTED", "Tested");
        append(reentry, "WELL_CLASS_RE_ENTRY", "Re-entry");
        append(sidetracked, "WELL_CLASS_SIDE_TRACK", "Sidetrack");
        return condition;
    });
}

int32_t CWell::GeologicalReferenceSearchCount() {
    return Count({"GeologicalReferenceSearchCount()", Pass}, kGeologicalSearches);
}
std::string CWell::GeologicalReferenceSearchString(int32_t Index) {
    return ByIndex({"GeologicalReferenceSearchString(Index)", Pass}, ERR_ARGS(Index), kGeologicalSearches,
                   "Code", Index);
}
int32_t CWell::GeologicalDetailsCount() {
    return Count({"GeologicalDetailsCount()", Pass}, kGeologicalDetails);
}
std::string CWell::GeologicalDetailsQueryType(int32_t Index) {
    return ByIndex({"GeologicalDetailsQueryType(Index)", Pass}, ERR_ARGS(Index), kGeologicalDetails,
                   "QueryType", Index);
}
std::string CWell::GeologicalDetailsFormationType(int32_t Index) {
    return ByIndex({"GeologicalDetailsFormationType(Index)", Pass}, ERR_ARGS(Index), kGeologicalDetails,
                   "Formation", Index);
}
std::string CWell::WellDepthRangeFieldname(int32_t Index) {
    return ByIndex({"WellDepthRangeFieldname(Index)", Pass}, ERR_ARGS(Index), kWellDepths, "WellDepthName",
                   Index);
}
std::string CWell::GeologicalDetailsDescription(int32_t Index) {
    return ByIndex({"GeologicalDetailsDescription(Index)", Pass}, ERR_ARGS(Index), kGeologicalDetails,
                   "Description", Index);
}
std::string CWell::GeologicalDetailsKey(int32_t Index) {
    return ByIndex({"GeologicalDetailsKey(Index)", Pass}, ERR_ARGS(Index), kGeologicalDetails, "Key", Index);
}
bool CWell::WellClassificationTested(int32_t Index) {
    return Run({"WellClassificationTested(Index)", Pass}, ERR_ARGS(Index),
               [&] { return ClassificationFlag("Tested", Index); });
}
bool CWell::WellClassificationReEntry(int32_t Index) {
    return Run({"WellClassificationReEntry(Index)", Pass}, ERR_ARGS(Index),
               [&] { return ClassificationFlag("Re-entry", Index); });
}
bool CWell::WellClassificationSideTracked(int32_t Index) {
    return Run({"WellClassificationSideTracked(Index)", Pass}, ERR_ARGS(Index),
               [&] { return ClassificationFlag("Sidetrack", Index); });
}
int32_t CWell::WellCount() { return Count({"WellCount()", Pass}, kWellLocations); }
int32_t CWell::AssetCodeCount() { return Count({"AssetCodeCount()", Pass}, kAssetCodes); }

// ---- well-name searches and selected wells

void CWell::AddWellNameSearchString(const std::string& sCode) {
    AddSearch({"AddWellNameSearchString(sCode)", End}, ERR_ARGS(sCode), kNameSearches, sCode);
}
void CWell::ClearWellNameSearchStrings() { Clear({"ClearWellNameSearchStrings()", End}, kNameSearches); }
std::string CWell::WellLocationsList() {
    return List({"WellLocationsList()", Pass}, kWellLocations, "Description", kQuoted);
}
void CWell::AddWellLocation(int32_t lCode) {
    AddFromList({"AddWellLocation(lCode)", End}, ERR_ARGS(lCode), kWellLocations, kWellList, lCode);
}
void CWell::RemoveWellLocation(int32_t lCode) {
    RemoveFromList({"RemoveWellLocation(lCode)", End}, ERR_ARGS(lCode), kWellLocations, kWellList, lCode,
                   kKeepUnnamed);
}
void CWell::ClearWellLocations() { Clear({"ClearWellLocations()", End}, kWellLocations); }

// ---- rig names, well types, statuses and results: list positions

std::string CWell::RigNameList() { return List({"RigNameList()", Pass}, kRigNames, "Code"); }
void CWell::AddRigName(int32_t lCode) {
    AddFromList({"AddRigName(lCode)", End}, ERR_ARGS(lCode), kRigNames, kRigList, lCode);
}
void CWell::RemoveRigName(int32_t lCode) {
    RemoveFromList({"RemoveRigName(lCode)", End}, ERR_ARGS(lCode), kRigNames, kRigList, lCode, kKeepUnnamed);
}
void CWell::ClearRigNames() { Clear({"ClearRigNames()", End}, kRigNames); }

std::string CWell::WellTypeList() { return List({"WellTypeList()", End}, kTypes, "Code", kQuoted); }
void CWell::AddWellType(int32_t lCode) {
    AddFromList({"AddWellType(lCode)", End}, ERR_ARGS(lCode), kTypes, kTypeList, lCode);
}
void CWell::RemoveWellType(int32_t lCode) {
    RemoveFromList({"RemoveWellType(lCode)", End}, ERR_ARGS(lCode), kTypes, kTypeList, lCode, kKeepUnnamed);
}
void CWell::ClearWellTypes() { Clear({"ClearWellTypes()", End}, kTypes); }

std::string CWell::WellStatusList() { return List({"WellStatusList()", End}, kStatuses, "Code", kQuoted); }
void CWell::AddWellStatus(int32_t lCode) {
    AddFromList({"AddWellStatus(lCode)", End}, ERR_ARGS(lCode), kStatuses, kStatusList, lCode);
}
void CWell::RemoveWellStatus(int32_t lCode) {
    RemoveFromList({"RemoveWellStatus(lCode)", End}, ERR_ARGS(lCode), kStatuses, kStatusList, lCode,
                   kKeepUnnamed);
}
void CWell::ClearWellStatuses() { Clear({"ClearWellStatuses()", End}, kStatuses); }

std::string CWell::WellResultList() { return List({"WellResultList()", End}, kResults, "Code", kQuoted); }
void CWell::AddWellResult(int32_t lCode) {
    AddFromList({"AddWellResult(lCode)", End}, ERR_ARGS(lCode), kResults, kResultList, lCode);
}
void CWell::RemoveWellResult(int32_t lCode) {
    RemoveFromList({"RemoveWellResult(lCode)", End}, ERR_ARGS(lCode), kResults, kResultList, lCode,
                   kKeepUnnamed);
}
void CWell::ClearWellResults() { Clear({"ClearWellResults()", End}, kResults); }

// ---- licence award numbers, years and descriptors

std::string CWell::LicenseAwardNumberList() {
    return List({"LicenseAwardNumberList()", End}, kAwardNumbers, "Code");
}
void CWell::AddLicenseAwardNumber(const std::string& sCode) {
    Add({"AddLicenseAwardNumber(sCode)", End}, ERR_ARGS(sCode), kAwardNumbers, {sCode});
}
void CWell::RemoveLicenseAwardNumber(const std::string& sCode) {
    Remove({"RemoveLicenseAwardNumber(sCode)", End}, ERR_ARGS(sCode), kAwardNumbers, sCode);
}
void CWell::ClearLicenseAwardNumbers() { Clear({"ClearLicenseAwardNumbers()", End}, kAwardNumbers); }

std::string CWell::LicenseAwardYearList() {
    return List({"LicenseAwardYearList()", End}, kAwardYears, "Code");
}
void CWell::AddLicenseAwardYear(const std::string& sCode) {
    Add({"AddLicenseAwardYear(sCode)", End}, ERR_ARGS(sCode), kAwardYears, {sCode});
}
void CWell::RemoveLicenseAwardYear(const std::string& sCode) {
    Remove({"RemoveLicenseAwardYear(sCode)", End}, ERR_ARGS(sCode), kAwardYears, sCode);
}
void CWell::ClearLicenseAwardYears() { Clear({"ClearLicenseAwardYears()", End}, kAwardYears); }

std::string CWell::LicenseAwardDescriptorList() {
    return List({"LicenseAwardDescriptorList()", End}, kAwardDescriptors, "Code", kQuoted);
}
void CWell::AddLicenseAwardDescriptor(const std::string& sCode) {
    Add({"AddLicenseAwardDescriptor(sCode)", End}, ERR_ARGS(sCode), kAwardDescriptors, {sCode});
}
void CWell::RemoveLicenseAwardDescriptor(const std::string& sCode) {
    Remove({"RemoveLicenseAwardDescriptor(sCode)", End}, ERR_ARGS(sCode), kAwardDescriptors, sCode);
}
void CWell::ClearLicenseAwardDescriptors() {
    Clear({"ClearLicenseAwardDescriptors()", End}, kAwardDescriptors);
}

// ---- block locations and geological reference searches

std::string CWell::BlockLocationsList() {
    return List({"BlockLocationsList()", Pass}, kBlockLocations, "Code");
}
void CWell::AddBlockLocation(int32_t lBlockCode, const std::string& sBlockDescription,
                             const std::string& sBlockID) {
    Add({"AddBlockLocation(lBlockCode,sBlockDescription,sBlockID)", End},
        ERR_ARGS(lBlockCode, sBlockDescription, sBlockID), kBlockLocations,
        {DecimalText(lBlockCode), sBlockDescription, sBlockID});
}
void CWell::RemoveBlockLocation(int32_t lBlockCode) {
    Remove({"RemoveBlockLocation(lBlockCode)", End}, ERR_ARGS(lBlockCode), kBlockLocations,
           DecimalText(lBlockCode));
}
void CWell::ClearBlockLocations() { Clear({"ClearBlockLocations()", End}, kBlockLocations); }
std::string CWell::BlockLocationsDescriptionList() {
    return List({"BlockLocationsDescriptionList()", End}, kBlockLocations, "Description", kQuoted);
}
void CWell::AddGeologicalReferenceSearchString(const std::string& sCode) {
    AddSearch({"AddGeologicalReferenceSearchString(sCode)", End}, ERR_ARGS(sCode), kGeologicalSearches,
              sCode);
}
void CWell::ClearGeologicalReferenceSearchStrings() {
    Clear({"ClearGeologicalReferenceSearchStrings()", End}, kGeologicalSearches);
}

// ---- date, well depth and water depth ranges

void CWell::AddDate(const std::string& sFieldName, const std::string& sDescription, int32_t lDateHigh,
                    int32_t lDateLow, const std::string& sDateStringHigh, const std::string& sDateStringLow) {
    CCriteriaSet::AddDate(
        {"AddDate(sFieldName,sDescription,lDateHigh,lDateLow,sDateStringHigh,sDateStringLow)", Pass},
        ERR_ARGS(sFieldName, sDescription, lDateHigh, lDateLow, sDateStringHigh, sDateStringLow), kRoot,
        sFieldName, sDescription, lDateHigh, lDateLow, sDateStringHigh, sDateStringLow);
}
void CWell::RemoveDate(const std::string& sFieldName) {
    Remove({"RemoveDate(sFieldName)", Pass}, ERR_ARGS(sFieldName), kDates, sFieldName);
}
void CWell::ClearDates() { Clear({"ClearDates()", Pass}, kDates); }

void CWell::AddWellDepthRange(int32_t lWellDepthIndex, const std::string& sMin, const std::string& sMax,
                              const std::string& sCategory, const std::string& sUnit) {
    Add({"AddWellDepthRange(lWellDepthIndex,sMin,sMax,sCategory,sUnit)", Pass},
        ERR_ARGS(lWellDepthIndex, sMin, sMax, sCategory, sUnit), kWellDepths,
        {DecimalText(lWellDepthIndex), DepthName(lWellDepthIndex), sMin, sMax, sCategory, sUnit});
}
void CWell::ClearWellDepthRanges() { Clear({"ClearWellDepthRanges()", Pass}, kWellDepths); }

void CWell::AddWellWaterDepth(const std::string& sMin, const std::string& sMax, const std::string& sCategory,
                              const std::string& sUnit) {
    Add({"AddWellWaterDepth(sMin,sMax,sCategory,sUnit)", Pass}, ERR_ARGS(sMin, sMax, sCategory, sUnit),
        kWaterDepths, {sMin, sMax, sCategory, sUnit});
}
void CWell::ClearWellWaterDepthRanges() { Clear({"ClearWellWaterDepthRanges()", Pass}, kWaterDepths); }

// ---- rig types: given by the host

std::string CWell::RigTypeList() { return List({"RigTypeList()", End}, kRigTypes, "Code", kQuoted); }
void CWell::AddRigType(const std::string& sRigTypeCode, const std::string& sRigTypeDescription) {
    Add({"AddRigType(sRigTypeCode,sRigTypeDescription)", End}, ERR_ARGS(sRigTypeCode, sRigTypeDescription),
        kRigTypes, {sRigTypeCode, sRigTypeDescription});
}
void CWell::RemoveRigType(const std::string& sRigTypeCode) {
    Remove({"RemoveRigType(sRigTypeCode)", End}, ERR_ARGS(sRigTypeCode), kRigTypes, sRigTypeCode);
}
void CWell::ClearRigTypes() { Clear({"ClearRigTypes()", End}, kRigTypes); }

// ---- field locations

std::string CWell::FieldLocationsList() {
    return List({"FieldLocationsList()", Pass}, kFieldLocations, "Code");
}
void CWell::AddFieldLocation(int32_t lFieldCode, const std::string& sFieldDescription) {
    Add({"AddFieldLocation(lFieldCode,sFieldDescription)", Pass}, ERR_ARGS(lFieldCode, sFieldDescription),
        kFieldLocations, {DecimalText(lFieldCode), sFieldDescription});
}
void CWell::RemoveFieldLocation(int32_t lFieldCode) {
    Remove({"RemoveFieldLocation(lFieldCode)", Pass}, ERR_ARGS(lFieldCode), kFieldLocations,
           DecimalText(lFieldCode));
}
void CWell::ClearFieldLocations() { Clear({"ClearFieldLocations()", Pass}, kFieldLocations); }

// ---- classification and geological ages

void CWell::AddWellClassification(bool bTestedWell, bool bReentry, bool bSidetracked) {
    Add({"AddWellClassification(bTestedWell,bReentry,bSidetracked)", Pass},
        ERR_ARGS(bTestedWell, bReentry, bSidetracked), kClassifications,
        {FlagText(bTestedWell), FlagText(bReentry), FlagText(bSidetracked)});
}
void CWell::ClearWellClassifications() { Clear({"ClearWellClassifications()", Pass}, kClassifications); }
void CWell::ClearGeologicalDetails() { Clear({"ClearGeologicalDetails()", End}, kGeologicalDetails); }

void CWell::AddGeologicalDetails(const std::string& sQueryMode, const std::string& sFormationType,
                                 const Ref<cvCollection>& oCodes) {
    Run({"AddGeologicalDetails(sQueryMode,sFormationType,oCodes)", End},
        ERR_ARGS(sQueryMode, sFormationType, oCodes), [&] {
            const bool withKey = sQueryMode == kAllAges;
            const Section& section = withKey ? kGeologicalDetailsWithKey : kGeologicalDetails;
            // Each entry on its own: those before a faulty one stay written.
            const int32_t n = oCodes->Count();
            for (int32_t i = 1; i <= n; ++i) {
                std::vector<std::string> pieces = Split(oCodes->Item(Variant(i)).ToString(), "|");
                if (pieces.size() < (withKey ? 3u : 2u)) Raise(9);
                std::vector<std::string> values{pieces[0], pieces[1], sQueryMode, sFormationType};
                if (withKey) values.push_back(pieces[2]);
                AddValues(section, std::move(values));
            }
        });
}

std::string CWell::GeologicalDetailsList(bool bUseQuotes) {
    // Its own argument goes into the report, which the list family's members have none of.
    return Run({"GeologicalDetailsList(bUseQuotes)", Pass}, ERR_ARGS(bUseQuotes), [&] {
        return gTools()->GetQueryParameterAttributeList(settings_, kRoot, kGeologicalDetails.section, "Code",
                                                        bUseQuotes);
    });
}

std::string CWell::WellCodesByField(const std::string& sFieldCodes) {
    return CodesByTemplate({"WellCodesByField(sFieldCodes)", Pass}, ERR_ARGS(sFieldCodes),
                           "SQL_WELL_CODE_BY_FIELD", "<fieldcodes>", sFieldCodes, "WELL_CODE");
}

// ---- description lists, selected wells and asset codes

std::string CWell::WellTypeDescriptionList() {
    return List({"WellTypeDescriptionList()", End}, kTypes, "Description", kQuoted);
}
std::string CWell::WellStatusDescriptionList() {
    return List({"WellStatusDescriptionList()", End}, kStatuses, "Description", kQuoted);
}
std::string CWell::WellResultDescriptionList() {
    return List({"WellResultDescriptionList()", End}, kResults, "Description", kQuoted);
}
std::string CWell::RigNameDescriptionList() {
    return List({"RigNameDescriptionList()", Pass}, kRigNames, "Description", kQuoted);
}
std::string CWell::WellCodesList() { return List({"WellCodesList()", Pass}, kWellLocations, "Code"); }
void CWell::AddAssetCode(const std::string& sCode) {
    Add({"AddAssetCode(sCode)", Pass}, ERR_ARGS(sCode), kAssetCodes, {sCode});
}
std::string CWell::AssetCodeList() { return List({"AssetCodeList()", Pass}, kAssetCodes, "Code"); }
std::string CWell::BlockLocationIDList() {
    return List({"BlockLocationIDList()", Pass}, kBlockLocations, "ID");
}
