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

constexpr const char* kNotQuotedList = "The value '%0' is not a list of quoted texts.";

// The number a bound's text holds; raises &H80041066 naming the text when
// it holds none.
double Number(const std::string& sValue) {
    double d = 0;
    if (!ParseNumber(sValue, d) || !std::isfinite(d)) SqlNumber(sValue);  // raises, naming the text
    return d;
}

}  // namespace

std::string QuotedTexts(const std::string& sList, char cQuote) {
    if (Trim(sList).empty()) return "";
    std::string sql;
    const std::optional<std::vector<std::string>> texts = ReadQuotedList(sList, cQuote);
    if (!texts) RefuseInput(kNotQuotedList, {sList});
    for (const std::string& text : *texts) {
        if (!sql.empty()) sql += ',';
        sql += SqlText(text).Text();
    }
    return sql;
}

std::string Codes(const std::string& sList) { return SqlCodeList(sList).Text(); }

std::string Bound(const std::string& sValue) { return SqlNumber(sValue).Text(); }

std::string ConvertedBound(const std::string& sValue, const std::string& sCategory,
                           const std::string& sUnit) {
    const double value = gDataManager()->Units()->ToDatabaseUnit(Number(sValue), sCategory, sUnit);
    return SqlNumber(value).Text();
}

bool DateBound(const std::string& sValue, std::string& sLiteral) {
    const double serial = std::trunc(Number(sValue));
    if (serial == 0) return false;
    sLiteral = SqlDate(serial).Text();
    return true;
}

std::string Column(const std::string& sName) { return SqlIdentifier(sName).Text(); }

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
    const std::string column = Column(sName);
    std::string lower, upper;
    if (DateBound(sMin, lower)) lower = column + " >= " + lower;
    if (DateBound(sMax, upper)) upper = column + " <= " + upper;
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
                   const std::string& sMax) {
    return AddRangeGroup(builder, sMin.empty() ? "" : sColumn + " >= " + Bound(sMin),
                         sMax.empty() ? "" : sColumn + " <= " + Bound(sMax));
}

bool AddConvertedRange(CSQLBuilder& builder, const std::string& sLowerColumn, const std::string& sUpperColumn,
                       const std::string& sMin, const std::string& sMax, const std::string& sCategory,
                       const std::string& sUnit) {
    return AddRangeGroup(builder,
                         sMin.empty() ? "" : sLowerColumn + " >= " + ConvertedBound(sMin, sCategory, sUnit),
                         sMax.empty() ? "" : sUpperColumn + " <= " + ConvertedBound(sMax, sCategory, sUnit));
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
