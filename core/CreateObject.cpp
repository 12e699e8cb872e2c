#include "core/CreateObject.h"

#include <functional>
#include <map>

#include "core/cvDataManager.h"
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

using Factory = std::function<Ref<Object>()>;

template <class T>
Factory Make() {
    return [] { return Ref<Object>(New<T>()); };
}

const std::map<std::string, Factory>& Registry() {
    // Keys are lower case: program identifiers are compared without regard to case.
    static const std::map<std::string, Factory> registry = {
        {"cvdatamanager.cvdatamanager", [] { return Ref<Object>(cvDataManager::Create()); }},
        {"cvtools2.cvstrings", Make<cvStrings>()},
        {"cvtools2.cvcollection", Make<cvCollection>()},
        {"cvtools2.cvwindows", Make<cvWindows>()},
        {"cvtools2.cvmessaging", Make<cvMessaging>()},
        {"cvtools2.cvcontrolhandlers", Make<cvControlHandlers>()},
        {"cvtools2.cvfileio", Make<cvFileIO>()},
        {"cvtools2.cvdata", Make<cvData>()},
        {"cvtools2.cvsystem", Make<cvSystem>()},
        {"cvtools2.cvgraphics", Make<cvGraphics>()},
        {"scripting.filesystemobject", Make<FileSystemObject>()},
        {"cvsettings.settings", Make<cvSettings>()},
        {"kqxml3.kqxml", Make<kqXML>()},
        {"cvunits.units", Make<Units>()},
        {"cvi18n.i18n", Make<i18N>()},
        {"adodb.connection", Make<ADODB::Connection>()},
        {"adodb.recordset", Make<ADODB::Recordset>()},
        {"adox.catalog", Make<ADOX::Catalog>()},
    };
    return registry;
}

}  // namespace

Ref<Object> CreateObject(const std::string& sProgID) {
    auto it = Registry().find(LCase(sProgID));
    if (it == Registry().end()) Raise(rt::kCantCreateObject);
    return it->second();
}
