#include "index/BTree.h"

#include "index/IndexKey.h"
#include "util/Coding.h"

#include <cstdint>
#include <string>
#include <unordered_set>

// The tree is kept the way Jet 4.0 keeps it, so that Access and every other
// reader find what they expect:
//  - Every entry lives on a leaf: the key bytes, then the row pointer (data
//    page in 3 bytes, row in 1, big-endian). Entries compare as plain bytes,
//    key first, so equal keys sort by row pointer, and a search for a key
//    alone starts from row pointer 0/0 to land on the first of them.
//  - A node page holds, for each child, the greatest entry below that child
//    followed by the child's page number. A node with two or more children
//    keeps the last of them in its tail pointer, with no entry; a node with
//    one child stores it as an ordinary entry and a tail of 0. A reader takes
//    the first entry not below what it seeks, else the tail.
//  - These separators are exact: when a page's greatest entry changes, so
//    does its entry in the parent (a tail has none), and upwards for as long
//    as the page was its parent's last child. Access keeps them exact, and
//    Check insists on it.
//  - The leaves form one chain in key order through their previous and next
//    pointers, across the whole level; Access walks it and calls a file with
//    a broken chain corrupt. Node pages get the same links when they split,
//    but nothing here reads them.
//  - The root page never moves, because the table definition names it: when
//    the root overflows its content moves one level down to a new page.
//  - Leaves carry level 0, which Access insists on; nodes their height above
//    the leaves (1 for a parent of leaves), as Access writes them.
//  - Prefix compression is the page codec's (IndexPage): a leaf is compressed
//    only when it would not fit otherwise, as Access does; nodes never.

