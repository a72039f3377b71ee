#include "generated/GeneratedCase.h"

#include "helpers/ExternalTools.h"

#include "index/IndexKey.h"
#include "table/Text.h"

#include <jet/Database.h>
#include <jet/Diagnostics.h>
#include <jet/Recordset.h>

#include <nlohmann/json.hpp>

#include <unistd.h>

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <sstream>

namespace jet::test::gen {
namespace {

// ---------------------------------------------------------------- generating

class Dice {
public:
    explicit Dice(uint64_t seed)
        : m_rng(seed)
    { }
    uint64_t Bits() { return m_rng(); }
    size_t Below(size_t n) { return n == 0 ? 0 : static_cast<size_t>(m_rng() % n); }
    bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(m_rng) < p; }
    template <typename T> const T& Pick(const std::vector<T>& from) { return from[Below(from.size())]; }

private:
    std::mt19937_64 m_rng;
};

const std::vector<ColumnType> kColumnTypes = {
    ColumnType::kBoolean, ColumnType::kByte,   ColumnType::kInteger,  ColumnType::kLong,   ColumnType::kCurrency,
    ColumnType::kSingle,  ColumnType::kDouble, ColumnType::kDateTime, ColumnType::kBinary, ColumnType::kText,
    ColumnType::kText,    ColumnType::kOle,    ColumnType::kMemo,     ColumnType::kGuid,   ColumnType::kNumeric};

bool Indexable(const ColumnSpec& c)
{
    return c.type != ColumnType::kBoolean && c.type != ColumnType::kOle;
}

// Variable columns share one row of at most 4060 bytes: their longest values
// together stay well below it, so that no row the generator makes is too long.
constexpr size_t kVariableBudget = 2400;

std::vector<ColumnSpec> GenerateColumns(Dice& dice)
{
    std::vector<ColumnSpec> columns;
    const size_t count = 1 + dice.Below(dice.Chance(0.2) ? 16 : 8);
    size_t budget = kVariableBudget;
    bool haveAutoNumber = false;
    for (size_t i = 0; i < count; ++i) {
        ColumnSpec c;
        c.name = dice.Chance(0.1) ? "Col " + std::to_string(i) + " \xC3\xA9t\xC3\xA9" : "c" + std::to_string(i);
        c.type = dice.Pick(kColumnTypes);
        if (c.type == ColumnType::kLong && !haveAutoNumber && dice.Chance(0.4)) {
            c.autoNumber = true;
            haveAutoNumber = true;
        }
        if (c.type == ColumnType::kText) {
            const std::vector<uint16_t> lengths = {1, 2, 10, 50, 255, static_cast<uint16_t>(1 + dice.Below(255))};
            c.maxLength =
                std::min<uint16_t>(dice.Pick(lengths), static_cast<uint16_t>(std::max<size_t>(1, budget / 2)));
            budget -= std::min<size_t>(budget, 2u * c.maxLength);
        }
        if (c.type == ColumnType::kBinary) {
            c.maxLength = static_cast<uint16_t>(std::min<size_t>(1 + dice.Below(510), std::max<size_t>(1, budget)));
            budget -= std::min<size_t>(budget, c.maxLength);
        }
        c.compressedUnicode = dice.Chance(0.6);
        if (c.type == ColumnType::kNumeric) {
            c.precision = static_cast<uint8_t>(1 + dice.Below(28));
            c.scale = static_cast<uint8_t>(dice.Below(c.precision + 1u));
        }
        columns.push_back(c);
    }
    return columns;
}

std::vector<IndexSpec> GenerateIndexes(Dice& dice, const std::vector<ColumnSpec>& columns)
{
    std::vector<size_t> indexable;
    for (size_t i = 0; i < columns.size(); ++i) {
        if (Indexable(columns[i]))
            indexable.push_back(i);
    }
    std::vector<IndexSpec> indexes;
    if (indexable.empty())
        return indexes;
    const size_t count = dice.Below(5);
    bool havePrimary = false;
    for (size_t n = 0; n < count; ++n) {
        IndexSpec ix;
        std::vector<size_t> pool = indexable;
        const size_t width = 1 + dice.Below(std::min<size_t>(10, pool.size()));
        for (size_t k = 0; k < width; ++k) {
            const size_t at = dice.Below(pool.size());
            const ColumnSpec& c = columns[pool[at]];
            const bool ascending = c.type == ColumnType::kNumeric || dice.Chance(0.7);
            ix.columns.push_back(IndexColumnInfo{c.name, ascending});
            pool.erase(pool.begin() + static_cast<long>(at));
        }
        if (!havePrimary && dice.Chance(0.25)) {
            ix.name = "PrimaryKey";
            ix.primaryKey = true;
            ix.unique = true;
            ix.required = true;
            havePrimary = true;
        } else {
            ix.name = "ix" + std::to_string(n);
            ix.unique = dice.Chance(0.35);
            ix.ignoreNulls = dice.Chance(0.25);
            ix.required = dice.Chance(0.1);
        }
        indexes.push_back(ix);
    }
    return indexes;
}

// Characters a text value is made of, by class.
char16_t PlainChar(Dice& dice)
{
    static const std::u16string common = u"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 -'.,&/";
    return common[dice.Below(common.size())];
}

void AppendChar(Dice& dice, std::u16string& text, size_t room)
{
    switch (dice.Below(9)) {
    case 0: // Latin-1, which compression keeps in one byte
        text += static_cast<char16_t>(1 + dice.Below(255));
        return;
    case 1: { // what compression and the sort order treat specially
        static const std::u16string special = u"\u00FF\u0001\u001F\u00A0\u00AD\u00DF\u00E9\u0100\u0130\u3000"
                                              u"\u4E00\uFEFF\uFFFD\uFFFE\u2028\u0300\u200B\u00C6\u0152";
        text += special[dice.Below(special.size())];
        return;
    }
    case 2: { // anywhere in the plane, surrogates and U+0000 aside
        char16_t c;
        do {
            c = static_cast<char16_t>(dice.Below(0x10000));
        } while (c == 0 || (c >= 0xD800 && c <= 0xDFFF));
        text += c;
        return;
    }
    case 3: // beyond the plane: emoji, CJK Extension B, and anywhere else
        if (room >= 2) {
            static const std::vector<uint32_t> points = {0x1F3CA, 0x1F600, 0x1004D, 0x20000, 0x2A6D6, 0x10FFFD};
            const uint32_t cp =
                dice.Chance(0.5) ? dice.Pick(points) : 0x10000 + static_cast<uint32_t>(dice.Below(0x100000));
            text += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
            text += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
            return;
        }
        [[fallthrough]];
    default: text += PlainChar(dice);
    }
}

std::u16string GenerateText(Dice& dice, size_t maxChars)
{
    std::u16string text;
    const size_t shape = dice.Below(10);
    size_t length = shape == 0 ? 0 : shape < 3 ? maxChars : 1 + dice.Below(std::min<size_t>(maxChars, 40));
    length = std::min(length, maxChars);
    const bool plain = dice.Chance(0.4);
    if (length > 0 && dice.Chance(0.05))
        text += u'\uFEFF';
    while (text.size() < length) {
        if (plain)
            text += PlainChar(dice);
        else
            AppendChar(dice, text, length - text.size());
    }
    if (dice.Chance(0.1) && text.size() + 2 <= maxChars)
        text += u"  ";
    return text;
}

Bytes GenerateBytes(Dice& dice, size_t size)
{
    Bytes b(size);
    const bool zeros = dice.Chance(0.2);
    for (auto& x : b)
        x = zeros ? 0 : static_cast<uint8_t>(dice.Bits());
    return b;
}

Decimal GenerateDecimal(Dice& dice, const ColumnSpec& c)
{
    unsigned __int128 limit = 1;
    for (int i = 0; i < c.precision; ++i)
        limit *= 10;
    unsigned __int128 m;
    switch (dice.Below(4)) {
    case 0: m = 0; break;
    case 1: m = limit - 1; break;
    case 2: m = 1; break;
    default: m = ((static_cast<unsigned __int128>(dice.Bits()) << 64) | dice.Bits()) % limit;
    }
    Decimal d;
    d.magnitude = {static_cast<uint32_t>(m), static_cast<uint32_t>(m >> 32), static_cast<uint32_t>(m >> 64)};
    d.negative = m != 0 && dice.Chance(0.5);
    d.precision = c.precision;
    d.scale = c.scale;
    return d;
}

template <typename T> T Edge(Dice& dice, std::vector<T> edges, T random)
{
    return dice.Chance(0.5) ? dice.Pick(edges) : random;
}

Value GenerateNumber(Dice& dice, const ColumnSpec& c)
{
    switch (c.type) {
    case ColumnType::kBoolean: return Value(dice.Chance(0.5));
    case ColumnType::kByte: return Value(Edge<uint8_t>(dice, {0, 1, 127, 128, 255}, static_cast<uint8_t>(dice.Bits())));
    case ColumnType::kInteger:
        return Value(Edge<int16_t>(dice, {INT16_MIN, -1, 0, 1, INT16_MAX}, static_cast<int16_t>(dice.Bits())));
    case ColumnType::kLong:
        return Value(Edge<int32_t>(dice, {INT32_MIN, -1, 0, 1, INT32_MAX}, static_cast<int32_t>(dice.Bits())));
    case ColumnType::kCurrency:
        return Value(Currency{Edge<int64_t>(dice, {INT64_MIN, -1, 0, 1, 10000, INT64_MAX},
                                            static_cast<int64_t>(dice.Bits()) >> dice.Below(60))});
    case ColumnType::kSingle:
        return Value(Edge<float>(
            dice, {0.0f, -0.0f, FLT_MIN, -FLT_MAX, FLT_MAX, 1e-45f, 1.5f, -2.25f},
            std::ldexp(static_cast<float>(static_cast<int32_t>(dice.Bits())), static_cast<int>(dice.Below(120)) - 90)));
    case ColumnType::kDouble:
        return Value(Edge<double>(dice, {0.0, -0.0, DBL_MIN, -DBL_MAX, DBL_MAX, 4.9e-324, 0.1, -57.0675},
                                  std::ldexp(static_cast<double>(static_cast<int64_t>(dice.Bits())),
                                             static_cast<int>(dice.Below(1000)) - 560)));
    case ColumnType::kDateTime: {
        // 0100-01-01 .. 9999-12-31; whole seconds, or whole days.
        const double first = -657434.0;
        const double last = 2958465.0;
        double days = std::floor(first + static_cast<double>(dice.Below(static_cast<size_t>(last - first) + 1)));
        if (dice.Chance(0.6))
            days += static_cast<double>(dice.Below(86400)) / 86400.0;
        return Value(DateTime{Edge<double>(dice, {first, -1.0, -0.5, 0.0, 1.0, 2.5, 73415.0, last + 0.5}, days)});
    }
    default: return Value();
    }
}

Value GenerateValue(Dice& dice, const ColumnSpec& c)
{
    if (c.type != ColumnType::kBoolean && dice.Chance(0.12))
        return Value();
    switch (c.type) {
    case ColumnType::kText: return Value(GenerateText(dice, c.maxLength));
    case ColumnType::kMemo: {
        // Inline, one long-value page, or a chain of several.
        static const std::vector<size_t> sizes = {0, 5, 30, 100, 1500, 2100, 4100, 9000, 20000};
        return Value(GenerateText(dice, dice.Pick(sizes) + dice.Below(20)));
    }
    case ColumnType::kOle: {
        static const std::vector<size_t> sizes = {0, 1, 60, 300, 4000, 4100, 9000, 30000};
        return Value(GenerateBytes(dice, dice.Pick(sizes)));
    }
    case ColumnType::kBinary: return Value(GenerateBytes(dice, dice.Below(c.maxLength + 1u)));
    case ColumnType::kGuid: {
        Guid g;
        for (auto& b : g.bytes)
            b = static_cast<uint8_t>(dice.Bits());
        return Value(g);
    }
    case ColumnType::kNumeric: return Value(GenerateDecimal(dice, c));
    default: return GenerateNumber(dice, c);
    }
}

// A value whose index key equals that of `text` in the General order though
// its bytes differ: other letter case, trailing spaces.
Value Colliding(Dice& dice, const Value& v)
{
    if (!v.IsText())
        return v;
    std::u16string t = v.As<std::u16string>();
    if (dice.Chance(0.5)) {
        for (auto& ch : t) {
            if (ch >= u'a' && ch <= u'z')
                ch = static_cast<char16_t>(ch - 32);
            else if (ch >= u'A' && ch <= u'Z')
                ch = static_cast<char16_t>(ch + 32);
        }
    } else {
        t += u" ";
    }
    return Value(t);
}

std::vector<Value> GenerateRow(Dice& dice, const TableSpec& table, const std::vector<std::vector<Value>>& earlier)
{
    std::vector<Value> row;
    for (const auto& c : table.columns)
        row.push_back(c.autoNumber ? Value() : GenerateValue(dice, c));
    // Keys that collide with an earlier row's in the sort order.
    if (!earlier.empty() && dice.Chance(0.25)) {
        const auto& other = earlier[dice.Below(earlier.size())];
        for (size_t i = 0; i < row.size(); ++i) {
            if (!table.columns[i].autoNumber && dice.Chance(0.7)) {
                Value v = Colliding(dice, other[i]);
                if (!v.IsText() || v.As<std::u16string>().size() <= table.columns[i].maxLength
                    || table.columns[i].type == ColumnType::kMemo)
                    row[i] = v;
            }
        }
    }
    return row;
}

} // namespace

