#include "update/Zip.h"

#include "support/AppContext.h"
#include "support/Logging.h"
#include "support/Operator.h"
#include "support/ProgramFiles.h"
#include "support/SystemHelpers.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>
#include <QStringList>

#include <zip.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace pafdm {

namespace {

constexpr qint64 kReadChunk = 64 * 1024;

// A refused archive: the archive is at fault, not the machine.
Error Refused(const QString& why)
{
    return Error{0, why};
}

Error SystemError(const QString& what, int code)
{
    return Error{code, what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(code))};
}

QString ZipErrorText(zip_error_t* error)
{
    return QString::fromUtf8(zip_error_strerror(error));
}

// True when `path` (canonical) is `root` (canonical) or lies below it.
bool IsInside(const QString& path, const QString& root)
{
    return path == root || path.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'));
}

// A member's stored name as a relative path with "/" separators, or the
// reason it cannot be written below a destination. `folder` is set for a
// folder entry (a name ending in a separator); its path has no trailing "/".
Expected<QString> MemberPath(const QByteArray& rawName, const QString& name, bool& folder)
{
    const auto quoted = [&] { return QStringLiteral("\"") + name + QStringLiteral("\""); };
    if (rawName.isEmpty() || name.isEmpty())
        return Refused(QStringLiteral("a member has an empty name"));
    // The raw bytes are checked too: a guessed code page shows controls as
    // printable symbols.
    for (const char c : rawName) {
        if (static_cast<unsigned char>(c) < 32 || c == 127)
            return Refused(QStringLiteral("the member name %1 holds a control character").arg(quoted()));
    }
    for (const QChar c : name) {
        if (c.unicode() < 32 || c.unicode() == 127)
            return Refused(QStringLiteral("the member name %1 holds a control character").arg(quoted()));
    }
    QString path = name;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (path.startsWith(QLatin1Char('/')))
        return Refused(QStringLiteral("the member name %1 is absolute").arg(quoted()));
    if (path.contains(QLatin1Char(':')))
        return Refused(QStringLiteral("the member name %1 holds a drive or stream name").arg(quoted()));
    folder = path.endsWith(QLatin1Char('/'));
    if (folder)
        path.chop(1);
    const QStringList components = path.split(QLatin1Char('/'));
    for (const QString& component : components) {
        if (component == QLatin1String(".."))
            return Refused(QStringLiteral("the member name %1 climbs out of the destination").arg(quoted()));
        // Empty components, "." and the like, and names Windows would trim.
        if (component.isEmpty() || component.endsWith(QLatin1Char('.')) || component.endsWith(QLatin1Char(' ')))
            return Refused(QStringLiteral("the member name %1 has an unusable component").arg(quoted()));
    }
    return path;
}

// One member as checked: where it goes and how large it says it is.
struct Member {
    zip_uint64_t index = 0;
    QString name; // as stored, for messages
    QString path; // relative, "/" separators
    bool folder = false;
    zip_uint64_t size = 0;
    QString target;    // absolute final path
    QString temporary; // absolute temporary path once written
};

struct ExtractOptions {
    bool overwrite = true;
    QString desktopProgram;
    ArchiveLimits limits;
};

// An archive open for reading, and the extraction of it. Nothing is written
// until every member has been checked; temporaries and folders this
// extraction created are removed again unless every member reaches its place.
class ArchiveReader {
public:
    ArchiveReader() = default;
    ArchiveReader(const ArchiveReader&) = delete;
    ArchiveReader& operator=(const ArchiveReader&) = delete;
    ~ArchiveReader()
    {
        RemoveLeftovers();
        if (m_zip)
            zip_discard(m_zip);
    }

