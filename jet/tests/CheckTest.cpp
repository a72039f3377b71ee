// The integrity check: every fixture is consistent; deliberate damage of each
// kind is reported; the tool's exit statuses.
#include "helpers/Fixtures.h"

#include "db/Check.h"
#include "db/DatabaseImpl.h"
#include "index/BTree.h"
#include "io/MemoryFile.h"
#include "page/UsageMap.h"
#include "util/FormatConstants.h"

#include "helpers/ExternalTools.h"
#include "helpers/TempDir.h"

#include <jet/Diagnostics.h>

#include <gtest/gtest.h>

#include <fstream>

namespace jet::test {
namespace {

class CheckFixtureTest : public ::testing::TestWithParam<FixtureFile> { };

TEST_P(CheckFixtureTest, FixtureIsConsistent)
{
    if (!FixturesAvailable())
        GTEST_SKIP();
    auto report = jet::CheckDatabase(FixtureFilePath(GetParam().relative), GetParam().password);
    ASSERT_TRUE(report.ok()) << report.status().ToString();
    std::string problems;
    for (const auto& p : report->problems)
        problems += p + "\n";
    EXPECT_TRUE(report->problems.empty()) << problems;
    EXPECT_GT(report->tablesChecked, 3);
    EXPECT_GT(report->indexEntriesChecked, 0);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, CheckFixtureTest, ::testing::ValuesIn(AllFixtureDatabases()),
                         [](const auto& info) { return info.param.Name(); });
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(CheckFixtureTest);

// Damages one structure of PAF_POSTZON.dat and expects a problem naming it.
class CheckDamageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!FixturesAvailable())
            GTEST_SKIP();
        m_image = ReadFileBytes(FixtureFilePath("fixtures/jet4/dataset/PAF_POSTZON.dat"));
        auto db = Open(m_image);
        ASSERT_TRUE(db);
        auto table = db->OpenTable(u"PAF_PostZon");
        ASSERT_TRUE(table.ok());
        m_def = (*table)->def();
        auto pages = (*table)->DataPages();
        ASSERT_TRUE(pages.ok());
        m_dataPages = **pages;
        ASSERT_FALSE(m_dataPages.empty());
    }

    static std::unique_ptr<jet::DatabaseImpl> Open(const std::vector<uint8_t>& image)
    {
        auto bytes = std::make_shared<std::vector<uint8_t>>(image);
        auto db = jet::DatabaseImpl::OpenWith(std::make_unique<jet::MemoryFile>(bytes), "image", u"tallowmere",
                                              jet::OpenOptions{.readOnly = true});
        EXPECT_TRUE(db.ok()) << db.status().ToString();
        return db.ok() ? std::move(db).value() : nullptr;
    }

    uint8_t* PageAt(jet::PageNumber n) { return m_image.data() + static_cast<size_t>(n) * jet::kPageSize; }

    // The problems the check reports for the damaged image, one per line.
    std::string Problems()
    {
        auto db = Open(m_image);
        if (!db)
            return "<cannot open>";
        jet::CheckReport report;
        jet::CheckOpenDatabase(*db, report);
        std::string text;
        for (const auto& p : report.problems)
            text += p + "\n";
        return text;
    }

    std::vector<uint8_t> m_image;
    jet::TableDef m_def;
    std::vector<jet::PageNumber> m_dataPages;
};

TEST_F(CheckDamageTest, UndamagedImageHasNoProblems)
{
    EXPECT_EQ(Problems(), "");
}

TEST_F(CheckDamageTest, WrongRowCountInTheDefinition)
{
    jet::StoreU32(PageAt(m_def.tdefPage) + jet::fmt::kTdefRowCount, m_def.rowCount + 1);
    EXPECT_NE(Problems().find("definition records 3001 rows, 3000 found"), std::string::npos) << Problems();
}

TEST_F(CheckDamageTest, RowDeletedBehindTheIndexes)
{
    uint8_t* page = PageAt(m_dataPages.front());
    const uint16_t slot = jet::LoadU16(page + jet::fmt::kDataSlots);
    jet::StoreU16(page + jet::fmt::kDataSlots, slot | jet::fmt::kSlotDeleted);
    const std::string problems = Problems();
    EXPECT_NE(problems.find("2999 found"), std::string::npos) << problems;
    EXPECT_NE(problems.find("which is not a live row"), std::string::npos) << problems;
}

TEST_F(CheckDamageTest, IndexEntryWithAnotherKey)
{
    // Walk down to the first leaf of the primary key and change a key byte of
    // its first entry (the key starts right after the 0x7F flag at 0x1E0).
    const jet::RealIndexDef& ix = m_def.realIndexes.front();
    jet::PageNumber page = ix.rootPage;
    for (int depth = 0; depth < 8; ++depth) {
        jet::Page raw;
        std::copy(PageAt(page), PageAt(page) + jet::kPageSize, raw.begin());
        auto decoded = jet::DecodeIndexPage(raw, page);
        ASSERT_TRUE(decoded.ok());
        if (decoded->leaf)
            break;
        page = decoded->Child(0);
        ASSERT_LT(page, m_image.size() / jet::kPageSize);
    }
    ASSERT_EQ(PageAt(page)[0], 0x04);
    PageAt(page)[0x1E0 + 2] ^= 0x01;
    const std::string problems = Problems();
    EXPECT_NE(problems.find("PrimaryKey"), std::string::npos) << problems;
}

