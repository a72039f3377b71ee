#include "create/NewDatabase.h"

#include "io/Header.h"
#include "io/MemoryFile.h"
#include "io/Pager.h"
#include "table/TableDef.h"
#include "util/Coding.h"
#include "util/FormatConstants.h"

#include "helpers/ExternalTools.h"
#include "helpers/TempDir.h"

#include <jet/Create.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

using jet::test::FixturePath;
using jet::test::FixturesAvailable;
using jet::test::MdbToolsAvailable;
using jet::test::RunProgram;
using jet::test::TempDir;

constexpr uint32_t kSamplePages = 19;

std::vector<jet::Page> ReadPages(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<jet::Page> pages(bytes.size() / jet::kPageSize);
    for (size_t n = 0; n < pages.size(); ++n)
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(n * jet::kPageSize), jet::kPageSize, pages[n].begin());
    return pages;
}

std::unique_ptr<jet::Pager> PagerOver(const std::vector<jet::Page>& pages)
{
    auto bytes = std::make_shared<std::vector<uint8_t>>();
    for (const auto& p : pages)
        bytes->insert(bytes->end(), p.begin(), p.end());
    auto pager = jet::Pager::Open(std::make_unique<jet::MemoryFile>(bytes), "memory", {});
    EXPECT_TRUE(pager.ok());
    return std::move(pager).value();
}

// The engine-written minimal database every new database is modelled on,
// and our own build of the same file with its creation date.
class NewDatabasePageTest : public ::testing::TestWithParam<uint32_t> {
protected:
    static void SetUpTestSuite()
    {
        if (!std::filesystem::exists(FixturePath(std::string("jet4/samples/emptyJet4.mdb"))))
            return;
        s_sample = ReadPages(FixturePath(std::string("jet4/samples/emptyJet4.mdb")));
        jet::Page header = s_sample[0];
        jet::ApplyHeaderMask(header);
        auto built = jet::BuildEmptyDatabase(u"", jet::LoadDouble(header.data() + jet::fmt::kHeaderCreationDate));
        ASSERT_TRUE(built.ok()) << built.status().ToString();
        s_built = std::move(built).value();
    }

    static std::vector<jet::Page> s_sample;
    static std::vector<jet::Page> s_built;
};

std::vector<jet::Page> NewDatabasePageTest::s_sample;
std::vector<jet::Page> NewDatabasePageTest::s_built;

