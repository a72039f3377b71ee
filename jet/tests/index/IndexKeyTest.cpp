#include "index/IndexKey.h"

#include "index/IndexPage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <sstream>
#include <string>

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

IndexKeyColumn Column(ColumnType type, bool ascending = true)
{
    IndexKeyColumn c;
    c.columnNumber = 1;
    c.type = type;
    c.ascending = ascending;
    return c;
}

std::vector<uint8_t> Key(ColumnType type, const Value& value, bool ascending = true)
{
    Result<std::vector<uint8_t>> key = EncodeIndexKey({Column(type, ascending)}, {value});
    EXPECT_TRUE(key.ok()) << key.status().ToString();
    return key.ok() ? key.value() : std::vector<uint8_t>{};
}

struct Example {
    const char* name;
    ColumnType type;
    Value value;
    bool ascending;
    const char* key;
};

void PrintTo(const Example& c, std::ostream* os)
{
    *os << c.name;
}

class IndexKeyExampleTest : public testing::TestWithParam<Example> { };

TEST_P(IndexKeyExampleTest, EncodesAsStoredByTheEngine)
{
    EXPECT_EQ(Key(GetParam().type, GetParam().value, GetParam().ascending), Hex(GetParam().key));
}

Guid SampleGuid()
{
    Guid g; // {01020304-0506-0708-090A-0B0C0D0E0F10} in storage order
    const uint8_t bytes[16] = {4, 3, 2, 1, 6, 5, 8, 7, 9, 10, 11, 12, 13, 14, 15, 16};
    std::copy(std::begin(bytes), std::end(bytes), g.bytes.begin());
    return g;
}

INSTANTIATE_TEST_SUITE_P(
    Types, IndexKeyExampleTest,
    testing::Values(
        Example{"long2", ColumnType::kLong, Value(int32_t{2}), true, "7F 80 00 00 02"},
        Example{"long0", ColumnType::kLong, Value(int32_t{0}), true, "7F 80 00 00 00"},
        Example{"longMin", ColumnType::kLong, Value(std::numeric_limits<int32_t>::min()), true, "7F 00 00 00 00"},
        Example{"longTableId", ColumnType::kLong, Value(int32_t{0x0F000001}), true, "7F 8F 00 00 01"},
        Example{"longDescending", ColumnType::kLong, Value(int32_t{4813}), false, "80 7F FF ED 32"},
        Example{"integerMinusOne", ColumnType::kInteger, Value(int16_t{-1}), true, "7F 7F FF"},
        Example{"byte", ColumnType::kByte, Value(uint8_t{0xA5}), true, "7F A5"},
        Example{"byteDescending", ColumnType::kByte, Value(uint8_t{0xA5}), false, "80 5A"},
        Example{"currency", ColumnType::kCurrency, Value(Currency{35000}), true, "7F 80 00 00 00 00 00 88 B8"},
        Example{"doubleOne", ColumnType::kDouble, Value(1.0), true, "7F BF F0 00 00 00 00 00 00"},
        Example{"doubleMinusOne", ColumnType::kDouble, Value(-1.0), true, "7F 40 0F FF FF FF FF FF FF"},
        Example{"singleTwo", ColumnType::kSingle, Value(2.0f), true, "7F C0 00 00 00"},
        Example{"date", ColumnType::kDateTime, Value(DateTime{29932.0}), true, "7F C0 DD 3B 00 00 00 00 00"},
        Example{"binaryEmpty", ColumnType::kBinary, Value(Bytes{}), true, "7F"},
        Example{"binaryShort", ColumnType::kBinary, Value(Bytes{1, 2, 3}), true, "7F 01 02 03 00 00 00 00 00 03"},
        Example{"binaryNine", ColumnType::kBinary, Value(Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9}), true,
                "7F 01 02 03 04 05 06 07 08 09 09 00 00 00 00 00 00 00 01"},
        Example{"binaryDescending", ColumnType::kBinary, Value(Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9}), false,
                "80 FE FD FC FB FA F9 F8 F7 09 F6 FF FF FF FF FF FF FF FE"},
        Example{"guid", ColumnType::kGuid, Value(SampleGuid()), true,
                "7F 01 02 03 04 05 06 07 08 09 09 0A 0B 0C 0D 0E 0F 10 08"},
        Example{"decimalOne", ColumnType::kNumeric, Value(Decimal{{1, 0, 0}, false, 18, 0}), true,
                "7F FF 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 01"},
        Example{"decimalMinusOne", ColumnType::kNumeric, Value(Decimal{{1, 0, 0}, true, 18, 0}), true,
                "7F 00 FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FE"},
        Example{"nullAscending", ColumnType::kLong, Value::Null(), true, "00"},
        Example{"nullDescending", ColumnType::kText, Value::Null(), false, "FF"}),
    [](const testing::TestParamInfo<Example>& info) { return std::string(info.param.name); });

