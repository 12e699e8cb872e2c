// The user-interface services: each hook's default, an installed hook, and
// the reset that tests rely on.
#include <gtest/gtest.h>

#include <thread>

#include "platform/ui/ThreadHook.h"
#include "platform/ui/UiServices.h"

namespace {

class UiServices : public ::testing::Test {
protected:
    void SetUp() override { ui::ResetUiServices(); }
    void TearDown() override { ui::ResetUiServices(); }
};

struct CountingWindow : ui::ErrorWindowPresenter {
    int shows = 0;
    void Show(const std::string&, const std::string&) override { ++shows; }
    void SetText(const std::string&) override {}
    void Activate() override {}
    void MakeTopmost() override {}
    void Hide() override {}
};

TEST_F(UiServices, ClipboardHoldsTheLastTextUntilCleared) {
    EXPECT_EQ(ui::Clipboard::GetText(), "");
    ui::Clipboard::SetText("first");
    ui::Clipboard::SetText("second\r\nline");
    EXPECT_EQ(ui::Clipboard::GetText(), "second\r\nline");
    ui::Clipboard::Clear();
    EXPECT_EQ(ui::Clipboard::GetText(), "");
    ui::Clipboard::SetText("kept");
    ui::ResetUiServices();
    EXPECT_EQ(ui::Clipboard::GetText(), "");
}

TEST_F(UiServices, MousePointerStartsAtDefault) {
    EXPECT_EQ(ui::MousePointer(), ui::vbDefault);
    ui::SetMousePointer(ui::vbHourglass);
    EXPECT_EQ(ui::MousePointer(), 11);
    ui::ResetUiServices();
    EXPECT_EQ(ui::MousePointer(), 0);
}

TEST_F(UiServices, DoEventsCallsTheHostsHookOnly) {
    EXPECT_NO_THROW(ui::DoEvents());
    int calls = 0;
    EXPECT_FALSE(ui::SetDoEventsHook([&] { ++calls; }));
    ui::DoEvents();
    ui::DoEvents();
    EXPECT_EQ(calls, 2);
    auto old = ui::SetDoEventsHook({});
    ASSERT_TRUE(old);
    ui::DoEvents();
    EXPECT_EQ(calls, 2);
    old();  // the replaced hook is handed back intact
    EXPECT_EQ(calls, 3);
}

TEST_F(UiServices, NetworkNameLookUpAnswersNotConnectedUnlessTold) {
    std::string remote = "untouched";
    EXPECT_EQ(ui::WNetGetConnection("X:", remote), ui::ERROR_NOT_CONNECTED);
    EXPECT_EQ(ui::WNetGetConnection("X:", remote), 2250);
    EXPECT_EQ(remote, "untouched");

    std::string asked;
    ui::SetNetworkNameResolver([&](const std::string& local, std::string& out) {
        asked = local;
        out = "\\\\server\\share";
        return ui::NO_ERROR;
    });
    EXPECT_EQ(ui::WNetGetConnection("Q:", remote), 0);
    EXPECT_EQ(asked, "Q:");
    EXPECT_EQ(remote, "\\\\server\\share");

    // Any other answer leaves the remote name alone, whatever the resolver wrote.
    for (int32_t answer : {ui::ERROR_CONNECTION_UNAVAIL, 1200, 87}) {
        ui::SetNetworkNameResolver([answer](const std::string&, std::string& out) {
            out = "garbage";
            return answer;
        });
        remote = "before";
        EXPECT_EQ(ui::WNetGetConnection("Q:", remote), answer);
        EXPECT_EQ(remote, "before");
    }
    ui::ResetUiServices();
    EXPECT_EQ(ui::WNetGetConnection("Q:", remote), 2250);
}

TEST_F(UiServices, ErrorWindowGoesToStandardErrorUntilAPresenterIsInstalled) {
    testing::internal::CaptureStderr();
    ui::ErrorWindow().Show("Error Report", "the report");
    ui::ErrorWindow().SetText("the next report");
    ui::ErrorWindow().Activate();
    ui::ErrorWindow().MakeTopmost();
    ui::ErrorWindow().Hide();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error Report:\nthe report\nthe next report\n");
    // A report keeps its lines; what it quotes is shown, not obeyed.
    testing::internal::CaptureStderr();
    ui::ErrorWindow().Show("Error\x1b[2J", "value '\x1b]0;t\x07\r'\r\nnext");
    ui::ErrorWindow().SetText(
        "\xC2\x9B"
        "2J\r\n");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Error\\e[2J:\nvalue '\\e]0;t\\x07\\r'\nnext\n\\u009B2J\n\n");

    auto mine = std::make_shared<CountingWindow>();
    EXPECT_FALSE(ui::SetErrorWindowPresenter(mine));
    ui::ErrorWindow().Show("c", "t");
    EXPECT_EQ(mine->shows, 1);
    EXPECT_EQ(ui::SetErrorWindowPresenter(nullptr), mine);
    testing::internal::CaptureStderr();
    ui::ErrorWindow().Show("c", "t");
    EXPECT_EQ(mine->shows, 1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "c:\nt\n");
}

TEST_F(UiServices, AReportIsKnownByItsWholeTextWhileItIsShownAndAfterOneShownWithinIt) {
    EXPECT_EQ(ui::ReportShown("report"), nullptr);
    {
        const ui::ShowingReport outer("report", "failed");
        // A question asked while the report shows is no report.
        EXPECT_EQ(ui::ReportShown("Save the query?"), nullptr);
        EXPECT_EQ(ui::ReportShown("report "), nullptr);
        {
            const ui::ShowingReport inner("inner report", "inner failed");
            ASSERT_NE(ui::ReportShown("report"), nullptr);
            EXPECT_EQ(ui::ReportShown("report")->description, "failed");
        }
        EXPECT_EQ(ui::ReportShown("inner report"), nullptr);
        ASSERT_NE(ui::ReportShown("report"), nullptr);
        EXPECT_EQ(ui::ReportShown("report")->description, "failed");
    }
    EXPECT_EQ(ui::ReportShown("report"), nullptr);
}

TEST_F(UiServices, MessageBoxWithoutHandlerAnswersNoToQuestionsAndTheDefaultOtherwise) {
    struct Case {
        int32_t style, answer;
        const char* said;
    };
    const Case cases[] = {
        {ui::vbYesNo + ui::vbQuestion, ui::vbNo, "No"},  // Yes is the default button, but not taken
        {ui::vbYesNo + ui::vbDefaultButton2, ui::vbNo, "No"},
        {ui::vbYesNoCancel + ui::vbQuestion, ui::vbNo, "No"},
        {ui::vbYesNoCancel + ui::vbDefaultButton3, ui::vbNo, "No"},
        {ui::vbOKOnly + ui::vbCritical, ui::vbOK, "OK"},
        {ui::vbOKCancel + ui::vbDefaultButton2, ui::vbCancel, "Cancel"},
        {ui::vbRetryCancel, ui::vbRetry, "Retry"},
        {ui::vbAbortRetryIgnore + ui::vbDefaultButton3, ui::vbIgnore, "Ignore"},
    };
    for (const Case& c : cases) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(ui::MsgBox("Delete?", c.style, "Confirm"), c.answer) << c.style;
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  std::string("Confirm: Delete?\n(no one to ask; answered ") + c.said + ")\n");
    }
    testing::internal::CaptureStderr();
    ui::MsgBox("Delete '\x1b[2J\x7f'?\r\nSure?", ui::vbOKOnly, "\rTitle");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "\\rTitle: Delete '\\e[2J\\x7F'?\nSure?\n(no one to ask; answered OK)\n");
    // A handler decides for itself; removing it brings the safe answer back.
    ui::SetMessageBoxHandler([](const std::string&, int32_t, const std::string&) { return ui::vbYes; });
    EXPECT_EQ(ui::MsgBox("Delete?", ui::vbYesNo), ui::vbYes);
    ui::ResetUiServices();
    testing::internal::CaptureStderr();
    EXPECT_EQ(ui::MsgBox("Delete?", ui::vbYesNo), ui::vbNo);
    testing::internal::GetCapturedStderr();
}

TEST_F(UiServices, HooksAreKeptPerThread) {
    int here = 0;
    ui::SetDoEventsHook([&] { ++here; });
    std::thread other([] {
        ui::DoEvents();  // nothing installed on this thread
        ui::SetMousePointer(ui::vbHourglass);
    });
    other.join();
    ui::DoEvents();
    EXPECT_EQ(here, 1);
    EXPECT_EQ(ui::MousePointer(), ui::vbDefault);
}

}  // namespace
