#pragma once

#include <jet/Status.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace jet {

// How one UTF-16 code unit takes part in a General (legacy) text key.
enum class SortCharKind : uint8_t {
    kIgnored,          // contributes nothing
    kSimple,           // primary weight only
    kInternational,    // primary weight plus one secondary (accent) code
    kUnprintable,      // no weight; recorded with its position after the accents
    kModifier,         // no weight; adds its code to the last secondary code
    kInternationalExt, // primary weight, optional secondary code, and a 2-bit flag
};

// The table entry of one code unit.
struct SortCharCode {
    SortCharKind kind = SortCharKind::kIgnored;
    uint8_t primaryLength = 0; // 0..4
    std::array<uint8_t, 4> primary{};
    uint8_t extraLength = 0; // 0..2
    std::array<uint8_t, 2> extra{};
    uint8_t code = 0; // unprintable code, modifier, or the flag (2 or 3) of kInternationalExt
};

// The entry for `c`; every UTF-16 code unit has one, surrogates included (each
// half of a pair is weighed on its own). nullopt only for a code unit the
// compiled table lacks.
std::optional<SortCharCode> LookupGeneralSortChar(char16_t c);

// Appends the key part of a non-null Text/Memo value, flag byte included
// (0x7F ascending, 0x80 descending), in the General (legacy) sort order:
// at most the first 255 code units count and trailing spaces are dropped.
// Returns NotSupported, leaving `out` unchanged, when the text holds a code
// unit without a table entry or half a surrogate pair on its own.
Status AppendGeneralLegacyTextKey(std::u16string_view text, bool ascending, std::vector<uint8_t>& out);

namespace detail {

// A run of consecutive code units with entries of one shape; the primary
// weight of code unit first+i is `primary + step * i` (big-endian bytes).
struct SortRun {
    uint16_t first;
    uint16_t count;
    SortCharKind kind;
    uint8_t primaryLength;
    uint8_t step;
    uint8_t extraLength;
    uint32_t primary;
    uint16_t extra;
    uint8_t code;
};

extern const SortRun kGeneralSortRuns[];
extern const size_t kGeneralSortRunCount;

} // namespace detail

} // namespace jet
