#include "support/TextFiles.h"

#include "testsupport/FakeClock.h"
#include "testsupport/QtPrinters.h"
#include "testsupport/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace pafdm {
namespace {

using namespace std::chrono_literals;
using test::FakeClock;
using test::TempDir;

class TextFilesTest : public ::testing::Test {
protected:
    QString Put(const QString& name, const QByteArray& bytes)
    {
        QFile file(dir.File(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return dir.File(name);
    }

    QByteArray Bytes(const QString& name)
    {
        QFile file(dir.File(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    int SleepsOf(std::chrono::milliseconds length) const
    {
        return int(std::count(clock.sleeps.begin(), clock.sleeps.end(), length));
    }

    QStringList Entries() const
    {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    TempDir dir;
    FakeClock clock;
};

TEST_F(TextFilesTest, ReadsWholeFileAsStored)
{
    const QString path = Put("a.txt", "line1\r\nli|ne2\r\n\xc2\xa3");
    EXPECT_EQ(ReadTextFile(clock, path, QString(), false), QStringLiteral("line1\r\nli|ne2\r\n\u00a3"));
    EXPECT_EQ(ReadTextFile(clock, path, QStringLiteral("<bar>"), false),
              QStringLiteral("line1\r\nli<bar>ne2\r\n\u00a3"));
    EXPECT_TRUE(clock.sleeps.empty());
}

TEST_F(TextFilesTest, ReadsEightBitTextThatIsNotUtf8)
{
    const QString path = Put("brand.txt",
                             "Price \xa3"
                             "5");
    EXPECT_EQ(ReadTextFile(clock, path, QString(), false),
              QStringLiteral("Price \u00a3"
                             "5"));
    // Windows-1252, not Latin-1: the euro sign and curly quotes survive; an
    // undefined byte keeps its value.
    const QString windows = Put("brand.xml",
                                "\x80"
                                "5 \x93"
                                "Acme\x94 \x85 caf\xe9 \x81");
    EXPECT_EQ(ReadTextFile(clock, windows, QString(), false),
              QStringLiteral("\u20ac"
                             "5 \u201c"
                             "Acme\u201d \u2026 caf\u00e9 \u0081"));
}

TEST_F(TextFilesTest, MissingFileGivesEmptyAtOnceWithoutRetryWhenMissing)
{
    EXPECT_EQ(ReadTextFile(clock, dir.File("none.txt"), QString(), false), QString());
    EXPECT_TRUE(clock.sleeps.empty());
}

TEST_F(TextFilesTest, MissingFileIsRetried300TimesWhenAsked)
{
    EXPECT_EQ(ReadTextFile(clock, dir.File("none.txt"), QString(), true), QString());
    EXPECT_EQ(clock.sleeps.size(), 300u);
    EXPECT_EQ(SleepsOf(20ms), 300);
}

TEST_F(TextFilesTest, UnreadableFileIsRetried300Times)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("adir"));
    EXPECT_EQ(ReadTextFile(clock, dir.File("adir"), QString(), false), QString());
    EXPECT_EQ(SleepsOf(20ms), 300);
}

TEST_F(TextFilesTest, WriteReplacesExistingFileWithTextAndOneCrLf)
{
    const QString path = Put("out.txt", QByteArray(5000, 'x'));
    ASSERT_TRUE(WriteTextFile(clock, path, QStringLiteral("new \u00a3")));
    EXPECT_EQ(Bytes("out.txt"), QByteArray("new \xc2\xa3\r\n"));
    EXPECT_EQ(Entries(), QStringList{"out.txt"});
    EXPECT_TRUE(clock.sleeps.empty());
}

TEST_F(TextFilesTest, WriteReplacesByRenameSoReadersNeverSeeAPartialFile)
{
    const QString path = Put("out.txt", "old");
    struct stat before { };
    ASSERT_EQ(stat(path.toLocal8Bit().constData(), &before), 0);
    // A reader holding the old file keeps reading the old content.
    QFile reader(path);
    ASSERT_TRUE(reader.open(QIODevice::ReadOnly));
    ASSERT_TRUE(WriteTextFile(clock, path, QStringLiteral("new")));
    struct stat after { };
    ASSERT_EQ(stat(path.toLocal8Bit().constData(), &after), 0);
    EXPECT_NE(before.st_ino, after.st_ino);
    EXPECT_EQ(reader.readAll(), QByteArray("old"));
    EXPECT_EQ(Bytes("out.txt"), QByteArray("new\r\n"));
}

// Makes every write beyond `limit` bytes fail, as a full disk does.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit lowered = m_old;
        lowered.rlim_cur = limit;
        m_ok = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    bool ok() const { return m_ok; }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
    bool m_ok = false;
};

TEST_F(TextFilesTest, FailedWriteKeepsTheOldFileWhole)
{
    const QString path = Put("state.dat", "old content");
    {
        FileSizeLimit limit(4096);
        ASSERT_TRUE(limit.ok());
        EXPECT_FALSE(WriteTextFile(clock, path, QString(100000, QLatin1Char('n'))));
    }
    EXPECT_EQ(Bytes("state.dat"), QByteArray("old content"));
    EXPECT_EQ(Entries(), QStringList{"state.dat"});
    EXPECT_EQ(SleepsOf(20ms), 300);
    EXPECT_EQ(clock.busyPauses, 0);
}

// Something in the way that another program might take away: a folder
// where the file goes.
TEST_F(TextFilesTest, DownloadedFileWriterRetries30TimesWithBusyPauses)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("Definitions.xml"));
    EXPECT_FALSE(WriteDownloadedFile(clock, dir.File("Definitions.xml"), QStringLiteral("x")));
    EXPECT_EQ(clock.busyPauses, 30);
    EXPECT_TRUE(clock.sleeps.empty());
    ASSERT_TRUE(QDir(dir.path()).rmdir("Definitions.xml"));
    ASSERT_TRUE(WriteDownloadedFile(clock, dir.File("Definitions.xml"), QStringLiteral("<d/>")));
    EXPECT_EQ(Bytes("Definitions.xml"), QByteArray("<d/>\r\n"));
}

TEST_F(TextFilesTest, ABlockedWriteGivesUpAfter300Retries)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("out.txt"));
    EXPECT_FALSE(WriteTextFile(clock, dir.File("out.txt"), QStringLiteral("x")));
    EXPECT_EQ(SleepsOf(20ms), 300);
}

