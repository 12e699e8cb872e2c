#pragma once
// A stand-in root for the tests of one subsystem.  It answers what the
// subsystems ask the root through IDataManager and _cvDataManager from a
// private copy of the sample data set, keeps what they send the host, and
// hands out whatever neighbours the test plugs in: a real object of another
// subsystem where a test is about that cooperation, a fake otherwise.  It
// links only the core, so a test program built on it links nothing but what
// it tests.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "core/ErrorDisplay.h"
#include "interfaces/IDataManager.h"
#include "interfaces/_cvDataManager.h"

class ISettings2;

// Copies the sample data set into sFolder (ending in "/") as the root expects
// to find it, with the settings file's paths and the linked tables' data
// sources pointing into the copy.  Raises 75 when the copy fails.
void CopySampleData(const std::string& sFolder);

class FakeRoot final : public IDataManager, public _cvDataManager {
public:
    // Makes a root over the copy in sDataFolder (see CopySampleData) and
    // installs it as this thread's root; the database stays closed.
    static Ref<FakeRoot> Install(const std::string& sDataFolder);
    explicit FakeRoot(std::string sDataFolder);  // use Install
    ~FakeRoot() override;

    // ---- what a test sets and reads

    // Makes GetOption answer sValue for sKey instead of the Options table.
    void SetOption(const std::string& sKey, const std::string& sValue) { options_[sKey] = sValue; }
    // Sets the error fields the Error members read back.
    void SetErrorFields(const ErrorFields& fields) { errorFields_ = fields; }
    // Plugs in the object Queries hands out.
    void SetQueries(const Ref<IQueryManager>& oQueries) { queries_ = oQueries; }
    // Plugs in the object Lists hands out.
    void SetLists(const Ref<IDataLists>& oLists) { lists_ = oLists; }
    // Plugs in the object Charts hands out.
    void SetCharts(const Ref<IChartEngine>& oCharts) { charts_ = oCharts; }
    // Plugs in the object FieldChooser hands out.
    void SetFieldChooser(const Ref<IFieldChooser>& oChooser) { fieldChooser_ = oChooser; }
    // Plugs in the units component Units hands out, in place of the one the
    // copy's settings would give.
    void SetUnits(const Ref<::Units>& oUnits) { units_ = oUnits; }
    // False makes every status and progress member raise 91, as the root does
    // while no host callback is registered; True (the start) records them.
    void SetHostListening(bool bListening) { listening_ = bListening; }
    // Every status and progress message sent, in order, as "COMMAND: value".
    const std::vector<std::string>& Sent() const { return sent_; }
    // The messages sent whose text contains sPart.
    std::vector<std::string> SentWith(const std::string& sPart) const;
    // The settings file of the copy.
    std::string SettingsFile() const { return folder_ + "Terralith.settings.xml"; }
    // Closes the connection (Connection is Nothing again); never fails.
    void CloseDatabase();

    // ---- IDataManager

