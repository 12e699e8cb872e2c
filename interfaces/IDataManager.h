#pragma once
// The root object's interface: what a host and every other class reach the
// library through.
//
// The folders and file names read the settings at every call and handle no
// error: a setting that is absent (also before the settings were handed in)
// raises 94.  Folders end in "/".
#include <cstdint>
#include <string>

#include "platform/runtime/Object.h"

class IQueryManager;
class IDataLists;
class IChartEngine;
class IFieldChooser;
class Units;

class IDataManager : public virtual Object {
public:
    // The number of the exception GetOption, GetQZAssetCode or OpenDatabase showed last, or &H8004185D
    // for a missing database file; 0 until then; OpenDatabase clears it when it starts; never fails.
    virtual int32_t ErrorNumber() = 0;
    // The source of that error; "" when none; never fails.
    virtual std::string ErrorSource() = 0;
    // The description of that error; "" when none; never fails.
    virtual std::string ErrorDescription() = 0;
    // The flag kept with that error, False for every error the root keeps; never fails.
    virtual bool ErrorIsException() = 0;
    // The library's version, "major.minor.revision"; never fails.
    virtual std::string VersionString() = 0;

    // The setting "Options/Paths/DataFolder"; raises 94 when it is absent.
    virtual std::string DataFolder() = 0;
    // The setting "Options/Paths/UserDataFolder"; raises 94 when it is absent.
    virtual std::string UserDataFolder() = 0;
    // DataFolder followed by "Core/"; raises 94 without a data folder.
    virtual std::string BaseDataFolder() = 0;
    // BaseDataFolder followed by "Database/"; raises 94 without a data folder.
    virtual std::string CoreDatabaseFolder() = 0;
    // BaseDataFolder followed by "Cache/"; raises 94 without a data folder.
    virtual std::string CacheFolder() = 0;
    // BaseDataFolder followed by "Notes/"; raises 94 without a data folder.
    virtual std::string NotesFolder() = 0;
    // The setting "Options/Files/CoreDatabase", unchanged; raises 94 when it is absent.
    virtual std::string DatabaseFileName() = 0;
    // The setting "Options/Files/NotesDatabase", unchanged; raises 94 when it is absent.
    virtual std::string NotesDatabaseFileName() = 0;
    // CoreDatabaseFolder followed by DatabaseFileName; raises 94 when either setting is absent.
    virtual std::string Database() = 0;
    // The notes database beside the core one, in CoreDatabaseFolder; raises 94 when a setting is absent.
    virtual std::string NotesDatabase() = 0;

    // The Options table's value for the key, "" when there is none; shows any error (see ErrorNumber)
    // and returns "".
    virtual std::string GetOption(const std::string& sKey) = 0;
    // GetOption("MinVersion"), kept once it is not empty; "" after GetOption showed an error.
    virtual std::string ApplicationMinVersion() = 0;
    // GetOption("MaxVersion"), kept once it is not empty; "" after GetOption showed an error.
    virtual std::string ApplicationMaxVersion() = 0;
    // GetOption("DataRelease"), kept once it is not empty; "" after GetOption showed an error.
    virtual std::string DataRelease() = 0;
    // GetOption("DataYear"), kept once it is not empty; "" after GetOption showed an error.
    virtual std::string DataYear() = 0;

    // The units component; never fails.
    virtual Ref<::Units> Units() = 0;
    // The query manager; never fails.
    virtual Ref<IQueryManager> Queries() = 0;
    // The reference lists; never fails.
    virtual Ref<IDataLists> Lists() = 0;
    // The chart engine; never fails.
    virtual Ref<IChartEngine> Charts() = 0;
    // The field chooser; Nothing until OpenDatabase succeeded; never fails.
    virtual Ref<IFieldChooser> FieldChooser() = 0;
    // Sets the cancel request that long operations read (ProgressCancel clears it); never fails.
    virtual void SetCancelled(bool bCancelled) = 0;

    // Opens the one read-only connection (repairing linked tables first) and makes the field chooser;
    // shows any error (see ErrorNumber) and returns.  A missing database file is not shown: the user is
    // asked whether to reset the settings and ErrorNumber becomes &H8004185D.
    virtual void OpenDatabase() = 0;
    // The short name kept under the key's second "_" part; raises 5 for a key not kept (the library keeps
    // no short names of its own); passes any error on.
    virtual std::string GetShortCompanyName(const std::string& sKey) = 0;
    // The country's index record of the asset code (or of the short code sLookupCode), five fields
    // joined by "|"; "||||" when none matches; shows any error (see ErrorNumber) and returns "||||".
    virtual std::string GetQZAssetCode(const std::string& sCountryCode, const std::string& sAssetCode,
                                       const std::string& sLookupCode) = 0;
};
