#include "root/cvDataManager.h"

#include <filesystem>

#include "Version.h"
#include "charts/CChartEngine.h"
#include "core/CTools.h"
#include "core/CreateObject.h"
#include "core/ErrorHandler.h"
#include "core/Globals.h"
#include "core/HuntERR31.h"
#include "core/SettingsElement.h"
#include "core/mTL5ErrorCodes.h"
#include "fieldchooser/CSelectedFields.h"
#include "interfaces/IChartEngine.h"
#include "interfaces/IDataLists.h"
#include "interfaces/IFieldChooser.h"
#include "interfaces/IQueryManager.h"
#include "lists/CLists.h"
#include "platform/ado/AdoErrors.h"
#include "platform/ado/Catalog.h"
#include "platform/ado/Connection.h"
#include "platform/ado/ConnectionStringParts.h"
#include "platform/ado/Recordset.h"
#include "platform/ado/Table.h"
#include "platform/i18n/i18N.h"
#include "platform/runtime/Codepage.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"
#include "platform/runtime/cvCollection.h"
#include "platform/toolslib/AssetIndexFile.h"
#include "platform/toolslib/FileSystemObject.h"
#include "platform/toolslib/cvFileIO.h"
#include "platform/toolslib/cvMessaging.h"
#include "platform/toolslib/cvStrings.h"
#include "platform/toolslib/cvWindows.h"
#include "platform/ui/MsgBox.h"
#include "platform/units/Units.h"
#include "queries/CQueryManager.h"
#include "root/TerralithClasses.h"

namespace {
constexpr const char* kDestination = "A.CV";
constexpr const char* kStartupDestination = "A";
}  // namespace

// ---------------------------------------------------------------- creation

cvDataManager::cvDataManager() = default;

Ref<cvDataManager> cvDataManager::Create() {
    RegisterTerralithClasses();
    auto root = New<cvDataManager>();
    root->Initialize();
    return root;
}

void cvDataManager::Initialize() {
    PassOn("cvDataManager.Class_Initialize()", ERR_ARGS(), [&] {
        Ref<cvDataManager> self(shared_from_this());
        SetRootReferences(Ref<IDataManager>(self), Ref<_cvDataManager>(self));
        Ref<CTools> tools = gTools();
        settings_ = tools->NewSettingsObject();
        units_ = CreateObjectAs<::Units>("cvUnits.Units");
        companyNames_ = tools->NewCollection();
        lists_ = New<CLists>();
        queryManager_ = New<CQueryManager>();
        chartEngine_ = New<CChartEngine>();
        clientID_ = tools->Windows()->NewID();
        cancelled_ = false;
    });
}

cvDataManager::~cvDataManager() {
    // Released, not closed, for the same reason as on a re-open.
    connection_.Reset();
    settings_.Reset();
    units_.Reset();
    companyNames_.Reset();
    chartEngine_.Reset();
}

std::string cvDataManager::VersionString() {
    return std::to_string(TERRALITH_VERSION_MAJOR) + "." + std::to_string(TERRALITH_VERSION_MINOR) + "." +
           std::to_string(TERRALITH_VERSION_REVISION);
}

// ---------------------------------------------------------------- settings

void cvDataManager::Settings(const Ref<ISettings2>& oSettings) {
    PassOn("cvDataManager.ISettingsObject2_Settings(oSettings)", ERR_ARGS(oSettings), [&] {
        settings_->Attach(oSettings);
        gTools()->i18N()->LoadTranslations(settings_->GetValue("Options/Files/i18N").ToString());
        // One after the other: the units have their settings before a missing
        // "QueryManager" is found.
        units_->Settings(RequiredElement(*settings_, "Units"));
        Cast<ISettingsObject2>(queryManager_)->Settings(RequiredElement(*settings_, "QueryManager"));
    });
}

// ---------------------------------------------------------------- folders

std::string cvDataManager::SettingText(const std::string& sPath) {
    return settings_->GetValue(sPath).ToString();
}

