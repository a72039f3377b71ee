// Stored text and the text forms of values the inspection tool prints.
#include "table/Text.h"

#include <jet/Diagnostics.h>

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

std::vector<uint8_t> Hex(std::initializer_list<int> bytes)
{
    std::vector<uint8_t> out;
    for (int b : bytes)
        out.push_back(static_cast<uint8_t>(b));
    return out;
}

struct DecodeCase {
    std::vector<uint8_t> stored;
    std::u16string text;
};

void PrintTo(const DecodeCase& c, std::ostream* os)
{
    *os << jet::Utf16ToUtf8(c.text);
}

class DecodeTextTest : public ::testing::TestWithParam<DecodeCase> { };

TEST_P(DecodeTextTest, Decodes)
{
    EXPECT_EQ(jet::DecodeText(GetParam().stored), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DecodeTextTest,
    ::testing::Values(DecodeCase{Hex({0x61, 0x00, 0x62, 0x00}), u"ab"},
                      DecodeCase{Hex({0xFF, 0xFE, 0x61, 0x62, 0x63}), u"abc"},
                      // a toggle into two-byte mode for a CJK character
                      DecodeCase{Hex({0xFF, 0xFE, 0x63, 0x61, 0x66, 0xE9, 0x00, 0x2D, 0x4E}), u"caf\u00e9\u4e2d"},
                      // and back to one-byte mode
                      DecodeCase{Hex({0xFF, 0xFE, 0x00, 0x2D, 0x4E, 0x00, 0x41}), u"\u4e2dA"},
                      DecodeCase{Hex({0xFF, 0xFE}), u""}, DecodeCase{Hex({}), u""},
                      // a dangling byte ends the value
                      DecodeCase{Hex({0x61, 0x00, 0x62}), u"a"}, DecodeCase{Hex({0xFF, 0xFE, 0x00, 0x41}), u""}));

// Comparing stored text in place agrees with decoding it first, for plain
// and compressed forms, odd lengths and mode toggles included.
TEST(StoredTextEqualsTest, AgreesWithDecodeText)
{
    std::mt19937 random(5);
    const uint8_t alphabet[] = {0x00, 0x41, 0x42, 0xE9, 0xFE, 0xFF, 0x4E, 0x2D};
    int equal = 0;
    for (int round = 0; round < 20000; ++round) {
        std::vector<uint8_t> stored;
        if (random() % 2 == 0) {
            stored = {0xFF, 0xFE};
        }
        for (size_t n = random() % 12; n > 0; --n)
            stored.push_back(alphabet[random() % std::size(alphabet)]);
        const std::u16string decoded = jet::DecodeText(stored);
        std::u16string text = decoded;
        switch (random() % 4) {
        case 0: break;
        case 1:
            if (!text.empty())
                text.back() = static_cast<char16_t>(text.back() ^ 1);
            break;
        case 2: text.push_back(u'A'); break;
        default:
            if (!text.empty())
                text.pop_back();
            break;
        }
        ASSERT_EQ(jet::StoredTextEquals(stored, text), decoded == text) << "round " << round;
        equal += decoded == text ? 1 : 0;
    }
    EXPECT_GT(equal, 4000);
    EXPECT_TRUE(jet::StoredTextEquals(Hex({0xFF, 0xFE, 0x63, 0x61, 0x66, 0xE9, 0x00, 0x2D, 0x4E}), u"caf\u00e9\u4e2d"));
    EXPECT_FALSE(jet::StoredTextEquals(Hex({0x61, 0x00, 0x62}), u"ab"));
}

struct EncodeCase {
    std::u16string text;
    bool compress;
    std::vector<uint8_t> stored;
};

void PrintTo(const EncodeCase& c, std::ostream* os)
{
    *os << jet::Utf16ToUtf8(c.text) << (c.compress ? " (compressed)" : "");
}

class EncodeTextTest : public ::testing::TestWithParam<EncodeCase> { };

TEST_P(EncodeTextTest, EncodesAndReadsBack)
{
    const auto stored = jet::EncodeText(GetParam().text, GetParam().compress);
    EXPECT_EQ(stored, GetParam().stored);
    EXPECT_EQ(jet::DecodeText(stored), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EncodeTextTest,
    ::testing::Values(EncodeCase{u"abc", true, Hex({0xFF, 0xFE, 0x61, 0x62, 0x63})},
                      EncodeCase{u"abc", false, Hex({0x61, 0, 0x62, 0, 0x63, 0})},
                      EncodeCase{u"ab", true, Hex({0x61, 0, 0x62, 0})},
                      EncodeCase{u"\u00e9t\u00e9", true, Hex({0xFF, 0xFE, 0xE9, 0x74, 0xE9})},
                      EncodeCase{u"a\u0177c", true, Hex({0x61, 0, 0x77, 0x01, 0x63, 0})},
                      EncodeCase{std::u16string(u"a\u0000c", 3), true, Hex({0x61, 0, 0, 0, 0x63, 0})},
                      // a leading byte-order mark would read back as the compression marker
                      EncodeCase{u"\ufeffab", false, Hex({0xFF, 0xFE, 0x00, 0xFF, 0xFE, 0x61, 0x00, 0x62, 0x00})}));

TEST(EncodeTextTest, RefusesTextNoStoredFormCanHold)
{
    EXPECT_TRUE(jet::EncodeText(u"\ufeff\u0100", true).empty());
    EXPECT_TRUE(jet::EncodeText(u"\ufeff\u4e00x", false).empty());
}

struct DateCase {
    double days;
    const char* text;
};

void PrintTo(const DateCase& c, std::ostream* os)
{
    *os << c.text;
}

class FormatDateTimeTest : public ::testing::TestWithParam<DateCase> { };

TEST_P(FormatDateTimeTest, Formats)
{
    EXPECT_EQ(jet::FormatDateTime(jet::DateTime{GetParam().days}), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cases, FormatDateTimeTest,
                         ::testing::Values(DateCase{0.0, "1899-12-30T00:00:00"},
                                           DateCase{27293.0, "1974-09-21T00:00:00"},
                                           DateCase{39114.385416666664, "2007-02-01T09:15:00"},
                                           DateCase{2.5, "1900-01-01T12:00:00"},
                                           // before 1899-12-30 the fraction is still the time of day
                                           DateCase{-1.25, "1899-12-29T06:00:00"},
                                           DateCase{36526.0 + 0.5 / 86400.0, "2000-01-01T00:00:00.500"},
                                           DateCase{36526.0 + 86399.9996 / 86400.0, "2000-01-02T00:00:00"},
                                           DateCase{60.0, "1900-02-28T00:00:00"}, DateCase{61.0, "1900-03-01T00:00:00"},
                                           DateCase{2958465.0, "9999-12-31T00:00:00"}));

TEST(FormatDateTimeTest, OutOfRangeFallsBackToTheNumber)
{
    EXPECT_EQ(jet::FormatDateTime(jet::DateTime{1e12}), "1e+12");
    EXPECT_EQ(jet::FormatDateTime(jet::DateTime{NAN}), "nan");
}

struct JsonCase {
    jet::Value value;
    const char* json;
};

void PrintTo(const JsonCase& c, std::ostream* os)
{
    *os << c.json;
}

class ValueToJsonTest : public ::testing::TestWithParam<JsonCase> { };

TEST_P(ValueToJsonTest, Formats)
{
    EXPECT_EQ(jet::ValueToJson(GetParam().value), GetParam().json);
}

jet::Decimal MakeDecimal(uint32_t low, bool negative, uint8_t scale, uint32_t mid = 0, uint32_t high = 0)
{
    jet::Decimal d;
    d.magnitude = {low, mid, high};
    d.negative = negative;
    d.scale = scale;
    return d;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ValueToJsonTest,
    ::testing::Values(JsonCase{jet::Value(), "null"}, JsonCase{jet::Value(true), "true"},
                      JsonCase{jet::Value(static_cast<uint8_t>(255)), "255"},
                      JsonCase{jet::Value(static_cast<int16_t>(-32768)), "-32768"},
                      JsonCase{jet::Value(static_cast<int32_t>(-2147483647 - 1)), "-2147483648"},
                      JsonCase{jet::Value(0.1), "0.1"}, JsonCase{jet::Value(-2.279846), "-2.279846"},
                      JsonCase{jet::Value(1e300), "1e+300"}, JsonCase{jet::Value(0.1f), "0.1"},
                      JsonCase{jet::Value(static_cast<float>(1.0 / 3.0)), "0.33333334"},
                      JsonCase{jet::Value(jet::Currency{35000}), "\"3.5000\""},
                      JsonCase{jet::Value(jet::Currency{-1}), "\"-0.0001\""},
                      JsonCase{jet::Value(jet::Currency{INT64_MIN}), "\"-922337203685477.5808\""},
                      JsonCase{jet::Value(MakeDecimal(1, true, 0)), "\"-1\""},
                      JsonCase{jet::Value(MakeDecimal(12345, false, 3)), "\"12.345\""},
                      JsonCase{jet::Value(MakeDecimal(5, false, 4)), "\"0.0005\""},
                      JsonCase{jet::Value(MakeDecimal(0, true, 2)), "\"0.00\""},
                      JsonCase{jet::Value(MakeDecimal(0xFFFFFFFF, false, 0, 0xFFFFFFFF, 0xFFFFFFFF)),
                               "\"79228162514264337593543950335\""},
                      JsonCase{jet::Value(jet::DateTime{27293.0}), "\"1974-09-21T00:00:00\""},
                      JsonCase{jet::Value::FromUtf8("a\"b\\c\r\n\t\x01\xc3\xa9"),
                               "\"a\\\"b\\\\c\\r\\n\\t\\u0001\xc3\xa9\""},
                      JsonCase{jet::Value(jet::Bytes{}), "\"\""}, JsonCase{jet::Value(jet::Bytes{'M'}), "\"TQ==\""},
                      JsonCase{jet::Value(jet::Bytes{'M', 'a'}), "\"TWE=\""},
                      JsonCase{jet::Value(jet::Bytes{'M', 'a', 'n'}), "\"TWFu\""},
                      JsonCase{jet::Value(jet::Guid{{4, 3, 2, 1, 6, 5, 8, 7, 9, 10, 11, 12, 13, 14, 15, 16}}),
                               "\"{01020304-0506-0708-090A-0B0C0D0E0F10}\""}));

} // namespace
