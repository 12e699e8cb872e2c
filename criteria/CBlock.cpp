#include "criteria/CBlock.h"

#include "core/CTools.h"
#include "core/Globals.h"
#include "interfaces/IListBlock.h"
#include "platform/runtime/Text.h"
#include "platform/toolslib/cvStrings.h"

// Only the shore statuses and the construction show their errors; the
// binding and Modified record themselves and pass theirs on, as does the
// shore-status count.
const CriteriaSetProfile CBlock::kProfile{"CBlock",       "IBlock",      ErrDisplay::A, Handling::End,
                                          Handling::Pass, Handling::End, Handling::Pass};

namespace {

constexpr Handling Bare = Handling::Bare;
constexpr Handling Pass = Handling::Pass;

constexpr const char* kRoot = CBlock::kSetRoot;

// ---- the sections

const Section kBlockLocations{
    kRoot, "BlockLocations", "BlockLocation", {"Code", "Description", "ID"}, AcceptAtLeast("Code", 0)};
const Section kLicenceReferences{
    kRoot, "LicenceReferences", "LicenceReference", {"Code"}, AcceptAnyNotBlank("Code")};
const Section kDates = DatesOf(kRoot);
const Section kAwardNumbers{
    kRoot, "LicenceAwardNumbers", "LicenceAwardNumber", {"Code"}, AcceptAnyNotBlank("Code")};
const Section kAwardYears{kRoot, "LicenceAwardYears", "LicenceAwardYear", {"Code"}, AcceptAtLeast("Code", 1)};
const Section kAwardDescriptors{
    kRoot, "LicenceAwardDescriptors", "LicenceAwardDescriptor", {"Code"}, AcceptAnyNotBlank("Code")};
const Section kLicenceTypes{
    kRoot, "LicenceTypes", "LicenceType", {"ID", "LicenceTypeCode", "LicenceSubTypeCode"}};
const Section kLicenceStatuses{kRoot, "LicenceStatuses", "LicenceStatus", {"Code", "Description"}};
const Section kLicenceAreaStatuses{
    kRoot, "LicenceAreaStatuses", "LicenceAreaStatus", {"Code", "Description"}};
const Section kBlockReferences{kRoot, "BlockReferences", "BlockReference", {"Code"}};
const Section kBlockAreas{kRoot,
                          "BlockAreaRanges",
                          "BlockAreaRange",
                          {"MinValue", "MaxValue", "CategoryID", "UnitID"},
                          AcceptAnyNotBlank("MinValue", "MaxValue")};
const Section kSignatureBonuses{kRoot,
                                "SignatureBonusRanges",
                                "SignatureBonusRange",
                                {"MinValue", "MaxValue"},
                                AcceptAnyNotBlank("MinValue", "MaxValue")};
const Section kFallowYears{kRoot,
                           "FallowYearRanges",
                           "FallowYearRange",
                           {"MinValue", "MaxValue"},
                           AcceptAnyNotBlank("MinValue", "MaxValue")};
const Section kWaterDepths{kRoot,
                           "WaterDepthRanges",
                           "WaterDepthRange",
                           {"MinValue", "MaxValue", "CategoryID", "UnitID"},
                           AcceptAnyNotBlank("MinValue", "MaxValue")};
const Section kAssetCodes{kRoot, "AssetCodes", "AssetCode", {"Code"}};

// ---- the block list's look-ups

const ListEntry<IListBlock> kLicenceStatusList{&IDataLists::Block, &IListBlock::LicenceStatusCode,
                                               &IListBlock::LicenceStatusDescription};
const ListEntry<IListBlock> kLicenceAreaStatusList{&IDataLists::Block, &IListBlock::LicenceAreaStatusCode,
                                                   &IListBlock::LicenceAreaStatusDescription};

// The units component tells its unit ids apart by this bound: ids from it on
// are stored as "U_<id>", those below as "CV_<id>".
constexpr int32_t kFirstUnitId = 10000;

}  // namespace

CBlock::CBlock() : CAssetCriteriaSet(kProfile, kSetRoot) {}

// ---- counts

