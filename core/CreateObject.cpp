#include "core/CreateObject.h"

#include <mutex>
#include <unordered_map>

#include "platform/ado/Catalog.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/i18n/i18N.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"
#include "platform/runtime/cvCollection.h"
#include "platform/toolslib/FileSystemObject.h"
#include "platform/toolslib/cvControlHandlers.h"
#include "platform/toolslib/cvData.h"
#include "platform/toolslib/cvFileIO.h"
#include "platform/toolslib/cvGraphics.h"
#include "platform/toolslib/cvMessaging.h"
#include "platform/toolslib/cvStrings.h"
#include "platform/toolslib/cvSystem.h"
#include "platform/toolslib/cvWindows.h"
#include "platform/units/Units.h"
#include "platform/xml/cvSettings.h"
#include "platform/xml/kqXML.h"

namespace {

struct Entry {
    ClassFactory factory;
    bool creatable = true;
};

// The table is shared by every thread (a class is registered once for the
// process), so it is guarded; the objects it makes belong to the caller's thread.
struct Registry {
    std::mutex lock;
    std::unordered_map<std::string, Entry> classes;  // keys lower case

    Registry() {
        // What the desktop platform's own components registered.
        classes = {
            {"cvtools2.cvstrings", {MakeFactory<cvStrings>()}},
            {"cvtools2.cvcollection", {MakeFactory<cvCollection>()}},
            {"cvtools2.cvwindows", {MakeFactory<cvWindows>()}},
            {"cvtools2.cvmessaging", {MakeFactory<cvMessaging>()}},
            {"cvtools2.cvcontrolhandlers", {MakeFactory<cvControlHandlers>()}},
            {"cvtools2.cvfileio", {MakeFactory<cvFileIO>()}},
            {"cvtools2.cvdata", {MakeFactory<cvData>()}},
            {"cvtools2.cvsystem", {MakeFactory<cvSystem>()}},
            {"cvtools2.cvgraphics", {MakeFactory<cvGraphics>()}},
            {"scripting.filesystemobject", {MakeFactory<FileSystemObject>()}},
            {"cvsettings.settings", {MakeFactory<cvSettings>()}},
            {"kqxml3.kqxml", {MakeFactory<kqXML>()}},
            {"cvunits.units", {MakeFactory<Units>()}},
            {"cvi18n.i18n", {MakeFactory<i18N>()}},
            {"adodb.connection", {MakeFactory<ADODB::Connection>()}},
            {"adodb.recordset", {MakeFactory<ADODB::Recordset>()}},
            {"adox.catalog", {MakeFactory<ADOX::Catalog>()}},
        };
    }
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

}  // namespace

void RegisterClass(const std::string& sProgID, ClassFactory factory, bool bCreatable) {
    Registry& r = TheRegistry();
    std::lock_guard<std::mutex> guard(r.lock);
    r.classes[LCase(sProgID)] = Entry{std::move(factory), bCreatable};
}

bool IsClassRegistered(const std::string& sProgID) {
    Registry& r = TheRegistry();
    std::lock_guard<std::mutex> guard(r.lock);
    return r.classes.count(LCase(sProgID)) != 0;
}

Ref<Object> CreateObject(const std::string& sProgID) {
    ClassFactory factory;
    {
        Registry& r = TheRegistry();
        std::lock_guard<std::mutex> guard(r.lock);
        auto it = r.classes.find(LCase(sProgID));
        if (it == r.classes.end() || !it->second.creatable) Raise(rt::kCantCreateObject);
        factory = it->second.factory;
    }
    // Made outside the lock: a class's creation may create others.
    return factory();
}