Case GenerateCase(uint64_t seed)
{
    Dice dice(seed);
    Case c;
    c.seed = seed;
    c.table.name = dice.Chance(0.2) ? "Gen T\xC3\xA4"
                                      "ble"
                                    : "GenTable";
    c.table.columns = GenerateColumns(dice);
    c.table.indexes = GenerateIndexes(dice, c.table.columns);
    const size_t steps = 3 + dice.Below(dice.Chance(0.2) ? 120 : 40);
    std::vector<std::vector<Value>> added;
    for (size_t i = 0; i < steps; ++i) {
        Step s;
        const size_t roll = dice.Below(100);
        if (roll < 62 || added.empty()) {
            s.kind = Step::Kind::kAdd;
            s.values = GenerateRow(dice, c.table, added);
            added.push_back(s.values);
        } else if (roll < 84) {
            s.kind = Step::Kind::kReplace;
            s.target = dice.Below(1000);
            const size_t count = 1 + dice.Below(3);
            for (size_t k = 0; k < count; ++k) {
                const size_t column = dice.Below(c.table.columns.size());
                if (c.table.columns[column].autoNumber)
                    continue;
                Value v = dice.Chance(0.3) ? Colliding(dice, dice.Pick(added)[column])
                                           : GenerateValue(dice, c.table.columns[column]);
                if (v.IsText() && c.table.columns[column].type == ColumnType::kText
                    && v.As<std::u16string>().size() > c.table.columns[column].maxLength)
                    continue;
                s.changes.emplace_back(column, v);
            }
        } else if (roll < 91) {
            s.kind = Step::Kind::kCommit;
        } else if (roll < 96) {
            s.kind = Step::Kind::kAbandon;
        } else {
            s.kind = Step::Kind::kReopen;
        }
        c.steps.push_back(std::move(s));
    }
    return c;
}

