// Raising, passing on and ending errors: the check routine, the preserved
// error state, ErrorIn and the one-line handlers.
#include <gtest/gtest.h>

#include <new>
#include <optional>
#include <stdexcept>

#include "core/CwndShowError.h"
#include "core/ErrorHandler.h"
#include "platform/runtime/Text.h"
#include "platform/ui/UiServices.h"

namespace {

std::optional<Error> Caught(const std::function<void()>& call) {
    try {
        call();
    } catch (const Error& e) {
        return e;
    }
    return std::nullopt;
}

std::vector<std::string> ReportLines(const std::string& report) { return Split(report, "\r\n"); }

std::vector<std::string> CallStack(const std::string& report) {
    std::vector<std::string> lines;
    for (const auto& line : ReportLines(report))
        if (StartsWith(line, "  Call Stack: ")) lines.push_back(line);
    return lines;
}

// Three classes calling each other, each passing errors on, under a root
// that ends them.
class CInner : public virtual Object {
public:
    std::string Fail(const std::string& sWhat, int32_t lNumber) {
        return PassOn("CInner.Fail(sWhat, lNumber)", ERR_ARGS(sWhat, lNumber), [&]() -> std::string {
            Check(false, lNumber, "Inner failed on %0", sWhat);
            return "unreached";
        });
    }
};

class CMiddle : public virtual Object {
public:
    std::string Run(const std::string& sName, int32_t lNumber) {
        return PassOn("CMiddle.Run(sName)", ERR_ARGS(sName),
                      [&] { return inner_.Fail(sName + "!", lNumber); });
    }

private:
    CInner inner_;
};

class COuter : public virtual Object {
public:
    std::string Start(int32_t lNumber) {
        return PassOn("COuter.Start()", ERR_ARGS(), [&] { return middle_.Run("abc", lNumber); });
    }

private:
    CMiddle middle_;
};

class CRootLike : public virtual Object, public ShowsErrors<ErrDisplay::D> {
public:
    // Assigns part of its result before the failing call.
    std::string Collect(const std::string& sKey, int32_t lNumber) {
        std::string result;
        EndHere(*this, "CRootLike.Collect(sKey)", ERR_ARGS(sKey), [&] {
            result = "partial:" + sKey;
            result += outer_.Start(lNumber);
        });
        return result;
    }
    // Returns its value only when it completes.
    int32_t Count(bool bFail) {
        return EndHere(*this, "CRootLike.Count(bFail)", ERR_ARGS(bFail), [&]() -> int32_t {
            if (bFail) Raise(rt::kDivisionByZero);
            return 7;
        });
    }
    const ErrorFields& Fields() const { return errorFields_; }

private:
    COuter outer_;
};

struct RecordingWindow : ui::ErrorWindowPresenter {
    std::vector<std::string> shown;
    void Show(const std::string&, const std::string& text) override { shown.push_back(text); }
    void SetText(const std::string& text) override { shown.push_back(text); }
    void Activate() override {}
    void MakeTopmost() override {}
    void Hide() override {}
};

class ErrorPropagation : public ::testing::Test {
protected:
    void SetUp() override {
        ResetErrorFramework();
        ui::ResetUiServices();
        ui::SetErrorWindowPresenter(window_);
        ui::SetMessageBoxHandler([this](const std::string& text, int32_t, const std::string& title) {
            boxes_.push_back(title + "|" + text);
            return ui::vbOK;
        });
    }
    void TearDown() override {
        ResetErrorFramework();
        ui::ResetUiServices();
    }
    std::shared_ptr<RecordingWindow> window_ = std::make_shared<RecordingWindow>();
    std::vector<std::string> boxes_;
};

TEST_F(ErrorPropagation, ExceptionThreeLevelsDownArrivesWithOneCallStackLinePerLevelInnermostFirst) {
    COuter outer;
    auto e = Caught([&] { outer.Start(ERR_MISSING_DATA_PROVIDER); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Number(), ERR_MISSING_DATA_PROVIDER);
    EXPECT_EQ(e->Source(), "HuntERR.ErrorIn");
    auto lines = ReportLines(e->Description());
    EXPECT_EQ(lines[0], "Inner failed on abc! ");
    EXPECT_EQ(lines[2], "  Method: CInner.Fail ");
    EXPECT_EQ(lines[4], "  Source: HuntERR.Check ");
    EXPECT_EQ(lines[5], "  Description: Inner failed on abc!");
    auto stack = CallStack(e->Description());
    ASSERT_EQ(stack.size(), 3u);
    EXPECT_TRUE(StartsWith(stack[0], "  Call Stack: CInner.Fail(sWhat='abc!',  lNumber=-2147215282) ---"));
    EXPECT_TRUE(StartsWith(stack[1], "  Call Stack: CMiddle.Run(sName='abc') ---"));
    EXPECT_TRUE(StartsWith(stack[2], "  Call Stack: COuter.Start() ---"));
    // The report is exactly the header, the three lines and nothing else.
    EXPECT_EQ(lines.size(), 6u + 3u + 1u);
    EXPECT_EQ(ErrReportText(), e->Description());
    // What the report describes travels with it, whatever its lines say; an
    // error that carries no report says its own description.
    EXPECT_EQ(ErrorMessageOf(e->Source(), e->Description()), "Inner failed on abc!");
    const auto first = e;
    e = Caught([] {
        PassOn("COuter.Op()", ERR_ARGS(), [] {
            PassOn("CInner.Op()", ERR_ARGS(), [] { Check(false, ERR_GENERAL, "one||  Description: two"); });
        });
    });
    ASSERT_TRUE(e);
    EXPECT_EQ(ErrorMessageOf(e->Source(), e->Description()), "one\r\n  Description: two");
    // An earlier report, handed on later, still says its own description.
    EXPECT_EQ(ErrorMessageOf(first->Source(), first->Description()), "Inner failed on abc!");
    EXPECT_EQ(ErrorMessageOf("HuntERR.Check", "one\r\n  Description: two"), "one\r\n  Description: two");
}

TEST_F(ErrorPropagation, UserErrorPassesEveryLevelUnchangedWithoutReport) {
    COuter outer;
    auto e = Caught([&] { outer.Start(ERR_USER_INPUT); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Number(), ERR_USER_INPUT);
    EXPECT_EQ(e->Source(), "HuntERR.Check");
    EXPECT_EQ(e->Description(), "Inner failed on abc!");
    EXPECT_EQ(ErrReportText(), "");
    // A user error after an exception empties the report the exception left.
    Caught([&] { outer.Start(ERR_GENERAL); });
    EXPECT_NE(ErrReportText(), "");
    Caught([&] { outer.Start(ERR_USER_WARNING); });
    EXPECT_EQ(ErrReportText(), "");
}

TEST_F(ErrorPropagation, EndHereReturnsPartialResultShowsOnceAndClearsTheError) {
    CRootLike root;
    EXPECT_EQ(root.Collect("K1", ERR_GENERAL), "partial:K1");
    ASSERT_EQ(window_->shown.size(), 1u);
    EXPECT_EQ(CallStack(window_->shown[0]).size(), 4u);
    EXPECT_TRUE(StartsWith(CallStack(window_->shown[0])[3], "  Call Stack: CRootLike.Collect(sKey='K1') "));
    EXPECT_EQ(root.Fields().ErrorNumber, ERR_GENERAL);
    EXPECT_EQ(root.Fields().ErrorSource, "HuntERR.ErrorIn");
    EXPECT_EQ(root.Fields().ErrorDescription, window_->shown[0]);
    EXPECT_FALSE(root.Fields().ErrorIsException);
    EXPECT_EQ(Err().Number, 0);
    EXPECT_EQ(ErrNumber(), 0);
    EXPECT_FALSE(ErrState().Preserved);
    EXPECT_TRUE(boxes_.empty());

    // A value-returning body gives its value only when it completed.
    EXPECT_EQ(root.Count(false), 7);
    EXPECT_EQ(root.Count(true), 0);
    EXPECT_EQ(root.Fields().ErrorNumber, rt::kDivisionByZero);

    // A user error shows a box and leaves the stored exception alone.
    EXPECT_EQ(root.Collect("K2", ERR_USER_INPUT), "partial:K2");
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0], "User Input Error|Inner failed on abc!");
    EXPECT_EQ(root.Fields().ErrorNumber, rt::kDivisionByZero);
    EXPECT_EQ(window_->shown.size(), 2u);
}

TEST_F(ErrorPropagation, ForeignExceptionsBecomeNumberedErrorsFirst) {
    auto numberOf = [](auto thrower) {
        auto e = Caught([&] { PassOn("CX.Y()", ERR_ARGS(), thrower); });
        EXPECT_TRUE(e && e->Source() == "HuntERR.ErrorIn");
        return e ? e->Number() : 0;
    };
    EXPECT_EQ(numberOf([] { throw std::bad_alloc(); }), 7);
    EXPECT_EQ(numberOf([] { throw std::out_of_range("x"); }), 9);
    EXPECT_EQ(numberOf([] { throw std::invalid_argument("x"); }), 5);
    EXPECT_EQ(numberOf([] { throw std::runtime_error("x"); }), 51);
    EXPECT_EQ(numberOf([] { throw 42; }), 51);
}

TEST_F(ErrorPropagation, ArgumentsAreReadOnlyWhenAnErrorHappensAsTheyStandThen) {
    int calls = 0;
    std::string sValue = "before";
    auto args = [&] {
        ++calls;
        return ErrArgs(sValue);
    };
    EXPECT_EQ(PassOn("CX.Y(sValue)", args, [&] { return sValue.size(); }), 6u);
    EXPECT_EQ(calls, 0);
    auto e = Caught([&] {
        PassOn("CX.Y(sValue)", args, [&] {
            sValue = "after";
            Raise(rt::kFileNotFound);
        });
    });
    EXPECT_EQ(calls, 1);
    ASSERT_TRUE(e);
    EXPECT_NE(e->Description().find("CX.Y(sValue='after')"), std::string::npos);
    // An argument builder that fails does not hide the error.
    e = Caught([&] {
        PassOn(
            "CX.Y(sValue)", []() -> Variant { throw std::runtime_error("bad"); },
            [] { Raise(rt::kFileNotFound); });
    });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Number(), rt::kFileNotFound);
}

