#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace jet {

// Column type codes as stored in a table definition.
enum class ColumnType : uint8_t {
    kBoolean = 0x01,
    kByte = 0x02,
    kInteger = 0x03,  // 16-bit signed
    kLong = 0x04,     // 32-bit signed
    kCurrency = 0x05, // 64-bit signed, scaled by 10,000
    kSingle = 0x06,
    kDouble = 0x07,
    kDateTime = 0x08, // days since 1899-12-30 as a double
    kBinary = 0x09,
    kText = 0x0A,
    kOle = 0x0B,
    kMemo = 0x0C,
    kGuid = 0x0F,
    kNumeric = 0x10, // Decimal
};

// A Currency amount in ten-thousandths.
struct Currency {
    int64_t scaled = 0;
    bool operator==(const Currency&) const = default;
};

// A Date/Time value: days since 1899-12-30, the time of day as the fraction.
struct DateTime {
    double days = 0.0;
    bool operator==(const DateTime&) const = default;
};

// A replication id, 16 bytes in storage order.
struct Guid {
    std::array<uint8_t, 16> bytes{};
    bool operator==(const Guid&) const = default;
};

// A Decimal: unscaled 96-bit magnitude (low word first), sign and scale.
struct Decimal {
    std::array<uint32_t, 3> magnitude{};
    bool negative = false;
    uint8_t precision = 18;
    uint8_t scale = 0;
    bool operator==(const Decimal&) const = default;
};

using Bytes = std::vector<uint8_t>;

// One field value. Text and Memo hold UTF-16 code units exactly as stored
// (after expanding compressed text), so nothing is lost between reading a
// row and writing it elsewhere.
class Value {
public:
    using Storage = std::variant<std::monostate, bool, uint8_t, int16_t, int32_t, Currency, float, double, DateTime,
                                 std::u16string, Bytes, Guid, Decimal>;

    Value() = default;
    Value(bool v)
        : m_v(v)
    { }
    Value(uint8_t v)
        : m_v(v)
    { }
    Value(int16_t v)
        : m_v(v)
    { }
    Value(int32_t v)
        : m_v(v)
    { }
    Value(Currency v)
        : m_v(v)
    { }
    Value(float v)
        : m_v(v)
    { }
    Value(double v)
        : m_v(v)
    { }
    Value(DateTime v)
        : m_v(v)
    { }
    Value(std::u16string v)
        : m_v(std::move(v))
    { }
    // Without this a u"..." literal would silently become a Boolean.
    Value(const char16_t* v)
        : m_v(std::u16string(v))
    { }
    Value(Bytes v)
        : m_v(std::move(v))
    { }
    Value(Guid v)
        : m_v(v)
    { }
    Value(Decimal v)
        : m_v(v)
    { }

    static Value Null() { return Value(); }
    // Text from UTF-8 (invalid sequences become U+FFFD).
    static Value FromUtf8(std::string_view utf8);

    bool IsNull() const { return std::holds_alternative<std::monostate>(m_v); }
    bool IsText() const { return std::holds_alternative<std::u16string>(m_v); }
    template <typename T> bool Is() const { return std::holds_alternative<T>(m_v); }
    // REQUIRES: Is<T>()
    template <typename T> const T& As() const { return std::get<T>(m_v); }

    const Storage& storage() const { return m_v; }

    // The value as text the way a Variant converts to a string; null gives "".
    // Text comes back as UTF-8.
    std::string ToUtf8() const;

    bool operator==(const Value&) const = default;

private:
    Storage m_v;
};

// UTF-8 <-> UTF-16 helpers shared by the engine and its tools.
std::string Utf16ToUtf8(std::u16string_view text);
std::u16string Utf8ToUtf16(std::string_view text);

} // namespace jet