int32_t CBlock::BlockLocationsCount() { return Count({"BlockLocationsCount()", Pass}, kBlockLocations); }
int32_t CBlock::LicenceReferenceCount() {
    return Count({"LicenceReferenceCount()", Pass}, kLicenceReferences);
}
int32_t CBlock::DateRangeCount() { return Count({"DateRangeCount()", Pass}, kDates); }
int32_t CBlock::AwardNumberCount() { return Count({"AwardNumberCount()", Pass}, kAwardNumbers); }
int32_t CBlock::AwardYearCount() { return Count({"AwardYearCount()", Pass}, kAwardYears); }
int32_t CBlock::AwardDescriptorCount() { return Count({"AwardDescriptorCount()", Pass}, kAwardDescriptors); }
int32_t CBlock::LicenceTypeCount() { return Count({"LicenceTypeCount()", Bare}, kLicenceTypes); }
int32_t CBlock::LicenceStatusCount() { return Count({"LicenceStatusCount()", Pass}, kLicenceStatuses); }
int32_t CBlock::LicenceAreaStatusCount() {
    return Count({"LicenceAreaStatusCount()", Pass}, kLicenceAreaStatuses);
}
int32_t CBlock::BlockReferenceCount() { return Count({"BlockReferenceCount()", Pass}, kBlockReferences); }
int32_t CBlock::BlockAreaCount() { return Count({"BlockAreaCount()", Pass}, kBlockAreas); }
int32_t CBlock::SignatureBonusCount() { return Count({"SignatureBonusCount()", Pass}, kSignatureBonuses); }
int32_t CBlock::FallowYearCount() { return Count({"FallowYearCount()", Pass}, kFallowYears); }
int32_t CBlock::WaterDepthCount() { return Count({"WaterDepthCount()", Pass}, kWaterDepths); }
int32_t CBlock::AssetCodeCount() { return Count({"AssetCodeCount()", Bare}, kAssetCodes); }

// ---- values by position

std::string CBlock::DateRangeMin(int32_t Index) {
    return ByIndex({"DateRangeMin(Index)", Pass}, ERR_ARGS(Index), kDates, "DateLow", Index);
}
std::string CBlock::DateRangeMax(int32_t Index) {
    return ByIndex({"DateRangeMax(Index)", Pass}, ERR_ARGS(Index), kDates, "DateHigh", Index);
}
std::string CBlock::DateRangeName(int32_t Index) {
    return ByIndex({"DateRangeName(Index)", Pass}, ERR_ARGS(Index), kDates, "FieldName", Index);
}
std::string CBlock::BlockAreaRangeMin(int32_t Index) {
    return ByIndex({"BlockAreaRangeMin(Index)", Pass}, ERR_ARGS(Index), kBlockAreas, "MinValue", Index);
}
std::string CBlock::BlockAreaRangeMax(int32_t Index) {
    return ByIndex({"BlockAreaRangeMax(Index)", Pass}, ERR_ARGS(Index), kBlockAreas, "MaxValue", Index);
}
std::string CBlock::SignatureBonusRangeMin(int32_t Index) {
    return ByIndex({"SignatureBonusRangeMin(Index)", Pass}, ERR_ARGS(Index), kSignatureBonuses, "MinValue",
                   Index);
}
std::string CBlock::SignatureBonusRangeMax(int32_t Index) {
    return ByIndex({"SignatureBonusRangeMax(Index)", Pass}, ERR_ARGS(Index), kSignatureBonuses, "MaxValue",
                   Index);
}
std::string CBlock::FallowYearRangeMin(int32_t Index) {
    return ByIndex({"FallowYearRangeMin(Index)", Pass}, ERR_ARGS(Index), kFallowYears, "MinValue", Index);
}
std::string CBlock::FallowYearRangeMax(int32_t Index) {
    return ByIndex({"FallowYearRangeMax(Index)", Pass}, ERR_ARGS(Index), kFallowYears, "MaxValue", Index);
}
std::string CBlock::WaterDepthRangeMin(int32_t Index) {
    return ByIndex({"WaterDepthRangeMin(Index)", Pass}, ERR_ARGS(Index), kWaterDepths, "MinValue", Index);
}
std::string CBlock::WaterDepthRangeMax(int32_t Index) {
    return ByIndex({"WaterDepthRangeMax(Index)", Pass}, ERR_ARGS(Index), kWaterDepths, "MaxValue", Index);
}
std::string CBlock::WaterDepthRangeUnit(int32_t Index) {
    return ByIndex({"WaterDepthRangeUnit(Index)", Pass}, ERR_ARGS(Index), kWaterDepths, "UnitID", Index);
}
std::string CBlock::WaterDepthRangeCategory(int32_t Index) {
    return ByIndex({"WaterDepthRangeCategory(Index)", Pass}, ERR_ARGS(Index), kWaterDepths, "CategoryID",
                   Index);
}
std::string CBlock::BlockAreaRangeUnit(int32_t Index) {
    return ByIndex({"BlockAreaRangeUnit(Index)", Pass}, ERR_ARGS(Index), kBlockAreas, "UnitID", Index);
}
std::string CBlock::BlockAreaRangeCategory(int32_t Index) {
    return ByIndex({"BlockAreaRangeCategory(Index)", Pass}, ERR_ARGS(Index), kBlockAreas, "CategoryID",
                   Index);
}
std::string CBlock::BlockReferenceString(int32_t Index) {
    return ByIndex({"BlockReferenceString(Index)", Pass}, ERR_ARGS(Index), kBlockReferences, "Code", Index);
}

