#include "io/Replacement.h"

#include "io/Journal.h"

#include <jet/Errors.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace jet {

namespace {

// Room the file system must keep beyond the copy.
constexpr uint64_t kSpaceMargin = uint64_t(64) * 1024 * 1024;

std::mutex g_faultMutex;
ReplaceFault g_fault;

Status Fault(ReplaceStep step)
{
    std::lock_guard lock(g_faultMutex);
    return g_fault ? g_fault(step) : Status::OK();
}

Status SystemError(const std::string& what, int code)
{
    return Errors::DiskError(what + ": " + std::strerror(code));
}

std::string DirectoryOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Copies the extended attributes of `from` (ACLs among them) to `to`. An
// empty string when done, else why not.
std::string CopyAttributes(int from, int to)
{
    ssize_t size = ::flistxattr(from, nullptr, 0);
    if (size < 0)
        return errno == ENOTSUP ? std::string() : std::string("its extended attributes cannot be read: ")
                + std::strerror(errno);
    std::vector<char> names(static_cast<size_t>(size) + 1);
    size = ::flistxattr(from, names.data(), names.size());
    if (size < 0)
        return std::string("its extended attributes cannot be read: ") + std::strerror(errno);
    std::vector<char> value;
    for (ssize_t at = 0; at < size;) {
        const char* name = names.data() + at;
        at += static_cast<ssize_t>(std::strlen(name)) + 1;
        const ssize_t length = ::fgetxattr(from, name, nullptr, 0);
        if (length < 0)
            return std::string("its attribute ") + name + " cannot be read: " + std::strerror(errno);
        value.resize(static_cast<size_t>(length) + 1);
        const ssize_t got = ::fgetxattr(from, name, value.data(), value.size());
        if (got < 0)
            return std::string("its attribute ") + name + " cannot be read: " + std::strerror(errno);
        if (::fsetxattr(to, name, value.data(), static_cast<size_t>(got), 0) != 0)
            return std::string("its attribute ") + name + " cannot be given to a copy: " + std::strerror(errno);
    }
    return std::string();
}

// Copies `size` bytes from the start of `from` to `to`: in the kernel
// (a reflink or a server-side copy where the file system offers one), else
// through a buffer.
Status CopyBytes(int from, int to, uint64_t size, const std::string& copyPath, uint64_t& copied)
{
    JET_RETURN_IF_ERROR(Fault(ReplaceStep::kCopy));
    loff_t in = 0;
    loff_t out = 0;
    bool kernel = true;
    while (kernel && static_cast<uint64_t>(in) < size) {
        const ssize_t n = ::copy_file_range(from, &in, to, &out, static_cast<size_t>(size - in), 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && in == 0 && (errno == EXDEV || errno == ENOSYS || errno == EOPNOTSUPP || errno == EINVAL
                                 || errno == EBADF || errno == EPERM)) {
            kernel = false;
            break;
        }
        if (n < 0)
            return SystemError("copy to '" + copyPath + "'", errno);
        if (n == 0)
            return Errors::DiskError("copy to '" + copyPath + "': the file ended early");
        copied += static_cast<uint64_t>(n);
    }
    if (kernel)
        return Status::OK();
    std::vector<uint8_t> buffer(1 << 20);
    for (uint64_t at = 0; at < size;) {
        const size_t want = static_cast<size_t>(std::min<uint64_t>(buffer.size(), size - at));
        const ssize_t got = ::pread(from, buffer.data(), want, static_cast<off_t>(at));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return got < 0 ? SystemError("read for a copy", errno) : Errors::DiskError("the file ended early");
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::pwrite(to, buffer.data() + done, static_cast<size_t>(got - done),
                                         static_cast<off_t>(at + static_cast<uint64_t>(done)));
            if (put < 0 && errno == EINTR)
                continue;
            if (put <= 0)
                return SystemError("write '" + copyPath + "'", put < 0 ? errno : ENOSPC);
            done += put;
        }
        at += static_cast<uint64_t>(got);
        copied += static_cast<uint64_t>(got);
    }
    return Status::OK();
}

} // namespace

std::string CopyPathFor(const std::string& databasePath)
{
    return ResolvedPath(databasePath) + "-new";
}

void SetReplaceFaultForTesting(ReplaceFault fault)
{
    std::lock_guard lock(g_faultMutex);
    g_fault = std::move(fault);
}

