#include "ToolsLibrary.h"

#include "FileSystemObject.h"
#include "cvControlHandlers.h"
#include "cvData.h"
#include "cvFileIO.h"
#include "cvGraphics.h"
#include "cvMessaging.h"
#include "cvStrings.h"
#include "cvSystem.h"
#include "cvWindows.h"
#include "platform/runtime/Registry.h"
#include "platform/runtime/cvCollection.h"

namespace {

template <class T>
void Register(const char* progId) {
    RegisterClass(progId, [] { return std::static_pointer_cast<Object>(std::make_shared<T>()); });
}

}  // namespace

void RegisterToolsLibrary() {
    Register<cvStrings>(cvStrings::kProgID);
    Register<cvCollection>(cvCollection::kProgID);
    Register<cvMessaging>(cvMessaging::kProgID);
    Register<cvWindows>(cvWindows::kProgID);
    Register<cvControlHandlers>(cvControlHandlers::kProgID);
    Register<cvFileIO>(cvFileIO::kProgID);
    Register<cvData>(cvData::kProgID);
    Register<cvSystem>(cvSystem::kProgID);
    Register<cvGraphics>(cvGraphics::kProgID);
    Register<FileSystemObject>(FileSystemObject::kProgID);
}
