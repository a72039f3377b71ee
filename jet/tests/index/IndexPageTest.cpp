#include "index/IndexPage.h"

#include "util/Coding.h"

#include "helpers/Fixtures.h"
#include "helpers/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace jet {
namespace {

// Raw pages of a fixture file (the Access-made files are not encrypted).
class FixturePages {
public:
    explicit FixturePages(const std::string& relative)
        : m_bytes(jet::test::ReadFileBytes(jet::test::FixtureFilePath(relative)))
    { }
    size_t count() const { return m_bytes.size() / kPageSize; }
    Page Get(PageNumber n) const
    {
        Page p{};
        if ((n + 1) * kPageSize <= m_bytes.size())
            std::copy_n(m_bytes.begin() + static_cast<std::ptrdiff_t>(n * kPageSize), kPageSize, p.begin());
        return p;
    }

private:
    std::vector<uint8_t> m_bytes;
};

class IndexPageFixtureTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (!jet::test::FixturesAvailable())
            GTEST_SKIP() << "shared fixtures not present";
    }
};

TEST_F(IndexPageFixtureTest, DecodesTheTwoLevelDescendingIndexAccessWrote)
{
    const FixturePages file("fixtures/access2000/compIndexTestV2000.mdb");
    Result<IndexPage> node = DecodeIndexPage(file.Get(29), 29);
    ASSERT_TRUE(node.ok()) << node.status().ToString();
    EXPECT_FALSE(node->leaf);
    EXPECT_EQ(node->owner, 15u);
    EXPECT_EQ(node->tail, 33u);
    ASSERT_EQ(node->Count(), 1u);
    EXPECT_EQ(std::vector<uint8_t>(node->Key(0).begin(), node->Key(0).end()),
              (std::vector<uint8_t>{0x80, 0x7F, 0xFF, 0xFF, 0xEC}));
    EXPECT_EQ(node->Row(0), (RowId{17, 0}));
    EXPECT_EQ(node->Child(0), 32u);

    Result<IndexPage> leaf = DecodeIndexPage(file.Get(32), 32);
    ASSERT_TRUE(leaf.ok()) << leaf.status().ToString();
    EXPECT_TRUE(leaf->leaf);
    EXPECT_EQ(leaf->storedPrefixLength, 3u);
    EXPECT_EQ(leaf->Count(), 510u);
    EXPECT_EQ(leaf->next, 33u);
    EXPECT_EQ(leaf->storedFreeSpace, idx::kMaxEntryBytes - leaf->usedBytes);
    // The node's separator is the last entry of its child.
    EXPECT_TRUE(CompareEntries(leaf->Key(509), leaf->Row(509), node->Key(0), node->Row(0)) == 0);
}

// Re-encoding a decoded page gives the engine's bytes back, prefix choice included.
class IndexPageRoundTripTest : public testing::TestWithParam<std::string> { };