TEST_F(CheckDamageTest, UsedPageMarkedFree)
{
    jet::Page page1;
    std::copy(PageAt(1), PageAt(1) + jet::kPageSize, page1.begin());
    const uint16_t start = jet::LoadU16(page1.data() + jet::fmt::kDataSlots) & jet::fmt::kSlotOffsetMask;
    ASSERT_EQ(page1[start], jet::fmt::kMapInline);
    const jet::PageNumber first = jet::LoadU32(page1.data() + start + 1);
    const jet::PageNumber victim = m_dataPages.front();
    ASSERT_GE(victim, first);
    PageAt(1)[start + 5 + (victim - first) / 8] |= static_cast<uint8_t>(1 << ((victim - first) % 8));
    const std::string problems = Problems();
    EXPECT_NE(problems.find("page " + std::to_string(victim) + " (data of PAF_PostZon) is marked free"),
              std::string::npos)
        << problems;
}

TEST_F(CheckDamageTest, DataPageWithWrongFreeSpace)
{
    uint8_t* page = PageAt(m_dataPages.back());
    jet::StoreU16(page + jet::fmt::kDataFreeSpace, jet::LoadU16(page + jet::fmt::kDataFreeSpace) + 2);
    EXPECT_NE(Problems().find("bytes free but has"), std::string::npos) << Problems();
}

TEST_F(CheckDamageTest, PageClaimedTwice)
{
    // Point the free-space map of the table at the catalog's holder page row.
    jet::StoreU32(PageAt(m_def.tdefPage) + jet::fmt::kTdefOwnedMap, jet::LoadU32(PageAt(2) + jet::fmt::kTdefOwnedMap));
    EXPECT_FALSE(Problems().empty());
}

class CheckToolTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!FixturesAvailable())
            GTEST_SKIP();
    }
    TempDir m_dir;
};

TEST_F(CheckToolTest, ExitStatuses)
{
    const std::string fixture = FixturePath(std::string("fixtures/jet4/dataset/PAF_POSTZON.dat"));
    auto run = [](const std::vector<std::string>& args) { return RunProgram(JetToolPath(), args); };
    EXPECT_EQ(run({"check", fixture, "--password", "tallowmere"}).exitCode, 0);
    EXPECT_EQ(run({"check", fixture, "--password=wrong"}).exitCode, 2);
    EXPECT_EQ(run({"check", m_dir.File("missing.dat")}).exitCode, 2);
    EXPECT_EQ(run({"check"}).exitCode, 2);
    EXPECT_EQ(run({"frobnicate", fixture}).exitCode, 2);

    // A damaged copy: the table definition's row count is off by one.
    auto image = ReadFileBytes(fixture);
    auto bytes = std::make_shared<std::vector<uint8_t>>(image);
    auto db = jet::DatabaseImpl::OpenWith(std::make_unique<jet::MemoryFile>(bytes), "image", u"tallowmere",
                                          jet::OpenOptions{.readOnly = true});
    ASSERT_TRUE(db.ok());
    auto table = (*db)->OpenTable(u"PAF_PostZon");
    ASSERT_TRUE(table.ok());
    const size_t at = (*table)->def().tdefPage * size_t{jet::kPageSize} + jet::fmt::kTdefRowCount;
    image[at] ^= 0x01;
    const std::string damaged = m_dir.File(std::string("damaged.dat"));
    std::ofstream(damaged, std::ios::binary)
        .write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
    const ProcessResult result = run({"check", damaged, "--password", "tallowmere"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(Contains(result.out, std::string("problem: table PAF_PostZon"))) << result.out;
}

TEST_F(CheckToolTest, HelpDocumentsExitStatuses)
{
    const ProcessResult help = RunProgram(JetToolPath(), {"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* text :
         {"info FILE", "dump FILE TABLE", "check FILE", "--password", "Exit status", "  0", "  1", "  2"})
        EXPECT_TRUE(Contains(help.out, std::string(text))) << text;
}

TEST_F(CheckToolTest, DumpPrintsJsonLines)
{
    const std::string fixture = FixturePath(std::string("fixtures/access2000/testV2000.mdb"));
    const ProcessResult dump = RunProgram(JetToolPath(), {"dump", fixture, "table1"});
    ASSERT_EQ(dump.exitCode, 0) << dump.err;
    EXPECT_EQ(dump.out,
              "{\"A\":\"abcdefg\",\"B\":\"hijklmnop\",\"C\":2,\"D\":222,\"E\":333333333,\"F\":444.555,"
              "\"G\":\"1974-09-21T00:00:00\",\"H\":\"3.5000\",\"I\":true}\n"
              "{\"A\":\"a\",\"B\":\"b\",\"C\":0,\"D\":0,\"E\":0,\"F\":0,\"G\":\"1981-12-12T00:00:00\","
              "\"H\":\"0.0000\",\"I\":false}\n");
    EXPECT_EQ(RunProgram(JetToolPath(), {"dump", fixture, "NoSuchTable"}).exitCode, 2);
}

TEST_F(CheckToolTest, InfoListsTablesColumnsAndIndexes)
{
    const ProcessResult info = RunProgram(
        JetToolPath(),
        {"info", FixturePath(std::string("fixtures/jet4/dataset/PAF_POSTZON.dat")), "--password", "tallowmere"});
    ASSERT_EQ(info.exitCode, 0) << info.err;
    for (const char* text :
         {"Database password: set", "Table PAF_PostZon: 3000 rows", "PZ_Postcode  Text (8 characters)",
          "PZ_GridRefEast  Long Integer (4 bytes)", "PrimaryKey (PZ_Postcode) unique primary",
          "PZ_County (PZ_County)\n", "Table version: 3 rows"})
        EXPECT_TRUE(Contains(info.out, std::string(text))) << text << "\n" << info.out;
}

} // namespace
} // namespace jet::test