    Expected<Done> Open(const QString& archivePath)
    {
        int code = 0;
        m_zip = zip_open(QFile::encodeName(archivePath).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
        if (!m_zip) {
            zip_error_t error;
            zip_error_init_with_code(&error, code);
            const QString text = ZipErrorText(&error);
            zip_error_fini(&error);
            return Refused(QStringLiteral("the archive cannot be opened: ") + text);
        }
        return Done{};
    }

    // True once Extract went on without knowing the destination's free space.
    bool SpaceUnknown() const { return m_spaceUnknown; }

    Expected<Done> Extract(const QString& destination, const ExtractOptions& options)
    {
        m_options = options;
        const QFileInfo destinationInfo(destination);
        if (!destinationInfo.isDir())
            return Refused(QStringLiteral("the destination \"%1\" is not a folder").arg(destination));
        m_root = destinationInfo.canonicalFilePath();

        if (auto checked = CheckMembers(); !checked)
            return checked;
        if (auto checked = CheckSpace(destination); !checked)
            return checked;
        for (Member& member : m_members) {
            if (auto checked = CheckTarget(member); !checked)
                return checked;
        }
        for (Member& member : m_members) {
            auto written = member.folder ? MakeFolders(member.path) : WriteMember(member);
            if (!written)
                return written;
        }
        return MoveIntoPlace();
    }

private:
    // Names, kinds, methods and sizes of every member against the limits.
    Expected<Done> CheckMembers()
    {
        const ArchiveLimits& limits = m_options.limits;
        const zip_int64_t count = zip_get_num_entries(m_zip, 0);
        if (count < 0)
            return Refused(QStringLiteral("the archive's directory cannot be read"));
        if (count > limits.maxMembers)
            return Refused(
                QStringLiteral("the archive has %1 members, more than %2").arg(count).arg(limits.maxMembers));

        QSet<QString> files;
        QSet<QString> folders;
        zip_uint64_t total = 0;
        for (zip_uint64_t index = 0; index < static_cast<zip_uint64_t>(count); ++index) {
            Member member;
            member.index = index;
            const char* raw = zip_get_name(m_zip, index, ZIP_FL_ENC_RAW);
            const char* guessed = zip_get_name(m_zip, index, ZIP_FL_ENC_GUESS);
            if (!raw || !guessed)
                return Refused(QStringLiteral("the name of member %1 cannot be read").arg(index));
            member.name = QString::fromUtf8(guessed);
            auto path = MemberPath(QByteArray(raw), member.name, member.folder);
            if (!path)
                return path.error();
            member.path = path.value();
            const auto quoted = QStringLiteral("\"") + member.name + QStringLiteral("\"");

            const QString top = member.path.section(QLatin1Char('/'), 0, 0);
            if (IsProgramFileName(top, m_options.desktopProgram))
                return Refused(QStringLiteral("the member %1 would replace one of the program's files").arg(quoted));

            if (auto kind = CheckKind(member); !kind)
                return kind;

            zip_stat_t stat;
            zip_stat_init(&stat);
            if (zip_stat_index(m_zip, index, 0, &stat) != 0)
                return Refused(QStringLiteral("the member %1 cannot be examined: %2")
                                   .arg(quoted, ZipErrorText(zip_get_error(m_zip))));
            constexpr zip_uint64_t kNeeded =
                ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_COMP_METHOD | ZIP_STAT_ENCRYPTION_METHOD;
            if ((stat.valid & kNeeded) != kNeeded)
                return Refused(QStringLiteral("the member %1 does not state its size and method").arg(quoted));
            if (stat.encryption_method != ZIP_EM_NONE)
                return Refused(QStringLiteral("the member %1 is encrypted").arg(quoted));
            if (!zip_compression_method_supported(stat.comp_method, 0))
                return Refused(QStringLiteral("the member %1 uses compression method %2, which cannot be read")
                                   .arg(quoted)
                                   .arg(stat.comp_method));
            if (member.folder && stat.size != 0)
                return Refused(QStringLiteral("the folder member %1 holds data").arg(quoted));
            if (auto ratio = CheckRatio(stat, quoted); !ratio)
                return ratio;
            member.size = stat.size;
            const zip_uint64_t maxTotal = static_cast<zip_uint64_t>(std::max<qint64>(limits.maxTotalBytes, 0));
            if (stat.size > maxTotal - total)
                return Refused(QStringLiteral("the archive unpacks to more than %1 bytes").arg(limits.maxTotalBytes));
            total += stat.size;

            // Two members must not claim one path, nor a file a folder's.
            const QString key = member.path.toCaseFolded();
            if (member.folder) {
                folders.insert(key);
            } else if (files.contains(key)) {
                return Refused(QStringLiteral("the member %1 is in the archive twice").arg(quoted));
            } else {
                files.insert(key);
            }
            for (qsizetype slash = key.indexOf(QLatin1Char('/')); slash >= 0;
                 slash = key.indexOf(QLatin1Char('/'), slash + 1))
                folders.insert(key.left(slash));
            m_members.push_back(member);
        }
        for (const QString& file : std::as_const(files)) {
            if (folders.contains(file))
                return Refused(QStringLiteral("the archive holds \"%1\" as both a file and a folder").arg(file));
        }
        m_total = total;
        return Done{};
    }

    // Only plain files and folders; a Unix entry says which in its mode.
    Expected<Done> CheckKind(const Member& member) const
    {
        zip_uint8_t opsys = 0;
        zip_uint32_t attributes = 0;
        if (zip_file_get_external_attributes(m_zip, member.index, 0, &opsys, &attributes) != 0)
            return Refused(QStringLiteral("the attributes of member \"%1\" cannot be read").arg(member.name));
        if (opsys != ZIP_OPSYS_UNIX)
            return Done{};
        // No file type at all (some archivers store only permissions) leaves
        // the name to tell a folder from a file.
        const mode_t type = static_cast<mode_t>(attributes >> 16) & S_IFMT;
        if (type == 0 || (type == S_IFREG && !member.folder) || (type == S_IFDIR && member.folder))
            return Done{};
        if (type == S_IFLNK)
            return Refused(QStringLiteral("the member \"%1\" is a symbolic link").arg(member.name));
        return Refused(QStringLiteral("the member \"%1\" is neither a plain file nor a folder").arg(member.name));
    }

    Expected<Done> CheckRatio(const zip_stat_t& stat, const QString& quoted) const
    {
        const ArchiveLimits& limits = m_options.limits;
        if (static_cast<qint64>(std::min<zip_uint64_t>(stat.size, INT64_MAX)) <= limits.ratioFloorBytes)
            return Done{};
        const zip_uint64_t maxRatio = static_cast<zip_uint64_t>(std::max<qint64>(limits.maxRatio, 1));
        // size > maxRatio * comp_size, without the product overflowing.
        const zip_uint64_t least = stat.size / maxRatio + (stat.size % maxRatio != 0 ? 1 : 0);
        if (stat.comp_size < least)
            return Refused(QStringLiteral("the member %1 expands more than %2 times").arg(quoted).arg(limits.maxRatio));
        return Done{};
    }

    Expected<Done> CheckSpace(const QString& destination)
    {
        const auto& lookup = m_options.limits.freeSpace;
        const std::optional<qint64> free = lookup ? lookup(destination) : FreeSpaceAt(destination);
        if (!free || *free < 0) {
            m_spaceUnknown = true;
            return Done{};
        }
        const qint64 available = *free;
        // The total is below maxTotalBytes, a qint64.
        const qint64 total = static_cast<qint64>(m_total);
        if (total > available || available - total < m_options.limits.freeSpaceMargin)
            return Refused(QStringLiteral("the archive needs %1 bytes; \"%2\" has %3 free, less a margin of %4")
                               .arg(m_total)
                               .arg(destination)
                               .arg(available)
                               .arg(m_options.limits.freeSpaceMargin));
        return Done{};
    }

    // The folders already present on the member's way must stay below the
    // destination (a symbolic link there must not lead out), and an existing
    // file in its place must be one that may be replaced.
    Expected<Done> CheckTarget(Member& member) const
    {
        member.target = m_root + QLatin1Char('/') + member.path;
        QString folder = m_root;
        const QStringList components = member.path.split(QLatin1Char('/'));
        for (qsizetype i = 0; i + 1 < components.size(); ++i) {
            folder += QLatin1Char('/') + components[i];
            const QFileInfo info(folder);
            if (!info.exists() && !info.isSymLink())
                return Done{};
            if (!info.isDir() || !IsInside(info.canonicalFilePath(), m_root))
                return Refused(
                    QStringLiteral("the member \"%1\" would be written outside the destination").arg(member.name));
        }
        struct stat existing;
        if (::lstat(QFile::encodeName(member.target).constData(), &existing) != 0)
            return Done{};
        if (member.folder) {
            const QFileInfo info(member.target);
            if (info.isDir() && IsInside(info.canonicalFilePath(), m_root))
                return Done{};
            return Refused(
                QStringLiteral("the folder member \"%1\" is in the way of an existing file").arg(member.name));
        }
        if (!S_ISREG(existing.st_mode) && !S_ISLNK(existing.st_mode))
            return Refused(
                QStringLiteral("the member \"%1\" would replace something that is not a file").arg(member.name));
        if (!m_options.overwrite)
            return Refused(QStringLiteral("the member \"%1\" would replace an existing file").arg(member.name));
        return Done{};
    }

    // Creates the folders of `path` one at a time below the destination,
    // noting the ones it made, and checks each lies inside.
    Expected<Done> MakeFolders(const QString& path)
    {
        QString folder = m_root;
        for (const QString& component : path.split(QLatin1Char('/'))) {
            folder += QLatin1Char('/') + component;
            const QByteArray native = QFile::encodeName(folder);
            if (::mkdir(native.constData(), 0777) == 0) {
                m_createdFolders.push_back(folder);
            } else if (errno != EEXIST) {
                return SystemError(QStringLiteral("cannot create the folder \"%1\"").arg(folder), errno);
            }
            const QFileInfo info(folder);
            if (!info.isDir() || !IsInside(info.canonicalFilePath(), m_root))
                return Refused(QStringLiteral("the folder \"%1\" lies outside the destination").arg(folder));
        }
        return Done{};
    }

    // Opens a new temporary file beside `target`; -1 with errno on failure.
    static int CreateTemporary(const QString& target, QString& temporary)
    {
        const QFileInfo info(target);
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QString suffix =
                QString::number(QRandomGenerator::global()->generate(), 36).rightJustified(6, QLatin1Char('0'));
            temporary = info.path() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".part-") + suffix;
            const int fd = ::open(QFile::encodeName(temporary).constData(),
                                  O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
            if (fd >= 0 || errno != EEXIST)
                return fd;
        }
        errno = EEXIST;
        return -1;
    }