    // The error fields as the test set them (all empty at the start).
    int32_t ErrorNumber() override { return errorFields_.ErrorNumber; }
    // The source the test set; "" at the start.
    std::string ErrorSource() override { return errorFields_.ErrorSource; }
    // The description the test set; "" at the start.
    std::string ErrorDescription() override { return errorFields_.ErrorDescription; }
    // The flag the test set; False at the start.
    bool ErrorIsException() override { return errorFields_.ErrorIsException; }
    // The library's version, "major.minor.revision".
    std::string VersionString() override;
    // The copy's folder, ending in "/".
    std::string DataFolder() override { return folder_; }
    // The copy's "User/" folder.
    std::string UserDataFolder() override { return folder_ + "User/"; }
    // DataFolder followed by "Core/".
    std::string BaseDataFolder() override { return folder_ + "Core/"; }
    // BaseDataFolder followed by "Database/".
    std::string CoreDatabaseFolder() override { return BaseDataFolder() + "Database/"; }
    // BaseDataFolder followed by "Cache/".
    std::string CacheFolder() override { return BaseDataFolder() + "Cache/"; }
    // BaseDataFolder followed by "Notes/".
    std::string NotesFolder() override { return BaseDataFolder() + "Notes/"; }
    // The copy's settings "Options/Files/CoreDatabase".
    std::string DatabaseFileName() override { return databaseFile_; }
    // The copy's settings "Options/Files/NotesDatabase".
    std::string NotesDatabaseFileName() override { return notesFile_; }
    // CoreDatabaseFolder followed by DatabaseFileName.
    std::string Database() override { return CoreDatabaseFolder() + databaseFile_; }
    // CoreDatabaseFolder followed by NotesDatabaseFileName.
    std::string NotesDatabase() override { return CoreDatabaseFolder() + notesFile_; }
    // The value SetOption gave, else the Options table's ("" when absent or while the database is
    // closed); raises what the record set raises.
    std::string GetOption(const std::string& sKey) override;
    // GetOption("MinVersion").
    std::string ApplicationMinVersion() override { return GetOption("MinVersion"); }
    // GetOption("MaxVersion").
    std::string ApplicationMaxVersion() override { return GetOption("MaxVersion"); }
    // GetOption("DataRelease").
    std::string DataRelease() override { return GetOption("DataRelease"); }
    // GetOption("DataYear").
    std::string DataYear() override { return GetOption("DataYear"); }
    // What SetUnits plugged in, else a units component loaded from the copy's "Units" settings element
    // on the first call.
    Ref<::Units> Units() override;
    // What SetQueries plugged in; Nothing until then.
    Ref<IQueryManager> Queries() override { return queries_; }
    // What SetLists plugged in; Nothing until then.
    Ref<IDataLists> Lists() override { return lists_; }
    // What SetCharts plugged in; Nothing until then.
    Ref<IChartEngine> Charts() override { return charts_; }
    // What SetFieldChooser plugged in; Nothing until then.
    Ref<IFieldChooser> FieldChooser() override { return fieldChooser_; }
    // Sets the cancel request Cancelled reads.
    void SetCancelled(bool bCancelled) override { cancelled_ = bCancelled; }
    // Opens the read-only connection on the copy's core database (and nothing else: no chooser is
    // made); raises what the connection raises.
    void OpenDatabase() override;
    // Not faked: raises 438.
    std::string GetShortCompanyName(const std::string& sKey) override;
    // Not faked: raises 438.
    std::string GetQZAssetCode(const std::string& sCountryCode, const std::string& sAssetCode,
                               const std::string& sLookupCode) override;

    // ---- _cvDataManager

    // The open connection; Nothing before OpenDatabase.
    Ref<ADODB::Connection> Connection() override { return connection_; }
    // Records "STATUS_MESSAGE: sMessage"; raises 91 while the host is not listening.
    void SetStatusMessage(const std::string& sMessage) override;
    // The cancel request.
    bool Cancelled() override { return cancelled_; }
    // Records "PROGRESS_BAR_CANCEL: True|False" and clears the cancel request; raises 91 while the host
    // is not listening.
    void SetProgressCancel(bool bCancel) override;
    // Records "PROGRESS_BAR_MESSAGE: sMessage"; raises 91 while the host is not listening.
    void SetProgressMessage(const std::string& sMessage) override;
    // Records "PROGRESS_BAR_MAX: lMax"; raises 91 while the host is not listening.
    void SetProgressMax(int32_t lMax) override;
    // Records "PROGRESS_BAR_VALUE: lValue"; raises 91 while the host is not listening.
    void SetProgressValue(int32_t lValue) override;
    // Records "PROGRESS_BAR_VISIBLE: True|False"; raises 91 while the host is not listening.
    void SetProgressVisible(bool bVisible) override;
    // Records the message, maximum, value and visibility as the four members above do.
    void Progress(const std::string& sMsg, int32_t lMax, int32_t lValue, bool bVisible) override;
    // Queries()->DescriptionTree(); raises 91 without a query manager.
    Ref<ITreeView> QueryDescriptionTree() override;

    std::string TypeName() const override { return "FakeRoot"; }

private:
    void Record(const std::string& sCommand, const std::string& sValue);

    std::string folder_;
    std::string databaseFile_, notesFile_;
    Ref<ISettings2> settings_;
    std::map<std::string, std::string> options_;
    ErrorFields errorFields_;
    Ref<ADODB::Connection> connection_;
    Ref<::Units> units_;
    Ref<IQueryManager> queries_;
    Ref<IDataLists> lists_;
    Ref<IChartEngine> charts_;
    Ref<IFieldChooser> fieldChooser_;
    std::vector<std::string> sent_;
    bool listening_ = true;
    bool cancelled_ = false;
};
