#pragma once
// The criteria of a well query, below "WellDetail" of the query's "Well" element: selected
// wells, well-name searches, field and block locations, asset codes, well types, statuses and
// results, rig names and rig types, licence award numbers, years and descriptors, date ranges,
// well depth and water depth ranges, classification, geological ages and reference searches,
// discovery type and shore statuses.  Wells, types, statuses, results and rig names are picked
// from the host's lists that the well reference list filled, so they arrive as that list's item
// numbers.  Its errors, where a member ends them, go to a message box and the error log.
#include <string>

#include "criteria/CAssetCriteriaSet.h"
#include "interfaces/IWell.h"

class CWell final : public IWell, public CAssetCriteriaSet {
public:
    static constexpr const char* kSetRoot = "WellDetail";

    CWell();

    // The class's own interface: the wells of the fields, as WellCodesByField (the same member
    // under the name its own interface gives it).
    std::string IWell_WellCodesByField(const std::string& sFieldCodes);

    void SetDiscoveryType(const std::string& sType) override;
    std::string DiscoveryType() override;
    int32_t WellNameSearchCount() override;
    std::string WellNameSearchString(int32_t Index) override;
    int32_t WellLocationsCount() override;
    int32_t BlockLocationsCount() override;
    int32_t FieldLocationCount() override;
    int32_t DateRangeCount() override;
    std::string DateRangeMin(int32_t Index) override;
    std::string DateRangeMax(int32_t Index) override;
    std::string DateRangeName(int32_t Index) override;
    int32_t WellTypeCount() override;
    int32_t WellStatusCount() override;
    int32_t WellResultCount() override;
    int32_t RigNameCount() override;
    int32_t RigTypeCount() override;
    int32_t LicenseAwardNumberCount() override;
    int32_t LicenseAwardYearCount() override;
    int32_t LicenseAwardDescriptorCount() override;
    int32_t WaterDepthCount() override;
    std::string WaterDepthRangeMin(int32_t Index) override;
    std::string WaterDepthRangeMax(int32_t Index) override;
    std::string WaterDepthRangeUnit(int32_t Index) override;
    std::string WaterDepthRangeCategory(int32_t Index) override;
    int32_t WellDepthCount() override;
    std::string WellDepthRangeMin(int32_t Index) override;
    std::string WellDepthRangeMax(int32_t Index) override;
    std::string WellDepthRangeUnit(int32_t Index) override;
    std::string WellDepthRangeCategory(int32_t Index) override;
    int32_t WellClassificationCount() override;
    std::string WellClassification(int32_t Index) override;
    int32_t GeologicalReferenceSearchCount() override;
    std::string GeologicalReferenceSearchString(int32_t Index) override;
    int32_t GeologicalDetailsCount() override;
    std::string GeologicalDetailsQueryType(int32_t Index) override;
    std::string GeologicalDetailsFormationType(int32_t Index) override;
    std::string WellDepthRangeFieldname(int32_t Index) override;
    std::string GeologicalDetailsDescription(int32_t Index) override;
    std::string GeologicalDetailsKey(int32_t Index) override;
    bool WellClassificationTested(int32_t Index) override;
    bool WellClassificationReEntry(int32_t Index) override;
    bool WellClassificationSideTracked(int32_t Index) override;
    int32_t WellCount() override;
    int32_t AssetCodeCount() override;
    void AddWellNameSearchString(const std::string& sCode) override;
    void ClearWellNameSearchStrings() override;
    std::string WellLocationsList() override;
    void AddWellLocation(int32_t lCode) override;
    void RemoveWellLocation(int32_t lCode) override;
    void ClearWellLocations() override;
    std::string RigNameList() override;
    void AddRigName(int32_t lCode) override;
    void RemoveRigName(int32_t lCode) override;
    void ClearRigNames() override;
    std::string WellTypeList() override;
    void AddWellType(int32_t lCode) override;
    void RemoveWellType(int32_t lCode) override;
    void ClearWellTypes() override;
    std::string WellStatusList() override;
    void AddWellStatus(int32_t lCode) override;
    void RemoveWellStatus(int32_t lCode) override;
    void ClearWellStatuses() override;
    std::string WellResultList() override;
    void AddWellResult(int32_t lCode) override;
    void RemoveWellResult(int32_t lCode) override;
    void ClearWellResults() override;
    std::string LicenseAwardNumberList() override;
    void AddLicenseAwardNumber(const std::string& sCode) override;
    void RemoveLicenseAwardNumber(const std::string& sCode) override;
    void ClearLicenseAwardNumbers() override;
    std::string LicenseAwardYearList() override;
    void AddLicenseAwardYear(const std::string& sCode) override;
    void RemoveLicenseAwardYear(const std::string& sCode) override;
    void ClearLicenseAwardYears() override;
    std::string LicenseAwardDescriptorList() override;
    void AddLicenseAwardDescriptor(const std::string& sCode) override;
    void RemoveLicenseAwardDescriptor(const std::string& sCode) override;
    void ClearLicenseAwardDescriptors() override;
    std::string BlockLocationsList() override;
    void AddBlockLocation(int32_t lBlockCode, const std::string& sBlockDescription,
                          const std::string& sBlockID) override;
    void RemoveBlockLocation(int32_t lBlockCode) override;
    void ClearBlockLocations() override;
    std::string BlockLocationsDescriptionList() override;
    void AddGeologicalReferenceSearchString(const std::string& sCode) override;
    void ClearGeologicalReferenceSearchStrings() override;
    void AddDate(const std::string& sFieldName, const std::string& sDescription, int32_t lDateHigh,
                 int32_t lDateLow, const std::string& sDateStringHigh,
                 const std::string& sDateStringLow) override;
    void RemoveDate(const std::string& sFieldName) override;
    void ClearDates() override;
    void AddWellDepthRange(int32_t lWellDepthIndex, const std::string& sMin, const std::string& sMax,
                           const std::string& sCategory, const std::string& sUnit) override;
    void ClearWellDepthRanges() override;
    void AddWellWaterDepth(const std::string& sMin, const std::string& sMax, const std::string& sCategory,
                           const std::string& sUnit) override;
    void ClearWellWaterDepthRanges() override;
    std::string RigTypeList() override;
    void AddRigType(const std::string& sRigTypeCode, const std::string& sRigTypeDescription) override;
    void RemoveRigType(const std::string& sRigTypeCode) override;
    void ClearRigTypes() override;
    std::string FieldLocationsList() override;
    void AddFieldLocation(int32_t lFieldCode, const std::string& sFieldDescription) override;
    void RemoveFieldLocation(int32_t lFieldCode) override;
    void ClearFieldLocations() override;
    void AddWellClassification(bool bTestedWell, bool bReentry, bool bSidetracked) override;
    void ClearWellClassifications() override;
    void ClearGeologicalDetails() override;
    void AddGeologicalDetails(const std::string& sQueryMode, const std::string& sFormationType,
                              const Ref<cvCollection>& oCodes) override;
    std::string GeologicalDetailsList(bool bUseQuotes) override;
    std::string WellCodesByField(const std::string& sFieldCodes) override;
    std::string WellTypeDescriptionList() override;
    std::string WellStatusDescriptionList() override;
    std::string WellResultDescriptionList() override;
    std::string RigNameDescriptionList() override;
    std::string WellCodesList() override;
    void AddAssetCode(const std::string& sCode) override;
    std::string AssetCodeList() override;
    std::string BlockLocationIDList() override;

private:
    static const CriteriaSetProfile kProfile;

    // The flag of the classification entry at Index under one attribute.
    bool ClassificationFlag(const char* sAttribute, int32_t Index);
};
