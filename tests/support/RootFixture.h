#pragma once
// A root object on a private copy of the sample data set: each test gets its
// own data folder and settings file in a temporary folder, with message
// boxes, the error window and the host callback recorded instead of shown.
// From SetUp to TearDown $TMPDIR is a folder of the test's own, so the error
// log, and whatever a program the test starts writes there, stays with the
// test and goes with it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/CTools.h"
#include "core/CwndShowError.h"
#include "core/ErrorHandler.h"
#include "core/Globals.h"
#include "interfaces/ICallBackClient2.h"
#include "platform/runtime/Text.h"
#include "platform/toolslib/cvCommand.h"
#include "platform/ui/UiServices.h"
#include "root/cvDataManager.h"
#include "support/TempDir.h"

// Keeps every command the root sends, as "KEY=value!KEY=value" text.
class RecordingCallBack final : public IParentCallBack {
public:
    void Call(const Ref<ICallBackClient2>& oSender, const Variant& vCommand) override {
        // Only the identity: holding the sender would keep the root alive.
        lastSender = dynamic_cast<const Object*>(oSender.get());
        commands.push_back(vCommand.ToObject<cvCommand>()->Text());
    }
    // The commands whose text contains `part`.
    std::vector<std::string> With(const std::string& part) const {
        std::vector<std::string> out;
        for (const auto& c : commands)
            if (c.find(part) != std::string::npos) out.push_back(c);
        return out;
    }
    std::vector<std::string> commands;
    const Object* lastSender = nullptr;
};

struct ShownMessage {
    std::string text;
    int32_t style;
    std::string title;
};

class RootFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ReleaseModuleData();
        ResetErrorFramework();
        ui::ResetUiServices();
        ui::SetMessageBoxHandler([this](const std::string& text, int32_t style, const std::string& title) {
            messages.push_back({text, style, title});
            return answer;
        });
        std::filesystem::copy(
            SampleDataFolder(), data.Path(),
            std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
        settingsXml = ReadFile(data.Path() + "Terralith.settings.xml");
        settingsXml = Replace(settingsXml, SampleDataFolder(), data.Path());
        tmpDir_.emplace(logFolder_.Path().c_str());
    }

    void TearDown() override {
        ReleaseModuleData();
        ResetErrorFramework();
        ui::ResetUiServices();
        tmpDir_.reset();
    }

    // The error log the library appends its reports to.
    std::string Log() const { return ReadFile(logFolder_.Path() + "Errors.txt"); }

    static std::string ReadFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
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

    // Creates the root and hands it the settings (written to a file first).
    Ref<cvDataManager> MakeRoot(bool withCallBack = true) {
        settingsFile = data.Write("Test.settings.xml", settingsXml);
        root = cvDataManager::Create();
        hostSettings = gTools()->NewSettingsObject();
        EXPECT_TRUE(hostSettings->Load(settingsFile));
        root->Settings(hostSettings);
        if (withCallBack) root->RegisterCallBack(callBack);
        return root;
    }

    Ref<cvDataManager> OpenRoot() {
        MakeRoot();
        root->OpenDatabase();
        EXPECT_EQ(root->ErrorNumber(), 0) << root->ErrorDescription();
        return root;
    }

    std::string DatabasePath() const { return data.Path() + "Core/Database/Terralith.db"; }

    TempDir data;
    std::string settingsXml;
    std::string settingsFile;
    Ref<cvDataManager> root;
    Ref<ISettings2> hostSettings;  // the host's settings document the root is bound into
    Ref<RecordingCallBack> callBack = New<RecordingCallBack>();
    std::vector<ShownMessage> messages;
    int32_t answer = 7;  // No

private:
    TempDir logFolder_;
    std::optional<TmpDirVariable> tmpDir_;  // $TMPDIR is logFolder_ from SetUp to TearDown
};
