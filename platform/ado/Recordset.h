#pragma once
// ADODB.Recordset as the library uses it: a static, read-only set that runs
// its statement at Open and keeps every row, so RecordCount is exact and
// the rows can be walked both ways, positioned and sorted.
#include <cstdint>
#include <string>
#include <string_view>

#include "AdoTypes.h"
#include "Field.h"
#include "FieldCollection.h"
#include "platform/runtime/Object.h"

namespace ADODB {

class Connection;

class Recordset : public virtual Object {
public:
    Recordset();
    ~Recordset() override;

    // Runs a statement in the Jet dialect on an open connection.  Every
    // cursor and lock type gives a static, read-only set.  Only a query is
    // run: a statement that would change the database or the connection (a
    // write, ATTACH, PRAGMA, a transaction) or returns no columns raises
    // &H80040E09 with its first words before it runs, whatever the
    // connection's mode.
    void Open(const std::string& Source, const Ref<Connection>& ActiveConnection,
              int32_t CursorType = adOpenStatic, int32_t LockType = adLockReadOnly);
    // The same with values bound to the statement's "?" parameters, in order,
    // so that text never has to be pasted into a statement.
    void Open(const std::string& Source, const Ref<Connection>& ActiveConnection, int32_t CursorType,
              int32_t LockType, const VariantArray& Parameters);
    void Close();
    int32_t State() const;

    bool Eof() const;  // EOF and BOF are C macros, hence the spelling
    bool Bof() const;
    void MoveFirst();
    void MoveNext();
    void MovePrevious();
    void MoveLast();
    void Move(int32_t NumRecords);
    // 1-based; adPosBOF, adPosEOF or adPosUnknown without a current record.
    int32_t AbsolutePosition() const;
    void SetAbsolutePosition(int32_t lPosition);
    int32_t RecordCount() const;

    // The columns; Fields(x) is Fields().Item(x): 3265 when there is no such
    // field, 3704 when the record set is closed.  A name may be any string,
    // without a Variant made for it.
    FieldCollection& Fields() { return fields_; }
    Field Fields(const Variant& Index) const { return fields_.Item(Index); }
    Field Fields(int32_t Index) const { return fields_.Item(Index); }
    Field Fields(std::string_view Name) const { return fields_.Item(Name); }
    Field Fields(const char* Name) const { return fields_.Item(Name); }
    Field Fields(const std::string& Name) const { return fields_.Item(Name); }

    // "col [ASC|DESC], ..." orders the rows (stably, Null first, text without
    // regard to case) and moves to the first; "" restores the read order.
    std::string Sort() const;
    void SetSort(const std::string& sSort);

    // The statement as given to Open.
    std::string Source() const { return source_; }
    // What the kept rows occupy.
    size_t MemoryBytes() const;
    std::string TypeName() const override { return "Recordset"; }

private:
    RecordsetState& Open_() const;

    StateRef state_;
    FieldCollection fields_;
    std::string source_;
};

}  // namespace ADODB
