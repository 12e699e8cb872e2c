#pragma once
// The criteria of a block query, below "BlockDetail" of the query's "Block"
// element: which blocks, licences, award rounds, licence types and statuses,
// dates, ranges of area, signature bonus, fallow years and water depth, asset
// codes and shore statuses a block must match.  A block set that cannot be
// made shows why and is left without a document; its later members then fail.
#include <string>
#include <vector>

#include "criteria/CAssetCriteriaSet.h"
#include "interfaces/IBlock.h"

class CBlock final : public IBlock, public CAssetCriteriaSet {
public:
    static constexpr const char* kSetRoot = "BlockDetail";

    CBlock();

    int32_t BlockLocationsCount() override;
    int32_t LicenceReferenceCount() override;
    int32_t DateRangeCount() override;
    int32_t AwardNumberCount() override;
    int32_t AwardYearCount() override;
    int32_t AwardDescriptorCount() override;
    int32_t LicenceTypeCount() override;
    int32_t LicenceStatusCount() override;
    int32_t LicenceAreaStatusCount() override;
    int32_t BlockReferenceCount() override;
    int32_t BlockAreaCount() override;
    int32_t SignatureBonusCount() override;
    int32_t FallowYearCount() override;
    int32_t WaterDepthCount() override;
    std::string DateRangeMin(int32_t Index) override;
    std::string DateRangeMax(int32_t Index) override;
    std::string DateRangeName(int32_t Index) override;
    std::string BlockAreaRangeMin(int32_t Index) override;
    std::string BlockAreaRangeMax(int32_t Index) override;
    std::string SignatureBonusRangeMin(int32_t Index) override;
    std::string SignatureBonusRangeMax(int32_t Index) override;
    std::string FallowYearRangeMin(int32_t Index) override;
    std::string FallowYearRangeMax(int32_t Index) override;
    std::string WaterDepthRangeMin(int32_t Index) override;
    std::string WaterDepthRangeMax(int32_t Index) override;
    std::string WaterDepthRangeUnit(int32_t Index) override;
    std::string WaterDepthRangeCategory(int32_t Index) override;
    std::string BlockAreaRangeUnit(int32_t Index) override;
    std::string BlockAreaRangeCategory(int32_t Index) override;
    std::string BlockReferenceString(int32_t Index) override;
    int32_t AssetCodeCount() override;
    std::string BlockLocationsList() override;
    void AddBlockLocation(int32_t lBlockCode, const std::string& sBlockDescription,
                          const std::string& sBlockID) override;
    void RemoveBlockLocation(int32_t lBlockCode) override;
    void ClearBlockLocations() override;
    std::string LicenceReferenceList() override;
    void AddLicenceReference(const std::string& sCode) override;
    void RemoveLicenceReference(const std::string& sLicenceRef) override;
    void ClearLicenceReferences() override;
    void AddDate(const std::string& sFieldName, const std::string& sDescription, int32_t lDateHigh,
                 int32_t lDateLow, const std::string& sDateStringHigh,
                 const std::string& sDateStringLow) override;
    void RemoveDate(const std::string& sFieldName) override;
    void ClearDates() override;
    std::string AwardNumberList() override;
    void AddAwardNumber(const std::string& sCode) override;
    void RemoveAwardNumber(const std::string& sNumber) override;
    void ClearAwardNumbers() override;
    std::string AwardYearList() override;
    void AddAwardYear(int32_t lYear) override;
    void RemoveAwardYear(int32_t lYear) override;
    void ClearAwardYears() override;
    std::string AwardDescriptorList() override;
    void AddAwardDescriptor(const std::string& sCode) override;
    void RemoveAwardDescriptor(const std::string& sDescriptor) override;
    void ClearAwardDescriptors() override;
    std::string LicenceStatusList() override;
    void AddLicenceStatus(int32_t lCode) override;
    void RemoveLicenceStatus(int32_t lCode) override;
    void ClearLicenceStatuses() override;
    std::string LicenceStatusDescriptionList() override;
    void AddLicenceAreaStatus(int32_t lCode) override;
    void RemoveLicenceAreaStatus(int32_t lCode) override;
    void ClearLicenceAreaStatuses() override;
    std::string LicenceAreaStatusList() override;
    std::string LicenceAreaStatusDescriptionList() override;
    std::string BlockReferenceList() override;
    void AddBlockReferenceString(const std::string& sCode) override;
    void ClearBlockReferenceStrings() override;
    void AddBlockAreaRange(const std::string& dMin, const std::string& dMax, const std::string& sCategory,
                           const std::string& sUnit) override;
    void ClearBlockAreaRanges() override;
    void AddSignatureBonusRange(const std::string& sMin, const std::string& sMax) override;
    void ClearSignatureBonusRanges() override;
    void AddFallowYearRange(const std::string& sMin, const std::string& sMax) override;
    void ClearFallowYearRanges() override;
    void AddWaterDepthRange(const std::string& dMin, const std::string& dMax, const std::string& sCategory,
                            const std::string& sUnit) override;
    void ClearWaterDepthRanges() override;
    void AddAssetCode(const std::string& sCode) override;
    std::string AssetCodeList() override;
    std::string LicenceTypeList() override;
    void AddLicenceType(const std::string& sCode) override;
    void RemoveLicenceType(const std::string& sCode) override;
    void ClearLicenceTypes() override;
    std::string BlockLocationIDList() override;

    // The unit id a water depth range stores: a numeric id below 10000 gains
    // "CV_", one from 10000 on "U_" (the prefix goes before the text as given);
    // any other text stays as it is.  Raises 6 for a numeric id past a long
    // integer.
    static std::string WaterDepthUnit(const std::string& sUnit);

private:
    static const CriteriaSetProfile kProfile;

    // The licence type's three attributes: the code as given, its type and its sub-type.
    static std::vector<std::string> LicenceTypeValues(const std::string& sCode);
};
