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
        return std::nullopt;
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

Status AppendGeneralLegacyTextKey(std::u16string_view text, bool ascending, std::vector<uint8_t>& out)
{
    text = text.substr(0, std::min(text.size(), kMaxIndexedChars));
    while (!text.empty() && text.back() == u' ')
        text.remove_suffix(1);

    // The key is built in place after the flag byte; a refused text takes it
    // off again.
    const size_t start = out.size();
    out.push_back(ascending ? 0x7F : 0x80);
    std::vector<uint8_t>& body = out;
    body.reserve(start + 1 + text.size() + 2);
    // Secondary codes: one per weighted character up to the last accented one.
    bool hasExtra = false;
    std::vector<uint8_t> extra;
    size_t extraChars = 0;
    size_t extraLead = 0;
    std::vector<uint8_t> unprintable;
    std::vector<uint8_t> flags;
    size_t weighted = 0;

    for (char16_t c : text) {
        const std::optional<SortCharCode> entry = LookupGeneralSortChar(c);
        if (!entry) {
            out.resize(start);
            return Status::NotSupported("The character " + DescribeCodeUnit(c) +
                                        " has no weight in the General sort order; the index key cannot be built.");
        }
        const size_t here = weighted;
        if (entry->primaryLength > 0) {
            body.insert(body.end(), entry->primary.begin(), entry->primary.begin() + entry->primaryLength);
            ++weighted;
        }
        if (entry->kind == SortCharKind::kSimple || entry->kind == SortCharKind::kIgnored)
            continue;

        const bool isModifier = entry->kind == SortCharKind::kModifier;
        if (entry->extraLength > 0 || (isModifier && entry->code != 0)) {
            hasExtra = true;
            if (extraChars < here) {
                extra.insert(extra.end(), here - extraChars, kAccentPlaceholder);
                extraChars = here;
            }
            if (entry->extraLength > 0) {
                extra.insert(extra.end(), entry->extra.begin(), entry->extra.begin() + entry->extraLength);
                ++extraChars;
            } else if (!extra.empty()) {
                extra.back() = static_cast<uint8_t>(extra.back() + entry->code);
            } else {
                extra.push_back(entry->code);
                extraLead = 1;
            }
        }
        if (entry->kind == SortCharKind::kUnprintable) {
            const size_t position = hasExtra ? extra.size() + (here - extraChars) - extraLead : here;
            const uint32_t marker = 0x8000u | static_cast<uint32_t>(7 + 4 * position);
            unprintable.push_back(static_cast<uint8_t>(marker >> 8));
            unprintable.push_back(static_cast<uint8_t>(marker));
            unprintable.push_back(kUnprintableMidfix);
            unprintable.push_back(entry->code);
        }
        if (entry->kind == SortCharKind::kInternationalExt)
            flags.push_back(entry->code);
    }

    body.push_back(kEndText);
    while (!extra.empty() && extra.back() <= kAccentPlaceholder)
        extra.pop_back();
    const bool hasUnprintable = !unprintable.empty();
    const bool hasFlags = !flags.empty();
    body.insert(body.end(), extra.begin(), extra.end());
    if (hasUnprintable || hasFlags) {
        body.push_back(kEndText);
        body.push_back(kEndText);
        if (hasFlags) {
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
            body.insert(body.end(), unprintable.begin(), unprintable.end());
        }
    }

    body.push_back(kEndKey);
    if (!ascending) {
        for (size_t i = start + 1; i < out.size(); ++i)
            out[i] = static_cast<uint8_t>(~out[i]);
        out.push_back(kEndKey);
    }
    return Status::OK();
}

} // namespace jet
