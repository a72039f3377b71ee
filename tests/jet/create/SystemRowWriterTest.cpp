#include "create/MapEditor.h"
#include "create/NewDatabase.h"
#include "create/SystemRowWriter.h"
#include "create/SystemTables.h"

#include "FormatConstants.h"
#include "catalog/TableDef.h"
#include "io/MemoryFile.h"
#include "io/Pager.h"
#include "page/UsageMap.h"
#include "table/Table.h"
#include "util/Coding.h"

#include <gtest/gtest.h>

namespace {

constexpr double kCreated = 45000.5;
constexpr jet::PageNumber kCatalog = 2;
constexpr jet::PageNumber kAces = 3;
// Row pointers of usage maps in a new database (holder page, row).
constexpr uint32_t kQueriesOwnedMap = (11u << 8) | 0;
constexpr uint32_t kCatalogOwnedMap = (6u << 8) | 0;

// A fresh empty database held in memory, open for writing.
class SystemRowWriterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto pages = jet::BuildEmptyDatabase(u"", kCreated);
        ASSERT_TRUE(pages.ok());
        m_bytes = std::make_shared<std::vector<uint8_t>>();
        for (const auto& p : *pages)
            m_bytes->insert(m_bytes->end(), p.begin(), p.end());
        jet::PagerOptions options;
        options.readOnly = false;
        auto pager = jet::Pager::Open(std::make_unique<jet::MemoryFile>(m_bytes), "memory", options);
        ASSERT_TRUE(pager.ok());
        m_pager = std::move(pager).value();
    }

    std::vector<jet::PageNumber> Map(uint32_t pointer, jet::PageNumber limit = 1u << 20)
    {
        auto pages = jet::ReadUsageMap(*m_pager, jet::MapLocation::FromPointer(pointer), limit);
        EXPECT_TRUE(pages.ok()) << pages.status().ToString();
        return pages.ok() ? *pages : std::vector<jet::PageNumber>{};
    }

    std::vector<uint8_t> MapRecord(uint32_t pointer)
    {
        std::vector<uint8_t> record;
        EXPECT_TRUE(jet::ReadUsageMapRecord(*m_pager, jet::MapLocation::FromPointer(pointer), record).ok());
        return record;
    }

    jet::PageAllocator Allocator()
    {
        return [this](const jet::Page& content) { return jet::SystemRowWriter(*m_pager).AllocatePage(content); };
    }

    uint32_t RowCount(jet::PageNumber tdef)
    {
        auto def = jet::ReadTableDef(*m_pager, tdef);
        EXPECT_TRUE(def.ok());
        return def.ok() ? def->rowCount : 0;
    }

    std::shared_ptr<std::vector<uint8_t>> m_bytes;
    std::unique_ptr<jet::Pager> m_pager;
};

TEST_F(SystemRowWriterTest, MapWindowMovesToCoverAFarPage)
{
    ASSERT_TRUE(jet::AddToUsageMap(*m_pager, kQueriesOwnedMap, {30}, nullptr).ok());
    EXPECT_EQ(Map(kQueriesOwnedMap), (std::vector<jet::PageNumber>{30}));
    // 30 and 700 share no 512-page window; 700 and 900 do once 30 is gone.
    EXPECT_EQ(jet::AddToUsageMap(*m_pager, kQueriesOwnedMap, {700}, nullptr).kind(),
              jet::Status::Kind::kNotSupported);
    EXPECT_EQ(Map(kQueriesOwnedMap), (std::vector<jet::PageNumber>{30}));
    ASSERT_TRUE(jet::RemoveFromUsageMap(*m_pager, kQueriesOwnedMap, 30).ok());
    ASSERT_TRUE(jet::AddToUsageMap(*m_pager, kQueriesOwnedMap, {700, 900}, nullptr).ok());
    EXPECT_EQ(Map(kQueriesOwnedMap), (std::vector<jet::PageNumber>{700, 900}));
    EXPECT_EQ(jet::LoadU32(MapRecord(kQueriesOwnedMap).data() + 1), 696u);
}

TEST_F(SystemRowWriterTest, MapBecomesReferenceMapWhenNoWindowFits)
{
    ASSERT_TRUE(jet::AddToUsageMap(*m_pager, kCatalogOwnedMap, {40000}, Allocator(), true).ok());
    EXPECT_EQ(Map(kCatalogOwnedMap), (std::vector<jet::PageNumber>{17})) << "a dry run changes nothing";
    const uint32_t before = m_pager->PageCount();
    ASSERT_TRUE(jet::AddToUsageMap(*m_pager, kCatalogOwnedMap, {600, 40000}, Allocator()).ok());
    EXPECT_EQ(MapRecord(kCatalogOwnedMap)[0], jet::fmt::kMapReference);
    EXPECT_EQ(MapRecord(kCatalogOwnedMap).size(), jet::fmt::kMapRecordSize);
    EXPECT_EQ(m_pager->PageCount(), before + 2) << "one bitmap page per 32736 pages covered";
    EXPECT_EQ(Map(kCatalogOwnedMap), (std::vector<jet::PageNumber>{17, 600, 40000}));

    // Bitmap pages are in use for the global map, and not listed in the map they serve.
    const auto free = Map((1u << 8) | 0, m_pager->PageCount());
    EXPECT_TRUE(free.empty());
    ASSERT_TRUE(jet::RemoveFromUsageMap(*m_pager, kCatalogOwnedMap, 600).ok());
    EXPECT_EQ(Map(kCatalogOwnedMap), (std::vector<jet::PageNumber>{17, 40000}));
}