Result<std::unique_ptr<Replacement>> Replacement::Begin(File& source, const std::string& databasePath,
                                                        std::string& whyNot)
{
    whyNot.clear();
    const int from = source.Descriptor();
    if (from < 0) {
        whyNot = "the file is not a plain file on disk";
        return std::unique_ptr<Replacement>();
    }
    struct stat st;
    if (::fstat(from, &st) != 0)
        return SystemError("stat '" + databasePath + "'", errno);
    if (!S_ISREG(st.st_mode)) {
        whyNot = "the file is not a plain file";
        return std::unique_ptr<Replacement>();
    }
    if (st.st_nlink > 1) {
        whyNot = "the file has " + std::to_string(st.st_nlink) + " names (hard links), which a new file would part";
        return std::unique_ptr<Replacement>();
    }
    std::unique_ptr<Replacement> r(new Replacement());
    r->m_target = ResolvedPath(databasePath);
    r->m_copyPath = r->m_target + "-new";
    r->m_size = static_cast<uint64_t>(st.st_size);
    struct statvfs fs;
    if (::statvfs(DirectoryOf(r->m_target).c_str(), &fs) == 0) {
        const uint64_t free = static_cast<uint64_t>(fs.f_bavail) * (fs.f_frsize != 0 ? fs.f_frsize : fs.f_bsize);
        if (free < r->m_size + kSpaceMargin) {
            whyNot = "the disk has " + std::to_string(free / (1024 * 1024)) + " MiB free, too little for a copy of "
                + std::to_string(r->m_size / (1024 * 1024)) + " MiB and a margin";
            return std::unique_ptr<Replacement>();
        }
    }

    // The writer's lock is held on the file, so a copy already there was
    // left by a transaction that never committed.
    for (int attempt = 0;; ++attempt) {
        r->m_copyFd = ::open(r->m_copyPath.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (r->m_copyFd >= 0 || errno != EEXIST || attempt > 0)
            break;
        ::unlink(r->m_copyPath.c_str());
    }
    if (r->m_copyFd < 0) {
        const int code = errno;
        if (code == EACCES || code == EPERM || code == EROFS) {
            whyNot = "no new file can be made in the folder: " + std::string(std::strerror(code));
            return std::unique_ptr<Replacement>();
        }
        return SystemError("create '" + r->m_copyPath + "'", code);
    }
    r->m_copy = AdoptPosixFile(r->m_copyFd, r->m_copyPath);
    ::flock(r->m_copyFd, LOCK_EX | LOCK_NB);
    // Owner first (it clears set-id bits), then attributes, then the mode.
    struct stat made;
    if (::fstat(r->m_copyFd, &made) != 0)
        return SystemError("stat '" + r->m_copyPath + "'", errno);
    if ((made.st_uid != st.st_uid || made.st_gid != st.st_gid) && ::fchown(r->m_copyFd, st.st_uid, st.st_gid) != 0) {
        whyNot = "a new file cannot be given the file's owner and group: " + std::string(std::strerror(errno));
        r->Discard();
        return std::unique_ptr<Replacement>();
    }
    if (std::string why = CopyAttributes(from, r->m_copyFd); !why.empty()) {
        whyNot = why;
        r->Discard();
        return std::unique_ptr<Replacement>();
    }
    if (::fchmod(r->m_copyFd, st.st_mode & 07777) != 0) {
        whyNot = "a new file cannot be given the file's mode: " + std::string(std::strerror(errno));
        r->Discard();
        return std::unique_ptr<Replacement>();
    }
    // The source is not written while the copy is made: nothing reaches the
    // file in place during a transaction that may still go beside it.
    Replacement* raw = r.get();
    try {
        r->m_thread = std::thread([raw, from] {
            raw->m_copied = CopyBytes(from, raw->m_copyFd, raw->m_size, raw->m_copyPath, raw->m_bytes);
        });
    } catch (const std::system_error&) {
        r->m_copied = CopyBytes(from, r->m_copyFd, r->m_size, r->m_copyPath, r->m_bytes);
    }
    return r;
}

Replacement::~Replacement()
{
    if (m_thread.joinable())
        m_thread.join();
    if (!m_committed)
        Discard();
}

void Replacement::Discard()
{
    if (m_thread.joinable())
        m_thread.join();
    if (!m_copyPath.empty() && m_copy) {
        ::unlink(m_copyPath.c_str());
        m_copy.reset();
    }
}

Status Replacement::Ready()
{
    if (m_thread.joinable())
        m_thread.join();
    if (!m_copied.ok()) {
        Discard();
        return m_copied;
    }
    if (!m_copy)
        return Errors::DiskError("the copy '" + m_copyPath + "' is gone");
    m_ready = true;
    CountCopy(m_bytes);
    return Status::OK();
}

Status Replacement::Commit()
{
    if (!m_ready || !m_copy)
        return Errors::DiskError("the copy '" + m_copyPath + "' is not ready");
    Status synced = Fault(ReplaceStep::kSyncCopy);
    if (synced.ok())
        synced = m_copy->Sync();
    if (!synced.ok()) {
        Discard();
        return synced;
    }
    Status renamed = Fault(ReplaceStep::kRename);
    if (renamed.ok() && ::rename(m_copyPath.c_str(), m_target.c_str()) != 0)
        renamed = SystemError("rename '" + m_copyPath + "' to '" + m_target + "'", errno);
    if (!renamed.ok()) {
        Discard();
        return renamed;
    }
    m_committed = true;
    Status directory = Fault(ReplaceStep::kSyncDirectory);
    if (directory.ok())
        directory = SyncDirectory(DirectoryOf(m_target));
    return directory;
}

Result<bool> RemoveLeftoverCopy(const std::string& databasePath)
{
    const std::string copy = CopyPathFor(databasePath);
    struct stat st;
    if (::lstat(copy.c_str(), &st) != 0)
        return false;
    if (::unlink(copy.c_str()) != 0 && errno != ENOENT)
        return SystemError("remove '" + copy + "'", errno);
    JET_RETURN_IF_ERROR(SyncDirectory(DirectoryOf(copy)));
    return true;
}

} // namespace jet
