#include "index/GeneralSortOrder.h"

#include <algorithm>
#include <cstdio>

namespace jet {

namespace {

constexpr size_t kMaxIndexedChars = 255;
constexpr uint8_t kEndText = 0x01;
constexpr uint8_t kEndKey = 0x00;
constexpr uint8_t kAccentPlaceholder = 0x02;
constexpr uint8_t kUnprintableMidfix = 0x06;
constexpr uint8_t kFlagTrailer[] = {0xFF, 0x02, 0x80, 0xFF, 0x80};

std::string DescribeCodeUnit(char16_t c)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(c));
    return buf;
}

} // namespace

namespace {

std::optional<SortCharCode> SearchGeneralSortRuns(char16_t c);

// Characters outside the Basic Multilingual Plane (emoji, CJK Extension B)
// come as surrogate pairs, and the published character table has no line
// for either half. Access weighs each half on its own: a two-byte primary
// weight computed from the code unit, and the secondary code 0x3F, as for an
// accented letter. The weights are those of the emoji keys in a file
// Access 2010 wrote, as Jackcess reproduces them; Jackcess uses the same
// weights for the General order of Access 2000 files, and no Access 2000
// file with such a key was at hand to say otherwise, so these are the bytes
// the other Access-compatible writer puts in the files this engine writes.
//
// A high surrogate weighs its code unit less 10238 (U+D800 -> B0 02). A low
// surrogate weighs its code unit less 9992, and two less again from 8, 262,
// 516 and 770 units into its block of 1024.
SortCharCode SurrogateSortChar(char16_t c)
{
    uint32_t weight = c;
    if (c < 0xDC00) {
        weight -= 10238;
    } else {
        const uint32_t offset = (static_cast<uint32_t>(c) - 0xDC00) % 1024;
        if (offset < 8)
            weight -= 9992;
        else if (offset < 8 + 254)
            weight -= 9990;
        else if (offset < 8 + 2 * 254)
            weight -= 9988;
        else if (offset < 8 + 3 * 254)
            weight -= 9986;
        else
            weight -= 9984;
    }
    SortCharCode code;
    code.kind = SortCharKind::kInternational;
    code.primaryLength = 2;
    code.primary = {static_cast<uint8_t>(weight >> 8), static_cast<uint8_t>(weight), 0, 0};
    code.extraLength = 1;
    code.extra = {0x3F, 0};
    return code;
}

// Keys are mostly Latin-1 text: those entries are looked up once.
const std::array<std::optional<SortCharCode>, 256>& Latin1SortChars()
{
    static const std::array<std::optional<SortCharCode>, 256> table = [] {
        std::array<std::optional<SortCharCode>, 256> t;
        for (size_t c = 0; c < t.size(); ++c)
            t[c] = SearchGeneralSortRuns(static_cast<char16_t>(c));
        return t;
    }();
    return table;
}

} // namespace

std::optional<SortCharCode> LookupGeneralSortChar(char16_t c)
{
    if (c < 256)
        return Latin1SortChars()[c];
    return SearchGeneralSortRuns(c);
}

namespace {

std::optional<SortCharCode> SearchGeneralSortRuns(char16_t c)
{
    if (c >= 0xD800 && c <= 0xDFFF)
        return SurrogateSortChar(c);
    const detail::SortRun* begin = detail::kGeneralSortRuns;
    const detail::SortRun* end = begin + detail::kGeneralSortRunCount;
    const auto* it = std::upper_bound(begin, end, c, [](char16_t v, const detail::SortRun& r) { return v < r.first; });
    if (it == begin)
        return std::nullopt;
    --it;
    const uint32_t offset = static_cast<uint32_t>(c) - it->first;
    if (offset >= it->count)
        return std::nullopt;

    SortCharCode code;
    code.kind = it->kind;
    code.primaryLength = it->primaryLength;
    const uint32_t primary = it->primary + it->step * offset;
    for (uint8_t i = 0; i < it->primaryLength; ++i)
        code.primary[i] = static_cast<uint8_t>(primary >> (8 * (it->primaryLength - 1 - i)));
    code.extraLength = it->extraLength;
    for (uint8_t i = 0; i < it->extraLength; ++i)
        code.extra[i] = static_cast<uint8_t>(it->extra >> (8 * (it->extraLength - 1 - i)));
    code.code = it->code;
    return code;
}

} // namespace

