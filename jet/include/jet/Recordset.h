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
// REQUIRES: the database outlives the record set. Every call fails (3704)
// once the record set or its database is closed.
//
// A failed move or read leaves the position where it was; a damaged row
// gives Corruption, never a wrong value the engine could have noticed.
class Recordset {
public:
    virtual ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // Opens `source`: a bare table name, "[table]", or the query text
    // "SELECT * From [table]" / "SELECT * From table;" optionally followed by
    // "WHERE [column]=<number or 'text'>". Positioned on the first row (EOF
    // and BOF both true when there is none). Refuses bad query text
    // (0x80040E14), an unknown table (0x80040E37), an unknown filter column
    // (0x80040E10) and a filter literal of the wrong kind (0x80040E07, on the
    // first row compared). REQUIRES: `db` was opened by this engine (else 3709).
    static Result<std::unique_ptr<Recordset>> Open(Database& db, const std::string& source, CursorType cursorType,
                                                   LockType lockType);

    virtual bool IsEOF() const = 0;
    virtual bool IsBOF() const = 0;
    // Number of rows (passing the filter), known before the first row is
    // read; -1 when counting them fails.
    virtual int64_t RecordCount() const = 0;

    // Fail with "Either BOF or EOF is True, ..." (3021) where ADO would.
    // A pending AddNew or edit is committed first, as ADO does; when that
    // fails, the move is not made.
    virtual Status MoveFirst() = 0;
    virtual Status MoveLast() = 0;
    virtual Status MoveNext() = 0;

    // Value of a field of the current row (or the pending value during an
    // edit); name compared without regard to case. 3265 for no such field,
    // 3021 without a current row.
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
    // Assigns a field of the new row or of the current row. The value is
    // checked against the column at once (type, range, size); a refused value
    // leaves the pending row as it was. AutoNumber fields of an existing row
    // cannot be assigned (0x80040E21).
    // REQUIRES: an updatable lock type (else 3251) on a writable database
    // (else 0x80040E09).
    virtual Status SetField(const std::string& name, const Value& value) = 0;
    // Commits the new or changed row: data page, long values, usage maps and
    // every index. Null, unique and size rules of every index are checked
    // before anything changes. On failure nothing of the row reaches the
    // file or the cache, and the pending values stay for another try or
    // CancelUpdate(). On success the record set is on the row written.
    virtual Status Update() = 0;
    // Drops pending changes of the current or new row.
    virtual void CancelUpdate() = 0;

    // Drops pending changes; every later call fails (3704).
    virtual Status Close() = 0;

protected:
    Recordset() = default;
};

} // namespace jet