// ---- block locations

std::string CBlock::BlockLocationsList() {
    return List({"BlockLocationsList()", Pass}, kBlockLocations, "Code", kBare);
}
void CBlock::AddBlockLocation(int32_t lBlockCode, const std::string& sBlockDescription,
                              const std::string& sBlockID) {
    Add({"AddBlockLocation(lBlockCode,sBlockDescription,sBlockID)", Pass},
        ERR_ARGS(lBlockCode, sBlockDescription, sBlockID), kBlockLocations,
        {DecimalText(lBlockCode), sBlockDescription, sBlockID});
}
void CBlock::RemoveBlockLocation(int32_t lBlockCode) {
    Remove({"RemoveBlockLocation(lBlockCode)", Pass}, ERR_ARGS(lBlockCode), kBlockLocations,
           DecimalText(lBlockCode));
}
void CBlock::ClearBlockLocations() { Clear({"ClearBlockLocations()", Pass}, kBlockLocations); }
std::string CBlock::BlockLocationIDList() {
    return List({"BlockLocationIDList()", Pass}, kBlockLocations, "ID", kBare);
}

// ---- licence references

std::string CBlock::LicenceReferenceList() {
    return List({"LicenceReferenceList()", Pass}, kLicenceReferences, "Code", kQuoted);
}
void CBlock::AddLicenceReference(const std::string& sCode) {
    Add({"AddLicenceReference(sCode)", Pass}, ERR_ARGS(sCode), kLicenceReferences, {sCode});
}
void CBlock::RemoveLicenceReference(const std::string& sLicenceRef) {
    Remove({"RemoveLicenceReference(sLicenceRef)", Pass}, ERR_ARGS(sLicenceRef), kLicenceReferences,
           sLicenceRef);
}
void CBlock::ClearLicenceReferences() { Clear({"ClearLicenceReferences()", Pass}, kLicenceReferences); }

// ---- date ranges

void CBlock::AddDate(const std::string& sFieldName, const std::string& sDescription, int32_t lDateHigh,
                     int32_t lDateLow, const std::string& sDateStringHigh,
                     const std::string& sDateStringLow) {
    CCriteriaSet::AddDate(
        {"AddDate(sFieldName,sDescription,lDateHigh,lDateLow,sDateStringHigh,sDateStringLow)", Pass},
        ERR_ARGS(sFieldName, sDescription, lDateHigh, lDateLow, sDateStringHigh, sDateStringLow), kRoot,
        sFieldName, sDescription, lDateHigh, lDateLow, sDateStringHigh, sDateStringLow);
}
void CBlock::RemoveDate(const std::string& sFieldName) {
    Remove({"RemoveDate(sFieldName)", Pass}, ERR_ARGS(sFieldName), kDates, sFieldName);
}
void CBlock::ClearDates() { Clear({"ClearDates()", Pass}, kDates); }

// ---- award rounds

std::string CBlock::AwardNumberList() {
    return List({"AwardNumberList()", Pass}, kAwardNumbers, "Code", kBare);
}
void CBlock::AddAwardNumber(const std::string& sCode) {
    Add({"AddAwardNumber(sCode)", Pass}, ERR_ARGS(sCode), kAwardNumbers, {sCode});
}
void CBlock::RemoveAwardNumber(const std::string& sNumber) {
    Remove({"RemoveAwardNumber(sNumber)", Pass}, ERR_ARGS(sNumber), kAwardNumbers, sNumber);
}
void CBlock::ClearAwardNumbers() { Clear({"ClearAwardNumbers()", Pass}, kAwardNumbers); }

std::string CBlock::AwardYearList() { return List({"AwardYearList()", Pass}, kAwardYears, "Code", kBare); }
void CBlock::AddAwardYear(int32_t lYear) {
    Add({"AddAwardYear(lYear)", Pass}, ERR_ARGS(lYear), kAwardYears, {DecimalText(lYear)});
}
void CBlock::RemoveAwardYear(int32_t lYear) {
    Remove({"RemoveAwardYear(lYear)", Pass}, ERR_ARGS(lYear), kAwardYears, DecimalText(lYear));
}
void CBlock::ClearAwardYears() { Clear({"ClearAwardYears()", Pass}, kAwardYears); }

