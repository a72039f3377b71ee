#pragma once

#include <jet/Value.h>

#include <cstdint>
#include <optional>
#include <string>

namespace jet {

// ---- Values as numbers ----
// Byte, Integer, Long and Yes/No (True is -1, as in Access) as a whole
// number; nullopt for every other kind.
std::optional<int64_t> IntegerOf(const Value& v);

enum class NumberKinds {
    kIntegersAndReals, // what a Single or Double column accepts
    kAnyNumeric,       // also Currency and Date/Time, as criteria compare them
};
// The value as a double, or nullopt when it is not of `kinds`.
std::optional<double> NumberOf(const Value& v, NumberKinds kinds);

// ---- Numbers as text ----
// The shortest "%g" text of at most `maxPrecision` digits that reads back
// as `v` (compared as a float when `asFloat`).
std::string ShortestText(double v, int maxPrecision = 17, bool asFloat = false);
// Decimal digits of a magnitude with `scale` of them after the point; a
// leading "-" when `negative` and the number is not zero.
std::string ScaledText(bool negative, std::string digits, unsigned scale);
// A Currency amount: with `allDigits` always four after the point
// ("-1.5000"), else only those that are not trailing zeros ("-1.5", "3").
std::string CurrencyText(Currency v, bool allDigits);

} // namespace jet
