#include "support/Logging.h"

#include "support/AppContext.h"
#include "support/SystemHelpers.h"

#include "testsupport/FakeClock.h"
#include "testsupport/QtPrinters.h"
#include "testsupport/ScriptedOperator.h"
#include "testsupport/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <ostream>

namespace pafdm {
namespace {

using test::FakeClock;
using test::ScriptedOperator;
using test::TempDir;

class LoggingTest : public ::testing::Test {
protected:
    LoggingTest()
        : ctx(EditionConfig::Vell(), op, clock)
    {
        ctx.dataDirectory = dir.path();
        ctx.locale = QLocale(QLocale::English, QLocale::UnitedKingdom);
        ctx.brand.applicationName = QStringLiteral("Postcode Vell");
    }

    QByteArray Bytes(const QString& name) const
    {
        QFile file(dir.File(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The file's one line, split into its fields; fails unless it holds exactly one CR LF-ended line.
    QStringList OnlyLineFields(const QString& name) const
    {
        const QString text = QString::fromUtf8(Bytes(name));
        EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n")));
        EXPECT_EQ(text.count(QStringLiteral("\r\n")), 1);
        EXPECT_EQ(text.count(QLatin1Char('\n')), 1);
        return text.left(text.size() - 2).split(QLatin1Char('\t'));
    }

    void Put(const QString& name, const QByteArray& bytes) const
    {
        QFile file(dir.File(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    TempDir dir;
    ScriptedOperator op;
    FakeClock clock;
    AppContext ctx;
};

TEST_F(LoggingTest, MessageFormErrorLineFieldByField)
{
    ctx.StageMarker = QStringLiteral("Update:Stage 10 unzip date file ");
    LogError(ctx, QStringLiteral("Disk\r\nfull\r\n"), Error{53, QStringLiteral("ignored")},
             {"e1", "e2", "e3", "e4", "text", "e5"});
    const QStringList fields = OnlyLineFields("Error1.log");
    ASSERT_EQ(fields.size(), 13);
    EXPECT_EQ(fields[0], QStringLiteral("20/03/2007 14:05:09 Tue"));
    EXPECT_EQ(fields[1], QStringLiteral("Postcode Vell       "));
    EXPECT_EQ(fields[2], GetComputerNameText());
    EXPECT_EQ(fields[3], GetUserNameText());
    EXPECT_EQ(fields[4], QStringLiteral("Update:Stage 10 unzip date file "));
    EXPECT_EQ(fields[5], QStringLiteral("Message:"));
    EXPECT_EQ(fields[6], QStringLiteral("Disk, full"));
    EXPECT_EQ(fields.mid(7), (QStringList{"e1", "e2", "e3", "e4", "text", "e5"}));
    EXPECT_EQ(op.messages.size(), 0u);
}

TEST_F(LoggingTest, ErrorFormCarriesNumberAndDescriptionWithApostrophe)
{
    ctx.StageMarker = QStringLiteral("Update:UpdateData:Stage 5");
    LogError(ctx, QStringLiteral(" \r\n\t "), Error{53, QStringLiteral("File not found")});
    const QStringList fields = OnlyLineFields("Error1.log");
    ASSERT_EQ(fields.size(), 14);
    EXPECT_EQ(fields[4], QStringLiteral("Update:UpdateData:Stage 5"));
    EXPECT_EQ(fields[5], QStringLiteral("Error:"));
    EXPECT_EQ(fields[6], QStringLiteral("53"));
    EXPECT_EQ(fields[7], QStringLiteral("File not found'"));
    EXPECT_EQ(fields.mid(8), QStringList(6, QString()));
    EXPECT_TRUE(Bytes("Error1.log").endsWith("File not found'\t\t\t\t\t\t\r\n"));
}

TEST_F(LoggingTest, MultiLineDescriptionStaysOnOneLine)
{
    LogError(ctx, QString(), Error{3021, QStringLiteral("Either BOF\r\nor EOF\tis True")});
    const QStringList fields = OnlyLineFields("Error1.log");
    ASSERT_EQ(fields.size(), 14);
    EXPECT_EQ(fields[7], QStringLiteral("Either BOF, or EOF is True'"));
}

TEST_F(LoggingTest, ActivityLineHasNoStageMarkerAndTenExtras)
{
    ctx.StageMarker = QStringLiteral("not written");
    LogActivity(ctx, QStringLiteral("Data files contains 42 records"), {"x1"});
    const QStringList fields = OnlyLineFields("Activity1.log");
    ASSERT_EQ(fields.size(), 15);
    EXPECT_EQ(fields[0], QStringLiteral("20/03/2007 14:05:09 Tue"));
    EXPECT_EQ(fields[1], QStringLiteral("Postcode Vell       "));
    EXPECT_EQ(fields[4], QStringLiteral("Data files contains 42 records"));
    EXPECT_EQ(fields[5], QStringLiteral("x1"));
    EXPECT_EQ(fields.mid(6), QStringList(9, QString()));
    EXPECT_FALSE(QFileInfo::exists(dir.File("Error1.log")));
}

struct NameCase {
    const char* name;
    QString applicationName;
    QString field;
};

// Cases print as their names.
void PrintTo(const NameCase& c, std::ostream* os)
{
    *os << c.name;
}

class LogApplicationNameTest : public LoggingTest, public ::testing::WithParamInterface<NameCase> { };

TEST_P(LogApplicationNameTest, PaddedOrCutToTwenty)
{
    ctx.brand.applicationName = GetParam().applicationName;
    LogActivity(ctx, QStringLiteral("m"));
    EXPECT_EQ(OnlyLineFields("Activity1.log")[1], GetParam().field);
}

INSTANTIATE_TEST_SUITE_P(Cases, LogApplicationNameTest,
                         ::testing::Values(NameCase{"Short", "Quorly Postcode", "Quorly Postcode     "},
                                           NameCase{"Long", "A very long product name here", "A very long product "},
                                           NameCase{"Empty", "", QString(20, QLatin1Char(' '))},
                                           NameCase{"Exact", "12345678901234567890", "12345678901234567890"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct DateTextCase {
    const char* name;
    QLocale locale;
    QTime time;
    QString expected;
};

// Cases print as their names.
void PrintTo(const DateTextCase& c, std::ostream* os)
{
    *os << c.name;
}

class LogDateTextTest : public ::testing::TestWithParam<DateTextCase> { };

TEST_P(LogDateTextTest, GeneralDateAndWeekday)
{
    const DateTextCase& c = GetParam();
    EXPECT_EQ(LogDateText(QDateTime(QDate(2007, 3, 20), c.time), c.locale), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LogDateTextTest,
    ::testing::Values(DateTextCase{"British", QLocale(QLocale::English, QLocale::UnitedKingdom), QTime(14, 5, 9),
                                   "20/03/2007 14:05:09 Tue"},
                      DateTextCase{"American", QLocale(QLocale::English, QLocale::UnitedStates), QTime(14, 5, 9),
                                   "3/20/07 2:05:09 PM Tue"},
                      DateTextCase{"German", QLocale(QLocale::German, QLocale::Germany), QTime(9, 0, 1),
                                   "20.03.07 09:00:01 Di."},
                      DateTextCase{"MidnightHasNoTime", QLocale(QLocale::English, QLocale::UnitedKingdom),
                                   QTime(0, 0, 0), "20/03/2007 Tue"},
                      DateTextCase{"OneSecondPastMidnight", QLocale(QLocale::English, QLocale::UnitedKingdom),
                                   QTime(0, 0, 1), "20/03/2007 00:00:01 Tue"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LogDateTextZoneTest, NoTimeZoneWhateverTheLocale)
{
    const QDateTime when(QDate(2007, 3, 20), QTime(14, 5, 9));
    for (const QLocale& locale : {QLocale(QLocale::Persian, QLocale::Iran), QLocale(QLocale::Chinese, QLocale::China),
                                  QLocale(QLocale::Bulgarian, QLocale::Bulgaria), QLocale::c()}) {
        const QString text = LogDateText(when, locale);
        EXPECT_FALSE(text.contains(QStringLiteral("UTC"))) << text.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("()"))) << text.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("  "))) << text.toStdString();
        EXPECT_FALSE(text.startsWith(QLatin1Char(' '))) << text.toStdString();
    }
}

struct CleanCase {
    const char* name;
    QString text;
    QString expected;
};

// Cases print as their names.
void PrintTo(const CleanCase& c, std::ostream* os)
{
    *os << c.name;
}

class CleanLogTextTest : public ::testing::TestWithParam<CleanCase> { };

TEST_P(CleanLogTextTest, OneLine)
{
    EXPECT_EQ(CleanLogText(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CleanLogTextTest,
    ::testing::Values(CleanCase{"TwoLines", "first\r\nsecond\r\n", "first, second"},
                      CleanCase{"BareCarriageReturn", "a\rb", "a,b"}, CleanCase{"BareLineFeed", "a\nb", "a b"},
                      CleanCase{"TabsAndControls",
                                "a\tb\x01"
                                "c",
                                "a b c"},
                      CleanCase{"BlankLine", "a\r\n\r\nb", "a, , b"}, CleanCase{"OuterSpaces", "  x  ", "x"},
                      CleanCase{"TrailingComma", "x,  ", "x"}, CleanCase{"OnlyOneCommaDropped", "x,,", "x,"},
                      CleanCase{"LeadingLineBreak", "\r\nabc", ", abc"},
                      CleanCase{"OnlyBlanksAndBreaks", " \r\n \t\r\n", ""}, CleanCase{"Empty", "", ""},
                      CleanCase{"KeepsNonAscii", "\u00a3 5", "\u00a3 5"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TrimRightControlTest, DropsTrailingCodesUpTo32)
{
    EXPECT_EQ(TrimRightControl(QStringLiteral("abc \t\r\n")), QStringLiteral("abc"));
    EXPECT_EQ(TrimRightControl(QStringLiteral(" a")), QStringLiteral(" a"));
    EXPECT_EQ(TrimRightControl(QStringLiteral(" \x01\x1f")), QString());
    EXPECT_EQ(TrimRightControl(QString()), QString());
    EXPECT_EQ(TrimRightControl(QStringLiteral("a\u00a0")), QStringLiteral("a\u00a0"));
    EXPECT_EQ(TrimRightControl(QStringLiteral("a") + QChar(0)), QStringLiteral("a"));
}

// RotateLog with the first `present` generations on disk.
class RotateLogTest : public LoggingTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override
    {
        for (int g = 1; g <= GetParam(); ++g)
            Put(QStringLiteral("Error%1.log").arg(g), QByteArray("generation ") + QByteArray::number(g));
    }
};

TEST_P(RotateLogTest, ShiftsEveryGenerationAndDropsTheFifth)
{
    const int present = GetParam();
    Put("Temp.log", "stale");
    RotateLog(dir.path(), QStringLiteral("Error"), 5);
    EXPECT_FALSE(QFileInfo::exists(dir.File("Error1.log")));
    EXPECT_FALSE(QFileInfo::exists(dir.File("Temp.log")));
    for (int g = 2; g <= 5; ++g) {
        const QString name = QStringLiteral("Error%1.log").arg(g);
        if (g - 1 <= present)
            EXPECT_EQ(Bytes(name), QByteArray("generation ") + QByteArray::number(g - 1)) << g;
        else
            EXPECT_FALSE(QFileInfo::exists(dir.File(name))) << g;
    }
}

TEST_P(RotateLogTest, NextLineGoesIntoAFreshFirstFile)
{
    RotateLog(dir.path(), QStringLiteral("Error"), 5);
    LogError(ctx, QStringLiteral("after"), {});
    EXPECT_EQ(OnlyLineFields("Error1.log")[6], QStringLiteral("after"));
    EXPECT_EQ(Bytes("Error2.log"), QByteArray("generation 1"));
}

TEST_P(RotateLogTest, NothingMovesAtOrBelowTheLimit)
{
    RotateLog(dir.path(), QStringLiteral("Error"), 12);
    for (int g = 1; g <= GetParam(); ++g)
        EXPECT_EQ(Bytes(QStringLiteral("Error%1.log").arg(g)), QByteArray("generation ") + QByteArray::number(g));
}

INSTANTIATE_TEST_SUITE_P(Present, RotateLogTest, ::testing::Range(1, 6));

TEST_F(LoggingTest, NoCurrentFileNoRotation)
{
    Put("Error2.log", "two");
    RotateLog(dir.path(), QStringLiteral("Error"), 0);
    EXPECT_EQ(Bytes("Error2.log"), QByteArray("two"));
    EXPECT_FALSE(QFileInfo::exists(dir.File("Error3.log")));
}

TEST_F(LoggingTest, MillionAndOneBytesRotateBeforeTheLine)
{
    Put("Error1.log", QByteArray(kLogSizeLimit + 1, 'x'));
    LogError(ctx, QStringLiteral("new"));
    EXPECT_EQ(QFileInfo(dir.File("Error2.log")).size(), kLogSizeLimit + 1);
    EXPECT_EQ(OnlyLineFields("Error1.log")[6], QStringLiteral("new"));
}

TEST_F(LoggingTest, ExactlyAMillionBytesAreAppendedTo)
{
    Put("Activity1.log", QByteArray(kLogSizeLimit, 'x'));
    LogActivity(ctx, QStringLiteral("new"));
    EXPECT_FALSE(QFileInfo::exists(dir.File("Activity2.log")));
    const QByteArray bytes = Bytes("Activity1.log");
    EXPECT_GT(bytes.size(), kLogSizeLimit);
    EXPECT_TRUE(bytes.endsWith("\tnew\t\t\t\t\t\t\t\t\t\t\r\n"));
}

TEST_F(LoggingTest, MissingDataDirectoryIsRetried30TimesThenDropped)
{
    ctx.dataDirectory = dir.File("gone");
    LogError(ctx, QStringLiteral("lost"));
    EXPECT_EQ(clock.busyPauses, 30);
    LogActivity(ctx, QStringLiteral("lost"));
    EXPECT_EQ(clock.busyPauses, 60);
    EXPECT_TRUE(clock.sleeps.empty());
    EXPECT_FALSE(QFileInfo::exists(dir.File("gone")));
    EXPECT_TRUE(op.messages.empty());
}

} // namespace
} // namespace pafdm