namespace {

// The parts of a text key that follow the primary weights, gathered while
// the weights are written.
struct TextKeyTail {
    // Secondary codes: one per weighted character up to the last accented one.
    bool hasExtra = false;
    std::vector<uint8_t> extra;
    size_t extraChars = 0;
    size_t extraLead = 0;
    std::vector<uint8_t> unprintable;
    std::vector<uint8_t> flags;
    size_t weighted = 0;
};

// Writes the primary weight of one code unit to `body` and keeps what it adds
// to the later parts of the key in `tail`.
void AddCodeUnit(const SortCharCode& entry, std::vector<uint8_t>& body, TextKeyTail& tail)
{
    const size_t here = tail.weighted;
    if (entry.primaryLength > 0) {
        body.insert(body.end(), entry.primary.begin(), entry.primary.begin() + entry.primaryLength);
        ++tail.weighted;
    }
    if (entry.kind == SortCharKind::kSimple || entry.kind == SortCharKind::kIgnored)
        return;

    const bool isModifier = entry.kind == SortCharKind::kModifier;
    if (entry.extraLength > 0 || (isModifier && entry.code != 0)) {
        tail.hasExtra = true;
        if (tail.extraChars < here) {
            tail.extra.insert(tail.extra.end(), here - tail.extraChars, kAccentPlaceholder);
            tail.extraChars = here;
        }
        if (entry.extraLength > 0) {
            tail.extra.insert(tail.extra.end(), entry.extra.begin(), entry.extra.begin() + entry.extraLength);
            ++tail.extraChars;
        } else if (!tail.extra.empty()) {
            tail.extra.back() = static_cast<uint8_t>(tail.extra.back() + entry.code);
        } else {
            tail.extra.push_back(entry.code);
            tail.extraLead = 1;
        }
    }
    if (entry.kind == SortCharKind::kUnprintable) {
        const size_t position = tail.hasExtra ? tail.extra.size() + (here - tail.extraChars) - tail.extraLead : here;
        const uint32_t marker = 0x8000u | static_cast<uint32_t>(7 + 4 * position);
        tail.unprintable.push_back(static_cast<uint8_t>(marker >> 8));
        tail.unprintable.push_back(static_cast<uint8_t>(marker));
        tail.unprintable.push_back(kUnprintableMidfix);
        tail.unprintable.push_back(entry.code);
    }
    if (entry.kind == SortCharKind::kInternationalExt)
        tail.flags.push_back(entry.code);
}

// The end of the text's weights, then its secondary codes, flags and
// unprintable characters, each part only when it holds something.
void AppendTail(TextKeyTail& tail, std::vector<uint8_t>& body)
{
    body.push_back(kEndText);
    while (!tail.extra.empty() && tail.extra.back() <= kAccentPlaceholder)
        tail.extra.pop_back();
    const bool hasUnprintable = !tail.unprintable.empty();
    const bool hasFlags = !tail.flags.empty();
    body.insert(body.end(), tail.extra.begin(), tail.extra.end());
    if (!hasUnprintable && !hasFlags)
        return;
    body.push_back(kEndText);
    body.push_back(kEndText);
    if (hasFlags) {
        std::vector<uint8_t>& flags = tail.flags;
        while (!flags.empty() && flags.back() == 3)
            flags.pop_back();
        for (size_t i = 0; i < flags.size(); i += 3) {
            uint8_t packed = 0x80;
            for (size_t k = 0; k < 3 && i + k < flags.size(); ++k)
                packed = static_cast<uint8_t>(packed | (flags[i + k] << (2 * (2 - k))));
            body.push_back(packed);
        }
        body.insert(body.end(), std::begin(kFlagTrailer), std::end(kFlagTrailer));
        if (hasUnprintable)
            body.push_back(0xFF);
    }
    if (hasUnprintable) {
        body.push_back(kEndText);
        body.insert(body.end(), tail.unprintable.begin(), tail.unprintable.end());
    }
}

} // namespace

Status AppendGeneralLegacyTextKey(std::u16string_view text, bool ascending, std::vector<uint8_t>& out)
{
    text = text.substr(0, std::min(text.size(), kMaxIndexedChars));
    while (!text.empty() && text.back() == u' ')
        text.remove_suffix(1);

    // The key is built in place after the flag byte; a refused text takes it
    // off again.
    const size_t start = out.size();
    out.push_back(ascending ? 0x7F : 0x80);
    out.reserve(start + 1 + text.size() + 2);
    TextKeyTail tail;
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        const std::optional<SortCharCode> entry = LookupGeneralSortChar(c);
        if (!entry) {
            out.resize(start);
            return Status::NotSupported("The character " + DescribeCodeUnit(c)
                                        + " has no weight in the General sort order; the index key cannot be built.");
        }
        // Half a surrogate pair is no character: such text has no key.
        const bool high = c >= 0xD800 && c <= 0xDBFF;
        const bool low = c >= 0xDC00 && c <= 0xDFFF;
        const bool paired = high ? i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF
                                 : low && i > 0 && text[i - 1] >= 0xD800 && text[i - 1] <= 0xDBFF;
        if ((high || low) && !paired) {
            out.resize(start);
            return Status::NotSupported("The code unit " + DescribeCodeUnit(c)
                                        + " is half of a surrogate pair without its other half; the index key "
                                          "cannot be built.");
        }
        AddCodeUnit(*entry, out, tail);
    }
    AppendTail(tail, out);

    out.push_back(kEndKey);
    if (!ascending) {
        for (size_t i = start + 1; i < out.size(); ++i)
            out[i] = static_cast<uint8_t>(~out[i]);
        out.push_back(kEndKey);
    }
    return Status::OK();
}

} // namespace jet
