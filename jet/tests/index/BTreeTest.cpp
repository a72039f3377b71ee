#include "index/BTree.h"

#include "index/IndexKey.h"
#include "index/MemoryPageStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>

namespace jet {
namespace {

using test::MemoryPageStore;

constexpr PageNumber kTdefPage = 99;

struct Entry {
    std::vector<uint8_t> key;
    RowId row;
    bool operator<(const Entry& o) const { return CompareEntries(key, row, o.key, o.row) < 0; }
    bool operator==(const Entry& o) const { return CompareEntries(key, row, o.key, o.row) == 0; }
};

std::vector<uint8_t> TextKey(const std::u16string& text)
{
    IndexKeyColumn column;
    column.type = ColumnType::kText;
    return EncodeIndexKey({column}, {Value(text)}).value();
}

// A fresh, empty index on an in-memory page store, with a model of what it
// should hold and the pages its usage map should list.
class BTreeTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_def.rootPage = m_store.AllocatePage(EmptyLeaf()).value();
        m_def.tdefPage = kTdefPage;
        m_def.columns.resize(1);
        m_def.columns[0].type = ColumnType::kText;
        m_hooks.pageAdded = [this](PageNumber n) {
            EXPECT_TRUE(m_owned.insert(n).second) << "page " << n << " added twice";
            return Status::OK();
        };
        m_hooks.pageReleased = [this](PageNumber n) {
            EXPECT_EQ(m_owned.erase(n), 1u) << "page " << n << " released but not owned";
            return Status::OK();
        };
        m_owned.insert(m_def.rootPage);
        m_tree = std::make_unique<BTree>(m_store, m_def, m_hooks);
    }

    static Page EmptyLeaf()
    {
        IndexPage leaf;
        leaf.owner = kTdefPage;
        Page raw;
        EXPECT_TRUE(EncodeIndexPage(leaf, raw).ok());
        return raw;
    }

    // Inserts, and checks the whole tree whenever the insert split a page.
    void Insert(const std::vector<uint8_t>& key, RowId row)
    {
        const size_t pagesBefore = m_owned.size();
        const Status s = m_tree->Insert(key, row);
        ASSERT_TRUE(s.ok()) << s.ToString();
        m_model.insert({key, row});
        if (m_owned.size() != pagesBefore && m_checkEverySplit)
            ExpectHealthy();
    }
    void Remove(const Entry& e)
    {
        const Status s = m_tree->Remove(e.key, e.row);
        ASSERT_TRUE(s.ok()) << s.ToString();
        m_model.erase(e);
    }

    std::vector<Entry> Walk()
    {
        std::vector<Entry> out;
        const Status s = m_tree->Walk([&](const std::vector<uint8_t>& key, RowId row) {
            out.push_back({key, row});
            return Status::OK();
        });
        EXPECT_TRUE(s.ok()) << s.ToString();
        return out;
    }

    // Pages reachable from the root, and the height of the tree.
    void Reachable(PageNumber n, size_t depth, std::set<PageNumber>& pages, size_t& height)
    {
        Result<IndexPage> page = DecodeIndexPage(m_store.raw(n), n);
        ASSERT_TRUE(page.ok());
        pages.insert(n);
        height = std::max(height, depth);
        if (page->leaf)
            return;
        for (size_t i = 0; i < page->Count(); ++i)
            Reachable(page->Child(i), depth + 1, pages, height);
        if (page->tail != 0)
            Reachable(page->tail, depth + 1, pages, height);
    }

    // The tree passes its own check, holds exactly the model, and the usage
    // map hooks were told of exactly the pages in use. Returns the height.
    size_t ExpectHealthy()
    {
        std::vector<std::string> problems;
        EXPECT_TRUE(m_tree->Check(problems).ok());
        for (const std::string& p : problems)
            ADD_FAILURE() << p;
        const std::vector<Entry> walked = Walk();
        EXPECT_TRUE(std::equal(walked.begin(), walked.end(), m_model.begin(), m_model.end()))
            << walked.size() << " entries walked, " << m_model.size() << " expected";
        std::set<PageNumber> pages;
        size_t height = 0;
        Reachable(m_def.rootPage, 0, pages, height);
        EXPECT_EQ(pages, m_owned);
        return height;
    }