TEST_P(IndexPageRoundTripTest, EveryIndexPageReencodesToTheSameBytes)
{
    if (!jet::test::FixturesAvailable())
        GTEST_SKIP() << "shared fixtures not present";
    const FixturePages file(GetParam());
    int pages = 0;
    for (PageNumber n = 1; n < file.count(); ++n) {
        const Page raw = file.Get(n);
        if ((raw[0] != idx::kNodePage && raw[0] != idx::kLeafPage) || raw[1] != 0x01)
            continue;
        Result<IndexPage> page = DecodeIndexPage(raw, n);
        ASSERT_TRUE(page.ok()) << page.status().ToString();
        if (!page->leaf && page->storedPrefixLength != 0)
            continue; // node pages are always written uncompressed here
        Page again;
        ASSERT_TRUE(EncodeIndexPage(page.value(), again).ok());
        // Unused bytes after the entries are not always zero in engine-written pages.
        const size_t used = idx::kEntries + page->usedBytes;
        EXPECT_TRUE(std::equal(raw.begin(), raw.begin() + static_cast<std::ptrdiff_t>(used), again.begin()))
            << "page " << n;
        ++pages;
    }
    EXPECT_GT(pages, 0);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, IndexPageRoundTripTest,
                         testing::Values("fixtures/access2000/compIndexTestV2000.mdb",
                                         "fixtures/access2000/testUnicodeCompV2003.mdb",
                                         "fixtures/access2000/testIndexPropertiesV2000.mdb",
                                         "fixtures/jet4/dataset/PAF_FULL.dat", "fixtures/jet4/dataset/PAF_POSTZON.dat",
                                         "fixtures/jet4/format/text_index_chars.mdb"),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param.substr(info.param.rfind('/') + 1);
                             for (char& c : name)
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

// ---- Hand-made pages ----

IndexPage Leaf(std::initializer_list<std::vector<uint8_t>> keys)
{
    IndexPage page;
    page.owner = 7;
    uint8_t row = 0;
    for (const auto& key : keys)
        page.Insert(page.Count(), key, RowId{100, row++});
    return page;
}

TEST(IndexPageTest, FullLeafPagesStoreTheCommonPrefixOnce)
{
    IndexPage page;
    std::vector<uint8_t> key(40, 0x4A);
    key[0] = 0x7F;
    for (int i = 0; i < 100; ++i) {
        key.back() = static_cast<uint8_t>(0x50 + i);
        page.Insert(page.Count(), key, RowId{200, static_cast<uint8_t>(i)});
        if (i == 50) {
            EXPECT_EQ(page.PrefixLength(page.Count()), 0u); // still fits without compression
        }
    }
    ASSERT_GT(44u * 100, idx::kMaxEntryBytes);
    ASSERT_TRUE(page.Fits());
    Page raw;
    ASSERT_TRUE(EncodeIndexPage(page, raw).ok());
    EXPECT_EQ(raw[idx::kPrefixLength], 39);
    EXPECT_EQ(page.EncodedSize(), 44u * 100 - 39 * 99);
    Result<IndexPage> back = DecodeIndexPage(raw, 5);
    ASSERT_TRUE(back.ok());
    ASSERT_EQ(back->Count(), page.Count());
    for (size_t i = 0; i < page.Count(); ++i) {
        EXPECT_TRUE(CompareEntries(back->Key(i), back->Row(i), page.Key(i), page.Row(i)) == 0);
    }
    EXPECT_EQ(back->storedFreeSpace, idx::kMaxEntryBytes - page.EncodedSize());
}

TEST(IndexPageTest, RefusesEntriesThatDoNotFit)
{
    IndexPage page;
    for (int i = 0; i < 400; ++i)
        page.Insert(page.Count(),
                    std::vector<uint8_t>{0x7F, static_cast<uint8_t>(i >> 8), static_cast<uint8_t>(i), 1, 2, 3, 4, 5},
                    RowId{1, 0});
    ASSERT_FALSE(page.Fits());
    Page raw;
    EXPECT_EQ(EncodeIndexPage(page, raw).kind(), Status::Kind::kInvalidArgument);
}

TEST(IndexPageTest, APrefixReachingIntoTheRowPointerIsUndone)
{
    // Three entries of key 7F 01 on data page 0x000102, rows 5, 6, 7: the
    // shared prefix covers the key and two bytes of the page number.
    Page raw{};
    raw[0] = idx::kLeafPage;
    raw[1] = 0x01;
    raw[idx::kPrefixLength] = 5;
    const uint8_t data[] = {0x7F, 0x01, 0x00, 0x01, 0x02, 0x05, 0x06, 0x07};
    std::copy(std::begin(data), std::end(data), raw.begin() + idx::kEntries);
    for (int end : {6, 7, 8})
        raw[idx::kBitmap + end / 8] |= static_cast<uint8_t>(1u << (end % 8));
    StoreU16(&raw[idx::kFreeSpace], idx::kMaxEntryBytes - 8);

    Result<IndexPage> page = DecodeIndexPage(raw, 4);
    ASSERT_TRUE(page.ok()) << page.status().ToString();
    ASSERT_EQ(page->Count(), 3u);
    LeafView view;
    ASSERT_TRUE(view.Init(raw, 4).ok());
    ASSERT_EQ(view.Count(), 3u);
    const std::vector<uint8_t> key{0x7F, 0x01};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(page->Row(i), (RowId{0x102, static_cast<uint8_t>(5 + i)}));
        EXPECT_EQ(view.Row(i), page->Row(i));
        EXPECT_TRUE(view.KeyEquals(i, key));
        EXPECT_EQ(std::vector<uint8_t>(page->Key(i).begin(), page->Key(i).end()), key);
    }
    EXPECT_EQ(view.LowerBound(key, RowId{0x102, 6}), 1u);
    EXPECT_EQ(view.LowerBound(std::vector<uint8_t>{0x7F, 0x01, 0x00}, RowId{}), 3u);
    EXPECT_EQ(view.LowerBound(std::vector<uint8_t>{0x7F}, RowId{}), 0u);
}

