#include "support/FakeRoot.h"

#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>

#include "Version.h"
#include "core/CTools.h"
#include "core/Globals.h"
#include "interfaces/IQueryManager.h"
#include "interfaces/ISettings2.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"
#include "platform/units/Units.h"
#include "support/TempDir.h"

namespace {

[[noreturn]] void CopyFailed(const std::string& what) {
    Raise(rt::kPathFileAccess, "FakeRoot", "Cannot prepare the sample data copy: " + what);
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// Points every linked table at the file of the same name in the copy's
// database folder, as the root's repair would before it opens the database.
void RepointLinks(const std::string& database, const std::string& folder) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(database.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        CopyFailed(database);
    }
    // The file name is what is left once the folder is cut off; the folder is
    // the path right-trimmed of every character but the separators, which
    // stops at the last separator.
    sqlite3_stmt* st = nullptr;
    int rc =
        sqlite3_prepare_v2(db,
                           "UPDATE LinkedTables SET Datasource = ?1 || replace(Datasource, rtrim(Datasource, "
                           "replace(replace(Datasource, '\\', '/'), '/', '')), '')",
                           -1, &st, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_bind_text(st, 1, folder.c_str(), -1, SQLITE_TRANSIENT);
        rc = sqlite3_step(st) == SQLITE_DONE ? SQLITE_OK : SQLITE_ERROR;
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    if (rc != SQLITE_OK) CopyFailed("linked tables of " + database);
}

}  // namespace

void CopySampleData(const std::string& sFolder) {
    std::error_code ec;
    std::filesystem::copy(
        SampleDataFolder(), sFolder,
        std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing, ec);
    if (ec) CopyFailed(ec.message());
    std::string settingsFile = sFolder + "Terralith.settings.xml";
    std::string settings = Replace(ReadText(settingsFile), SampleDataFolder(), sFolder);
    std::ofstream(settingsFile, std::ios::binary | std::ios::trunc) << settings;
    RepointLinks(sFolder + "Core/Database/Terralith.db", sFolder + "Core/Database/");
}

// ---------------------------------------------------------------- creation

FakeRoot::FakeRoot(std::string sDataFolder) : folder_(std::move(sDataFolder)) {
    if (!folder_.empty() && folder_.back() != '/') folder_ += '/';
    settings_ = gTools()->NewSettingsObject();
    if (!settings_->Load(SettingsFile())) CopyFailed("no settings file in " + folder_);
    databaseFile_ = settings_->GetValue("Options/Files/CoreDatabase").ToString();
    notesFile_ = settings_->GetValue("Options/Files/NotesDatabase").ToString();
}

Ref<FakeRoot> FakeRoot::Install(const std::string& sDataFolder) {
    auto root = New<FakeRoot>(sDataFolder);
    SetRootReferences(Ref<IDataManager>(root), Ref<_cvDataManager>(root));
    return root;
}

FakeRoot::~FakeRoot() { CloseDatabase(); }

std::string FakeRoot::VersionString() {
    return std::to_string(TERRALITH_VERSION_MAJOR) + "." + std::to_string(TERRALITH_VERSION_MINOR) + "." +
           std::to_string(TERRALITH_VERSION_REVISION);
}

// ---------------------------------------------------------------- database

void FakeRoot::OpenDatabase() {
    auto connection = New<ADODB::Connection>();
    connection->SetMode(1);
    connection->SetProvider("SQLite");
    connection->Open("Data Source=" + Database());
    CloseDatabase();
    connection_ = connection;
}

void FakeRoot::CloseDatabase() {
    try {
        if (connection_ && connection_->State() != 0) connection_->Close();
    } catch (...) {
    }
    connection_.Reset();
}

std::string FakeRoot::GetOption(const std::string& sKey) {
    if (auto it = options_.find(sKey); it != options_.end()) return it->second;
    if (!connection_) return "";
    auto rs = gTools()->NewADODBRecordset();
    rs->Open("SELECT Value FROM Options WHERE [Key] = ?", connection_, 3, 1, VariantArray{Variant(sKey)});
    std::string value = rs->RecordCount() > 0 ? rs->Fields("Value").Value().ToString() : "";
    rs->Close();
    return value;
}

Ref<::Units> FakeRoot::Units() {
    if (!units_) {
        auto units = New<::Units>();
        if (!settings_->Select("Units")) CopyFailed("no Units element in " + SettingsFile());
        units->Settings(settings_->Node());
        units_ = units;
    }
    return units_;
}

std::string FakeRoot::GetShortCompanyName(const std::string&) { Raise(rt::kNoSuchMember, "FakeRoot"); }

std::string FakeRoot::GetQZAssetCode(const std::string&, const std::string&, const std::string&) {
    Raise(rt::kNoSuchMember, "FakeRoot");
}

// ---------------------------------------------------------------- messages to the host

void FakeRoot::Record(const std::string& sCommand, const std::string& sValue) {
    if (!listening_) Raise(rt::kObjectNotSet, "FakeRoot");
    sent_.push_back(sCommand + ": " + sValue);
}

std::vector<std::string> FakeRoot::SentWith(const std::string& sPart) const {
    std::vector<std::string> out;
    for (const auto& s : sent_)
        if (s.find(sPart) != std::string::npos) out.push_back(s);
    return out;
}

namespace {
std::string Flag(bool b) { return b ? "True" : "False"; }
}  // namespace

void FakeRoot::SetStatusMessage(const std::string& sMessage) { Record("STATUS_MESSAGE", sMessage); }

void FakeRoot::SetProgressCancel(bool bCancel) {
    Record("PROGRESS_BAR_CANCEL", Flag(bCancel));
    cancelled_ = false;
}

void FakeRoot::SetProgressMessage(const std::string& sMessage) { Record("PROGRESS_BAR_MESSAGE", sMessage); }

void FakeRoot::SetProgressMax(int32_t lMax) { Record("PROGRESS_BAR_MAX", std::to_string(lMax)); }

void FakeRoot::SetProgressValue(int32_t lValue) { Record("PROGRESS_BAR_VALUE", std::to_string(lValue)); }

void FakeRoot::SetProgressVisible(bool bVisible) { Record("PROGRESS_BAR_VISIBLE", Flag(bVisible)); }

void FakeRoot::Progress(const std::string& sMsg, int32_t lMax, int32_t lValue, bool bVisible) {
    SetProgressMessage(sMsg);
    SetProgressMax(lMax);
    SetProgressValue(lValue);
    SetProgressVisible(bVisible);
}

Ref<ITreeView> FakeRoot::QueryDescriptionTree() { return queries_->DescriptionTree(); }