    static Expected<Done> WriteAll(int fd, const char* data, qint64 length, const QString& temporary)
    {
        while (length > 0) {
            const ssize_t written = ::write(fd, data, static_cast<size_t>(length));
            if (written < 0) {
                if (errno == EINTR)
                    continue;
                return SystemError(QStringLiteral("cannot write \"%1\"").arg(temporary), errno);
            }
            data += written;
            length -= written;
        }
        return Done{};
    }

    // Copies one member into its temporary, holding it to its stated size.
    Expected<Done> WriteMember(Member& member)
    {
        const qsizetype slash = member.path.lastIndexOf(QLatin1Char('/'));
        if (slash > 0) {
            if (auto made = MakeFolders(member.path.left(slash)); !made)
                return made;
        }
        const int fd = CreateTemporary(member.target, member.temporary);
        if (fd < 0) {
            const int code = errno;
            member.temporary.clear();
            return SystemError(QStringLiteral("cannot create a temporary file for \"%1\"").arg(member.target), code);
        }
        auto copied = Copy(member, fd);
        if (copied && ::fsync(fd) != 0)
            copied = SystemError(QStringLiteral("cannot flush \"%1\"").arg(member.temporary), errno);
        if (::close(fd) != 0 && copied)
            copied = SystemError(QStringLiteral("cannot close \"%1\"").arg(member.temporary), errno);
        return copied;
    }

