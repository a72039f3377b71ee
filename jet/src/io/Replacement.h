#pragma once

#include "io/File.h"

#include <jet/Status.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>

struct stat;

namespace jet {

// A private copy of a database file, made beside it so that a transaction
// too large for the page cache can be written there while the file itself
// stays as it was. The commit flushes the copy and renames it over the file:
// a process that has the file open goes on reading the old file whole, the
// next open gets the new one, and a crash at any moment leaves one or the
// other. The copy is "<file>-new" beside the file a link leads to (the link
// stays), owned like the file, with its mode and extended attributes (ACLs
// among them), and it holds the writer's lock from the moment it exists.

// The name of the copy of the database at `databasePath`, the path resolved
// first as for the journal.
std::string CopyPathFor(const std::string& databasePath);

// The steps a copy goes through; tests make any of them fail.
enum class ReplaceStep { kCopy, kSyncCopy, kRename, kSyncDirectory };
// Called before each step (tests only): a failure status makes the step fail.
using ReplaceFault = std::function<Status(ReplaceStep)>;
void SetReplaceFaultForTesting(ReplaceFault fault);

class Replacement {
public:
    // Prepares a copy of `source` (the open database at `databasePath`), or
    // says why none can be made the same as the file: `whyNot` is then set
    // and nullptr returned (the file has more than one name, the file system
    // lacks the room, the copy cannot be given the file's owner or
    // attributes, the file is no plain file on disk). An I/O failure is an
    // error status. The copying itself runs on a thread of its own from here
    // on; `Ready()` waits for it.
    static Result<std::unique_ptr<Replacement>> Begin(File& source, const std::string& databasePath,
                                                      std::string& whyNot);
    // Removes the copy unless it was committed.
    ~Replacement();
    Replacement(const Replacement&) = delete;
    Replacement& operator=(const Replacement&) = delete;

    // Waits for the copying to end; the copy then holds the file's bytes as
    // they were when Begin() was called. A failed copy is removed, and the
    // error returned.
    Status Ready();
    // The copy, for the transaction's pages. REQUIRES: Ready() succeeded.
    File& copy() { return *m_copy; }
    // Flushes the copy, renames it over the file and flushes the directory.
    // Until the rename the file is untouched and a failure removes the copy;
    // a failure of the last flush leaves the new file in place (it is whole)
    // and is returned.
    Status Commit();
    // After Commit(): the new file, open and locked, now at the file's path.
    std::unique_ptr<File> TakeFile() { return std::move(m_copy); }
    // Whether Commit() renamed the copy over the file (even when the folder's
    // flush then failed).
    bool committed() const { return m_committed; }
    const std::string& copyPath() const { return m_copyPath; }
    uint64_t bytesCopied() const { return m_bytes; }

private:
    Replacement() = default;
    // The steps of Begin(). Each sets `whyNot` when the copy cannot be made
    // the same as the file, and returns an error status on an I/O failure.
    Status CreateCopy(std::string& whyNot);
    Status MatchOwnerAndMode(int from, const struct stat& source, std::string& whyNot);
    // Copies the file's bytes on a thread of its own, or here when no thread can be had.
    void StartCopying(int from);
    void Discard();

    std::string m_target;   // the file itself (a link resolved)
    std::string m_copyPath; // m_target + "-new"
    std::unique_ptr<File> m_copy;
    int m_sourceFd = -1;
    int m_copyFd = -1;
    uint64_t m_size = 0;
    uint64_t m_bytes = 0;
    Status m_copied;
    std::thread m_thread;
    bool m_ready = false;
    bool m_committed = false;
};

// Removes a copy left beside `databasePath` by a transaction that never
// committed. The caller holds the database's writer lock, so no other writer
// can be making one. True when there was one.
Result<bool> RemoveLeftoverCopy(const std::string& databasePath);

} // namespace jet
