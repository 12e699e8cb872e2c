#pragma once
// The root object: the one class a host creates.  Its creation builds the
// library's main objects; the host then hands it the application settings,
// registers its callback and opens the database.  From then on it hands out
// the other subsystems' root objects, answers folder and file-name questions,
// reads the database's Options table, looks codes up in asset-code index
// files and carries status, progress and cancellation between the library
// and the host.
#include <cstdint>
#include <memory>
#include <string>

#include "core/ErrorDisplay.h"
#include "interfaces/ICallBackClient2.h"
#include "interfaces/IDataManager.h"
#include "interfaces/ISettingsObject2.h"
#include "interfaces/_cvDataManager.h"

namespace ADODB {
class Connection;
}
class cvCollection;
class ITreeView;

// The sibling data product's folder below the data folder, which holds its
// asset-code index files.
inline constexpr const char* kAssetIndexFolder = "Quartz";

class cvDataManager final : public IDataManager,
                            public _cvDataManager,
                            public ICallBackClient2,
                            public ISettingsObject2,
                            public ShowsErrors<ErrDisplay::D>,
                            public std::enable_shared_from_this<cvDataManager> {
public:
    // Makes a root and runs its creation; from then on it is this thread's
    // root (gDataManager).
    static Ref<cvDataManager> Create();
    cvDataManager();  // use Create()
    ~cvDataManager() override;

    // IDataManager
    int32_t ErrorNumber() override { return errorFields_.ErrorNumber; }
    std::string ErrorSource() override { return errorFields_.ErrorSource; }
    std::string ErrorDescription() override { return errorFields_.ErrorDescription; }
    bool ErrorIsException() override { return errorFields_.ErrorIsException; }
    std::string VersionString() override;
    std::string DataFolder() override;
    std::string UserDataFolder() override;
    std::string BaseDataFolder() override;
    std::string CoreDatabaseFolder() override;
    std::string CacheFolder() override;
    std::string NotesFolder() override;
    std::string DatabaseFileName() override;
    std::string NotesDatabaseFileName() override;
    std::string Database() override;
    std::string NotesDatabase() override;
    std::string GetOption(const std::string& sKey) override;
    std::string ApplicationMinVersion() override;
    std::string ApplicationMaxVersion() override;
    std::string DataRelease() override;
    std::string DataYear() override;
    Ref<::Units> Units() override { return units_; }
    Ref<IQueryManager> Queries() override { return queryManager_; }
    Ref<IDataLists> Lists() override { return lists_; }
    Ref<IChartEngine> Charts() override { return chartEngine_; }
    Ref<IFieldChooser> FieldChooser() override;
    void SetCancelled(bool bCancelled) override { cancelled_ = bCancelled; }
    void OpenDatabase() override;
    std::string GetShortCompanyName(const std::string& sKey) override;
    std::string GetQZAssetCode(const std::string& sCountryCode, const std::string& sAssetCode,
                               const std::string& sLookupCode) override;

    // The asset-code index file of a country (indXX.dat in the data folder's
    // kAssetIndexFolder); "" for a code that would name a file elsewhere.
    std::string QZAssetIndexFile(const std::string& sCountryCode);

    // _cvDataManager
    Ref<ADODB::Connection> Connection() override { return connection_; }
    void SetStatusMessage(const std::string& sMessage) override;
    bool Cancelled() override { return cancelled_; }
    void SetProgressCancel(bool bCancel) override;
    void SetProgressMessage(const std::string& sMessage) override;
    void SetProgressMax(int32_t lMax) override;
    void SetProgressValue(int32_t lValue) override;
    void SetProgressVisible(bool bVisible) override;
    void Progress(const std::string& sMsg, int32_t lMax, int32_t lValue, bool bVisible) override;
    Ref<ITreeView> QueryDescriptionTree() override;

    // ICallBackClient2
    std::string ID() override { return clientID_; }
    void RegisterCallBack(const Ref<IParentCallBack>& oParentCallBack) override;
    void UnRegisterCallBack() override;
    int32_t Call(const Variant& Params) override;

    // ISettingsObject2
    void Settings(const Ref<ISettings2>& oSettings) override;

    std::string TypeName() const override { return "cvDataManager"; }

private:
    void Initialize();
    std::string SettingText(const std::string& sPath);
    std::string CachedOption(std::string& cache, const char* key);
    void UpdateAttachedPaths(std::string sPrimaryDatabase);
    void CallParent(const Variant& Command);
    void SendCommand(const char* sTemplate, VariantArray values);

    Ref<IParentCallBack> parentCallBack_;
    Ref<ADODB::Connection> connection_;
    Ref<::Units> units_;
    Ref<IQueryManager> queryManager_;
    Ref<IDataLists> lists_;
    Ref<IChartEngine> chartEngine_;
    Ref<IFieldChooser> fieldChooser_;
    Ref<cvCollection> companyNames_;
    std::string clientID_;
    std::string maxVersion_, minVersion_, dataRelease_, dataYear_;
    std::string connectionString_, connectionStringADOX_, dataProvider_, connectionType_;
    bool cancelled_ = false;
    Ref<ISettings2> settings_;
};
