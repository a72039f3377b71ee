// Usage maps and the global free-page map as pages come and go: windows
// move, inline maps become reference maps, and page 1 keeps covering the end
// of the file. Also the page cache's change/rollback unit.
#include "helpers/Fixtures.h"

#include "db/Check.h"
#include "db/DatabaseImpl.h"
#include "io/MemoryFile.h"
#include "page/DataPage.h"
#include "page/MapWriter.h"
#include "page/PageAllocator.h"
#include "util/FormatConstants.h"

#include "helpers/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

namespace jet::test {
namespace {

class MapWriterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!FixturesAvailable())
            GTEST_SKIP();
        m_bytes = std::make_shared<std::vector<uint8_t>>(
            ReadFileBytes(FixtureFilePath("fixtures/jet4/edge/PAF_POSTZON_empty_table.dat")));
        auto db = jet::DatabaseImpl::OpenWith(std::make_unique<jet::MemoryFile>(m_bytes), "mem", u"tallowmere", {});
        ASSERT_TRUE(db.ok()) << db.status().ToString();
        m_db = std::move(db).value();
    }

    jet::Pager& pager() { return m_db->pager(); }
    jet::PageAllocator& allocator() { return *m_db->allocator(); }

    // A fresh holder page with one empty inline map record; returns where it is.
    jet::MapLocation NewMap()
    {
        jet::Page page{};
        page[0] = 0x01;
        page[1] = 0x01;
        jet::StoreU16(page.data() + jet::fmt::kDataFreeSpace, jet::fmt::kEmptyDataFree);
        std::vector<uint8_t> record(jet::fmt::kMapRecordSize, 0);
        EXPECT_TRUE(jet::AppendRow(page, record).has_value());
        auto n = allocator().AllocatePage(page);
        EXPECT_TRUE(n.ok());
        return jet::MapLocation{*n, 0};
    }

    std::vector<jet::PageNumber> Pages(jet::MapLocation where, jet::PageNumber limit = 0xFFFFFF)
    {
        auto pages = jet::ReadUsageMap(pager(), where, limit);
        EXPECT_TRUE(pages.ok()) << pages.status().ToString();
        return pages.ok() ? *pages : std::vector<jet::PageNumber>{};
    }

    uint8_t MapType(jet::MapLocation where)
    {
        std::vector<uint8_t> record;
        EXPECT_TRUE(jet::ReadUsageMapRecord(pager(), where, record).ok());
        return record.empty() ? 0xFF : record[0];
    }

    std::shared_ptr<std::vector<uint8_t>> m_bytes;
    std::unique_ptr<jet::DatabaseImpl> m_db;
};

TEST_F(MapWriterTest, InlineWindowMovesThenTurnsIntoAReferenceMap)
{
    const jet::MapLocation map = NewMap();
    for (jet::PageNumber p : {3u, 10u, 500u})
        ASSERT_TRUE(jet::SetMapPage(allocator(), map, p, true).ok());
    EXPECT_EQ(Pages(map), (std::vector<jet::PageNumber>{3, 10, 500}));
    ASSERT_TRUE(jet::SetMapPage(allocator(), map, 3, false).ok());
    ASSERT_TRUE(jet::SetMapPage(allocator(), map, 10, false).ok());
    // 500 and 900 fit one 512-page window once it moves.
    ASSERT_TRUE(jet::SetMapPage(allocator(), map, 900, true).ok());
    EXPECT_EQ(MapType(map), jet::fmt::kMapInline);
    EXPECT_EQ(Pages(map), (std::vector<jet::PageNumber>{500, 900}));
    // 40000 does not: the record becomes a reference map with bitmap pages.
    ASSERT_TRUE(jet::SetMapPage(allocator(), map, 40000, true).ok());
    EXPECT_EQ(MapType(map), jet::fmt::kMapReference);
    EXPECT_EQ(Pages(map), (std::vector<jet::PageNumber>{500, 900, 40000}));
    ASSERT_TRUE(jet::SetMapPage(allocator(), map, 900, false).ok());
    EXPECT_EQ(Pages(map), (std::vector<jet::PageNumber>{500, 40000}));
    ASSERT_TRUE(jet::ClearMap(pager(), map).ok());
    EXPECT_TRUE(Pages(map).empty());
}

