#include "util/Numbers.h"

#include <cstdio>
#include <cstdlib>

namespace jet {

std::optional<int64_t> IntegerOf(const Value& v)
{
    if (v.Is<uint8_t>())
        return v.As<uint8_t>();
    if (v.Is<int16_t>())
        return v.As<int16_t>();
    if (v.Is<int32_t>())
        return v.As<int32_t>();
    if (v.Is<bool>())
        return v.As<bool>() ? -1 : 0;
    return std::nullopt;
}

std::optional<double> NumberOf(const Value& v, NumberKinds kinds)
{
    if (auto i = IntegerOf(v))
        return static_cast<double>(*i);
    if (v.Is<float>())
        return v.As<float>();
    if (v.Is<double>())
        return v.As<double>();
    if (kinds == NumberKinds::kAnyNumeric) {
        if (v.Is<Currency>())
            return static_cast<double>(v.As<Currency>().scaled) / 10000.0;
        if (v.Is<DateTime>())
            return v.As<DateTime>().days;
    }
    return std::nullopt;
}

std::string ShortestText(double v, int maxPrecision, bool asFloat)
{
    char buf[64];
    for (int precision = 1; precision <= maxPrecision; ++precision) {
        std::snprintf(buf, sizeof buf, "%.*g", precision, v);
        const double back = std::strtod(buf, nullptr);
        if (asFloat ? static_cast<float>(back) == static_cast<float>(v) : back == v)
            break;
    }
    return buf;
}

std::string ScaledText(bool negative, std::string digits, unsigned scale)
{
    if (scale > 0) {
        if (digits.size() <= scale)
            digits.insert(0, scale + 1 - digits.size(), '0');
        digits.insert(digits.end() - scale, '.');
    }
    const bool zero = digits.find_first_not_of("0.") == std::string::npos;
    std::string text;
    text.reserve(digits.size() + 1);
    if (negative && !zero)
        text += '-';
    text += digits;
    return text;
}

std::string CurrencyText(Currency v, bool allDigits)
{
    const bool negative = v.scaled < 0;
    // Through unsigned so that the most negative amount has a magnitude.
    const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(v.scaled) : static_cast<uint64_t>(v.scaled);
    std::string text = ScaledText(negative, std::to_string(magnitude), 4);
    if (!allDigits) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    return text;
}

} // namespace jet
