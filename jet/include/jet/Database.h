#pragma once

#include <jet/Status.h>
#include <jet/Value.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace jet {

// Description of one column of a user table.
struct ColumnInfo {
    std::string name; // UTF-8
    ColumnType type = ColumnType::kText;
    uint16_t number = 0; // column number as stored (may have gaps after deletions)
    uint16_t size = 0;   // bytes for fixed types, maximum bytes for Text
    bool fixedLength = false;
    bool autoNumber = false;
    bool compressedUnicode = false;
};

struct IndexColumnInfo {
    std::string column;
    bool ascending = true;
};

// A logical index of a user table as Access shows it.
struct IndexInfo {
    std::string name;
    std::vector<IndexColumnInfo> columns;
    bool unique = false;
    bool primaryKey = false;
    bool ignoreNulls = false;
    bool required = false;
    bool foreignKey = false;
    int realIndex = 0; // number of the physical B-tree it uses
};

struct TableInfo {
    std::string name;
    uint32_t definitionPage = 0;
    uint32_t rowCount = 0; // as recorded in the table definition
    std::vector<ColumnInfo> columns;
    std::vector<IndexInfo> indexes;
};

// How a database is opened.
struct OpenOptions {
    // Never write the file, and take no writer's lock on it.
    bool readOnly = false;
    // Pages kept in memory at most (the pager's bound), 4 KiB each.
    size_t cachePages = 16384;
    // Writes go through a rollback journal beside the file ("<file>-journal"),
    // so that a crash or a power cut leaves the file as it was at the last
    // commit. Without it writes are faster and a crash can damage the file.
    bool journal = true;
    // A journal left by an interrupted write is played back before anything
    // reads the file (this needs write access to the file and its folder).
    // When false, such a file is refused (NeedsRecovery) and left as it is.
    bool recover = true;
    // Every change since the last commit is one transaction, committed by
    // Flush() or Close(). While it fits the page cache nothing reaches the
    // file before the commit. One that outgrows the cache goes on, with
    // this set, in a private copy beside the file ("<file>-new") that the
    // commit renames over it, so the file is never seen half changed; where
    // no copy can be made the same as the file (see Database::LastCommitNote)
    // and without this, its changes spill into the file under the journal.
    bool mayWriteBeside = false;
};

// What was found of a journal beside a database file, and done with it.
struct JournalState {
    enum class Kind {
        kNone,    // no journal
        kStale,   // a journal with nothing to undo (the interrupted write had not reached the file)
        kHot,     // the file needs its interrupted write undone
        kForeign, // a journal that belongs to another file, or to an earlier copy of this one
        kLive,    // another program is writing the file: the journal is its own
    };
    Kind kind = Kind::kNone;
    uint32_t pages = 0;  // original pages in a hot journal
    std::string journal; // the journal's path
    std::string reason;  // why a journal is foreign
    // A private copy ("<file>-new") left by a transaction that never
    // committed; it was removed (a writable open removes it).
    std::string leftoverCopy;
    // Whether the journal was dealt with: played back (kHot) or removed
    // (kStale, kForeign).
    bool resolved = false;

    // One line for an operator or a log, naming the database `path`.
    std::string Describe(const std::string& path) const;
};

class Recordset;

// An open Jet 4.0 database file. Not thread-safe; one owner. Record sets
// opened on it must be closed or destroyed before it is.
//
// Writes made through record sets form one transaction until Flush() or
// Close(); a file is only ever changed by those writes.
class Database {
public:
    virtual ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens a file through the connection recipe: connection string
    // "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=<path>;Jet OLEDB:Database Password=<pw>"
    // (keys case-insensitive), user id and password as the open call's second
    // and third arguments. "Mode=Read" (or 1) opens read-only.
    //
    // Plays back a journal left by an interrupted write first (see
    // OpenOptions::recover and recovery()).
    //
    // Refuses another provider (3706), an account other than Admin without a
    // password (0x80040E4D), a missing file (NotFound), a file another writer
    // holds (3045, Locked), a file whose interrupted write cannot be undone
    // here (NeedsRecovery), a file that is not Jet 4.0 (NotSupported), a wrong
    // database password (BadPassword) and a damaged catalog (Corruption,
    // naming the page), each with the number and text Jet gives. A file this
    // process may only read opens read-only, as Jet does.
    //
    // On failure the file is unchanged and no lock on it is kept. On success
    // a writable database holds the file's writer lock until Close().
    static Result<std::unique_ptr<Database>> Open(const std::string& connectionString, const std::string& userId,
                                                  const std::string& password, const OpenOptions& options = {});

    // Opens a file by path and database password directly, with the same
    // refusals and guarantees as Open().
    static Result<std::unique_ptr<Database>> OpenFile(const std::string& path, const std::string& databasePassword,
                                                      const OpenOptions& options = {});

    // Names of the user tables, in catalog order. Fails (3704) once closed.
    virtual Result<std::vector<std::string>> ListTables() = 0;
    // Definition of a user table; name compared without regard to case.
    // NotFound (0x80040E37) for no such table; Corruption for a damaged
    // definition. Fails (3704) once closed.
    virtual Result<TableInfo> DescribeTable(const std::string& name) = 0;

    // What opening did about a journal left by an interrupted write.
    virtual const JournalState& recovery() const = 0;

    virtual bool HasPassword() const = 0;
    virtual bool IsEncrypted() const = 0;
    virtual const std::string& path() const = 0;

    // Commits every change since the last commit as one transaction. A no-op
    // on read-only databases. A failure before the file was touched keeps the
    // changes for another Flush(); a failure after it leaves only Close() or
    // Abandon(), which put the file back as the last commit left it.
    virtual Status Flush() = 0;
    // Says that the changes about to be made add or replace about `rows`
    // rows, so that a transaction that will outgrow the cache can start its
    // copy beside the file at once (see OpenOptions::mayWriteBeside).
    virtual void ExpectChanges(uint64_t rows) = 0;
    // Why the last transaction that outgrew the page cache was written in
    // place rather than beside the file; empty when it was not.
    virtual std::string LastCommitNote() const = 0;
    // Closes the file without committing: every change since the last commit
    // is dropped and the file stays exactly as that commit left it. Every
    // later call fails (3704).
    virtual Status Abandon() = 0;
    // Flushes and closes the file and releases its lock, even when the flush
    // fails (whose status is returned: the changes since the last commit are
    // lost, and with the journal the file is put back as it was then). Every
    // later call on the database or its record sets fails (3704).
    virtual Status Close() = 0;

protected:
    Database() = default;
};

// The journal beside the database file `path`, read without changing
// anything. kLive when another writer holds the file.
Result<JournalState> InspectJournal(const std::string& path);

// Plays back a hot journal beside `path` now (removing a stale or foreign
// one), as opening does. Fails with 3045 while another writer holds the
// file, and with NeedsRecovery when the file or its folder cannot be written.
Result<JournalState> RecoverDatabase(const std::string& path);

} // namespace jet
