#pragma once
// The root object's interface: what a host and every other class reach the
// library through.
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
    virtual int32_t ErrorNumber() = 0;
    virtual std::string ErrorSource() = 0;
    virtual std::string ErrorDescription() = 0;
    virtual bool ErrorIsException() = 0;
    virtual std::string VersionString() = 0;

    virtual std::string DataFolder() = 0;
    virtual std::string UserDataFolder() = 0;
    virtual std::string BaseDataFolder() = 0;
    virtual std::string CoreDatabaseFolder() = 0;
    virtual std::string CacheFolder() = 0;
    virtual std::string NotesFolder() = 0;
    virtual std::string DatabaseFileName() = 0;
    virtual std::string NotesDatabaseFileName() = 0;
    virtual std::string Database() = 0;
    virtual std::string NotesDatabase() = 0;

    virtual std::string GetOption(const std::string& sKey) = 0;
    virtual std::string ApplicationMinVersion() = 0;
    virtual std::string ApplicationMaxVersion() = 0;
    virtual std::string DataRelease() = 0;
    virtual std::string DataYear() = 0;

    virtual Ref<::Units> Units() = 0;
    virtual Ref<IQueryManager> Queries() = 0;
    virtual Ref<IDataLists> Lists() = 0;
    virtual Ref<IChartEngine> Charts() = 0;
    virtual Ref<IFieldChooser> FieldChooser() = 0;
    virtual void SetCancelled(bool bCancelled) = 0;

    virtual void OpenDatabase() = 0;
    virtual std::string GetShortCompanyName(const std::string& sKey) = 0;
    virtual std::string GetQZAssetCode(const std::string& sCountryCode, const std::string& sAssetCode,
                                       const std::string& sLookupCode) = 0;
};
