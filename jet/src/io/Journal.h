#pragma once

#include "io/File.h"
#include "io/PageStore.h"

#include <jet/Status.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace jet {

// The rollback journal of a database: before a page of the file is first
// overwritten within a transaction, its original bytes go to the journal, and
// the journal is made durable before the page is written. A transaction ends
// (commits) when the journal's header is wiped; until then, a crash leaves a
// "hot" journal, and playing it back puts every original page and the
// original size back. The file stays between transactions (it is removed on
// close), and each transaction writes over the records of the one before.
//
// Layout (little-endian). A header of kJournalHeaderSize bytes:
//   0  magic "JETJRNL1"      8  header size   12  page size
//   16 nonce (random, new for every transaction)
//   24 page count of the file when the transaction began
//   32 hash of page 0 as it was then (the database's identity)
//   40 length of the database's file name, then the name
//   504 hash of bytes 0..503
// then records of page number (4 bytes), the page as it was on disk (4096
// bytes) and a hash of both seeded with the nonce (8 bytes). A record whose
// hash does not match ends the journal: it was never made durable, so the page
// it names was not written either. Stale records of an earlier transaction
// never match, since its nonce was another.

constexpr uint32_t kJournalHeaderSize = 512;
constexpr uint32_t kJournalRecordSize = 4 + kPageSize + 8;

// The place of a database's journal and the directory operations it needs:
// beside the file on disk, or simulated by tests.
class JournalLocation {
public:
    virtual ~JournalLocation() = default;
    // The journal's path, for messages.
    virtual const std::string& path() const = 0;
    // Whether a journal file exists.
    virtual Result<bool> Exists() = 0;
    // Opens the journal for reading and writing, creating it (empty) when
    // `create` and it does not exist; NotFound when it does not exist and not
    // `create`.
    virtual Result<std::unique_ptr<File>> Open(bool create) = 0;
    // Opens an existing journal for reading only.
    virtual Result<std::unique_ptr<File>> OpenForReading() = 0;
    // Removes the journal; a missing journal is not an error.
    virtual Status Remove() = 0;
    // Makes the creation or removal of the journal durable.
    virtual Status SyncDirectory() = 0;
};

// The journal of the database at `databasePath`: "<path>-journal", the path
// resolved first so that a database reached through a link finds the same
// journal whichever way it is named.
std::unique_ptr<JournalLocation> JournalBeside(const std::string& databasePath);
std::string JournalPathFor(const std::string& databasePath);
// The file name a journal records for the database at `databasePath`.
std::string DatabaseNameFor(const std::string& databasePath);

// What a journal found beside a database holds.
struct JournalContents {
    enum class Kind {
        kNone,    // no journal
        kEmpty,   // a journal without a whole header or without records: nothing to undo
        kHot,     // records to play back
        kForeign, // a whole journal that belongs to another file (or another state of this one)
    };
    Kind kind = Kind::kNone;
    uint32_t records = 0;       // whole records (kHot)
    uint32_t originalPages = 0; // the file's page count before the interrupted transaction (kHot)
    std::string reason;         // why kForeign
};

// Reads the journal of `database` (whose file name is `databaseName`)
// without changing anything.
Result<JournalContents> InspectJournal(File& database, const std::string& databaseName, JournalLocation& location);

// Plays a hot journal back into `database`: every original page is written
// back, the file cut to its original size and synced; then the journal is
// removed and the directory synced. A journal with nothing to undo, or
// a foreign one, is removed without touching the database. Returns what was
// found (kNone when there was no journal). The caller must hold the
// database's writer lock.
Result<JournalContents> PlayBackJournal(File& database, const std::string& databaseName, JournalLocation& location);

// Process-wide counters behind ProcessWriteCounters().
void CountWrites(uint64_t fileBytes, uint64_t journalBytes, uint64_t commits);
// Bytes copied into a private copy of a file (see Replacement.h).
void CountCopy(uint64_t bytes);

// The writing side, used by the pager. One transaction at a time:
// Append() any number of times, then Commit(). Not thread-safe; the pager
// calls it from one thread at a time.
class JournalWriter {
public:
    JournalWriter(std::unique_ptr<JournalLocation> location, std::string databaseName);
    ~JournalWriter();

    // Saves the originals of `pages` (none of them saved before in this
    // transaction, each below the transaction's page count), read from
    // `database`, and makes them durable. The first call of a transaction
    // writes the header; the first ever creates the journal and syncs the
    // directory. On failure nothing counts as saved and a later call writes
    // over what this one left.
    Status Append(File& database, const std::vector<PageNumber>& pages, uint32_t transactionPageCount);
    // Ends the transaction: wipes the journal's header and syncs it. The
    // caller has synced the database first. Does nothing when nothing was
    // saved.
    Status Commit();
    // After the last commit: removes the journal file and syncs the directory.
    Status Remove();
    // Undoes the open transaction in `database` (the caller has stopped
    // writing to it): plays the journal back and removes it.
    Status RollBack(File& database);

    bool InTransaction() const { return m_records > 0; }
    uint64_t bytesWritten() const { return m_bytesWritten.load(); }
    uint64_t syncs() const { return m_syncs; }
    JournalLocation& location() { return *m_location; }

private:
    Status EnsureOpen();

    std::unique_ptr<JournalLocation> m_location;
    std::string m_databaseName;
    std::unique_ptr<File> m_file;
    bool m_directorySynced = false;
    uint64_t m_nonce = 0;
    uint64_t m_end = 0;     // bytes of whole, durable content
    uint32_t m_records = 0; // records of the open transaction
    std::vector<uint8_t> m_buffer;
    std::atomic<uint64_t> m_bytesWritten{0}; // read by the pager's thread while its writer appends
    uint64_t m_syncs = 0;
};

} // namespace jet
