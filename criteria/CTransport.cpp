#include "criteria/CTransport.h"

#include "core/CTools.h"
#include "core/Globals.h"
#include "interfaces/IListTransport.h"

// Ended errors go to a message box and the error log; the shore-status
// members all end theirs.
const CriteriaSetProfile CTransport::kProfile{"CTransport",   "ITransport",  ErrDisplay::B, Handling::Pass,
                                              Handling::Bare, Handling::End, Handling::End};

namespace {

constexpr Handling Pass = Handling::Pass;
constexpr Handling End = Handling::End;

constexpr const char* kRoot = CTransport::kSetRoot;

// ---- the sections

const Section kAssetCodes{kRoot, "AssetCodes", "AssetCode", {"Code"}};
const Section kDates = DatesOf(kRoot);
const Section kMnemonics{kRoot, "QZMnemonics", "QZMnemonic", {"ID"}};
const Section kFieldLocations{kRoot,
                              "FieldLocations",
                              "FieldLocation",
                              {"Code", "Description", "DevStatusCode"},
                              AcceptAtLeast("Code", 0)};
// Keyed by the oil flag: an entry with oil and one without can stand side by side, no more.
const Section kProductTypes{
    kRoot, "PrimaryProductTypes", "PrimaryProductType", {"OIL", "LPG", "COND", "GAS"}};
const Section kDestinations{
    kRoot, "TransportDestinations", "TransportDestination", {"Code", "DestinationType", "Description"}};
const Section kMethods{kRoot, "TransportMethods", "TransportMethod", {"Code", "Description"}};
const Section kNameSearches{kRoot, "TransportNameSearches", "TransportNameSearch", {"Code"}};
const Section kSources{kRoot, "TransportSources", "TransportSource", {"Code", "SourceType", "Description"}};
// Stored whatever the bounds hold: the host offers only the columns it knows.
const Section kSpecifications{kRoot,
                              "TransportSpecifications",
                              "TransportSpecification",
                              {"FieldName", "Caption", "Key", "DefaultUnit", "UnitCategory",
                               "BoundaryMinimum", "BoundaryMaximum", "UnitCaption"}};
const Section kStatuses{kRoot, "TransportStatuses", "TransportStatus", {"Code", "Description"}};
const Section kSystems{
    kRoot, "TransportSystems", "TransportSystem", {"Code", "Description"}, AcceptAtLeast("Code", 0)};

// ---- the reference list's look-ups

const ListEntry<IListTransport> kMethodList{&IDataLists::Transport, &IListTransport::TransportMethodCode,
                                            &IListTransport::TransportMethodDescription};
const ListEntry<IListTransport> kStatusList{&IDataLists::Transport, &IListTransport::TransportStatusCode,
                                            &IListTransport::TransportStatusDescription};

}  // namespace

CTransport::CTransport() : CAssetCriteriaSet(kProfile, kSetRoot) {}

// ---- counts

int32_t CTransport::FieldLocationsCount() { return Count({"FieldLocationsCount()", Pass}, kFieldLocations); }

int32_t CTransport::TransportNameCount() { return Count({"TransportNameCount()", Pass}, kNameSearches); }

int32_t CTransport::TransportMethodCount() { return Count({"TransportMethodCount()", Pass}, kMethods); }

int32_t CTransport::PrimaryProductTypeCount() {
    return Count({"PrimaryProductTypeCount()", Pass}, kProductTypes);
}

int32_t CTransport::DateRangeCount() { return Count({"DateRangeCount()", Pass}, kDates); }

int32_t CTransport::TransportStatusCount() { return Count({"TransportStatusCount()", Pass}, kStatuses); }

int32_t CTransport::TransportSystemsCount() { return Count({"TransportSystemsCount()", Pass}, kSystems); }

int32_t CTransport::TransportSourceCount() { return Count({"TransportSourceCount()", Pass}, kSources); }

int32_t CTransport::TransportDestinationCount() {
    return Count({"TransportDestinationCount()", Pass}, kDestinations);
}

int32_t CTransport::TransportSpecificationCount() {
    return Count({"TransportSpecificationCount()", Pass}, kSpecifications);
}

int32_t CTransport::AssetCodeCount() { return Count({"AssetCodeCount()", Pass}, kAssetCodes); }

int32_t CTransport::TransportCount() { return Count({"TransportCount()", Pass}, kSystems); }

int32_t CTransport::QZMnemonicCount() { return Count({"QZMnemonicCount()", End}, kMnemonics); }

// ---- by index

std::string CTransport::TransportNameSearchString(int32_t Index) {
    return ByIndex({"TransportNameSearchString(Index)", Pass}, ERR_ARGS(Index), kNameSearches, "Code", Index);
}