std::string cvDataManager::DataFolder() {
    return gTools()->Str()->WithTrailingSeparator(SettingText("Options/Paths/DataFolder"), 0);
}
std::string cvDataManager::UserDataFolder() {
    return gTools()->Str()->WithTrailingSeparator(SettingText("Options/Paths/UserDataFolder"), 0);
}
std::string cvDataManager::BaseDataFolder() { return DataFolder() + "Core/"; }
std::string cvDataManager::CoreDatabaseFolder() { return BaseDataFolder() + "Database/"; }
std::string cvDataManager::CacheFolder() { return BaseDataFolder() + "Cache/"; }
std::string cvDataManager::NotesFolder() { return BaseDataFolder() + "Notes/"; }
std::string cvDataManager::DatabaseFileName() { return SettingText("Options/Files/CoreDatabase"); }
std::string cvDataManager::NotesDatabaseFileName() { return SettingText("Options/Files/NotesDatabase"); }
std::string cvDataManager::Database() { return CoreDatabaseFolder() + DatabaseFileName(); }
std::string cvDataManager::NotesDatabase() { return CoreDatabaseFolder() + NotesDatabaseFileName(); }

Ref<IFieldChooser> cvDataManager::FieldChooser() { return fieldChooser_; }

// ---------------------------------------------------------------- opening the database

void cvDataManager::OpenDatabase() {
    EndHere(*this, "cvDataManager.IDataManager_OpenDatabase()", ERR_ARGS(), [&] {
        // A successful open must never report an earlier failure.
        errorFields_ = ErrorFields{};
        Ref<CTools> tools = gTools();

        struct Required {
            const char* path;
            int32_t number;
            const char* message;
        };
        const Required required[] = {
            {"Options/Connection/DataProvider", ERR_MISSING_DATA_PROVIDER,
             "Data Provider in Settings file is missing."},
            {"Options/Connection/ConnectionString", ERR_MISSING_CONNECTION_STRING,
             "Connection string in Settings file is missing."},
            {"Options/Connection/ConnectionStringADOX", ERR_MISSING_ADOX_CONNECTION_STRING,
             "ADOX Connection string in Settings file is missing."},
        };
        for (const Required& r : required) {
            Variant value = settings_->GetValue(r.path);
            Check(!value.IsNull() && !Trim(value.ToString()).empty(), r.number, r.message);
        }

        connectionType_ = "file";
        Variant type = settings_->GetValue("Options/Connection/ConnectionType");
        if (!type.IsNull() && !type.ToString().empty()) connectionType_ = LCase(type.ToString());
        dataProvider_ = SettingText("Options/Connection/DataProvider");
        connectionString_ = SettingText("Options/Connection/ConnectionString");
        connectionStringADOX_ = SettingText("Options/Connection/ConnectionStringADOX");

        std::string source;
        if (connectionType_ != "file") {
            // Another connection type names its database in the connection
            // string itself.
            source = connectionString_;
        } else {
            std::string database = Database();
            if (!tools->FSO()->FileExists(database)) {
                SendCommand("CMD=%1!DEST=%2", {Variant("KILL_SPLASH"), Variant(kStartupDestination)});
                // The name is a value: a "||" in it is no line break.
                int32_t answer =
                    ui::MsgBox(MessageText("Unable to locate Terralith Database: ||||%0|||| Do you "
                                           "want to reset your settings file?",
                                           Variant(database)),
                               ui::vbYesNo + ui::vbQuestion, "Corvantis Terralith");
                if (answer == ui::vbYes)
                    SendCommand("CMD=%1!DEST=%2",
                                {Variant("KILL_SETTINGS_FILE"), Variant(kStartupDestination)});
                errorFields_.ErrorNumber = ERR_DATABASE_NOT_FOUND;
                errorFields_.ErrorIsException = false;
                return;
            }
            std::string folder = tools->Str()->WithTrailingSeparator(
                tools->Str()->Token(Replace(database, "\\", "/"), "/", 0, -1), 0);
            std::string check =
                Trim(tools->IO()->ReadINI(folder + "Options.ini", "Startup", "CheckAttachedTables"));
            if (check.empty() || LCase(check) == "yes") UpdateAttachedPaths(database);
            // Quoted, so that a folder name holding ";" or quotes cannot end
            // the path early.
            source = connectionString_ + ADODB::QuoteConnectionValue(database);
        }

        // Opened before it is kept, so a failed re-open leaves the working
        // connection in place.
        auto connection = CreateObjectAs<ADODB::Connection>("ADODB.Connection");
        connection->SetMode(1);
        connection->SetProvider(dataProvider_);
        connection->Open(source);
        // The earlier connection is released, not closed: record sets and
        // neighbours that still hold it keep working, and it closes itself
        // when the last of them lets go.
        connection_ = connection;

        fieldChooser_ = New<CSelectedFields>();
    });
}

