// Fuzz target: the Jet-dialect translator, on arbitrary statement text.
//
// Whatever the text, the translation is at most one statement for the engine:
// the translator refuses text after a terminating ";", so nothing but blanks,
// comments and semicolons may follow the first statement the engine reads.
// And a quoted literal stays one literal: the input taken as the content of a
// "..." or '...' literal (its quotes doubled) comes back from the engine as
// exactly that text, in one column.
#include <sqlite3.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "platform/ado/JetFunctions.h"
#include "platform/ado/JetTranslator.h"
#include "platform/runtime/Error.h"
#include "support/FuzzCheck.h"

namespace {

// An in-memory database with the functions a connection registers and a few
// tables of the names the seed statements use, so that more translations
// compile and the engine says where their first statement ends.
sqlite3* Engine() {
    static sqlite3* db = [] {
        sqlite3* d = nullptr;
        if (sqlite3_open(":memory:", &d) != SQLITE_OK) fuzz::Fail("cannot open an in-memory database");
        ADODB::RegisterJetFunctions(d);
        const char* schema =
            "CREATE TABLE Field (Field_Code, Field_Name, Country_Code, Sector_Code, Operator, Area);"
            "CREATE TABLE Well (Well_Code, Field_Code, Spud_Date, Name);"
            "CREATE TABLE Block (Block_Code, Area, Licence, Round, Name);"
            "CREATE TABLE [Field Participant] ([Company Name], Interest);"
            "CREATE TABLE t (a, b, x, col);";
        if (sqlite3_exec(d, schema, nullptr, nullptr, nullptr) != SQLITE_OK)
            fuzz::Fail("cannot make the tables: " + std::string(sqlite3_errmsg(d)));
        return d;
    }();
    return db;
}

[[noreturn]] void Fail(const std::string& what, const std::string& input, const std::string& sql) {
    fuzz::Fail(what, "input:      " + fuzz::Shown(input) + "\ntranslated: " + fuzz::Shown(sql));
}

// The engine reads statement text up to its first NUL and no further.
std::string AsEngineReadsIt(const std::string& sql) { return sql.substr(0, std::strlen(sql.c_str())); }

// True when the text holds nothing the engine would run: blanks, comments
// and empty statements only.
bool NothingToRun(const std::string& text) {
    const char* p = text.c_str();
    const char* end = p + text.size();
    while (p < end) {
        sqlite3_stmt* stmt = nullptr;
        const char* tail = nullptr;
        if (sqlite3_prepare_v2(Engine(), p, static_cast<int>(end - p), &stmt, &tail) != SQLITE_OK)
            return false;
        if (stmt) {
            sqlite3_finalize(stmt);
            return false;
        }
        if (!tail || tail <= p) return true;
        p = tail;
    }
    return true;
}

// Where the first statement ends by the engine's completeness test (just
// after its terminating ";"), or npos when no statement is complete.
size_t FirstStatementEnd(const std::string& sql) {
    for (size_t i = sql.find(';'); i != std::string::npos; i = sql.find(';', i + 1)) {
        if (sqlite3_complete(sql.substr(0, i + 1).c_str())) return i + 1;
    }
    return std::string::npos;
}

// True when the text holds a variable with an argument ("$a(...)", ":b::c(...)"):
// the engine's completeness test does not know that form and may take a ";"
// inside the argument for the statement's end.
bool HoldsVariableArgument(const std::string& sql) {
    auto nameChar = [](unsigned char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
               c == '$' || c == ':' || c >= 0x80;
    };
    for (size_t i = 0; i < sql.size(); ++i) {
        if (sql[i] != '$' && sql[i] != '@' && sql[i] != ':' && sql[i] != '#') continue;
        size_t k = i + 1;
        while (k < sql.size() && nameChar(static_cast<unsigned char>(sql[k]))) ++k;
        if (k > i + 1 && k < sql.size() && sql[k] == '(') return true;
    }
    return false;
}

// Fails when a second statement, or any text that is not blanks, comments or
// ";", follows the first statement.  The engine's own parser says where the
// first statement ends when it compiles; when it does not, the engine's
// completeness test finds its terminating ";" (unless a variable argument
// could hide one).
void CheckAtMostOneStatement(const std::string& input, const std::string& translated) {
    const std::string sql = AsEngineReadsIt(translated);
    sqlite3_stmt* stmt = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(Engine(), sql.c_str(), static_cast<int>(sql.size()), &stmt, &tail) == SQLITE_OK) {
        sqlite3_finalize(stmt);
        if (tail && !NothingToRun(std::string(tail)))
            Fail("the translation holds more than one statement", input, translated);
        return;
    }
    if (HoldsVariableArgument(sql)) return;
    const size_t end = FirstStatementEnd(sql);
    if (end != std::string::npos && !NothingToRun(sql.substr(end)))
        Fail("text follows the statement's terminating \";\"", input, translated);
}

// Translates `SELECT <literal>` and checks the engine sees one text column
// holding exactly `content`.
void CheckLiteral(const std::string& input, const std::string& content, char quote) {
    std::string literal(1, quote);
    for (char c : content) {
        literal += c;
        if (c == quote) literal += c;
    }
    literal += quote;
    const std::string jet = "SELECT " + literal;
    std::string sql;
    try {
        sql = ADODB::JetTranslator::Translate(jet);
    } catch (const Error& e) {
        Fail("a well-formed literal was refused: " + e.Description(), input, jet);
    }
    sqlite3_stmt* stmt = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(Engine(), sql.c_str(), static_cast<int>(sql.size()), &stmt, &tail) != SQLITE_OK ||
        !stmt)
        Fail("the translated literal does not compile: " + std::string(sqlite3_errmsg(Engine())), input, sql);
    bool whole = tail == sql.c_str() + sql.size();
    bool one = sqlite3_column_count(stmt) == 1;
    bool row = sqlite3_step(stmt) == SQLITE_ROW;
    bool text = row && sqlite3_column_type(stmt, 0) == SQLITE_TEXT;
    std::string value;
    if (text) {
        value.assign(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)),
                     static_cast<size_t>(sqlite3_column_bytes(stmt, 0)));
    }
    sqlite3_finalize(stmt);
    if (!whole) Fail("the translated literal leaves text after the statement", input, sql);
    if (!one || !text) Fail("the translated literal is not one text column", input, sql);
    if (value != content) Fail("the literal reads back as " + fuzz::Shown(value), input, sql);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);

    std::string translated;
    bool ok = true;
    try {
        translated = ADODB::JetTranslator::Translate(input);
    } catch (const Error&) {
        ok = false;  // refusing a statement is allowed; anything but Error is not
    }
    if (ok) CheckAtMostOneStatement(input, translated);

    // A literal's content cannot hold a NUL: the engine would end the
    // statement text there.
    const std::string content = AsEngineReadsIt(input);
    CheckLiteral(input, content, '"');
    CheckLiteral(input, content, '\'');
    return 0;
}
