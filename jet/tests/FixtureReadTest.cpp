// Every table of every fixture written by Access or by another engine reads
// back exactly as its expected dump says, in table order.
#include "helpers/Fixtures.h"

#include "helpers/ExternalTools.h"
#include "helpers/JetDump.h"
#include "helpers/TempDir.h"

#include <jet/Database.h>
#include <jet/Recordset.h>

#include <gtest/gtest.h>

#include <algorithm>

namespace jet::test {
namespace {

std::string ConnectionFor(const std::string& path, const std::string& password)
{
    return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + path + ";Jet OLEDB:Database Password=" + password;
}

class FixtureReadTest : public ::testing::TestWithParam<FixtureFile> { };

TEST_P(FixtureReadTest, EveryTableReadsAsDumped)
{
    if (!FixturesAvailable())
        GTEST_SKIP();
    const FixtureFile& f = GetParam();
    auto db = jet::Database::Open(ConnectionFor(FixtureFilePath(f.relative), f.password), "admin", "",
                                  jet::OpenOptions{.readOnly = true});
    ASSERT_TRUE(db.ok()) << db.status().ToString();
    auto tables = (*db)->ListTables();
    ASSERT_TRUE(tables.ok()) << tables.status().ToString();

    const std::string expectedPath = FixturePath(f.expected);
    const auto expectedTables = ExpectedTables(expectedPath);
    for (const std::string& table : expectedTables) {
        const bool listed = std::any_of(tables->begin(), tables->end(), [&](const std::string& t) {
            return std::equal(t.begin(), t.end(), table.begin(), table.end(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
            });
        });
        EXPECT_TRUE(listed) << table << " not listed";
    }

    for (const std::string& table : *tables) {
        SCOPED_TRACE(table);
        auto rs = jet::Recordset::Open(**db, "SELECT * From [" + table + "];", jet::CursorType::kStatic,
                                       jet::LockType::kReadOnly);
        ASSERT_TRUE(rs.ok()) << rs.status().ToString();
        const int64_t count = (*rs)->RecordCount();
        std::vector<Json> rows;
        while (!(*rs)->IsEOF()) {
            Json row = Json::object();
            for (int i = 0; i < (*rs)->FieldCount(); ++i) {
                auto value = (*rs)->FieldAt(i);
                ASSERT_TRUE(value.ok()) << value.status().ToString();
                row[(*rs)->FieldName(i)] = FixtureJson(*value);
            }
            rows.push_back(row);
            ASSERT_TRUE((*rs)->MoveNext().ok());
        }
        const auto expected = ReadExpectedRows(expectedPath, table);
        EXPECT_TRUE(SameRows(rows, expected));
        EXPECT_EQ(count, static_cast<int64_t>(expected.size()));
        auto info = (*db)->DescribeTable(table);
        ASSERT_TRUE(info.ok());
        EXPECT_EQ(info->rowCount, expected.size()) << "row count in the table definition";
    }
}

INSTANTIATE_TEST_SUITE_P(Fixtures, FixtureReadTest, ::testing::ValuesIn(DumpedFixtures()),
                         [](const auto& info) { return info.param.Name(); });
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(FixtureReadTest);

TEST(FixtureReadTest, FixturesArePresent)
{
    if (!FixturesAvailable())
        GTEST_SKIP();
    EXPECT_GE(DumpedFixtures().size(), 20u);
}

// Index definitions as the fixtures' README states them.
struct IndexFact {
    const char* file;
    const char* password;
    const char* table;
    const char* index;
    std::vector<std::string> columns;
    bool unique;
    bool primary;
    bool ascending;
};

void PrintTo(const IndexFact& c, std::ostream* os)
{
    *os << c.file << " " << c.table << "." << c.index;
}

class IndexDefinitionTest : public ::testing::TestWithParam<IndexFact> { };

TEST_P(IndexDefinitionTest, MatchesTheDocumentedDefinition)
{
    if (!FixturesAvailable())
        GTEST_SKIP();
    const IndexFact& fact = GetParam();
    auto db = jet::Database::OpenFile(FixtureFilePath(fact.file), fact.password, {.readOnly = true});
    ASSERT_TRUE(db.ok()) << db.status().ToString();
    auto info = (*db)->DescribeTable(fact.table);
    ASSERT_TRUE(info.ok()) << info.status().ToString();
    auto it = std::find_if(info->indexes.begin(), info->indexes.end(),
                           [&](const jet::IndexInfo& ix) { return ix.name == fact.index; });
    ASSERT_NE(it, info->indexes.end()) << fact.index;
    std::vector<std::string> columns;
    for (const auto& c : it->columns) {
        columns.push_back(c.column);
        EXPECT_EQ(c.ascending, fact.ascending);
    }
    EXPECT_EQ(columns, fact.columns);
    EXPECT_EQ(it->unique, fact.unique);
    EXPECT_EQ(it->primaryKey, fact.primary);
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, IndexDefinitionTest,
    ::testing::Values(
        IndexFact{"fixtures/jet4/dataset/PAF_POSTZON.dat",
                  "tallowmere",
                  "PAF_PostZon",
                  "PrimaryKey",
                  {"PZ_Postcode"},
                  true,
                  true,
                  true},
        IndexFact{"fixtures/jet4/dataset/PAF_POSTZON.dat",
                  "tallowmere",
                  "PAF_PostZon",
                  "PZ_County",
                  {"PZ_County"},
                  false,
                  false,
                  true},
        IndexFact{"fixtures/jet4/dataset/PAF_FULL.dat",
                  "tallowmere",
                  "PAF_FULLAddress",
                  "FT_PostCode",
                  {"FT_PostCode"},
                  false,
                  false,
                  true},
        IndexFact{
            "fixtures/jet4/dataset/PAF_FULL.dat", "tallowmere", "version", "PrimaryKey", {"id"}, true, true, true},
        IndexFact{"fixtures/access2000/compIndexTestV2000.mdb",
                  "",
                  "Table1",
                  "CD_AGENTE",
                  {"CD_AGENTE"},
                  false,
                  false,
                  false},
        IndexFact{"fixtures/access2000/testV2000.mdb", "", "Table1", "PrimaryKey", {"A"}, true, true, true},
        IndexFact{"fixtures/access2000/testIndexPropertiesV2000.mdb",
                  "",
                  "TableUnique2_temp",
                  "DataIndex",
                  {"data1", "data2"},
                  true,
                  false,
                  true},
        IndexFact{
            "fixtures/access2000/fixedTextTestV2000.mdb", "", "users", "Users2CID_0", {"i_user_id"}, true, true, true}),
    [](const auto& info) { return std::string(info.param.table) + "_" + std::to_string(info.index); });

TEST(IndexDefinitionTest, LogicalIndexesShareOrSplitRealIndexes)
{
    if (!FixturesAvailable())
        GTEST_SKIP();
    auto db =
        jet::Database::OpenFile(FixtureFilePath("fixtures/access2000/indexTestV2000.mdb"), "", {.readOnly = true});
    ASSERT_TRUE(db.ok());
    auto realOf = [&](const std::string& table, const std::string& index) {
        auto info = (*db)->DescribeTable(table);
        for (const auto& ix : info->indexes) {
            if (ix.name == index)
                return ix.realIndex;
        }
        return -1;
    };
    EXPECT_EQ(realOf("Table2", "PrimaryKey"), realOf("Table2", ".rC"));
    EXPECT_NE(realOf("Table1", "PrimaryKey"), realOf("Table1", "id"));
    auto table1 = (*db)->DescribeTable("table1");
    ASSERT_TRUE(table1.ok());
    EXPECT_EQ(table1->columns.front().number, 1) << "Table1's column numbers start at 1";
    auto fk = std::find_if(table1->indexes.begin(), table1->indexes.end(),
                           [](const jet::IndexInfo& ix) { return ix.name == "Table2Table1"; });
    ASSERT_NE(fk, table1->indexes.end());
    EXPECT_TRUE(fk->foreignKey);
}

} // namespace
} // namespace jet::test