// An entry added in place gives the very bytes of decoding, inserting and
// encoding again, on plain and prefix-compressed leaves; where the page would
// change shape (a new first or last entry, compression switched, no room) the
// page is left alone.
TEST(IndexPageTest, InsertingInPlaceMatchesReencoding)
{
    std::mt19937 rng(7);
    int inPlace = 0;
    int compressedInPlace = 0;
    int declined = 0;
    for (int round = 0; round < 400; ++round) {
        // Keys share `common` leading bytes; long shared parts and many
        // entries make pages that only fit compressed.
        const size_t common = rng() % 12;
        const size_t entries = 20 + rng() % 500;
        std::vector<std::vector<uint8_t>> keys;
        const auto randomKey = [&] {
            std::vector<uint8_t> key(common, 0x41);
            key.insert(key.begin(), 0x7F);
            const size_t rest = 1 + rng() % 8;
            for (size_t k = 0; k < rest; ++k)
                key.push_back(static_cast<uint8_t>(0x40 + rng() % 4));
            return key;
        };
        // Fill to a random size, up to a little past what fits uncompressed.
        const size_t target = 1500 + rng() % 2800;
        size_t uncompressed = 0;
        while (keys.size() < entries && uncompressed < target) {
            keys.push_back(randomKey());
            uncompressed += keys.back().size() + idx::kRowPointerLength;
        }
        std::sort(keys.begin(), keys.end());
        IndexPage page;
        page.owner = 9;
        page.prev = 40;
        page.next = 42;
        for (size_t i = 0; i < keys.size(); ++i)
            page.Insert(page.Count(), keys[i], RowId{static_cast<uint32_t>(100 + rng() % 3), static_cast<uint8_t>(i)});
        if (!page.Fits())
            continue;
        Page raw;
        ASSERT_TRUE(EncodeIndexPage(page, raw).ok());

        const std::vector<uint8_t> key = randomKey();
        const RowId row{static_cast<uint32_t>(100 + rng() % 3), static_cast<uint8_t>(rng() % 256)};
        Page changed = raw;
        LeafView view;
        ASSERT_TRUE(view.Init(changed, 41).ok());
        const size_t pos = view.LowerBound(key, row);
        if (pos < page.Count() && CompareEntries(page.Key(pos), page.Row(pos), key, row) == 0)
            continue;
        const bool done = view.InsertInPlace(changed, pos, key, row);
        page.Insert(pos, key, row);
        if (!done) {
            EXPECT_EQ(changed, raw);
            ++declined;
            continue;
        }
        ASSERT_TRUE(page.Fits());
        Page expected;
        ASSERT_TRUE(EncodeIndexPage(page, expected).ok());
        ASSERT_EQ(changed, expected) << "round " << round << " at " << pos << " of " << page.Count();
        ++inPlace;
        if (raw[idx::kPrefixLength] != 0)
            ++compressedInPlace;
    }
    EXPECT_GT(inPlace, 100);
    EXPECT_GT(compressedInPlace, 20);
    EXPECT_GT(declined, 10);
}

// The in-place search agrees with the decoded page on every fixture leaf.
TEST_F(IndexPageFixtureTest, LeafViewAgreesWithTheDecodedPage)
{
    const FixturePages file("fixtures/jet4/dataset/PAF_FULL.dat");
    int leaves = 0;
    for (PageNumber n = 1; n < file.count(); ++n) {
        const Page raw = file.Get(n);
        if (raw[0] != idx::kLeafPage || raw[1] != 0x01)
            continue;
        const IndexPage page = DecodeIndexPage(raw, n).value();
        LeafView view;
        ASSERT_TRUE(view.Init(raw, n).ok());
        ASSERT_EQ(view.Count(), page.Count());
        for (size_t i = 0; i < page.Count(); ++i) {
            ASSERT_EQ(view.Row(i), page.Row(i));
            ASSERT_TRUE(view.KeyEquals(i, page.Key(i)));
            ASSERT_EQ(view.LowerBound(page.Key(i), page.Row(i)), page.LowerBound(page.Key(i), page.Row(i)));
        }
        ++leaves;
    }
    EXPECT_GT(leaves, 10);
}

struct Damage {
    const char* name;
    std::function<void(Page&)> apply;
};

void PrintTo(const Damage& c, std::ostream* os)
{
    *os << c.name;
}

class IndexPageDamageTest : public testing::TestWithParam<Damage> { };