TEST(IndexKeyTest, JoinsColumnsInKeyOrder)
{
    IndexKeyColumn parent = Column(ColumnType::kLong);
    IndexKeyColumn name = Column(ColumnType::kText);
    Result<std::vector<uint8_t>> key =
        EncodeIndexKey({parent, name}, {Value(int32_t{0x0F000000}), Value::FromUtf8("MSysACEs")});
    ASSERT_TRUE(key.ok());
    EXPECT_EQ(key.value(), Hex("7F 8F 00 00 00 7F 60 6B 76 6B 4A 4D 51 6B 01 00"));
}

// Byte order of keys must follow value order (reversed for descending
// columns), nulls first ascending and last descending.
template <typename T>
void ExpectOrderFollowsValues(ColumnType type, std::vector<T> values, const std::function<Value(T)>& wrap)
{
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    for (bool ascending : {true, false}) {
        SCOPED_TRACE(ascending ? "ascending" : "descending");
        std::vector<uint8_t> previous = Key(type, Value::Null(), ascending);
        if (!ascending)
            previous.clear(); // the null key of a descending column comes last
        for (size_t i = 0; i < values.size(); ++i) {
            const size_t at = ascending ? i : values.size() - 1 - i;
            const std::vector<uint8_t> key = Key(type, wrap(values[at]), ascending);
            EXPECT_TRUE(CompareKeys(previous, key) < 0) << "at value index " << at;
            previous = key;
        }
        if (!ascending) {
            EXPECT_TRUE(CompareKeys(previous, Key(type, Value::Null(), false)) < 0);
        }
    }
}

class IndexKeyOrderTest : public testing::Test {
protected:
    std::mt19937 m_random{20070201};
};

TEST_F(IndexKeyOrderTest, Integers)
{
    std::vector<int32_t> longs{std::numeric_limits<int32_t>::min(), -1, 0, 1, std::numeric_limits<int32_t>::max()};
    std::vector<int16_t> shorts{std::numeric_limits<int16_t>::min(), -1, 0, 1, std::numeric_limits<int16_t>::max()};
    std::vector<int64_t> money{std::numeric_limits<int64_t>::min(), -10000, 0, 35000,
                               std::numeric_limits<int64_t>::max()};
    for (int i = 0; i < 200; ++i) {
        longs.push_back(static_cast<int32_t>(m_random()));
        shorts.push_back(static_cast<int16_t>(m_random()));
        money.push_back(static_cast<int64_t>((uint64_t{m_random()} << 32) | m_random()));
    }
    ExpectOrderFollowsValues<int32_t>(ColumnType::kLong, longs, [](int32_t v) { return Value(v); });
    ExpectOrderFollowsValues<int16_t>(ColumnType::kInteger, shorts, [](int16_t v) { return Value(v); });
    ExpectOrderFollowsValues<int64_t>(ColumnType::kCurrency, money, [](int64_t v) { return Value(Currency{v}); });
}

TEST_F(IndexKeyOrderTest, FloatingPointAndDates)
{
    std::vector<double> doubles{
        -std::numeric_limits<double>::infinity(), -1e300, -2.5, -1.0, -1e-300, 0.0, 1e-300, 0.5, 1.0, 2.5, 1e300,
        std::numeric_limits<double>::infinity()};
    std::uniform_real_distribution<double> spread(-1e6, 1e6);
    for (int i = 0; i < 200; ++i)
        doubles.push_back(spread(m_random));
    ExpectOrderFollowsValues<double>(ColumnType::kDouble, doubles, [](double v) { return Value(v); });
    ExpectOrderFollowsValues<double>(ColumnType::kDateTime, doubles, [](double v) { return Value(DateTime{v}); });
    std::vector<float> floats;
    for (double d : doubles)
        floats.push_back(static_cast<float>(d));
    ExpectOrderFollowsValues<float>(ColumnType::kSingle, floats, [](float v) { return Value(v); });
}

TEST_F(IndexKeyOrderTest, BinaryOfAnyLength)
{
    // An empty value is the flag byte alone, so it comes first in both directions.
    EXPECT_EQ(Key(ColumnType::kBinary, Value(Bytes{}), false), std::vector<uint8_t>{0x80});
    std::vector<Bytes> blobs{{0}, {0, 0}, {1}, {0xFF}, Bytes(8, 0), Bytes(9, 0), Bytes(16, 0xFF)};
    for (int i = 0; i < 200; ++i) {
        Bytes b(1 + m_random() % 20);
        for (auto& x : b)
            x = static_cast<uint8_t>(m_random() % 3); // small alphabet: many shared prefixes
        blobs.push_back(b);
    }
    ExpectOrderFollowsValues<Bytes>(ColumnType::kBinary, blobs, [](Bytes v) { return Value(std::move(v)); });
}

