#pragma once
// The transport reference list: transport methods and statuses (each cached
// when a fill puts it into a host control, so the look-ups can turn a picked
// row's item number back into its code and name), the source, destination,
// transport-system and user-field trees, the development-status tree, the
// transport dates and pipeline specifications of the data-type chooser, and
// the countries of the host's asset groups.
#include <cstdint>
#include <string>

#include "core/ErrorDisplay.h"
#include "interfaces/IDataLists.h"
#include "lists/CLookupCache.h"

namespace ADODB {
class Recordset;
}

class CListTransport final : public IListTransport, public ShowsErrors<ErrDisplay::B> {
public:
    std::string TransportMethodCode(int32_t lID) override;
    std::string TransportMethodDescription(int32_t lID) override;
    std::string TransportStatusCode(int32_t lID) override;
    std::string TransportStatusDescription(int32_t lID) override;
    void PopulateTransportSystems(const Ref<ITreeView>& tvTree,
                                  const std::string& sSelectedCountries) override;
    void PopulateTransportMethods(const Ref<IListControl>& ctl) override;
    void PopulateTransportStatuses(const Ref<IListControl>& ctl) override;
    void PopulateTransportDates(const Ref<IDataTypeChooser>& ctl) override;
    void PopulateTransportDevelopmentStatuses(const Ref<ITreeView>& ctl) override;
    void PopulateUserFields(const Ref<ITreeView>& tvTree, const std::string& sSelectedCountries,
                            const std::string& sDevelopmentStatus) override;
    void PopulateTransportSources(const Ref<ITreeView>& tvTree, const std::string& sSourceType) override;
    void PopulateTransportDestinations(const Ref<ITreeView>& tvTree,
                                       const std::string& sDestinationType) override;
    void PopulateTransportSpecifications(const Ref<IDataTypeChooser>& ctl) override;
    void GetCountryCodes(const Ref<cvCollection>& colAssets) override;

    // The caches, filled by the list's fill operations.
    CLookupCache& TransportMethods() { return transportMethods_; }
    CLookupCache& TransportStatuses() { return transportStatuses_; }

    std::string TypeName() const override { return "CListTransport"; }

private:
    // The sources or destinations of one type ("Field" or "Terminal"; any
    // other adds nothing) into the tree, the window frozen meanwhile; raises
    // what reading the statement raises.
    void FillLocations(const Ref<ITreeView>& tvTree, const std::string& sType);
    // The template with "<FILTER>" replaced by the type and "<CountryCodes>"
    // by the active query's countries, opened; raises any error.
    Ref<ADODB::Recordset> GetTransports(const std::string& sSQL, const std::string& sSourceType);
    // The grouped fields or terminals from the current row on, under a new
    // root, check boxes on; shows its own error and returns.
    void ParseFieldLocations(const Ref<ITreeView>& tvTree, ADODB::Recordset& rs);
    void ParseTerminalLocations(const Ref<ITreeView>& tvTree, ADODB::Recordset& rs);
    // The open record sets of the two country trees; raise any error.
    Ref<ADODB::Recordset> GetTransportSystemsInCountry(const std::string& sSelectedCountries);
    Ref<ADODB::Recordset> GetFieldsInCountryByDevelopmentStatus(const std::string& sSelectedCountries,
                                                                const std::string& sDevelopmentStatus);

    CLookupCache transportMethods_;
    CLookupCache transportStatuses_;
};
