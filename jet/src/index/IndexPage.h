#pragma once

#include "index/IndexDef.h"
#include "io/PageStore.h"

#include <jet/Status.h>

#include <compare>
#include <cstdint>
#include <span>
#include <vector>

namespace jet {

// Index page layout (types 3 node and 4 leaf):
// 0x00 type | 0x01 0x01 | 0x02 free space u16 | 0x04 owner TDEF page u32 | 0x08 zero u32
// 0x0C previous page u32 | 0x10 next page u32 | 0x14 tail page u32 (nodes) | 0x18 prefix length u16
// 0x1A level (0 on leaves) | 0x1B entry-end bitmap, 453 bytes | 0x1E0 entry data, at most 3616 bytes
// Inside entries every number is big-endian: key bytes, page (3 bytes), row (1 byte), and on node pages
// the child page (4 bytes). A bitmap bit marks where an entry ends; with a prefix length p > 0 every
// entry but the first omits its first p bytes, which equal those of the first entry.
namespace idx {
constexpr uint8_t kNodePage = 0x03;
constexpr uint8_t kLeafPage = 0x04;
constexpr uint32_t kFreeSpace = 0x02;
constexpr uint32_t kOwner = 0x04;
constexpr uint32_t kPrevPage = 0x0C;
constexpr uint32_t kNextPage = 0x10;
constexpr uint32_t kTailPage = 0x14;
constexpr uint32_t kPrefixLength = 0x18;
constexpr uint32_t kLevel = 0x1A;
constexpr uint32_t kBitmap = 0x1B;
constexpr uint32_t kBitmapLength = 453;
constexpr uint32_t kEntries = 0x1E0;
constexpr uint32_t kMaxEntryBytes = kPageSize - kEntries; // 3616
constexpr uint32_t kRowPointerLength = 4;
constexpr uint32_t kChildPointerLength = 4;
constexpr uint32_t kMaxDataPage = 0xFFFFFF; // row pointers hold 24-bit page numbers
} // namespace idx

using KeyView = std::span<const uint8_t>;

// Byte-wise key order, the shorter key first when one is a prefix of the other.
std::strong_ordering CompareKeys(KeyView a, KeyView b);
// Entry order: key, then row pointer.
std::strong_ordering CompareEntries(KeyView aKey, RowId aRow, KeyView bKey, RowId bRow);

// A decoded index page: header fields plus its entries with prefix
// compression undone. Keys live in one buffer owned by the page; a KeyView
// stays valid until the page is next modified.
class IndexPage {
public:
    bool leaf = true;
    PageNumber owner = 0;
    PageNumber prev = 0;
    PageNumber next = 0;
    PageNumber tail = 0; // node pages: the last child, not stored as an entry
    uint8_t level = 0;

    // What the header said when the page was decoded (for checks).
    uint16_t storedFreeSpace = 0;
    uint16_t storedPrefixLength = 0;
    uint32_t usedBytes = 0; // entry bytes as stored

    size_t Count() const { return m_refs.size(); }
    bool Empty() const { return m_refs.empty(); }
    KeyView Key(size_t i) const { return {m_keys.data() + m_refs[i].offset, m_refs[i].length}; }
    RowId Row(size_t i) const { return m_refs[i].row; }
    PageNumber Child(size_t i) const { return m_refs[i].child; }

    // Index of the first entry not less than (key, row); Count() if none.
    size_t LowerBound(KeyView key, RowId row) const;

    void Insert(size_t pos, KeyView key, RowId row, PageNumber child = 0);
    // Replaces the key and row pointer of entry `pos`, keeping its child.
    void Replace(size_t pos, KeyView key, RowId row);
    void SetChild(size_t pos, PageNumber child) { m_refs[pos].child = child; }
    void Erase(size_t pos);
    // Moves entries [0, count) to the end of `to`.
    void MoveFrontTo(size_t count, IndexPage& to);
    void Clear();

    // Size of entry `i` without prefix compression.
    size_t EntrySize(size_t i) const;
    // Length of the key prefix shared by the first `count` entries of a leaf
    // (0 on node pages).
    size_t SharedPrefix(size_t count) const;
    // Prefix length EncodeIndexPage uses for the first `count` entries: leaves
    // are compressed only when their entries would not fit otherwise, as the
    // engine does; node pages never.
    size_t PrefixLength(size_t count) const;
    // Stored size of the first `count` entries when encoded.
    size_t EncodedSize(size_t count) const;
    size_t EncodedSize() const { return EncodedSize(Count()); }
    bool Fits() const { return EncodedSize() <= idx::kMaxEntryBytes; }

private:
    friend Result<IndexPage> DecodeIndexPage(const Page& raw, PageNumber number);

    struct Ref {
        uint32_t offset;
        uint32_t length;
        RowId row;
        PageNumber child;
    };
    std::vector<uint8_t> m_keys;
    std::vector<Ref> m_refs;
};

// Decodes page `number`. Returns Corruption naming the page and the fault when
// the page is not an index page or its bitmap or entries are out of range.
Result<IndexPage> DecodeIndexPage(const Page& raw, PageNumber number);

// A leaf page searched in place, without decoding its entries; for lookups.
class LeafView {
public:
    // Checks the page as DecodeIndexPage does. `raw` must outlive the view.
    // REQUIRES: raw is a leaf page (type 4).
    Status Init(const Page& raw, PageNumber number);
    // Points the view at `raw` instead. REQUIRES: `raw` holds exactly the
    // bytes the view was set up on; it must outlive the view.
    void Rebase(const Page& raw)
    {
        m_page = &raw;
        m_data = &raw[idx::kEntries];
    }
    // The page the view reads.
    const Page& page() const { return *m_page; }

    size_t Count() const { return m_count; }
    PageNumber next() const { return m_next; }
    // Index of the first entry not less than (key, row); Count() if none.
    size_t LowerBound(KeyView key, RowId row) const;
    bool KeyEquals(size_t i, KeyView key) const { return CompareKey(i, key) == 0; }
    RowId Row(size_t i) const;

    // Adds the entry (key, row) at position `pos` directly in `raw`, the page
    // this view was set up on, when the result is exactly what decoding,
    // inserting and EncodeIndexPage would give: `pos` lies strictly between the
    // first and the last entry (so neither changes, nor the prefix they share),
    // the page keeps its prefix compression, and the entry fits. Returns false
    // and leaves `raw` untouched otherwise. The view is stale afterwards.
    bool InsertInPlace(Page& raw, size_t pos, KeyView key, RowId row) const;

private:
    std::strong_ordering CompareKey(size_t i, KeyView key) const;
    // Byte `k` of entry `i` with the prefix put back.
    uint8_t FullByte(size_t i, size_t k) const;
    size_t FullLength(size_t i) const;

    const Page* m_page = nullptr;
    const uint8_t* m_data = nullptr;
    size_t m_prefix = 0;
    PageNumber m_next = 0;
    size_t m_count = 0;
    uint16_t m_ends[idx::kMaxEntryBytes / idx::kRowPointerLength + 1] = {};
};

// Encodes `page` into `out`, overwriting all of it. A leaf whose entries do
// not fit uncompressed stores the key prefix common to its first and last
// entries once; other pages are written without prefix compression. Returns InvalidArgument if the entries
// do not fit or an entry cannot be stored (data page above 24 bits, node
// entry without child).
Status EncodeIndexPage(const IndexPage& page, Page& out);

} // namespace jet
