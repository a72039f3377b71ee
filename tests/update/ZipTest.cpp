#include "update/Zip.h"

#include "support/AppContext.h"
#include "support/SystemHelpers.h"
#include "testsupport/FakeClock.h"
#include "testsupport/QtPrinters.h"
#include "testsupport/ScriptedOperator.h"
#include "testsupport/TempDir.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <zip.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace pafdm {
namespace {

struct Entry {
    QByteArray name; // a name ending in "/" is a folder
    QByteArray data;
    zip_int32_t method = ZIP_CM_STORE;
    std::optional<zip_uint32_t> unixMode;
    bool encrypt = false;
};

Entry File(const char* name, QByteArray data, zip_int32_t method = ZIP_CM_STORE)
{
    return Entry{name, std::move(data), method, std::nullopt, false};
}

void WriteZip(const QString& path, const std::vector<Entry>& entries)
{
    int code = 0;
    zip_t* za = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    ASSERT_NE(za, nullptr) << code;
    std::unique_ptr<zip_t, void (*)(zip_t*)> unclosed(za, zip_discard);
    for (const Entry& e : entries) {
        zip_int64_t index = -1;
        if (e.name.endsWith('/')) {
            index = zip_dir_add(za, e.name.constData(), ZIP_FL_ENC_GUESS);
        } else {
            zip_source_t* source = zip_source_buffer(za, e.data.constData(), zip_uint64_t(e.data.size()), 0);
            index = zip_file_add(za, e.name.constData(), source, ZIP_FL_ENC_GUESS);
            if (index < 0) {
                zip_source_free(source);
            } else {
                ASSERT_EQ(zip_set_file_compression(za, zip_uint64_t(index), e.method, 0), 0);
            }
        }
        ASSERT_GE(index, 0) << zip_strerror(za);
        if (e.unixMode)
            zip_file_set_external_attributes(za, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX, *e.unixMode << 16);
        if (e.encrypt) {
            ASSERT_EQ(zip_file_set_encryption(za, zip_uint64_t(index), ZIP_EM_AES_256, "secret"), 0);
        }
    }
    ASSERT_EQ(zip_close(za), 0) << zip_strerror(za);
    unclosed.release();
}

// Hand edits of a one-member archive written by WriteZip.
void Patch(const QString& path, const std::function<void(QByteArray&, qsizetype central)>& edit)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    edit(bytes, bytes.lastIndexOf(QByteArray("PK\x01\x02", 4)));
    file.resize(0);
    file.write(bytes);
}
void Put32(QByteArray& bytes, qsizetype at, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char((value >> (8 * i)) & 0xff);
}

// Path -> content hash (or link target) of everything below `root` but the logs.
std::map<QString, QByteArray> Snapshot(const QString& root)
{
    std::map<QString, QByteArray> files;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QString relative = QDir(root).relativeFilePath(info.filePath());
        if (relative.startsWith(QLatin1String("logs")))
            continue;
        QFile file(info.filePath());
        if (info.isSymLink())
            files[relative] = info.symLinkTarget().toUtf8();
        else if (info.isFile() && file.open(QIODevice::ReadOnly))
            files[relative] = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
        else
            files[relative] = "dir";
    }
    return files;
}

QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QString EscapedPath()
{
    return QDir::tempPath() + QStringLiteral("/pafdm-escaped.txt");
}

