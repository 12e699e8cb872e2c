#pragma once
// The criteria of a well query (set root "WellDetail" below the query's "Well" element).  Members
// in slot order; Modified (the first two slots) is ICriteriaSet's, and the shore-status members
// are IShoreStatusCriteria's: ShoreStatus stands between DiscoveryType and WellNameSearchCount,
// AddShoreStatus, ClearShoreStatuses, ShoreStatusCount and RemoveShoreStatus between AssetCodeList
// and BlockLocationIDList.  Member names spell "License", the stored elements "Licence".  Indexes
// are 0-based; a by-index read past the end gives "".  A list joins the non-empty values by ",",
// bare or each in single quotes, "" when none.  "Shows any error" means the member shows the error
// and returns the empty value of its result ("", 0, False); "raises any error" means it records
// itself and passes the error on.
#include <cstdint>
#include <string>

#include "interfaces/ICriteria.h"
#include "platform/runtime/cvCollection.h"

class IWell : public virtual IShoreStatusCriteria {
public:
    // Replaces the discovery type ("BOTH", "COMM", "TECH"; any text is stored; "" leaves none);
    // nothing, and no change mark, when it already reads so; ignored while the active query is
    // read-only; raises any error.
    virtual void SetDiscoveryType(const std::string& sType) = 0;
    // The discovery type; "" when none; raises any error.
    virtual std::string DiscoveryType() = 0;
    // The number of well-name searches; raises any error.
    virtual int32_t WellNameSearchCount() = 0;
    // The well-name pattern at Index ("%" and "_" wildcards), trimmed; raises any error.
    virtual std::string WellNameSearchString(int32_t Index) = 0;
    // The number of selected wells; raises any error.
    virtual int32_t WellLocationsCount() = 0;
    // The number of block locations; raises any error.
    virtual int32_t BlockLocationsCount() = 0;
    // The number of field locations; raises any error.
    virtual int32_t FieldLocationCount() = 0;
    // The number of date ranges; raises any error.
    virtual int32_t DateRangeCount() = 0;
    // The lower bound (a date serial as text, "0" for none) of the range at Index; raises any error.
    virtual std::string DateRangeMin(int32_t Index) = 0;
    // The upper bound (a date serial as text, "0" for none) of the range at Index; raises any error.
    virtual std::string DateRangeMax(int32_t Index) = 0;
    // The date column the range at Index applies to; raises any error.
    virtual std::string DateRangeName(int32_t Index) = 0;
    // The number of well types; shows any error.
    virtual int32_t WellTypeCount() = 0;
    // The number of well statuses; shows any error.
    virtual int32_t WellStatusCount() = 0;
    // The number of well results; shows any error.
    virtual int32_t WellResultCount() = 0;
    // The number of rig names; raises any error.
    virtual int32_t RigNameCount() = 0;
    // The number of rig types; raises any error.
    virtual int32_t RigTypeCount() = 0;
    // The number of licence award numbers; shows any error.
    virtual int32_t LicenseAwardNumberCount() = 0;
    // The number of licence award years; shows any error.
    virtual int32_t LicenseAwardYearCount() = 0;
    // The number of licence award descriptors; shows any error.
    virtual int32_t LicenseAwardDescriptorCount() = 0;
    // The number of water depth ranges; raises any error.
    virtual int32_t WaterDepthCount() = 0;
    // The lower bound, as entered, of the water depth range at Index; raises any error.
    virtual std::string WaterDepthRangeMin(int32_t Index) = 0;
    // The upper bound, as entered, of the water depth range at Index; raises any error.
    virtual std::string WaterDepthRangeMax(int32_t Index) = 0;
    // The unit id of the water depth range at Index; raises any error.
    virtual std::string WaterDepthRangeUnit(int32_t Index) = 0;
    // The unit category id of the water depth range at Index; raises any error.
    virtual std::string WaterDepthRangeCategory(int32_t Index) = 0;
    // The number of well depth ranges (one per depth kind at most); raises any error.
    virtual int32_t WellDepthCount() = 0;
    // The lower bound, as entered, of the well depth range at Index; raises any error.
    virtual std::string WellDepthRangeMin(int32_t Index) = 0;
    // The upper bound, as entered, of the well depth range at Index; raises any error.
    virtual std::string WellDepthRangeMax(int32_t Index) = 0;
    // The unit id of the well depth range at Index; raises any error.
    virtual std::string WellDepthRangeUnit(int32_t Index) = 0;
    // The unit category id of the well depth range at Index; raises any error.
    virtual std::string WellDepthRangeCategory(int32_t Index) = 0;
    // The number of classification entries (two at most); raises any error.
    virtual int32_t WellClassificationCount() = 0;
    // The condition the entry at Index stands for: WELL_CLASS_TESTED = "Tested", WELL_CLASS_RE_ENTRY =
    // "Re-entry", WELL_CLASS_SIDE_TRACK = "Sidetrack" for its set flags, joined by " OR ", no brackets;
    // "" when none is set; raises &H80041066 naming the flag for an entry that is missing or holds a
    // flag that is no flag.
    virtual std::string WellClassification(int32_t Index) = 0;
    // The number of geological reference searches; raises any error.
    virtual int32_t GeologicalReferenceSearchCount() = 0;
    // The geological reference pattern at Index ("%" and "_" wildcards), trimmed; raises any error.
    virtual std::string GeologicalReferenceSearchString(int32_t Index) = 0;
    // The number of geological ages; raises any error.
    virtual int32_t GeologicalDetailsCount() = 0;
    // The age level ("ERA", "PERIOD", "FORMATION", "ALL") of the age at Index; raises any error.
    virtual std::string GeologicalDetailsQueryType(int32_t Index) = 0;
    // The formation position ("PRIMARY", "SECONDARY", "TDFORMATION", "ANY") of the age at Index;
    // raises any error.
    virtual std::string GeologicalDetailsFormationType(int32_t Index) = 0;
    // The depth column ("MEASURED_DEPTH", "TRUE_VERTICAL_DEPTH", "" for another kind) of the well
    // depth range at Index; raises any error.
    virtual std::string WellDepthRangeFieldname(int32_t Index) = 0;
    // The description of the geological age at Index; raises any error.
    virtual std::string GeologicalDetailsDescription(int32_t Index) = 0;
    // The key of the geological age at Index ("" unless its level is "ALL"); raises any error.
    virtual std::string GeologicalDetailsKey(int32_t Index) = 0;
    // The tested flag of the classification entry at Index; raises &H80041066 naming it for a
    // missing entry or a text that is no flag.
    virtual bool WellClassificationTested(int32_t Index) = 0;
    // The re-entry flag of the classification entry at Index; raises as WellClassificationTested.
    virtual bool WellClassificationReEntry(int32_t Index) = 0;
    // The sidetrack flag of the classification entry at Index; raises as WellClassificationTested.
    virtual bool WellClassificationSideTracked(int32_t Index) = 0;
    // The number of selected wells, as WellLocationsCount; raises any error.
    virtual int32_t WellCount() = 0;
    // The number of asset codes; raises any error.
    virtual int32_t AssetCodeCount() = 0;
    // Stores the pattern with "*" and "?" made "%" and "_", untrimmed; a pattern of blanks only adds
    // nothing; ignored while the active query is read-only; shows any error.
    virtual void AddWellNameSearchString(const std::string& sCode) = 0;
    // Deletes every well-name search; ignored while the active query is read-only; shows any error.
    virtual void ClearWellNameSearchStrings() = 0;
    // The names of the selected wells, each in single quotes; raises any error.
    virtual std::string WellLocationsList() = 0;
    // Stores the code and name the well list cached under the item number (empty ones too); ignored
    // while the active query is read-only; shows any error (a number never handed out: 5).
    virtual void AddWellLocation(int32_t lCode) = 0;
    // Deletes the well whose code the well list cached under the item number; nothing while that
    // code is "" or the active query is read-only; shows any error.
    virtual void RemoveWellLocation(int32_t lCode) = 0;
    // Deletes every selected well; ignored while the active query is read-only; shows any error.
    virtual void ClearWellLocations() = 0;
    // The rig codes, bare; raises any error.
    virtual std::string RigNameList() = 0;
    // Stores the rig the well list cached under the item number, as AddWellLocation; shows any error.
    virtual void AddRigName(int32_t lCode) = 0;
    // Deletes the rig the well list cached under the item number, as RemoveWellLocation; shows any
    // error.
    virtual void RemoveRigName(int32_t lCode) = 0;
    // Deletes every rig name; ignored while the active query is read-only; shows any error.
    virtual void ClearRigNames() = 0;
    // The well type codes, each in single quotes; shows any error.
    virtual std::string WellTypeList() = 0;
    // Stores the well type the well list cached under the item number, as AddWellLocation; shows any
    // error.
    virtual void AddWellType(int32_t lCode) = 0;
    // Deletes the well type the well list cached under the item number, as RemoveWellLocation; shows
    // any error.
    virtual void RemoveWellType(int32_t lCode) = 0;
    // Deletes every well type; ignored while the active query is read-only; shows any error.
    virtual void ClearWellTypes() = 0;
    // The well status codes, each in single quotes; shows any error.
    virtual std::string WellStatusList() = 0;
    // Stores the well status the well list cached under the item number, as AddWellLocation; shows
    // any error.
    virtual void AddWellStatus(int32_t lCode) = 0;
    // Deletes the well status the well list cached under the item number, as RemoveWellLocation;
    // shows any error.
    virtual void RemoveWellStatus(int32_t lCode) = 0;
    // Deletes every well status; ignored while the active query is read-only; shows any error.
    virtual void ClearWellStatuses() = 0;
    // The well result codes, each in single quotes; shows any error.
    virtual std::string WellResultList() = 0;
    // Stores the well result the well list cached under the item number, as AddWellLocation; shows
    // any error.
    virtual void AddWellResult(int32_t lCode) = 0;
    // Deletes the well result the well list cached under the item number, as RemoveWellLocation;
    // shows any error.
    virtual void RemoveWellResult(int32_t lCode) = 0;
    // Deletes every well result; ignored while the active query is read-only; shows any error.
    virtual void ClearWellResults() = 0;
    // The licence award numbers, bare; shows any error.
    virtual std::string LicenseAwardNumberList() = 0;
    // Stores the award number once, untrimmed, when it is not blank; ignored while the active query
    // is read-only; shows any error.
    virtual void AddLicenseAwardNumber(const std::string& sCode) = 0;
    // Deletes that award number; ignored while the active query is read-only; shows any error.
    virtual void RemoveLicenseAwardNumber(const std::string& sCode) = 0;
    // Deletes every award number; ignored while the active query is read-only; shows any error.
    virtual void ClearLicenseAwardNumbers() = 0;
    // The licence award years, bare; shows any error.
    virtual std::string LicenseAwardYearList() = 0;
    // Stores the award year once, untrimmed, when it is not blank; ignored while the active query is
    // read-only; shows any error.
    virtual void AddLicenseAwardYear(const std::string& sCode) = 0;
    // Deletes that award year; ignored while the active query is read-only; shows any error.
    virtual void RemoveLicenseAwardYear(const std::string& sCode) = 0;
    // Deletes every award year; ignored while the active query is read-only; shows any error.
    virtual void ClearLicenseAwardYears() = 0;
    // The licence award descriptors, each in single quotes; shows any error.
    virtual std::string LicenseAwardDescriptorList() = 0;
    // Stores the award descriptor once, untrimmed, when it is not blank; ignored while the active
    // query is read-only; shows any error.
    virtual void AddLicenseAwardDescriptor(const std::string& sCode) = 0;
    // Deletes that award descriptor; ignored while the active query is read-only; shows any error.
    virtual void RemoveLicenseAwardDescriptor(const std::string& sCode) = 0;
    // Deletes every award descriptor; ignored while the active query is read-only; shows any error.
    virtual void ClearLicenseAwardDescriptors() = 0;
    // The block location codes, bare; raises any error.
    virtual std::string BlockLocationsList() = 0;
    // Stores the block once when its code is at least 0; ignored while the active query is
    // read-only; shows any error.
    virtual void AddBlockLocation(int32_t lBlockCode, const std::string& sBlockDescription,
                                  const std::string& sBlockID) = 0;
    // Deletes the block with that code; ignored while the active query is read-only; shows any error.
    virtual void RemoveBlockLocation(int32_t lBlockCode) = 0;
    // Deletes every block location; ignored while the active query is read-only; shows any error.
    virtual void ClearBlockLocations() = 0;
    // The block location names, each in single quotes; shows any error.
    virtual std::string BlockLocationsDescriptionList() = 0;
    // Stores the pattern as AddWellNameSearchString does; shows any error.
    virtual void AddGeologicalReferenceSearchString(const std::string& sCode) = 0;
    // Deletes every geological reference search; ignored while the active query is read-only; shows
    // any error.
    virtual void ClearGeologicalReferenceSearchStrings() = 0;
    // Stores a date range on the column sFieldName when a bound is above 0, once per column; ignored
    // while the active query is read-only; raises any error.
    virtual void AddDate(const std::string& sFieldName, const std::string& sDescription, int32_t lDateHigh,
                         int32_t lDateLow, const std::string& sDateStringHigh,
                         const std::string& sDateStringLow) = 0;
    // Deletes the date range on that column; ignored while the active query is read-only; raises any
    // error.
    virtual void RemoveDate(const std::string& sFieldName) = 0;
    // Deletes every date range; ignored while the active query is read-only; raises any error.
    virtual void ClearDates() = 0;
    // Stores a range on the depth kind (0 measured, 1 true vertical, another: no column), once per
    // kind, when sMin is not blank or sMax and sUnit both are not (values as given); ignored while the
    // active query is read-only; raises any error.
    virtual void AddWellDepthRange(int32_t lWellDepthIndex, const std::string& sMin, const std::string& sMax,
                                   const std::string& sCategory, const std::string& sUnit) = 0;
    // Deletes every well depth range; ignored while the active query is read-only; raises any error.
    virtual void ClearWellDepthRanges() = 0;
    // Stores a water depth range, once per minimum, when sMin is not blank or sMax and sUnit both are
    // not (values as given); ignored while the active query is read-only; raises any error.
    virtual void AddWellWaterDepth(const std::string& sMin, const std::string& sMax,
                                   const std::string& sCategory, const std::string& sUnit) = 0;
    // Deletes every water depth range; ignored while the active query is read-only; raises any error.
    virtual void ClearWellWaterDepthRanges() = 0;
    // The rig type codes, each in single quotes; shows any error.
    virtual std::string RigTypeList() = 0;
    // Stores the rig type once by its code; ignored while the active query is read-only; shows any
    // error.
    virtual void AddRigType(const std::string& sRigTypeCode, const std::string& sRigTypeDescription) = 0;
    // Deletes the rig type with that code; ignored while the active query is read-only; shows any
    // error.
    virtual void RemoveRigType(const std::string& sRigTypeCode) = 0;
    // Deletes every rig type; ignored while the active query is read-only; shows any error.
    virtual void ClearRigTypes() = 0;
    // The field location codes, bare; raises any error.
    virtual std::string FieldLocationsList() = 0;
    // Stores the field once when its code is at least 0; ignored while the active query is
    // read-only; raises any error.
    virtual void AddFieldLocation(int32_t lFieldCode, const std::string& sFieldDescription) = 0;
    // Deletes the field with that code; ignored while the active query is read-only; raises any error.
    virtual void RemoveFieldLocation(int32_t lFieldCode) = 0;
    // Deletes every field location; ignored while the active query is read-only; raises any error.
    virtual void ClearFieldLocations() = 0;
    // Stores the three flags as "True"/"False" (all False too), once per tested flag; ignored while
    // the active query is read-only; raises any error.
    virtual void AddWellClassification(bool bTestedWell, bool bReentry, bool bSidetracked) = 0;
    // Deletes every classification entry; ignored while the active query is read-only; raises any
    // error.
    virtual void ClearWellClassifications() = 0;
    // Deletes every geological age; ignored while the active query is read-only; shows any error.
    virtual void ClearGeologicalDetails() = 0;
    // Stores each entry "code|description" (level "ALL": "code|description|key") of oCodes with the
    // level and position, once per code; ignored while the active query is read-only; shows any error
    // (an entry short of a piece: 9, the entries before it stay).
    virtual void AddGeologicalDetails(const std::string& sQueryMode, const std::string& sFormationType,
                                      const Ref<cvCollection>& oCodes) = 0;
    // The geological age codes, each in single quotes when bUseQuotes; raises any error.
    virtual std::string GeologicalDetailsList(bool bUseQuotes) = 0;
    // The codes of the wells of the fields sFieldCodes (a comma list of numbers) as the stored
    // statement "SQL_WELL_CODE_BY_FIELD" finds them, in its order, joined by ","; "" when none; raises
    // &H80041066 naming an item that is no number, and any other error.
    virtual std::string WellCodesByField(const std::string& sFieldCodes) = 0;
    // The well type names, each in single quotes; shows any error.
    virtual std::string WellTypeDescriptionList() = 0;
    // The well status names, each in single quotes; shows any error.
    virtual std::string WellStatusDescriptionList() = 0;
    // The well result names, each in single quotes; shows any error.
    virtual std::string WellResultDescriptionList() = 0;
    // The rig names, each in single quotes; raises any error.
    virtual std::string RigNameDescriptionList() = 0;
    // The codes of the selected wells, bare; raises any error.
    virtual std::string WellCodesList() = 0;
    // Stores the code once ("" too); ignored while the active query is read-only; raises any error.
    virtual void AddAssetCode(const std::string& sCode) = 0;
    // The asset codes, bare; raises any error.
    virtual std::string AssetCodeList() = 0;
    // The IDs of the block locations, bare; raises any error.
    virtual std::string BlockLocationIDList() = 0;
};
