#pragma once

#include <jet/Status.h>

#include <cstdint>
#include <memory>
#include <string>

namespace jet {

// Positioned reads and writes on one open file. The pager is the only user;
// tests substitute an implementation that fails after a chosen number of bytes.
class File {
public:
    virtual ~File() = default;

    // Reads exactly `length` bytes at `offset`; a short read is an I/O error.
    virtual Status Read(uint64_t offset, uint8_t* out, size_t length) = 0;
    // Writes `length` bytes at `offset`, extending the file when needed.
    virtual Status Write(uint64_t offset, const uint8_t* data, size_t length) = 0;
    // Current size in bytes.
    virtual Result<uint64_t> Size() = 0;
    // Cuts the file to `size` bytes.
    virtual Status Truncate(uint64_t size) = 0;
    // Makes written data durable.
    virtual Status Sync() = 0;
    // Gives up the writer's lock on the file (see OpenPosixFile) before the
    // file itself is closed, so another writer may open it at once.
    virtual void Unlock() { }
    // The open descriptor of a file on disk, -1 for any other kind of file.
    virtual int Descriptor() const { return -1; }
};

// Opens `path` for reading, or for reading and writing. A file opened for
// writing is locked against every other writer (flock) until the File ends or
// Unlock() is called; while another writer holds it, opening for writing
// fails with Errors::FileInUse. A missing file gives a NotFound status naming the
// path the way Jet does; other failures an I/O error.
Result<std::unique_ptr<File>> OpenPosixFile(const std::string& path, bool writable);

// Opens `path` without the writer's lock, for reading, or for reading and
// writing, creating it (empty, mode 0644) when `create`. For files that only
// the holder of a database's lock touches, such as its journal.
Result<std::unique_ptr<File>> OpenUnlockedPosixFile(const std::string& path, bool writable, bool create);

// Creates (or truncates) `path` for reading and writing.
Result<std::unique_ptr<File>> CreatePosixFile(const std::string& path);

// Takes over an open descriptor (closed with the File) of the file at `path`.
std::unique_ptr<File> AdoptPosixFile(int fd, const std::string& path);

// `path` with every link and relative step resolved; `path` itself when it
// cannot be resolved (it does not exist yet).
std::string ResolvedPath(const std::string& path);

// Makes the creation, removal or renaming of a file in `directory` durable.
// A file system that cannot sync a folder (EINVAL) need not.
Status SyncDirectory(const std::string& directory);

} // namespace jet