// Waiting cannot bring a folder back: the writers and readers give up at once.
TEST_F(TextFilesTest, AMissingOrFalseFolderEndsTheRetriesAtOnce)
{
    EXPECT_FALSE(WriteTextFile(clock, dir.File("missing/out.txt"), QStringLiteral("x")));
    EXPECT_FALSE(WriteDownloadedFile(clock, dir.File("missing/Definitions.xml"), QStringLiteral("x")));
    EXPECT_FALSE(QFileInfo::exists(dir.File("missing")));
    QFile plain(dir.File("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    const Expected<Done> written = WriteEncodedFile(clock, dir.File("plain/s.dat"), QStringLiteral("x"));
    ASSERT_FALSE(written.ok());
    EXPECT_EQ(written.error().number, 75);
    EXPECT_EQ(written.error().description,
              QStringLiteral("Path/File access error: ") + QDir::toNativeSeparators(dir.File("plain/s.dat")));
    const Expected<QString> read = ReadEncodedFile(clock, dir.File("missing/s.dat"));
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.value(), QString());
    EXPECT_TRUE(clock.sleeps.empty());
    EXPECT_EQ(clock.busyPauses, 0);
}

TEST_F(TextFilesTest, EncodedFileRoundTripsTagsAndLineBreaks)
{
    const QString text = QStringLiteral("<Data_UpdateDate_F>20070320</Data_UpdateDate_F>\r\n<x>\u00e9|</x>\r\n");
    EXPECT_EQ(DecodeStoredText(EncodeStoredText(text)), text);
    ASSERT_TRUE(WriteEncodedFile(clock, dir.File("s.dat"), text).ok());
    const Expected<QString> read = ReadEncodedFile(clock, dir.File("s.dat"));
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.value(), text + QStringLiteral("\r\n"));
}

TEST_F(TextFilesTest, EncodedReadOfMissingFileIsEmptyAfterInnerRetriesOnly)
{
    const Expected<QString> read = ReadEncodedFile(clock, dir.File("s.dat"));
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.value(), QString());
    EXPECT_EQ(clock.sleeps.size(), 300u);
}

std::vector<std::chrono::milliseconds> OuterPauses(const std::vector<std::chrono::milliseconds>& sleeps)
{
    std::vector<std::chrono::milliseconds> outer;
    for (const auto pause : sleeps) {
        if (pause != 20ms)
            outer.push_back(pause);
    }
    return outer;
}

const std::vector<std::chrono::milliseconds> kDoublingPauses = {100ms,  200ms,  400ms,   800ms,  1600ms,
                                                                3200ms, 6400ms, 12800ms, 25600ms};