    MemoryPageStore m_store{3};
    RealIndexDef m_def;
    BTreePageHooks m_hooks;
    std::unique_ptr<BTree> m_tree;
    std::set<Entry> m_model;
    std::set<PageNumber> m_owned;
    std::mt19937 m_random{1234};
    bool m_checkEverySplit = true;
};

std::u16string Postcode(std::mt19937& random)
{
    std::u16string s;
    s += static_cast<char16_t>(u'A' + random() % 26);
    s += static_cast<char16_t>(u'A' + random() % 26);
    s += static_cast<char16_t>(u'0' + random() % 10);
    s += static_cast<char16_t>(u'0' + random() % 10);
    s += u' ';
    s += static_cast<char16_t>(u'0' + random() % 10);
    s += static_cast<char16_t>(u'A' + random() % 26);
    s += static_cast<char16_t>(u'A' + random() % 26);
    return s;
}

TEST_F(BTreeTest, RandomInsertsStayOrderedThroughSplitsAndNewLevels)
{
    for (int i = 0; i < 6000; ++i) {
        Insert(TextKey(Postcode(m_random)), RowId{static_cast<uint32_t>(100 + i / 200), static_cast<uint8_t>(i)});
        if (i % 500 == 499)
            ExpectHealthy();
    }
    EXPECT_GE(ExpectHealthy(), 1u);
    EXPECT_EQ(m_def.rootPage, 3u);
    EXPECT_GE(m_owned.size(), 30u);
}

TEST_F(BTreeTest, AscendingAndDescendingRunsFillTheEdges)
{
    for (int i = 0; i < 3000; ++i)
        Insert(TextKey(u"K" + std::u16string(1, static_cast<char16_t>(u'A' + i / 100)) + u"-"
                       + std::u16string(1, static_cast<char16_t>(u'A' + i % 26))),
               RowId{static_cast<uint32_t>(5000 - i), 0});
    for (int i = 0; i < 3000; ++i)
        Insert(std::vector<uint8_t>{0x7F, 0x10, static_cast<uint8_t>(255 - i / 256), static_cast<uint8_t>(i)},
               RowId{7, 0});
    EXPECT_GE(ExpectHealthy(), 1u);
}

TEST_F(BTreeTest, DuplicateKeysSpanLeavesInRowOrder)
{
    const std::vector<uint8_t> key = TextKey(u"BT12 8YY");
    bool keyWasNew = false;
    for (uint32_t i = 0; i < 1500; ++i) {
        const RowId row{2000 - i, static_cast<uint8_t>(i % 7)};
        ASSERT_TRUE(m_tree->Insert(key, row, &keyWasNew).ok());
        EXPECT_EQ(keyWasNew, i == 0);
        m_model.insert({key, row});
        // Neighbours so that the duplicates sit between other keys.
        Insert(TextKey(u"A" + std::u16string(1, static_cast<char16_t>(u'A' + i % 20))), RowId{i + 1, 0});
        Insert(TextKey(u"Z" + std::u16string(1, static_cast<char16_t>(u'A' + i % 20))), RowId{i + 1, 0});
    }
    ExpectHealthy();
    Result<std::optional<RowId>> first = m_tree->FindFirst(key);
    ASSERT_TRUE(first.ok());
    EXPECT_EQ(first.value(), std::optional<RowId>(RowId{501, 1}));

    std::vector<RowId> rows;
    ASSERT_TRUE(m_tree
                    ->ScanEqual(key, RowId{1000, 0},
                                [&](RowId row) -> Result<bool> {
                                    rows.push_back(row);
                                    return true;
                                })
                    .ok());
    std::vector<RowId> expected;
    for (const Entry& e : m_model) {
        if (e.key == key && !(e.row < RowId{1000, 0}))
            expected.push_back(e.row);
    }
    EXPECT_EQ(rows, expected);
    EXPECT_FALSE(m_tree->FindFirst(TextKey(u"BT12 8YZ")).value().has_value());
}

