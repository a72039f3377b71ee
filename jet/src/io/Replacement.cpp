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
        return errno == ENOTSUP ? std::string()
                                : std::string("its extended attributes cannot be read: ") + std::strerror(errno);
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
        if (n < 0 && in == 0
            && (errno == EXDEV || errno == ENOSYS || errno == EOPNOTSUPP || errno == EINVAL || errno == EBADF
                || errno == EPERM)) {
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

namespace {

// Reads the file's status into `st`, and says in `whyNot` when a copy could
// not stand in for it: not a plain file on disk, or a file of several names.
Status ExamineSource(int from, const std::string& databasePath, struct stat& st, std::string& whyNot)
{
    if (from < 0) {
        whyNot = "the file is not a plain file on disk";
        return Status::OK();
    }
    if (::fstat(from, &st) != 0)
        return SystemError("stat '" + databasePath + "'", errno);
    if (!S_ISREG(st.st_mode)) {
        whyNot = "the file is not a plain file";
        return Status::OK();
    }
    if (st.st_nlink > 1)
        whyNot = "the file has " + std::to_string(st.st_nlink) + " names (hard links), which a new file would part";
    return Status::OK();
}

// Why the folder of `target` has no room for a copy of `size` bytes and the
// margin; empty when it has, or when the file system does not say.
std::string WhyNoRoom(const std::string& target, uint64_t size)
{
    struct statvfs fs;
    if (::statvfs(DirectoryOf(target).c_str(), &fs) != 0)
        return {};
    const uint64_t free = static_cast<uint64_t>(fs.f_bavail) * (fs.f_frsize != 0 ? fs.f_frsize : fs.f_bsize);
    if (free >= size + kSpaceMargin)
        return {};
    return "the disk has " + std::to_string(free / (1024 * 1024)) + " MiB free, too little for a copy of "
        + std::to_string(size / (1024 * 1024)) + " MiB and a margin";
}

} // namespace

Result<std::unique_ptr<Replacement>> Replacement::Begin(File& source, const std::string& databasePath,
                                                        std::string& whyNot)
{
    whyNot.clear();
    const int from = source.Descriptor();
    struct stat st;
    JET_RETURN_IF_ERROR(ExamineSource(from, databasePath, st, whyNot));
    if (!whyNot.empty())
        return std::unique_ptr<Replacement>();
    std::unique_ptr<Replacement> r(new Replacement());
    r->m_target = ResolvedPath(databasePath);
    r->m_copyPath = r->m_target + "-new";
    r->m_size = static_cast<uint64_t>(st.st_size);
    whyNot = WhyNoRoom(r->m_target, r->m_size);
    if (!whyNot.empty())
        return std::unique_ptr<Replacement>();
    JET_RETURN_IF_ERROR(r->CreateCopy(whyNot));
    if (whyNot.empty())
        JET_RETURN_IF_ERROR(r->MatchOwnerAndMode(from, st, whyNot));
    if (!whyNot.empty())
        return std::unique_ptr<Replacement>();
    r->StartCopying(from);
    return r;
}

Status Replacement::CreateCopy(std::string& whyNot)
{
    // The writer's lock is held on the file, so a copy already there was
    // left by a transaction that never committed.
    for (int attempt = 0;; ++attempt) {
        m_copyFd = ::open(m_copyPath.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (m_copyFd >= 0 || errno != EEXIST || attempt > 0)
            break;
        ::unlink(m_copyPath.c_str());
    }
    if (m_copyFd < 0) {
        const int code = errno;
        if (code == EACCES || code == EPERM || code == EROFS) {
            whyNot = "no new file can be made in the folder: " + std::string(std::strerror(code));
            return Status::OK();
        }
        return SystemError("create '" + m_copyPath + "'", code);
    }
    m_copy = AdoptPosixFile(m_copyFd, m_copyPath);
    ::flock(m_copyFd, LOCK_EX | LOCK_NB);
    return Status::OK();
}

Status Replacement::MatchOwnerAndMode(int from, const struct stat& source, std::string& whyNot)
{
    // Owner first (it clears set-id bits), then attributes, then the mode.
    struct stat made;
    if (::fstat(m_copyFd, &made) != 0)
        return SystemError("stat '" + m_copyPath + "'", errno);
    if ((made.st_uid != source.st_uid || made.st_gid != source.st_gid)
        && ::fchown(m_copyFd, source.st_uid, source.st_gid) != 0) {
        whyNot = "a new file cannot be given the file's owner and group: " + std::string(std::strerror(errno));
        Discard();
        return Status::OK();
    }
    if (std::string why = CopyAttributes(from, m_copyFd); !why.empty()) {
        whyNot = why;
        Discard();
        return Status::OK();
    }
    if (::fchmod(m_copyFd, source.st_mode & 07777) != 0) {
        whyNot = "a new file cannot be given the file's mode: " + std::string(std::strerror(errno));
        Discard();
    }
    return Status::OK();
}

void Replacement::StartCopying(int from)
{
    // The source is not written while the copy is made: nothing reaches the
    // file in place during a transaction that may still go beside it.
    try {
        m_thread = std::thread([this, from] { m_copied = CopyBytes(from, m_copyFd, m_size, m_copyPath, m_bytes); });
    } catch (const std::system_error&) {
        m_copied = CopyBytes(from, m_copyFd, m_size, m_copyPath, m_bytes);
    }
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
