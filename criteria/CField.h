#pragma once
// The criteria of a field query, below "FieldDetail" of the query's "Field" element: locations,
// codes, types and statuses, dates and ranges (economic, fluid and reservoir), reservoir ages and
// the grouping filter, and the look-ups that turn block codes, reservoir ages and annual figures
// into field codes through statements of the Options table.
#include "criteria/CAssetCriteriaSet.h"
#include "interfaces/IField.h"

class CField final : public IField, public CAssetCriteriaSet {
public:
    static constexpr const char* kSetRoot = "FieldDetail";

    CField();

    int32_t FieldNameCount() override;
    std::string FieldNameSearchString(int32_t Index) override;
    int32_t DateRangeCount() override;
    std::string DateRangeMin(int32_t Index) override;
    std::string DateRangeMax(int32_t Index) override;
    std::string DateRangeName(int32_t Index) override;
    int32_t WaterDepthCount() override;
    std::string WaterDepthRangeMin(int32_t Index) override;
    std::string WaterDepthRangeMax(int32_t Index) override;
    std::string WaterDepthRangeUnit(int32_t Index) override;
    std::string WaterDepthRangeCategory(int32_t Index) override;
    int32_t BlockLocationsCount() override;
    int32_t FieldTypeCount() override;
    int32_t DevelopmentStatusCount() override;
    int32_t DevelopmentTypeCount() override;
    int32_t ReservoirDepthCount() override;
    std::string ReservoirDepthRangeMin(int32_t Index) override;
    std::string ReservoirDepthRangeMax(int32_t Index) override;
    std::string ReservoirDepthRangeUnit(int32_t Index) override;
    std::string ReservoirDepthRangeCategory(int32_t Index) override;
    int32_t CalorificValueCount() override;
    std::string CalorificValueRangeMin(int32_t Index) override;
    std::string CalorificValueRangeMax(int32_t Index) override;
    std::string CalorificValueRangeUnit(int32_t Index) override;
    std::string CalorificValueRangeCategory(int32_t Index) override;
    int32_t GravityCount() override;
    std::string GravityRangeMin(int32_t Index) override;
    std::string GravityRangeMax(int32_t Index) override;
    int32_t SulphurCount() override;
    std::string SulphurRangeMin(int32_t Index) override;
    std::string SulphurRangeMax(int32_t Index) override;
    int32_t FieldReservoirSearchCount() override;
    std::string FieldReservoirSearchString(int32_t Index) override;
    int32_t FieldReservoirAgeCount() override;
    std::string FieldReservoirAgeType(int32_t Index) override;
    int32_t PVCount() override;
    std::string PVRangeMin(int32_t Index) override;
    std::string PVRangeMax(int32_t Index) override;
    std::string PVRangeUnit(int32_t Index) override;
    std::string PVRangeCategory(int32_t Index) override;
    std::string PVRangeFieldname(int32_t Index) override;
    int32_t GovernmentTakeCount() override;
    int32_t GovernmentTakeMethod(int32_t Index) override;
    int32_t GovernmentTakeType(int32_t Index) override;
    std::string GovernmentTakeRangeMin(int32_t Index) override;
    std::string GovernmentTakeRangeMax(int32_t Index) override;
    int32_t RatesOfReturnCount() override;
    int32_t RatesOfReturnType(int32_t Index) override;
    std::string RatesOfReturnCompanyRangeMin(int32_t Index) override;
    std::string RatesOfReturnCompanyRangeMax(int32_t Index) override;
    std::string RatesOfReturnProjectRangeMin(int32_t Index) override;
    std::string RatesOfReturnProjectRangeMax(int32_t Index) override;
    int32_t CostsCount() override;
    int32_t CostsType(int32_t Index) override;
    std::string CostsRangeName(int32_t Index) override;
    std::string CostsRangeMin(int32_t Index) override;
    std::string CostsRangeMax(int32_t Index) override;
    std::string CostsYearMin(int32_t Index) override;
    std::string CostsYearMax(int32_t Index) override;
    int32_t ReservesAndProductionCount() override;
    int32_t ReserveType(int32_t Index) override;
    int32_t ProductionType(int32_t Index) override;
    std::string ReservesAndProductionRangeName(int32_t Index) override;
    std::string ReservesAndProductionRangeMin(int32_t Index) override;
    std::string ReservesAndProductionRangeMax(int32_t Index) override;
    std::string ReservesAndProductionYear(int32_t Index) override;
    std::string ReservesAndProductionUnitCaption(int32_t Index) override;
    std::string ReservesAndProductionRangeUnit(int32_t Index) override;
    std::string ReservesAndProductionRangeCategory(int32_t Index) override;
    std::string PVRangeUnitCaption(int32_t Index) override;
    int32_t CostsMode(int32_t Index) override;
    std::string CostsUnitCaption(int32_t Index) override;
    std::string FieldReservoirCode(int32_t Index) override;
    std::string FieldReservoirDescription(int32_t Index) override;
    std::string FieldReservoirKey(int32_t Index) override;
    std::string DevelopmentStatusType(int32_t Index) override;
    int32_t AssetCodeCount() override;
    std::string GroupingFilterType() override;
    int16_t GroupingFilterControlID() override;
    int32_t FieldCount() override;
    std::string FieldCodesList() override;
    void AddReservesAndProductionRange(const std::string& sFieldName, const std::string& sCaption,
                                       const std::string& sKey, const std::string& sDefaultUnit,
                                       const std::string& sUnitCategory, const std::string& sBoundaryLow,
                                       const std::string& sBoundaryHigh, const std::string& sUserData,
                                       const std::string& sUnitCaption) override;
    void ClearReservesAndProductionRanges() override;
    void AddPVRange(const std::string& sFieldName, const std::string& sCaption, const std::string& sKey,
                    const std::string& sBoundaryLow, const std::string& sBoundaryHigh,
                    const std::string& sUnitCaption) override;
    void ClearPVRanges() override;
    void AddCost(const std::string& sFieldName, const std::string& sCaption, const std::string& sKey,
                 const std::string& sBoundaryLow, const std::string& sBoundaryHigh,
                 const std::string& sUserData, const std::string& sUnitCaption) override;
    void ClearCosts() override;
    void AddRatesOfReturn(int32_t lPrePostTaxOptIndex, const std::string& sCompanyIIRMin,
                          const std::string& sCompanyIIRMax, const std::string& sProjectIIRMin,
                          const std::string& sProjectIIRMax) override;
    void ClearRatesOfReturnRanges() override;
    void AddGovernmentTake(int32_t lTotalRemainingOptIndex, int32_t lValuePercentOptIndex,
                           const std::string& sTakeMin, const std::string& sTakeMax) override;
    void ClearGovernmentTakeRanges() override;
    void AddGravityApi(const std::string& sMin, const std::string& sMax) override;
    void ClearGravityAPIRanges() override;
    void AddCalorificValue(const std::string& sMin, const std::string& sMax, const std::string& sCategory,
                           const std::string& sUnit) override;
    void ClearCalorificValueRanges() override;
    void AddSulphur(const std::string& sMin, const std::string& sMax) override;
    void ClearSulphurRanges() override;
    void AddFieldReservoirAges(const std::string& sQueryMode, const Ref<cvCollection>& oCodes) override;
    void ClearFieldReservoirAges() override;
    void AddFieldReservoirSearchString(const std::string& sCode) override;
    void ClearFieldReservoirSearchStrings() override;
    void AddFieldReservoirDepth(const std::string& sMin, const std::string& sMax,
                                const std::string& sCategory, const std::string& sUnit) override;
    void ClearFieldReservoirDepthRanges() override;
    std::string FieldLocationsList() override;
    void AddFieldLocation(int32_t lFieldCode, const std::string& sFieldDescription) override;
    void RemoveFieldLocation(int32_t lFieldCode) override;
    void ClearFieldLocations() override;
    std::string BlockLocationsList() override;
    void AddBlockLocation(int32_t lBlockCode, const std::string& sBlockDescription,
                          const std::string& sBlockID) override;
    void RemoveBlockLocation(int32_t lBlockCode) override;
    void ClearBlockLocations() override;
    int32_t BlockCount() override;
    std::string BlockCodesList() override;
    std::string FieldTypeList() override;
    void AddFieldType(int32_t lCode) override;
    void RemoveFieldType(int32_t lCode) override;
    void ClearFieldTypes() override;
    std::string FieldTypeDescriptionList() override;
    std::string DevelopmentStatusList() override;
    void AddDevelopmentStatus(int32_t lCode, const std::string& sClassificationType) override;
    void RemoveDevelopmentStatus(int32_t lCode) override;
    void ClearDevelopmentStatuses() override;
    std::string DevelopmentTypeList() override;
    void AddDevelopmentType(int32_t lCode) override;
    void RemoveDevelopmentType(int32_t lCode) override;
    void ClearDevelopmentTypes() override;
    std::string DevelopmentTypeDescriptionList() override;
    void AddWaterDepthRange(const std::string& sMin, const std::string& sMax, const std::string& sCategory,
                            const std::string& sUnit) override;
    void ClearWaterDepthRanges() override;
    void AddDate(const std::string& sFieldName, const std::string& sDescription, int32_t lDateHigh,
                 int32_t lDateLow, const std::string& sDateStringHigh,
                 const std::string& sDateStringLow) override;
    void RemoveDate(const std::string& sFieldName) override;
    void ClearDates() override;
    void AddFieldNameSearchString(const std::string& sCode) override;
    std::string FieldReservoirAgeList(const std::string& sSectorCodes) override;
    void ClearFieldNameSearchStrings() override;
    std::string FieldNameList() override;
    std::string FieldCodesByAge(const std::string& sAgeColumn, const std::string& sAgeCodes,
                                const std::string& sSectorCodes) override;
    std::string FieldCodesByAnnualResults(const std::string& sRangeName, const std::string& sRangeMax,
                                          const std::string& sRangeMin, const std::string& sYearMax,
                                          const std::string& sYearMin,
                                          const std::string& sFieldCodes) override;
    std::string FieldCodesByAnnualProduction(const std::string& sRangeName, const std::string& sRangeMax,
                                             const std::string& sRangeMin, const std::string& sYear,
                                             const std::string& sCategory, const std::string& sUnit,
                                             const std::string& sFieldCodes) override;
    std::string FieldCodesByBlock(const std::string& sBlockCodes) override;
    std::string DevelopmentStatusDescriptionList() override;
    void AddAssetCode(const std::string& sCode) override;
    std::string AssetCodeList() override;
    std::string BlockLocationIDList() override;
    void AddQZMnemonic(const std::string& sCode) override;
    int32_t QZMnemonicCount() override;
    std::string QZMnemonicList() override;
    void SetGroupingFilter(int32_t iControlID, const std::string& sFilterType) override;
    void ClearGroupingFilters() override;

private:
    static const CriteriaSetProfile kProfile;

    // An attribute of the item at Index read as a whole number; &H80041066 naming it when it is
    // none.
    int32_t WholeByIndex(const Op& op, const MemberArgs& args, const Section& s, const char* sAttribute,
                         int32_t lIndex);
    // The reservoir-age statement completed with a column, a code list and a sector list ("" for
    // all sectors), each already written by the values-into-SQL functions.
    std::string CodesByAge(const std::string& sColumnSql, const std::string& sCodesSql,
                           const std::string& sSectorsSql);
    // The table of annual figures the gross or net choice reads: of the query
    // being rendered, else of the active query.
    static const char* AnnualTable();
    // The distinct field codes a statement finds, joined by ","; "" when none.
    static std::string DistinctFieldCodes(const std::string& sSQL);
};