TEST_F(MapWriterTest, GlobalMapKeepsCoveringTheEndOfTheFile)
{
    // Leave page 1 little room so that its inline record must become a
    // reference map after a few thousand pages.
    {
        auto page1 = pager().Modify(1);
        ASSERT_TRUE(page1.ok());
        ASSERT_TRUE(jet::RepackDataPage(**page1, {{1, std::vector<uint8_t>(3600, 0)}}));
    }
    const jet::PageNumber first = pager().PageCount();
    constexpr jet::PageNumber kPages = 5000;
    jet::PageNumber previous = first - 1;
    for (jet::PageNumber i = 0; i < kPages; ++i) {
        auto n = allocator().AllocatePage(jet::Page{});
        ASSERT_TRUE(n.ok()) << n.status().ToString();
        ASSERT_GT(*n, previous) << "appended (the map's own bitmap page may come in between)";
        previous = *n;
    }
    EXPECT_EQ(MapType(jet::MapLocation{1, 0}), jet::fmt::kMapReference);
    // No page of the file is free; the map's free pages all lie past its end.
    auto free = Pages(jet::MapLocation{1, 0});
    ASSERT_FALSE(free.empty());
    EXPECT_GE(free.front(), pager().PageCount());

    // Pages given back are free again, and are reused first.
    ASSERT_TRUE(allocator().ReleasePage(first + 7).ok());
    free = Pages(jet::MapLocation{1, 0}, pager().PageCount());
    EXPECT_EQ(free, (std::vector<jet::PageNumber>{first + 7}));
    auto reused = allocator().AllocatePage(jet::Page{});
    ASSERT_TRUE(reused.ok());
    EXPECT_EQ(*reused, first + 7);
    EXPECT_TRUE(Pages(jet::MapLocation{1, 0}, pager().PageCount()).empty());

    ASSERT_TRUE(pager().Flush().ok());
    jet::CheckReport report;
    jet::CheckOpenDatabase(*m_db, report);
    EXPECT_TRUE(report.problems.empty()) << report.problems.front();
}

TEST_F(MapWriterTest, AFreedPageIsFreeOnlyOnceItsChangeStands)
{
    const jet::PageNumber a = allocator().AllocatePage(jet::Page{}).value();
    const jet::PageNumber b = allocator().AllocatePage(jet::Page{}).value();
    ASSERT_TRUE(allocator().ReleasePage(a).ok());

    // A change that frees b and takes a, then is taken back: b is still in
    // use and a is still free, so a is handed out next, b never.
    ASSERT_TRUE(allocator().BeginChange().ok());
    ASSERT_TRUE(allocator().ReleasePage(b).ok());
    EXPECT_EQ(allocator().AllocatePage(jet::Page{}).value(), b) << "the last freed page goes first";
    EXPECT_EQ(allocator().AllocatePage(jet::Page{}).value(), a);
    allocator().RollbackChange();
    EXPECT_EQ(Pages(jet::MapLocation{1, 0}, pager().PageCount()), std::vector<jet::PageNumber>{a});

    jet::Page marked{};
    marked[100] = 0x5A;
    EXPECT_EQ(allocator().AllocatePage(marked).value(), a);
    const jet::PageNumber next = allocator().AllocatePage(jet::Page{}).value();
    EXPECT_EQ(next, pager().PageCount() - 1) << "appended, not b";
    EXPECT_EQ(pager().View(a).value()->at(100), 0x5A);
    EXPECT_TRUE(Pages(jet::MapLocation{1, 0}, pager().PageCount()).empty());
}

TEST_F(MapWriterTest, RollbackRestoresPagesAndForgetsAppendedOnes)
{
    const jet::PageNumber count = pager().PageCount();
    auto before = pager().View(2);
    ASSERT_TRUE(before.ok());
    const jet::Page original = **before;
    ASSERT_TRUE(pager().BeginChange().ok());
    auto page = pager().Modify(2);
    ASSERT_TRUE(page.ok());
    (**page)[100] ^= 0xFF;
    ASSERT_TRUE(pager().AllocatePage(jet::Page{}).ok());
    EXPECT_EQ(pager().PageCount(), count + 1);
    pager().RollbackChange();
    EXPECT_EQ(pager().PageCount(), count);
    EXPECT_EQ(*pager().View(2).value(), original);
    EXPECT_FALSE(pager().View(count).ok()) << "the appended page is gone";
    ASSERT_TRUE(pager().Flush().ok());
    EXPECT_EQ(m_bytes->size(), static_cast<size_t>(count) * jet::kPageSize);
}

