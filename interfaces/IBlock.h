#pragma once
// The criteria of a block query (set root "BlockDetail" below the query's "Block" element).  Members
// in slot order; Modified (the first two slots) is ICriteriaSet's, and the shore statuses are
// IShoreStatusCriteria's: ShoreStatus stands between AssetCodeCount and BlockLocationsList,
// AddShoreStatus, ClearShoreStatuses, ShoreStatusCount and RemoveShoreStatus between AssetCodeList
// and LicenceTypeList.  Every writer is ignored while the active query is read-only; a by-index
// reader counts from 0, trims its value and gives "" past the end.  "Raises any error" means the
// member records itself and passes the error on; "any error reaches the caller" that it does not
// record itself.
#include <cstdint>
#include <string>

#include "interfaces/ICriteria.h"

class IBlock : public virtual IShoreStatusCriteria {
public:
    // The number of selected blocks; 0 without the section; raises any error.
    virtual int32_t BlockLocationsCount() = 0;
    // The number of licence references; raises any error.
    virtual int32_t LicenceReferenceCount() = 0;
    // The number of date ranges; raises any error.
    virtual int32_t DateRangeCount() = 0;
    // The number of award round numbers; raises any error.
    virtual int32_t AwardNumberCount() = 0;
    // The number of award round years; raises any error.
    virtual int32_t AwardYearCount() = 0;
    // The number of award descriptors; raises any error.
    virtual int32_t AwardDescriptorCount() = 0;
    // The number of licence types; any error reaches the caller.
    virtual int32_t LicenceTypeCount() = 0;
    // The number of licence statuses; raises any error.
    virtual int32_t LicenceStatusCount() = 0;
    // The number of licence-area statuses; raises any error.
    virtual int32_t LicenceAreaStatusCount() = 0;
    // The number of block reference patterns; raises any error.
    virtual int32_t BlockReferenceCount() = 0;
    // The number of block area ranges; raises any error.
    virtual int32_t BlockAreaCount() = 0;
    // The number of signature bonus ranges; raises any error.
    virtual int32_t SignatureBonusCount() = 0;
    // The number of fallow year ranges; raises any error.
    virtual int32_t FallowYearCount() = 0;
    // The number of water depth ranges; raises any error.
    virtual int32_t WaterDepthCount() = 0;
    // The lower date bound (a date serial as text, "0" for none) of the range at Index; raises any error.
    virtual std::string DateRangeMin(int32_t Index) = 0;
    // The upper date bound of the range at Index; raises any error.
    virtual std::string DateRangeMax(int32_t Index) = 0;
    // The date column of the range at Index; raises any error.
    virtual std::string DateRangeName(int32_t Index) = 0;
    // The minimum of the block area range at Index, as entered; raises any error.
    virtual std::string BlockAreaRangeMin(int32_t Index) = 0;
    // The maximum of the block area range at Index, as entered; raises any error.
    virtual std::string BlockAreaRangeMax(int32_t Index) = 0;
    // The minimum of the signature bonus range at Index; raises any error.
    virtual std::string SignatureBonusRangeMin(int32_t Index) = 0;
    // The maximum of the signature bonus range at Index; raises any error.
    virtual std::string SignatureBonusRangeMax(int32_t Index) = 0;
    // The minimum of the fallow year range at Index; raises any error.
    virtual std::string FallowYearRangeMin(int32_t Index) = 0;
    // The maximum of the fallow year range at Index; raises any error.
    virtual std::string FallowYearRangeMax(int32_t Index) = 0;
    // The minimum of the water depth range at Index; raises any error.
    virtual std::string WaterDepthRangeMin(int32_t Index) = 0;
    // The maximum of the water depth range at Index; raises any error.
    virtual std::string WaterDepthRangeMax(int32_t Index) = 0;
    // The unit id of the water depth range at Index, with its "CV_" or "U_" prefix; raises any error.
    virtual std::string WaterDepthRangeUnit(int32_t Index) = 0;
    // The unit category of the water depth range at Index; raises any error.
    virtual std::string WaterDepthRangeCategory(int32_t Index) = 0;
    // The unit id of the block area range at Index, as given; raises any error.
    virtual std::string BlockAreaRangeUnit(int32_t Index) = 0;
    // The unit category of the block area range at Index; raises any error.
    virtual std::string BlockAreaRangeCategory(int32_t Index) = 0;
    // The block reference pattern at Index ("%" and "_" as wildcards); raises any error.
    virtual std::string BlockReferenceString(int32_t Index) = 0;
    // The number of asset codes; any error reaches the caller.
    virtual int32_t AssetCodeCount() = 0;
    // The selected block codes, joined by ","; raises any error.
    virtual std::string BlockLocationsList() = 0;
    // Selects a block once per code, when the code is 0 or more; raises any error.
    virtual void AddBlockLocation(int32_t lBlockCode, const std::string& sBlockDescription,
                                  const std::string& sBlockID) = 0;
    // Removes the block, marking the set changed when there was one; raises any error.
    virtual void RemoveBlockLocation(int32_t lBlockCode) = 0;
    // Removes every block; raises any error.
    virtual void ClearBlockLocations() = 0;
    // The licence references, each single-quoted, joined by ","; raises any error.
    virtual std::string LicenceReferenceList() = 0;
    // Adds a licence reference once, unless it is blank; raises any error.
    virtual void AddLicenceReference(const std::string& sCode) = 0;
    // Removes the licence reference, marking the set changed when there was one; raises any error.
    virtual void RemoveLicenceReference(const std::string& sLicenceRef) = 0;
    // Removes every licence reference; raises any error.
    virtual void ClearLicenceReferences() = 0;
    // Adds a range on the date column, once per column, when either bound is above 0; raises any error.
    virtual void AddDate(const std::string& sFieldName, const std::string& sDescription, int32_t lDateHigh,
                         int32_t lDateLow, const std::string& sDateStringHigh,
                         const std::string& sDateStringLow) = 0;
    // Removes the range on the date column, marking the set changed when there was one; raises any error.
    virtual void RemoveDate(const std::string& sFieldName) = 0;
    // Removes every date range; raises any error.
    virtual void ClearDates() = 0;
    // The award round numbers, joined by ","; raises any error.
    virtual std::string AwardNumberList() = 0;
    // Adds an award round number once, unless it is blank; raises any error.
    virtual void AddAwardNumber(const std::string& sCode) = 0;
    // Removes the award round number, marking the set changed when there was one; raises any error.
    virtual void RemoveAwardNumber(const std::string& sNumber) = 0;
    // Removes every award round number; raises any error.
    virtual void ClearAwardNumbers() = 0;
    // The award round years, joined by ","; raises any error.
    virtual std::string AwardYearList() = 0;
    // Adds an award round year once, when it is above 0; raises any error.
    virtual void AddAwardYear(int32_t lYear) = 0;
    // Removes the award round year, marking the set changed when there was one; raises any error.
    virtual void RemoveAwardYear(int32_t lYear) = 0;
    // Removes every award round year; raises any error.
    virtual void ClearAwardYears() = 0;
    // The award descriptors, each single-quoted, joined by ","; raises any error.
    virtual std::string AwardDescriptorList() = 0;
    // Adds an award descriptor once, unless it is blank; raises any error.
    virtual void AddAwardDescriptor(const std::string& sCode) = 0;
    // Removes the award descriptor, marking the set changed when there was one; raises any error.
    virtual void RemoveAwardDescriptor(const std::string& sDescriptor) = 0;
    // Removes every award descriptor; raises any error.
    virtual void ClearAwardDescriptors() = 0;
    // The licence status codes, each single-quoted, joined by ","; raises any error.
    virtual std::string LicenceStatusList() = 0;
    // Adds the code and name the block list gave the item number, whatever they are (once per code);
    // raises any error (5 for a number the list never gave).
    virtual void AddLicenceStatus(int32_t lCode) = 0;
    // Removes the licence status whose code the block list gives the item number ("" too), marking
    // the set changed when there was one; raises any error.
    virtual void RemoveLicenceStatus(int32_t lCode) = 0;
    // Removes every licence status; raises any error.
    virtual void ClearLicenceStatuses() = 0;
    // The licence status names, each single-quoted, joined by ","; raises any error.
    virtual std::string LicenceStatusDescriptionList() = 0;
    // Adds the code and name the block list gave the item number, whatever they are (once per code);
    // raises any error (5 for a number the list never gave).
    virtual void AddLicenceAreaStatus(int32_t lCode) = 0;
    // Removes the licence-area status whose code the block list gives the item number, nothing when
    // that code is "", marking the set changed when there was one; raises any error.
    virtual void RemoveLicenceAreaStatus(int32_t lCode) = 0;
    // Removes every licence-area status; raises any error.
    virtual void ClearLicenceAreaStatuses() = 0;
    // The licence-area status codes, each single-quoted, joined by ","; raises any error.
    virtual std::string LicenceAreaStatusList() = 0;
    // The licence-area status names, each single-quoted, joined by ","; raises any error.
    virtual std::string LicenceAreaStatusDescriptionList() = 0;
    // The block reference patterns, joined by ","; raises any error.
    virtual std::string BlockReferenceList() = 0;
    // Adds a block reference pattern with "*" and "?" made "%" and "_", unless it is blank; raises any
    // error.
    virtual void AddBlockReferenceString(const std::string& sCode) = 0;
    // Removes every block reference pattern; raises any error.
    virtual void ClearBlockReferenceStrings() = 0;
    // Adds a block area range when either bound is not blank, once per minimum; raises any error.
    virtual void AddBlockAreaRange(const std::string& dMin, const std::string& dMax,
                                   const std::string& sCategory, const std::string& sUnit) = 0;
    // Removes every block area range; raises any error.
    virtual void ClearBlockAreaRanges() = 0;
    // Adds a signature bonus range when either bound is not blank, once per minimum; raises any error.
    virtual void AddSignatureBonusRange(const std::string& sMin, const std::string& sMax) = 0;
    // Removes every signature bonus range; raises any error.
    virtual void ClearSignatureBonusRanges() = 0;
    // Adds a fallow year range when either bound is not blank, once per minimum; raises any error.
    virtual void AddFallowYearRange(const std::string& sMin, const std::string& sMax) = 0;
    // Removes every fallow year range; raises any error.
    virtual void ClearFallowYearRanges() = 0;
    // Adds a water depth range when either bound is not blank, once per minimum, a numeric unit id
    // prefixed "CV_" (below 10000) or "U_"; raises any error (6 for a unit id past a long integer).
    virtual void AddWaterDepthRange(const std::string& dMin, const std::string& dMax,
                                    const std::string& sCategory, const std::string& sUnit) = 0;
    // Removes every water depth range; raises any error.
    virtual void ClearWaterDepthRanges() = 0;
    // Adds an asset code once ("" too); any error reaches the caller.
    virtual void AddAssetCode(const std::string& sCode) = 0;
    // The asset codes, joined by ","; any error reaches the caller.
    virtual std::string AssetCodeList() = 0;
    // The licence types, a type code alone or type "_" sub-type, joined by ","; raises any error.
    virtual std::string LicenceTypeList() = 0;
    // Adds a licence type ("type" or "type_subtype") once; raises any error.
    virtual void AddLicenceType(const std::string& sCode) = 0;
    // Removes the licence type with that code, marking the set changed when there was one; raises any
    // error.
    virtual void RemoveLicenceType(const std::string& sCode) = 0;
    // Removes every licence type; raises any error.
    virtual void ClearLicenceTypes() = 0;
    // The non-empty block ids, joined by ","; raises any error.
    virtual std::string BlockLocationIDList() = 0;
};