std::string CBlock::AwardDescriptorList() {
    return List({"AwardDescriptorList()", Pass}, kAwardDescriptors, "Code", kQuoted);
}
void CBlock::AddAwardDescriptor(const std::string& sCode) {
    Add({"AddAwardDescriptor(sCode)", Pass}, ERR_ARGS(sCode), kAwardDescriptors, {sCode});
}
void CBlock::RemoveAwardDescriptor(const std::string& sDescriptor) {
    Remove({"RemoveAwardDescriptor(sDescriptor)", Pass}, ERR_ARGS(sDescriptor), kAwardDescriptors,
           sDescriptor);
}
void CBlock::ClearAwardDescriptors() { Clear({"ClearAwardDescriptors()", Pass}, kAwardDescriptors); }

// ---- licence statuses and licence-area statuses

std::string CBlock::LicenceStatusList() {
    return List({"LicenceStatusList()", Pass}, kLicenceStatuses, "Code", kQuoted);
}
void CBlock::AddLicenceStatus(int32_t lCode) {
    AddFromList({"AddLicenceStatus(lCode)", Pass}, ERR_ARGS(lCode), kLicenceStatuses, kLicenceStatusList,
                lCode);
}
void CBlock::RemoveLicenceStatus(int32_t lCode) {
    // An empty code removes the item stored with an empty code: the one a
    // look-up of an unfilled list added.
    RemoveFromList({"RemoveLicenceStatus(lCode)", Pass}, ERR_ARGS(lCode), kLicenceStatuses,
                   kLicenceStatusList, lCode);
}
void CBlock::ClearLicenceStatuses() { Clear({"ClearLicenceStatuses()", Pass}, kLicenceStatuses); }
std::string CBlock::LicenceStatusDescriptionList() {
    return List({"LicenceStatusDescriptionList()", Pass}, kLicenceStatuses, "Description", kQuoted);
}

void CBlock::AddLicenceAreaStatus(int32_t lCode) {
    AddFromList({"AddLicenceAreaStatus(lCode)", Pass}, ERR_ARGS(lCode), kLicenceAreaStatuses,
                kLicenceAreaStatusList, lCode);
}
void CBlock::RemoveLicenceAreaStatus(int32_t lCode) {
    // Unlike a licence status, a licence-area status the list cannot name stays.
    RemoveFromList({"RemoveLicenceAreaStatus(lCode)", Pass}, ERR_ARGS(lCode), kLicenceAreaStatuses,
                   kLicenceAreaStatusList, lCode, kKeepUnnamed);
}
void CBlock::ClearLicenceAreaStatuses() { Clear({"ClearLicenceAreaStatuses()", Pass}, kLicenceAreaStatuses); }
std::string CBlock::LicenceAreaStatusList() {
    return List({"LicenceAreaStatusList()", Pass}, kLicenceAreaStatuses, "Code", kQuoted);
}
std::string CBlock::LicenceAreaStatusDescriptionList() {
    return List({"LicenceAreaStatusDescriptionList()", Pass}, kLicenceAreaStatuses, "Description", kQuoted);
}

// ---- block reference patterns

std::string CBlock::BlockReferenceList() {
    return List({"BlockReferenceList()", Pass}, kBlockReferences, "Code", kBare);
}
void CBlock::AddBlockReferenceString(const std::string& sCode) {
    AddSearch({"AddBlockReferenceString(sCode)", Pass}, ERR_ARGS(sCode), kBlockReferences, sCode);
}
void CBlock::ClearBlockReferenceStrings() { Clear({"ClearBlockReferenceStrings()", Pass}, kBlockReferences); }

// ---- ranges

void CBlock::AddBlockAreaRange(const std::string& dMin, const std::string& dMax, const std::string& sCategory,
                               const std::string& sUnit) {
    Add({"AddBlockAreaRange(dMin,dMax,sCategory,sUnit)", Pass}, ERR_ARGS(dMin, dMax, sCategory, sUnit),
        kBlockAreas, {dMin, dMax, sCategory, sUnit});
}
void CBlock::ClearBlockAreaRanges() { Clear({"ClearBlockAreaRanges()", Pass}, kBlockAreas); }