namespace jet {

namespace {

constexpr RowId kLowestRow{0, 0};

Status Bad(const std::string& what)
{
    return Status::Corruption("Unrecognized database format: " + what + ".");
}

std::string PageText(PageNumber n)
{
    return "index page " + std::to_string(n);
}

} // namespace

BTree::BTree(PageStore& store, const RealIndexDef& def, BTreePageHooks hooks)
    : m_store(store)
    , m_def(def)
    , m_hooks(std::move(hooks))
{ }

Result<IndexPage> BTree::ReadIndexPage(PageNumber n)
{
    if (n == 0 || n >= m_store.PageCount())
        return Bad(PageText(n) + " lies outside the file");
    Page raw;
    JET_RETURN_IF_ERROR(m_store.ReadPage(n, raw));
    Result<IndexPage> page = DecodeIndexPage(raw, n);
    // Every index page names the table that owns it; a page of another table
    // means a pointer has gone astray.
    if (page.ok() && m_def.tdefPage != 0 && page->owner != m_def.tdefPage)
        return Bad(PageText(n) + " belongs to another table");
    return page;
}

Result<const IndexPage*> BTree::ViewIndexPage(PageNumber n, LeafView** leaf)
{
    if (n == 0 || n >= m_store.PageCount())
        return Bad(PageText(n) + " lies outside the file");
    const std::optional<uint64_t> version = m_store.PageVersion(n);
    // A decoded node whose stamp has not moved needs no look at the page.
    const auto cached = m_nodeCache.find(n);
    if (cached != m_nodeCache.end() && version.has_value() && cached->second.version == version)
        return &cached->second.page;
    auto view = m_store.ViewPage(n);
    if (!view.ok())
        return view.status();
    const Page& raw = **view;
    if (cached != m_nodeCache.end() && IsCurrent(cached->second, n, raw))
        return &cached->second.page;
    // Leaves change far more often than nodes and there are many more of
    // them, so they are searched where they lie instead of being decoded and
    // cached.
    if (leaf != nullptr && raw[0] == idx::kLeafPage) {
        // The leaf searched last, unchanged since, is not scanned again.
        if (m_leafPage == n && version.has_value() && version == m_leafVersion) {
            m_leaf.Rebase(raw);
        } else {
            m_leafPage = 0;
            JET_RETURN_IF_ERROR(m_leaf.Init(raw, n));
            if (m_def.tdefPage != 0 && LoadU32(&raw[idx::kOwner]) != m_def.tdefPage)
                return Bad(PageText(n) + " belongs to another table");
            m_leafPage = n;
            m_leafVersion = version;
        }
        *leaf = &m_leaf;
        return static_cast<const IndexPage*>(nullptr);
    }
    Result<IndexPage> page = DecodeIndexPage(raw, n);
    if (!page.ok())
        return page.status();
    if (m_def.tdefPage != 0 && page->owner != m_def.tdefPage)
        return Bad(PageText(n) + " belongs to another table");
    if (page->leaf) {
        m_leafView = std::move(page.value());
        return &m_leafView;
    }
    // The upper levels of a tree are few pages read on every search; a full
    // cache starts again rather than keeping count of use.
    if (m_nodeCache.size() >= kNodeCacheLimit)
        m_nodeCache.clear();
    CachedNode& slot = m_nodeCache[n];
    slot.version = version;
    slot.raw = raw;
    slot.page = std::move(page.value());
    return &slot.page;
}

bool BTree::IsCurrent(const CachedNode& node, PageNumber n, const Page& now) const
{
    const std::optional<uint64_t> version = m_store.PageVersion(n);
    if (version.has_value() && node.version.has_value())
        return *version == *node.version;
    return node.raw == now;
}

void BTree::RememberNode(PageNumber n, const Page& raw, const IndexPage& page)
{
    if (m_nodeCache.size() >= kNodeCacheLimit && !m_nodeCache.contains(n))
        return;
    m_nodeCache[n] = CachedNode{m_store.PageVersion(n), raw, page};
}

Status BTree::CheckChild(PageNumber parent, PageNumber child) const
{
    if (child == 0 || child >= m_store.PageCount() || child == parent)
        return Bad(PageText(parent) + " points to an invalid page " + std::to_string(child));
    return Status::OK();
}

// Down the tree, children in entry order and the tail last, which is key
// order; not along the leaf chain, so that a broken chain can neither hide
// leaves nor send the walk round in a loop.
Status BTree::Walk(const Visitor& visit)
{
    struct Frame {
        IndexPage page;
        PageNumber number;
        size_t nextChild;
    };
    std::vector<Frame> stack;
    std::unordered_set<PageNumber> seen;
    Result<IndexPage> root = ReadIndexPage(m_def.rootPage);
    if (!root.ok())
        return root.status();
    seen.insert(m_def.rootPage);
    stack.push_back({std::move(root.value()), m_def.rootPage, 0});
    std::vector<uint8_t> key;
    while (!stack.empty()) {
        Frame& top = stack.back();
        if (top.page.leaf) {
            for (size_t i = 0; i < top.page.Count(); ++i) {
                const KeyView k = top.page.Key(i);
                key.assign(k.begin(), k.end());
                JET_RETURN_IF_ERROR(visit(key, top.page.Row(i)));
            }
            stack.pop_back();
            continue;
        }
        const size_t children = top.page.Count() + (top.page.tail != 0 ? 1 : 0);
        if (children == 0)
            return Bad(PageText(top.number) + " has no children");
        if (top.nextChild >= children) {
            stack.pop_back();
            continue;
        }
        const PageNumber child = top.nextChild < top.page.Count() ? top.page.Child(top.nextChild) : top.page.tail;
        ++top.nextChild;
        JET_RETURN_IF_ERROR(CheckChild(top.number, child));
        if (!seen.insert(child).second)
            return Bad(PageText(child) + " is reached twice in the tree");
        if (stack.size() >= kMaxDepth)
            return Bad("the index tree below page " + std::to_string(m_def.rootPage) + " is too deep");
        Result<IndexPage> page = ReadIndexPage(child);
        if (!page.ok())
            return page.status();
        stack.push_back({std::move(page.value()), child, 0});
    }
    return Status::OK();
}

Status BTree::SeekLeaf(KeyView key, RowId row, LeafView*& leaf, PageNumber& number, size_t& pos)
{
    PageNumber n = m_def.rootPage;
    for (size_t depth = 0;; ++depth) {
        Result<const IndexPage*> read = ViewIndexPage(n, &leaf);
        if (!read.ok())
            return read.status();
        if (read.value() == nullptr) {
            number = n;
            pos = leaf->LowerBound(key, row);
            return Status::OK();
        }
        const IndexPage& page = *read.value();
        // The first separator not below the entry sought names the subtree
        // holding it; past every separator lies the tail. A node with no tail
        // holds its last child as an entry, whose subtree has the greatest
        // entries: an entry above them all would be added there.
        const size_t at = page.LowerBound(key, row);
        PageNumber child;
        if (at < page.Count())
            child = page.Child(at);
        else if (page.tail != 0)
            child = page.tail;
        else if (!page.Empty())
            child = page.Child(page.Count() - 1);
        else
            return Bad(PageText(n) + " has no children");
        if (depth + 1 >= kMaxDepth)
            return Bad("the index tree below page " + std::to_string(m_def.rootPage) + " is too deep");
        JET_RETURN_IF_ERROR(CheckChild(n, child));
        n = child;
    }
}

Status BTree::ScanEqual(const std::vector<uint8_t>& key, RowId from, const std::function<Result<bool>(RowId)>& visit)
{
    LeafView* leaf = nullptr;
    PageNumber number = 0;
    size_t pos = 0;
    JET_RETURN_IF_ERROR(SeekLeaf(key, from, leaf, number, pos));
    std::unordered_set<PageNumber> seen; // only when the keys run on to further leaves
    for (;;) {
        // `visit` may use this tree, so keep what is needed of the page.
        std::vector<RowId> rows;
        bool more = true;
        for (; pos < leaf->Count(); ++pos) {
            if (!leaf->KeyEquals(pos, key)) {
                more = false;
                break;
            }
            rows.push_back(leaf->Row(pos));
        }
        const PageNumber next = leaf->next();
        for (RowId row : rows) {
            Result<bool> goOn = visit(row);
            if (!goOn.ok())
                return goOn.status();
            if (!goOn.value())
                return Status::OK();
        }
        // Equal keys (or, below a stale separator, the first one) continue on
        // the next leaf: a run of duplicates may span any number of leaves.
        if (!more || next == 0)
            return Status::OK();
        JET_RETURN_IF_ERROR(CheckChild(number, next));
        if (seen.empty())
            seen.insert(number);
        if (!seen.insert(next).second)
            return Bad(PageText(next) + " is reached twice in the leaf chain");
        Result<const IndexPage*> read = ViewIndexPage(next, &leaf);
        if (!read.ok())
            return read.status();
        if (read.value() != nullptr)
            return Bad(PageText(next) + " is a node page in the leaf chain");
        number = next;
        pos = leaf->LowerBound(key, from);
    }
}

Result<std::optional<RowId>> BTree::FindFirst(const std::vector<uint8_t>& key)
{
    std::optional<RowId> found;
    const Status status = ScanEqual(key, kLowestRow, [&](RowId row) -> Result<bool> {
        found = row;
        return false;
    });
    if (!status.ok())
        return status;
    return found;
}

// ---- Changes ----
//
// Insert and Remove work on decoded copies of the pages they touch (m_work)
// and write them all at the end, in Commit. Until then the store holds the
// tree as it was, so a change refused half-way (an entry that exists, a page
// that cannot be had) leaves every existing page as it was.

void BTree::BeginChange()
{
    m_work.clear();
    m_added.clear();
    m_released.clear();
}

Result<IndexPage*> BTree::Load(PageNumber n)
{
    auto it = m_work.find(n);
    if (it == m_work.end()) {
        Result<const IndexPage*> page = ViewIndexPage(n);
        if (!page.ok())
            return page.status();
        it = m_work.emplace(n, Working{*page.value(), false}).first;
    }
    return &it->second.page;
}

// The store takes a new page together with its bytes: an empty index page of
// this table, whose entries follow in Commit.
Result<PageNumber> BTree::NewPage(bool leaf, uint8_t level)
{
    if (!m_hooks.pageAdded)
        return Status::NotSupported("The index needs another page, but its usage map cannot be updated.");
    IndexPage fresh;
    fresh.leaf = leaf;
    fresh.owner = m_def.tdefPage;
    fresh.level = leaf ? 0 : level;
    Page raw;
    JET_RETURN_IF_ERROR(EncodeIndexPage(fresh, raw));
    Result<PageNumber> n = m_store.AllocatePage(raw);
    if (!n.ok())
        return n.status();
    m_added.push_back(n.value());
    m_work[n.value()] = Working{std::move(fresh), true};
    return n;
}

// The same way down as SeekLeaf, remembering for each node the entry taken
// (-1 for the tail): that entry is the separator to update, and where a new
// sibling's entry goes, when the page below changes.
Status BTree::Descend(KeyView key, RowId row, std::vector<PathStep>& path)
{
    path.clear();
    PageNumber n = m_def.rootPage;
    for (size_t depth = 0; depth < kMaxDepth; ++depth) {
        Result<IndexPage*> loaded = Load(n);
        if (!loaded.ok())
            return loaded.status();
        const IndexPage& page = *loaded.value();
        const size_t pos = page.LowerBound(key, row);
        if (page.leaf) {
            path.push_back({n, static_cast<long>(pos)});
            return Status::OK();
        }
        long slot;
        PageNumber child;
        if (pos < page.Count()) {
            slot = static_cast<long>(pos);
            child = page.Child(pos);
        } else if (page.tail != 0) {
            slot = -1;
            child = page.tail;
        } else if (!page.Empty()) {
            slot = static_cast<long>(page.Count() - 1);
            child = page.Child(page.Count() - 1);
        } else {
            return Bad(PageText(n) + " has no children");
        }
        JET_RETURN_IF_ERROR(CheckChild(n, child));
        for (const PathStep& step : path) {
            if (step.page == child)
                return Bad(PageText(child) + " is reached twice in the tree");
        }
        path.push_back({n, slot});
        n = child;
    }
    return Bad("the index tree below page " + std::to_string(m_def.rootPage) + " is too deep");
}

Status BTree::UpdateSeparators(const std::vector<PathStep>& path, size_t depth)
{
    // The page at `depth` has a new greatest entry; carry it into the ancestors
    // whose separator named the old one.
    std::vector<uint8_t> key;
    RowId row;
    JET_RETURN_IF_ERROR(SubtreeMax(path[depth].page, key, row));
    for (size_t d = depth; d > 0; --d) {
        const PathStep& up = path[d - 1];
        IndexPage& parent = At(up.page);
        if (up.slot < 0)
            continue; // a tail has no separator, but the parent's greatest entry changed too
        parent.Replace(static_cast<size_t>(up.slot), key, row);
        MarkDirty(up.page);
        // Only the greatest entry of the parent is repeated above it: an entry
        // with others after it, or before a tail, ends the climb.
        if (static_cast<size_t>(up.slot) + 1 != parent.Count() || parent.tail != 0)
            break;
    }
    return Status::OK();
}

Status BTree::SubtreeMax(PageNumber n, std::vector<uint8_t>& key, RowId& row)
{
    for (size_t depth = 0; depth < kMaxDepth; ++depth) {
        Result<IndexPage*> loaded = Load(n);
        if (!loaded.ok())
            return loaded.status();
        const IndexPage& page = *loaded.value();
        if (page.leaf) {
            if (page.Empty())
                return Bad(PageText(n) + " is an empty leaf inside the tree");
            const KeyView k = page.Key(page.Count() - 1);
            key.assign(k.begin(), k.end());
            row = page.Row(page.Count() - 1);
            return Status::OK();
        }
        const PageNumber child = page.tail != 0 ? page.tail : (page.Empty() ? 0 : page.Child(page.Count() - 1));
        JET_RETURN_IF_ERROR(CheckChild(n, child));
        n = child;
    }
    return Bad("the index tree below page " + std::to_string(m_def.rootPage) + " is too deep");
}

// From the leaf upwards, a page that no longer fits gives entries to new left
// siblings until it does (a long key may need several); each sibling adds an
// entry to the parent, which may overflow in turn. An overfull root first moves
// down a level (GrowRoot) and its new child is split like any other page.
Status BTree::SplitOverfull(std::vector<PathStep>& path)
{
    for (size_t d = path.size() - 1;; --d) {
        while (!At(path[d].page).Fits()) {
            if (d == 0) {
                JET_RETURN_IF_ERROR(GrowRoot(path));
                d = 1;
                continue;
            }
            JET_RETURN_IF_ERROR(PeelLeft(path, d));
        }
        if (d == 0)
            return Status::OK();
    }
}

Status BTree::GrowRoot(std::vector<PathStep>& path)
{
    // The root keeps its page number: its content moves one level down.
    const PageNumber rootNumber = path[0].page;
    const auto height = static_cast<uint8_t>(path.size() - 1);
    const bool wasLeaf = At(rootNumber).leaf;
    Result<PageNumber> added = NewPage(wasLeaf, height);
    if (!added.ok())
        return added.status();
    IndexPage& root = At(rootNumber);
    IndexPage& moved = At(added.value());
    root.MoveFrontTo(root.Count(), moved);
    moved.tail = root.tail;
    root.Clear();
    root.leaf = false;
    root.tail = added.value();
    root.prev = 0;
    root.next = 0;
    root.level = static_cast<uint8_t>(height + 1);
    MarkDirty(rootNumber);
    // The moved page takes the root's place in the path: the root now reaches
    // it through its tail until Commit settles the tail rule.
    path.insert(path.begin() + 1, PathStep{added.value(), path[0].slot});
    path[0].slot = -1;
    return Status::OK();
}

Status BTree::PeelLeft(std::vector<PathStep>& path, size_t depth)
{
    const PageNumber number = path[depth].page;
    size_t keep;
    {
        // Move about half the bytes to a new left sibling, never more than fits
        // on it. Entries 0..i would take `acc` bytes there, less the prefix
        // they share for each of the i entries after the first. At least one
        // entry moves and, of two or more, at least one stays.
        const IndexPage& page = At(number);
        size_t total = 0;
        for (size_t i = 0; i < page.Count(); ++i)
            total += page.EntrySize(i);
        size_t acc = 0;
        keep = 1;
        for (size_t i = 0; i + 1 < page.Count(); ++i) {
            acc += page.EntrySize(i);
            if (acc - page.SharedPrefix(i + 1) * i > idx::kMaxEntryBytes)
                break;
            keep = i + 1;
            if (2 * acc >= total)
                break;
        }
    }
    const auto level = static_cast<uint8_t>(path.size() - 1 - depth);
    Result<PageNumber> added = NewPage(At(number).leaf, level);
    if (!added.ok())
        return added.status();
    // The new page goes before the old one, in the chain and in the parent,
    // so the old page keeps its place: its separator (or its tail pointer)
    // stays right, and only the new page needs an entry in the parent. The
    // page before it, if any, now links forward to the new page.
    IndexPage& page = At(number);
    IndexPage& left = At(added.value());
    page.MoveFrontTo(keep, left);
    left.prev = page.prev;
    left.next = number;
    if (page.prev != 0) {
        Result<IndexPage*> before = Load(page.prev);
        if (!before.ok())
            return before.status();
        before.value()->next = added.value();
        MarkDirty(page.prev);
    }
    page.prev = added.value();
    MarkDirty(number);

    // The new page's entry in the parent is its own greatest entry, placed just
    // before the entry (or tail) that leads to the old page.
    const KeyView lastKey = left.Key(left.Count() - 1);
    const std::vector<uint8_t> separator(lastKey.begin(), lastKey.end());
    const RowId separatorRow = left.Row(left.Count() - 1);
    PathStep& up = path[depth - 1];
    IndexPage& parent = At(up.page);
    const size_t at = up.slot < 0 ? parent.Count() : static_cast<size_t>(up.slot);
    parent.Insert(at, separator, separatorRow, added.value());
    if (up.slot >= 0)
        ++up.slot;
    MarkDirty(up.page);
    return Status::OK();
}

// Puts a changed node into the form Jet stores (the tail rule above). Splits and
// drops may leave either form; settling it once, in Commit, keeps them simple.
Status BTree::Normalize(PageNumber n)
{
    IndexPage& page = At(n);
    if (page.leaf)
        return Status::OK();
    if (page.tail == 0 && page.Count() >= 2) {
        page.tail = page.Child(page.Count() - 1);
        page.Erase(page.Count() - 1);
    } else if (page.tail != 0 && page.Empty()) {
        // A node with one child stores it as an ordinary entry.
        std::vector<uint8_t> key;
        RowId row;
        const PageNumber only = page.tail;
        JET_RETURN_IF_ERROR(SubtreeMax(only, key, row));
        IndexPage& again = At(n);
        again.Insert(0, key, row, only);
        again.tail = 0;
    }
    return Status::OK();
}

Status BTree::Commit()
{
    std::vector<PageNumber> dirtyNodes;
    for (const auto& [n, w] : m_work) {
        if (w.dirty && !w.page.leaf)
            dirtyNodes.push_back(n);
    }
    for (PageNumber n : dirtyNodes)
        JET_RETURN_IF_ERROR(Normalize(n));

    // Every page is encoded before the first is written: a page the codec
    // refuses (entries that do not fit, a row it cannot name) changes nothing.
    std::vector<std::pair<PageNumber, Page>> pages;
    for (const auto& [n, w] : m_work) {
        if (!w.dirty)
            continue;
        pages.emplace_back(n, Page{});
        JET_RETURN_IF_ERROR(EncodeIndexPage(w.page, pages.back().second));
    }
    for (const auto& [n, raw] : pages) {
        JET_RETURN_IF_ERROR(m_store.WritePage(n, raw));
        const Working& written = m_work.at(n);
        if (!written.page.leaf)
            RememberNode(n, raw, written.page);
        else
            m_nodeCache.erase(n);
    }
    for (PageNumber n : m_released)
        m_nodeCache.erase(n);
    // The usage map learns of the tree's pages last, once the pages that point
    // to new ones, or no longer point to released ones, are written.
    for (PageNumber n : m_added)
        JET_RETURN_IF_ERROR(m_hooks.pageAdded(n));
    for (PageNumber n : m_released)
        JET_RETURN_IF_ERROR(m_hooks.pageReleased(n));
    BeginChange();
    return Status::OK();
}

// Entries with equal keys are neighbours (they sort by row pointer after the
// key), so whether a key is new shows just before or after `pos`, maybe on the
// next or previous leaf. This counts unique entries for the index statistics.
Result<bool> BTree::KeyPresentBeside(const IndexPage& leaf, size_t pos, KeyView key)
{
    if (pos > 0 && CompareKeys(leaf.Key(pos - 1), key) == 0)
        return true;
    if (pos < leaf.Count())
        return CompareKeys(leaf.Key(pos), key) == 0;
    // Equal keys may continue on the neighbouring leaves.
    if (pos == leaf.Count() && leaf.next != 0) {
        Result<IndexPage*> next = Load(leaf.next);
        if (!next.ok())
            return next.status();
        if (!next.value()->Empty() && CompareKeys(next.value()->Key(0), key) == 0)
            return true;
    }
    if (pos == 0 && leaf.prev != 0) {
        Result<IndexPage*> prev = Load(leaf.prev);
        if (!prev.ok())
            return prev.status();
        const IndexPage& before = *prev.value();
        if (!before.Empty() && CompareKeys(before.Key(before.Count() - 1), key) == 0)
            return true;
    }
    return false;
}

Status BTree::Insert(const std::vector<uint8_t>& key, RowId row, bool* keyWasNew)
{
    if (key.size() > kMaxIndexKeyLength)
        return Status::InvalidArgument("The index key is too long to be stored.");
    if (row.page > idx::kMaxDataPage)
        return Status::InvalidArgument("The row lies on a page an index entry cannot name.");
    {
        // Most entries go inside a leaf with room: change its bytes in place.
        // Strictly inside, neither the first nor the last entry changes, so
        // neither the separators above nor the shared prefix do; the page is
        // then exactly what a full decode, insert and encode would give.
        LeafView* leaf = nullptr;
        PageNumber number = 0;
        size_t at = 0;
        JET_RETURN_IF_ERROR(SeekLeaf(key, row, leaf, number, at));
        if (at > 0 && at < leaf->Count()) {
            if (leaf->KeyEquals(at, key) && leaf->Row(at) == row)
                return Status::InvalidArgument("The index already holds an entry for this row.");
            const bool isNew = !leaf->KeyEquals(at - 1, key) && !leaf->KeyEquals(at, key);
            // The view reads the store's page: the change is made on a copy.
            m_raw = leaf->page();
            leaf->Rebase(m_raw);
            if (leaf->InsertInPlace(m_raw, at, key, row)) {
                JET_RETURN_IF_ERROR(m_store.WritePage(number, m_raw));
                if (keyWasNew != nullptr)
                    *keyWasNew = isNew;
                return Status::OK();
            }
        }
    }
    BeginChange();
    std::vector<PathStep> path;
    JET_RETURN_IF_ERROR(Descend(key, row, path));
    const PageNumber leafNumber = path.back().page;
    const auto pos = static_cast<size_t>(path.back().slot);
    {
        const IndexPage& leaf = At(leafNumber);
        if (pos < leaf.Count() && CompareEntries(leaf.Key(pos), leaf.Row(pos), key, row) == 0)
            return Status::InvalidArgument("The index already holds an entry for this row.");
    }
    bool isNew = true;
    if (keyWasNew != nullptr) {
        Result<bool> present = KeyPresentBeside(At(leafNumber), pos, key);
        if (!present.ok())
            return present.status();
        isNew = !present.value();
    }
    // A new last entry is the leaf's new greatest, which the parents repeat;
    // the separators are put right before any split, which leaves it in place.
    IndexPage& leaf = At(leafNumber);
    leaf.Insert(pos, key, row);
    MarkDirty(leafNumber);
    if (pos + 1 == leaf.Count())
        JET_RETURN_IF_ERROR(UpdateSeparators(path, path.size() - 1));
    JET_RETURN_IF_ERROR(SplitOverfull(path));
    JET_RETURN_IF_ERROR(Commit());
    if (keyWasNew != nullptr)
        *keyWasNew = isNew;
    return Status::OK();
}

Status BTree::Remove(const std::vector<uint8_t>& key, RowId row)
{
    BeginChange();
    std::vector<PathStep> path;
    JET_RETURN_IF_ERROR(Descend(key, row, path));
    const size_t depth = path.size() - 1;
    const PageNumber leafNumber = path.back().page;
    const auto pos = static_cast<size_t>(path.back().slot);
    IndexPage& leaf = At(leafNumber);
    if (pos >= leaf.Count() || CompareEntries(leaf.Key(pos), leaf.Row(pos), key, row) != 0)
        return Status::NotFound("The index holds no entry for this row.");
    const bool wasLast = pos + 1 == leaf.Count();
    leaf.Erase(pos);
    MarkDirty(leafNumber);
    // A leaf inside the tree is never kept empty; the root, an empty index,
    // may be. Removing the last entry lowers the greatest one, which the parents repeat.
    if (leaf.Empty() && depth > 0)
        JET_RETURN_IF_ERROR(DropEmptyPage(path, depth));
    else if (wasLast && !leaf.Empty())
        JET_RETURN_IF_ERROR(UpdateSeparators(path, depth));
    return Commit();
}

Status BTree::DropEmptyPage(std::vector<PathStep>& path, size_t depth)
{
    if (!m_hooks.pageReleased)
        return Status::NotSupported("The index would give back a page, but its usage map cannot be updated.");
    // The page leaves the chain before it is given back, so no link ever
    // names a free page, and it is not written: its content no longer matters.
    const PageNumber number = path[depth].page;
    const PageNumber before = At(number).prev;
    const PageNumber after = At(number).next;
    if (before != 0) {
        Result<IndexPage*> page = Load(before);
        if (!page.ok())
            return page.status();
        page.value()->next = after;
        MarkDirty(before);
    }
    if (after != 0) {
        Result<IndexPage*> page = Load(after);
        if (!page.ok())
            return page.status();
        page.value()->prev = before;
        MarkDirty(after);
    }
    m_work.at(number).dirty = false;
    m_released.push_back(number);

    const PathStep& up = path[depth - 1];
    IndexPage& parent = At(up.page);
    // The parent loses the entry for the page, or, when the page was its tail,
    // its last entry's child becomes the tail; the parent's greatest entry is
    // then lower, which its own parent repeats.
    bool greatestChanged = false;
    if (up.slot < 0) {
        parent.tail = 0;
        if (!parent.Empty()) {
            parent.tail = parent.Child(parent.Count() - 1);
            parent.Erase(parent.Count() - 1);
            greatestChanged = true;
        }
    } else {
        const bool wasLastEntry = static_cast<size_t>(up.slot) + 1 == parent.Count();
        parent.Erase(static_cast<size_t>(up.slot));
        greatestChanged = wasLastEntry && parent.tail == 0 && !parent.Empty();
    }
    MarkDirty(up.page);
    if (parent.Empty() && parent.tail == 0) {
        if (depth - 1 > 0)
            return DropEmptyPage(path, depth - 1);
        // The whole index is empty again: the root becomes the single empty
        // leaf a new table's index starts with.
        parent.leaf = true;
        parent.level = 0;
        parent.prev = 0;
        parent.next = 0;
        parent.Clear();
        return Status::OK();
    }
    if (greatestChanged)
        return UpdateSeparators(path, depth - 1);
    return Status::OK();
}

// ---- Check ----

// The leaves in the order the walk meets them (key order, to compare their
// links after), and the last entry seen (order across leaves, duplicates).
struct BTree::CheckState {
    std::unordered_set<PageNumber> seen;
    std::vector<std::string>* problems = nullptr;
    size_t leafDepth = SIZE_MAX;
    struct Leaf {
        PageNumber number, prev, next;
    };
    std::vector<Leaf> leaves;
    bool hasPrevious = false;
    std::vector<uint8_t> previousKey;
    RowId previousRow;
    PageNumber previousPage = 0;
    size_t duplicates = 0;

