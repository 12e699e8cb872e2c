#include <gtest/gtest.h>

#include "platform/runtime/ErrorAssert.h"
#include "platform/runtime/Registry.h"
#include "platform/runtime/cvCollection.h"
#include "platform/toolslib/FileSystemObject.h"
#include "platform/toolslib/ToolsLibrary.h"
#include "platform/toolslib/cvControlHandlers.h"
#include "platform/toolslib/cvData.h"
#include "platform/toolslib/cvFileIO.h"
#include "platform/toolslib/cvGraphics.h"
#include "platform/toolslib/cvMessaging.h"
#include "platform/toolslib/cvStrings.h"
#include "platform/toolslib/cvSystem.h"
#include "platform/toolslib/cvWindows.h"

namespace {

template <class T>
bool MakesA(const std::string& progId) {
    return static_cast<bool>(TryCast<T>(CreateObject(progId)));
}

TEST(ToolsLibrary, CreatesEveryComponentByName) {
    RegisterToolsLibrary();
    RegisterToolsLibrary();  // twice does no harm
    EXPECT_TRUE(MakesA<cvStrings>("cvTools2.cvStrings"));
    EXPECT_TRUE(MakesA<cvCollection>("cvTools2.cvCollection"));
    EXPECT_TRUE(MakesA<cvMessaging>("cvTools2.cvMessaging"));
    EXPECT_TRUE(MakesA<cvWindows>("cvTools2.cvWindows"));
    EXPECT_TRUE(MakesA<cvControlHandlers>("cvTools2.cvControlHandlers"));
    EXPECT_TRUE(MakesA<cvFileIO>("cvTools2.cvFileIO"));
    EXPECT_TRUE(MakesA<cvData>("cvTools2.cvData"));
    EXPECT_TRUE(MakesA<cvSystem>("cvTools2.cvSystem"));
    EXPECT_TRUE(MakesA<cvGraphics>("cvTools2.cvGraphics"));
    EXPECT_TRUE(MakesA<FileSystemObject>("Scripting.FileSystemObject"));
    EXPECT_TRUE(MakesA<cvStrings>("CVTOOLS2.CVSTRINGS"));  // names ignore case
    // Each call makes a new object.
    EXPECT_FALSE(CreateObject("cvTools2.cvCollection") == CreateObject("cvTools2.cvCollection"));
    EXPECT_RAISES(429, CreateObject("cvTools2.cvNothing"));
    EXPECT_RAISES(429, CreateObject(""));
}

TEST(ToolsLibrary, RegistryRefusesBadRegistrations) {
    EXPECT_RAISES(5, RegisterClass("", [] { return std::shared_ptr<Object>(); }));
    EXPECT_RAISES(5, RegisterClass("Test.NoFactory", ObjectFactory()));
    RegisterClass("Test.MakesNothing", [] { return std::shared_ptr<Object>(); });
    EXPECT_TRUE(IsClassRegistered("test.makesnothing"));
    EXPECT_RAISES(429, CreateObject("Test.MakesNothing"));
}

}  // namespace