    Expected<Done> Copy(const Member& member, int fd)
    {
        const auto quoted = QStringLiteral("\"") + member.name + QStringLiteral("\"");
        zip_file_t* file = zip_fopen_index(m_zip, member.index, 0);
        if (!file)
            return Refused(
                QStringLiteral("the member %1 cannot be read: %2").arg(quoted, ZipErrorText(zip_get_error(m_zip))));
        std::vector<char> buffer(kReadChunk);
        zip_uint64_t received = 0;
        Expected<Done> result = Done{};
        for (;;) {
            const zip_int64_t got = zip_fread(file, buffer.data(), buffer.size());
            if (got < 0) {
                result = Refused(
                    QStringLiteral("the member %1 is damaged: %2").arg(quoted, ZipErrorText(zip_file_get_error(file))));
                break;
            }
            if (got == 0)
                break;
            received += static_cast<zip_uint64_t>(got);
            if (received > member.size) {
                result = Refused(
                    QStringLiteral("the member %1 holds more than its stated %2 bytes").arg(quoted).arg(member.size));
                break;
            }
            result = WriteAll(fd, buffer.data(), got, member.temporary);
            if (!result)
                break;
        }
        const int closed = zip_fclose(file);
        if (result && closed != 0) {
            zip_error_t error;
            zip_error_init_with_code(&error, closed);
            result = Refused(QStringLiteral("the member %1 is damaged: %2").arg(quoted, ZipErrorText(&error)));
            zip_error_fini(&error);
        }
        if (result && received != member.size)
            result = Refused(QStringLiteral("the member %1 holds %2 bytes, not its stated %3")
                                 .arg(quoted)
                                 .arg(received)
                                 .arg(member.size));
        return result;
    }

