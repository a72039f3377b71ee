#include "index/GeneralSortOrder.h"

#include "helpers/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace jet {
namespace {

std::vector<uint8_t> Hex(const std::string& text)
{
    std::vector<uint8_t> out;
    std::istringstream in(text);
    std::string byte;
    while (in >> byte)
        out.push_back(static_cast<uint8_t>(std::stoul(byte, nullptr, 16)));
    return out;
}

std::vector<uint8_t> TextKey(std::u16string_view text, bool ascending = true)
{
    std::vector<uint8_t> out;
    const Status s = AppendGeneralLegacyTextKey(text, ascending, out);
    EXPECT_TRUE(s.ok()) << s.ToString();
    return out;
}

struct Example {
    const char* name;
    std::u16string text;
    bool ascending;
    const char* key;
};

void PrintTo(const Example& c, std::ostream* os)
{
    *os << c.name;
}

class GeneralSortExampleTest : public testing::TestWithParam<Example> { };

TEST_P(GeneralSortExampleTest, EncodesLikeTheEngine)
{
    EXPECT_EQ(TextKey(GetParam().text, GetParam().ascending), Hex(GetParam().key));
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, GeneralSortExampleTest,
    testing::Values(Example{"lower", u"a", true, "7F 4A 01 00"}, Example{"upper", u"A", true, "7F 4A 01 00"},
                    Example{"word", u"abcdefg", true, "7F 4A 4C 4D 4F 51 53 55 01 00"},
                    Example{"trailingSpaces", u"AB  ", true, "7F 4A 4C 01 00"},
                    Example{"innerSpace", u"A B", true, "7F 4A 07 4C 01 00"},
                    Example{"stJohn", u"ST. JOHN", true, "7F 6B 6D 1C 07 5B 64 57 62 01 00"},
                    Example{"street", u"12 HIGH STREET", true, "7F 38 3A 07 57 59 55 57 07 6B 6D 69 51 51 6D 01 00"},
                    Example{"apostrophe", u"O'BRIEN", true, "7F 64 4C 69 59 51 62 01 01 01 01 80 0B 06 80 00"},
                    Example{"hyphen", u"SMITH-JONES", true,
                            "7F 6B 60 59 6D 57 5B 64 62 51 6B 01 01 01 01 80 1B 06 82 00"},
                    Example{"acute", u"Caf\u00E9", true, "7F 4D 4A 53 51 01 02 02 02 0E 00"},
                    Example{"umlaut", u"M\u00DCNCHEN", true, "7F 60 6F 62 4D 57 51 62 01 02 13 00"},
                    Example{"sharpS", u"\u00DF", true, "7F 6B 6B 01 00"},
                    Example{"descending", u"A", false, "80 B5 FE FF 00"}, Example{"empty", u"", true, "7F 01 00"},
                    Example{"onlySpace", u" ", true, "7F 01 00"},
                    Example{"emptyDescending", u"", false, "80 FE FF 00"}),
    [](const testing::TestParamInfo<Example>& info) { return std::string(info.param.name); });

TEST(GeneralSortOrderTest, CountsOnlyTheFirst255CodeUnits)
{
    const std::u16string longText(255, u'x');
    EXPECT_EQ(TextKey(longText + u"YZ"), TextKey(longText));
    EXPECT_NE(TextKey(std::u16string(254, u'x') + u"Y"), TextKey(longText));
}

TEST(GeneralSortOrderTest, OrdersCaseInsensitivelyAndAccentsAfterBaseLetters)
{
    EXPECT_EQ(TextKey(u"Smith"), TextKey(u"SMITH"));
    EXPECT_LT(TextKey(u"resume"), TextKey(u"r\u00E9sum\u00E9"));
    EXPECT_LT(TextKey(u"r\u00E9sum\u00E9"), TextKey(u"resumes"));
    EXPECT_LT(TextKey(u"AB1 2CD"), TextKey(u"AB12 3CD"));
    EXPECT_LT(TextKey(u"OBRIEN"), TextKey(u"O'BRIEN"));
}

// Characters beyond the Basic Multilingual Plane: each half of the pair has a
// two-byte weight and the secondary code 3F, as in the emoji keys Access
// writes. U+1F3CA is D83C DFCA, U+1F600 is D83D DE00, U+1004D is D800 DC4D.
TEST(GeneralSortOrderTest, KeysSurrogatePairsHalfByHalf)
{
    EXPECT_EQ(TextKey(u"\xD83C\xDFCA"), Hex("7F B0 3E B8 CA 01 3F 3F 00"));
    EXPECT_EQ(TextKey(u"A\xD83D\xDE00"), Hex("7F 4A B0 3F B6 FC 01 02 3F 3F 00"));
    EXPECT_EQ(TextKey(u"\xD800\xDC4D"), Hex("7F B0 02 B5 47 01 3F 3F 00"));
    EXPECT_EQ(TextKey(u"\xD83C\xDFCA", false), Hex("80 4F C1 47 35 FE C0 C0 FF 00"));
    // The weight of a low half drops by two at 8, 262, 516 and 770 units into its block.
    EXPECT_EQ(TextKey(u"\xD800\xDC07"), Hex("7F B0 02 B4 FF 01 3F 3F 00"));
    EXPECT_EQ(TextKey(u"\xD800\xDC08"), Hex("7F B0 02 B5 02 01 3F 3F 00"));
    EXPECT_EQ(TextKey(u"\xDBFF\xDFFF"), Hex("7F B4 01 B8 FF 01 3F 3F 00"));
    // Pairs sort after every character of the plane's own table, and in code point order.
    EXPECT_LT(TextKey(u"\uFFFD"), TextKey(u"\xD800\xDC00"));
    EXPECT_LT(TextKey(u"\xD83C\xDFCA"), TextKey(u"\xD83D\xDE00"));
    EXPECT_LT(TextKey(u"\xD83D\xDE00"), TextKey(u"\xD83D\xDE01"));
}

TEST(GeneralSortOrderTest, RefusesALoneSurrogateWithoutTouchingTheOutput)
{
    const std::u16string texts[] = {{u'A', 0xD83D}, {0xDE00, u'A'}, {0xDE00, 0xD83D}, {0xD83D, 0xD83D, 0xDE00}};
    for (const std::u16string& text : texts) {
        std::vector<uint8_t> out{0xAA};
        const Status s = AppendGeneralLegacyTextKey(text, true, out);
        EXPECT_EQ(s.kind(), Status::Kind::kNotSupported);
        EXPECT_EQ(out, std::vector<uint8_t>{0xAA});
    }
}

// A key part appended after others (a later column of a key) leaves the
// bytes before it alone, in either direction.
TEST(GeneralSortOrderTest, AppendsAfterWhatTheKeyAlreadyHolds)
{
    for (bool ascending : {true, false}) {
        std::vector<uint8_t> out{0x7F, 0x12, 0x34};
        ASSERT_TRUE(AppendGeneralLegacyTextKey(u"O'BRIEN", ascending, out).ok());
        std::vector<uint8_t> expected{0x7F, 0x12, 0x34};
        const std::vector<uint8_t> alone = TextKey(u"O'BRIEN", ascending);
        expected.insert(expected.end(), alone.begin(), alone.end());
        EXPECT_EQ(out, expected) << (ascending ? "ascending" : "descending");
    }
}

// The compiled table must say exactly what the published character table says.
std::vector<uint8_t> ParseHex(std::string field)
{
    if (field.size() % 2)
        field.insert(0, "0");
    std::vector<uint8_t> out;
    for (size_t i = 0; i < field.size(); i += 2)
        out.push_back(static_cast<uint8_t>(std::stoul(field.substr(i, 2), nullptr, 16)));
    return out;
}

std::vector<std::string> SplitFields(const std::string& text)
{
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        const size_t comma = text.find(',', start);
        fields.push_back(text.substr(start, comma - start));
        if (comma == std::string::npos)
            return fields;
        start = comma + 1;
    }
}

