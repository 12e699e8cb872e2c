// Showing ended errors: the display variants, the error fields, the log, the
// mouse pointer and the error dialog.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "core/CwndShowError.h"
#include "core/ErrorHandler.h"
#include "core/HuntERR31SysH.h"
#include "platform/runtime/Text.h"
#include "platform/ui/UiServices.h"
#include "support/Fifo.h"
#include "support/TempDir.h"

namespace {

struct Box {
    std::string title;
    int32_t style;
    std::string text;
    std::string report;  // what the library said the box's report describes; "-" for no report
};

// What the library says of a text it shows: the description of the report
// it is, or "-" when it is none.
std::string ReportOf(const std::string& text) {
    const ui::ShownReport* report = ui::ReportShown(text);
    return report ? report->description : "-";
}

struct RecordingWindow : ui::ErrorWindowPresenter {
    std::vector<std::string> calls;
    int failShows = 0;                 // how many Show calls fail before one succeeds
    std::vector<std::string> reports;  // ReportOf each text shown
    void Show(const std::string& caption, const std::string& text) override {
        calls.push_back("Show:" + caption + ":" + text);
        reports.push_back(ReportOf(text));
        if (failShows > 0) {
            --failShows;
            throw std::runtime_error("cannot show");
        }
    }
    void SetText(const std::string& text) override { calls.push_back("SetText:" + text); }
    void Activate() override { calls.push_back("Activate"); }
    void MakeTopmost() override { calls.push_back("MakeTopmost"); }
    void Hide() override { calls.push_back("Hide"); }
    size_t Count(const std::string& prefix) const {
        size_t n = 0;
        for (const auto& c : calls) n += StartsWith(c, prefix);
        return n;
    }
};

// A class of a display variant with one operation that ends its errors.
template <ErrDisplay V>
class CShows : public virtual Object, public ShowsErrors<V> {
public:
    void Fail(int32_t lNumber) {
        EndHere(*this, "CShows.Fail(lNumber)", ERR_ARGS(lNumber),
                [&] { Check(false, lNumber, "failed %0", lNumber); });
    }
    ErrorFields Fields() const {
        if constexpr (StoresErrorFields(V))
            return this->errorFields_;
        else
            return ErrorFields{};
    }
};

void ExpectCleared() {
    EXPECT_EQ(Err().Number, 0);
    EXPECT_EQ(ErrNumber(), 0);
    EXPECT_FALSE(ErrState().Preserved);
}

// What a variant does with the warning and with an exception.
struct Row {
    int32_t warningStyle;
    bool inDialog;
    bool logs;
    bool stores;
};

// Passes an error on from one operation; the report it got stays on the thread.
std::string PassedOnReport(int32_t number, const std::string& description) {
    try {
        PassOn("CX.Op()", ERR_ARGS(), [&] { Raise(number, "s", description); });
    } catch (const Error& e) {
        return e.Description();
    }
    return "";
}

// The log goes to the temporary folder, which each test points at a folder
// of its own.
class ErrorDisplayTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetErrorFramework();
        ui::ResetUiServices();
        ui::SetErrorWindowPresenter(window_);
        ui::SetMessageBoxHandler([this](const std::string& text, int32_t style, const std::string& title) {
            boxes_.push_back({title, style, text, ReportOf(text)});
            return ui::vbOK;
        });
        tmpDir_.emplace(dir_.Path().c_str());
    }
    void TearDown() override {
        tmpDir_.reset();
        ResetErrorFramework();
        ui::ResetUiServices();
    }
    std::string Log(const std::string& folder = "") const {
        std::ifstream in((folder.empty() ? dir_.Path() : folder) + "Errors.txt", std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    template <ErrDisplay V>
    void CheckVariant(Row x) {
        SCOPED_TRACE("variant " + std::string(1, static_cast<char>('A' + static_cast<int>(V))));
        CShows<V> owner;
        boxes_.clear();
        window_->calls.clear();
        window_->reports.clear();
        std::string logBefore = Log();

        owner.Fail(ERR_USER_WARNING);
        owner.Fail(ERR_USER_INPUT);
        owner.Fail(ERR_USER_MULTIPLE_INPUT);
        ASSERT_EQ(boxes_.size(), 3u);
        EXPECT_EQ(boxes_[0].title, "Warning");
        EXPECT_EQ(boxes_[0].style, x.warningStyle);
        EXPECT_EQ(boxes_[0].text, "failed " + std::to_string(ERR_USER_WARNING));
        EXPECT_EQ(boxes_[1].title, "User Input Error");
        EXPECT_EQ(boxes_[1].style, 48);
        EXPECT_EQ(boxes_[2].title, "Multiple Input Errors");
        EXPECT_EQ(boxes_[2].style, 0);
        for (const Box& box : boxes_)
            EXPECT_EQ(box.report, "-") << box.title;  // no box of a user error is a report
        EXPECT_EQ(owner.Fields().ErrorNumber, 0);     // user errors are never stored
        EXPECT_EQ(Log(), logBefore);                  // nor logged
        EXPECT_TRUE(window_->calls.empty());
        ExpectCleared();

        owner.Fail(rt::kFileNotFound);
        std::string report, described;
        if (x.inDialog) {
            EXPECT_EQ(boxes_.size(), 3u);
            ASSERT_EQ(window_->Count("Show:"), 1u);
            report = window_->calls[0].substr(std::string("Show:Error Report:").size());
            described = window_->reports[0];
        } else {
            EXPECT_TRUE(window_->calls.empty());
            ASSERT_EQ(boxes_.size(), 4u);
            EXPECT_EQ(boxes_[3].title, "Error");
            EXPECT_EQ(boxes_[3].style, 16);
            report = boxes_[3].text;
            described = boxes_[3].report;
        }
        // The host is told that it is handed a report, and what it describes.
        EXPECT_EQ(described, "failed 53");
        EXPECT_TRUE(StartsWith(report, "failed 53 \r\n"));
        EXPECT_NE(report.find("  Call Stack: CShows.Fail(lNumber=53) "), std::string::npos);
        EXPECT_EQ(Log(), x.logs ? logBefore + report + "\r\n\r\n\r\n" : logBefore);
        if (x.stores) {
            EXPECT_EQ(owner.Fields().ErrorNumber, 53);
            EXPECT_EQ(owner.Fields().ErrorSource, "HuntERR.ErrorIn");
            EXPECT_EQ(owner.Fields().ErrorDescription, report);
            EXPECT_FALSE(owner.Fields().ErrorIsException);
        }
        ExpectCleared();
        CwndShowError::Instance().btnClose_Click();
    }

    std::shared_ptr<RecordingWindow> window_ = std::make_shared<RecordingWindow>();
    std::vector<Box> boxes_;
    TempDir dir_;
    std::optional<TmpDirVariable> tmpDir_;  // $TMPDIR is dir_ from SetUp to TearDown
};

TEST_F(ErrorDisplayTest, EachVariantShowsLogsAndStoresAsItsRowSays) {
    CheckVariant<ErrDisplay::A>({0, true, false, false});
    CheckVariant<ErrDisplay::B>({64, false, true, false});
    CheckVariant<ErrDisplay::C>({0, true, true, false});
    CheckVariant<ErrDisplay::D>({0, true, false, true});
    CheckVariant<ErrDisplay::E>({64, false, true, true});
    CheckVariant<ErrDisplay::F>({48, true, false, false});
    CheckVariant<ErrDisplay::G>({64, false, false, false});
}

TEST_F(ErrorDisplayTest, OtherUserErrorsShowOnlyInTheRendererVariant) {
    const int32_t other = ERR_USER_FIRST + 11;
    CShows<ErrDisplay::F> renderer;
    renderer.Fail(ERR_USER_SILENT);
    EXPECT_TRUE(boxes_.empty());
    ExpectCleared();
    renderer.Fail(other);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].title, "Warning (" + std::to_string(other) + ")");
    EXPECT_EQ(boxes_[0].title, "Warning (-2147217296)");
    EXPECT_EQ(boxes_[0].style, 48);
    ExpectCleared();

    CShows<ErrDisplay::A> tools;
    tools.Fail(ERR_USER_SILENT);
    tools.Fail(other);
    EXPECT_EQ(boxes_.size(), 1u);
    ExpectCleared();

    // The next error anywhere is reported with its own number and text.
    CShows<ErrDisplay::B> well;
    well.Fail(ERR_USER_INPUT);
    ASSERT_EQ(boxes_.size(), 2u);
    EXPECT_EQ(boxes_[1].title, "User Input Error");
    EXPECT_EQ(boxes_[1].text, "failed " + std::to_string(ERR_USER_INPUT));
}

