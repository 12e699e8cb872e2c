#pragma once
// The active query reduced to what most subsystems ask of it: whether it is
// read-only, and whether it reads gross or net figures.  Every other member
// raises 438 (object doesn't support this property or method), so a test that
// comes to need more says so at once and the fakes stay small as the
// interfaces grow.
#include <string>

#include "interfaces/IQuery.h"
#include "interfaces/IQueryManager.h"

class FakeQuery final : public IQuery {
public:
    // Raises 438.
    int32_t ErrorNumber() override;
    // Raises 438.
    std::string ErrorSource() override;
    // Raises 438.
    std::string ErrorDescription() override;
    // Raises 438.
    bool ErrorIsException() override;
    // Raises 438.
    std::string ID() override;
    // What SetParameters plugged in; raises 438 until then.
    Ref<IParameters> Parameters() override;
    // Plugs in the criteria Parameters hands out (a real container bound to a
    // query document of the test's, for a subsystem that reads criteria).
    void SetParameters(const Ref<IParameters>& oParameters) { parameters_ = oParameters; }
    // Raises 438.
    bool Active() override;
    // Raises 438.
    Ref<ADODB::Recordset> Results(int32_t lRecordSetType) override;
    // The asset type SetQueryType set; "Block" at the start, as a query without one reads.
    std::string QueryType() override { return queryType_; }
    // Sets the asset type QueryType reads.
    void SetQueryType(const std::string& sType) override { queryType_ = sType; }
    // Sets the choice GrossNet reads.
    void SetGrossNet(const std::string& sGrossNet) override { grossNet_ = sGrossNet; }
    // The choice SetGrossNet set; "Gross" at the start, as a query without one reads.
    std::string GrossNet() override { return grossNet_; }
    // Raises 438.
    std::string QuerySQL(int32_t lRecordSetType) override;
    // Raises 438.
    int32_t RecordCount(int32_t lRecordSetType) override;
    // Raises 438.
    std::string DescriptionText() override;
    // Raises 438.
    Ref<cvCollection> Companies() override;
    // Raises 438.
    Ref<cvCollection> ParentCompanies() override;
    // Raises 438.
    bool CompanySelected(int32_t lCode) override;
    // Raises 438.
    bool ParentCompanySelected(int32_t lCode) override;
    // Sets the flag ReadOnly reads.
    void SetReadOnly(bool bReadOnly) override { readOnly_ = bReadOnly; }
    // The flag SetReadOnly set; False at the start.
    bool ReadOnly() override { return readOnly_; }
    // Raises 438.
    int32_t Execute() override;
    // Raises 438.
    void BuildDescriptionTree() override;
    // Raises 438.
    void Clear() override;
    // Raises 438.
    void Load(const std::string& sFile) override;
    // Raises 438.
    void Save(const std::string& sFile) override;
    // Raises 438.
    std::string GetSQL() override;

    std::string TypeName() const override { return "FakeQuery"; }

private:
    bool readOnly_ = false;
    std::string queryType_ = "Block";
    std::string grossNet_ = "Gross";
    Ref<IParameters> parameters_;
};

class FakeQueryManager final : public IQueryManager {
public:
    // The one query, the active one, that Query("-1") hands out.
    const Ref<FakeQuery>& ActiveQuery() const { return active_; }
    // From now on Query("-1") hands out Nothing, as the real manager does
    // once it could not make a query (it shows why itself).
    void DropActiveQuery() { active_ = nullptr; }

    // Raises 438.
    int32_t ErrorNumber() override;
    // Raises 438.
    std::string ErrorSource() override;
    // Raises 438.
    std::string ErrorDescription() override;
    // Raises 438.
    bool ErrorIsException() override;
    // Raises 438.
    void SetDescriptionTree(const Ref<ITreeView>& oTree) override;
    // Raises 438.
    Ref<ITreeView> DescriptionTree() override;
    // ActiveQuery for "-1"; raises 438 for any other index.
    Ref<IQuery> Query(const std::string& Index) override;
    // Raises 438.
    Ref<IQuery> Find(const std::string& sID) override;
    // Raises 438.
    void New() override;
    // Raises 438.
    void MovePrevious() override;
    // Raises 438.
    void MoveNext() override;
    // Raises 438.
    void Load(const std::string& sFileName) override;
    // Raises 438.
    void Delete(const std::string& sID) override;
    // Raises 438.
    void MoveFirst() override;
    // Raises 438.
    void MoveLast() override;
    // Raises 438.
    void Clear() override;

    std::string TypeName() const override { return "FakeQueryManager"; }

private:
    Ref<FakeQuery> active_ = ::New<FakeQuery>();
};