TEST(RepackDataPageTest, PacksRowsInSlotOrderAndDropsDeletedBytes)
{
    jet::Page page{};
    page[0] = 0x01;
    page[1] = 0x01;
    const std::vector<uint8_t> a(100, 'a'), b(50, 'b'), c(30, 'c');
    ASSERT_EQ(jet::AppendRow(page, a), 0);
    ASSERT_EQ(jet::AppendRow(page, b), 1);
    ASSERT_EQ(jet::AppendRow(page, c, jet::fmt::kSlotHidden), 2);
    EXPECT_EQ(jet::DataPageFreeSpace(page), 4082u - 180 - 6);
    ASSERT_TRUE(jet::RepackDataPage(page, {{1, std::vector<uint8_t>(400, 'B')}}, {{0, jet::fmt::kSlotDeleted}}));
    EXPECT_EQ(jet::DataPageFreeSpace(page), 4082u - 430 - 6);
    EXPECT_EQ(jet::LoadU16(page.data() + jet::fmt::kDataFreeSpace), 4082u - 430 - 6);
    auto s0 = jet::DataPageSlot(page, 0, 0);
    auto s1 = jet::DataPageSlot(page, 0, 1);
    auto s2 = jet::DataPageSlot(page, 0, 2);
    ASSERT_TRUE(s0.ok() && s1.ok() && s2.ok());
    EXPECT_TRUE(s0->IsDeleted());
    EXPECT_EQ(s0->length(), 0);
    EXPECT_EQ(s1->length(), 400);
    EXPECT_EQ(page[s1->start], 'B');
    EXPECT_TRUE(s2->IsHidden());
    EXPECT_EQ(s2->length(), 30);
    EXPECT_EQ(page[s2->start], 'c');
    // Too much for the page: nothing changes.
    const jet::Page before = page;
    EXPECT_FALSE(jet::RepackDataPage(page, {{2, std::vector<uint8_t>(3700, 'x')}}));
    EXPECT_EQ(page, before);
}

// A single slot's change gives the very page the map form gives, on pages
// with deleted, hidden and moved rows, and refuses the same changes.
TEST(RepackDataPageTest, OneSlotChangeMatchesTheMapForm)
{
    std::mt19937 random(11);
    const uint16_t kinds[] = {0, jet::fmt::kSlotDeleted, jet::fmt::kSlotHidden, jet::fmt::kSlotOverflow};
    int refused = 0;
    for (int round = 0; round < 500; ++round) {
        jet::Page page{};
        page[0] = 0x01;
        page[1] = 0x01;
        const size_t rows = 1 + random() % 40;
        for (size_t i = 0; i < rows; ++i) {
            const std::vector<uint8_t> row(1 + random() % 150, static_cast<uint8_t>('a' + i % 26));
            if (!jet::AppendRow(page, row, kinds[random() % 4]))
                break;
        }
        const uint16_t count = jet::LoadU16(page.data() + jet::fmt::kDataRowCount);
        const auto slot = static_cast<uint16_t>(random() % count);
        const std::vector<uint8_t> bytes(random() % 4000 < 3000 ? random() % 300 : 3500, 'Z');
        const bool withBytes = random() % 3 != 0;
        const bool withFlags = !withBytes || random() % 2 == 0;
        const uint16_t flags = kinds[random() % 4];
        std::map<uint16_t, std::vector<uint8_t>> replacements;
        std::map<uint16_t, uint16_t> newFlags;
        jet::SlotChange change{slot, std::nullopt, std::nullopt};
        if (withBytes) {
            replacements[slot] = bytes;
            change.bytes = jet::ByteView(bytes);
        }
        if (withFlags) {
            newFlags[slot] = flags;
            change.flags = flags;
        }
        jet::Page viaMaps = page;
        jet::Page viaChange = page;
        const bool mapped = jet::RepackDataPage(viaMaps, replacements, newFlags);
        ASSERT_EQ(jet::RepackDataPage(viaChange, change), mapped) << "round " << round;
        ASSERT_EQ(viaChange, viaMaps) << "round " << round;
        if (!mapped) {
            EXPECT_EQ(viaChange, page);
            ++refused;
        }
    }
    EXPECT_GT(refused, 10);
}

} // namespace
} // namespace jet::test