TEST_F(ErrorDisplayTest, StoredExceptionSurvivesLaterUserErrors) {
    CShows<ErrDisplay::D> root;
    root.Fail(ERR_GENERAL);
    EXPECT_EQ(root.Fields().ErrorNumber, ERR_GENERAL);
    root.Fail(ERR_USER_WARNING);
    EXPECT_EQ(root.Fields().ErrorNumber, ERR_GENERAL);
    EXPECT_EQ(root.Fields().ErrorSource, "HuntERR.ErrorIn");
    root.Fail(rt::kObjectNotSet);
    EXPECT_EQ(root.Fields().ErrorNumber, rt::kObjectNotSet);
}

TEST_F(ErrorDisplayTest, MousePointerGoesBackToDefault) {
    CShows<ErrDisplay::A> owner;
    ui::SetMousePointer(ui::vbHourglass);
    owner.Fail(ERR_USER_WARNING);
    EXPECT_EQ(ui::MousePointer(), ui::vbDefault);
    ui::SetMousePointer(ui::vbHourglass);
    owner.Fail(ERR_GENERAL);
    EXPECT_EQ(ui::MousePointer(), ui::vbDefault);
}

TEST_F(ErrorDisplayTest, FailuresWhileShowingAreIgnored) {
    ui::SetMessageBoxHandler([](const std::string&, int32_t, const std::string&) -> int32_t {
        throw std::runtime_error("no screen");
    });
    CShows<ErrDisplay::E> query;
    EXPECT_NO_THROW(query.Fail(ERR_GENERAL));
    EXPECT_EQ(query.Fields().ErrorNumber, ERR_GENERAL);  // the later steps still ran
    EXPECT_NE(Log().find("failed -2147215305"), std::string::npos);
    ExpectCleared();

    window_->failShows = 100;
    CShows<ErrDisplay::D> root;
    EXPECT_NO_THROW(root.Fail(rt::kFileNotFound));
    EXPECT_EQ(window_->Count("Show:"), 2u);  // the dialog is tried twice
    EXPECT_EQ(root.Fields().ErrorNumber, rt::kFileNotFound);
    EXPECT_FALSE(CwndShowError::Instance().Visible());
    ExpectCleared();
}

