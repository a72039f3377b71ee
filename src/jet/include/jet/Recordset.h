#pragma once

#include <jet/Status.h>
#include <jet/Value.h>

#include <cstdint>
#include <memory>
#include <string>

namespace jet {

class Database;

// Cursor and lock types with the ADO numbering the callers use.
enum class CursorType { kStatic = 3, kDynamic = 2, kForwardOnly = 0, kKeyset = 1 };
enum class LockType { kReadOnly = 1, kOptimistic = 3, kPessimistic = 2, kBatchOptimistic = 4 };

// A record set over one table, in table order (the order a table scan
// returns rows). Shaped after the ADO record set the application layers use.
// The database must outlive the record set.
class Recordset {
public:
    virtual ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // Opens `source`: a bare table name, "[table]", or the query text
    // "SELECT * From [table]" / "SELECT * From table;" optionally followed by
    // "WHERE [column]=<number or 'text'>". Positioned on the first row (EOF
    // and BOF both true when there is none).
    static Result<std::unique_ptr<Recordset>> Open(Database& db, const std::string& source, CursorType cursorType,
                                                   LockType lockType);

    virtual bool IsEOF() const = 0;
    virtual bool IsBOF() const = 0;
    // Number of rows, known before the first row is read.
    virtual int64_t RecordCount() const = 0;

    // Fail with "Either BOF or EOF is True, ..." (3021) where ADO would.
    virtual Status MoveFirst() = 0;
    virtual Status MoveLast() = 0;
    virtual Status MoveNext() = 0;

    // Value of a field of the current row; name compared without regard to case.
    virtual Result<Value> Field(const std::string& name) const = 0;
    // Number and names of the fields, in column order.
    virtual int FieldCount() const = 0;
    virtual std::string FieldName(int index) const = 0;
    virtual Result<Value> FieldAt(int index) const = 0;

    // Positions on the first row (table order), searching from the current
    // row onwards, whose `column` equals `text` exactly (case-sensitive, as
    // stored). Leaves the record set at EOF when there is none.
    virtual Status FindFirst(const std::string& column, const std::u16string& text) = 0;

    // ---- Writing (updatable record sets only) ----
    // Starts a new row; every column null (or its default) until assigned.
    virtual Status AddNew() = 0;
    // Assigns a field of the new row or of the current row.
    virtual Status SetField(const std::string& name, const Value& value) = 0;
    // Commits the new or changed row: data page, long values, usage maps and
    // every index. On failure nothing of the row reaches the file.
    virtual Status Update() = 0;
    // Drops pending changes of the current or new row.
    virtual void CancelUpdate() = 0;

    virtual Status Close() = 0;

protected:
    Recordset() = default;
};

} // namespace jet