TEST_F(ErrorPropagation, FormatArgsFillsInOnePass) {
    EXPECT_EQ(FormatArgs("Query does not exists: %0", Variant("Q7")), "Query does not exists: Q7");
    // A value's own placeholder is not expanded, even when its entry exists.
    EXPECT_EQ(FormatArgs("%0 and %1", Variant({Variant("%1"), Variant("b")})), "%1 and b");
    // A percent sign without a matching index stays as it is.
    EXPECT_EQ(FormatArgs("100% of %2 %x %", Variant({Variant("a")})), "100% of %2 %x %");
    // A non-array is entry 0 only.
    EXPECT_EQ(FormatArgs("%0/%1", Variant(int32_t(5))), "5/%1");
    // The whole run of digits is the index.
    VariantArray eleven;
    for (int i = 0; i <= 10; ++i) eleven.push_back(Variant("v" + std::to_string(i)));
    EXPECT_EQ(FormatArgs("%10 %1 %01", Variant(eleven)), "v10 v1 v1");
    // Values without text become empty text.
    EXPECT_EQ(FormatArgs("[%0][%1]", Variant({Variant::Null(), Variant(true)})), "[][True]");
    EXPECT_EQ(FormatArgs("%0", Variant::Missing()), "%0");
    // A value goes in on one line, its line breaks shown: it cannot start a line of the message.
    EXPECT_EQ(FormatArgs("File: %0", Variant("a\r\n  Description: b\nc")),
              "File: a\\r\\n  Description: b\\nc");
}