TEST_F(BTreeTest, LongKeysAndMaximalKeys)
{
    for (int i = 0; i < 400; ++i) {
        std::u16string text;
        for (int c = 0; c < 255; ++c)
            text += static_cast<char16_t>(u'a' + m_random() % 3);
        Insert(TextKey(text), RowId{10, static_cast<uint8_t>(i)});
    }
    for (int i = 0; i < 40; ++i) {
        std::vector<uint8_t> key(kMaxIndexKeyLength, static_cast<uint8_t>(m_random()));
        key[0] = 0x7F;
        Insert(key, RowId{20, static_cast<uint8_t>(i)});
    }
    EXPECT_GE(ExpectHealthy(), 2u);
    EXPECT_EQ(m_tree->Insert(std::vector<uint8_t>(kMaxIndexKeyLength + 1, 0x7F), RowId{1, 1}).kind(),
              Status::Kind::kInvalidArgument);
}

TEST_F(BTreeTest, AKeyBreakingAHeavilyCompressedLeafSplitsItSeveralWays)
{
    // 300 entries sharing a 90-byte prefix fit one compressed leaf...
    std::vector<uint8_t> common(90, 0x55);
    common[0] = 0x7F;
    for (int i = 0; i < 300; ++i) {
        std::vector<uint8_t> key = common;
        key.push_back(static_cast<uint8_t>(i >> 8));
        key.push_back(static_cast<uint8_t>(i));
        Insert(key, RowId{30, static_cast<uint8_t>(i)});
    }
    EXPECT_EQ(ExpectHealthy(), 0u);
    // ...until a key without that prefix arrives: the page no longer compresses
    // and must give far more than half of its entries away.
    Insert(std::vector<uint8_t>{0x7F, 0x01}, RowId{31, 0});
    EXPECT_EQ(ExpectHealthy(), 1u);
    EXPECT_EQ(m_owned.size(), 3u);
    for (int i = 0; i < 40; ++i)
        Insert(std::vector<uint8_t>{0x7F, 0x02, static_cast<uint8_t>(i)}, RowId{32, static_cast<uint8_t>(i)});
    EXPECT_EQ(ExpectHealthy(), 1u);
}

TEST_F(BTreeTest, RemovingEntriesGivesEmptyPagesBack)
{
    std::vector<Entry> inserted;
    for (int i = 0; i < 4000; ++i) {
        Entry e{TextKey(Postcode(m_random)), RowId{static_cast<uint32_t>(50 + i / 100), static_cast<uint8_t>(i)}};
        Insert(e.key, e.row);
        inserted.push_back(e);
    }
    ExpectHealthy();
    std::shuffle(inserted.begin(), inserted.end(), m_random);
    for (size_t i = 0; i < inserted.size(); ++i) {
        Remove(inserted[i]);
        if (i % 400 == 399)
            ExpectHealthy();
    }
    EXPECT_EQ(ExpectHealthy(), 0u);
    EXPECT_EQ(m_owned, std::set<PageNumber>{m_def.rootPage});
    // The emptied index takes entries again.
    Insert(TextKey(u"AB1 0LT"), RowId{60, 1});
    ExpectHealthy();
}

TEST_F(BTreeTest, RemovingInKeyOrderAndReverseKeyOrder)
{
    for (int i = 0; i < 3000; ++i)
        Insert(TextKey(Postcode(m_random)), RowId{static_cast<uint32_t>(70 + i / 100), static_cast<uint8_t>(i)});
    std::vector<Entry> sorted(m_model.begin(), m_model.end());
    for (size_t i = 0; i < sorted.size(); i += 2)
        Remove(sorted[i]); // every other entry, low to high
    ExpectHealthy();
    for (size_t i = sorted.size(); i-- > 0;) {
        if (i % 2 == 1)
            Remove(sorted[i]); // the rest, high to low
    }
    EXPECT_EQ(ExpectHealthy(), 0u);
}

