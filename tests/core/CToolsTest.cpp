// The tools object: its components, factories and path and text utilities.
#include <gtest/gtest.h>

#include <thread>

#include "core/CTools.h"
#include "core/ErrorHandler.h"
#include "core/Globals.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/cvCollection.h"
#include "platform/toolslib/cvStrings.h"
#include "platform/ui/UiServices.h"

namespace {

class Tools : public ::testing::Test {
protected:
    void SetUp() override {
        ReleaseModuleData();
        ResetErrorFramework();
        ui::ResetUiServices();
        ui::SetMessageBoxHandler([this](const std::string& text, int32_t, const std::string&) {
            shown.push_back(text);
            return 1;
        });
    }
    void TearDown() override {
        ReleaseModuleData();
        ui::ResetUiServices();
    }
    std::vector<std::string> shown;
};

TEST_F(Tools, OneObjectPerThreadWithEveryComponent) {
    Ref<CTools> tools = gTools();
    EXPECT_TRUE(tools == gTools());
    EXPECT_TRUE(tools->Windows() && tools->Str() && tools->System() && tools->FSO() && tools->msg() &&
                tools->Controls() && tools->i18N() && tools->IO() && tools->Graphics() && tools->Data());
    Ref<CTools> other;
    std::thread([&] { other = gTools(); }).join();
    EXPECT_FALSE(other == tools);
}

TEST_F(Tools, FactoriesMakeFreshObjects) {
    auto tools = gTools();
    auto a = tools->NewSettingsObject(), b = tools->NewSettingsObject();
    a->LoadXML("<A><B>1</B></A>");
    b->LoadXML("<A><B>2</B></A>");
    EXPECT_EQ(a->GetValue("A/B").ToString(), "1");
    EXPECT_FALSE(tools->NewCollection() == tools->NewCollection());
    EXPECT_TRUE(tools->NewXMLObject());

    Ref<ADODB::Recordset> rs = tools->NewADODBRecordset();
    EXPECT_EQ(rs->State(), 0);
    tools->DestroyRecordset(rs);  // closed: no Close, but the reference goes
    EXPECT_TRUE(rs.IsNothing());
    tools->DestroyRecordset(rs);  // Nothing: nothing happens
    EXPECT_TRUE(rs.IsNothing());
}

TEST_F(Tools, ConvertPathToUNCHandlesEveryAnswerOfTheLookUp) {
    auto tools = gTools();
    EXPECT_EQ(tools->ConvertPathToUNC("/srv/data"), "/srv/data/");
    EXPECT_EQ(tools->ConvertPathToUNC("X:/data"), "X:/data/") << "a local drive";

    ui::SetNetworkNameResolver([](const std::string& local, std::string& remote) {
        EXPECT_EQ(local, "X:");
        remote = "\\\\server\\share" + std::string(1, '\0') + "junk";
        return ui::NO_ERROR;
    });
    EXPECT_EQ(tools->ConvertPathToUNC("X:/data/core"), "\\\\server\\share/data/core/");

    ui::SetNetworkNameResolver([](const std::string&, std::string&) { return ui::ERROR_CONNECTION_UNAVAIL; });
    EXPECT_EQ(tools->ConvertPathToUNC("X:/data"), "");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0],
              "Unable to connect to path:\r\nX:\r\n\r\nIf this is a network drive it may not be connected");

    ui::SetNetworkNameResolver([](const std::string&, std::string&) { return 53; });
    EXPECT_EQ(tools->ConvertPathToUNC("X:/data"), "");
    EXPECT_EQ(shown.back(),
              "Unable to resolve path:\r\nX:/data\r\n\r\nPlease ensure the database exists in the specified "
              "folder.");
}

TEST_F(Tools, RemoveStringsRemovesEveryOccurrenceExactly) {
    auto tools = gTools();
    EXPECT_EQ(tools->RemoveStrings(",A,B,", ""), "A,B");
    EXPECT_EQ(tools->RemoveStrings("A,B,C", "C,A,B"), "");
    EXPECT_EQ(tools->RemoveStrings("A,A,B", "A"), "B") << "two equal neighbours both go";
    EXPECT_EQ(tools->RemoveStrings("1,12,21,1", "1"), "12,21");
    EXPECT_EQ(tools->RemoveStrings("a,A,b", "A"), "a,b") << "letter case counts";
}

TEST_F(Tools, SortFormatDateAndClip) {
    auto tools = gTools();
    EXPECT_EQ(tools->Sort("cab"), "abc");
    EXPECT_EQ(tools->Sort(""), "");
    EXPECT_EQ(tools->Sort("bAa"), "Aab");
    EXPECT_EQ(tools->Sort("baA"), "aAb") << "equal letters keep their order";
    EXPECT_EQ(tools->FormatDate(1), "12-31-1899");
    EXPECT_EQ(tools->FormatDate(45000), "03-15-2023");
    std::string text = "copied";
    tools->Clip(text);
    EXPECT_EQ(ui::Clipboard::GetText(), "copied");
}

TEST_F(Tools, FixupTurnsQuotesIntoBackQuotesAndDoublesBackslashes) {
    EXPECT_EQ(gTools()->FixupSQLParameterData("O'Brien\\x"), "O`Brien\\\\x");
}

}  // namespace