TEST_F(ErrorPropagation, SafeCStrNeverFails) {
    EXPECT_EQ(SafeCStr(Variant::Null()), "");
    EXPECT_EQ(SafeCStr(Variant({Variant("a")})), "");
    EXPECT_EQ(SafeCStr(Variant(std::make_shared<Object>())), "");
    EXPECT_EQ(SafeCStr(Variant::Missing()), "");
    EXPECT_EQ(SafeCStr(Variant(1.5)), "1.5");
    EXPECT_EQ(SafeCStr(Variant(false)), "False");
}

TEST_F(ErrorPropagation, CheckRaisesWithFormattedMessage) {
    EXPECT_FALSE(Caught([] { Check(true, ERR_GENERAL, "never"); }));
    auto e = Caught([] {
        Check(false, ERR_MISSING_SETTINGS_ELEMENT,
              "Invalid Settings File. Element %0 is Missing or corrupt||%1",
              Variant({Variant("Units"), Variant("/data/settings||x.xml")}));
    });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Number(), ERR_MISSING_SETTINGS_ELEMENT);
    EXPECT_EQ(e->Source(), "HuntERR.Check");
    // "||" in the message is a line break; in a value it is text.
    EXPECT_EQ(e->Description(),
              "Invalid Settings File. Element Units is Missing or corrupt\r\n/data/settings||x.xml");
    // Without values the placeholders stay.
    e = Caught([] { Check(false, ERR_GENERAL, "a||b %0"); });
    EXPECT_EQ(e->Description(), "a\r\nb %0");
    // A number of 0 would read as "no error" above; it becomes the general error.
    e = Caught([] { Check(false, 0, "zero"); });
    EXPECT_EQ(e->Number(), ERR_GENERAL);
}