void cvDataManager::UpdateAttachedPaths(std::string sPrimaryDatabase) {
    PassOn("cvDataManager.UpdateAttachedPaths(sPrimaryDatabase)", ERR_ARGS(sPrimaryDatabase), [&] {
        Ref<CTools> tools = gTools();
        auto str = tools->Str();
        SetStatusMessage("Connecting to Database...");
        std::string path = Replace(sPrimaryDatabase, "\\", "/");
        std::string folder = tools->ConvertPathToUNC(str->Token(path, "/", 0, -1));
        std::string file = str->Token(path, "/", -1, 1);
        sPrimaryDatabase = folder + file;
        if (folder.empty()) return;

        auto catalog = CreateObjectAs<ADOX::Catalog>("ADOX.Catalog");
        catalog->SetActiveConnection(connectionStringADOX_ + ADODB::QuoteConnectionValue(sPrimaryDatabase));
        // Every change goes into one transaction, begun at the first change:
        // a start-up with nothing to repair writes nothing, and one that is
        // killed half-way leaves the links as they were.  A failure undoes
        // the changes when the catalogue is released.
        bool changing = false;
        for (auto& table : catalog->Tables()) {
            SetStatusMessage("Checking Table: " + table->Name());
            if (UCase(table->Type()) != "LINK") continue;
            std::string source =
                Replace(table->Properties(ADOX::kLinkDatasource).Value().ToString(), "\\", "/");
            std::string linkFolder = str->WithTrailingSeparator(str->Token(source, "/", 0, -1), 0);
            std::string linkFile = str->Token(source, "/", -1, 1);
            if (EqualsNoCase(linkFolder, folder)) continue;
            if (!changing) {
                catalog->BeginTrans();
                changing = true;
            }
            table->Properties(ADOX::kLinkDatasource).SetValue(Variant(folder + linkFile));
        }
        if (changing) catalog->CommitTrans();
        catalog->SetActiveConnectionNothing();
    });
}

// ---------------------------------------------------------------- the Options table

namespace {

// What is wrong with a database file that has no Options table, naming it.
std::string WithoutOptions(const std::string& sDatabase) {
    std::error_code failed;
    const bool empty = std::filesystem::file_size(sDatabase, failed) == 0 && !failed;
    return "the database file '" + VisibleText(sDatabase) + (empty ? "' is empty" : "' has no Options table");
}

}  // namespace

std::string cvDataManager::GetOption(const std::string& sKey) {
    std::string result;
    EndHere(*this, "cvDataManager.IDataManager_GetOption(sKey)", ERR_ARGS(sKey), [&] {
        Ref<ADODB::Recordset> rs = gTools()->NewADODBRecordset();
        // The key is bound, not pasted into the statement text.
        try {
            rs->Open("SELECT Value FROM Options WHERE [Key] = ?", connection_, 3, 1,
                     VariantArray{Variant(sKey)});
        } catch (const Error& e) {
            // Every data set has this table: a file without it is empty or
            // no data set at all, and the engine's message does not say
            // which file that is.  A link to it that cannot be read has
            // named its own file already.
            if (e.Number() != ADODB::adErrNoSuchTable || e.Description() != "no such table: Options") throw;
            Raise(e.Number(), e.Source(),
                  e.Description() + " (" + WithoutOptions(connection_->DataSource()) + ")");
        }
        if (rs->RecordCount() > 0) {
            const Variant value = rs->Fields("Value").Value();
            // Still the run time's Null error, but saying which row of the
            // table to mend: the statement that needed it may be far away.
            if (value.IsNull())
                Raise(rt::kInvalidNull, "",
                      RuntimeErrorText(rt::kInvalidNull) + ": the Options table's value for '" +
                          QuotedValue(sKey) + "' is Null.");
            result = value.ToString();
        }
        rs->Close();
    });
    return result;
}