std::string CTransport::TransportMethod(int32_t Index) {
    return ByIndex({"TransportMethod(Index)", Pass}, ERR_ARGS(Index), kMethods, "Code", Index);
}

std::string CTransport::TransportMethodDescription(int32_t Index) {
    return ByIndex({"TransportMethodDescription(Index)", Pass}, ERR_ARGS(Index), kMethods, "Description",
                   Index);
}

std::string CTransport::PrimaryProductType(int32_t Index) {
    return Run({"PrimaryProductType(Index)", Pass}, ERR_ARGS(Index), [&] {
        // The codes stand in a value list of energy-type codes, in the
        // statement's own dialect of string literals.
        std::string codes;
        for (const char* code : kProductTypes.attributes) {
            std::string flag =
                gTools()->GetQueryParameterByIndex(settings_, kRoot, kProductTypes.section, code, Index);
            // A missing entry or flag reads "", which is no flag.
            if (!FlagOf(std::string(kProductTypes.item) + "@" + code, flag)) continue;
            if (!codes.empty()) codes += ", ";
            codes += '"';
            codes += code;
            codes += '"';
        }
        return codes;
    });
}

std::string CTransport::DateRangeMin(int32_t Index) {
    return ByIndex({"DateRangeMin(Index)", Pass}, ERR_ARGS(Index), kDates, "DateLow", Index);
}

std::string CTransport::DateRangeMax(int32_t Index) {
    return ByIndex({"DateRangeMax(Index)", Pass}, ERR_ARGS(Index), kDates, "DateHigh", Index);
}

std::string CTransport::DateRangeName(int32_t Index) {
    return ByIndex({"DateRangeName(Index)", Pass}, ERR_ARGS(Index), kDates, "FieldName", Index);
}

std::string CTransport::TransportSpecificationRangeMin(int32_t Index) {
    return ByIndex({"TransportSpecificationRangeMin(Index)", Pass}, ERR_ARGS(Index), kSpecifications,
                   "BoundaryMinimum", Index);
}

std::string CTransport::TransportSpecificationRangeMax(int32_t Index) {
    return ByIndex({"TransportSpecificationRangeMax(Index)", Pass}, ERR_ARGS(Index), kSpecifications,
                   "BoundaryMaximum", Index);
}

std::string CTransport::TransportSpecificationRangeUnit(int32_t Index) {
    return ByIndex({"TransportSpecificationRangeUnit(Index)", Pass}, ERR_ARGS(Index), kSpecifications,
                   "DefaultUnit", Index);
}

std::string CTransport::TransportSpecificationRangeCategory(int32_t Index) {
    return ByIndex({"TransportSpecificationRangeCategory(Index)", Pass}, ERR_ARGS(Index), kSpecifications,
                   "UnitCategory", Index);
}

std::string CTransport::TransportSpecificationRangeFieldname(int32_t Index) {
    return ByIndex({"TransportSpecificationRangeFieldname(Index)", Pass}, ERR_ARGS(Index), kSpecifications,
                   "FieldName", Index);
}

std::string CTransport::TransportSpecificationRangeUnitCaption(int32_t Index) {
    return ByIndex({"TransportSpecificationRangeUnitCaption(Index)", Pass}, ERR_ARGS(Index), kSpecifications,
                   "UnitCaption", Index);
}

std::string CTransport::TransportSourceType(int32_t Index) {
    return ByIndex({"TransportSourceType(Index)", Pass}, ERR_ARGS(Index), kSources, "SourceType", Index);
}

std::string CTransport::TransportDestinationType(int32_t Index) {
    return ByIndex({"TransportDestinationType(Index)", Pass}, ERR_ARGS(Index), kDestinations,
                   "DestinationType", Index);
}

// ---- lists

std::string CTransport::TransportCodesList() {
    return List({"TransportCodesList()", Pass}, kSystems, "Code");
}

std::string CTransport::TransportSystemsList() {
    return List({"TransportSystemsList()", End}, kSystems, "Code");
}

std::string CTransport::TransportStatusList() {
    return List({"TransportStatusList()", End}, kStatuses, "Code", kQuoted);
}

std::string CTransport::TransportStatusDescriptionList() {
    return List({"TransportStatusDescriptionList()", End}, kStatuses, "Description");
}

std::string CTransport::TransportSourceList() {
    return List({"TransportSourceList()", End}, kSources, "Code");
}

std::string CTransport::TransportDestinationList() {
    return List({"TransportDestinationList()", End}, kDestinations, "Code");
}