TEST_F(SystemRowWriterTest, GlobalMapGrowsPastItsFirstWindow)
{
    jet::SystemRowWriter writer(*m_pager);
    for (int i = 0; i < 700; ++i)
        ASSERT_TRUE(writer.AllocatePage(jet::Page{}).ok()) << i;
    const uint32_t count = m_pager->PageCount();
    ASSERT_EQ(count, 19u + 700u);
    const auto free = Map((1u << 8) | 0);
    ASSERT_FALSE(free.empty());
    EXPECT_EQ(free.front(), count) << "every page of the file is in use";
    std::vector<uint8_t> second;
    ASSERT_TRUE(jet::ReadUsageMapRecord(*m_pager, jet::MapLocation{1, 1}, second).ok());
    EXPECT_EQ(second, std::vector<uint8_t>(jet::fmt::kMapRecordSize, 0)) << "the second record survives the repack";
}

TEST_F(SystemRowWriterTest, AppendedRowsGetIndexEntriesAndCounts)
{
    jet::SystemRowWriter writer(*m_pager);
    std::vector<std::vector<jet::Value>> rows;
    for (int i = 0; i < 300; ++i)
        rows.push_back(jet::AceRow(1000 + i % 40, {0x07, 0xE8}, jet::kNewTableAccessMask, false));
    auto ids = writer.Append(kAces, rows);
    ASSERT_TRUE(ids.ok()) << ids.status().ToString();
    ASSERT_EQ(ids->size(), rows.size());
    EXPECT_EQ(ids->front(), (jet::RowId{18, 16})) << "the last data page is filled first";
    EXPECT_EQ(RowCount(kAces), 16u + 300u);

    auto def = jet::ReadTableDef(*m_pager, kAces);
    ASSERT_TRUE(def.ok());
    EXPECT_EQ(def->realIndexes[0].uniqueEntryCount, 8u + 40u);
    const auto owned = Map(def->ownedMap, m_pager->PageCount());
    ASSERT_EQ(owned.size(), 2u) << "rows overflowed onto a new page once the slots ran out";
    EXPECT_EQ(Map(def->freeMap, m_pager->PageCount()), (std::vector<jet::PageNumber>{owned.back()}));

    jet::Table table(*m_pager, std::move(def).value(), u"MSysACEs");
    auto counted = table.CountRows();
    ASSERT_TRUE(counted.ok());
    EXPECT_EQ(*counted, 316);
}

struct RefusedRow {
    const char* label;
    jet::PageNumber table;
    std::vector<jet::Value> row;
    int32_t number;
};

class RefusedRowTest : public SystemRowWriterTest, public ::testing::WithParamInterface<RefusedRow> {};

TEST_P(RefusedRowTest, ChangesNothing)
{
    ASSERT_FALSE(m_pager->HasChanges());
    jet::SystemRowWriter writer(*m_pager);
    auto ids = writer.Append(GetParam().table, {GetParam().row});
    ASSERT_FALSE(ids.ok());
    EXPECT_EQ(ids.status().number(), GetParam().number) << ids.status().ToString();
    EXPECT_FALSE(m_pager->HasChanges());
}

std::vector<RefusedRow> RefusedRows()
{
    using namespace jet;
    const Bytes owner = {0x06, 0xEA};
    std::vector<Value> nullObject = AceRow(7, {0x07, 0xE8}, 1, false);
    nullObject[ace_column::kObjectId] = Value();
    std::vector<Value> wrongType = CatalogRow(40, catalog_id::kTables, u"T", 1, 0, owner, kCreated);
    wrongType[catalog_column::kType] = Value(int32_t{1});
    return {
        {"DuplicateName", kCatalog, CatalogRow(40, catalog_id::kTables, u"msysacES", 1, 0, owner, kCreated), 3022},
        {"DuplicateId", kCatalog, CatalogRow(3, catalog_id::kTables, u"Other", 1, 0, owner, kCreated), 3022},
        {"NullInRequiredIndex", kAces, nullObject, 3058},
        {"ValueOfWrongType", kCatalog, wrongType, Status::kErrInvalidArgument},
        {"NameTooLong", kCatalog,
         CatalogRow(40, catalog_id::kTables, std::u16string(256, u'n'), 1, 0, owner, kCreated),
         Status::kErrInvalidArgument},
    };
}

INSTANTIATE_TEST_SUITE_P(Rows, RefusedRowTest, ::testing::ValuesIn(RefusedRows()),
                         [](const ::testing::TestParamInfo<RefusedRow>& info) { return std::string(info.param.label); });

} // namespace