class ZipTest : public ::testing::Test {
public:
    void SetUp() override
    {
        QDir().mkpath(dest);
        QDir().mkpath(root.File(QStringLiteral("logs")));
        ctx.dataDirectory = root.File(QStringLiteral("logs"));
        Place(QStringLiteral("keep.txt"), "sentinel");
        Place(QStringLiteral("PAF_FULL.dat"), "the data file");
    }
    void Place(const QString& name, const QByteArray& bytes)
    {
        QFile file(dest + QLatin1Char('/') + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    bool Extract(const QString& title = QStringLiteral("Updating"), bool overwrite = true,
                 const ArchiveLimits& limits = {}, const QString& selection = {})
    {
        return ExtractArchive(ctx, title, QStringLiteral("Unpacking the update"), archive, dest, selection, overwrite,
                              limits);
    }
    QByteArray ErrorLog() const { return Read(root.File(QStringLiteral("logs/Error1.log"))); }

    test::TempDir root;
    const QString dest = root.File(QStringLiteral("data"));
    const QString archive = root.File(QStringLiteral("update.zip"));
    test::ScriptedOperator ui;
    test::FakeClock clock;
    AppContext ctx{EditionConfig::Quorly(), ui, clock};
};

TEST_F(ZipTest, UnpacksFilesAndFoldersReplacingAFileOfTheSameName)
{
    Place(QStringLiteral("UPDATE_F_20070301.dat"), "old update");
    WriteZip(archive,
             {File("UPDATE_F_20070301.dat", "new update", ZIP_CM_DEFLATE), File("sub/inner.txt", "inner"),
              File("win\\path.txt", "backslashes"), Entry{"empty/", {}, 0, S_IFDIR | 0755, false},
              File("sub/PAF_FULL.dat", "only the top level is the program's")});

    ASSERT_TRUE(Extract()) << ErrorLog().toStdString();
    EXPECT_EQ(Read(dest + "/UPDATE_F_20070301.dat"), "new update");
    EXPECT_EQ(Read(dest + "/sub/inner.txt"), "inner");
    EXPECT_EQ(Read(dest + "/win/path.txt"), "backslashes");
    EXPECT_EQ(Read(dest + "/sub/PAF_FULL.dat"), "only the top level is the program's");
    EXPECT_TRUE(QFileInfo(dest + "/empty").isDir());
    EXPECT_EQ(Read(dest + "/PAF_FULL.dat"), "the data file");
    EXPECT_EQ(Snapshot(dest).size(), 9U) << "no temporaries are left behind";
    EXPECT_EQ(ErrorLog(), "<missing>");

    EXPECT_EQ(ui.archiveWindows, std::vector<bool>{true});
    EXPECT_EQ(ui.archiveCaptions, (QStringList{"Updating", "Unpacking the update"}));
    EXPECT_FALSE(ui.archiveWindowOpen);
}

TEST_F(ZipTest, WindowStaysHiddenWithoutATitleAndShowsOnlyOpeningWhenTheArchiveCannotBeOpened)
{
    WriteZip(archive, {File("a.txt", "a")});
    EXPECT_TRUE(Extract(QString()));
    EXPECT_EQ(ui.archiveWindows, std::vector<bool>{false});
    EXPECT_EQ(ui.archiveProgress, (QStringList{"Opening " + archive, "Extracting " + archive}));
    EXPECT_EQ(ui.yields, 3);
    EXPECT_FALSE(ui.archiveWindowOpen);

    ui.archiveProgress.clear();
    QFile::remove(archive);
    QFile notZip(archive);
    ASSERT_TRUE(notZip.open(QIODevice::WriteOnly));
    notZip.write("this is not an archive");
    notZip.close();
    EXPECT_FALSE(Extract());
    EXPECT_EQ(ui.archiveProgress, QStringList{"Opening " + archive});
    EXPECT_FALSE(ui.archiveWindowOpen);
    EXPECT_TRUE(ErrorLog().contains("Could not unpack " + QFile::encodeName(archive)));
}

TEST_F(ZipTest, LimitsAdmitAnArchiveExactlyAtThem)
{
    WriteZip(archive, {File("a.txt", "12345"), File("b.txt", "67890")});
    ArchiveLimits limits;
    limits.maxMembers = 2;
    limits.maxTotalBytes = 10;
    EXPECT_TRUE(Extract(QStringLiteral("t"), false, limits)) << ErrorLog().toStdString();
    const Expected<Done> again = UnpackArchive(archive, dest, limits);
    EXPECT_TRUE(again.ok()) << "a second run replaces its own files";

    WriteZip(archive, {File("PAF_FULL.dat", "x")});
    const Expected<Done> refused = UnpackArchive(archive, dest);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.error().number, 0);
}

// Every archive below is refused whole and leaves no trace.
struct Hostile {
    const char* label;
    const char* reason; // part of the logged reason
    std::vector<Entry> entries;
    std::function<void(ZipTest&)> tweak; // after the archive is written
    std::function<void(ArchiveLimits&)> limit;
    bool overwrite = true;
};

// Sets the uncompressed size in both headers of the archive's one member.
std::function<void(ZipTest&)> DeclareSize(quint32 size)
{
    return [size](ZipTest& t) {
        Patch(t.archive, [size](QByteArray& b, qsizetype central) {
            Put32(b, 22, size);
            Put32(b, central + 24, size);
        });
    };
}

void PrintTo(const Hostile& c, std::ostream* os)
{
    *os << c.label;
}

Hostile Case(const char* label, const char* reason, std::vector<Entry> entries,
             std::function<void(ZipTest&)> tweak = {}, std::function<void(ArchiveLimits&)> limit = {},
             bool overwrite = true)
{
    return Hostile{label, reason, std::move(entries), std::move(tweak), std::move(limit), overwrite};
}

class HostileArchiveTest : public ZipTest, public ::testing::WithParamInterface<Hostile> { };

TEST_P(HostileArchiveTest, IsRefusedWithoutTouchingAnything)
{
    const Hostile& c = GetParam();
    WriteZip(archive, c.entries);
    if (c.tweak)
        c.tweak(*this);
    ArchiveLimits limits;
    if (c.limit)
        c.limit(limits);
    const auto before = Snapshot(root.path());

    EXPECT_FALSE(Extract(QStringLiteral("Updating"), c.overwrite, limits));
    EXPECT_EQ(Snapshot(root.path()), before);
    EXPECT_FALSE(QFile::exists(EscapedPath()));
    const QByteArray log = ErrorLog();
    EXPECT_TRUE(log.contains("Could not unpack " + QFile::encodeName(archive) + ": ")) << log.toStdString();
    EXPECT_TRUE(log.contains(c.reason)) << log.toStdString();
    // The operator is told the reason too, not only that an update failed.
    ASSERT_EQ(ui.failures.size(), 1);
    EXPECT_TRUE(ui.failures[0].contains(QString::fromUtf8(c.reason))) << ui.failures[0].toStdString();
    EXPECT_FALSE(ui.archiveWindowOpen);
}

Entry Mode(const char* name, zip_uint32_t mode)
{
    return Entry{name, "/etc/passwd", ZIP_CM_STORE, mode, false};
}

std::vector<Hostile> HostileArchives()
{
    const Entry good = File("good.txt", "fine on its own");
    const QByteArray zeros(8 * 1024 * 1024, '\0');
    const auto lowered = [](auto change) { return std::function<void(ArchiveLimits&)>(change); };
    std::vector<Hostile> cases = {
        Case("ParentFolder", "climbs out", {good, File("../escaped.txt", "x")}),
        Case("ParentFolderInside", "climbs out", {File("sub/../../escaped.txt", "x")}),
        Case("ParentFolderBackslash", "climbs out", {File("..\\escaped.txt", "x")}),
        Case("Absolute", "is absolute", {File(qPrintable(EscapedPath()), "x")}),
        Case("AbsoluteBackslash", "is absolute", {File("\\escaped.txt", "x")}),
        Case("DriveLetter", "drive", {File("C:escaped.txt", "x")}),
        Case("StreamName", "drive or stream", {File("good.txt:stream", "x")}),
        Case("ControlCharacter", "control character", {good, File("bad\x01name.txt", "x")}),
        Case("Delete", "control character", {File("bad\x7fname.txt", "x")}),
        Case("TrailingDot", "unusable component", {File("sub./file.txt", "x")}),
        Case("ProgramFile", "program's files", {good, File("paf_full.DAT", "replaced")}),
        Case("ProgramFileAsFolder", "program's files", {File("Brand.xml/inner.txt", "x")}),
        Case("EnginesCopy", "program's files", {File("PAF_POSTZON.dat-new", "planted")}),
        Case("SymbolicLink", "symbolic link", {good, Mode("link", S_IFLNK | 0777)}),
        Case("Fifo", "neither a plain file", {Mode("fifo", S_IFIFO | 0644)}),
        Case("FolderModeOnAFile", "neither a plain file", {Mode("file", S_IFDIR | 0755)}),
        Case("Duplicate", "twice", {File("a.txt", "1"), File("A.TXT", "2")}),
        Case("FileAndFolder", "both a file and a folder", {File("a", "1"), File("a/b", "2")}),
        Case("TooManyMembers", "3 members", {good, File("b", "1"), File("c", "2")}, {},
             lowered([](ArchiveLimits& l) { l.maxMembers = 2; })),
        Case("TooManyBytes", "more than 10 bytes", {File("a", "12345"), File("b", "678901")}, {},
             lowered([](ArchiveLimits& l) { l.maxTotalBytes = 10; })),
        Case("NoFreeSpace", "less a margin", {good}, {},
             lowered([](ArchiveLimits& l) { l.freeSpaceMargin = qint64(1) << 60; })),
        Case("Bomb", "expands more than 100 times", {File("zeros.dat", zeros, ZIP_CM_DEFLATE)}, {},
             lowered([](ArchiveLimits& l) { l.maxRatio = 100; })),
        Case("ExistingFileKept", "replace an existing file", {File("keep.txt", "replaced")}, {}, {}, false),
        Case("LinkInDestination", "outside the destination", {File("out/escaped.txt", "x")},
             [](ZipTest& t) {
                 QDir().mkpath(t.root.File("outside"));
                 QFile::link(t.root.File("outside"), t.dest + "/out");
             }),
        Case("CrcError", "CRC error", {File("sub/good.txt", "written first"), File("damaged.txt", "damaged data here")},
             [](ZipTest& t) {
                 Patch(t.archive, [](QByteArray& b, qsizetype) { b[b.indexOf("damaged data") + 3] ^= 0x20; });
             }),
        Case("Truncated", "cannot be opened", {good, File("more.txt", QByteArray(4096, 'm'))},
             [](ZipTest& t) { QFile(t.archive).resize(QFileInfo(t.archive).size() / 2); }),
        Case("DeclaredShorterThanItsData", "more than its stated 100 bytes",
             {File("a.txt", QByteArray(5000, 'a'), ZIP_CM_DEFLATE)}, DeclareSize(100)),
        Case("DeclaredLongerThanItsData", "not its stated 6000", {File("a.txt", QByteArray(5000, 'a'), ZIP_CM_DEFLATE)},
             DeclareSize(6000)),
        Case("UnsupportedMethod", "compression method 6", {File("a.txt", "imploded, supposedly")},
             [](ZipTest& t) {
                 Patch(t.archive, [](QByteArray& b, qsizetype central) {
                     b[8] = char(ZIP_CM_IMPLODE);
                     b[central + 10] = char(ZIP_CM_IMPLODE);
                 });
             }),
    };
    if (zip_encryption_method_supported(ZIP_EM_AES_256, 1))
        cases.push_back(
            Case("Encrypted", "encrypted", {good, Entry{"secret.txt", "hidden", ZIP_CM_STORE, std::nullopt, true}}));
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Zip, HostileArchiveTest, ::testing::ValuesIn(HostileArchives()),
                         [](const ::testing::TestParamInfo<Hostile>& info) { return std::string(info.param.label); });

// Where the free space cannot be found (no answer from the file system), the
// archive is unpacked all the same, the activity log says the check was left
// out, and a disk that fills up while writing still leaves nothing behind.
TEST_F(ZipTest, UnknownFreeSpaceLeavesTheCheckOutAndAFullDiskStillLeavesNothing)
{
    ArchiveLimits limits;
    limits.freeSpace = [](const QString&) { return std::optional<qint64>(); };
    WriteZip(archive, {File("UPDATE_F_20070301.dat", "update")});
    ASSERT_TRUE(Extract(QString(), true, limits)) << ErrorLog().toStdString();
    EXPECT_EQ(Read(dest + "/UPDATE_F_20070301.dat"), "update");
    const QByteArray activity = Read(root.File(QStringLiteral("logs/Activity1.log")));
    EXPECT_TRUE(activity.contains("The free space of " + QFile::encodeName(dest) + " is not known"))
        << activity.toStdString();

    // A disk that fills up: the process may not write files larger than 64 KiB.
    WriteZip(archive, {File("small.txt", "fits"), File("large.dat", QByteArray(1024 * 1024, 'x'))});
    const auto before = Snapshot(dest);
    struct rlimit saved { };
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 64 * 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const Expected<Done> full = UnpackArchive(archive, dest, limits);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    ASSERT_FALSE(full.ok());
    EXPECT_TRUE(full.error().description.contains("cannot write")) << full.error().description.toStdString();
    EXPECT_EQ(Snapshot(dest), before);
}

TEST_F(ZipTest, FreeSpaceIsAskedOfTheFileSystemEvenForAPathNotMadeYet)
{
    const std::optional<qint64> here = FreeSpaceAt(dest);
    ASSERT_TRUE(here.has_value());
    EXPECT_GT(*here, 0);
    const std::optional<qint64> below = FreeSpaceAt(dest + "/not/made/yet");
    ASSERT_TRUE(below.has_value());
    // The same file system: within what other writers change meanwhile.
    EXPECT_NEAR(double(*below), double(*here), 256.0 * 1024 * 1024);
    EXPECT_TRUE(FreeSpaceAt(QStringLiteral("relative/not/made")).has_value());
}

TEST_F(ZipTest, RefusesTheDesktopProgramAndAnySelection)
{
    ctx.edition = EditionConfig::Vell();
    WriteZip(archive, {File("postcodevelldesktop.EXE", "not the program")});
    EXPECT_FALSE(Extract());
    WriteZip(archive, {File("a.txt", "a")});
    EXPECT_FALSE(Extract(QStringLiteral("t"), true, {}, QStringLiteral("a.txt")));
    EXPECT_FALSE(QFile::exists(dest + "/a.txt"));
    EXPECT_FALSE(QFile::exists(dest + "/postcodevelldesktop.EXE"));
}

} // namespace
} // namespace pafdm
