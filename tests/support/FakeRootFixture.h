#pragma once
// A subsystem's tests on a stand-in root: each test gets its own copy of the
// sample data set and, once it asks, a FakeRoot over it; message boxes and
// the error dialog are recorded instead of shown, and the error log goes to a
// folder of the test's own.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/CTools.h"
#include "core/CwndShowError.h"
#include "core/ErrorHandler.h"
#include "core/Globals.h"
#include "core/mTL5ErrorCodes.h"
#include "interfaces/ISettings2.h"
#include "platform/runtime/Text.h"
#include "platform/ui/UiServices.h"
#include "platform/xml/kqXML.h"
#include "platform/xml/kqXMLNode.h"
#include "support/ErrorAssert.h"
#include "support/FakeQuery.h"
#include "support/FakeRoot.h"
#include "support/TempDir.h"

class FakeRootFixture : public ::testing::Test {
protected:
    struct ShownMessage {
        std::string text;
        int32_t style;
        std::string title;
    };

    void SetUp() override {
        ReleaseModuleData();
        ResetErrorFramework();
        ui::ResetUiServices();
        ui::SetMessageBoxHandler([this](const std::string& text, int32_t style, const std::string& title) {
            messages.push_back({text, style, title});
            return answer;
        });
        tmpDir_.emplace(logFolder_.Path().c_str());
        CopySampleData(data.Path());
        settingsFile = data.Path() + "Terralith.settings.xml";
        settingsXml = ReadFile(settingsFile);
    }

    void TearDown() override {
        root.Reset();
        ReleaseModuleData();
        ResetErrorFramework();
        ui::ResetUiServices();
        tmpDir_.reset();
    }

    // Installs a stand-in root over the copy, its database still closed.
    Ref<FakeRoot> MakeRoot() {
        root = FakeRoot::Install(data.Path());
        return root;
    }
    // Installs a stand-in root and opens its connection.
    Ref<FakeRoot> OpenRoot() {
        MakeRoot();
        root->OpenDatabase();
        return root;
    }
    // Installs a stand-in root whose query manager hands out only a fake
    // active query, and returns that query.
    Ref<FakeQuery> MakeRootWithFakeQuery() {
        if (!root) MakeRoot();
        auto manager = New<FakeQueryManager>();
        root->SetQueries(manager);
        return manager->ActiveQuery();
    }

    // Replaces the text of the first element named `element` in the settings.
    void SetSetting(const std::string& element, const std::string& value) {
        std::string open = "<" + element + ">", close = "</" + element + ">";
        auto a = settingsXml.find(open);
        auto b = settingsXml.find(close, a);
        ASSERT_NE(a, std::string::npos) << element;
        settingsXml = settingsXml.substr(0, a + open.size()) + value + settingsXml.substr(b);
    }
    // Removes the first element named `element` (with its content).
    void RemoveSetting(const std::string& element) {
        std::string open = "<" + element + ">", close = "</" + element + ">";
        auto a = settingsXml.find(open);
        auto b = settingsXml.find(close, a);
        ASSERT_NE(a, std::string::npos) << element;
        settingsXml = settingsXml.substr(0, a) + settingsXml.substr(b + close.size());
    }
    // The settings (as SetSetting and RemoveSetting left them, written to
    // their own file), bound to the element at `path`, as the root hands an
    // element to the object that reads it.
    Ref<ISettings2> SettingsElement(const std::string& path) {
        settingsFile = data.Write("Test.settings.xml", settingsXml);
        Ref<ISettings2> settings = gTools()->NewSettingsObject();
        EXPECT_TRUE(settings->Load(settingsFile));
        EXPECT_TRUE(settings->Select(path)) << path;
        return settings->Node();
    }

    std::string DatabasePath() const { return data.Path() + "Core/Database/Terralith.db"; }

    static std::string ReadFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    // The report the error dialog shows ("" while it never showed one).
    static std::string Dialog() { return CwndShowError::Instance().Text(); }
    // The error log.
    std::string Log() const { return ReadFile(logFolder_.Path() + "Errors.txt"); }
    // The markup of the whole document a settings object stands in.
    static std::string WholeXml(const Ref<ISettings2>& doc) {
        return doc->XMLObject()->DocumentNode()->xml();
    }
    static bool Contains(const std::string& text, const std::string& part) {
        return text.find(part) != std::string::npos;
    }

    TempDir data;
    std::string settingsXml;
    std::string settingsFile;
    Ref<FakeRoot> root;
    std::vector<ShownMessage> messages;
    int32_t answer = 7;  // No

private:
    TempDir logFolder_;
    std::optional<TmpDirVariable> tmpDir_;  // $TMPDIR is logFolder_ from SetUp to TearDown
};