TEST_F(ErrorDisplayTest, DialogIsKeptShownAgainAndCopiesOnlyTheLatestReport) {
    CShows<ErrDisplay::C> manager;
    window_->failShows = 1;  // the first attempt to show fails, the second works
    manager.Fail(rt::kFileNotFound);
    CwndShowError& dialog = CwndShowError::Instance();
    EXPECT_TRUE(dialog.Visible());
    EXPECT_EQ(window_->Count("Show:Error Report:failed 53"), 2u);
    EXPECT_EQ(window_->calls.back(), "MakeTopmost");
    std::string first = dialog.Text();

    manager.Fail(rt::kPathFileAccess);
    EXPECT_EQ(&CwndShowError::Instance(), &dialog);
    EXPECT_EQ(window_->Count("Show:"), 2u);  // already showing: only the text changes
    ASSERT_EQ(window_->Count("SetText:"), 1u);
    std::string second = dialog.Text();
    EXPECT_TRUE(StartsWith(second, "failed 75 \r\n"));
    EXPECT_EQ(window_->calls[window_->calls.size() - 3], "SetText:" + second);

    ui::Clipboard::SetText("old");
    dialog.btnCopy_Click();
    EXPECT_EQ(ui::Clipboard::GetText(), second);
    EXPECT_NE(ui::Clipboard::GetText(), first);

    dialog.btnClose_Click();
    EXPECT_FALSE(dialog.Visible());
    EXPECT_EQ(window_->calls.back(), "Hide");
    EXPECT_EQ(dialog.Text(), second);  // hidden, not unloaded
    manager.Fail(rt::kObjectNotSet);
    EXPECT_TRUE(dialog.Visible());
    EXPECT_EQ(window_->Count("Show:"), 3u);
}

