#include "support/FakeQuery.h"

#include "platform/runtime/Error.h"

namespace {
[[noreturn]] void NotFaked(const char* member) {
    Raise(rt::kNoSuchMember, "", std::string("Object doesn't support this property or method: ") + member);
}
}  // namespace

int32_t FakeQuery::ErrorNumber() { NotFaked("IQuery.ErrorNumber"); }
std::string FakeQuery::ErrorSource() { NotFaked("IQuery.ErrorSource"); }
std::string FakeQuery::ErrorDescription() { NotFaked("IQuery.ErrorDescription"); }
bool FakeQuery::ErrorIsException() { NotFaked("IQuery.ErrorIsException"); }
std::string FakeQuery::ID() { NotFaked("IQuery.ID"); }
Ref<IParameters> FakeQuery::Parameters() {
    if (!parameters_) NotFaked("IQuery.Parameters");
    return parameters_;
}
bool FakeQuery::Active() { NotFaked("IQuery.Active"); }
Ref<ADODB::Recordset> FakeQuery::Results(int32_t) { NotFaked("IQuery.Results"); }
std::string FakeQuery::QuerySQL(int32_t) { NotFaked("IQuery.QuerySQL"); }
int32_t FakeQuery::RecordCount(int32_t) { NotFaked("IQuery.RecordCount"); }
std::string FakeQuery::DescriptionText() { NotFaked("IQuery.DescriptionText"); }
Ref<cvCollection> FakeQuery::Companies() { NotFaked("IQuery.Companies"); }
Ref<cvCollection> FakeQuery::ParentCompanies() { NotFaked("IQuery.ParentCompanies"); }
bool FakeQuery::CompanySelected(int32_t) { NotFaked("IQuery.CompanySelected"); }
bool FakeQuery::ParentCompanySelected(int32_t) { NotFaked("IQuery.ParentCompanySelected"); }
int32_t FakeQuery::Execute() { NotFaked("IQuery.Execute"); }
void FakeQuery::BuildDescriptionTree() { NotFaked("IQuery.BuildDescriptionTree"); }
void FakeQuery::Clear() { NotFaked("IQuery.Clear"); }
void FakeQuery::Load(const std::string&) { NotFaked("IQuery.Load"); }
void FakeQuery::Save(const std::string&) { NotFaked("IQuery.Save"); }
std::string FakeQuery::GetSQL() { NotFaked("IQuery.GetSQL"); }

int32_t FakeQueryManager::ErrorNumber() { NotFaked("IQueryManager.ErrorNumber"); }
std::string FakeQueryManager::ErrorSource() { NotFaked("IQueryManager.ErrorSource"); }
std::string FakeQueryManager::ErrorDescription() { NotFaked("IQueryManager.ErrorDescription"); }
bool FakeQueryManager::ErrorIsException() { NotFaked("IQueryManager.ErrorIsException"); }
void FakeQueryManager::SetDescriptionTree(const Ref<ITreeView>&) {
    NotFaked("IQueryManager.SetDescriptionTree");
}
Ref<ITreeView> FakeQueryManager::DescriptionTree() { NotFaked("IQueryManager.DescriptionTree"); }

Ref<IQuery> FakeQueryManager::Query(const std::string& Index) {
    if (Index != "-1") NotFaked("IQueryManager.Query (only \"-1\" is faked)");
    return active_;
}

Ref<IQuery> FakeQueryManager::Find(const std::string&) { NotFaked("IQueryManager.Find"); }
void FakeQueryManager::New() { NotFaked("IQueryManager.New"); }
void FakeQueryManager::MovePrevious() { NotFaked("IQueryManager.MovePrevious"); }
void FakeQueryManager::MoveNext() { NotFaked("IQueryManager.MoveNext"); }
void FakeQueryManager::Load(const std::string&) { NotFaked("IQueryManager.Load"); }
void FakeQueryManager::Delete(const std::string&) { NotFaked("IQueryManager.Delete"); }
void FakeQueryManager::MoveFirst() { NotFaked("IQueryManager.MoveFirst"); }
void FakeQueryManager::MoveLast() { NotFaked("IQueryManager.MoveLast"); }
void FakeQueryManager::Clear() { NotFaked("IQueryManager.Clear"); }