    void Problem(PageNumber n, const std::string& what) { problems->push_back(PageText(n) + ": " + what); }
};

struct BTree::SubtreeMaximum {
    bool present = false;
    std::vector<uint8_t> key;
    RowId row;
};

Status BTree::Check(std::vector<std::string>& problems)
{
    CheckState state;
    state.problems = &problems;
    SubtreeMaximum rootMax;
    JET_RETURN_IF_ERROR(CheckSubtree(m_def.rootPage, 0, state, rootMax));
    CheckLeafChain(state);
    if (state.duplicates > 0)
        problems.push_back("unique index with root page " + std::to_string(m_def.rootPage) + " holds "
                           + std::to_string(state.duplicates) + " duplicate key(s)");
    return Status::OK();
}

Status BTree::CheckSubtree(PageNumber n, size_t depth, CheckState& state, SubtreeMaximum& max)
{
    if (depth > kMaxDepth) {
        state.Problem(n, "the tree is deeper than " + std::to_string(kMaxDepth) + " levels");
        return Status::OK();
    }
    if (n == 0 || n >= m_store.PageCount()) {
        state.Problem(n, "lies outside the file");
        return Status::OK();
    }
    if (!state.seen.insert(n).second) {
        state.Problem(n, "is reached twice in the tree");
        return Status::OK();
    }
    Page raw;
    const Status read = m_store.ReadPage(n, raw);
    if (!read.ok()) {
        // Only a page that cannot be read at all stops the check; damage is a problem like any other.
        if (!read.IsCorruption())
            return read;
        state.Problem(n, read.description());
        return Status::OK();
    }
    Result<IndexPage> decoded = DecodeIndexPage(raw, n);
    if (!decoded.ok()) {
        state.Problem(n, decoded.status().description());
        return Status::OK();
    }
    const IndexPage& page = decoded.value();
    CheckPageFields(n, page, state);
    if (page.leaf) {
        CheckLeaf(n, page, depth, state, max);
        return Status::OK();
    }
    return CheckNode(n, page, depth, state, max);
}

void BTree::CheckPageFields(PageNumber n, const IndexPage& page, CheckState& state) const
{
    if (m_def.tdefPage != 0 && page.owner != m_def.tdefPage)
        state.Problem(n,
                      "owner " + std::to_string(page.owner) + " is not the table definition page "
                          + std::to_string(m_def.tdefPage));
    if (page.storedFreeSpace != idx::kMaxEntryBytes - page.usedBytes)
        state.Problem(n,
                      "free space " + std::to_string(page.storedFreeSpace) + " does not match "
                          + std::to_string(page.usedBytes) + " bytes of entries");
    for (size_t i = 1; i < page.Count(); ++i) {
        if (CompareEntries(page.Key(i - 1), page.Row(i - 1), page.Key(i), page.Row(i)) >= 0) {
            state.Problem(n, "entry " + std::to_string(i) + " is not above the entry before it");
            break;
        }
    }
}

void BTree::CheckLeaf(PageNumber n, const IndexPage& page, size_t depth, CheckState& state, SubtreeMaximum& max) const
{
    if (page.level != 0)
        state.Problem(n, "leaf page has level byte " + std::to_string(page.level));
    if (state.leafDepth == SIZE_MAX)
        state.leafDepth = depth;
    else if (state.leafDepth != depth)
        state.Problem(
            n, "leaf at depth " + std::to_string(depth) + ", others at depth " + std::to_string(state.leafDepth));
    if (page.Empty() && depth > 0)
        state.Problem(n, "leaf inside the tree is empty");
    state.leaves.push_back({n, page.prev, page.next});
    const bool unique = m_def.IsUnique();
    for (size_t i = 0; i < page.Count(); ++i) {
        const KeyView key = page.Key(i);
        if (state.hasPrevious) {
            const auto order = CompareEntries(state.previousKey, state.previousRow, key, page.Row(i));
            if (order >= 0 && i == 0)
                state.Problem(n,
                              "first entry is not above the last entry of page " + std::to_string(state.previousPage));
            // Rows whose key columns are all null may share a key in a unique index.
            if (unique && CompareKeys(state.previousKey, key) == 0 && !IsAllNullKey(m_def.columns, state.previousKey))
                ++state.duplicates;
        }
        state.previousKey.assign(key.begin(), key.end());
        state.previousRow = page.Row(i);
        state.previousPage = n;
        state.hasPrevious = true;
    }
    if (!page.Empty()) {
        max.present = true;
        const KeyView last = page.Key(page.Count() - 1);
        max.key.assign(last.begin(), last.end());
        max.row = page.Row(page.Count() - 1);
    }
}

Status BTree::CheckNode(PageNumber n, const IndexPage& page, size_t depth, CheckState& state, SubtreeMaximum& max)
{
    if (page.Empty() && page.tail == 0) {
        state.Problem(n, "node page has no children");
        return Status::OK();
    }
    if (page.Count() >= 2 && page.tail == 0)
        state.Problem(n, "node page with several children does not use its tail pointer");
    for (size_t i = 0; i < page.Count(); ++i) {
        SubtreeMaximum childMax;
        JET_RETURN_IF_ERROR(CheckSubtree(page.Child(i), depth + 1, state, childMax));
        if (childMax.present && CompareEntries(childMax.key, childMax.row, page.Key(i), page.Row(i)) != 0)
            state.Problem(n,
                          "entry " + std::to_string(i) + " differs from the last entry below it (page "
                              + std::to_string(page.Child(i)) + ")");
        if (i + 1 == page.Count() && page.tail == 0)
            max = std::move(childMax);
    }
    // The tail has no entry here to compare with: its greatest entry is this page's, for the parent to check.
    if (page.tail != 0)
        JET_RETURN_IF_ERROR(CheckSubtree(page.tail, depth + 1, state, max));
    return Status::OK();
}

void BTree::CheckLeafChain(CheckState& state)
{
    // The walk met the leaves in key order, so each must link to its neighbours in that order and the
    // ends to nothing.
    const auto& leaves = state.leaves;
    for (size_t i = 0; i < leaves.size(); ++i) {
        const PageNumber expectedPrev = i == 0 ? 0 : leaves[i - 1].number;
        const PageNumber expectedNext = i + 1 == leaves.size() ? 0 : leaves[i + 1].number;
        if (leaves[i].prev != expectedPrev)
            state.Problem(leaves[i].number,
                          "previous-page link is " + std::to_string(leaves[i].prev) + ", expected "
                              + std::to_string(expectedPrev));
        if (leaves[i].next != expectedNext)
            state.Problem(leaves[i].number,
                          "next-page link is " + std::to_string(leaves[i].next) + ", expected "
                              + std::to_string(expectedNext));
    }
}

} // namespace jet
