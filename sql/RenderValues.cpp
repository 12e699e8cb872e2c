#include "sql/RenderValues.h"

#include <charconv>
#include <cmath>
#include <vector>

#include "core/CTools.h"
#include "core/Globals.h"
#include "core/HuntERR31.h"
#include "core/mTL5ErrorCodes.h"
#include "interfaces/ICriteria.h"
#include "interfaces/IDataManager.h"
#include "platform/runtime/Text.h"
#include "platform/units/Units.h"
#include "sql/CSQLBuilder.h"
#include "sql/SqlValues.h"

namespace render {

namespace {

// Where every set keeps its date ranges.
constexpr const char* kDateName = "Date@FieldName";
constexpr const char* kDateLow = "Date@DateLow";
constexpr const char* kDateHigh = "Date@DateHigh";

// The number a bound's text holds; raises &H80041066 naming the text when
// it holds none.
double Number(const std::string& sValue, std::string_view sOf) {
    double d = 0;
    if (!ParseNumber(sValue, d) || !std::isfinite(d)) SqlNumber(sValue, sOf);  // raises, naming the text
    return d;
}

}  // namespace

std::string QuotedTexts(const std::string& sList, std::string_view sOf, char cQuote) {
    if (Trim(sList).empty()) return "";
    std::string sql;
    const std::optional<std::vector<std::string>> texts = ReadQuotedList(sList, cQuote);
    if (!texts) RefuseValue(sList, sOf, "is not a list of quoted texts.");
    for (const std::string& text : *texts) {
        if (!sql.empty()) sql += ',';
        sql += SqlText(text, sOf).Text();
    }
    return sql;
}

std::string Codes(const std::string& sList, std::string_view sOf) { return SqlCodeList(sList, sOf).Text(); }

std::string Bound(const std::string& sValue, std::string_view sOf) { return SqlNumber(sValue, sOf).Text(); }

void CheckUnit(const std::string& sCategory, const std::string& sUnit, const RangeOf& of,
               std::string_view sWritten) {
    const Ref<Units> units = gDataManager()->Units();
    if (units->UnitExists(sCategory, sUnit)) return;
    if (!units->UnitExists(sCategory, "")) RefuseValue(sCategory, of.category, "is not a unit category.");
    RefuseValue(sWritten.empty() ? std::string_view(sUnit) : sWritten, of.unit,
                "is not a unit of the category '" + QuotedValue(sCategory) + "'.");
}

std::string ConvertedBound(const std::string& sValue, std::string_view sOf, const std::string& sCategory,
                           const std::string& sUnit) {
    const double value = gDataManager()->Units()->ToDatabaseUnit(Number(sValue, sOf), sCategory, sUnit);
    // A bound near the largest number can grow past it in the database's unit.
    if (!std::isfinite(value)) RefuseValue(sValue, sOf, "is out of range.");
    return SqlNumber(value).Text();
}

bool DateBound(const std::string& sValue, std::string_view sOf, std::string& sLiteral) {
    // No bound, as 0 is none: a range with only one end leaves the other empty.
    if (Trim(sValue).empty()) return false;
    const double serial = std::trunc(Number(sValue, sOf));
    if (serial == 0) return false;
    sLiteral = SqlDate(serial, sOf, sValue).Text();
    return true;
}

std::string Column(const std::string& sName, std::string_view sOf) {
    return SqlIdentifier(sName, sOf).Text();
}

std::string Column(const std::string& sBefore, const std::string& sName, const std::string& sAfter,
                   std::string_view sOf) {
    SqlIdentifier(sName, sOf);
    return SqlIdentifier(sBefore + sName + sAfter, sOf).Text();
}

std::string CountText(int64_t lCount) {
    if (lCount == 0) return "";
    char digits[32];
    const auto r = std::to_chars(digits, digits + sizeof digits, lCount < 0 ? -lCount : lCount);
    const std::string plain(digits, r.ptr);
    std::string text = lCount < 0 ? "-" : "";
    for (size_t i = 0; i < plain.size(); ++i) {
        if (i > 0 && (plain.size() - i) % 3 == 0) text += ',';
        text += plain[i];
    }
    return text;
}

int64_t ItemCount(const std::string& sList) {
    if (sList.empty()) return 0;
    int64_t count = 1;
    for (char c : sList)
        if (c == ',') ++count;
    return count;
}

void AddIn(CSQLBuilder& builder, const std::string& sOpen, const std::string& sList,
           const std::string& sClose) {
    if (!sList.empty()) builder.AddWhere(sOpen + sList + sClose, "AND");
}

void AddDateRange(CSQLBuilder& builder, const std::string& sName, const std::string& sMin,
                  const std::string& sMax) {
    const std::string column = Column(sName, kDateName);
    std::string lower, upper;
    if (DateBound(sMin, kDateLow, lower)) lower = column + " >= " + lower;
    if (DateBound(sMax, kDateHigh, upper)) upper = column + " <= " + upper;
    AddRangeGroup(builder, lower, upper);
}

bool AddRangeGroup(CSQLBuilder& builder, const std::string& sFirst, const std::string& sSecond,
                   const std::string& sInside) {
    if (sFirst.empty() && sSecond.empty()) return false;
    builder.AddAnd();
    builder.StartParamBlock();
    if (!sFirst.empty()) builder.AddWhere(sFirst);
    if (!sSecond.empty()) {
        if (!sFirst.empty()) builder.AddAnd();
        builder.AddWhere(sSecond);
    }
    if (!sInside.empty()) builder.AddWhere(sInside, "AND");
    builder.EndParamBlock();
    return true;
}

bool AddBoundRange(CSQLBuilder& builder, const std::string& sColumn, const std::string& sMin,
                   const std::string& sMax, const RangeOf& of) {
    return AddRangeGroup(builder, sMin.empty() ? "" : sColumn + " >= " + Bound(sMin, of.min),
                         sMax.empty() ? "" : sColumn + " <= " + Bound(sMax, of.max));
}

bool AddConvertedRange(CSQLBuilder& builder, const std::string& sLowerColumn, const std::string& sUpperColumn,
                       const std::string& sMin, const std::string& sMax, const std::string& sCategory,
                       const std::string& sUnit, const RangeOf& of) {
    if (sMin.empty() && sMax.empty()) return false;
    CheckUnit(sCategory, sUnit, of);
    return AddRangeGroup(
        builder, sMin.empty() ? "" : sLowerColumn + " >= " + ConvertedBound(sMin, of.min, sCategory, sUnit),
        sMax.empty() ? "" : sUpperColumn + " <= " + ConvertedBound(sMax, of.max, sCategory, sUnit));
}

std::string Like(const std::string& sPattern, bool bFixup) {
    return " LIKE " + SqlText(bFixup ? gTools()->FixupSQLParameterData(sPattern) : sPattern).Text();
}

void AddShoreStatusGroup(CSQLBuilder& builder, IShoreStatusCriteria& criteria) {
    std::vector<const char*> chosen;
    for (const char* code : {"ONSHORE", "OFFSHORE", "BOTH"})
        if (criteria.ShoreStatus(code)) chosen.push_back(code);
    if (chosen.empty()) return;
    builder.AddAnd();
    builder.StartParamBlock();
    for (size_t i = 0; i < chosen.size(); ++i) {
        if (i > 0) builder.AddOr();
        builder.AddWhere(std::string("OFFSHORE_CODE = \"") + chosen[i] + "\"");
    }
    builder.EndParamBlock();
}

}  // namespace render