void ExpectEntryMatches(char16_t unit, const std::string& line)
{
    SCOPED_TRACE("code unit " + std::to_string(unit) + ": " + line);
    const std::optional<SortCharCode> code = LookupGeneralSortChar(unit);
    ASSERT_TRUE(code.has_value());
    const char kind = line.at(0);
    const std::vector<std::string> f = line.size() > 1 ? SplitFields(line.substr(1)) : std::vector<std::string>{};
    auto primary = std::vector<uint8_t>(code->primary.begin(), code->primary.begin() + code->primaryLength);
    auto extra = std::vector<uint8_t>(code->extra.begin(), code->extra.begin() + code->extraLength);
    switch (kind) {
    case 'X': EXPECT_EQ(code->kind, SortCharKind::kIgnored); break;
    case 'S':
        EXPECT_EQ(code->kind, SortCharKind::kSimple);
        EXPECT_EQ(primary, ParseHex(f.at(0)));
        break;
    case 'I':
        EXPECT_EQ(code->kind, SortCharKind::kInternational);
        EXPECT_EQ(primary, ParseHex(f.at(0)));
        EXPECT_EQ(extra, ParseHex(f.at(1)));
        break;
    case 'U':
    case 'P':
        EXPECT_EQ(code->kind, kind == 'U' ? SortCharKind::kUnprintable : SortCharKind::kModifier);
        EXPECT_EQ(std::vector<uint8_t>{code->code}, ParseHex(f.at(0)));
        break;
    case 'Z':
        EXPECT_EQ(code->kind, SortCharKind::kInternationalExt);
        EXPECT_EQ(primary, ParseHex(f.at(0)));
        EXPECT_EQ(extra, f.at(1).empty() ? std::vector<uint8_t>{} : ParseHex(f.at(1)));
        EXPECT_EQ(code->code, f.at(2) == "1" ? 2 : 3);
        break;
    default: FAIL() << "unexpected kind";
    }
}

TEST(GeneralSortOrderTest, CompiledTableEqualsThePublishedCharacterTable)
{
    if (!jet::test::FixturesAvailable())
        GTEST_SKIP() << "shared fixtures not present";
    std::ifstream base(jet::test::FixturePath("jet4/samples/index_codes_genleg.txt"));
    std::ifstream ext(jet::test::FixturePath("jet4/samples/index_codes_ext_genleg.txt"));
    ASSERT_TRUE(base && ext);
    std::string line;
    uint32_t unit = 0;
    int mismatches = 0;
    for (; unit < 0x10000 && mismatches == 0; ++unit) {
        if (unit >= 0xD800 && unit <= 0xDFFF) {
            const std::optional<SortCharCode> code = LookupGeneralSortChar(static_cast<char16_t>(unit));
            ASSERT_TRUE(code.has_value());
            EXPECT_EQ(code->kind, SortCharKind::kInternational);
            EXPECT_EQ(code->primaryLength, 2);
            EXPECT_EQ(code->extraLength, 1);
            EXPECT_EQ(code->extra[0], 0x3F);
            continue;
        }
        ASSERT_TRUE(std::getline(unit < 0x100 ? base : ext, line)) << "table ends early at " << unit;
        ExpectEntryMatches(static_cast<char16_t>(unit), line);
        mismatches += testing::Test::HasFailure() ? 1 : 0;
    }
    EXPECT_EQ(unit, 0x10000u);
}

} // namespace
} // namespace jet