TEST_F(IndexKeyOrderTest, Decimals)
{
    std::vector<int64_t> values{-1000000, -2, -1, 0, 1, 2, 1000000};
    for (int i = 0; i < 100; ++i)
        values.push_back(static_cast<int32_t>(m_random()));
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    std::vector<uint8_t> previous = Key(ColumnType::kNumeric, Value::Null());
    for (int64_t v : values) {
        const uint64_t magnitude = v < 0 ? static_cast<uint64_t>(-v) : static_cast<uint64_t>(v);
        const Decimal d{{static_cast<uint32_t>(magnitude), static_cast<uint32_t>(magnitude >> 32), 0}, v < 0, 18, 0};
        const std::vector<uint8_t> key = Key(ColumnType::kNumeric, Value(d));
        EXPECT_TRUE(CompareKeys(previous, key) < 0) << v;
        previous = key;
    }
}

struct Refusal {
    const char* name;
    IndexKeyColumn column;
    Value value;
    Status::Kind kind;
};

void PrintTo(const Refusal& c, std::ostream* os)
{
    *os << c.name;
}

class IndexKeyRefusalTest : public testing::TestWithParam<Refusal> { };

TEST_P(IndexKeyRefusalTest, RefusesWhatItCannotEncodeFaithfully)
{
    Result<std::vector<uint8_t>> key = EncodeIndexKey({GetParam().column}, {GetParam().value});
    ASSERT_FALSE(key.ok());
    EXPECT_EQ(key.status().kind(), GetParam().kind) << key.status().ToString();
    EXPECT_FALSE(key.status().description().empty());
}

IndexKeyColumn OtherSortOrder()
{
    IndexKeyColumn c = Column(ColumnType::kText);
    c.textSortOrder = 0x0000041D; // Swedish
    return c;
}

INSTANTIATE_TEST_SUITE_P(
    Values, IndexKeyRefusalTest,
    testing::Values(
        Refusal{"wrongAlternative", Column(ColumnType::kLong), Value(int16_t{1}), Status::Kind::kInvalidArgument},
        Refusal{"textForLong", Column(ColumnType::kLong), Value::FromUtf8("1"), Status::Kind::kInvalidArgument},
        Refusal{"boolean", Column(ColumnType::kBoolean), Value(true), Status::Kind::kNotSupported},
        Refusal{"ole", Column(ColumnType::kOle), Value(Bytes{1}), Status::Kind::kNotSupported},
        Refusal{"decimalDescending", Column(ColumnType::kNumeric, false), Value(Decimal{}),
                Status::Kind::kNotSupported},
        Refusal{"otherSortOrder", OtherSortOrder(), Value::FromUtf8("abc"), Status::Kind::kNotSupported},
        Refusal{"tooLong", Column(ColumnType::kBinary), Value(Bytes(2000, 7)), Status::Kind::kNotSupported}),
    [](const testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

TEST(IndexKeyTest, RefusesAValueCountThatDiffersFromTheColumns)
{
    EXPECT_EQ(EncodeIndexKey({Column(ColumnType::kLong)}, {}).status().kind(), Status::Kind::kInvalidArgument);
}

TEST(IndexKeyTest, LongestTextKeysStayWithinTheLimit)
{
    // 255 characters that each add a secondary code: the largest ordinary text key.
    const std::u16string accents(255, u'\u00E9');
    EXPECT_TRUE(EncodeIndexKey({Column(ColumnType::kText)}, {Value(accents)}).ok());
    const std::u16string unprintables(255, u'-');
    Result<std::vector<uint8_t>> key = EncodeIndexKey({Column(ColumnType::kMemo)}, {Value(unprintables)});
    ASSERT_TRUE(key.ok());
    EXPECT_LE(key->size(), kMaxIndexKeyLength);
}

TEST(IndexNullsTest, ClassifiesRowsByTheIndexFlags)
{
    RealIndexDef def;
    def.columns = {Column(ColumnType::kText), Column(ColumnType::kLong)};
    const std::vector<Value> allNull{Value::Null(), Value::Null()};
    const std::vector<Value> partNull{Value::FromUtf8("a"), Value::Null()};
    const std::vector<Value> none{Value::FromUtf8("a"), Value(int32_t{1})};

    def.flags = IndexFlags::kAlwaysSet;
    EXPECT_EQ(ClassifyNulls(def, allNull), IndexNullRule::kIndex);
    def.flags = IndexFlags::kAlwaysSet | IndexFlags::kIgnoreNulls;
    EXPECT_EQ(ClassifyNulls(def, allNull), IndexNullRule::kSkip);
    EXPECT_EQ(ClassifyNulls(def, partNull), IndexNullRule::kIndex);
    def.flags = IndexFlags::kAlwaysSet | IndexFlags::kUnique | IndexFlags::kRequired;
    EXPECT_EQ(ClassifyNulls(def, partNull), IndexNullRule::kReject);
    EXPECT_EQ(ClassifyNulls(def, none), IndexNullRule::kIndex);

    EXPECT_TRUE(IsExemptFromUnique(allNull));
    EXPECT_FALSE(IsExemptFromUnique(partNull));
    EXPECT_TRUE(IsAllNullKey(def.columns, EncodeIndexKey(def.columns, allNull).value()));
    EXPECT_FALSE(IsAllNullKey(def.columns, EncodeIndexKey(def.columns, partNull).value()));
}

} // namespace
} // namespace jet
