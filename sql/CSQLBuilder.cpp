#include "sql/CSQLBuilder.h"

#include "core/ErrorHandler.h"
#include "platform/runtime/Text.h"
#include "platform/toolslib/cvStrings.h"
#include "sql/SqlQuotes.h"

namespace {

constexpr const char* kDefaultTemplate = "<select/> <from/> <join/> <where/> <group/> <having/> <order/>";

constexpr const char* kSelect = "<select/>";
constexpr const char* kFrom = "<from/>";
constexpr const char* kJoin = "<join/>";
constexpr const char* kWhere = "<where/>";
constexpr const char* kGroup = "<group/>";
constexpr const char* kHaving = "<having/>";
constexpr const char* kOrder = "<order/>";
constexpr const char* kSubSelect = "<subselect/>";

constexpr const char* kTags[] = {kSelect, kFrom, kWhere, kOrder, kGroup, kHaving, kJoin, kSubSelect};

// What empty condition groups leave behind, removed in this order.
constexpr const char* kEmptyGroups[] = {"AND ()", "()", "( )", "(  )", "(   )"};

// An item: the caller's text trimmed, with one trailing blank.
std::string Item(const std::string& s) { return Trim(s) + " "; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A number as the user's settings may write it: "," groups thousands or
// marks the decimals, so a comma between two digits is accepted.
bool IsNumberWithSeparators(const std::string& sWord) {
    std::string plain;
    for (size_t i = 0; i < sWord.size(); ++i) {
        if (sWord[i] != ',') {
            plain += sWord[i];
        } else if (i == 0 || i + 1 == sWord.size() || !IsDigit(sWord[i - 1]) || !IsDigit(sWord[i + 1])) {
            return false;
        }
    }
    return IsNumericText(plain);
}

}  // namespace

CSQLBuilder::CSQLBuilder() : sql_(kDefaultTemplate) {}

void CSQLBuilder::PutBefore(const std::string& sText, const char* sTag, bool bNoCase) {
    sql_ = ReplaceOutsideQuotes(sql_, sTag, sText + sTag, bNoCase);
}

void CSQLBuilder::SetDistinct(bool bState) {
    PassOn("CSQLBuilder.Distinct(bState)", ERR_ARGS(bState), [&] {
        cvStrings str;
        sql_ = Trim(sql_);
        const std::string sFirstTwo = str.Token(sql_, " ", 0, 2);
        if (bState) {
            if (EqualsNoCase(sFirstTwo, "SELECT DISTINCTROW") || EqualsNoCase(sFirstTwo, "SELECT DISTINCT"))
                return;
            sql_ = str.Token(sql_, " ", 0, 1) + " DISTINCT " + str.Token(sql_, " ", 1, 0);
        } else if (EqualsNoCase(sFirstTwo, "SELECT DISTINCT")) {
            sql_ = str.Token(sql_, " ", 0, 1) + " " + str.Token(sql_, " ", 2, 0);
        }
    });
}

void CSQLBuilder::SetSQL(const std::string& sSQL) {
    PassOn("CSQLBuilder.SQL(sSQL)", ERR_ARGS(sSQL), [&] {
        sql_ = sSQL;
        tablesAdded_ = 0;
        const std::string lower = LCase(sSQL);
        hasSelect_ = InStr(lower, "select ") > 0;
        hasWhere_ = InStr(lower, "where ") > 0;
        hasFrom_ = InStr(lower, "from ") > 0;
        hasGroup_ = InStr(lower, "group by ") > 0;
        hasHaving_ = InStr(lower, "having ") > 0;
        hasOrder_ = InStr(lower, "order by ") > 0;
        // An "and " after the where keyword (or, without one, after the where
        // tag) means a condition is already there.
        const size_t whereAt = hasWhere_ ? InStr(lower, "where ") : InStr(lower, kWhere);
        needOperator_ = InStr(lower, "and ") > whereAt;
        if (hasWhere_ && InStr(lower, kWhere) > 0) {
            cvStrings str;
            if (!Trim(str.TextBetween(lower, "where ", kWhere, 0, 1)).empty()) needOperator_ = true;
        }
    });
}

std::string CSQLBuilder::SQL() const {
    return PassOn("CSQLBuilder.SQL()", ERR_ARGS(), [&] {
        std::string s = sql_;
        for (const char* tag : kTags) s = ReplaceOutsideQuotes(s, tag, "", true);
        for (const char* empty : kEmptyGroups) s = ReplaceOutsideQuotes(s, empty, "", false);
        return Trim(s);
    });
}

void CSQLBuilder::AddJoin(const std::string& sSQL) {
    PassOn("CSQLBuilder.AddJoin(sSQL)", ERR_ARGS(sSQL), [&] { PutBefore(sSQL + " ", kJoin); });
}

void CSQLBuilder::AddOr() {
    PassOn("CSQLBuilder.AddOr()", ERR_ARGS(), [&] {
        if (needOperator_) PutBefore(" OR ", kWhere);
    });
}

void CSQLBuilder::AddAnd() {
    PassOn("CSQLBuilder.AddAnd()", ERR_ARGS(), [&] {
        if (needOperator_) PutBefore(" AND ", kWhere);
    });
}

void CSQLBuilder::AddWhere(const std::string& sSQL, const std::string& sOperator) {
    PassOn("CSQLBuilder.AddWhere(sSQL, sOperator)", ERR_ARGS(sSQL, sOperator), [&] {
        const std::string sOp = sOperator.empty() ? "" : " " + Trim(sOperator) + " ";
        const std::string sItem = Item(CleanValues(sSQL));
        if (!hasWhere_) PutBefore(" WHERE ", kWhere);
        if (!sOp.empty() && needOperator_) PutBefore(sOp, kWhere);
        PutBefore(sItem, kWhere);
        hasWhere_ = true;
        needOperator_ = true;
    });
}

void CSQLBuilder::AddSubSelect(const std::string& sSQL) {
    PassOn("CSQLBuilder.AddSubSelect(sSQL)", ERR_ARGS(sSQL),
           [&] { PutBefore(Item(sSQL) + " ", kSubSelect, false); });
}

void CSQLBuilder::AddFrom(const std::string& sSQL) {
    PassOn("CSQLBuilder.AddFrom(sSQL)", ERR_ARGS(sSQL), [&] {
        if (!hasFrom_)
            PutBefore(" FROM ", kFrom);
        else if (tablesAdded_ > 0)
            PutBefore(", ", kFrom);
        PutBefore(Item(sSQL), kFrom);
        hasFrom_ = true;
        ++tablesAdded_;
    });
}

void CSQLBuilder::AddItem(const std::string& sSQL, const char* sTag, const char* sKeyword,
                          const char* sSeparator, bool& bHas) {
    PutBefore(bHas ? sSeparator : sKeyword, sTag);
    PutBefore(Item(sSQL), sTag);
    bHas = true;
}

void CSQLBuilder::AddSelect(const std::string& sSQL) {
    PassOn("CSQLBuilder.AddSelect(sSQL)", ERR_ARGS(sSQL),
           [&] { AddItem(sSQL, kSelect, " select ", ", ", hasSelect_); });
}

void CSQLBuilder::AddGroup(const std::string& sSQL) {
    PassOn("CSQLBuilder.AddGroup(sSQL)", ERR_ARGS(sSQL),
           [&] { AddItem(sSQL, kGroup, " GROUP BY ", ", ", hasGroup_); });
}

void CSQLBuilder::AddHaving(const std::string& sSQL) {
    PassOn("CSQLBuilder.AddHaving(sSQL)", ERR_ARGS(sSQL),
           [&] { AddItem(sSQL, kHaving, " HAVING ", " AND ", hasHaving_); });
}

void CSQLBuilder::AddOrder(const std::string& sSQL) {
    PassOn("CSQLBuilder.AddOrder(sSQL)", ERR_ARGS(sSQL),
           [&] { AddItem(sSQL, kOrder, " ORDER BY ", ", ", hasOrder_); });
}

void CSQLBuilder::StartParamBlock() {
    PassOn("CSQLBuilder.StartParamBlock()", ERR_ARGS(), [&] {
        if (hasWhere_) {
            PutBefore(" ( ", kWhere);
        } else {
            PutBefore(" WHERE ( ", kWhere);
            hasWhere_ = true;
        }
        needOperator_ = false;
    });
}

void CSQLBuilder::EndParamBlock() {
    PassOn("CSQLBuilder.EndParamBlock()", ERR_ARGS(), [&] { PutBefore(" ) ", kWhere); });
}

void CSQLBuilder::StartSelectBlock(const std::string& sFieldName, const std::string& sTableName) {
    PassOn("CSQLBuilder.StartSelectBlock(sFieldName, sTableName)", ERR_ARGS(sFieldName, sTableName),
           [&] { sql_ += " ( SELECT " + sFieldName + " FROM " + sTableName; });
}

void CSQLBuilder::EndSelectBlock() {
    PassOn("CSQLBuilder.EndSelectBlock()", ERR_ARGS(), [&] { sql_ += " ) "; });
}

// A condition that ends in a number written with a decimal comma (as a
// number-to-text conversion under some user settings writes it) gets a
// decimal point.  Text holding quotes is left alone: its last word may be
// part of a literal.
std::string CSQLBuilder::CleanValues(const std::string& sSQL) {
    return PassOn("CSQLBuilder.CleanValues(sSQL)", ERR_ARGS(sSQL), [&] {
        if (sSQL.find('"') != std::string::npos || sSQL.find('\'') != std::string::npos) return sSQL;
        cvStrings str;
        const std::string sWord = str.Token(sSQL, " ", -1, 1);
        if (sWord.empty() || sWord[0] == '(' || !IsNumberWithSeparators(sWord)) return sSQL;
        return Replace(sSQL, sWord, Replace(sWord, ",", "."));
    });
}
