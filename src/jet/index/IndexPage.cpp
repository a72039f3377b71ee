#include "index/IndexPage.h"

#include "util/Coding.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace jet {

namespace {

Status Bad(PageNumber number, const std::string& what)
{
    return Status::Corruption("Unrecognized database format: index page " + std::to_string(number) + " " + what +
                              ".");
}

size_t CommonPrefix(KeyView a, KeyView b)
{
    const size_t n = std::min(a.size(), b.size());
    size_t i = 0;
    while (i < n && a[i] == b[i])
        ++i;
    return i;
}

} // namespace

std::strong_ordering CompareKeys(KeyView a, KeyView b)
{
    const size_t n = std::min(a.size(), b.size());
    const int c = n == 0 ? 0 : std::memcmp(a.data(), b.data(), n);
    if (c != 0)
        return c < 0 ? std::strong_ordering::less : std::strong_ordering::greater;
    return a.size() <=> b.size();
}

std::strong_ordering CompareEntries(KeyView aKey, RowId aRow, KeyView bKey, RowId bRow)
{
    const std::strong_ordering byKey = CompareKeys(aKey, bKey);
    if (byKey != 0)
        return byKey;
    return aRow <=> bRow;
}

size_t IndexPage::LowerBound(KeyView key, RowId row) const
{
    size_t lo = 0;
    size_t hi = m_refs.size();
    while (lo < hi) {
        const size_t mid = lo + (hi - lo) / 2;
        if (CompareEntries(Key(mid), Row(mid), key, row) < 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

void IndexPage::Insert(size_t pos, KeyView key, RowId row, PageNumber child)
{
    const auto offset = static_cast<uint32_t>(m_keys.size());
    m_keys.insert(m_keys.end(), key.begin(), key.end());
    m_refs.insert(m_refs.begin() + static_cast<std::ptrdiff_t>(pos),
                  Ref{offset, static_cast<uint32_t>(key.size()), row, child});
}

void IndexPage::Replace(size_t pos, KeyView key, RowId row)
{
    // `key` may point into m_keys, so copy it before the buffer can move.
    const std::vector<uint8_t> copy(key.begin(), key.end());
    m_refs[pos].offset = static_cast<uint32_t>(m_keys.size());
    m_refs[pos].length = static_cast<uint32_t>(copy.size());
    m_refs[pos].row = row;
    m_keys.insert(m_keys.end(), copy.begin(), copy.end());
}

void IndexPage::Erase(size_t pos)
{
    m_refs.erase(m_refs.begin() + static_cast<std::ptrdiff_t>(pos));
}

void IndexPage::MoveFrontTo(size_t count, IndexPage& to)
{
    for (size_t i = 0; i < count; ++i)
        to.Insert(to.Count(), Key(i), Row(i), Child(i));
    m_refs.erase(m_refs.begin(), m_refs.begin() + static_cast<std::ptrdiff_t>(count));
}

void IndexPage::Clear()
{
    m_refs.clear();
    m_keys.clear();
}

size_t IndexPage::EntrySize(size_t i) const
{
    return m_refs[i].length + idx::kRowPointerLength + (leaf ? 0 : idx::kChildPointerLength);
}

size_t IndexPage::SharedPrefix(size_t count) const
{
    if (!leaf || count < 2)
        return 0;
    return CommonPrefix(Key(0), Key(count - 1));
}

size_t IndexPage::PrefixLength(size_t count) const
{
    size_t total = 0;
    for (size_t i = 0; i < count; ++i)
        total += EntrySize(i);
    return total <= idx::kMaxEntryBytes ? 0 : SharedPrefix(count);
}

size_t IndexPage::EncodedSize(size_t count) const
{
    size_t total = 0;
    for (size_t i = 0; i < count; ++i)
        total += EntrySize(i);
    if (total > idx::kMaxEntryBytes && count > 1)
        total -= SharedPrefix(count) * (count - 1);
    return total;
}

Result<IndexPage> DecodeIndexPage(const Page& raw, PageNumber number)
{
    if ((raw[0] != idx::kNodePage && raw[0] != idx::kLeafPage) || raw[1] != 0x01)
        return Bad(number, "is not an index page");
    IndexPage page;
    page.leaf = raw[0] == idx::kLeafPage;
    page.storedFreeSpace = LoadU16(&raw[idx::kFreeSpace]);
    page.owner = LoadU32(&raw[idx::kOwner]);
    page.prev = LoadU32(&raw[idx::kPrevPage]);
    page.next = LoadU32(&raw[idx::kNextPage]);
    page.tail = LoadU32(&raw[idx::kTailPage]);
    page.storedPrefixLength = LoadU16(&raw[idx::kPrefixLength]);
    page.level = raw[idx::kLevel];

    const size_t pointerLength = idx::kRowPointerLength + (page.leaf ? 0 : idx::kChildPointerLength);
    const size_t prefixLength = page.storedPrefixLength;
    page.m_keys.reserve(2 * idx::kMaxEntryBytes);
    size_t start = 0;
    size_t firstEntryStart = 0;
    for (size_t byte = 0; byte < idx::kBitmapLength; ++byte) {
        const uint8_t bits = raw[idx::kBitmap + byte];
        if (bits == 0)
            continue;
        for (size_t b = 0; b < 8; ++b) {
            if ((bits & (1u << b)) == 0)
                continue;
            const size_t end = byte * 8 + b;
            if (end > idx::kMaxEntryBytes)
                return Bad(number, "marks an entry end beyond the page");
            if (end == start)
                return Bad(number, "has an empty entry");
            const uint8_t* stored = &raw[idx::kEntries + start];
            const size_t storedLength = end - start;
            const size_t keyStart = page.m_keys.size();
            if (page.m_refs.empty()) {
                if (prefixLength > storedLength)
                    return Bad(number, "has a prefix longer than its first entry");
                firstEntryStart = start;
            } else {
                const uint8_t* prefix = &raw[idx::kEntries + firstEntryStart];
                page.m_keys.insert(page.m_keys.end(), prefix, prefix + prefixLength);
            }
            page.m_keys.insert(page.m_keys.end(), stored, stored + storedLength);
            const size_t fullLength = page.m_keys.size() - keyStart;
            if (fullLength < pointerLength)
                return Bad(number, "has an entry too short for its pointers");
            const uint8_t* p = page.m_keys.data() + keyStart + (fullLength - pointerLength);
            IndexPage::Ref ref{};
            ref.offset = static_cast<uint32_t>(keyStart);
            ref.length = static_cast<uint32_t>(fullLength - pointerLength);
            ref.row.page = (static_cast<uint32_t>(p[0]) << 16) | (static_cast<uint32_t>(p[1]) << 8) | p[2];
            ref.row.row = p[3];
            if (!page.leaf)
                ref.child = (static_cast<uint32_t>(p[4]) << 24) | (static_cast<uint32_t>(p[5]) << 16) |
                            (static_cast<uint32_t>(p[6]) << 8) | p[7];
            page.m_keys.resize(keyStart + ref.length);
            page.m_refs.push_back(ref);
            start = end;
        }
    }
    page.usedBytes = static_cast<uint32_t>(start);
    return page;
}

Status EncodeIndexPage(const IndexPage& page, Page& out)
{
    const size_t count = page.Count();
    const size_t prefix = page.PrefixLength(count);
    if (page.EncodedSize(count) > idx::kMaxEntryBytes)
        return Status::InvalidArgument("The index entries do not fit on one page.");

    out.fill(0);
    out[0] = page.leaf ? idx::kLeafPage : idx::kNodePage;
    out[1] = 0x01;
    StoreU32(&out[idx::kOwner], page.owner);
    StoreU32(&out[idx::kPrevPage], page.prev);
    StoreU32(&out[idx::kNextPage], page.next);
    StoreU32(&out[idx::kTailPage], page.leaf ? 0 : page.tail);
    StoreU16(&out[idx::kPrefixLength], static_cast<uint16_t>(prefix));
    out[idx::kLevel] = page.leaf ? 0 : page.level;

    size_t pos = 0;
    uint8_t entry[2 * idx::kMaxEntryBytes];
    for (size_t i = 0; i < count; ++i) {
        const RowId row = page.Row(i);
        if (row.page > idx::kMaxDataPage)
            return Status::InvalidArgument("An index entry names a data page beyond the 24-bit range.");
        if (!page.leaf && page.Child(i) == 0)
            return Status::InvalidArgument("An index node entry has no child page.");
        const KeyView key = page.Key(i);
        if (key.size() + idx::kRowPointerLength + idx::kChildPointerLength > sizeof entry)
            return Status::InvalidArgument("An index key is too long for an index page.");
        size_t n = 0;
        std::memcpy(entry, key.data(), key.size());
        n += key.size();
        entry[n++] = static_cast<uint8_t>(row.page >> 16);
        entry[n++] = static_cast<uint8_t>(row.page >> 8);
        entry[n++] = static_cast<uint8_t>(row.page);
        entry[n++] = row.row;
        if (!page.leaf) {
            for (int s = 3; s >= 0; --s)
                entry[n++] = static_cast<uint8_t>(page.Child(i) >> (8 * s));
        }
        const size_t skip = i == 0 ? 0 : prefix;
        std::memcpy(&out[idx::kEntries + pos], entry + skip, n - skip);
        pos += n - skip;
        out[idx::kBitmap + pos / 8] |= static_cast<uint8_t>(1u << (pos % 8));
    }
    StoreU16(&out[idx::kFreeSpace], static_cast<uint16_t>(idx::kMaxEntryBytes - pos));
    return Status::OK();
}

} // namespace jet