// ---------------------------------------------------------------- comparing

namespace {

using Row = std::vector<Value>;
using Json = nlohmann::json;

std::string HexOf(const uint8_t* data, size_t size)
{
    static const char* digits = "0123456789abcdef";
    std::string s;
    for (size_t i = 0; i < size; ++i) {
        s += digits[data[i] >> 4];
        s += digits[data[i] & 15];
    }
    return s;
}

std::string Lower(std::string s)
{
    for (auto& ch : s)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return s;
}

// The exact decimal text of a Decimal or Currency: sign, digits, point.
std::string DecimalText(unsigned __int128 magnitude, bool negative, int scale)
{
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(magnitude % 10)));
        magnitude /= 10;
    } while (magnitude != 0);
    while (static_cast<int>(digits.size()) <= scale)
        digits.insert(digits.begin(), '0');
    if (scale > 0)
        digits.insert(digits.end() - scale, '.');
    const bool zero = digits.find_first_not_of("0.") == std::string::npos;
    return (negative && !zero ? "-" : "") + digits;
}

std::string DecimalText(const Decimal& d)
{
    const unsigned __int128 m = (static_cast<unsigned __int128>(d.magnitude[2]) << 64)
        | (static_cast<unsigned __int128>(d.magnitude[1]) << 32) | d.magnitude[0];
    return DecimalText(m, d.negative, d.scale);
}

std::string CurrencyText(Currency c)
{
    const bool negative = c.scaled < 0;
    const unsigned __int128 m =
        negative ? static_cast<unsigned __int128>(-(c.scaled + 1)) + 1 : static_cast<unsigned __int128>(c.scaled);
    return DecimalText(m, negative, 4);
}

// Same number as a decimal text, trailing zeros after the point aside.
std::string TrimDecimal(std::string s)
{
    if (s.find('.') != std::string::npos) {
        while (!s.empty() && s.back() == '0')
            s.pop_back();
        if (!s.empty() && s.back() == '.')
            s.pop_back();
    }
    if (s == "-0")
        s = "0";
    return s;
}

std::string GuidText(const Guid& g)
{
    const auto& b = g.bytes;
    const uint8_t textual[16] = {b[3], b[2], b[1],  b[0],  b[5],  b[4],  b[7],  b[6],
                                 b[8], b[9], b[10], b[11], b[12], b[13], b[14], b[15]};
    const std::string h = HexOf(textual, 16);
    return h.substr(0, 8) + "-" + h.substr(8, 4) + "-" + h.substr(12, 4) + "-" + h.substr(16, 4) + "-" + h.substr(20);
}

// A value as exact text, for comparing the model with the engine.
std::string Exact(const Value& v)
{
    return std::visit(
        [](const auto& x) -> std::string {
            using T = std::decay_t<decltype(x)>;
            if constexpr (std::is_same_v<T, std::monostate>) {
                return "null";
            } else if constexpr (
                std::is_same_v<
                    T,
                    bool> || std::is_same_v<T, uint8_t> || std::is_same_v<T, int16_t> || std::is_same_v<T, int32_t>) {
                return std::to_string(static_cast<long long>(x));
            } else if constexpr (std::is_same_v<T, Currency>) {
                return CurrencyText(x);
            } else if constexpr (std::is_same_v<T, float> || std::is_same_v<T, double>) {
                return HexOf(reinterpret_cast<const uint8_t*>(&x), sizeof x);
            } else if constexpr (std::is_same_v<T, DateTime>) {
                return HexOf(reinterpret_cast<const uint8_t*>(&x.days), sizeof x.days);
            } else if constexpr (std::is_same_v<T, std::u16string>) {
                return "t" + HexOf(reinterpret_cast<const uint8_t*>(x.data()), 2 * x.size());
            } else if constexpr (std::is_same_v<T, Bytes>) {
                return "b" + HexOf(x.data(), x.size());
            } else if constexpr (std::is_same_v<T, Guid>) {
                return GuidText(x);
            } else {
                return DecimalText(x);
            }
        },
        v.storage());
}

