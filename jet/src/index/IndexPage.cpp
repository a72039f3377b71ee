#include "index/IndexPage.h"

#include "util/Coding.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <string>

namespace jet {

namespace {

Status Bad(PageNumber number, const std::string& what)
{
    return Status::Corruption("Unrecognized database format: index page " + std::to_string(number) + " " + what + ".");
}

// Keys are mostly a dozen bytes; a plain loop beats the block-copy setup of memcpy.
void CopyBytes(uint8_t* to, const uint8_t* from, size_t n)
{
    if (n > 32) {
        std::memcpy(to, from, n);
        return;
    }
    for (size_t i = 0; i < n; ++i)
        to[i] = from[i];
}

size_t CommonPrefix(KeyView a, KeyView b)
{
    const size_t n = std::min(a.size(), b.size());
    size_t i = 0;
    while (i < n && a[i] == b[i])
        ++i;
    return i;
}

// ScanEntryEnds for a sound page, with the checks folded into a few
// comparisons. False on any fault, which the exact scan then names.
bool ScanSoundEntryEnds(const Page& raw, bool leaf, uint16_t* ends, size_t capacity, size_t& count, size_t& keyBytes)
{
    const size_t pointerLength = idx::kRowPointerLength + (leaf ? 0 : idx::kChildPointerLength);
    const size_t prefixLength = LoadU16(&raw[idx::kPrefixLength]);
    size_t n = 0;
    size_t last = 0;
    size_t shortest = SIZE_MAX; // fewest stored bytes of any entry
    for (size_t byte = 0; byte < idx::kBitmapLength; byte += 8) {
        uint64_t bits = LoadU64(&raw[idx::kBitmap + byte]);
        const size_t take = std::min<size_t>(8, idx::kBitmapLength - byte);
        if (take < 8)
            bits &= (uint64_t{1} << (8 * take)) - 1;
        if (capacity - n < 64 && n + static_cast<size_t>(std::popcount(bits)) > capacity)
            return false;
        for (; bits != 0; bits &= bits - 1) {
            const size_t end = byte * 8 + static_cast<size_t>(__builtin_ctzll(bits));
            shortest = std::min(shortest, end - last);
            last = end;
            ends[n++] = static_cast<uint16_t>(end);
        }
    }
    count = n;
    keyBytes = 0;
    if (n == 0)
        return true;
    // Ends rise, so the last is the largest. The first entry, stored whole,
    // needs its pointers in full; the others get the prefix back.
    if (last > idx::kMaxEntryBytes || ends[0] < pointerLength || prefixLength > ends[0]
        || shortest + prefixLength < pointerLength)
        return false;
    keyBytes = prefixLength * (n - 1) + last - n * pointerLength;
    return true;
}

// Cuts the entry data into entries by the end bitmap, checking every length.
// `ends` receives each entry's end offset (relative to the entry data).
Status ScanEntryEnds(const Page& raw, PageNumber number, bool leaf, uint16_t* ends, size_t capacity, size_t& count,
                     size_t& keyBytes)
{
    if (ScanSoundEntryEnds(raw, leaf, ends, capacity, count, keyBytes))
        return Status::OK();
    const size_t pointerLength = idx::kRowPointerLength + (leaf ? 0 : idx::kChildPointerLength);
    const size_t prefixLength = LoadU16(&raw[idx::kPrefixLength]);
    count = 0;
    keyBytes = 0;
    size_t start = 0;
    for (size_t byte = 0; byte < idx::kBitmapLength; byte += 8) {
        // The bitmap is followed by entry data on the page, so a word may be
        // read past its end and the excess masked off.
        uint64_t bits = LoadU64(&raw[idx::kBitmap + byte]);
        const size_t take = std::min<size_t>(8, idx::kBitmapLength - byte);
        if (take < 8)
            bits &= (uint64_t{1} << (8 * take)) - 1;
        while (bits != 0) {
            const size_t end = byte * 8 + static_cast<size_t>(__builtin_ctzll(bits));
            bits &= bits - 1;
            if (end > idx::kMaxEntryBytes)
                return Bad(number, "marks an entry end beyond the page");
            if (end == start)
                return Bad(number, "has an empty entry");
            if (count == 0 && prefixLength > end)
                return Bad(number, "has a prefix longer than its first entry");
            const size_t fullLength = (count == 0 ? 0 : prefixLength) + end - start;
            if (fullLength < pointerLength)
                return Bad(number, "has an entry too short for its pointers");
            if (count == capacity)
                return Bad(number, "has too many entries");
            keyBytes += fullLength - pointerLength;
            ends[count++] = static_cast<uint16_t>(end);
            start = end;
        }
    }
    return Status::OK();
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
    const uint8_t* data = &raw[idx::kEntries];

    constexpr size_t kMaxEntries = idx::kMaxEntryBytes / idx::kRowPointerLength + 1;
    uint16_t ends[kMaxEntries];
    size_t count = 0;
    size_t keyBytes = 0;
    JET_RETURN_IF_ERROR(ScanEntryEnds(raw, number, page.leaf, ends, kMaxEntries, count, keyBytes));

    page.m_keys.resize(keyBytes);
    page.m_refs.resize(count);
    uint8_t full[2 * idx::kMaxEntryBytes];
    size_t keyOffset = 0;
    size_t start = 0;
    for (size_t i = 0; i < count; ++i) {
        const size_t storedLength = ends[i] - start;
        const uint8_t* entry = data + start;
        size_t fullLength = storedLength;
        if (i > 0 && prefixLength > 0) {
            std::memcpy(full, data, prefixLength); // the first entry starts the data area
            std::memcpy(full + prefixLength, data + start, storedLength);
            entry = full;
            fullLength += prefixLength;
        }
        const size_t keyLength = fullLength - pointerLength;
        const uint8_t* p = entry + keyLength;
        IndexPage::Ref& ref = page.m_refs[i];
        ref.offset = static_cast<uint32_t>(keyOffset);
        ref.length = static_cast<uint32_t>(keyLength);
        ref.row.page = (static_cast<uint32_t>(p[0]) << 16) | (static_cast<uint32_t>(p[1]) << 8) | p[2];
        ref.row.row = p[3];
        ref.child = page.leaf ? 0
                              : (static_cast<uint32_t>(p[4]) << 24) | (static_cast<uint32_t>(p[5]) << 16)
                | (static_cast<uint32_t>(p[6]) << 8) | p[7];
        CopyBytes(page.m_keys.data() + keyOffset, entry, keyLength);
        keyOffset += keyLength;
        start = ends[i];
    }
    page.usedBytes = static_cast<uint32_t>(start);
    return page;
}

Status LeafView::Init(const Page& raw, PageNumber number)
{
    if (raw[0] != idx::kLeafPage || raw[1] != 0x01)
        return Bad(number, "is not an index leaf page");
    size_t keyBytes = 0;
    JET_RETURN_IF_ERROR(ScanEntryEnds(raw, number, true, m_ends, std::size(m_ends), m_count, keyBytes));
    Rebase(raw);
    m_prefix = LoadU16(&raw[idx::kPrefixLength]);
    m_next = LoadU32(&raw[idx::kNextPage]);
    return Status::OK();
}

size_t LeafView::FullLength(size_t i) const
{
    const size_t start = i == 0 ? 0 : m_ends[i - 1];
    return (i == 0 ? 0 : m_prefix) + m_ends[i] - start;
}

uint8_t LeafView::FullByte(size_t i, size_t k) const
{
    if (i == 0)
        return m_data[k];
    return k < m_prefix ? m_data[k] : m_data[m_ends[i - 1] + (k - m_prefix)];
}

std::strong_ordering LeafView::CompareKey(size_t i, KeyView key) const
{
    const size_t keyLength = FullLength(i) - idx::kRowPointerLength;
    const size_t prefix = i == 0 ? 0 : std::min(m_prefix, keyLength);
    // The entry's key is data[0, prefix) followed by its stored bytes.
    const size_t first = std::min(prefix, key.size());
    if (first > 0) {
        const int c = std::memcmp(m_data, key.data(), first);
        if (c != 0)
            return c < 0 ? std::strong_ordering::less : std::strong_ordering::greater;
    }
    if (key.size() <= prefix)
        return keyLength <=> key.size();
    const uint8_t* rest = m_data + (i == 0 ? 0 : m_ends[i - 1]);
    const size_t n = std::min(keyLength - prefix, key.size() - prefix);
    if (n > 0) {
        const int c = std::memcmp(rest, key.data() + prefix, n);
        if (c != 0)
            return c < 0 ? std::strong_ordering::less : std::strong_ordering::greater;
    }
    return keyLength <=> key.size();
}

RowId LeafView::Row(size_t i) const
{
    const size_t at = FullLength(i) - idx::kRowPointerLength;
    RowId row;
    row.page = (static_cast<uint32_t>(FullByte(i, at)) << 16) | (static_cast<uint32_t>(FullByte(i, at + 1)) << 8)
        | FullByte(i, at + 2);
    row.row = FullByte(i, at + 3);
    return row;
}

size_t LeafView::LowerBound(KeyView key, RowId row) const
{
    size_t lo = 0;
    size_t hi = m_count;
    while (lo < hi) {
        const size_t mid = lo + (hi - lo) / 2;
        std::strong_ordering order = CompareKey(mid, key);
        if (order == 0)
            order = Row(mid) <=> row;
        if (order < 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

bool LeafView::InsertInPlace(Page& raw, size_t pos, KeyView key, RowId row) const
{
    if (pos == 0 || pos >= m_count || m_data != &raw[idx::kEntries] || row.page > idx::kMaxDataPage)
        return false;
    const size_t used = m_ends[m_count - 1];
    const size_t entryLength = key.size() + idx::kRowPointerLength;
    // The encoder compresses a leaf exactly when its entries would not fit
    // uncompressed; the page must make the same choice after the insertion.
    const size_t uncompressed = used + m_prefix * (m_count - 1) + entryLength;
    if ((m_prefix > 0) != (uncompressed > idx::kMaxEntryBytes))
        return false;
    if (key.size() < m_prefix || (m_prefix > 0 && std::memcmp(key.data(), m_data, m_prefix) != 0))
        return false;
    const size_t stored = entryLength - m_prefix;
    if (used + stored > idx::kMaxEntryBytes)
        return false;

    uint8_t* data = &raw[idx::kEntries];
    const size_t at = m_ends[pos - 1];
    std::memmove(data + at + stored, data + at, used - at);
    uint8_t* dest = data + at;
    CopyBytes(dest, key.data() + m_prefix, key.size() - m_prefix);
    dest += key.size() - m_prefix;
    dest[0] = static_cast<uint8_t>(row.page >> 16);
    dest[1] = static_cast<uint8_t>(row.page >> 8);
    dest[2] = static_cast<uint8_t>(row.page);
    dest[3] = row.row;

    // Entry ends after the new entry move by its length: clear every bit past
    // `at` and set them again.
    uint8_t* bitmap = &raw[idx::kBitmap];
    size_t clearFrom = (at + 1) / 8;
    if ((at + 1) % 8 != 0) {
        bitmap[clearFrom] &= static_cast<uint8_t>((1u << ((at + 1) % 8)) - 1);
        ++clearFrom;
    }
    std::memset(bitmap + clearFrom, 0, idx::kBitmapLength - clearFrom);
    const auto mark = [bitmap](size_t end) { bitmap[end / 8] |= static_cast<uint8_t>(1u << (end % 8)); };
    mark(at + stored);
    for (size_t i = pos; i < m_count; ++i)
        mark(m_ends[i] + stored);
    StoreU16(&raw[idx::kFreeSpace], static_cast<uint16_t>(idx::kMaxEntryBytes - used - stored));
    return true;
}

Status EncodeIndexPage(const IndexPage& page, Page& out)
{
    const size_t count = page.Count();
    size_t total = 0;
    for (size_t i = 0; i < count; ++i)
        total += page.EntrySize(i);
    const size_t prefix = total > idx::kMaxEntryBytes ? page.SharedPrefix(count) : 0;
    if (count > 1 && total - prefix * (count - 1) > idx::kMaxEntryBytes)
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
        const size_t skip = i == 0 ? 0 : prefix;
        if (key.size() + idx::kRowPointerLength + idx::kChildPointerLength > sizeof entry)
            return Status::InvalidArgument("An index key is too long for an index page.");
        uint8_t* dest = &out[idx::kEntries + pos];
        size_t n;
        if (skip <= key.size()) {
            // Common case: the prefix lies within the key, write straight into the page.
            CopyBytes(dest, key.data() + skip, key.size() - skip);
            n = key.size() - skip;
        } else {
            std::memcpy(entry, key.data(), key.size());
            n = key.size();
            dest = entry;
        }
        dest[n++] = static_cast<uint8_t>(row.page >> 16);
        dest[n++] = static_cast<uint8_t>(row.page >> 8);
        dest[n++] = static_cast<uint8_t>(row.page);
        dest[n++] = row.row;
        if (!page.leaf) {
            for (int s = 3; s >= 0; --s)
                dest[n++] = static_cast<uint8_t>(page.Child(i) >> (8 * s));
        }
        if (dest == entry) {
            // The prefix reaches into the row pointer.
            std::memcpy(&out[idx::kEntries + pos], entry + skip, n - skip);
            n -= skip;
        }
        pos += n;
        out[idx::kBitmap + pos / 8] |= static_cast<uint8_t>(1u << (pos % 8));
    }
    StoreU16(&out[idx::kFreeSpace], static_cast<uint16_t>(idx::kMaxEntryBytes - pos));
    return Status::OK();
}

} // namespace jet
