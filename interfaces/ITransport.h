#pragma once
// The criteria of a transport query (set root "TransportDetail" below the query's "Transport"
// element).  Members in slot order; Modified (the first two slots) is ICriteriaSet's, and the
// shore-status members are IShoreStatusCriteria's: ShoreStatus stands between SetModified and
// FieldLocationsCount, AddShoreStatus, ClearShoreStatuses, ShoreStatusCount and RemoveShoreStatus
// between AssetCodeList and AddQZMnemonic.  Indexes are 0-based; a by-index read past the end gives
// "".  "Shows any error" means the member shows the error and returns the empty value of its result
// ("", 0); "raises any error" means it records itself and passes the error on.
#include <cstdint>
#include <string>

#include "interfaces/ICriteria.h"

class ITransport : public virtual IShoreStatusCriteria {
public:
    // The number of field locations; raises any error.
    virtual int32_t FieldLocationsCount() = 0;
    // The number of transport name searches; raises any error.
    virtual int32_t TransportNameCount() = 0;
    // The name search pattern at Index ("%" and "_" wildcards), trimmed; raises any error.
    virtual std::string TransportNameSearchString(int32_t Index) = 0;
    // The number of transport methods; raises any error.
    virtual int32_t TransportMethodCount() = 0;
    // The code of the transport method at Index, trimmed; raises any error.
    virtual std::string TransportMethod(int32_t Index) = 0;
    // The number of primary product type entries; raises any error.
    virtual int32_t PrimaryProductTypeCount() = 0;
    // The codes set in the entry at Index, each in double quotes, joined by ", " in the order OIL,
    // LPG, COND, GAS ("\"OIL\", \"GAS\""); "" when none is set; raises &H80041066 naming the flag for
    // an entry that is missing or lacks a flag, and any other error.
    virtual std::string PrimaryProductType(int32_t Index) = 0;
    // The number of date ranges; raises any error.
    virtual int32_t DateRangeCount() = 0;
    // The lower bound (a date serial as text, "0" for none) of the range at Index; raises any error.
    virtual std::string DateRangeMin(int32_t Index) = 0;
    // The upper bound (a date serial as text, "0" for none) of the range at Index; raises any error.
    virtual std::string DateRangeMax(int32_t Index) = 0;
    // The date column the range at Index applies to; raises any error.
    virtual std::string DateRangeName(int32_t Index) = 0;
    // The number of transport statuses; raises any error.
    virtual int32_t TransportStatusCount() = 0;
    // The number of transport systems; raises any error.
    virtual int32_t TransportSystemsCount() = 0;
    // The number of transport sources; raises any error.
    virtual int32_t TransportSourceCount() = 0;
    // The number of transport destinations; raises any error.
    virtual int32_t TransportDestinationCount() = 0;
    // The number of pipeline specification ranges; raises any error.
    virtual int32_t TransportSpecificationCount() = 0;
    // The lower bound, as entered, of the pipeline specification range at Index; raises any error.
    virtual std::string TransportSpecificationRangeMin(int32_t Index) = 0;
    // The upper bound, as entered, of the pipeline specification range at Index; raises any error.
    virtual std::string TransportSpecificationRangeMax(int32_t Index) = 0;
    // The default unit of the pipeline specification range at Index; raises any error.
    virtual std::string TransportSpecificationRangeUnit(int32_t Index) = 0;
    // The unit category of the pipeline specification range at Index; raises any error.
    virtual std::string TransportSpecificationRangeCategory(int32_t Index) = 0;
    // The database column of the pipeline specification range at Index; raises any error.
    virtual std::string TransportSpecificationRangeFieldname(int32_t Index) = 0;
    // The description of the transport method at Index, trimmed; raises any error.
    virtual std::string TransportMethodDescription(int32_t Index) = 0;
    // The source type of the transport source at Index; raises any error.
    virtual std::string TransportSourceType(int32_t Index) = 0;
    // The destination type of the transport destination at Index; raises any error.
    virtual std::string TransportDestinationType(int32_t Index) = 0;
    // The unit caption of the pipeline specification range at Index; raises any error.
    virtual std::string TransportSpecificationRangeUnitCaption(int32_t Index) = 0;
    // The number of asset codes; raises any error.
    virtual int32_t AssetCodeCount() = 0;
    // The number of transport systems, as TransportSystemsCount; raises any error.
    virtual int32_t TransportCount() = 0;
    // The transport system codes, bare, as TransportSystemsList; raises any error.
    virtual std::string TransportCodesList() = 0;
    // Stores the pattern with "*" and "?" made "%" and "_", untrimmed; a pattern of blanks only adds
    // nothing; ignored while the active query is read-only; shows any error.
    virtual void AddTransportNameSearchString(const std::string& sCode) = 0;
    // Deletes every name search; ignored while the active query is read-only; raises any error.
    virtual void ClearTransportNameSearchStrings() = 0;
    // The transport system codes joined by ",", bare; "" when none; shows any error.
    virtual std::string TransportSystemsList() = 0;
    // Stores the system once when its code is at least 0; ignored while the active query is
    // read-only; shows any error.
    virtual void AddTransportSystem(int32_t lTransportSystemCode,
                                    const std::string& sTransportSystemDescription) = 0;
    // Deletes the system with that code; ignored while the active query is read-only; shows any error.
    virtual void RemoveTransportSystem(int32_t lTransportSystemCode) = 0;
    // Deletes every system; ignored while the active query is read-only; raises any error.
    virtual void ClearTransportSystems() = 0;
    // The transport status codes, each in single quotes, joined by ","; shows any error.
    virtual std::string TransportStatusList() = 0;
    // Stores the code and name the transport list cached under the item number (empty ones too);
    // ignored while the active query is read-only; shows any error (a number never handed out: 5).
    virtual void AddTransportStatus(int32_t lCode) = 0;
    // Deletes the status whose code the transport list cached under the item number; nothing while
    // that code is "" or the active query is read-only; shows any error.
    virtual void RemoveTransportStatus(int32_t lCode) = 0;
    // Deletes every status; ignored while the active query is read-only; raises any error.
    virtual void ClearTransportStatuses() = 0;
    // The transport source codes joined by ",", bare; shows any error.
    virtual std::string TransportSourceList() = 0;
    // Stores the source once by its code; ignored while the active query is read-only; shows any
    // error.
    virtual void AddTransportSource(const std::string& sSourceType, const std::string& sSourceCode,
                                    const std::string& sSourceDescription) = 0;
    // Deletes the source with that code; ignored while the active query is read-only; shows any error.
    virtual void RemoveTransportSource(const std::string& sSourceCode) = 0;
    // Deletes every source; ignored while the active query is read-only; raises any error.
    virtual void ClearTransportSources() = 0;
    // The transport destination codes joined by ",", bare; shows any error.
    virtual std::string TransportDestinationList() = 0;
    // Stores the destination once by its code; ignored while the active query is read-only; shows
    // any error.
    virtual void AddTransportDestination(const std::string& sDestinationType,
                                         const std::string& sDestinationCode,
                                         const std::string& sDestinationDescription) = 0;
    // Deletes the destination with that code; ignored while the active query is read-only; shows any
    // error.
    virtual void RemoveTransportDestination(const std::string& sDestinationCode) = 0;
    // Deletes every destination; ignored while the active query is read-only; raises any error.
    virtual void ClearTransportDestinations() = 0;
    // Stores a date range on the column sTransportName when a bound is above 0, once per column;
    // ignored while the active query is read-only; raises any error.
    virtual void AddDate(const std::string& sTransportName, const std::string& sDescription,
                         int32_t lDateHigh, int32_t lDateLow, const std::string& sDateStringHigh,
                         const std::string& sDateStringLow) = 0;
    // Deletes the date range on that column; ignored while the active query is read-only; raises any
    // error.
    virtual void RemoveDate(const std::string& sTransportName) = 0;
    // Deletes every date range; ignored while the active query is read-only; raises any error.
    virtual void ClearDates() = 0;
    // Stores a pipeline specification range once per column, whatever its bounds (text, unchecked); ignored
    // while the active query is read-only; raises any error.
    virtual void AddTransportSpecification(const std::string& sSpecificationName, const std::string& sCaption,
                                           const std::string& sKey, const std::string& sDefaultUnit,
                                           const std::string& sUnitCategory, const std::string& dBoundaryLow,
                                           const std::string& dBoundaryHigh,
                                           const std::string& sUnitCaption) = 0;
    // Deletes every pipeline specification range; ignored while the active query is read-only; raises any
    // error.
    virtual void ClearTransportSpecifications() = 0;
    // Stores the code and name the transport list cached under the item number (empty ones too);
    // ignored while the active query is read-only; shows any error (a number never handed out: 5).
    virtual void AddTransportMethod(int32_t lCode) = 0;
    // Deletes every method; ignored while the active query is read-only; raises any error.
    virtual void ClearTransportMethods() = 0;
    // Stores one entry of four flags, keyed by the oil flag (so at most an oil and a no-oil entry);
    // ignored while the active query is read-only; raises any error.
    virtual void AddPrimaryProductTypes(bool bOil, bool bLPG, bool bCondensate, bool bGas) = 0;
    // Deletes every product type entry; ignored while the active query is read-only; raises any error.
    virtual void ClearPrimaryProductTypes() = 0;
    // The codes of the transports the field locations' fields ship through (TransportsByUserField of
    // the field codes); "" when none; raises &H80041066 for a stored field code that is no number, and
    // any other error.
    virtual std::string FieldLocationsList() = 0;
    // Stores the field once when its code is at least 0; ignored while the active query is read-only;
    // raises any error.
    virtual void AddFieldLocation(int32_t lFieldCode, const std::string& sFieldDescription,
                                  const std::string& sDevStatusCode) = 0;
    // Deletes the field location with that code; ignored while the active query is read-only; raises
    // any error.
    virtual void RemoveFieldLocation(int32_t lFieldCode) = 0;
    // Deletes every field location; ignored while the active query is read-only; raises any error.
    virtual void ClearFieldLocations() = 0;
    // The non-Null "TRANSPORT_CODE" values, in row order and not de-duplicated, joined by ",", of the
    // Options statement "SQL_TRANSPORT_CODE_BY_FIELD" with "<fieldcodes>" filled by the comma list of
    // field codes; "" when no row has one; raises &H80041066 naming an item that is no number, and
    // what the statement raises.
    virtual std::string TransportsByUserField(const std::string& sFieldCodes) = 0;
    // The transport status names joined by ",", bare; shows any error.
    virtual std::string TransportStatusDescriptionList() = 0;
    // The field location codes, each in single quotes, joined by ","; raises any error.
    virtual std::string FieldLocationsCodeList() = 0;
    // The field location names, each in single quotes, joined by ","; raises any error.
    virtual std::string FieldLocationsDescriptionList() = 0;
    // The field locations' development status codes, each in single quotes, joined by ","; raises any
    // error.
    virtual std::string FieldLocationsStatusList() = 0;
    // Stores the asset code once; ignored while the active query is read-only; raises any error.
    virtual void AddAssetCode(const std::string& sCode) = 0;
    // The asset codes joined by ",", bare; raises any error.
    virtual std::string AssetCodeList() = 0;
    // Stores the mnemonic once (attribute "ID"); ignored while the active query is read-only; raises
    // any error.
    virtual void AddQZMnemonic(const std::string& sCode) = 0;
    // The number of mnemonics; shows any error.
    virtual int32_t QZMnemonicCount() = 0;
    // The mnemonics, each in single quotes, joined by ","; shows any error.
    virtual std::string QZMnemonicList() = 0;
};
