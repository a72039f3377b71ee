#pragma once

#include "index/IndexDef.h"
#include "index/IndexPage.h"
#include "io/PageStore.h"

#include <jet/Status.h>

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace jet {

// Callbacks through which the table layer keeps an index's usage map in step
// when the tree gains or loses pages.
struct BTreePageHooks {
    // A page the tree now uses (already allocated through PageStore::AllocatePage
    // and written): set it in the index's usage map.
    std::function<Status(PageNumber)> pageAdded;
    // A page the tree no longer uses: clear it from the index's usage map and
    // give it back.
    std::function<Status(PageNumber)> pageReleased;
};

// One real index of a table: a B+-tree of index pages whose root page never
// changes. Walk and FindFirst only read; Insert and Remove change pages
// through the PageStore, all of them at the end of the call, so a refused or
// failed change leaves every existing page as it was (pages allocated before
// a failure stay allocated but unused). Every page number read from the file
// is checked and every walk is bounded, so a hostile file gives Corruption.
// Not thread-safe; at most one BTree may change a given index at a time.
class BTree {
public:
    // `store` and `def` must outlive the BTree.
    BTree(PageStore& store, const RealIndexDef& def, BTreePageHooks hooks = {});
    BTree(const BTree&) = delete;
    BTree& operator=(const BTree&) = delete;

    using Visitor = std::function<Status(const std::vector<uint8_t>& key, RowId row)>;

    // Calls `visit` for every leaf entry in index order (key, then row pointer).
    // Stops at and returns the first non-OK status of `visit`.
    Status Walk(const Visitor& visit);

    // Row pointer of the first entry whose key bytes equal `key` (the lowest row
    // pointer among duplicates), or nullopt when there is none.
    Result<std::optional<RowId>> FindFirst(const std::vector<uint8_t>& key);

    // Calls `visit` with the row pointer of every entry whose key bytes equal
    // `key` and whose row pointer is not below `from`, in row-pointer order,
    // until `visit` returns false or fails (its failure is returned).
    Status ScanEqual(const std::vector<uint8_t>& key, RowId from, const std::function<Result<bool>(RowId)>& visit);

    // Adds the entry (key, row). Returns InvalidArgument if that exact entry is
    // already present or the key is longer than kMaxIndexKeyLength, and
    // NotSupported if the tree needs a new page but no pageAdded hook was given.
    // Uniqueness is not checked here: the caller checks every index before
    // changing any. `keyWasNew`, when given, tells whether no entry with the
    // same key bytes existed (for the unique-entry count).
    Status Insert(const std::vector<uint8_t>& key, RowId row, bool* keyWasNew = nullptr);

    // Removes the entry (key, row). Returns NotFound if it is not present, and
    // NotSupported if a page becomes empty and no pageReleased hook was given.
    Status Remove(const std::vector<uint8_t>& key, RowId row);

    // Checks the tree's structure: page types, owner, free-space fields and
    // level bytes, entry order within pages and across the leaf chain, the
    // leaf chain links, node separators, tail pointers, equal depth of leaves,
    // and for unique indexes duplicate keys (rows with all key columns null
    // excepted). Appends one line per problem. Returns non-OK only when the
    // check could not run (an I/O error); damage is reported as problems.
    Status Check(std::vector<std::string>& problems);

    // Deepest tree this code accepts; a deeper one is taken as damage (or a
    // loop of child pointers). Even two entries a page reach 2^24 pages, the
    // most a file holds, in 24 levels.
    static constexpr size_t kMaxDepth = 32;

private:
    struct PathStep {
        PageNumber page;
        long slot; // entry followed to the next level, -1 for the tail page
    };
    struct Working {
        IndexPage page;
        bool dirty = false;
    };

    Result<IndexPage> ReadIndexPage(PageNumber n);
    // Like ReadIndexPage without copying: node pages come from a cache that is
    // checked against the page's version stamp (or its bytes), so writes by
    // anyone else are noticed. A leaf is decoded, or, when `leaf` is given,
    // only set up for searching in place (*leaf set, nullptr returned) on the
    // store's own page. Results stay valid until the next call on the tree or
    // the store.
    Result<const IndexPage*> ViewIndexPage(PageNumber n, LeafView** leaf = nullptr);
    // The leaf holding the first entry not below (key, row), and that
    // entry's position (possibly Count()).
    Status SeekLeaf(KeyView key, RowId row, LeafView*& leaf, PageNumber& number, size_t& pos);
    Status CheckChild(PageNumber parent, PageNumber child) const;

    // Per-call working set of decoded pages; written back by Commit().
    void BeginChange();
    Result<IndexPage*> Load(PageNumber n);
    IndexPage& At(PageNumber n) { return m_work.at(n).page; }
    void MarkDirty(PageNumber n) { m_work.at(n).dirty = true; }
    Result<PageNumber> NewPage(bool leaf, uint8_t level);
    Status Commit();

    Status Descend(KeyView key, RowId row, std::vector<PathStep>& path);
    Status UpdateSeparators(const std::vector<PathStep>& path, size_t depth);
    Status SplitOverfull(std::vector<PathStep>& path);
    Status GrowRoot(std::vector<PathStep>& path);
    Status PeelLeft(std::vector<PathStep>& path, size_t depth);
    Status DropEmptyPage(std::vector<PathStep>& path, size_t depth);
    Status SubtreeMax(PageNumber n, std::vector<uint8_t>& key, RowId& row);
    Status Normalize(PageNumber n);
    Result<bool> KeyPresentBeside(const IndexPage& leaf, size_t pos, KeyView key);

    // The steps of Check(): a subtree, then the fields every index page has,
    // a leaf, a node, and after the walk the links of the leaf chain.
    struct CheckState;
    struct SubtreeMaximum;
    Status CheckSubtree(PageNumber n, size_t depth, CheckState& state, SubtreeMaximum& max);
    void CheckPageFields(PageNumber n, const IndexPage& page, CheckState& state) const;
    void CheckLeaf(PageNumber n, const IndexPage& page, size_t depth, CheckState& state, SubtreeMaximum& max) const;
    Status CheckNode(PageNumber n, const IndexPage& page, size_t depth, CheckState& state, SubtreeMaximum& max);
    static void CheckLeafChain(CheckState& state);

    PageStore& m_store;
    const RealIndexDef& m_def;
    BTreePageHooks m_hooks;

    struct CachedNode {
        std::optional<uint64_t> version; // the store's stamp; without one, `raw` is compared
        Page raw;
        IndexPage page;
    };
    bool IsCurrent(const CachedNode& node, PageNumber n, const Page& now) const;
    void RememberNode(PageNumber n, const Page& raw, const IndexPage& page);
    static constexpr size_t kNodeCacheLimit = 1024;
    std::map<PageNumber, CachedNode> m_nodeCache;
    Page m_raw; // a leaf changed in place on its way to the store
    // The leaf last searched in place: page m_leafPage (0: none) as of
    // version m_leafVersion.
    LeafView m_leaf;
    PageNumber m_leafPage = 0;
    std::optional<uint64_t> m_leafVersion;
    IndexPage m_leafView;

    std::map<PageNumber, Working> m_work;
    std::vector<PageNumber> m_added;
    std::vector<PageNumber> m_released;
};

} // namespace jet
