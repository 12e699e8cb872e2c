#include "Recordset.h"

#include <sqlite3.h>

#include <algorithm>
#include <optional>

#include "AdoErrors.h"
#include "Connection.h"
#include "JetTranslator.h"
#include "RecordsetState.h"
#include "SqliteStatement.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"

namespace ADODB {

namespace {

const char* const kSource = "ADODB.Recordset";

// What the engine left unread after the one statement may only be blanks,
// semicolons and comments; the translator already refuses a second
// statement, and this keeps the rule whatever the engine's tokenizer sees.
bool OnlyFiller(const std::string& tail) {
    size_t i = 0;
    while (i < tail.size()) {
        char c = tail[i];
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v' || c == ';') {
            ++i;
        } else if (tail.compare(i, 2, "--") == 0) {
            i = tail.find('\n', i);
            if (i == std::string::npos) return true;
        } else if (tail.compare(i, 2, "/*") == 0) {
            i = tail.find("*/", i + 2);
            if (i == std::string::npos) return true;
            i += 2;
        } else {
            return false;
        }
    }
    return true;
}

// Notes, while it lives, whether a statement prepared on `db` changes the
// connection.  The engine counts a statement read-only when it leaves the
// database files alone, so an ATTACH, a PRAGMA or a transaction passes its
// own test although none of them is a query; every write to a file it
// flags itself.
class ConnectionChangeWatch {
public:
    explicit ConnectionChangeWatch(sqlite3* db) : db_(db) { sqlite3_set_authorizer(db_, &Note, this); }
    ~ConnectionChangeWatch() { sqlite3_set_authorizer(db_, nullptr, nullptr); }
    ConnectionChangeWatch(const ConnectionChangeWatch&) = delete;
    ConnectionChangeWatch& operator=(const ConnectionChangeWatch&) = delete;

    bool Changes() const { return changes_; }

private:
    static int Note(void* self, int action, const char*, const char*, const char*, const char*) {
        switch (action) {
            case SQLITE_ATTACH:
            case SQLITE_DETACH:
            case SQLITE_PRAGMA:
            case SQLITE_TRANSACTION:
            case SQLITE_SAVEPOINT:
                static_cast<ConnectionChangeWatch*>(self)->changes_ = true;
                break;
            default:
                break;
        }
        return SQLITE_OK;
    }

    sqlite3* db_;
    bool changes_ = false;
};

// The first words of a statement, blanks run together, cut to a length a
// message can show.
std::string FirstWords(const std::string& statement) {
    constexpr size_t kShown = 60;
    std::string words;
    for (char c : statement) {
        const bool blank = c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
        if (!blank) {
            words += c;
        } else if (!words.empty() && words.back() != ' ') {
            words += ' ';
        }
        if (words.size() > kShown) break;
    }
    if (!words.empty() && words.back() == ' ') words.pop_back();
    if (words.size() <= kShown) return words;
    size_t cut = words.rfind(' ', kShown);
    if (cut == std::string::npos || cut == 0) {
        // One long word: cut where no UTF-8 character is split.
        cut = kShown;
        while (cut > 0 && (static_cast<unsigned char>(words[cut]) & 0xC0) == 0x80) --cut;
    }
    return words.substr(0, cut) + "...";
}

struct SortKey {
    int column;
    bool descending;
};

std::vector<SortKey> ParseSort(const std::string& sSort, const RowStore& rows) {
    std::vector<SortKey> keys;
    for (const std::string& part : Split(sSort, ",")) {
        std::string item = Trim(part);
        if (item.empty()) continue;
        bool descending = false;
        size_t space = item.find_last_of(' ');
        if (space != std::string::npos) {
            std::string dir = item.substr(space + 1);
            if (EqualsNoCase(dir, "DESC") || EqualsNoCase(dir, "ASC")) {
                descending = EqualsNoCase(dir, "DESC");
                item = Trim(item.substr(0, space));
            }
        }
        if (item.size() >= 2 && item.front() == '[' && item.back() == ']')
            item = item.substr(1, item.size() - 2);
        int c = rows.Find(item);
        if (c < 0) RaiseAdo(adErrItemNotFound, kSource);
        keys.push_back({c, descending});
    }
    return keys;
}

}  // namespace

