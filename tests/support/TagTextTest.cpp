#include "support/TagText.h"

#include "testsupport/QtPrinters.h"

#include <gtest/gtest.h>

#include <ostream>

namespace pafdm {
namespace {

struct TagCase {
    const char* name;
    QString start;
    QString source;
    QString end;
    QString expected;
};

// Cases print as their names.
void PrintTo(const TagCase& c, std::ostream* os)
{
    *os << c.name;
}

class GetTagValueTest : public ::testing::TestWithParam<TagCase> { };

TEST_P(GetTagValueTest, ExtractsValue)
{
    const TagCase& c = GetParam();
    const QString source = c.source;
    EXPECT_EQ(GetTagValue(c.start, c.source, c.end), c.expected);
    EXPECT_EQ(c.source, source);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GetTagValueTest,
    ::testing::Values(TagCase{"FirstOfTwo", "<a>", "<a>1</a><a>2</a>", "</a>", "1"},
                      TagCase{"CaseDiffers", "<eMail>", "<email>x@y</email>", "</eMail>", ""},
                      TagCase{"NoEndMarker", "<a>", "<a>open", "</a>", "open"},
                      TagCase{"EmptySource", "<a>", "", "</a>", ""}, TagCase{"Absent", "<b>", "<a>1</a>", "</b>", ""},
                      TagCase{"EmptyValue", "<a>", "<a></a>", "</a>", ""},
                      TagCase{"KeepsBlanksAndBreaks", "<a>", "x<a> one\r\n two \t</a>y", "</a>", " one\r\n two \t"},
                      TagCase{"NoEntityDecoding", "<a>", "<a>&amp;&lt;</a>", "</a>", "&amp;&lt;"},
                      TagCase{"NestedElementKept", "<a>", "<a><b>1</b></a>", "</a>", "<b>1</b>"},
                      // The end marker is searched only after the start marker.
                      TagCase{"EndBeforeStart", "<a>", "</a>junk<a>v</a>", "</a>", "v"},
                      TagCase{"StartMarkerAtEnd", "<a>", "text<a>", "</a>", ""},
                      TagCase{"UnicodeValue", "<p>", QStringLiteral("<p>Caf\u00e9 \u00a3</p>"), "</p>",
                              QStringLiteral("Caf\u00e9 \u00a3")}),
    [](const ::testing::TestParamInfo<TagCase>& info) { return std::string(info.param.name); });

struct FieldCase {
    const char* name;
    QString source;
    QString separator;
    bool consume;
    QString field;
    QString rest;
};

// Cases print as their names.
void PrintTo(const FieldCase& c, std::ostream* os)
{
    *os << c.name;
}

class NextFieldTest : public ::testing::TestWithParam<FieldCase> { };

TEST_P(NextFieldTest, SplitsAtFirstSeparator)
{
    const FieldCase& c = GetParam();
    QString source = c.source;
    EXPECT_EQ(NextField(source, c.consume, c.separator), c.field);
    EXPECT_EQ(source, c.rest);
}

INSTANTIATE_TEST_SUITE_P(Cases, NextFieldTest,
                         ::testing::Values(FieldCase{"Consume", "a;b;c", ";", true, "a", "b;c"},
                                           FieldCase{"Keep", "a;b;c", ";", false, "a", "a;b;c"},
                                           FieldCase{"NoSeparator", "abc", ";", true, "", "abc"},
                                           FieldCase{"LeadingSeparator", ";x", ";", true, "", "x"},
                                           FieldCase{"TrailingSeparator", "x;", ";", true, "x", ""},
                                           FieldCase{"EmptySource", "", ";", true, "", ""},
                                           FieldCase{"EmptySeparator", "abc", "", true, "", "abc"},
                                           // Consumption skips one character: the tail of a longer separator stays.
                                           FieldCase{"LongSeparator", "a, b", ", ", true, "a", " b"}),
                         [](const ::testing::TestParamInfo<FieldCase>& info) { return std::string(info.param.name); });

class LastFieldTest : public ::testing::TestWithParam<FieldCase> { };

TEST_P(LastFieldTest, SplitsAtLastSeparator)
{
    const FieldCase& c = GetParam();
    QString source = c.source;
    EXPECT_EQ(LastField(source, c.separator.at(0), c.consume), c.field);
    EXPECT_EQ(source, c.rest);
}

INSTANTIATE_TEST_SUITE_P(Cases, LastFieldTest,
                         ::testing::Values(FieldCase{"Consume", "x/y/file.zip", "/", true, "file.zip", "x/y"},
                                           FieldCase{"Keep", "x/y/file.zip", "/", false, "file.zip", "x/y/file.zip"},
                                           FieldCase{"NoSeparator", "file.zip", "/", true, "file.zip", "file.zip"},
                                           FieldCase{"TrailingSeparator", "x/y/", "/", true, "", "x/y"},
                                           FieldCase{"LeadingOnly", "/f", "/", true, "f", ""},
                                           FieldCase{"EmptySource", "", "/", true, "", ""}),
                         [](const ::testing::TestParamInfo<FieldCase>& info) { return std::string(info.param.name); });

TEST(CountOccurrencesTest, CountsOverlappingAndExactMatches)
{
    EXPECT_EQ(CountOccurrences(QStringLiteral("aaaa"), QStringLiteral("aa")), 3);
    EXPECT_EQ(CountOccurrences(QStringLiteral("a;b;c"), QStringLiteral(";")), 2);
    EXPECT_EQ(CountOccurrences(QStringLiteral("ABab"), QStringLiteral("ab")), 1);
    EXPECT_EQ(CountOccurrences(QStringLiteral("abc"), QStringLiteral("abcd")), 0);
    EXPECT_EQ(CountOccurrences(QString(), QStringLiteral("a")), 0);
    EXPECT_EQ(CountOccurrences(QStringLiteral("abc"), QString()), 0);
}

TEST(PadRightTest, CutsOrPads)
{
    EXPECT_EQ(PadRight(QStringLiteral("Postcode"), 20, QStringLiteral(" ")),
              QStringLiteral("Postcode") + QString(12, QLatin1Char(' ')));
    EXPECT_EQ(PadRight(QStringLiteral("abcdefghijklmnopqrstuvwxy"), 20, QStringLiteral(" ")),
              QStringLiteral("abcdefghijklmnopqrst"));
    EXPECT_EQ(PadRight(QString(), 3, QStringLiteral(".")), QStringLiteral("..."));
    EXPECT_EQ(PadRight(QStringLiteral("abc"), 0, QStringLiteral(" ")), QString());
    EXPECT_EQ(PadRight(QStringLiteral("abc"), -5, QStringLiteral(" ")), QString());
    // The pad goes in once per missing character, whatever its length.
    EXPECT_EQ(PadRight(QStringLiteral("a"), 3, QStringLiteral("xy")), QStringLiteral("axyxy"));
}

struct DateCase {
    const char* name;
    QString text;
    QDateTime expected;
};

// Cases print as their names.
void PrintTo(const DateCase& c, std::ostream* os)
{
    *os << c.name;
}

class DateFromYmdTest : public ::testing::TestWithParam<DateCase> { };

TEST_P(DateFromYmdTest, Converts)
{
    const QDateTime result = DateFromYmd(GetParam().text);
    EXPECT_EQ(result, GetParam().expected) << result.toString(Qt::ISODate).toStdString();
    EXPECT_EQ(result.timeSpec(), Qt::LocalTime);
}

QDateTime At(int y, int m, int d, int seconds = 0)
{
    return QDateTime(QDate(y, m, d), QTime(0, 0, 0)).addSecs(seconds);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DateFromYmdTest,
    ::testing::Values(
        DateCase{"Ordinary", "20070320", At(2007, 3, 20)}, DateCase{"LeapDay", "20080229", At(2008, 2, 29)},
        DateCase{"NotLeapDay", "20070229", At(1899, 12, 30)}, DateCase{"LongerText", "20070320.zip", At(2007, 3, 20)},
        DateCase{"SevenCharacters", "2007032", At(2007, 3, 2)}, DateCase{"NoDay", "200703", At(1899, 12, 30)},
        DateCase{"Empty", "", At(1899, 12, 30)}, DateCase{"Blank", " ", At(1899, 12, 30, 45)},
        DateCase{"LeadingBlank", " 0070320", At(1899, 12, 30, 45)},
        DateCase{"LeadingTab", "\t20070320", At(1899, 12, 30, 45)}, DateCase{"Letters", "abcdefgh", At(1899, 12, 30)},
        DateCase{"MonthThirteen", "20071320", At(1899, 12, 30)},
        // Never read month-first: 13 cannot be a month, so this is no date.
        DateCase{"DayMonthSwapped", "20072013", At(1899, 12, 30)}, DateCase{"DayZero", "20070300", At(1899, 12, 30)},
        DateCase{"Signs", "2007+3-1", At(1899, 12, 30)}, DateCase{"InnerBlank", "2007 320", At(2007, 3, 20)},
        DateCase{"TinyYear", "00070320", At(1899, 12, 30)}, DateCase{"LastDay", "99991231", At(9999, 12, 31)}),
    [](const ::testing::TestParamInfo<DateCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace pafdm