std::string CTransport::FieldLocationsCodeList() {
    return List({"FieldLocationsCodeList()", Pass}, kFieldLocations, "Code", kQuoted);
}

std::string CTransport::FieldLocationsDescriptionList() {
    return List({"FieldLocationsDescriptionList()", Pass}, kFieldLocations, "Description", kQuoted);
}

std::string CTransport::FieldLocationsStatusList() {
    return List({"FieldLocationsStatusList()", Pass}, kFieldLocations, "DevStatusCode", kQuoted);
}

std::string CTransport::AssetCodeList() { return List({"AssetCodeList()", Pass}, kAssetCodes, "Code"); }

std::string CTransport::QZMnemonicList() {
    return List({"QZMnemonicList()", End}, kMnemonics, "ID", kQuoted);
}

// ---- adds, removes and clears

void CTransport::AddTransportNameSearchString(const std::string& sCode) {
    AddSearch({"AddTransportNameSearchString(sCode)", End}, ERR_ARGS(sCode), kNameSearches, sCode);
}

void CTransport::ClearTransportNameSearchStrings() {
    Clear({"ClearTransportNameSearchStrings()", Pass}, kNameSearches);
}

void CTransport::AddTransportSystem(int32_t lTransportSystemCode,
                                    const std::string& sTransportSystemDescription) {
    Add({"AddTransportSystem(lTransportSystemCode,sTransportSystemDescription)", End},
        ERR_ARGS(lTransportSystemCode, sTransportSystemDescription), kSystems,
        {DecimalText(lTransportSystemCode), sTransportSystemDescription});
}

void CTransport::RemoveTransportSystem(int32_t lTransportSystemCode) {
    Remove({"RemoveTransportSystem(lTransportSystemCode)", End}, ERR_ARGS(lTransportSystemCode), kSystems,
           DecimalText(lTransportSystemCode));
}

void CTransport::ClearTransportSystems() { Clear({"ClearTransportSystems()", Pass}, kSystems); }

void CTransport::AddTransportStatus(int32_t lCode) {
    AddFromList({"AddTransportStatus(lCode)", End}, ERR_ARGS(lCode), kStatuses, kStatusList, lCode);
}

void CTransport::RemoveTransportStatus(int32_t lCode) {
    // While the list was never filled the code is "", and nothing goes.
    RemoveFromList({"RemoveTransportStatus(lCode)", End}, ERR_ARGS(lCode), kStatuses, kStatusList, lCode,
                   kKeepUnnamed);
}

void CTransport::ClearTransportStatuses() { Clear({"ClearTransportStatuses()", Pass}, kStatuses); }

void CTransport::AddTransportSource(const std::string& sSourceType, const std::string& sSourceCode,
                                    const std::string& sSourceDescription) {
    Add({"AddTransportSource(sSourceType,sSourceCode,sSourceDescription)", End},
        ERR_ARGS(sSourceType, sSourceCode, sSourceDescription), kSources,
        {sSourceCode, sSourceType, sSourceDescription});
}

void CTransport::RemoveTransportSource(const std::string& sSourceCode) {
    Remove({"RemoveTransportSource(sSourceCode)", End}, ERR_ARGS(sSourceCode), kSources, sSourceCode);
}

void CTransport::ClearTransportSources() { Clear({"ClearTransportSources()", Pass}, kSources); }

void CTransport::AddTransportDestination(const std::string& sDestinationType,
                                         const std::string& sDestinationCode,
                                         const std::string& sDestinationDescription) {
    Add({"AddTransportDestination(sDestinationType,sDestinationCode,sDestinationDescription)", End},
        ERR_ARGS(sDestinationType, sDestinationCode, sDestinationDescription), kDestinations,
        {sDestinationCode, sDestinationType, sDestinationDescription});
}

void CTransport::RemoveTransportDestination(const std::string& sDestinationCode) {
    Remove({"RemoveTransportDestination(sDestinationCode)", End}, ERR_ARGS(sDestinationCode), kDestinations,
           sDestinationCode);
}

void CTransport::ClearTransportDestinations() {
    Clear({"ClearTransportDestinations()", Pass}, kDestinations);
}

void CTransport::AddDate(const std::string& sTransportName, const std::string& sDescription,
                         int32_t lDateHigh, int32_t lDateLow, const std::string& sDateStringHigh,
                         const std::string& sDateStringLow) {
    CCriteriaSet::AddDate(
        {"AddDate(sTransportName,sDescription,lDateHigh,lDateLow,sDateStringHigh,sDateStringLow)", Pass},
        ERR_ARGS(sTransportName, sDescription, lDateHigh, lDateLow, sDateStringHigh, sDateStringLow), kRoot,
        sTransportName, sDescription, lDateHigh, lDateLow, sDateStringHigh, sDateStringLow);
}

