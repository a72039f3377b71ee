#include <jet/Diagnostics.h>

#include "util/Numbers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace jet {
namespace {

// Days from 1970-01-01 to y-m-d in the proleptic Gregorian calendar, and back.
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, int& y, int& m, int& d)
{
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(static_cast<int64_t>(yoe) + era * 400 + (m <= 2));
}

std::string NumberJson(double v, bool asFloat)
{
    if (std::isnan(v))
        return "\"NaN\"";
    if (std::isinf(v))
        return v > 0 ? "\"Infinity\"" : "\"-Infinity\"";
    return ShortestText(v, asFloat ? 9 : 17, asFloat);
}

std::string Base64(const Bytes& data)
{
    static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((data.size() + 2) / 3 * 4);
    size_t i = 0;
    for (; i + 2 < data.size(); i += 3) {
        const uint32_t v = (data[i] << 16) | (data[i + 1] << 8) | data[i + 2];
        out += kAlphabet[(v >> 18) & 63];
        out += kAlphabet[(v >> 12) & 63];
        out += kAlphabet[(v >> 6) & 63];
        out += kAlphabet[v & 63];
    }
    if (i + 1 == data.size()) {
        const uint32_t v = data[i] << 16;
        out += kAlphabet[(v >> 18) & 63];
        out += kAlphabet[(v >> 12) & 63];
        out += "==";
    } else if (i + 2 == data.size()) {
        const uint32_t v = (data[i] << 16) | (data[i + 1] << 8);
        out += kAlphabet[(v >> 18) & 63];
        out += kAlphabet[(v >> 12) & 63];
        out += kAlphabet[(v >> 6) & 63];
        out += '=';
    }
    return out;
}

// Unsigned decimal digits of a 96-bit magnitude (words low first).
std::string MagnitudeDigits(std::array<uint32_t, 3> words)
{
    std::string digits;
    while (words[0] != 0 || words[1] != 0 || words[2] != 0) {
        uint64_t remainder = 0;
        for (int k = 2; k >= 0; --k) {
            const uint64_t cur = (remainder << 32) | words[static_cast<size_t>(k)];
            words[static_cast<size_t>(k)] = static_cast<uint32_t>(cur / 10);
            remainder = cur % 10;
        }
        digits.insert(digits.begin(), static_cast<char>('0' + remainder));
    }
    return digits.empty() ? "0" : digits;
}

} // namespace

std::string ColumnTypeName(ColumnType type)
{
    switch (type) {
    case ColumnType::kBoolean: return "Yes/No";
    case ColumnType::kByte: return "Byte";
    case ColumnType::kInteger: return "Integer";
    case ColumnType::kLong: return "Long Integer";
    case ColumnType::kCurrency: return "Currency";
    case ColumnType::kSingle: return "Single";
    case ColumnType::kDouble: return "Double";
    case ColumnType::kDateTime: return "Date/Time";
    case ColumnType::kBinary: return "Binary";
    case ColumnType::kText: return "Text";
    case ColumnType::kOle: return "OLE Object";
    case ColumnType::kMemo: return "Memo";
    case ColumnType::kGuid: return "Replication ID";
    case ColumnType::kNumeric: return "Decimal";
    }
    return "Unknown";
}

bool SplitDateTime(DateTime value, DateTimeParts& parts)
{
    const double v = value.days;
    if (!std::isfinite(v) || v < -657434.0 || v >= 2958466.0)
        return false;
    double whole = std::trunc(v);
    int64_t ms = std::llround(std::fabs(v - whole) * 86400000.0);
    int64_t days = static_cast<int64_t>(whole);
    if (ms >= 86400000) {
        ms -= 86400000;
        days += v < 0 ? -1 : 1;
    }
    CivilFromDays(days + DaysFromCivil(1899, 12, 30), parts.year, parts.month, parts.day);
    parts.hour = static_cast<int>(ms / 3600000);
    parts.minute = static_cast<int>(ms / 60000 % 60);
    parts.second = static_cast<int>(ms / 1000 % 60);
    parts.millisecond = static_cast<int>(ms % 1000);
    return parts.year >= 1 && parts.year <= 9999;
}

std::string FormatDateTime(DateTime value)
{
    DateTimeParts p;
    if (!SplitDateTime(value, p))
        return ShortestText(value.days, 17, false);
    char buf[40];
    if (p.millisecond != 0)
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02d.%03d", p.year, p.month, p.day, p.hour, p.minute,
                      p.second, p.millisecond);
    else
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02d", p.year, p.month, p.day, p.hour, p.minute,
                      p.second);
    return buf;
}

std::string JsonQuote(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    for (char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(static_cast<unsigned char>(c)));
                out += buf;
            } else {
                out += c;
            }
        }
    }
    out += '"';
    return out;
}

std::string ValueToJson(const Value& value)
{
    struct Visitor {
        std::string operator()(std::monostate) const { return "null"; }
        std::string operator()(bool v) const { return v ? "true" : "false"; }
        std::string operator()(uint8_t v) const { return std::to_string(v); }
        std::string operator()(int16_t v) const { return std::to_string(v); }
        std::string operator()(int32_t v) const { return std::to_string(v); }
        std::string operator()(const Currency& v) const { return "\"" + CurrencyText(v, true) + "\""; }
        std::string operator()(float v) const { return NumberJson(v, true); }
        std::string operator()(double v) const { return NumberJson(v, false); }
        std::string operator()(const DateTime& v) const { return "\"" + FormatDateTime(v) + "\""; }
        std::string operator()(const std::u16string& v) const { return JsonQuote(Utf16ToUtf8(v)); }
        std::string operator()(const Bytes& v) const { return "\"" + Base64(v) + "\""; }
        std::string operator()(const Guid& v) const { return "\"" + Value(v).ToUtf8() + "\""; }
        std::string operator()(const Decimal& v) const
        {
            return "\"" + ScaledText(v.negative, MagnitudeDigits(v.magnitude), v.scale) + "\"";
        }
    };
    return std::visit(Visitor{}, value.storage());
}

} // namespace jet
