// The required settings element: found, it is handed on as a document of its
// own; missing, the one message names it and the file.
#include <gtest/gtest.h>

#include "core/CTools.h"
#include "core/Globals.h"
#include "core/SettingsElement.h"
#include "support/ErrorAssert.h"
#include "support/TempDir.h"

namespace {

TEST(SettingsElement, AFoundElementIsHandedOnAndAMissingOneIsNamedWithItsFile) {
    ReleaseModuleData();
    TempDir folder;
    std::string file = folder.Write(
        "host.xml", "<Terralith><Units System=\"SI\"/><Options><Deep>x</Deep></Options></Terralith>");
    Ref<ISettings2> doc = gTools()->NewSettingsObject();
    ASSERT_TRUE(doc->Load(file));

    EXPECT_EQ(RequiredElement(*doc, "Units")->NodeXML(), "<Units System=\"SI\"/>");
    Ref<ISettings2> deep = RequiredElement(*doc, "Options/Deep", "Deep", "elsewhere.xml");
    EXPECT_EQ(deep->Text(), "x");
    deep->SetText(Variant("y"));
    EXPECT_EQ(doc->GetValue("Options/Deep").ToString(), "y") << "the element itself, not a copy";

    Error e = CaughtError([&] { RequiredElement(*doc, "QueryManager"); });
    EXPECT_EQ(e.Number(), static_cast<int32_t>(0x8004183Cu));
    EXPECT_EQ(e.Source(), "HuntERR.Check");
    EXPECT_EQ(e.Description(),
              "Invalid Settings File. Element QueryManager is Missing or corrupt\r\n" + file);

    // The path is what is looked for; the name and the file are what is told.
    e = CaughtError([&] { RequiredElement(*doc, "Options/Units", "Units", "query.xml"); });
    EXPECT_EQ(e.Description(), "Invalid Settings File. Element Units is Missing or corrupt\r\nquery.xml");
    ReleaseModuleData();
}

}  // namespace