std::string cvDataManager::CachedOption(std::string& cache, const char* key) {
    // An empty value is not cached: the next read asks the table again.
    if (cache.empty()) cache = GetOption(key);
    return cache;
}

std::string cvDataManager::ApplicationMaxVersion() { return CachedOption(maxVersion_, "MaxVersion"); }
std::string cvDataManager::ApplicationMinVersion() { return CachedOption(minVersion_, "MinVersion"); }
std::string cvDataManager::DataRelease() { return CachedOption(dataRelease_, "DataRelease"); }
std::string cvDataManager::DataYear() { return CachedOption(dataYear_, "DataYear"); }

std::string cvDataManager::GetShortCompanyName(const std::string& sKey) {
    return PassOn("cvDataManager.IDatamanager_GetShortCompanyName(sKey)", ERR_ARGS(sKey), [&] {
        std::string part = gTools()->Str()->Token(sKey, "_", 1, 1);
        return companyNames_->Item(Variant("K_" + part)).ToString();
    });
}

// ---------------------------------------------------------------- asset-code index files

std::string cvDataManager::QZAssetIndexFile(const std::string& sCountryCode) {
    // A country code names a file in one folder and nothing else.
    if (sCountryCode.find_first_of("/\\") != std::string::npos ||
        sCountryCode.find("..") != std::string::npos)
        return "";
    return gTools()->Str()->WithTrailingSeparator(DataFolder(), 0) + kAssetIndexFolder + "/ind" +
           sCountryCode + ".dat";
}

std::string cvDataManager::GetQZAssetCode(const std::string& sCountryCode, const std::string& sAssetCode,
                                          const std::string& sLookupCode) {
    std::string result = "||||";
    EndHere(*this, "cvDataManager.IDataManager_GetQZAssetCode(sCountryCode,sAssetCode,sLookupCode)",
            ERR_ARGS(sCountryCode, sAssetCode, sLookupCode), [&] {
                const std::string file = QZAssetIndexFile(sCountryCode);
                if (file.empty()) return;
                AssetIndexReader index(file, "");
                AssetIndexRecord record = index.Read(1);
                // The header's count, read safely and never past the records the file holds.
                int64_t n = index.DataRecords();
                int64_t high = n + 1, low = 1;
                bool found = false;
                if (sLookupCode.empty()) {
                    // Records 2..N+1 are sorted by asset code without regard to
                    // case; the upper bound is probed once when the bounds meet.
                    std::string key = ToWindows1252(sAssetCode);
                    bool last = false;
                    while (!found) {
                        int64_t mid = low + (high - low) / 2;
                        if (mid == high || last) break;
                        if (high - low == 1) {
                            mid = high;
                            last = true;
                        }
                        record = index.Read(mid);
                        int cmp = CompareNoCase(key, record.Raw(2));
                        if (cmp < 0)
                            high = mid;
                        else if (cmp == 0)
                            found = true;
                        else
                            low = mid;
                    }
                } else {
                    for (int64_t i = 1; i <= high && !found; ++i) {
                        record = index.Read(i);
                        found = record.Text(1) == sLookupCode;
                    }
                }
                if (!found) return;
                result = record.Text(1) + "|" + record.Text(4) + "|" + record.Text(2) + "|" + record.Text(3) +
                         "|" + record.Text(5);
            });
    return result;
}

// ---------------------------------------------------------------- host callback

void cvDataManager::RegisterCallBack(const Ref<IParentCallBack>& oParentCallBack) {
    PassOn("cvDataManager.ICallBackClient2_RegisterCallBack(oParentCallBack)", ERR_ARGS(oParentCallBack),
           [&] { parentCallBack_ = oParentCallBack; });
}

