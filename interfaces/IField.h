#pragma once
// The criteria of a field query (set root "FieldDetail" below the query's "Field" element).
// Members in slot order; Modified (the first two slots) is ICriteriaSet's, and the shore-status
// members are IShoreStatusCriteria's: ShoreStatus stands between SetModified and FieldNameCount,
// AddShoreStatus, ClearShoreStatuses, ShoreStatusCount and RemoveShoreStatus between AssetCodeList
// and BlockLocationIDList.  Indexes are 0-based; a by-index read past the end (or before the start)
// gives "".  Bounds come back as they were entered, trimmed.  "Raises any error" means the member
// records itself and passes the error on; "shows any error" means it shows the error and returns
// the empty value of its result ("", 0, False).
#include <cstdint>
#include <string>

#include "interfaces/ICriteria.h"
#include "platform/runtime/cvCollection.h"

class IField : public virtual IShoreStatusCriteria {
public:
    // The number of field-name searches; raises any error.
    virtual int32_t FieldNameCount() = 0;
    // The field-name search pattern at Index ("%" and "_" wildcards); raises any error.
    virtual std::string FieldNameSearchString(int32_t Index) = 0;
    // The number of date ranges; raises any error.
    virtual int32_t DateRangeCount() = 0;
    // The lower bound (a date serial as text, "0" or less for none) of the range at Index; raises any
    // error.
    virtual std::string DateRangeMin(int32_t Index) = 0;
    // The upper bound (a date serial as text, "0" or less for none) of the range at Index; raises any
    // error.
    virtual std::string DateRangeMax(int32_t Index) = 0;
    // The date column the range at Index applies to; raises any error.
    virtual std::string DateRangeName(int32_t Index) = 0;
    // The number of water depth ranges; raises any error.
    virtual int32_t WaterDepthCount() = 0;
    // The lower bound of the water depth range at Index; raises any error.
    virtual std::string WaterDepthRangeMin(int32_t Index) = 0;
    // The upper bound of the water depth range at Index; raises any error.
    virtual std::string WaterDepthRangeMax(int32_t Index) = 0;
    // The unit id of the water depth range at Index, unprefixed; raises any error.
    virtual std::string WaterDepthRangeUnit(int32_t Index) = 0;
    // The unit category of the water depth range at Index; raises any error.
    virtual std::string WaterDepthRangeCategory(int32_t Index) = 0;
    // The number of block locations (as BlockCount); raises any error.
    virtual int32_t BlockLocationsCount() = 0;
    // The number of field types; raises any error.
    virtual int32_t FieldTypeCount() = 0;
    // The number of development statuses; raises any error.
    virtual int32_t DevelopmentStatusCount() = 0;
    // The number of development types; raises any error.
    virtual int32_t DevelopmentTypeCount() = 0;
    // The number of reservoir depth ranges; raises any error.
    virtual int32_t ReservoirDepthCount() = 0;
    // The lower bound of the reservoir depth range at Index; raises any error.
    virtual std::string ReservoirDepthRangeMin(int32_t Index) = 0;
    // The upper bound of the reservoir depth range at Index; raises any error.
    virtual std::string ReservoirDepthRangeMax(int32_t Index) = 0;
    // The unit id of the reservoir depth range at Index; raises any error.
    virtual std::string ReservoirDepthRangeUnit(int32_t Index) = 0;
    // The unit category of the reservoir depth range at Index; raises any error.
    virtual std::string ReservoirDepthRangeCategory(int32_t Index) = 0;
    // The number of calorific value ranges (section "CalorifivValueRanges"); raises any error.
    virtual int32_t CalorificValueCount() = 0;
    // The lower bound of the calorific value range at Index; raises any error.
    virtual std::string CalorificValueRangeMin(int32_t Index) = 0;
    // The upper bound of the calorific value range at Index; raises any error.
    virtual std::string CalorificValueRangeMax(int32_t Index) = 0;
    // The unit id of the calorific value range at Index; raises any error.
    virtual std::string CalorificValueRangeUnit(int32_t Index) = 0;
    // The unit category of the calorific value range at Index; raises any error.
    virtual std::string CalorificValueRangeCategory(int32_t Index) = 0;
    // The number of API gravity ranges; raises any error.
    virtual int32_t GravityCount() = 0;
    // The lower bound of the API gravity range at Index; raises any error.
    virtual std::string GravityRangeMin(int32_t Index) = 0;
    // The upper bound of the API gravity range at Index; raises any error.
    virtual std::string GravityRangeMax(int32_t Index) = 0;
    // The number of sulphur ranges; raises any error.
    virtual int32_t SulphurCount() = 0;
    // The lower bound of the sulphur range at Index; raises any error.
    virtual std::string SulphurRangeMin(int32_t Index) = 0;
    // The upper bound of the sulphur range at Index; raises any error.
    virtual std::string SulphurRangeMax(int32_t Index) = 0;
    // The number of reservoir-name searches; raises any error.
    virtual int32_t FieldReservoirSearchCount() = 0;
    // The reservoir-name search pattern at Index ("%" and "_" wildcards); raises any error.
    virtual std::string FieldReservoirSearchString(int32_t Index) = 0;
    // The number of reservoir ages; raises any error.
    virtual int32_t FieldReservoirAgeCount() = 0;
    // The level ("ERA", "PERIOD", "FORMATION", "ALL") of the reservoir age at Index; raises any error.
    virtual std::string FieldReservoirAgeType(int32_t Index) = 0;
    // The number of present-value ranges; raises any error.
    virtual int32_t PVCount() = 0;
    // The lower bound of the present-value range at Index; raises any error.
    virtual std::string PVRangeMin(int32_t Index) = 0;
    // The upper bound of the present-value range at Index; raises any error.
    virtual std::string PVRangeMax(int32_t Index) = 0;
    // The "UnitID" of the present-value range at Index, which AddPVRange never writes ("" for its
    // ranges); raises any error.
    virtual std::string PVRangeUnit(int32_t Index) = 0;
    // The "CategoryID" of the present-value range at Index, which AddPVRange never writes ("" for its
    // ranges); raises any error.
    virtual std::string PVRangeCategory(int32_t Index) = 0;
    // The database column of the present-value range at Index; raises any error.
    virtual std::string PVRangeFieldname(int32_t Index) = 0;
    // The number of government take ranges; raises any error.
    virtual int32_t GovernmentTakeCount() = 0;
    // The total-or-remaining index (0 total, 1 remaining) of the range at Index; raises &H80041066
    // naming it when it is no whole number (an absent range too), and any other error.
    virtual int32_t GovernmentTakeMethod(int32_t Index) = 0;
    // The value-or-percentage index (0 value, 1 percentage) of the range at Index; raises &H80041066
    // naming it when it is no whole number, and any other error.
    virtual int32_t GovernmentTakeType(int32_t Index) = 0;
    // The lower bound of the government take range at Index; raises any error.
    virtual std::string GovernmentTakeRangeMin(int32_t Index) = 0;
    // The upper bound of the government take range at Index; raises any error.
    virtual std::string GovernmentTakeRangeMax(int32_t Index) = 0;
    // The number of rate-of-return ranges; raises any error.
    virtual int32_t RatesOfReturnCount() = 0;
    // The tax index (0 pre-tax, 1 post-tax) of the range at Index; raises &H80041066 naming it when
    // it is no whole number, and any other error.
    virtual int32_t RatesOfReturnType(int32_t Index) = 0;
    // The company's lower rate of the range at Index; raises any error.
    virtual std::string RatesOfReturnCompanyRangeMin(int32_t Index) = 0;
    // The company's upper rate of the range at Index; raises any error.
    virtual std::string RatesOfReturnCompanyRangeMax(int32_t Index) = 0;
    // The project's lower rate of the range at Index, as AddRatesOfReturn took it; raises any error.
    virtual std::string RatesOfReturnProjectRangeMin(int32_t Index) = 0;
    // The project's upper rate of the range at Index, as AddRatesOfReturn took it; raises any error.
    virtual std::string RatesOfReturnProjectRangeMax(int32_t Index) = 0;
    // The number of cost ranges; raises any error.
    virtual int32_t CostsCount() = 0;
    // The cost type of the range at Index; raises &H80041066 naming it when it is no whole number,
    // and any other error.
    virtual int32_t CostsType(int32_t Index) = 0;
    // The database column of the cost range at Index; raises any error.
    virtual std::string CostsRangeName(int32_t Index) = 0;
    // The lower bound of the cost range at Index; raises any error.
    virtual std::string CostsRangeMin(int32_t Index) = 0;
    // The upper bound of the cost range at Index; raises any error.
    virtual std::string CostsRangeMax(int32_t Index) = 0;
    // The first year of the annual cost range at Index ("" for other modes); raises any error.
    virtual std::string CostsYearMin(int32_t Index) = 0;
    // The last year of the annual cost range at Index ("" for other modes); raises any error.
    virtual std::string CostsYearMax(int32_t Index) = 0;
    // The number of reserves and production ranges; raises any error.
    virtual int32_t ReservesAndProductionCount() = 0;
    // The reserve type of the range at Index; raises &H80041066 naming it when it is no whole
    // number, and any other error.
    virtual int32_t ReserveType(int32_t Index) = 0;
    // The production type of the range at Index; raises &H80041066 naming it when it is no whole
    // number, and any other error.
    virtual int32_t ProductionType(int32_t Index) = 0;
    // The database column of the reserves and production range at Index; raises any error.
    virtual std::string ReservesAndProductionRangeName(int32_t Index) = 0;
    // The lower bound of the reserves and production range at Index; raises any error.
    virtual std::string ReservesAndProductionRangeMin(int32_t Index) = 0;
    // The upper bound of the reserves and production range at Index; raises any error.
    virtual std::string ReservesAndProductionRangeMax(int32_t Index) = 0;
    // The year of the one-year annual range at Index ("" for other ranges); raises any error.
    virtual std::string ReservesAndProductionYear(int32_t Index) = 0;
    // The unit caption of the reserves and production range at Index; raises any error.
    virtual std::string ReservesAndProductionUnitCaption(int32_t Index) = 0;
    // The unit id ("DefaultUnit") of the reserves and production range at Index; raises any error.
    virtual std::string ReservesAndProductionRangeUnit(int32_t Index) = 0;
    // The unit category of the reserves and production range at Index; raises any error.
    virtual std::string ReservesAndProductionRangeCategory(int32_t Index) = 0;
    // The unit caption of the present-value range at Index; raises any error.
    virtual std::string PVRangeUnitCaption(int32_t Index) = 0;
    // The cost mode (0, 1, or 2 for an annual range) of the range at Index; raises &H80041066 naming
    // it when it is no whole number, and any other error.
    virtual int32_t CostsMode(int32_t Index) = 0;
    // The unit caption of the cost range at Index; raises any error.
    virtual std::string CostsUnitCaption(int32_t Index) = 0;
    // The code of the reservoir age at Index; raises any error.
    virtual std::string FieldReservoirCode(int32_t Index) = 0;
    // The description of the reservoir age at Index; raises any error.
    virtual std::string FieldReservoirDescription(int32_t Index) = 0;
    // The key of the reservoir age at Index ("" unless its level is "ALL"); raises any error.
    virtual std::string FieldReservoirKey(int32_t Index) = 0;
    // The classification type of the development status at Index; raises any error.
    virtual std::string DevelopmentStatusType(int32_t Index) = 0;
    // The number of asset codes; any error reaches the caller unrecorded.
    virtual int32_t AssetCodeCount() = 0;
    // The filter type of the (first) grouping filter; "" when none; raises any error.
    virtual std::string GroupingFilterType() = 0;
    // The control id of the (first) grouping filter as a 16-bit number; -1 when there is none or its
    // id is no number; raises &H80041066 naming it for an id outside 16 bits, and any other error.
    virtual int16_t GroupingFilterControlID() = 0;
    // The number of field locations; raises any error.
    virtual int32_t FieldCount() = 0;
    // The field location codes, bare (as FieldLocationsList); raises any error.
    virtual std::string FieldCodesList() = 0;
    // Stores a reserves or production range on column sFieldName when sUserData ("x,reserve
    // type,production type[,year]") has a second part; the year only when both types are 2; the first
    // range per column stays; ignored while the active query is read-only; raises 13 for a type that
    // is no number, 9 for a missing production type (nothing stored then), and any other error.
    virtual void AddReservesAndProductionRange(const std::string& sFieldName, const std::string& sCaption,
                                               const std::string& sKey, const std::string& sDefaultUnit,
                                               const std::string& sUnitCategory,
                                               const std::string& sBoundaryLow,
                                               const std::string& sBoundaryHigh, const std::string& sUserData,
                                               const std::string& sUnitCaption) = 0;
    // Deletes every reserves and production range; ignored while read-only; raises any error.
    virtual void ClearReservesAndProductionRanges() = 0;
    // Stores a present-value range on column sFieldName, whatever its bounds; the first range per
    // column stays; ignored while the active query is read-only; raises any error.
    virtual void AddPVRange(const std::string& sFieldName, const std::string& sCaption,
                            const std::string& sKey, const std::string& sBoundaryLow,
                            const std::string& sBoundaryHigh, const std::string& sUnitCaption) = 0;
    // Deletes every present-value range; ignored while read-only; raises any error.
    virtual void ClearPVRanges() = 0;
    // Stores a cost range on column sFieldName when sUserData ("x,cost type,mode[,year min[,year
    // max]]") has mode "0", "1" or "2" (years only for "2"); the first range per column stays; ignored
    // while the active query is read-only; raises 9 for a missing mode, and any other error.
    virtual void AddCost(const std::string& sFieldName, const std::string& sCaption, const std::string& sKey,
                         const std::string& sBoundaryLow, const std::string& sBoundaryHigh,
                         const std::string& sUserData, const std::string& sUnitCaption) = 0;
    // Deletes every cost range; ignored while read-only; raises any error.
    virtual void ClearCosts() = 0;
    // Stores a rate-of-return range when one of the four rates is not blank; the first range per tax
    // index stays; ignored while the active query is read-only; raises any error.
    virtual void AddRatesOfReturn(int32_t lPrePostTaxOptIndex, const std::string& sCompanyIIRMin,
                                  const std::string& sCompanyIIRMax, const std::string& sProjectIIRMin,
                                  const std::string& sProjectIIRMax) = 0;
    // Deletes every rate-of-return range; ignored while read-only; raises any error.
    virtual void ClearRatesOfReturnRanges() = 0;
    // Stores a government take range when a bound is not blank; the first range per total-or-remaining
    // index stays; ignored while the active query is read-only; raises any error.
    virtual void AddGovernmentTake(int32_t lTotalRemainingOptIndex, int32_t lValuePercentOptIndex,
                                   const std::string& sTakeMin, const std::string& sTakeMax) = 0;
    // Deletes every government take range; ignored while read-only; raises any error.
    virtual void ClearGovernmentTakeRanges() = 0;
    // Stores an API gravity range when a bound is not blank; the first range per minimum stays;
    // ignored while the active query is read-only; raises any error.
    virtual void AddGravityApi(const std::string& sMin, const std::string& sMax) = 0;
    // Deletes every API gravity range; ignored while read-only; raises any error.
    virtual void ClearGravityAPIRanges() = 0;
    // Stores a calorific value range when a bound is not blank; the first range per minimum stays;
    // ignored while the active query is read-only; raises any error.
    virtual void AddCalorificValue(const std::string& sMin, const std::string& sMax,
                                   const std::string& sCategory, const std::string& sUnit) = 0;
    // Deletes every calorific value range; ignored while read-only; raises any error.
    virtual void ClearCalorificValueRanges() = 0;
    // Stores a sulphur range when a bound is not blank; the first range per minimum stays; ignored
    // while the active query is read-only; raises any error.
    virtual void AddSulphur(const std::string& sMin, const std::string& sMax) = 0;
    // Deletes every sulphur range; ignored while read-only; raises any error.
    virtual void ClearSulphurRanges() = 0;
    // Stores each entry "code|description" (level "ALL": "code|description|key") of oCodes with the
    // level sQueryMode, each code once; ignored while the active query is read-only; shows any error
    // (an entry short of a part: 9, the entries before it stay).
    virtual void AddFieldReservoirAges(const std::string& sQueryMode, const Ref<cvCollection>& oCodes) = 0;
    // Deletes every reservoir age; ignored while read-only; raises any error.
    virtual void ClearFieldReservoirAges() = 0;
    // Stores the search text with "*" and "?" made "%" and "_", unless it is blanks only; each
    // pattern once; ignored while the active query is read-only; raises any error.
    virtual void AddFieldReservoirSearchString(const std::string& sCode) = 0;
    // Deletes every reservoir-name search; ignored while read-only; raises any error.
    virtual void ClearFieldReservoirSearchStrings() = 0;
    // Stores a reservoir depth range when a bound is not blank; the first range per minimum stays;
    // ignored while the active query is read-only; raises any error.
    virtual void AddFieldReservoirDepth(const std::string& sMin, const std::string& sMax,
                                        const std::string& sCategory, const std::string& sUnit) = 0;
    // Deletes every reservoir depth range; ignored while read-only; raises any error.
    virtual void ClearFieldReservoirDepthRanges() = 0;
    // The field location codes, bare; raises any error.
    virtual std::string FieldLocationsList() = 0;
    // Stores the field when lFieldCode is 0 or more, each code once; ignored while the active query is
    // read-only; raises any error.
    virtual void AddFieldLocation(int32_t lFieldCode, const std::string& sFieldDescription) = 0;
    // Deletes the field location with that code, marking the set changed when there was one; ignored
    // while read-only; raises any error.
    virtual void RemoveFieldLocation(int32_t lFieldCode) = 0;
    // Deletes every field location; ignored while read-only; raises any error.
    virtual void ClearFieldLocations() = 0;
    // The block location codes, bare; raises any error.
    virtual std::string BlockLocationsList() = 0;
    // Stores the block when lBlockCode is 0 or more, each code once; ignored while the active query is
    // read-only; raises any error.
    virtual void AddBlockLocation(int32_t lBlockCode, const std::string& sBlockDescription,
                                  const std::string& sBlockID) = 0;
    // Deletes the block location with that code, marking the set changed when there was one; ignored
    // while read-only; raises any error.
    virtual void RemoveBlockLocation(int32_t lBlockCode) = 0;
    // Deletes every block location; ignored while read-only; raises any error.
    virtual void ClearBlockLocations() = 0;
    // The number of block locations (as BlockLocationsCount); raises any error.
    virtual int32_t BlockCount() = 0;
    // The block location codes, bare (as BlockLocationsList); raises any error.
    virtual std::string BlockCodesList() = 0;
    // The field type codes, quoted; raises any error.
    virtual std::string FieldTypeList() = 0;
    // Stores the code and name the field list caches for item number lCode (both "" while the list was
    // never filled), each code once; ignored while read-only; raises any error (nothing stored).
    virtual void AddFieldType(int32_t lCode) = 0;
    // Deletes the field type whose code the field list caches for lCode; an empty code deletes
    // nothing; ignored while read-only; raises any error.
    virtual void RemoveFieldType(int32_t lCode) = 0;
    // Deletes every field type; ignored while read-only; raises any error.
    virtual void ClearFieldTypes() = 0;
    // The field type names, quoted; raises any error.
    virtual std::string FieldTypeDescriptionList() = 0;
    // The development status codes, quoted; raises any error.
    virtual std::string DevelopmentStatusList() = 0;
    // Stores the code and name the field list caches for item number lCode with sClassificationType,
    // each code once; ignored while read-only; raises any error (nothing stored).
    virtual void AddDevelopmentStatus(int32_t lCode, const std::string& sClassificationType) = 0;
    // Deletes the development status whose code the field list caches for lCode; an empty code
    // deletes nothing; ignored while read-only; raises any error.
    virtual void RemoveDevelopmentStatus(int32_t lCode) = 0;
    // Deletes every development status; ignored while read-only; raises any error.
    virtual void ClearDevelopmentStatuses() = 0;
    // The development type codes, quoted; raises any error.
    virtual std::string DevelopmentTypeList() = 0;
    // Stores the code and name the field list caches for item number lCode, each code once; ignored
    // while read-only; raises any error (nothing stored).
    virtual void AddDevelopmentType(int32_t lCode) = 0;
    // Deletes the development type whose code the field list caches for lCode; an empty code deletes
    // nothing; ignored while read-only; raises any error.
    virtual void RemoveDevelopmentType(int32_t lCode) = 0;
    // Deletes every development type; ignored while read-only; raises any error.
    virtual void ClearDevelopmentTypes() = 0;
    // The development type names, quoted; raises any error.
    virtual std::string DevelopmentTypeDescriptionList() = 0;
    // Stores a water depth range when a bound is not blank (the unit id as given); the first range per
    // minimum stays; ignored while the active query is read-only; raises any error.
    virtual void AddWaterDepthRange(const std::string& sMin, const std::string& sMax,
                                    const std::string& sCategory, const std::string& sUnit) = 0;
    // Deletes every water depth range; ignored while read-only; raises any error.
    virtual void ClearWaterDepthRanges() = 0;
    // Stores a date range on column sFieldName when a bound is above 0; the first range per column
    // stays; ignored while the active query is read-only; raises any error.
    virtual void AddDate(const std::string& sFieldName, const std::string& sDescription, int32_t lDateHigh,
                         int32_t lDateLow, const std::string& sDateStringHigh,
                         const std::string& sDateStringLow) = 0;
    // Deletes the date range on column sFieldName, marking the set changed when there was one; ignored
    // while read-only; raises any error.
    virtual void RemoveDate(const std::string& sFieldName) = 0;
    // Deletes every date range; ignored while read-only; raises any error.
    virtual void ClearDates() = 0;
    // Stores the search text with "*" and "?" made "%" and "_", unless it is blanks only; each
    // pattern once; ignored while the active query is read-only; raises any error.
    virtual void AddFieldNameSearchString(const std::string& sCode) = 0;
    // The codes of the fields whose reservoirs have the stored ages, at the level of the first age,
    // within the sectors sSectorCodes (a list of numbers; "" for all), in the statement's order, joined
    // by ","; "" without a statement for an unknown level or no codes; shows any error and returns ""
    // (a failure of the engine's size or arguments as the warning that the results set is too large,
    // a code of level "ALL" or a sector that is no number as &H80041066).
    virtual std::string FieldReservoirAgeList(const std::string& sSectorCodes) = 0;
    // Deletes every field-name search; ignored while read-only; raises any error.
    virtual void ClearFieldNameSearchStrings() = 0;
    // The field-name search patterns, bare; raises any error.
    virtual std::string FieldNameList() = 0;
    // The codes of the fields with a reservoir whose column sAgeColumn (a name: letters, digits, "_")
    // holds one of sAgeCodes (numbers, or texts each between single quotes), within the sectors
    // sSectorCodes (numbers; "" for all), through the statement "SQL_FIELD_CODE_BY_AGE", in its order,
    // joined by ","; "" when none, and without a statement for blank sAgeCodes; raises &H80041066 for a
    // name, list or item that is none of these, and any other error.
    virtual std::string FieldCodesByAge(const std::string& sAgeColumn, const std::string& sAgeCodes,
                                        const std::string& sSectorCodes) = 0;
    // The distinct codes of the fields whose annual figure in column sRangeName lies within sRangeMin
    // and sRangeMax (numbers, each when not "") in a year from sYearMin to sYearMax (each when not
    // ""), among sFieldCodes (numbers; "" for all), from the gross or net table as the active query
    // reads; joined by ","; "" when none; shows any error and returns "" (a column that is no name, or
    // a bound, year or code that is no number: &H80041066).
    virtual std::string FieldCodesByAnnualResults(const std::string& sRangeName, const std::string& sRangeMax,
                                                  const std::string& sRangeMin, const std::string& sYearMax,
                                                  const std::string& sYearMin,
                                                  const std::string& sFieldCodes) = 0;
    // The distinct codes of the fields whose annual figure in column sRangeName in year sYear lies
    // within the bounds, each bound given in unit sUnit of category sCategory and converted to the
    // database's (an empty bound is none), among sFieldCodes (numbers; "" for all), from the gross or
    // net table as the query being rendered (else the active query) reads; joined by ","; "" when
    // none; shows any error and returns "" (a column that is no name, or a bound, year or code that is
    // no number: &H80041066); within a render it passes the error on.
    virtual std::string FieldCodesByAnnualProduction(const std::string& sRangeName,
                                                     const std::string& sRangeMax,
                                                     const std::string& sRangeMin, const std::string& sYear,
                                                     const std::string& sCategory, const std::string& sUnit,
                                                     const std::string& sFieldCodes) = 0;
    // The codes of the fields in the blocks sBlockCodes (numbers), through the statement
    // "SQL_FIELD_CODE_BY_BLOCK", in its order, joined by ","; "" when none; raises &H80041066 naming an
    // item that is no number, and any other error.
    virtual std::string FieldCodesByBlock(const std::string& sBlockCodes) = 0;
    // The development status names, quoted; raises any error.
    virtual std::string DevelopmentStatusDescriptionList() = 0;
    // Stores the asset code ("" too), each code once; ignored while read-only; raises any error.
    virtual void AddAssetCode(const std::string& sCode) = 0;
    // The asset codes, bare; raises any error.
    virtual std::string AssetCodeList() = 0;
    // The block location ids, bare; raises any error.
    virtual std::string BlockLocationIDList() = 0;
    // Stores the mnemonic ("" too), each once; ignored while read-only; shows any error.
    virtual void AddQZMnemonic(const std::string& sCode) = 0;
    // The number of mnemonics; shows any error and returns 0.
    virtual int32_t QZMnemonicCount() = 0;
    // The mnemonics, quoted; shows any error and returns "".
    virtual std::string QZMnemonicList() = 0;
    // Stores a grouping filter for the control iControlID unless one for that id is stored (which
    // keeps its type); ignored while the active query is read-only; raises any error.
    virtual void SetGroupingFilter(int32_t iControlID, const std::string& sFilterType) = 0;
    // Deletes every grouping filter; ignored while read-only; raises any error.
    virtual void ClearGroupingFilters() = 0;
};