TEST_P(IndexPageDamageTest, IsReportedAsCorruption)
{
    Page raw;
    ASSERT_TRUE(EncodeIndexPage(Leaf({{0x7F, 1}, {0x7F, 2}, {0x7F, 3}}), raw).ok());
    GetParam().apply(raw);
    Result<IndexPage> page = DecodeIndexPage(raw, 9);
    ASSERT_FALSE(page.ok());
    EXPECT_TRUE(page.status().IsCorruption());
    EXPECT_NE(page.status().description().find("index page 9"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Pages, IndexPageDamageTest,
                         testing::Values(Damage{"dataPageType", [](Page& p) { p[0] = 0x01; }},
                                         Damage{"secondTypeByte", [](Page& p) { p[1] = 0x00; }},
                                         Damage{"endBeyondData", [](Page& p) { p[idx::kBitmap + 452] = 0x80; }},
                                         Damage{"emptyFirstEntry", [](Page& p) { p[idx::kBitmap] |= 0x01; }},
                                         Damage{"prefixLongerThanEntry", [](Page& p) { p[idx::kPrefixLength] = 0x20; }},
                                         Damage{"entryShorterThanPointer",
                                                [](Page& p) {
                                                    p[idx::kBitmap] = 0;
                                                    p[idx::kBitmap + 1] = 0;
                                                    p[idx::kBitmap] = 0x04; // an entry of 2 bytes
                                                }}),
                         [](const testing::TestParamInfo<Damage>& info) { return std::string(info.param.name); });

// With several faults on a page, the one reported is the first in entry
// order, whether the page is decoded or searched in place.
TEST(IndexPageTest, NamesTheFirstFaultInEntryOrder)
{
    const auto expectFault = [](const Page& raw, const std::string& fault) {
        Result<IndexPage> page = DecodeIndexPage(raw, 9);
        ASSERT_FALSE(page.ok());
        EXPECT_EQ(page.status().description(), "Unrecognized database format: index page 9 " + fault + ".");
        LeafView view;
        const Status viewed = view.Init(raw, 9);
        EXPECT_EQ(viewed.description(), page.status().description());
    };
    Page raw;
    ASSERT_TRUE(EncodeIndexPage(Leaf({{0x7F, 1}, {0x7F, 2}, {0x7F, 3}}), raw).ok());
    // Entries of one stored byte each after a 4-byte prefix: more entries
    // than a page can hold.
    Page crowded = raw;
    StoreU16(&crowded[idx::kPrefixLength], 4);
    std::fill(crowded.begin() + idx::kBitmap, crowded.begin() + idx::kEntries, 0);
    for (size_t end = 4; end <= idx::kMaxEntryBytes; ++end)
        crowded[idx::kBitmap + end / 8] |= static_cast<uint8_t>(1u << (end % 8));
    expectFault(crowded, "has too many entries");
    // Entries of two stored bytes after a 2-byte prefix, one of them cut to
    // a single byte early on, and an end beyond the page: the short entry
    // comes first.
    Page crowdedAndShort = raw;
    StoreU16(&crowdedAndShort[idx::kPrefixLength], 2);
    std::fill(crowdedAndShort.begin() + idx::kBitmap, crowdedAndShort.begin() + idx::kEntries, 0);
    for (size_t end = 4; end <= idx::kMaxEntryBytes; end += 2)
        crowdedAndShort[idx::kBitmap + end / 8] |= static_cast<uint8_t>(1u << (end % 8));
    crowdedAndShort[idx::kBitmap + 21 / 8] |= static_cast<uint8_t>(1u << (21 % 8));
    crowdedAndShort[idx::kBitmap + 452] |= 0x80;
    expectFault(crowdedAndShort, "has an entry too short for its pointers");
    Page shortFirst = raw;
    StoreU16(&shortFirst[idx::kPrefixLength], 0);
    std::fill(shortFirst.begin() + idx::kBitmap, shortFirst.begin() + idx::kEntries, 0);
    shortFirst[idx::kBitmap] = 0x40;       // an entry of 6 bytes
    shortFirst[idx::kBitmap + 1] = 0x01;   // then one of 2: too short
    shortFirst[idx::kBitmap + 452] = 0x80; // and an end beyond the page
    expectFault(shortFirst, "has an entry too short for its pointers");
    shortFirst[idx::kBitmap + 1] = 0x00;
    expectFault(shortFirst, "marks an entry end beyond the page");
}

TEST(IndexPageTest, SurvivesRandomDamage)
{
    std::mt19937 random(4096);
    Page good;
    ASSERT_TRUE(EncodeIndexPage(Leaf({{0x7F, 1, 2}, {0x7F, 1, 3}, {0x7F, 2}}), good).ok());
    for (int round = 0; round < 2000; ++round) {
        Page damaged = good;
        for (int flips = 1 + static_cast<int>(random() % 8); flips > 0; --flips)
            damaged[random() % 0x200] ^= static_cast<uint8_t>(1u << (random() % 8));
        Result<IndexPage> page = DecodeIndexPage(damaged, 3);
        if (page.ok()) {
            // Whatever decodes must re-encode within bounds or be refused cleanly.
            Page again;
            (void)EncodeIndexPage(page.value(), again);
        }
    }
}

} // namespace
} // namespace jet