TEST_F(TextFilesTest, EncodedReadOfUnreadableFileFailsAfterNineDoublingPauses)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("s.dat"));
    const Expected<QString> read = ReadEncodedFile(clock, dir.File("s.dat"));
    ASSERT_FALSE(read.ok());
    EXPECT_NE(read.error().number, 0);
    EXPECT_EQ(OuterPauses(clock.sleeps), kDoublingPauses);
    EXPECT_EQ(SleepsOf(20ms), 9 * 300);
}

TEST_F(TextFilesTest, EncodedWriteFailureReachesCallerAfterNineDoublingPauses)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("s.dat"));
    const Expected<Done> written = WriteEncodedFile(clock, dir.File("s.dat"), QStringLiteral("x"));
    ASSERT_FALSE(written.ok());
    EXPECT_EQ(OuterPauses(clock.sleeps), kDoublingPauses);
    EXPECT_EQ(SleepsOf(20ms), 9 * 300);
}

struct ExistsCase {
    const char* name;
    QString pattern;
    bool expected;
};

// Cases print as their names.
void PrintTo(const ExistsCase& c, std::ostream* os)
{
    *os << c.name;
}

class FileExistsTest : public ::testing::TestWithParam<ExistsCase> {
protected:
    void SetUp() override
    {
        for (const char* name : {"Brand.xml", "UPDATE_F_20070320.zip", ".hidden.zip", "a[1].txt"}) {
            QFile file(dir.File(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        ASSERT_TRUE(QDir(dir.path()).mkdir("folder.zip"));
        ASSERT_TRUE(QFile::link(dir.File("nowhere"), dir.File("dangling.lnk")));
        ASSERT_EQ(mkfifo(dir.FileStd("pipe.fifo").c_str(), 0600), 0);
    }

    TempDir dir;
};

TEST_P(FileExistsTest, CountsOrdinaryVisibleFilesOnly)
{
    const Expected<bool> exists = FileExists(dir.File(GetParam().pattern));
    ASSERT_TRUE(exists.ok()) << exists.error().description.toStdString();
    EXPECT_EQ(exists.value(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FileExistsTest,
    ::testing::Values(
        ExistsCase{"ExactName", "Brand.xml", true}, ExistsCase{"ExactNameOtherCase", "brand.xml", false},
        ExistsCase{"Absent", "Missing.xml", false}, ExistsCase{"WildcardIgnoresCase", "UPDATE_*.ZIP", true},
        ExistsCase{"QuestionMark", "UPDATE_?_20070320.zip", true},
        ExistsCase{"QuestionMarkNeedsOneCharacter", "UPDATE_?F_20070320.zip", false},
        ExistsCase{"WildcardNoMatch", "UPDATE_*.rar", false}, ExistsCase{"HiddenByName", ".hidden.zip", false},
        ExistsCase{"HiddenNotMatchedByWildcard", "*hidden*", false}, ExistsCase{"DirectoryByName", "folder.zip", false},
        ExistsCase{"OnlyDirectoryMatches", "folder*", false}, ExistsCase{"DanglingLink", "dangling.lnk", false},
        ExistsCase{"Fifo", "pipe.fifo", false}, ExistsCase{"BracketsAreLiteral", "a[1].*", true},
        ExistsCase{"MissingDirectory", "nodir/Brand.xml", false},
        ExistsCase{"WildcardInMissingDirectory", "nodir/*.zip", false}),
    [](const ::testing::TestParamInfo<ExistsCase>& info) { return std::string(info.param.name); });

TEST(FileExistsErrorTest, EmptyPathIsAnError)
{
    EXPECT_FALSE(FileExists(QString()).ok());
    EXPECT_FALSE(FileExists(QStringLiteral("a") + QChar(0) + QStringLiteral("b")).ok());
}

TEST_F(TextFilesTest, FileSizeInBytesOrMinusOne)
{
    Put("log.log", QByteArray(1234, 'x'));
    EXPECT_EQ(GetFileSizeBytes(dir.File("log.log")), 1234);
    Put("empty.log", QByteArray());
    EXPECT_EQ(GetFileSizeBytes(dir.File("empty.log")), 0);
    EXPECT_EQ(GetFileSizeBytes(dir.File("none.log")), -1);
}

TEST(PauseSecondsTest, SleepsRoundedMilliseconds)
{
    FakeClock clock;
    PauseSeconds(clock, 0.02);
    PauseSeconds(clock, 1.5);
    PauseSeconds(clock, 0.0004);
    PauseSeconds(clock, 0);
    PauseSeconds(clock, -3);
    const std::vector<std::chrono::milliseconds> expected = {20ms, 1500ms, 0ms};
    EXPECT_EQ(clock.sleeps, expected);
}

} // namespace
} // namespace pafdm