Recordset::Recordset() : state_(new RecordsetState), fields_(state_) {}

Recordset::~Recordset() = default;

RecordsetState& Recordset::Open_() const {
    if (!state_->open) RaiseAdo(adErrObjectClosed, kSource);
    return *state_;
}

void Recordset::Open(const std::string& Source, const Ref<Connection>& ActiveConnection, int32_t CursorType,
                     int32_t LockType) {
    Open(Source, ActiveConnection, CursorType, LockType, VariantArray{});
}

namespace {
// Values for the statement's "?" parameters, in order.
void BindParameters(sqlite3_stmt* stmt, const VariantArray& parameters) {
    const int wanted = sqlite3_bind_parameter_count(stmt);
    if (wanted > static_cast<int>(parameters.size()))
        Raise(adErrMissingParameter, kProviderSource, "No value given for one or more required parameters.");
    if (wanted < static_cast<int>(parameters.size()))
        Raise(adErrCommandErrors, kProviderSource,
              "The statement's parameters and the values given do not match.");
    for (size_t i = 0; i < parameters.size(); ++i) {
        const Variant& v = parameters[i];
        int at = static_cast<int>(i) + 1;
        int rc;
        switch (v.Kind()) {
            case VarKind::Null:
            case VarKind::Empty:
                rc = sqlite3_bind_null(stmt, at);
                break;
            case VarKind::Boolean:
                rc = sqlite3_bind_int(stmt, at, v.ToBool() ? 1 : 0);
                break;
            case VarKind::Integer:
            case VarKind::Long:
                rc = sqlite3_bind_int(stmt, at, v.ToLong());
                break;
            case VarKind::Double:
            case VarKind::Currency:
                rc = sqlite3_bind_double(stmt, at, v.ToDouble());
                break;
            default: {
                // Dates are stored as ISO text, so that is what they compare with.
                std::string text = v.Kind() == VarKind::Date ? DateToText(v.DateSerial()) : v.ToString();
                rc =
                    sqlite3_bind_text(stmt, at, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
            }
        }
        if (rc != SQLITE_OK) Raise(adErrProviderFailed, kProviderSource, sqlite3_errstr(rc));
    }
}
}  // namespace

void Recordset::Open(const std::string& Source, const Ref<Connection>& ActiveConnection, int32_t, int32_t,
                     const VariantArray& Parameters) {
    RecordsetState& s = *state_;
    if (s.open) RaiseAdo(adErrObjectOpen, kSource);
    if (!ActiveConnection || ActiveConnection->State() != adStateOpen)
        RaiseAdo(adErrInvalidConnection, kSource);
    if (Trim(Source).empty())
        Raise(adErrNoCommandText, kProviderSource, "Command text was not set for the command object.");
    std::string sql = JetTranslator::Translate(Source);
    if (sql.size() > static_cast<size_t>(INT32_MAX))
        Raise(adErrProviderFailed, kProviderSource, "The statement is too big.");
    sqlite3* db = ActiveConnection->db_.Handle();
    std::string tail;
    std::optional<SqliteStatement> stmt;
    bool changesConnection = false;
    auto prepare = [&] {
        ConnectionChangeWatch watch(db);
        stmt.emplace(db, sql, &tail);
        changesConnection = watch.Changes();
    };
    try {
        prepare();
    } catch (const Error& e) {
        // A linked table whose file could not be attached: attached again
        // (outside the watch: attaching is the connection's own doing), the
        // statement may be prepared after all.
        if (!ActiveConnection->AttachAgainFor(e)) throw;
        prepare();
    }
    if (!OnlyFiller(tail))
        Raise(adErrCommandErrors, kProviderSource, "Characters found after end of SQL statement.");
    // The library only ever reads through its connection; a statement that
    // would write (one a chart definition holds, say) is refused before it
    // runs, whatever the connection's mode.  One that returns no columns is
    // no query either (REINDEX counts as read-only on a database without
    // indexes).
    if (!sqlite3_stmt_readonly(stmt->get()) || changesConnection || sqlite3_column_count(stmt->get()) == 0)
        Raise(adErrPermissionDenied, kProviderSource,
              "Only statements that read are run; this one would change the database or the connection: " +
                  FirstWords(Source));
    BindParameters(stmt->get(), Parameters);
    s.rows.Load(db, stmt->get());
    s.order.clear();
    s.sort.clear();
    s.position = s.rows.Rows() > 0 ? 0 : -1;
    ++s.generation;
    s.open = true;
    source_ = Source;
}

void Recordset::Close() {
    RecordsetState& s = Open_();
    s.open = false;
    ++s.generation;
    s.rows.Clear();
    std::vector<uint32_t>().swap(s.order);
    s.position = -1;
}

int32_t Recordset::State() const { return state_->open ? adStateOpen : adStateClosed; }

bool Recordset::Eof() const {
    const RecordsetState& s = Open_();
    return s.rows.Rows() == 0 || s.position >= static_cast<int64_t>(s.rows.Rows());
}

bool Recordset::Bof() const {
    const RecordsetState& s = Open_();
    return s.rows.Rows() == 0 || s.position < 0;
}

void Recordset::MoveFirst() {
    RecordsetState& s = Open_();
    if (s.rows.Rows() == 0) RaiseAdo(adErrNoCurrentRecord, kSource);
    s.position = 0;
}

void Recordset::MoveLast() {
    RecordsetState& s = Open_();
    if (s.rows.Rows() == 0) RaiseAdo(adErrNoCurrentRecord, kSource);
    s.position = static_cast<int64_t>(s.rows.Rows()) - 1;
}

void Recordset::MoveNext() {
    if (Eof()) RaiseAdo(adErrNoCurrentRecord, kSource);
    ++state_->position;
}

void Recordset::MovePrevious() {
    if (Bof()) RaiseAdo(adErrNoCurrentRecord, kSource);
    --state_->position;
}

void Recordset::Move(int32_t NumRecords) {
    RecordsetState& s = Open_();
    const int64_t n = s.rows.Rows();
    // Moving needs a record to start from, unless it leads away from the end
    // the set stands at.
    if (n == 0 || (Bof() && NumRecords <= 0) || (Eof() && NumRecords >= 0))
        RaiseAdo(adErrNoCurrentRecord, kSource);
    s.position = std::clamp<int64_t>(s.position + NumRecords, -1, n);
}

int32_t Recordset::AbsolutePosition() const {
    const RecordsetState& s = Open_();
    if (s.rows.Rows() == 0) return adPosUnknown;
    if (s.position < 0) return adPosBOF;
    if (s.position >= static_cast<int64_t>(s.rows.Rows())) return adPosEOF;
    return static_cast<int32_t>(s.position + 1);
}

void Recordset::SetAbsolutePosition(int32_t lPosition) {
    RecordsetState& s = Open_();
    if (lPosition < 1 || static_cast<uint32_t>(lPosition) > s.rows.Rows())
        RaiseAdo(adErrInvalidArgument, kSource);
    s.position = lPosition - 1;
}

int32_t Recordset::RecordCount() const { return static_cast<int32_t>(Open_().rows.Rows()); }

std::string Recordset::Sort() const { return state_->sort; }

void Recordset::SetSort(const std::string& sSort) {
    RecordsetState& s = Open_();
    std::vector<SortKey> keys = ParseSort(sSort, s.rows);
    std::vector<uint32_t> order;
    for (const SortKey& k : keys) s.rows.PrepareCompare(k.column);
    if (!keys.empty()) {
        order.resize(s.rows.Rows());
        for (uint32_t i = 0; i < order.size(); ++i) order[i] = i;
        const RowStore& rows = s.rows;
        std::stable_sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
            for (const SortKey& k : keys) {
                int c = rows.Compare(k.column, a, b);
                if (c != 0) return k.descending ? c > 0 : c < 0;
            }
            return false;
        });
    }
    s.order.swap(order);
    s.sort = sSort;
    s.position = s.rows.Rows() > 0 ? 0 : -1;
}

size_t Recordset::MemoryBytes() const {
    return state_->rows.MemoryBytes() + state_->order.capacity() * sizeof(uint32_t);
}

}  // namespace ADODB