void cvDataManager::UnRegisterCallBack() {
    PassOn("cvDataManager.ICallBackClient2_UnRegisterCallBack()", ERR_ARGS(),
           [&] { parentCallBack_.Reset(); });
}

int32_t cvDataManager::Call(const Variant& Params) {
    return PassOn("cvDataManager.ICallBackClient2_Call(Params)", ERR_ARGS(Params), [&] {
        parentCallBack_->Call(Ref<ICallBackClient2>(shared_from_this()), Params);
        return int32_t{0};
    });
}

void cvDataManager::CallParent(const Variant& Command) {
    PassOn("cvDataManager.CallParent(Command)", ERR_ARGS(Command),
           [&] { parentCallBack_->Call(Ref<ICallBackClient2>(shared_from_this()), Command); });
}

void cvDataManager::SendCommand(const char* sTemplate, VariantArray values) {
    CallParent(Variant(gTools()->msg()->BuildCommand(sTemplate, Variant(std::move(values)))));
}

void cvDataManager::SetStatusMessage(const std::string& sMessage) {
    SendCommand("CMD=%1!DEST=%2!MSG=%3",
                {Variant("STATUS_MESSAGE"), Variant(kDestination), Variant(sMessage)});
}

void cvDataManager::SetProgressMessage(const std::string& sMessage) {
    SendCommand("CMD=%1!DEST=%2!MSG=%3",
                {Variant("PROGRESS_BAR_MESSAGE"), Variant(kDestination), Variant(sMessage)});
}

void cvDataManager::SetProgressMax(int32_t lMax) {
    SendCommand("CMD=%1!DEST=%2!VALUE=%3",
                {Variant("PROGRESS_BAR_MAX"), Variant(kDestination), Variant(lMax)});
}

void cvDataManager::SetProgressValue(int32_t lValue) {
    SendCommand("CMD=%1!DEST=%2!VALUE=%3",
                {Variant("PROGRESS_BAR_VALUE"), Variant(kDestination), Variant(lValue)});
}

void cvDataManager::SetProgressVisible(bool bVisible) {
    SendCommand("CMD=%1!DEST=%2!VALUE=%3", {Variant("FROM_DATA"), Variant(kDestination), Variant(bVisible)});
    SendCommand("CMD=%1!DEST=%2!VISIBLE=%3",
                {Variant("PROGRESS_BAR_VISIBLE"), Variant(kDestination), Variant(bVisible)});
}

void cvDataManager::SetProgressCancel(bool bCancel) {
    SendCommand("CMD=%1!DEST=%2!CANCEL=%3",
                {Variant("PROGRESS_BAR_CANCEL"), Variant(kDestination), Variant(bCancel)});
    cancelled_ = false;
}

void cvDataManager::Progress(const std::string& sMsg, int32_t lMax, int32_t lValue, bool bVisible) {
    PassOn("cvDataManager.Progress(sMsg,lMax,lValue,bVisible)", ERR_ARGS(sMsg, lMax, lValue, bVisible), [&] {
        SendCommand("DEST=%1!CMD=%2!MSG=%3",
                    {Variant(kDestination), Variant("PROGRESS_BAR_MESSAGE"), Variant(sMsg)});
        SendCommand("DEST=%1!CMD=%2!VALUE=%3",
                    {Variant(kDestination), Variant("PROGRESS_BAR_MAX"), Variant(lMax)});
        SendCommand("DEST=%1!CMD=%2!VALUE=%3",
                    {Variant(kDestination), Variant("PROGRESS_BAR_VALUE"), Variant(lValue)});
        SendCommand("DEST=%1!CMD=%2!VISIBLE=%3",
                    {Variant(kDestination), Variant("PROGRESS_BAR_VISIBLE"), Variant(bVisible)});
        SendCommand("CMD=%1!DEST=%2!VALUE=%3",
                    {Variant("FROM_DATA"), Variant(kDestination), Variant(bVisible)});
    });
}

Ref<ITreeView> cvDataManager::QueryDescriptionTree() { return queryManager_->DescriptionTree(); }