std::string RowText(const Row& row)
{
    std::string s;
    for (const auto& v : row)
        s += Exact(v) + "|";
    return s;
}

bool NearlyEqual(double a, double b, double relative)
{
    if (a == b)
        return true;
    return std::fabs(a - b) <= relative * std::max(std::fabs(a), std::fabs(b));
}

// Seconds since 1970 of a Date/Time value, time of day counted forward from
// midnight also before 1899-12-30, as Jet keeps it.
double UnixSeconds(double days)
{
    const double whole = std::trunc(days);
    const double fraction = std::fabs(days - whole);
    return (whole - 25569.0) * 86400.0 + fraction * 86400.0;
}

// What one external reader printed for one value, compared with the model.
using FieldMatch = std::function<bool(const ColumnSpec&, const Value&, size_t column, size_t row)>;

// Pairs every model row with a distinct row of a reader that agrees with it
// in every column (a maximum matching: a reader that prints some values
// shortened agrees with more than one row); the first model row left
// without a partner is the failure.
std::string MatchRows(const std::vector<Row>& model, size_t readerRows, const TableSpec& table, const FieldMatch& same,
                      const std::string& reader)
{
    if (model.size() != readerRows)
        return reader + " reads " + std::to_string(readerRows) + " rows, the model holds "
            + std::to_string(model.size());
    std::vector<std::vector<size_t>> agrees(model.size());
    for (size_t m = 0; m < model.size(); ++m) {
        for (size_t r = 0; r < readerRows; ++r) {
            bool all = true;
            for (size_t c = 0; c < table.columns.size() && all; ++c)
                all = same(table.columns[c], model[m][c], c, r);
            if (all)
                agrees[m].push_back(r);
        }
    }
    std::vector<long> partner(readerRows, -1);
    std::vector<bool> seen;
    std::function<bool(size_t)> place = [&](size_t m) {
        for (size_t r : agrees[m]) {
            if (seen[r])
                continue;
            seen[r] = true;
            if (partner[r] < 0 || place(static_cast<size_t>(partner[r]))) {
                partner[r] = static_cast<long>(m);
                return true;
            }
        }
        return false;
    };
    for (size_t m = 0; m < model.size(); ++m) {
        seen.assign(readerRows, false);
        if (place(m))
            continue;
        // Name the column where the reader's most similar row differs.
        std::string closest;
        size_t best = 0;
        for (size_t r = 0; r < readerRows; ++r) {
            size_t agreeing = 0;
            std::string first;
            for (size_t c = 0; c < table.columns.size(); ++c) {
                if (same(table.columns[c], model[m][c], c, r))
                    ++agreeing;
                else if (first.empty())
                    first = "column " + table.columns[c].name + " (" + ColumnTypeName(table.columns[c].type)
                        + "): model " + Exact(model[m][c]);
            }
            if (closest.empty() || agreeing > best) {
                best = agreeing;
                closest = first;
            }
        }
        return reader + " has no row matching model row " + RowText(model[m]) + "; nearest differs in " + closest;
    }
    return "";
}

std::vector<std::string> SplitOn(const std::string& text, const std::string& separator)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        const size_t at = text.find(separator, start);
        if (at == std::string::npos) {
            parts.push_back(text.substr(start));
            return parts;
        }
        parts.push_back(text.substr(start, at - start));
        start = at + separator.size();
    }
}

// Separators no generated value holds: text has control characters, but not
// these words between them.
const std::string kFieldSep = "\x1d<F>\x1d";
const std::string kRowSep = "\x1d<R>\x1d\n";
const std::string kNullMark = "\x1d"
                              "NULL\x1d";

bool SameExported(const ColumnSpec& c, const Value& v, const std::string& text)
{
    if (v.IsNull())
        return text == kNullMark;
    // mdbtools prints an empty Text, Memo or binary value as null; mdb-reader
    // tells the two apart.
    if (text == kNullMark
        && ((v.IsText() && v.As<std::u16string>().empty()) || (v.Is<Bytes>() && v.As<Bytes>().empty())))
        return true;
    switch (c.type) {
    case ColumnType::kBoolean: return text == (v.As<bool>() ? "1" : "0");
    case ColumnType::kByte:
    case ColumnType::kInteger:
    case ColumnType::kLong: return text == Exact(v);
    case ColumnType::kCurrency: return TrimDecimal(text) == TrimDecimal(CurrencyText(v.As<Currency>()));
    case ColumnType::kNumeric: return TrimDecimal(text) == TrimDecimal(DecimalText(v.As<Decimal>()));
    case ColumnType::kSingle: return NearlyEqual(std::strtod(text.c_str(), nullptr), v.As<float>(), 1e-6);
    // mdbtools prints Double with fewer digits than it holds; mdb-reader
    // checks every bit.
    case ColumnType::kDouble:
        return std::fabs(v.As<double>()) > 1e300
            || NearlyEqual(std::strtod(text.c_str(), nullptr), v.As<double>(), 1e-6);
    case ColumnType::kDateTime: {
        // mdbtools takes the time of a day before 1899-12-30 as counting
        // back from midnight; mdb-reader checks those dates.
        // Nor does it print years past 2100 as they are (mdb-reader checks them).
        if (v.As<DateTime>().days < 0 || v.As<DateTime>().days > 73415.0)
            return true;
        DateTimeParts p;
        if (!SplitDateTime(v.As<DateTime>(), p))
            return false;
        char buf[64];
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", p.year, p.month, p.day, p.hour, p.minute,
                      p.second);
        return text == buf;
    }
    case ColumnType::kText:
    case ColumnType::kMemo: {
        // mdbtools converts text as UCS-2: each half of a surrogate pair
        // comes out as '?'.
        std::u16string expected = v.As<std::u16string>();
        for (auto& ch : expected) {
            if (ch >= 0xD800 && ch <= 0xDFFF)
                ch = u'?';
        }
        return Utf8ToUtf16(text) == expected;
    }
    case ColumnType::kBinary:
    case ColumnType::kOle: {
        // mdbtools cuts binary values short in its export (at a zero byte,
        // and long ones at its buffer's end): what it prints must begin the
        // value. mdb-reader checks every byte.
        const std::string hex = HexOf(v.As<Bytes>().data(), v.As<Bytes>().size());
        if (text == kNullMark)
            return v.As<Bytes>().empty() || v.As<Bytes>()[0] == 0;
        return hex.rfind(Lower(text), 0) == 0;
    }
    case ColumnType::kGuid: {
        // With -b hex mdbtools prints the GUID's text in hex, and it leaves
        // out the dash between its last two groups: the digits are compared.
        std::string shown = text;
        if (shown.size() % 2 == 0 && shown.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos) {
            std::string decoded;
            for (size_t i = 0; i < shown.size(); i += 2)
                decoded += static_cast<char>(std::stoi(shown.substr(i, 2), nullptr, 16));
            shown = decoded;
        }
        std::erase_if(shown, [](char ch) { return !std::isxdigit(static_cast<unsigned char>(ch)); });
        std::string wanted = GuidText(v.As<Guid>());
        std::erase(wanted, '-');
        return Lower(shown) == wanted;
    }
    }
    return false;
}