TEST_F(ErrorPropagation, PreservedStateKeepsTheFirstErrorUntilPutBack) {
    Err().Number = 53;
    Err().Source = "first";
    Err().Description = "one";
    Err().HelpContext = 12;
    ErrPreserve();
    Err().Clear();
    Err().Number = 91;
    Err().Source = "second";
    ErrPreserve();
    EXPECT_EQ(ErrNumber(), 53);
    EXPECT_EQ(ErrSource(), "first");
    EXPECT_EQ(ErrDescription(), "one");
    ErrRestore();
    EXPECT_EQ(Err().Number, 53);
    EXPECT_EQ(Err().Source, "first");
    EXPECT_EQ(Err().HelpContext, 12);
    EXPECT_FALSE(ErrState().Preserved);
    EXPECT_EQ(ErrNumber(), 53);  // the fields stay after putting back
    ErrRestore();                // nothing preserved: no change
    EXPECT_EQ(Err().Number, 53);

    ErrState().Report = "kept";
    ErrClear();
    EXPECT_EQ(ErrNumber(), 0);
    EXPECT_EQ(ErrSource(), "");
    EXPECT_EQ(ErrState().HelpContext, "0");
    EXPECT_EQ(ErrState().Report, "kept");
}

TEST_F(ErrorPropagation, UserErrorRangeBounds) {
    EXPECT_TRUE(IsUserError(ERR_USER_FIRST));
    EXPECT_TRUE(IsUserError(ERR_USER_END - 1));
    EXPECT_FALSE(IsUserError(ERR_USER_END));
    EXPECT_FALSE(IsUserError(ERR_USER_FIRST - 1));
    EXPECT_FALSE(IsUserError(ERR_GENERAL));
    EXPECT_FALSE(IsUserError(rt::kObjectNotSet));
    EXPECT_EQ(ERR_USER_FIRST, vbObjectError + 4197);
    EXPECT_EQ(ERR_USER_END, vbObjectError + 5198);
}

TEST_F(ErrorPropagation, ErrorInWithNothingToReportReportsTheLostError) {
    std::string report = ErrorIn("CX.Handler()", Variant::Missing(), ERR_END_HERE);
    EXPECT_TRUE(
        StartsWith(report,
                   "ErrorIn: Error information was lost. To fix: call ErrPreserve before doing anything in "
                   "error handler. \r\n"));
    EXPECT_NE(report.find("= ERR_GENERAL\r\n"), std::string::npos);
    EXPECT_EQ(Err().Number, ERR_GENERAL);
    EXPECT_EQ(Err().Source, "HuntERR.ErrorIn");

    Err().Clear();
    ErrClear();
    auto e = Caught([] { ErrorIn("CX.Handler()", Variant::Missing(), ERR_PASS_ON); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Number(), ERR_GENERAL);
}

}  // namespace
