#include "io/File.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace jet {
namespace {

class PosixFile final : public File {
public:
    PosixFile(int fd, std::string path)
        : m_fd(fd)
        , m_path(std::move(path))
    { }
    ~PosixFile() override { ::close(m_fd); }

    Status Read(uint64_t offset, uint8_t* out, size_t length) override
    {
        size_t done = 0;
        while (done < length) {
            const ssize_t n = ::pread(m_fd, out + done, length - done, static_cast<off_t>(offset + done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return Error("read");
            if (n == 0)
                return Errors::UnexpectedEnd(m_path);
            done += static_cast<size_t>(n);
        }
        return Status::OK();
    }

    Status Write(uint64_t offset, const uint8_t* data, size_t length) override
    {
        size_t done = 0;
        while (done < length) {
            const ssize_t n = ::pwrite(m_fd, data + done, length - done, static_cast<off_t>(offset + done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return Error("write");
            done += static_cast<size_t>(n);
        }
        return Status::OK();
    }

    Result<uint64_t> Size() override
    {
        struct stat st;
        if (::fstat(m_fd, &st) != 0)
            return Error("stat");
        return static_cast<uint64_t>(st.st_size);
    }

    Status Truncate(uint64_t size) override
    {
        if (::ftruncate(m_fd, static_cast<off_t>(size)) != 0)
            return Error("truncate");
        return Status::OK();
    }

    Status Sync() override
    {
        if (::fdatasync(m_fd) != 0)
            return Error("sync");
        return Status::OK();
    }

    void Unlock() override { ::flock(m_fd, LOCK_UN); }
    int Descriptor() const override { return m_fd; }

private:
    Status Error(const char* what) const
    {
        return Errors::DiskError(std::string(what) + " '" + m_path + "': " + std::strerror(errno));
    }

    int m_fd;
    std::string m_path;
};

Result<std::unique_ptr<File>> OpenWithFlags(const std::string& path, int flags, bool lock = true)
{
    int fd;
    do {
        fd = ::open(path.c_str(), flags | O_CLOEXEC, 0644);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        if (errno == ENOENT || errno == EISDIR || errno == ENOTDIR)
            return Errors::FileNotFound(path);
        if (errno == EACCES || errno == EROFS || errno == EPERM)
            return Errors::FileLocked(path);
        return Errors::DiskError("open '" + path + "': " + std::strerror(errno));
    }
    struct stat st;
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        return Errors::FileNotFound(path);
    }
    if (lock && (flags & O_ACCMODE) == O_RDWR) {
        // One writer per file: a second writer, in this process or another
        // (on NFS too, where the kernel maps this onto a record lock), would
        // interleave its pages with ours. Readers take no lock. The lock
        // ends with the descriptor. A file system without locks (ENOLCK,
        // EINVAL) is used unlocked rather than not at all.
        // A writer that commits by renaming a new file over this one leaves
        // its lock on the old file: whoever takes that lock next checks that
        // its descriptor is still the file at the path, and opens again if not.
        for (int attempt = 0;; ++attempt) {
            int locked;
            do {
                locked = ::flock(fd, LOCK_EX | LOCK_NB);
            } while (locked != 0 && errno == EINTR);
            if (locked != 0 && errno == EWOULDBLOCK) {
                ::close(fd);
                return Errors::FileInUse(path);
            }
            struct stat atPath;
            struct stat held;
            if (attempt >= 8 || ::fstat(fd, &held) != 0 || ::stat(path.c_str(), &atPath) != 0
                || (held.st_dev == atPath.st_dev && held.st_ino == atPath.st_ino))
                break;
            ::close(fd);
            do {
                fd = ::open(path.c_str(), flags | O_CLOEXEC, 0644);
            } while (fd < 0 && errno == EINTR);
            if (fd < 0)
                return Errors::DiskError("open '" + path + "': " + std::strerror(errno));
        }
    }
    return std::unique_ptr<File>(new PosixFile(fd, path));
}

} // namespace

Result<std::unique_ptr<File>> OpenPosixFile(const std::string& path, bool writable)
{
    return OpenWithFlags(path, writable ? O_RDWR : O_RDONLY);
}

Result<std::unique_ptr<File>> OpenUnlockedPosixFile(const std::string& path, bool writable, bool create)
{
    // Never through a link: a link planted in the journal's place must not
    // send the originals elsewhere.
    return OpenWithFlags(path, (writable ? O_RDWR : O_RDONLY) | (create ? O_CREAT : 0) | O_NOFOLLOW, /*lock=*/false);
}

Result<std::unique_ptr<File>> CreatePosixFile(const std::string& path)
{
    return OpenWithFlags(path, O_RDWR | O_CREAT | O_TRUNC);
}

std::unique_ptr<File> AdoptPosixFile(int fd, const std::string& path)
{
    return std::unique_ptr<File>(new PosixFile(fd, path));
}

std::string ResolvedPath(const std::string& path)
{
    char buffer[PATH_MAX];
    if (::realpath(path.c_str(), buffer) != nullptr)
        return buffer;
    return path;
}

Status SyncDirectory(const std::string& directory)
{
    int fd;
    do {
        fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return Errors::DiskError("open folder '" + directory + "': " + std::strerror(errno));
    const int synced = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    if (synced != 0 && error != EINVAL)
        return Errors::DiskError("sync folder '" + directory + "': " + std::strerror(error));
    return Status::OK();
}

} // namespace jet