bool SameRead(const ColumnSpec& c, const Value& v, const Json& j)
{
    if (v.IsNull())
        return j.is_null();
    if (c.type == ColumnType::kBoolean)
        return j.is_boolean() && j.get<bool>() == v.As<bool>();
    if (!j.is_object() || j.empty())
        return false;
    const std::string kind = j.begin().key();
    if (j.begin().value().is_number()) {
        if (kind != "date" || c.type != ColumnType::kDateTime)
            return false;
        // mdb-reader counts a day before 1899-12-30 and its time as one
        // signed number, where Jet counts the time forward from midnight:
        // its reading of those values is taken on its own terms.
        const double days = v.As<DateTime>().days;
        const double seconds = j.begin().value().get<double>() / 1000.0;
        return std::fabs(seconds - UnixSeconds(days)) < 0.002
            || (days < 0 && std::fabs(seconds - (days - 25569.0) * 86400.0) < 0.002);
    }
    const std::string s = j.begin().value().get<std::string>();
    switch (c.type) {
    case ColumnType::kByte:
    case ColumnType::kInteger:
    case ColumnType::kLong: return s == Exact(v);
    case ColumnType::kCurrency: return TrimDecimal(s) == TrimDecimal(CurrencyText(v.As<Currency>()));
    case ColumnType::kNumeric: return TrimDecimal(s) == TrimDecimal(DecimalText(v.As<Decimal>()));
    case ColumnType::kSingle:
        return s == "-0" ? v.As<float>() == 0
                         : std::strtof(s.c_str(), nullptr) == v.As<float>()
                || NearlyEqual(std::strtod(s.c_str(), nullptr), v.As<float>(), 1e-7);
    case ColumnType::kDouble: return std::strtod(s.c_str(), nullptr) == v.As<double>();
    case ColumnType::kText:
    case ColumnType::kMemo: return kind == "text" && Utf8ToUtf16(s) == v.As<std::u16string>();
    case ColumnType::kBinary:
    case ColumnType::kOle: return kind == "bin" && s == HexOf(v.As<Bytes>().data(), v.As<Bytes>().size());
    case ColumnType::kGuid: return Lower(s) == GuidText(v.As<Guid>()) || Lower(s) == "{" + GuidText(v.As<Guid>()) + "}";
    default: return false;
    }
}

// ---------------------------------------------------------------- running

class Runner {
public:
    Runner(const Case& c, const Readers& readers, const std::string& folder)
        : m_case(c)
        , m_readers(readers)
        , m_path(folder + "/case.mdb")
    { }

    Outcome Run()
    {
        ::unlink(m_path.c_str());
        ::unlink((m_path + "-journal").c_str());
        ::unlink((m_path + "-new").c_str());
        Outcome out;
        out.failure = RunSteps(out);
        if (out.failure.empty())
            out.failure = CheckEverything();
        out.passed = out.failure.empty();
        out.rows = m_rows.size();
        return out;
    }

private:
    std::string RunSteps(Outcome& out)
    {
        auto created = CreateDatabase(m_path, "");
        if (!created.ok())
            return "CreateDatabase: " + created.status().description();
        m_db = std::move(created).value();
        Status made = CreateTable(*m_db, m_case.table);
        if (!made.ok())
            return "CreateTable: " + made.description();
        if (Status s = m_db->Flush(); !s.ok())
            return "Flush after CreateTable: " + s.description();
        KeyColumns();
        for (size_t i = 0; i < m_case.steps.size(); ++i) {
            std::string failure = RunStep(m_case.steps[i], out);
            if (!failure.empty())
                return "step " + std::to_string(i) + ": " + failure;
        }
        Status closed = m_db->Close();
        m_db.reset();
        if (!closed.ok())
            return "Close: " + closed.description();
        return "";
    }

    std::string RunStep(const Step& step, Outcome& out)
    {
        switch (step.kind) {
        case Step::Kind::kAdd: return Write(step.values, std::nullopt, {}, out);
        case Step::Kind::kReplace:
            if (m_rows.empty())
                return "";
            return Write({}, step.target % m_rows.size(), step.changes, out);
        case Step::Kind::kCommit:
            if (Status s = m_db->Flush(); !s.ok())
                return "Flush: " + s.description();
            m_committed = m_rows;
            return "";
        case Step::Kind::kAbandon: {
            if (Status s = m_db->Abandon(); !s.ok())
                return "Abandon: " + s.description();
            m_rows = m_committed;
            return Reopen("after Abandon");
        }
        case Step::Kind::kReopen:
            if (Status s = m_db->Close(); !s.ok())
                return "Close: " + s.description();
            m_committed = m_rows;
            return Reopen("after Close");
        }
        return "";
    }

    std::string Reopen(const std::string& when)
    {
        m_db.reset();
        auto opened = Database::OpenFile(m_path, "");
        if (!opened.ok())
            return "open " + when + ": " + opened.status().description();
        m_db = std::move(opened).value();
        return CompareEngine(when);
    }

    // Per index of the table: its key columns in key order.
    void KeyColumns()
    {
        auto info = m_db->DescribeTable(m_case.table.name);
        if (!info.ok())
            return;
        m_info = *info;
        for (const auto& ix : m_case.table.indexes) {
            std::vector<IndexKeyColumn> columns;
            std::vector<size_t> positions;
            for (const auto& ic : ix.columns) {
                for (size_t k = 0; k < m_case.table.columns.size(); ++k) {
                    if (m_case.table.columns[k].name != ic.column)
                        continue;
                    IndexKeyColumn kc;
                    kc.columnNumber = m_info.columns[k].number;
                    kc.type = m_case.table.columns[k].type;
                    kc.ascending = ic.ascending;
                    kc.textSortOrder = kGeneralLegacySortOrder;
                    columns.push_back(kc);
                    positions.push_back(k);
                }
            }
            m_keys.push_back({columns, positions});
        }
    }