TEST_F(ErrorDisplayTest, ResizeKeepsButtonsInTheCornerOnlyInNormalState) {
    CwndShowError::Layout start;
    start.btnClose = {0, 0, 1245, 465};
    start.btnCopy = {0, 0, 1245, 465};
    auto layout = CwndShowError::Arrange(start, 10000, 6000, CwndShowError::vbNormal);
    EXPECT_EQ(layout.btnClose, (CwndShowError::Placement{10000 - 1305, 6000 - 525, 1245, 465}));
    EXPECT_EQ(layout.btnCopy, (CwndShowError::Placement{10000 - 1305 - 1305, 6000 - 525, 1245, 465}));
    EXPECT_EQ(layout.txtError, (CwndShowError::Placement{0, 0, 10000, 6000 - 525 - 60}));
    EXPECT_EQ(CwndShowError::Arrange(layout, 300, 200, CwndShowError::vbMinimized), layout);
    EXPECT_EQ(CwndShowError::Arrange(layout, 30000, 20000, CwndShowError::vbMaximized), layout);

    // The first report places the controls for the first size.
    CwndShowError& dialog = CwndShowError::Instance();
    dialog.ErrorReport("text");
    EXPECT_EQ(dialog.Caption(), "Error Report");
    EXPECT_EQ(dialog.Controls().btnClose, (CwndShowError::Placement{8475 - 1305, 4560 - 525, 1245, 465}));
    dialog.Resized(9000, 5000, CwndShowError::vbNormal);
    EXPECT_EQ(dialog.Controls().btnCopy.Left, 9000 - 2610);
    dialog.Resized(100, 100, CwndShowError::vbMinimized);
    EXPECT_EQ(dialog.Controls().btnCopy.Left, 9000 - 2610);
}

using ErrorLog = ErrorDisplayTest;

TEST_F(ErrorLog, UserErrorLeavesNoReportAndNoLogEntry) {
    EXPECT_EQ(PassedOnReport(ERR_USER_WARNING, "too large"), "too large");
    EXPECT_EQ(ErrReportText(), "");
    ErrSaveToFile("Errors.txt");
    EXPECT_FALSE(std::filesystem::exists(dir_.Path() + "Errors.txt"));
}

TEST_F(ErrorLog, EntriesAppendInOrderEachFollowedByBlankLines) {
    std::string first = PassedOnReport(ERR_GENERAL, "first");
    ErrSaveToFile("Errors.txt");
    std::string second = PassedOnReport(rt::kFileNotFound, "second");
    ErrSaveToFile("Errors.txt");
    EXPECT_EQ(Log(), first + "\r\n\r\n\r\n" + second + "\r\n\r\n\r\n");
}

TEST_F(ErrorLog, ReportOfAPropagatedErrorWithoutOwnReportIsTheDescription) {
    Err().Number = ERR_GENERAL;
    Err().Source = "HuntERR.ErrorIn";
    Err().Description = "report from a called operation";
    ErrPreserve();
    EXPECT_EQ(ErrReportText(), "report from a called operation");
    ErrSaveToFile("Errors.txt");
    EXPECT_EQ(Log(), "report from a called operation\r\n\r\n\r\n");
}

TEST_F(ErrorLog, FileThatAppearsLateIsWrittenAfterRetries) {
    PassedOnReport(ERR_GENERAL, "late");
    std::string folder = dir_.Path() + "late/";
    std::thread maker([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        std::filesystem::create_directories(folder);
    });
    ErrSaveToFile(folder + "Errors.txt");
    maker.join();
    EXPECT_NE(Log(folder).find("late"), std::string::npos);
}

TEST_F(ErrorLog, FileThatCannotBeOpenedIsDroppedAfterOneSecondWithoutRaising) {
    PassedOnReport(ERR_GENERAL, "dropped");
    std::string folder = dir_.Path() + "a-folder";
    std::filesystem::create_directories(folder);
    auto start = std::chrono::steady_clock::now();
    EXPECT_NO_THROW(ErrSaveToFile(folder));
    auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_GE(elapsed, std::chrono::milliseconds(1000));
    EXPECT_LT(elapsed, std::chrono::milliseconds(1800));
    EXPECT_TRUE(std::filesystem::is_directory(folder));

    // A pipe under the log's name is never written to nor waited on.
    const std::string pipe = dir_.Path() + "pipe";
    MakeFifo(pipe);
    FifoWatchdog watchdog(pipe, 500);
    start = std::chrono::steady_clock::now();
    EXPECT_NO_THROW(ErrSaveToFile(pipe));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(400));
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_EQ(std::filesystem::status(pipe).type(), std::filesystem::file_type::fifo);
}

}  // namespace