TEST_F(BTreeTest, ChangingAKeyMovesTheEntry)
{
    for (int i = 0; i < 2000; ++i)
        Insert(TextKey(Postcode(m_random)), RowId{static_cast<uint32_t>(80 + i / 100), static_cast<uint8_t>(i)});
    const Entry old = *std::next(m_model.begin(), 700);
    Remove(old);
    Insert(TextKey(u"ZZ99 9ZZ"), old.row);
    ExpectHealthy();
    EXPECT_EQ(m_tree->FindFirst(TextKey(u"ZZ99 9ZZ")).value(), std::optional<RowId>(old.row));
}

TEST_F(BTreeTest, RefusedChangesLeaveEveryPageAsItWas)
{
    for (int i = 0; i < 1500; ++i)
        Insert(TextKey(Postcode(m_random)), RowId{static_cast<uint32_t>(90 + i / 100), static_cast<uint8_t>(i)});
    const std::vector<Page> before = m_store.pages();
    const Entry existing = *m_model.begin();

    EXPECT_EQ(m_tree->Insert(existing.key, existing.row).kind(), Status::Kind::kInvalidArgument);
    EXPECT_EQ(m_tree->Remove(existing.key, RowId{1, 1}).kind(), Status::Kind::kNotFound);
    EXPECT_EQ(m_tree->Remove(TextKey(u"not there"), existing.row).kind(), Status::Kind::kNotFound);
    EXPECT_EQ(m_tree->Insert(existing.key, RowId{0x1000000, 0}).kind(), Status::Kind::kInvalidArgument);
    EXPECT_TRUE(m_store.pages() == before);
    ExpectHealthy();
}

TEST_F(BTreeTest, WithoutHooksOrSpaceAChangeNeedingPagesFailsCleanly)
{
    for (int i = 0; i < 2000; ++i)
        Insert(TextKey(Postcode(m_random)), RowId{static_cast<uint32_t>(90 + i / 100), static_cast<uint8_t>(i)});
    const std::vector<Page> before = m_store.pages();
    BTree bare(m_store, m_def);
    int refused = 0;
    for (int i = 0; i < 400 && refused == 0; ++i) {
        const Status s = bare.Insert(TextKey(Postcode(m_random)), RowId{500, static_cast<uint8_t>(i)});
        if (!s.ok()) {
            EXPECT_EQ(s.kind(), Status::Kind::kNotSupported);
            ++refused;
        } else {
            // A change that fits its leaf needs no hook; keep the model in step.
            m_model.clear();
        }
    }
    EXPECT_EQ(refused, 1);
    EXPECT_EQ(m_store.PageCount(), before.size());

    m_store.failAllocation = true;
    const std::vector<Page> stillBefore = m_store.pages();
    Status s = Status::OK();
    for (int i = 0; i < 400 && s.ok(); ++i)
        s = m_tree->Insert(TextKey(Postcode(m_random)), RowId{600, static_cast<uint8_t>(i)});
    EXPECT_EQ(s.kind(), Status::Kind::kIOError);
}

// ---- Hostile trees ----

class BTreeDamageTest : public BTreeTest {
protected:
    void SetUp() override
    {
        BTreeTest::SetUp();
        for (int i = 0; i < 1500; ++i)
            Insert(TextKey(Postcode(m_random)), RowId{static_cast<uint32_t>(40 + i / 100), static_cast<uint8_t>(i)});
        ASSERT_EQ(ExpectHealthy(), 1u);
        m_root = DecodeIndexPage(m_store.raw(m_def.rootPage), m_def.rootPage).value();
        ASSERT_GE(m_root.Count(), 2u);
    }
    void WriteRoot() { ASSERT_TRUE(EncodeIndexPage(m_root, m_store.raw(m_def.rootPage)).ok()); }
    std::vector<std::string> Problems()
    {
        std::vector<std::string> problems;
        EXPECT_TRUE(m_tree->Check(problems).ok());
        return problems;
    }
    IndexPage m_root;
};