void CBlock::AddSignatureBonusRange(const std::string& sMin, const std::string& sMax) {
    Add({"AddSignatureBonusRange(sMin,sMax)", Pass}, ERR_ARGS(sMin, sMax), kSignatureBonuses, {sMin, sMax});
}
void CBlock::ClearSignatureBonusRanges() { Clear({"ClearSignatureBonusRanges()", Pass}, kSignatureBonuses); }

void CBlock::AddFallowYearRange(const std::string& sMin, const std::string& sMax) {
    Add({"AddFallowYearRange(sMin,sMax)", Pass}, ERR_ARGS(sMin, sMax), kFallowYears, {sMin, sMax});
}
void CBlock::ClearFallowYearRanges() { Clear({"ClearFallowYearRanges()", Pass}, kFallowYears); }

std::string CBlock::WaterDepthUnit(const std::string& sUnit) {
    if (!IsNumericText(sUnit)) return sUnit;
    // The rounded number only decides the prefix; the text goes in as given.
    return (Variant(sUnit).ToLong() >= kFirstUnitId ? "U_" : "CV_") + sUnit;
}

void CBlock::AddWaterDepthRange(const std::string& dMin, const std::string& dMax,
                                const std::string& sCategory, const std::string& sUnit) {
    Run({"AddWaterDepthRange(dMin,dMax,sCategory,sUnit)", Pass}, ERR_ARGS(dMin, dMax, sCategory, sUnit), [&] {
        // The unit is read before the bounds are looked at: a unit that is no
        // long integer fails even a range that would be refused.
        std::string unit = WaterDepthUnit(sUnit);
        AddValues(kWaterDepths, {dMin, dMax, sCategory, std::move(unit)});
    });
}
void CBlock::ClearWaterDepthRanges() { Clear({"ClearWaterDepthRanges()", Pass}, kWaterDepths); }

// ---- asset codes

void CBlock::AddAssetCode(const std::string& sCode) {
    Add({"AddAssetCode(sCode)", Bare}, ERR_ARGS(sCode), kAssetCodes, {sCode});
}
std::string CBlock::AssetCodeList() { return List({"AssetCodeList()", Bare}, kAssetCodes, "Code", kBare); }

// ---- licence types

std::vector<std::string> CBlock::LicenceTypeValues(const std::string& sCode) {
    // "type_subtype" from the licence type tree, or a type alone; a third
    // part is kept in the code but belongs to neither.
    if (sCode.find('_') == std::string::npos) return {sCode, sCode, ""};
    Ref<cvStrings> str = gTools()->Str();
    return {sCode, str->Token(sCode, "_", 0, 1), str->Token(sCode, "_", 1, 1)};
}

std::string CBlock::LicenceTypeList() {
    return Run({"LicenceTypeList()", Pass}, {}, [&] {
        std::string list;
        const int32_t count = gTools()->GetQueryParameterCount(settings_, kRoot, kLicenceTypes.section);
        for (int32_t i = 0; i < count; ++i) {
            list += gTools()->GetQueryParameterByIndex(settings_, kRoot, kLicenceTypes.section,
                                                       "LicenceTypeCode", i);
            std::string subType = gTools()->GetQueryParameterByIndex(settings_, kRoot, kLicenceTypes.section,
                                                                     "LicenceSubTypeCode", i);
            if (!subType.empty()) list += "_" + subType;
            list += ",";
        }
        return gTools()->Str()->TrimList(list, ",", 1);
    });
}

void CBlock::AddLicenceType(const std::string& sCode) {
    Run({"AddLicenceType(sCode)", Pass}, ERR_ARGS(sCode),
        [&] { AddValues(kLicenceTypes, LicenceTypeValues(sCode)); });
}

void CBlock::RemoveLicenceType(const std::string& sCode) {
    Run({"RemoveLicenceType(sCode)", Pass}, ERR_ARGS(sCode), [&] {
        // All three must match, so a type alone never takes its sub-types with it.
        VariantArray names{Variant(kLicenceTypes.attributes.names[0]),
                           Variant(kLicenceTypes.attributes.names[1]),
                           Variant(kLicenceTypes.attributes.names[2])};
        VariantArray values;
        for (std::string& value : LicenceTypeValues(sCode)) values.emplace_back(std::move(value));
        gTools()->RemoveQueryParameter(settings_, kLicenceTypes.item, Variant(std::move(names)),
                                       Variant(std::move(values)));
    });
}

void CBlock::ClearLicenceTypes() { Clear({"ClearLicenceTypes()", Pass}, kLicenceTypes); }
