#pragma once
// One query: criteria for one asset type held as XML (the query document),
// its options, the criteria sets that the host fills, an identifier and a
// read-only flag.  Made only by the query manager, which hands it the host
// settings' "Query" element; that loads the default query file.
#include <cstdint>
#include <string>

#include "core/ErrorDisplay.h"
#include "interfaces/IQuery.h"
#include "interfaces/ISettingsObject2.h"

namespace ADODB {
class Recordset;
}
class CQueryRenderer;

class CQuery final : public IQuery, public ISettingsObject2, public ShowsErrors<ErrDisplay::E> {
public:
    CQuery();
    ~CQuery() override;

    // The exception this query last showed.
    int32_t ErrorNumber() override { return errorFields_.ErrorNumber; }
    std::string ErrorSource() override { return errorFields_.ErrorSource; }
    std::string ErrorDescription() override { return errorFields_.ErrorDescription; }
    bool ErrorIsException() override { return errorFields_.ErrorIsException; }

    std::string ID() override { return id_; }
    Ref<IParameters> Parameters() override { return parameters_; }
    // True once an execution opened the asset record set.
    bool Active() override;
    // "Query/Options/AssetType"; a query without one becomes a "Block" query.
    std::string QueryType() override;
    void SetQueryType(const std::string& sType) override;
    void SetGrossNet(const std::string& sGrossNet) override;
    // "Query/Options/GrossNet"; "Gross" when missing (nothing is written).
    std::string GrossNet() override;
    std::string DescriptionText() override { return "N/A"; }
    void SetReadOnly(bool bReadOnly) override { readOnly_ = bReadOnly; }
    bool ReadOnly() override { return readOnly_; }
    // Renders the query's description into the manager's tree view.
    void BuildDescriptionTree() override;
    // Not available: says so and changes nothing.
    void Clear() override;
    // Loads a query file and binds the criteria sets to it.  A file that
    // cannot be read or holds no "Parameters" fails and changes nothing.
    void Load(const std::string& sFile) override;
    // Writes the query to a file in its stored form; a failure is shown, never
    // raised.  The query's own document and file name stay as they are.
    void Save(const std::string& sFile) override;

    // ISettingsObject2: receives the settings element and loads the default
    // query file it names.
    void Settings(const Ref<ISettings2>& oSettings) override;

    std::string TypeName() const override { return "CQuery"; }

private:
    static constexpr const char* kAssetTypePath = "Query/Options/AssetType";
    static constexpr const char* kGrossNetPath = "Query/Options/GrossNet";

    Ref<ISettings2> settings_;  // the host settings' "Query" element
    Ref<ISettings2> document_;  // the loaded query file
    // Result record sets by type: 0 asset, 1 participant, 2 annual.
    Ref<ADODB::Recordset> recordsets_[3];
    std::string id_;
    bool readOnly_ = false;
    Ref<IParameters> parameters_;
    Ref<CQueryRenderer> renderer_;
};
