#pragma once
// The criteria of a transport query, below "TransportDetail" of the query's "Transport"
// element: asset codes, date ranges, mnemonics, the fields a transport serves, primary
// product types, sources, destinations, methods, name searches, pipeline specification ranges,
// statuses, systems and shore statuses.  Methods and statuses are picked from the host's
// lists that the transport reference list filled, so they arrive as that list's item
// numbers.  Its errors, where a member ends them, go to a message box and the error log.
#include <string>

#include "criteria/CAssetCriteriaSet.h"
#include "interfaces/ITransport.h"

class CTransport final : public ITransport, public CAssetCriteriaSet {
public:
    static constexpr const char* kSetRoot = "TransportDetail";

    CTransport();

    // The class's own interface: the transports that ship the fields' production, as
    // TransportsByUserField (the same member under the name its own interface gives it).
    std::string ITransport_TransportsByUserField(const std::string& sFieldCodes);

    int32_t FieldLocationsCount() override;
    int32_t TransportNameCount() override;
    std::string TransportNameSearchString(int32_t Index) override;
    int32_t TransportMethodCount() override;
    std::string TransportMethod(int32_t Index) override;
    int32_t PrimaryProductTypeCount() override;
    std::string PrimaryProductType(int32_t Index) override;
    int32_t DateRangeCount() override;
    std::string DateRangeMin(int32_t Index) override;
    std::string DateRangeMax(int32_t Index) override;
    std::string DateRangeName(int32_t Index) override;
    int32_t TransportStatusCount() override;
    int32_t TransportSystemsCount() override;
    int32_t TransportSourceCount() override;
    int32_t TransportDestinationCount() override;
    int32_t TransportSpecificationCount() override;
    std::string TransportSpecificationRangeMin(int32_t Index) override;
    std::string TransportSpecificationRangeMax(int32_t Index) override;
    std::string TransportSpecificationRangeUnit(int32_t Index) override;
    std::string TransportSpecificationRangeCategory(int32_t Index) override;
    std::string TransportSpecificationRangeFieldname(int32_t Index) override;
    std::string TransportMethodDescription(int32_t Index) override;
    std::string TransportSourceType(int32_t Index) override;
    std::string TransportDestinationType(int32_t Index) override;
    std::string TransportSpecificationRangeUnitCaption(int32_t Index) override;
    int32_t AssetCodeCount() override;
    int32_t TransportCount() override;
    std::string TransportCodesList() override;
    void AddTransportNameSearchString(const std::string& sCode) override;
    void ClearTransportNameSearchStrings() override;
    std::string TransportSystemsList() override;
    void AddTransportSystem(int32_t lTransportSystemCode,
                            const std::string& sTransportSystemDescription) override;
    void RemoveTransportSystem(int32_t lTransportSystemCode) override;
    void ClearTransportSystems() override;
    std::string TransportStatusList() override;
    void AddTransportStatus(int32_t lCode) override;
    void RemoveTransportStatus(int32_t lCode) override;
    void ClearTransportStatuses() override;
    std::string TransportSourceList() override;
    void AddTransportSource(const std::string& sSourceType, const std::string& sSourceCode,
                            const std::string& sSourceDescription) override;
    void RemoveTransportSource(const std::string& sSourceCode) override;
    void ClearTransportSources() override;
    std::string TransportDestinationList() override;
    void AddTransportDestination(const std::string& sDestinationType, const std::string& sDestinationCode,
                                 const std::string& sDestinationDescription) override;
    void RemoveTransportDestination(const std::string& sDestinationCode) override;
    void ClearTransportDestinations() override;
    void AddDate(const std::string& sTransportName, const std::string& sDescription, int32_t lDateHigh,
                 int32_t lDateLow, const std::string& sDateStringHigh,
                 const std::string& sDateStringLow) override;
    void RemoveDate(const std::string& sTransportName) override;
    void ClearDates() override;
    void AddTransportSpecification(const std::string& sSpecificationName, const std::string& sCaption,
                                   const std::string& sKey, const std::string& sDefaultUnit,
                                   const std::string& sUnitCategory, const std::string& dBoundaryLow,
                                   const std::string& dBoundaryHigh,
                                   const std::string& sUnitCaption) override;
    void ClearTransportSpecifications() override;
    void AddTransportMethod(int32_t lCode) override;
    void ClearTransportMethods() override;
    void AddPrimaryProductTypes(bool bOil, bool bLPG, bool bCondensate, bool bGas) override;
    void ClearPrimaryProductTypes() override;
    std::string FieldLocationsList() override;
    void AddFieldLocation(int32_t lFieldCode, const std::string& sFieldDescription,
                          const std::string& sDevStatusCode) override;
    void RemoveFieldLocation(int32_t lFieldCode) override;
    void ClearFieldLocations() override;
    std::string TransportsByUserField(const std::string& sFieldCodes) override;
    std::string TransportStatusDescriptionList() override;
    std::string FieldLocationsCodeList() override;
    std::string FieldLocationsDescriptionList() override;
    std::string FieldLocationsStatusList() override;
    void AddAssetCode(const std::string& sCode) override;
    std::string AssetCodeList() override;
    void AddQZMnemonic(const std::string& sCode) override;
    int32_t QZMnemonicCount() override;
    std::string QZMnemonicList() override;

private:
    static const CriteriaSetProfile kProfile;
};