void CTransport::RemoveDate(const std::string& sTransportName) {
    Remove({"RemoveDate(sTransportName)", Pass}, ERR_ARGS(sTransportName), kDates, sTransportName);
}

void CTransport::ClearDates() { Clear({"ClearDates()", Pass}, kDates); }

void CTransport::AddTransportSpecification(const std::string& sSpecificationName, const std::string& sCaption,
                                           const std::string& sKey, const std::string& sDefaultUnit,
                                           const std::string& sUnitCategory, const std::string& dBoundaryLow,
                                           const std::string& dBoundaryHigh,
                                           const std::string& sUnitCaption) {
    Add({"AddTransportSpecification(sSpecificationName,sCaption,sKey,sDefaultUnit,sUnitCategory,dBoundaryLow,"
         "dBoundaryHigh,sUnitCaption)",
         Pass},
        ERR_ARGS(sSpecificationName, sCaption, sKey, sDefaultUnit, sUnitCategory, dBoundaryLow, dBoundaryHigh,
                 sUnitCaption),
        kSpecifications,
        {sSpecificationName, sCaption, sKey, sDefaultUnit, sUnitCategory, dBoundaryLow, dBoundaryHigh,
         sUnitCaption});
}

void CTransport::ClearTransportSpecifications() {
    Clear({"ClearTransportSpecifications()", Pass}, kSpecifications);
}

void CTransport::AddTransportMethod(int32_t lCode) {
    AddFromList({"AddTransportMethod(lCode)", End}, ERR_ARGS(lCode), kMethods, kMethodList, lCode);
}

void CTransport::ClearTransportMethods() { Clear({"ClearTransportMethods()", Pass}, kMethods); }

void CTransport::AddPrimaryProductTypes(bool bOil, bool bLPG, bool bCondensate, bool bGas) {
    Add({"AddPrimaryProductTypes(bOil,bLPG,bCondensate,bGas)", Pass}, ERR_ARGS(bOil, bLPG, bCondensate, bGas),
        kProductTypes, {FlagText(bOil), FlagText(bLPG), FlagText(bCondensate), FlagText(bGas)});
}

void CTransport::ClearPrimaryProductTypes() { Clear({"ClearPrimaryProductTypes()", Pass}, kProductTypes); }

void CTransport::AddFieldLocation(int32_t lFieldCode, const std::string& sFieldDescription,
                                  const std::string& sDevStatusCode) {
    Add({"AddFieldLocation(lFieldCode,sFieldDescription,sDevStatusCode)", Pass},
        ERR_ARGS(lFieldCode, sFieldDescription, sDevStatusCode), kFieldLocations,
        {DecimalText(lFieldCode), sFieldDescription, sDevStatusCode});
}

void CTransport::RemoveFieldLocation(int32_t lFieldCode) {
    Remove({"RemoveFieldLocation(lFieldCode)", Pass}, ERR_ARGS(lFieldCode), kFieldLocations,
           DecimalText(lFieldCode));
}

void CTransport::ClearFieldLocations() { Clear({"ClearFieldLocations()", Pass}, kFieldLocations); }

void CTransport::AddAssetCode(const std::string& sCode) {
    Add({"AddAssetCode(sCode)", Pass}, ERR_ARGS(sCode), kAssetCodes, {sCode});
}

void CTransport::AddQZMnemonic(const std::string& sCode) {
    Add({"AddQZMnemonic(sCode)", Pass}, ERR_ARGS(sCode), kMnemonics, {sCode});
}

// ---- transports by the fields they serve

std::string CTransport::FieldLocationsList() {
    return Run({"FieldLocationsList()", Pass}, {}, [&] {
        // The fields' codes as the query file holds them; the look-up lets
        // only numbers reach its statement.
        const std::string fieldCodes =
            gTools()->GetQueryParameterAttributeList(settings_, kRoot, kFieldLocations.section, "Code");
        const ValueOrigins origins{{fieldCodes, "FieldLocation@Code"}};
        return ITransport_TransportsByUserField(fieldCodes);
    });
}

std::string CTransport::TransportsByUserField(const std::string& sFieldCodes) {
    return ITransport_TransportsByUserField(sFieldCodes);
}

std::string CTransport::ITransport_TransportsByUserField(const std::string& sFieldCodes) {
    return CodesByTemplate({"TransportsByUserField(sFieldCodes)", Pass}, ERR_ARGS(sFieldCodes),
                           "SQL_TRANSPORT_CODE_BY_FIELD", "<fieldcodes>", sFieldCodes, "TRANSPORT_CODE");
}