    // Every member was written whole: each temporary replaces its target in
    // one step. A failure here (the disk going away) leaves the members
    // already renamed in place; the rest are removed.
    Expected<Done> MoveIntoPlace()
    {
        for (Member& member : m_members) {
            if (member.temporary.isEmpty())
                continue;
            if (::rename(QFile::encodeName(member.temporary).constData(), QFile::encodeName(member.target).constData())
                != 0)
                return SystemError(QStringLiteral("cannot move \"%1\" into place").arg(member.target), errno);
            member.temporary.clear();
        }
        m_createdFolders.clear();
        return Done{};
    }

    void RemoveLeftovers()
    {
        for (const Member& member : m_members) {
            if (!member.temporary.isEmpty())
                ::unlink(QFile::encodeName(member.temporary).constData());
        }
        // Deepest first; a folder something else has filled meanwhile stays.
        for (auto it = m_createdFolders.rbegin(); it != m_createdFolders.rend(); ++it)
            ::rmdir(QFile::encodeName(*it).constData());
        m_createdFolders.clear();
    }

    zip_t* m_zip = nullptr;
    ExtractOptions m_options;
    QString m_root;
    std::vector<Member> m_members;
    std::vector<QString> m_createdFolders;
    zip_uint64_t m_total = 0;
    bool m_spaceUnknown = false;
};

} // namespace

Expected<Done> UnpackArchive(const QString& archivePath, const QString& destinationDirectory,
                             const ArchiveLimits& limits)
{
    ArchiveReader reader;
    if (auto opened = reader.Open(archivePath); !opened)
        return opened;
    return reader.Extract(destinationDirectory, ExtractOptions{true, QString(), limits});
}

void ShowArchiveProgress(AppContext& ctx, const QString& text)
{
    ctx.ui().SetArchiveProgress(text);
    ctx.ui().Yield();
}

bool ExtractArchive(AppContext& ctx, const QString& title, const QString& description, const QString& archivePath,
                    const QString& destinationDirectory, const QString& selection, bool overwrite,
                    const ArchiveLimits& limits)
{
    Operator& ui = ctx.ui();
    ui.OpenArchiveWindow(!title.isEmpty());
    ui.SetArchiveCaptions(title, description);
    ui.Yield();
    ShowArchiveProgress(ctx, QStringLiteral("Opening ") + archivePath);

    Expected<Done> outcome = Done{};
    {
        ArchiveReader reader;
        if (!selection.isEmpty()) {
            outcome = Refused(QStringLiteral("choosing members (\"%1\") is not supported").arg(selection));
        } else {
            outcome = reader.Open(archivePath);
            if (outcome) {
                ShowArchiveProgress(ctx, QStringLiteral("Extracting ") + archivePath);
                outcome =
                    reader.Extract(destinationDirectory, ExtractOptions{overwrite, ctx.edition.desktopProgram, limits});
                if (reader.SpaceUnknown())
                    LogActivity(ctx,
                                QStringLiteral("The free space of ") + destinationDirectory
                                    + QStringLiteral(" is not known; the extraction of ") + archivePath
                                    + QStringLiteral(" went ahead without checking it"));
            }
        }
    }

    ui.CloseArchiveWindow();
    if (!outcome) {
        const QString text =
            QStringLiteral("Could not unpack ") + archivePath + QStringLiteral(": ") + outcome.error().description;
        LogError(ctx, text);
        ui.NoteFailure(text);
        return false;
    }
    return true;
}

} // namespace pafdm