    // Why the engine must refuse `row` (at `self` for a replacement), or "".
    std::string ExpectedRefusal(const Row& row, std::optional<size_t> self) const
    {
        for (size_t c = 0; c < row.size(); ++c) {
            if (row[c].IsText() && !row[c].As<std::u16string>().empty()
                && EncodeText(row[c].As<std::u16string>(), false).empty())
                return "text no stored form reads back";
        }
        for (size_t i = 0; i < m_keys.size(); ++i) {
            const IndexSpec& ix = m_case.table.indexes[i];
            std::vector<Value> values;
            bool anyNull = false;
            bool numbered = false; // an AutoNumber the engine is about to give
            for (size_t k : m_keys[i].positions) {
                values.push_back(row[k]);
                const bool given = !self && m_case.table.columns[k].autoNumber;
                numbered = numbered || given;
                anyNull = anyNull || (row[k].IsNull() && !given);
            }
            if ((ix.required || ix.primaryKey) && anyNull)
                return "null in a required index";
            if (numbered)
                continue; // its key is known only once the engine has numbered the row
            auto key = EncodeIndexKey(m_keys[i].columns, values);
            if (!key.ok())
                return "index key: " + key.status().description();
            if (!(ix.unique || ix.primaryKey) || IsExemptFromUnique(values))
                continue;
            for (size_t r = 0; r < m_rows.size(); ++r) {
                if (self && *self == r)
                    continue;
                std::vector<Value> other;
                for (size_t k : m_keys[i].positions)
                    other.push_back(m_rows[r][k]);
                if (IsExemptFromUnique(other))
                    continue;
                auto otherKey = EncodeIndexKey(m_keys[i].columns, other);
                if (otherKey.ok() && *otherKey == *key)
                    return "unique key taken";
            }
        }
        return "";
    }

    // Puts the record set on the engine's row equal to model row `target`.
    std::string Seek(Recordset& rs, size_t target)
    {
        const std::string wanted = RowText(m_rows[target]);
        for (; !rs.IsEOF(); (void)rs.MoveNext()) {
            Row row;
            for (int i = 0; i < rs.FieldCount(); ++i) {
                auto v = rs.FieldAt(i);
                row.push_back(v.ok() ? *v : Value());
            }
            if (RowText(row) == wanted)
                return "";
        }
        return "no row of the engine equals model row " + wanted;
    }

    std::string Write(Row values, std::optional<size_t> target, const std::vector<std::pair<size_t, Value>>& changes,
                      Outcome& out)
    {
        auto opened = Recordset::Open(*m_db, "[" + m_case.table.name + "]", CursorType::kKeyset, LockType::kOptimistic);
        if (!opened.ok())
            return "open record set: " + opened.status().description();
        Recordset& rs = **opened;
        Row expected = target ? m_rows[*target] : values;
        std::string refusal;
        if (target) {
            if (std::string s = Seek(rs, *target); !s.empty())
                return s;
            for (const auto& [column, value] : changes)
                expected[column] = value;
        } else if (Status s = rs.AddNew(); !s.ok()) {
            return "AddNew: " + s.description();
        }
        refusal = ExpectedRefusal(expected, target);
        Status status = Status::OK();
        const auto assign = [&](size_t column, const Value& value) {
            if (status.ok() && !(value.IsNull() && !target))
                status = rs.SetField(m_case.table.columns[column].name, value);
        };
        if (target) {
            for (const auto& [column, value] : changes)
                assign(column, value);
        } else {
            for (size_t c = 0; c < values.size(); ++c) {
                if (!m_case.table.columns[c].autoNumber)
                    assign(c, values[c]);
            }
        }
        if (status.ok())
            status = rs.Update();
        if (!status.ok()) {
            rs.CancelUpdate();
            if (refusal.empty())
                return std::string(target ? "replacing" : "adding") + " " + RowText(expected)
                    + " was refused: " + status.description();
            ++out.refused;
            return "";
        }
        if (!refusal.empty())
            return std::string(target ? "replacing" : "adding") + " " + RowText(expected)
                + " went through; expected a refusal (" + refusal + ")";
        for (size_t c = 0; c < expected.size(); ++c) {
            if (m_case.table.columns[c].autoNumber && !target) {
                auto v = rs.Field(m_case.table.columns[c].name);
                if (!v.ok() || !v->Is<int32_t>())
                    return "the new row has no AutoNumber";
                expected[c] = *v;
            }
        }
        if (target)
            m_rows[*target] = expected;
        else
            m_rows.push_back(expected);
        return "";
    }

    std::string CompareEngine(const std::string& when)
    {
        auto opened = Recordset::Open(*m_db, "[" + m_case.table.name + "]", CursorType::kStatic, LockType::kReadOnly);
        if (!opened.ok())
            return "read " + when + ": " + opened.status().description();
        std::vector<std::string> engine;
        for (Recordset& rs = **opened; !rs.IsEOF();) {
            Row row;
            for (int i = 0; i < rs.FieldCount(); ++i) {
                auto v = rs.FieldAt(i);
                if (!v.ok())
                    return "read " + when + ": " + v.status().description();
                row.push_back(*v);
            }
            engine.push_back(RowText(row));
            if (Status s = rs.MoveNext(); !s.ok())
                return "read " + when + ": " + s.description();
        }
        std::vector<std::string> model;
        for (const auto& r : m_rows)
            model.push_back(RowText(r));
        std::sort(engine.begin(), engine.end());
        std::sort(model.begin(), model.end());
        if (engine == model)
            return "";
        for (size_t i = 0; i < std::min(engine.size(), model.size()); ++i) {
            if (engine[i] != model[i])
                return "the engine reads " + when + " " + engine[i] + " where the model holds " + model[i];
        }
        return "the engine reads " + std::to_string(engine.size()) + " rows " + when + ", the model holds "
            + std::to_string(model.size());
    }