TEST_F(BTreeDamageTest, APageLeadingBackToTheRootIsCorruptionNotAHang)
{
    // Turn the first leaf into a node whose only child is the root.
    const PageNumber leafNumber = m_root.Child(0);
    Result<IndexPage> leaf = DecodeIndexPage(m_store.raw(leafNumber), leafNumber);
    ASSERT_TRUE(leaf.ok());
    const std::vector<uint8_t> key(leaf->Key(0).begin(), leaf->Key(0).end());
    IndexPage loop;
    loop.leaf = false;
    loop.owner = kTdefPage;
    loop.Insert(0, key, leaf->Row(0), m_def.rootPage);
    ASSERT_TRUE(EncodeIndexPage(loop, m_store.raw(leafNumber)).ok());

    EXPECT_TRUE(m_tree->Walk([](const std::vector<uint8_t>&, RowId) { return Status::OK(); }).IsCorruption());
    EXPECT_TRUE(m_tree->FindFirst(key).status().IsCorruption());
    EXPECT_TRUE(m_tree->Insert(key, RowId{1, 0}).IsCorruption());
    EXPECT_TRUE(m_tree->Remove(key, leaf->Row(0)).IsCorruption());
    EXPECT_FALSE(Problems().empty());
}

TEST_F(BTreeDamageTest, AChildOutsideTheFileIsCorruption)
{
    const std::vector<uint8_t> key(m_root.Key(0).begin(), m_root.Key(0).end());
    m_root.SetChild(0, 0x00FFFFFF);
    WriteRoot();
    EXPECT_TRUE(m_tree->Walk([](const std::vector<uint8_t>&, RowId) { return Status::OK(); }).IsCorruption());
    EXPECT_TRUE(m_tree->FindFirst(key).status().IsCorruption());
    EXPECT_TRUE(m_tree->Insert(key, RowId{1, 0}).IsCorruption());
    EXPECT_FALSE(Problems().empty());
}

struct TreeDamage {
    const char* name;
    std::function<void(IndexPage& root, IndexPage& firstLeaf)> apply;
    bool rawFreeSpace = false;
};

void PrintTo(const TreeDamage& c, std::ostream* os)
{
    *os << c.name;
}

class BTreeCheckTest : public BTreeDamageTest, public testing::WithParamInterface<TreeDamage> { };

TEST_P(BTreeCheckTest, ReportsTheDamage)
{
    const PageNumber leafNumber = m_root.Child(0);
    IndexPage leaf = DecodeIndexPage(m_store.raw(leafNumber), leafNumber).value();
    GetParam().apply(m_root, leaf);
    WriteRoot();
    ASSERT_TRUE(EncodeIndexPage(leaf, m_store.raw(leafNumber)).ok());
    if (GetParam().rawFreeSpace)
        m_store.raw(leafNumber)[idx::kFreeSpace] ^= 0x01;
    EXPECT_FALSE(Problems().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Trees, BTreeCheckTest,
    testing::Values(TreeDamage{"brokenNextLink", [](IndexPage&, IndexPage& leaf) { leaf.next = 0; }},
                    TreeDamage{"brokenPrevLink", [](IndexPage&, IndexPage& leaf) { leaf.prev = 5; }},
                    TreeDamage{"staleSeparator",
                               [](IndexPage& root, IndexPage&) {
                                   root.Replace(0, std::vector<uint8_t>{0x7F, 0xFE}, {1, 1});
                               }},
                    TreeDamage{"entriesOutOfOrder",
                               [](IndexPage&, IndexPage& leaf) {
                                   const std::vector<uint8_t> first(leaf.Key(0).begin(), leaf.Key(0).end());
                                   const RowId row = leaf.Row(0);
                                   leaf.Erase(0);
                                   leaf.Insert(3, first, row);
                               }},
                    TreeDamage{"otherOwner", [](IndexPage&, IndexPage& leaf) { leaf.owner = 12; }},
                    TreeDamage{"tailNotUsed",
                               [](IndexPage& root, IndexPage&) {
                                   const PageNumber tail = root.tail;
                                   root.Insert(root.Count(), std::vector<uint8_t>{0x7F, 0xFF, 0xFF}, {0xFFFF, 0}, tail);
                                   root.tail = 0;
                               }},
                    TreeDamage{"freeSpaceField", [](IndexPage&, IndexPage&) {}, true}),
    [](const testing::TestParamInfo<TreeDamage>& info) { return std::string(info.param.name); });

} // namespace
} // namespace jet
