// Fuzz target: the values-into-SQL functions, on arbitrary value text.
//
// Whatever the value, each function either refuses it as user input
// (&H80041066) or writes it so that, spliced into a statement and run by the
// engine (through the Jet translator, as the library runs statements), it
// stays what it was: one text literal holding exactly the value, one list of
// exactly the value's items, one number of the value's size, one name.  And
// a value spliced first never lets text filled in later (by the statement
// builder or a placeholder) reach into its literal: the statements count
// exactly the rows the value matches, in one statement.
#include <sqlite3.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "core/mTL5ErrorCodes.h"
#include "platform/ado/JetFunctions.h"
#include "platform/ado/JetTranslator.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"
#include "sql/CSQLBuilder.h"
#include "sql/SqlValues.h"
#include "support/FuzzCheck.h"

namespace {

// Rows whose names and codes never equal each other.
const std::vector<std::pair<std::string, std::string>> kRows = {
    {"A", "1"}, {"B", "2"}, {"1", "x"}, {"", "y"}};

sqlite3* Engine() {
    static sqlite3* db = [] {
        sqlite3* d = nullptr;
        if (sqlite3_open(":memory:", &d) != SQLITE_OK) fuzz::Fail("cannot open an in-memory database");
        ADODB::RegisterJetFunctions(d);
        std::string schema = "CREATE TABLE t (Name, Code);";
        for (const auto& [name, code] : kRows)
            schema += "INSERT INTO t VALUES ('" + name + "', '" + code + "');";
        if (sqlite3_exec(d, schema.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
            fuzz::Fail("cannot make the table: " + std::string(sqlite3_errmsg(d)));
        return d;
    }();
    return db;
}

struct Cell {
    int type;
    std::string text;
    double number;
};

// The one row (or the first row) of a statement, with its column names.
struct Result {
    std::vector<std::string> names;
    std::vector<Cell> cells;
};

std::string g_input;

[[noreturn]] void Fail(const std::string& what, const std::string& sql = "") {
    fuzz::Fail(what, "input: " + fuzz::Shown(g_input) + (sql.empty() ? "" : "\nsql:   " + fuzz::Shown(sql)));
}

// Runs a Jet statement; it must translate and compile as exactly one
// statement that returns a row.
Result Run(const std::string& jet) {
    std::string sql;
    try {
        sql = ADODB::JetTranslator::Translate(jet);
    } catch (const Error& e) {
        Fail("the statement is refused by the translator: " + e.Description(), jet);
    }
    sqlite3_stmt* stmt = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(Engine(), sql.c_str(), static_cast<int>(sql.size()), &stmt, &tail) != SQLITE_OK ||
        !stmt)
        Fail("the statement does not compile: " + std::string(sqlite3_errmsg(Engine())), sql);
    if (!Trim(std::string(tail)).empty()) {
        sqlite3_finalize(stmt);
        Fail("text follows the statement", sql);
    }
    Result r;
    const int n = sqlite3_column_count(stmt);
    for (int i = 0; i < n; ++i) r.names.emplace_back(sqlite3_column_name(stmt, i));
    if (sqlite3_step(stmt) != SQLITE_ROW) {
        sqlite3_finalize(stmt);
        Fail("the statement returns no row", sql);
    }
    for (int i = 0; i < n; ++i) {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
        r.cells.push_back({sqlite3_column_type(stmt, i),
                           std::string(text ? text : "", static_cast<size_t>(sqlite3_column_bytes(stmt, i))),
                           sqlite3_column_double(stmt, i)});
    }
    sqlite3_finalize(stmt);
    return r;
}

// True when the call refused the value as user input; any other error fails.
template <class F>
bool Refused(F&& call, const char* what) {
    try {
        call();
    } catch (const Error& e) {
        if (e.Number() != ERR_USER_INPUT) Fail(std::string(what) + " raised " + std::to_string(e.Number()));
        return true;
    }
    return false;
}

bool SameNumber(double a, double b) {
    if (a == b) return true;
    // The engine's own reading of a long decimal may differ in the last bit.
    const double scale = std::fmax(std::fabs(a), std::fabs(b));
    return std::fabs(a - b) <= scale * 1e-15 || scale < 1e-300;
}

bool IsName(const std::string& v) {
    if (v.empty()) return false;
    for (char c : v)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_'))
            return false;
    return true;
}

void CheckTexts(const std::string& v, const std::vector<std::string>& items, bool hasNul) {
    SqlFragment text = SqlText("");
    if (Refused([&] { text = SqlText(v); }, "SqlText") != hasNul) Fail("SqlText refusal is wrong");
    if (hasNul) return;
    Result r = Run("SELECT " + text.Text());
    if (r.cells.size() != 1 || r.cells[0].type != SQLITE_TEXT || r.cells[0].text != v)
        Fail("the text literal is not one text holding the value", text.Text());

    SqlFragment list = SqlQuotedList(v);
    if (v.empty()) {
        if (!list.Empty()) Fail("an empty text list is not empty text");
        return;
    }
    r = Run("SELECT " + list.Text());
    if (r.cells.size() != items.size()) Fail("the quoted list has another number of items", list.Text());
    for (size_t i = 0; i < items.size(); ++i)
        if (r.cells[i].type != SQLITE_TEXT || r.cells[i].text != items[i])
            Fail("a quoted item reads back otherwise", list.Text());

    // Filled in after the value, a placeholder's text and a builder's next
    // condition stay outside the value's literal.
    std::string sql = "SELECT count(*) FROM t WHERE Name = <a> OR Name IN (<b>) OR Code = <a>";
    sql = ReplacePlaceholder(sql, "<a>", text);
    sql = ReplacePlaceholder(sql, "<b>", list);
    int expected = 0;
    for (const auto& [name, code] : kRows) {
        bool inList = false;
        for (const auto& item : items) inList = inList || item == name;
        expected += name == v || inList || code == v;
    }
    if (Run(sql).cells.at(0).number != expected) Fail("the placeholders' statement counts other rows", sql);

    CSQLBuilder b;
    b.SetSQL("SELECT count(*) FROM t <where/>");
    b.AddWhere("Name = " + text.Text(), "AND");
    b.AddWhere("Code = " + text.Text(), "AND");
    b.AddAnd();
    b.StartParamBlock();
    b.AddWhere("Name IN (" + list.Text() + ")");
    b.AddOr();
    b.AddWhere("Code = " + text.Text());
    b.EndParamBlock();
    if (Run(b.SQL()).cells.at(0).number != 0) Fail("the builder's statement counts rows", b.SQL());
}

void CheckNumbers(const std::string& v, const std::vector<std::string>& items) {
    std::vector<double> numbers;
    bool allNumbers = !Trim(v).empty();
    for (const auto& item : items) {
        double d = 0;
        allNumbers = allNumbers && ParseNumber(item, d) && std::isfinite(d);
        numbers.push_back(d);
    }
    SqlFragment list = SqlText("");
    if (Refused([&] { list = SqlCodeList(v); }, "SqlCodeList") == allNumbers && !Trim(v).empty())
        Fail("SqlCodeList refusal is wrong");
    if (allNumbers) {
        Result r = Run("SELECT " + list.Text());
        if (r.cells.size() != numbers.size()) Fail("the code list has another number of items", list.Text());
        for (size_t i = 0; i < numbers.size(); ++i)
            if (r.cells[i].type == SQLITE_TEXT || !SameNumber(r.cells[i].number, numbers[i]))
                Fail("a code reads back otherwise", list.Text());
    } else if (Trim(v).empty() && !list.Empty()) {
        Fail("an empty code list is not empty text");
    }

    double d = 0;
    const bool isNumber = ParseNumber(v, d) && std::isfinite(d);
    SqlFragment number = SqlText("");
    if (Refused([&] { number = SqlNumber(v); }, "SqlNumber") == isNumber) Fail("SqlNumber refusal is wrong");
    if (isNumber) {
        // A minus in front must stay a minus, never begin a comment.
        Result r = Run("SELECT 0-" + number.Text());
        if (r.cells.size() != 1 || !SameNumber(r.cells[0].number, -d))
            Fail("the number reads back otherwise", number.Text());
    }
}

void CheckNameAndDate(const std::string& v) {
    SqlFragment name = SqlText("");
    if (Refused([&] { name = SqlIdentifier(v); }, "SqlIdentifier") == IsName(v))
        Fail("SqlIdentifier refusal is wrong");
    if (IsName(v)) {
        Result r = Run("SELECT 1 AS " + name.Text() + " FROM t");
        if (r.names.size() != 1 || r.names[0] != v) Fail("the name reads back otherwise", name.Text());
    }

    SqlFragment date = SqlText("");
    if (!Refused([&] { date = SqlDate(v); }, "SqlDate")) {
        Result r = Run("SELECT " + date.Text());
        double serial = 0;
        if (r.cells.size() != 1 || r.cells[0].type != SQLITE_TEXT || !ParseDate(r.cells[0].text, serial))
            Fail("the date is not one date text", date.Text());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    g_input.assign(reinterpret_cast<const char*>(data), size);
    const std::string& v = g_input;
    const std::vector<std::string> items = Split(v, ",");
    CheckTexts(v, items, v.find('\0') != std::string::npos);
    CheckNumbers(v, items);
    CheckNameAndDate(v);
    return 0;
}