    std::string CheckEverything()
    {
        auto opened = Database::OpenFile(m_path, "", OpenOptions{.readOnly = true});
        if (!opened.ok())
            return "open read-only: " + opened.status().description();
        m_db = std::move(opened).value();
        std::string failure = CompareEngine("after the last close");
        m_db.reset();
        if (!failure.empty())
            return failure;
        auto report = CheckDatabase(m_path, "");
        if (!report.ok())
            return "check: " + report.status().description();
        if (!report->problems.empty())
            return "check: " + report->problems.front();
        if (m_readers.mdbtools) {
            if (failure = CompareMdbExport(); !failure.empty())
                return failure;
            if (failure = CompareMdbSchema(); !failure.empty())
                return failure;
        }
        if (!m_readers.mdbReaderScript.empty())
            return CompareMdbReader();
        return "";
    }

    std::string CompareMdbExport()
    {
        const ProcessResult r = RunProgram("mdb-export",
                                           {"-H", "-Q", "-d", kFieldSep, "-R", kRowSep, "-0", kNullMark, "-b", "hex",
                                            "-T", "%Y-%m-%d %H:%M:%S", m_path, m_case.table.name});
        if (r.exitCode != 0)
            return "mdb-export fails: " + r.err;
        std::vector<std::string> lines = SplitOn(r.out, kRowSep);
        if (!lines.empty() && lines.back().empty())
            lines.pop_back();
        std::vector<std::vector<std::string>> rows;
        for (const auto& line : lines) {
            rows.push_back(SplitOn(line, kFieldSep));
            if (rows.back().size() != m_case.table.columns.size())
                return "mdb-export prints " + std::to_string(rows.back().size()) + " fields in a row";
        }
        return MatchRows(
            m_rows, rows.size(), m_case.table,
            [&](const ColumnSpec& c, const Value& v, size_t column, size_t row) {
                return SameExported(c, v, rows[row][column]);
            },
            "mdb-export");
    }

    // mdb-schema's PostgreSQL form is the one that lists indexes.
    std::string CompareMdbSchema()
    {
        const ProcessResult r = RunProgram("mdb-schema", {"-T", m_case.table.name, m_path, "postgres"});
        if (r.exitCode != 0)
            return "mdb-schema fails: " + r.err;
        const std::string schema = Lower(r.out);
        for (const auto& c : m_case.table.columns) {
            if (schema.find("\"" + Lower(c.name) + "\"") == std::string::npos)
                return "mdb-schema does not list column " + c.name;
        }
        for (const auto& ix : m_case.table.indexes) {
            if (ix.primaryKey) {
                if (schema.find("primary key") == std::string::npos)
                    return "mdb-schema does not list the primary key";
                continue;
            }
            const size_t at = schema.find("_" + Lower(ix.name) + "_idx\"");
            if (at == std::string::npos)
                return "mdb-schema does not list index " + ix.name;
            const size_t line = schema.rfind('\n', at);
            const bool unique = schema.compare(line + 1, 19, "create unique index") == 0;
            if (unique != ix.unique)
                return "mdb-schema lists index " + ix.name + (unique ? " as unique" : " as not unique");
        }
        return "";
    }

    std::string CompareMdbReader()
    {
        const ProcessResult r =
            RunProgram("node", {m_readers.mdbReaderScript, m_readers.mdbReaderModules, m_path, m_case.table.name});
        if (r.exitCode != 0)
            return "mdb-reader fails: " + r.err.substr(0, 400);
        const Json dump = Json::parse(r.out, nullptr, false);
        if (dump.is_discarded() || !dump.contains("rows"))
            return "mdb-reader prints no rows";
        const Json& rows = dump["rows"];
        std::vector<size_t> order; // reader column of each table column
        for (const auto& c : m_case.table.columns) {
            size_t at = 0;
            while (at < dump["columns"].size() && dump["columns"][at].get<std::string>() != c.name)
                ++at;
            if (at == dump["columns"].size())
                return "mdb-reader has no column " + c.name;
            order.push_back(at);
        }
        return MatchRows(
            m_rows, rows.size(), m_case.table,
            [&](const ColumnSpec& c, const Value& v, size_t column, size_t row) {
                return SameRead(c, v, rows[row][order[column]]);
            },
            "mdb-reader");
    }

    struct KeyShape {
        std::vector<IndexKeyColumn> columns;
        std::vector<size_t> positions;
    };

    const Case& m_case;
    const Readers& m_readers;
    const std::string m_path;
    std::unique_ptr<Database> m_db;
    TableInfo m_info;
    std::vector<KeyShape> m_keys;
    std::vector<Row> m_rows;      // what the table holds now
    std::vector<Row> m_committed; // what it held at the last commit
};

} // namespace

Readers FindReaders(std::string& why)
{
    Readers r;
    r.mdbtools = RunProgram("mdb-export", {"--version"}).exitCode == 0;
    if (!r.mdbtools)
        why += "mdbtools (mdb-export) not installed. ";
    const char* modules = std::getenv("JET_MDB_READER_DIR");
    const std::string folder = modules != nullptr ? modules : "";
    if (folder.empty() || ::access((folder + "/node_modules/mdb-reader/package.json").c_str(), R_OK) != 0) {
        why += "mdb-reader not found (JET_MDB_READER_DIR names the folder its node_modules is in). ";
    } else if (RunProgram("node", {"--version"}).exitCode != 0) {
        why += "node not installed. ";
    } else {
        r.mdbReaderModules = folder;
        r.mdbReaderScript = JET_MDB_READER_SCRIPT;
    }
    return r;
}

Outcome RunCase(const Case& c, const Readers& readers, const std::string& folder)
{
    Outcome outcome = Runner(c, readers, folder).Run();
    // JET_GENERATED_KEEP names a file to keep the last case's database in.
    if (const char* keep = std::getenv("JET_GENERATED_KEEP"); keep != nullptr && *keep != '\0')
        (void)RunProgram("cp", {folder + "/case.mdb", keep});
    return outcome;
}

