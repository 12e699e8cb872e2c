// The error report's text and the error log.
#include <gtest/gtest.h>

#include "core/ErrorHandler.h"
#include "core/ErrorReport.h"
#include "core/HuntERR31SysH.h"
#include "platform/ado/Connection.h"
#include "platform/runtime/Text.h"
#include "platform/ui/UiServices.h"

namespace {

std::vector<std::string> ReportLines(const std::string& report) { return Split(report, "\r\n"); }

// Makes the thread's current error as a handler sees it and lets ErrorIn
// record it for one operation.
std::string Report(int32_t number, const std::string& source, const std::string& description,
                   const std::string& location = "CX.Op()", const Variant& args = Variant::Missing(),
                   int32_t lastDllError = 0) {
    Err().Clear();
    Err().Number = number;
    Err().Source = source;
    Err().Description = description;
    Err().LastDllError = lastDllError;
    ErrPreserve();
    return ErrorIn(location, args, ERR_END_HERE);
}

class ErrorReport : public ::testing::Test {
protected:
    void SetUp() override {
        ResetErrorFramework();
        ui::ResetUiServices();
    }
    void TearDown() override { ResetErrorFramework(); }
};

TEST_F(ErrorReport, HeaderLinesAndNumberLine) {
    auto lines =
        ReportLines(Report(ERR_GENERAL, "HuntERR.Check", "No Active Query", "CQuery.IQuery_Results()"));
    ASSERT_GE(lines.size(), 7u);
    EXPECT_EQ(lines[0], "No Active Query ");
    // "  Time='MM/DD/yy HH:NN:SS' App=..." with the time in digits.
    const std::string shape = "  Time='99/99/99 99:99:99'";
    ASSERT_GT(lines[1].size(), shape.size());
    for (size_t i = 0; i < shape.size(); ++i) {
        if (shape[i] == '9')
            EXPECT_TRUE(lines[1][i] >= '0' && lines[1][i] <= '9') << lines[1];
        else
            EXPECT_EQ(lines[1][i], shape[i]) << lines[1];
    }
    EXPECT_EQ(lines[1].substr(shape.size()), " App='TerralithData:" + AppVersionText() + "' ADO-version='" +
                                                 ADODB::Connection().Version() + "' Computer='" +
                                                 ui::ComputerName() + "' ");
    EXPECT_EQ(Split(AppVersionText(), ".").size(), 3u);
    EXPECT_EQ(lines[2], "  Method: CQuery.IQuery_Results ");
    EXPECT_EQ(
        lines[3],
        "  Number: -2147215305 = &H80041837 = vbObjectError + 6199 = ERRMAP_APP_FIRST + 0 = ERR_GENERAL");
    EXPECT_EQ(lines[4], "  Source: HuntERR.Check ");
    EXPECT_EQ(lines[5], "  Description: No Active Query");
    EXPECT_TRUE(StartsWith(lines[6], "  Call Stack: CQuery.IQuery_Results() -"));
}

TEST_F(ErrorReport, OffsetsWrapAroundInThirtyTwoBits) {
    auto numberLine = [](int32_t n) { return ReportLines(Report(n, "ADO", "failed"))[3]; };
    EXPECT_EQ(numberLine(ERR_DB_E_FAIL),
              "  Number: -2147467259 = &H80004005 = vbObjectError - 245755 = ERRMAP_APP_FIRST - 251954 ");
    EXPECT_EQ(numberLine(ERR_MISSING_SETTINGS_ELEMENT),
              "  Number: -2147215300 = &H8004183C = vbObjectError + 6204 = ERRMAP_APP_FIRST + 5 ");
    EXPECT_EQ(numberLine(ERR_DB_E_INVALIDARG),
              "  Number: -2147024809 = &H80070057 = vbObjectError + 196695 = ERRMAP_APP_FIRST + 190496 ");
    EXPECT_EQ(numberLine(rt::kObjectNotSet),
              "  Number: 91 = &H5B = vbObjectError + 2147221595 = ERRMAP_APP_FIRST + 2147215396 ");
    EXPECT_EQ(SignedOffset(0), "+ 0");
    EXPECT_EQ(SignedOffset(-2147483647 - 1), "- 2147483648");
}

TEST_F(ErrorReport, FieldNamesInsideValuesStayLiteral) {
    auto lines = ReportLines(Report(ERR_GENERAL, "src %Descr%", "at %Time% for 100% of %App%"));
    EXPECT_EQ(lines[0], "at %Time% for 100% of %App% ");
    EXPECT_EQ(lines[4], "  Source: src %Descr% ");
    EXPECT_EQ(lines[5], "  Description: at %Time% for 100% of %App%");
    // A marker character inside a value is not a field delimiter either.
    lines = ReportLines(Report(ERR_GENERAL, "s",
                               "x\x08"
                               "Comp\x08y"));
    EXPECT_EQ(lines[0],
              "x\x08"
              "Comp\x08y ");
    // Template percent signs that belong to no field come back.
    EXPECT_EQ(FillReportTemplate("%a% 50% %b%%a%", {{"a", "1"}, {"b", "%a%"}}), "1 50% %a%1");
}

TEST_F(ErrorReport, DatabaseVersionComesFromTheInstalledReader) {
    SetAdoVersionReader([] { return std::string("3.46.1"); });
    EXPECT_NE(Report(ERR_GENERAL, "s", "d").find("ADO-version='3.46.1'"), std::string::npos);
    SetAdoVersionReader([]() -> std::string { Raise(rt::kCantCreateObject); });
    EXPECT_NE(Report(ERR_GENERAL, "s", "d").find("ADO-version='?'"), std::string::npos);
}

TEST_F(ErrorReport, SystemErrorLineOnlyForRealSystemErrors) {
    auto lines = ReportLines(Report(ERR_GENERAL, "s", "d", "CX.Op()", Variant::Missing(), 5));
    EXPECT_EQ(lines[6], "  API Error: (5) Access is denied.");
    EXPECT_TRUE(StartsWith(lines[7], "  Call Stack: CX.Op()"));
    for (int32_t code : {0, 203}) {
        lines = ReportLines(Report(ERR_GENERAL, "s", "d", "CX.Op()", Variant::Missing(), code));
        EXPECT_TRUE(StartsWith(lines[6], "  Call Stack: ")) << code;
    }
}

TEST_F(ErrorReport, CallStackLinesArePaddedToOneHundred) {
    auto lines = ReportLines(
        Report(ERR_GENERAL, "s", "d", "CTools.FixupSQLParameterData(sValue)", ErrArgs(std::string("abc"))));
    const std::string& line = lines[6];
    EXPECT_EQ(line.size(), 100u);
    EXPECT_EQ(line, "  Call Stack: CTools.FixupSQLParameterData(sValue='abc') " + std::string(43, '-'));
    // A longer line is not cut.
    std::string text(38, 'x');
    lines = ReportLines(Report(ERR_GENERAL, "s", "d", "CX.Op(a,b,c)", ErrArgs(text, text, text)));
    EXPECT_EQ(lines[6].size(), 152u);
    EXPECT_TRUE(EndsWith(lines[6], "c='" + text + "') "));
}

TEST_F(ErrorReport, LongAndMultiLineArgumentsGoToValueBlocks) {
    std::string sql = "SELECT " + std::string(293, 'x');
    ASSERT_EQ(sql.size(), 300u);
    auto lines = ReportLines(Report(ERR_GENERAL, "s", "d", "CSQLRenderer.Render(sSQL, lCount, sNote)",
                                    ErrArgs(sql, 3, std::string("a\r\nb"))));
    EXPECT_TRUE(
        StartsWith(lines[6], "  Call Stack: CSQLRenderer.Render(sSQL={Text},  lCount=3,  sNote={Text}) -"));
    EXPECT_EQ(lines[6].size(), 100u);
    EXPECT_EQ(lines[7], "    Value Of sSQL:");
    EXPECT_EQ(lines[8], "      '" + sql + "'");
    EXPECT_EQ(lines[9], "    Value Of  sNote:");
    EXPECT_EQ(lines[10], "      'a");
    EXPECT_EQ(lines[11], "      b'");
    EXPECT_EQ(lines[12], "");
    EXPECT_EQ(ErrState().ValueBlocks, "");
    // Exactly 40 characters still fit in the line; characters, not bytes.
    std::string forty(38, 'y');
    EXPECT_EQ(ArgumentList("s", ErrArgs(forty)), "s='" + forty + "'");
    EXPECT_EQ(ArgumentList("s", ErrArgs(forty + "z")), "s={Text}");
    std::string accents;
    for (int i = 0; i < 38; ++i) accents += "\xC3\xA9";
    EXPECT_EQ(ArgumentList("s", ErrArgs(accents)), "s='" + accents + "'");
    ErrState().ValueBlocks.clear();
}

TEST_F(ErrorReport, ArgumentListNamesAndValues) {
    EXPECT_EQ(ArgumentList("", Variant::Missing()), "");
    EXPECT_EQ(ArgumentList("sValue", Variant("abc")), "sValue='abc'");
    EXPECT_EQ(
        ArgumentList("oParams, [avAttributeNames]", ErrArgs(Variant::Nothing(), Variant({Variant("a")}))),
        "oParams={Nothing},  [avAttributeNames]={Array}");
    // More values than names: the text alone.
    EXPECT_EQ(ArgumentList("a", ErrArgs(1, 2)), "a=1, 2");
    EXPECT_EQ(ErrArgs().IsMissing(), true);
}

TEST_F(ErrorReport, ValueTextByKind) {
    struct CThing : Object {};
    EXPECT_EQ(ValueText(Variant({Variant(1)})), "{Array}");
    EXPECT_EQ(ValueText(Variant()), "{Empty}");
    EXPECT_EQ(ValueText(Variant::Null()), "{Null}");
    EXPECT_EQ(ValueText(Variant(int32_t(-4))), "-4");
    EXPECT_EQ(ValueText(Variant(int16_t(3))), "3");
    EXPECT_EQ(ValueText(Variant(2.5)), "2.5");
    EXPECT_EQ(ValueText(Variant::Currency(15000)), "1.5");
    EXPECT_EQ(ValueText(Variant(true)), "True");
    EXPECT_EQ(ValueText(Variant::Date(DateSerial(2024, 3, 9))), "'2024-03-09'");
    EXPECT_EQ(ValueText(Variant("it's")), "'it's'");
    EXPECT_EQ(ValueText(Variant(std::make_shared<CThing>())), "{CThing}");
    EXPECT_EQ(ValueText(Variant::Nothing()), "{Nothing}");
    EXPECT_EQ(ValueText(Variant::Missing()), "");
}

}  // namespace