TEST_P(NewDatabasePageTest, MatchesTheEngineWrittenSample)
{
    if (!FixturesAvailable() || s_sample.empty())
        GTEST_SKIP();
    ASSERT_EQ(s_sample.size(), kSamplePages);
    ASSERT_EQ(s_built.size(), kSamplePages);
    const uint32_t n = GetParam();
    const jet::Page& ours = s_built[n];
    const jet::Page& theirs = s_sample[n];
    ASSERT_EQ(ours[0], theirs[0]) << "page type";

    if (ours[0] != static_cast<uint8_t>(jet::fmt::PageType::kTableDefinition)) {
        // Byte for byte, except the first commit slot, which records the
        // engine's own session in the sample.
        for (uint32_t i = 0; i < jet::kPageSize; ++i) {
            if (n == 0 && (i == jet::fmt::kHeaderCommitSlots || i == jet::fmt::kHeaderCommitSlots + 1))
                continue;
            ASSERT_EQ(ours[i], theirs[i]) << "page " << n << " offset " << i;
        }
        return;
    }

    // Table definitions hold leftover bytes in fields nobody reads (offsets of
    // variable columns, unused index slots); compare what they state.
    auto ourStore = PagerOver(s_built);
    auto theirStore = PagerOver(s_sample);
    auto a = jet::ReadTableDef(*ourStore, n);
    auto b = jet::ReadTableDef(*theirStore, n);
    ASSERT_TRUE(a.ok()) << a.status().ToString();
    ASSERT_TRUE(b.ok()) << b.status().ToString();
    EXPECT_EQ(a->length, b->length);
    EXPECT_EQ(jet::LoadU16(ours.data() + 2), jet::LoadU16(theirs.data() + 2)) << "free space";
    EXPECT_EQ(a->rowCount, b->rowCount);
    EXPECT_EQ(a->tableType, b->tableType);
    EXPECT_EQ(a->maxColumns, b->maxColumns);
    EXPECT_EQ(a->varColumns, b->varColumns);
    EXPECT_EQ(a->ownedMap, b->ownedMap);
    EXPECT_EQ(a->freeMap, b->freeMap);
    ASSERT_EQ(a->columns.size(), b->columns.size());
    for (size_t i = 0; i < a->columns.size(); ++i) {
        const auto& x = a->columns[i];
        const auto& y = b->columns[i];
        SCOPED_TRACE(jet::Utf16ToUtf8(y.name));
        EXPECT_EQ(x.name, y.name);
        EXPECT_EQ(x.descriptorOffset, y.descriptorOffset) << "stored order";
        EXPECT_EQ(x.rawType, y.rawType);
        EXPECT_EQ(x.number, y.number);
        EXPECT_EQ(x.varIndex, y.varIndex);
        if (x.IsFixed()) {
            EXPECT_EQ(x.fixedOffset, y.fixedOffset);
        }
        EXPECT_EQ(x.length, y.length);
        EXPECT_EQ(x.flags, y.flags);
        EXPECT_EQ(x.extFlags, y.extFlags);
        EXPECT_TRUE(std::equal(x.sortOrder, x.sortOrder + 4, y.sortOrder));
    }
    ASSERT_EQ(a->realIndexes.size(), b->realIndexes.size());
    for (size_t i = 0; i < a->realIndexes.size(); ++i) {
        const auto& x = a->realIndexes[i];
        const auto& y = b->realIndexes[i];
        ASSERT_EQ(x.columns.size(), y.columns.size());
        for (size_t k = 0; k < x.columns.size(); ++k) {
            EXPECT_EQ(x.columns[k].columnNumber, y.columns[k].columnNumber);
            EXPECT_EQ(x.columns[k].ascending, y.columns[k].ascending);
        }
        EXPECT_EQ(x.rootPage, y.rootPage);
        EXPECT_EQ(x.flags, y.flags);
        EXPECT_EQ(x.usageMapRow, y.usageMapRow);
        EXPECT_EQ(x.usageMapPage, y.usageMapPage);
        EXPECT_EQ(x.uniqueEntryCount, y.uniqueEntryCount);
    }
    ASSERT_EQ(a->logicalIndexes.size(), b->logicalIndexes.size());
    for (size_t i = 0; i < a->logicalIndexes.size(); ++i) {
        EXPECT_EQ(a->logicalIndexes[i].name, b->logicalIndexes[i].name);
        EXPECT_EQ(a->logicalIndexes[i].number, b->logicalIndexes[i].number);
        EXPECT_EQ(a->logicalIndexes[i].realIndex, b->logicalIndexes[i].realIndex);
        EXPECT_EQ(a->logicalIndexes[i].kind, b->logicalIndexes[i].kind);
    }
    ASSERT_EQ(a->longValueMaps.size(), b->longValueMaps.size());
    for (size_t i = 0; i < a->longValueMaps.size(); ++i) {
        EXPECT_EQ(a->longValueMaps[i].columnNumber, b->longValueMaps[i].columnNumber);
        EXPECT_EQ(a->longValueMaps[i].ownedMap, b->longValueMaps[i].ownedMap);
        EXPECT_EQ(a->longValueMaps[i].freeMap, b->longValueMaps[i].freeMap);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryPage, NewDatabasePageTest, ::testing::Range<uint32_t>(0, kSamplePages));

TEST(NewDatabaseTest, PasswordIsRequiredToReopen)
{
    TempDir dir;
    const std::string path = dir.File(std::string("secret.mdb"));
    {
        auto db = jet::CreateDatabase(path, "Zq9-pässwörd");
        ASSERT_TRUE(db.ok()) << db.status().ToString();
        EXPECT_TRUE((*db)->HasPassword());
        EXPECT_FALSE((*db)->IsEncrypted());
        ASSERT_TRUE((*db)->Close().ok());
    }
    auto good = jet::Database::OpenFile(path, "Zq9-pässwörd", {.readOnly = true});
    ASSERT_TRUE(good.ok()) << good.status().ToString();
    auto tables = (*good)->ListTables();
    ASSERT_TRUE(tables.ok());
    EXPECT_TRUE(tables->empty());

    for (const char* wrong : {"", "zq9-pässwörd", "Zq9-pässwörd ", "Zq9"}) {
        auto bad = jet::Database::OpenFile(path, wrong, {.readOnly = true});
        ASSERT_FALSE(bad.ok()) << wrong;
        EXPECT_EQ(bad.status().kind(), jet::Status::Kind::kBadPassword) << wrong;
    }
}

TEST(NewDatabaseTest, WithoutPasswordOpensThroughTheConnectionRecipe)
{
    TempDir dir;
    const std::string path = dir.File(std::string("plain.mdb"));
    ASSERT_TRUE(jet::CreateDatabase(path, "").ok());
    auto db = jet::Database::Open("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + path, "admin", "");
    ASSERT_TRUE(db.ok()) << db.status().ToString();
    EXPECT_FALSE((*db)->HasPassword());
}

class RefusedDatabaseTest : public ::testing::TestWithParam<std::string> { };

TEST_P(RefusedDatabaseTest, LeavesNoFileBehind)
{
    TempDir dir;
    const std::string path = dir.File(std::string("refused.mdb"));
    auto db = jet::CreateDatabase(path, GetParam());
    EXPECT_FALSE(db.ok());
    EXPECT_EQ(db.status().kind(), jet::Status::Kind::kInvalidArgument);
    EXPECT_FALSE(std::filesystem::exists(path));
}

INSTANTIATE_TEST_SUITE_P(Passwords, RefusedDatabaseTest,
                         ::testing::Values(std::string(21, 'x'), std::string("abc\0def", 7), [] {
                             std::string accents;
                             for (int i = 0; i < 21; ++i)
                                 accents += "é";
                             return accents;
                         }()));

TEST(NewDatabaseTest, TwentyCharacterPasswordRoundTrips)
{
    TempDir dir;
    const std::string path = dir.File(std::string("long.mdb"));
    const std::string password = "ÄÖÜäöüß-0123456789ab"; // 20 characters, 27 bytes of UTF-8
    ASSERT_TRUE(jet::CreateDatabase(path, password).ok());
    EXPECT_TRUE(jet::Database::OpenFile(path, password, {.readOnly = true}).ok());
    EXPECT_FALSE(jet::Database::OpenFile(path, password.substr(0, password.size() - 1), {.readOnly = true}).ok());
}

TEST(NewDatabaseTest, ExistingFileIsNeverOverwritten)
{
    TempDir dir;
    const std::string path = dir.File(std::string("taken.mdb"));
    {
        std::ofstream out(path);
        out << "precious";
    }
    auto db = jet::CreateDatabase(path, "");
    ASSERT_FALSE(db.ok());
    std::ifstream in(path);
    std::string content;
    in >> content;
    EXPECT_EQ(content, "precious");
}

TEST(NewDatabaseTest, IndependentReadersAcceptTheFile)
{
    if (!MdbToolsAvailable())
        GTEST_SKIP();
    TempDir dir;
    const std::string path = dir.File(std::string("empty.mdb"));
    ASSERT_TRUE(jet::CreateDatabase(path, "").ok());

    auto tables = RunProgram(std::string("mdb-tables"), {std::string("-S"), std::string("-1"), path});
    ASSERT_EQ(tables.exitCode, 0) << tables.err;
    EXPECT_EQ(jet::test::Split(tables.out, '\n'),
              (std::vector<std::string>{std::string("MSysObjects"), std::string("MSysACEs"), std::string("MSysQueries"),
                                        std::string("MSysRelationships")}));
    EXPECT_EQ(jet::test::MdbExportRowCount(path, std::string("MSysObjects")), 8);
    EXPECT_EQ(jet::test::MdbExportRowCount(path, std::string("MSysACEs")), 16);
    EXPECT_EQ(jet::test::MdbExportRowCount(path, std::string("MSysQueries")), 0);

    auto schema = RunProgram(std::string("mdb-schema"), {path});
    EXPECT_EQ(schema.exitCode, 0) << schema.err;
    EXPECT_TRUE(jet::test::JetCheckPasses(path, std::string()));
}

} // namespace