namespace {

// The first words of a failure, which a smaller case must keep: what failed
// and where, without the values.
std::string FailureKind(const std::string& failure)
{
    std::string s = failure;
    if (s.rfind("step ", 0) == 0 && s.find(": ") != std::string::npos)
        s = s.substr(s.find(": ") + 2);
    const size_t cut = std::min(s.size(), s.find_first_of("0123456789|"));
    return s.substr(0, std::min<size_t>(cut, 24));
}

// Drops column `k` from the case: from the table, its indexes and every step.
std::optional<Case> WithoutColumn(const Case& c, size_t k)
{
    if (c.table.columns.size() <= 1)
        return std::nullopt;
    Case out = c;
    const std::string name = c.table.columns[k].name;
    out.table.columns.erase(out.table.columns.begin() + static_cast<long>(k));
    for (auto& ix : out.table.indexes)
        std::erase_if(ix.columns, [&](const IndexColumnInfo& ic) { return ic.column == name; });
    std::erase_if(out.table.indexes, [](const IndexSpec& ix) { return ix.columns.empty(); });
    for (auto& step : out.steps) {
        if (!step.values.empty())
            step.values.erase(step.values.begin() + static_cast<long>(k));
        std::erase_if(step.changes, [&](const auto& change) { return change.first == k; });
        for (auto& change : step.changes) {
            if (change.first > k)
                --change.first;
        }
    }
    return out;
}

// A shorter form of one value, or nullopt when it is as short as it gets.
std::optional<Value> Shorter(const Value& v)
{
    if (v.IsText() && v.As<std::u16string>().size() > 1) {
        std::u16string t = v.As<std::u16string>();
        size_t keep = t.size() / 2;
        if (keep > 0 && t[keep - 1] >= 0xD800 && t[keep - 1] <= 0xDBFF)
            ++keep; // a pair stays whole
        t.resize(keep);
        return Value(t);
    }
    if (v.Is<Bytes>() && !v.As<Bytes>().empty()) {
        Bytes b = v.As<Bytes>();
        b.resize(b.size() / 2);
        return Value(b);
    }
    return std::nullopt;
}

std::string Quote(const Value& v)
{
    if (v.IsText()) {
        std::string s = "u\"";
        char buf[16];
        for (char16_t ch : v.As<std::u16string>()) {
            if (ch >= 0x20 && ch < 0x7F && ch != u'"' && ch != u'\\') {
                s += static_cast<char>(ch);
            } else {
                std::snprintf(buf, sizeof buf, "\\x%04X", static_cast<unsigned>(ch));
                s += buf;
            }
        }
        return s + "\"";
    }
    if (v.Is<Bytes>())
        return "Bytes(" + std::to_string(v.As<Bytes>().size()) + " bytes)";
    return ValueToJson(v);
}

} // namespace

Case ShrinkCase(const Case& c, const Readers& readers, const std::string& folder, int attempts)
{
    const Outcome first = RunCase(c, readers, folder);
    if (first.passed)
        return c;
    const std::string kind = FailureKind(first.failure);
    Case best = c;
    const auto stillFails = [&](const Case& candidate) {
        if (attempts-- <= 0)
            return false;
        const Outcome o = RunCase(candidate, readers, folder);
        return !o.passed && FailureKind(o.failure) == kind;
    };
    bool progress = true;
    while (progress && attempts > 0) {
        progress = false;
        // Steps: halves first, then one at a time.
        for (size_t chunk = std::max<size_t>(1, best.steps.size() / 2); chunk >= 1 && attempts > 0; chunk /= 2) {
            for (size_t at = 0; at + chunk <= best.steps.size() && attempts > 0;) {
                Case candidate = best;
                candidate.steps.erase(candidate.steps.begin() + static_cast<long>(at),
                                      candidate.steps.begin() + static_cast<long>(at + chunk));
                if (stillFails(candidate)) {
                    best = std::move(candidate);
                    progress = true;
                } else {
                    at += chunk;
                }
            }
            if (chunk == 1)
                break;
        }
        for (size_t i = 0; i < best.table.indexes.size() && attempts > 0;) {
            Case candidate = best;
            candidate.table.indexes.erase(candidate.table.indexes.begin() + static_cast<long>(i));
            if (stillFails(candidate)) {
                best = std::move(candidate);
                progress = true;
            } else {
                ++i;
            }
        }
        for (size_t k = 0; k < best.table.columns.size() && attempts > 0;) {
            std::optional<Case> candidate = WithoutColumn(best, k);
            if (candidate && stillFails(*candidate)) {
                best = std::move(*candidate);
                progress = true;
            } else {
                ++k;
            }
        }
        for (size_t i = 0; i < best.steps.size() && attempts > 0; ++i) {
            for (size_t k = 0; k < best.steps[i].values.size() && attempts > 0; ++k) {
                while (attempts > 0) {
                    std::optional<Value> shorter = Shorter(best.steps[i].values[k]);
                    if (!shorter)
                        break;
                    Case candidate = best;
                    candidate.steps[i].values[k] = *shorter;
                    if (!stillFails(candidate))
                        break;
                    best = std::move(candidate);
                    progress = true;
                }
            }
        }
    }
    return best;
}

std::string DescribeCase(const Case& c)
{
    std::ostringstream out;
    out << "seed " << c.seed << "\ntable " << c.table.name << "\n";
    for (const auto& col : c.table.columns) {
        out << "  column " << col.name << " " << ColumnTypeName(col.type);
        if (col.type == ColumnType::kText || col.type == ColumnType::kBinary)
            out << " (" << col.maxLength << ")";
        if (col.type == ColumnType::kNumeric)
            out << " (" << int(col.precision) << "," << int(col.scale) << ")";
        if ((col.type == ColumnType::kText || col.type == ColumnType::kMemo) && col.compressedUnicode)
            out << " compressed";
        if (col.autoNumber)
            out << " AutoNumber";
        out << "\n";
    }
    for (const auto& ix : c.table.indexes) {
        out << "  index " << ix.name << " (";
        for (size_t i = 0; i < ix.columns.size(); ++i)
            out << (i ? ", " : "") << ix.columns[i].column << (ix.columns[i].ascending ? "" : " DESC");
        out << ")" << (ix.primaryKey ? " primary" : "") << (ix.unique ? " unique" : "")
            << (ix.ignoreNulls ? " ignore-nulls" : "") << (ix.required ? " required" : "") << "\n";
    }
    for (const auto& step : c.steps) {
        switch (step.kind) {
        case Step::Kind::kAdd:
            out << "add";
            for (const auto& v : step.values)
                out << " " << Quote(v);
            break;
        case Step::Kind::kReplace:
            out << "replace row " << step.target;
            for (const auto& [column, v] : step.changes)
                out << " " << c.table.columns[column].name << "=" << Quote(v);
            break;
        case Step::Kind::kCommit: out << "commit"; break;
        case Step::Kind::kAbandon: out << "abandon"; break;
        case Step::Kind::kReopen: out << "reopen"; break;
        }
        out << "\n";
    }
    return out.str();
}

} // namespace jet::test::gen
