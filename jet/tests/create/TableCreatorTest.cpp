#include "helpers/Fixtures.h"

#include "helpers/ExternalTools.h"
#include "helpers/TempDir.h"

#include <jet/Create.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

namespace {

using jet::ColumnSpec;
using jet::ColumnType;
using jet::IndexSpec;
using jet::TableSpec;
using jet::test::Contains;
using jet::test::JetCheckPasses;
using jet::test::MdbToolsAvailable;
using jet::test::RunProgram;
using jet::test::Split;
using jet::test::TempDir;
using jet::test::Trimmed;

std::vector<uint8_t> FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A table with a column of every type the engine creates and an index of
// every kind.
TableSpec EveryKindTable()
{
    TableSpec design;
    design.name = "Every Kind";
    design.columns = {
        {"Id", ColumnType::kLong, 0, true, true},
        {"Flag", ColumnType::kBoolean},
        {"Small", ColumnType::kByte},
        {"Count", ColumnType::kInteger},
        {"Total", ColumnType::kLong},
        {"Price", ColumnType::kCurrency},
        {"Ratio", ColumnType::kSingle},
        {"Measure", ColumnType::kDouble},
        {"When", ColumnType::kDateTime},
        {"Code", ColumnType::kText, 8},
        {"Plain", ColumnType::kText, 255, false},
        {"Notes", ColumnType::kMemo},
        {"Picture", ColumnType::kOle},
        {"Tag", ColumnType::kGuid},
        {"Amount", ColumnType::kNumeric, 0, true, false, 12, 4},
        {"Raw", ColumnType::kBinary, 16},
    };
    design.indexes = {
        {"PrimaryKey", {{"Id"}}, true},
        {"CodeUnique", {{"Code"}}, false, true},
        {"ByWhen", {{"When", false}}},
        {"Sparse", {{"Plain"}}, false, false, true},
        {"MustCount", {{"Count"}}, false, false, false, true},
        {"Composite", {{"Code"}, {"Total", false}, {"Measure"}}},
        {"Memo", {{"Notes"}}},
    };
    return design;
}

class TableCreatorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_path = m_dir.File(std::string("tables.mdb"));
        auto db = jet::CreateDatabase(m_path, "tablepw");
        ASSERT_TRUE(db.ok()) << db.status().ToString();
        m_db = std::move(db).value();
    }

    std::unique_ptr<jet::Database> Reopen()
    {
        EXPECT_TRUE(m_db->Close().ok());
        m_db.reset();
        auto db = jet::Database::OpenFile(m_path, "tablepw");
        EXPECT_TRUE(db.ok()) << db.status().ToString();
        return db.ok() ? std::move(db).value() : nullptr;
    }

    TempDir m_dir;
    std::string m_path;
    std::unique_ptr<jet::Database> m_db;
};

TEST_F(TableCreatorTest, EveryColumnTypeAndIndexKindReadsBack)
{
    const TableSpec design = EveryKindTable();
    ASSERT_TRUE(jet::CreateTable(*m_db, design).ok());
    auto db = Reopen();
    ASSERT_TRUE(db);

    auto info = db->DescribeTable("every kind");
    ASSERT_TRUE(info.ok()) << info.status().ToString();
    EXPECT_EQ(info->name, "Every Kind");
    EXPECT_EQ(info->rowCount, 0u);
    ASSERT_EQ(info->columns.size(), design.columns.size());
    const uint16_t sizes[] = {4, 1, 1, 2, 4, 8, 4, 8, 8, 16, 510, 0, 0, 16, 17, 16};
    for (size_t i = 0; i < design.columns.size(); ++i) {
        const auto& c = info->columns[i];
        SCOPED_TRACE(design.columns[i].name);
        EXPECT_EQ(c.name, design.columns[i].name);
        EXPECT_EQ(c.type, design.columns[i].type);
        EXPECT_EQ(c.number, i);
        EXPECT_EQ(c.size, sizes[i]);
        const bool variable = c.type == ColumnType::kText || c.type == ColumnType::kMemo || c.type == ColumnType::kOle
            || c.type == ColumnType::kBinary;
        EXPECT_EQ(c.fixedLength, !variable);
        EXPECT_EQ(c.autoNumber, i == 0);
        EXPECT_EQ(c.compressedUnicode, c.name == "Code" || c.name == "Notes");
    }

    ASSERT_EQ(info->indexes.size(), design.indexes.size());
    for (const auto& expected : design.indexes) {
        SCOPED_TRACE(expected.name);
        auto it = std::find_if(info->indexes.begin(), info->indexes.end(),
                               [&](const jet::IndexInfo& ix) { return ix.name == expected.name; });
        ASSERT_NE(it, info->indexes.end());
        ASSERT_EQ(it->columns.size(), expected.columns.size());
        for (size_t k = 0; k < expected.columns.size(); ++k) {
            EXPECT_EQ(it->columns[k].column, expected.columns[k].column);
            EXPECT_EQ(it->columns[k].ascending, expected.columns[k].ascending);
        }
        EXPECT_EQ(it->primaryKey, expected.primaryKey);
        EXPECT_EQ(it->unique, expected.unique || expected.primaryKey);
        EXPECT_EQ(it->ignoreNulls, expected.ignoreNulls);
        EXPECT_EQ(it->required, expected.required || expected.primaryKey);
        EXPECT_FALSE(it->foreignKey);
    }
    EXPECT_TRUE(db->Close().ok());
    EXPECT_TRUE(JetCheckPasses(m_path, std::string("tablepw")));
}

TEST_F(TableCreatorTest, IndependentReadersSeeTheTables)
{
    if (!MdbToolsAvailable())
        GTEST_SKIP();
    ASSERT_TRUE(jet::CreateTable(*m_db, EveryKindTable()).ok());
    TableSpec second;
    second.name = "version";
    second.columns = {{"id", ColumnType::kLong}, {"text", ColumnType::kText, 50}};
    second.indexes = {{"PrimaryKey", {{"id"}}, true}};
    ASSERT_TRUE(jet::CreateTable(*m_db, second).ok());
    ASSERT_TRUE(m_db->Close().ok());

    const std::string path = m_path;
    auto tables = RunProgram(std::string("mdb-tables"), {std::string("-1"), path});
    ASSERT_EQ(tables.exitCode, 0) << tables.err;
    EXPECT_EQ(Split(tables.out, '\n'), (std::vector<std::string>{"Every Kind", "version"}));

    auto schema = RunProgram(std::string("mdb-schema"), {path, std::string("access")});
    ASSERT_EQ(schema.exitCode, 0) << schema.err;
    for (const char* expected : {"[Every Kind]", "[Notes]", "Memo", "[Amount]", "Numeric (12, 4)", "[Tag]",
                                 "Replication ID", "[version]", "[text]", "Text (50)"}) {
        EXPECT_TRUE(Contains(schema.out, std::string(expected))) << expected << "\n" << schema.out;
    }
    auto indexes = RunProgram(std::string("mdb-schema"), {std::string("--indexes"), path, std::string("postgres")});
    ASSERT_EQ(indexes.exitCode, 0) << indexes.err;
    for (const char* expected :
         {"CREATE INDEX \"every kind_bywhen_idx\" ON \"every kind\" (\"when\" DESC);",
          "CREATE UNIQUE INDEX \"every kind_codeunique_idx\" ON \"every kind\" (\"code\");",
          "CREATE INDEX \"every kind_composite_idx\" ON \"every kind\" (\"code\", \"total\" DESC, \"measure\");",
          "ADD CONSTRAINT \"every kind_pkey\" PRIMARY KEY (\"id\");",
          "ADD CONSTRAINT \"version_pkey\" PRIMARY KEY (\"id\");"}) {
        EXPECT_TRUE(Contains(indexes.out, std::string(expected))) << expected << "\n" << indexes.out;
    }

    auto exported = RunProgram(std::string("mdb-export"), {path, std::string("Every Kind")});
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    EXPECT_EQ(Trimmed(exported.out),
              std::string("Id,Flag,Small,Count,Total,Price,Ratio,Measure,When,Code,Plain,"
                          "Notes,Picture,Tag,Amount,Raw"));
    EXPECT_TRUE(JetCheckPasses(path, std::string("tablepw")));
}

TEST_F(TableCreatorTest, ManyTablesGrowTheCatalogAndItsIndexes)
{
    // Enough tables to fill several catalog pages, split the catalog's index
    // leaves and take the file past the first window of the free-page map.
    constexpr int kTables = 220;
    for (int i = 0; i < kTables; ++i) {
        TableSpec design;
        design.name = "Table number " + std::to_string(i) + " with a fairly long name";
        design.columns = {{"Key", ColumnType::kLong}, {"Name", ColumnType::kText, 40}};
        design.indexes = {{"PrimaryKey", {{"Key"}}, true}};
        auto s = jet::CreateTable(*m_db, design);
        ASSERT_TRUE(s.ok()) << i << ": " << s.ToString();
    }
    auto db = Reopen();
    ASSERT_TRUE(db);
    auto tables = db->ListTables();
    ASSERT_TRUE(tables.ok());
    ASSERT_EQ(tables->size(), static_cast<size_t>(kTables));
    EXPECT_EQ(tables->back(), "Table number 219 with a fairly long name");
    ASSERT_TRUE(db->Close().ok());
    const std::string path = m_path;
    EXPECT_TRUE(JetCheckPasses(path, std::string("tablepw")));
    if (MdbToolsAvailable()) {
        auto listed = RunProgram(std::string("mdb-tables"), {std::string("-1"), path});
        EXPECT_EQ(Split(listed.out, '\n').size(), kTables);
        EXPECT_EQ(jet::test::MdbExportRowCount(path, std::string("MSysObjects")), 8 + kTables);
        EXPECT_EQ(jet::test::MdbExportRowCount(path, std::string("MSysACEs")), 16 + 3 * kTables);
    }
}

TEST_F(TableCreatorTest, WideTableDefinitionSpansPages)
{
    TableSpec design;
    design.name = "Wide";
    for (int i = 0; i < 200; ++i) {
        const std::string name = "Column " + std::to_string(i) + std::string(50, 'x');
        design.columns.push_back({name, i % 2 == 0 ? ColumnType::kMemo : ColumnType::kText, 10});
    }
    for (int i = 0; i < 32; ++i)
        design.indexes.push_back(
            {"Index " + std::to_string(i), {{design.columns[static_cast<size_t>(2 * i + 1)].name}}});
    ASSERT_TRUE(jet::CreateTable(*m_db, design).ok());
    auto db = Reopen();
    ASSERT_TRUE(db);
    auto info = db->DescribeTable("Wide");
    ASSERT_TRUE(info.ok()) << info.status().ToString();
    ASSERT_EQ(info->columns.size(), 200u);
    EXPECT_EQ(info->columns[199].name, design.columns[199].name);
    EXPECT_EQ(info->indexes.size(), 32u);
    ASSERT_TRUE(db->Close().ok());
    EXPECT_TRUE(JetCheckPasses(m_path, std::string("tablepw")));
}

// Files written by Access and by other engines, with their own permissions,
// catalog rows, usage-map kinds and (one) page encryption, take new tables too.
class ExistingFileTest : public ::testing::TestWithParam<jet::test::FixtureFile> { };

TEST_P(ExistingFileTest, NewTablesJoinTheCatalog)
{
    if (!jet::test::FixturesAvailable())
        GTEST_SKIP();
    TempDir dir;
    const std::string path = dir.CopyFixture(GetParam().relative, std::string("copy.mdb"));
    const std::string password = GetParam().password;
    std::vector<std::string> before;
    {
        auto db = jet::Database::OpenFile(path, password);
        ASSERT_TRUE(db.ok()) << db.status().ToString();
        before = (*db)->ListTables().value();
        ASSERT_TRUE(jet::CreateTable(**db, EveryKindTable()).ok());
        TableSpec plain;
        plain.name = "Plain added";
        plain.columns = {{"Key", ColumnType::kText, 8}};
        plain.indexes = {{"PrimaryKey", {{"Key"}}, true}};
        ASSERT_TRUE(jet::CreateTable(**db, plain).ok());
        ASSERT_TRUE((*db)->Close().ok());
    }
    auto db = jet::Database::OpenFile(path, password, {.readOnly = true});
    ASSERT_TRUE(db.ok());
    auto after = (*db)->ListTables().value();
    before.insert(before.end(), {"Every Kind", "Plain added"});
    EXPECT_EQ(after, before);
    EXPECT_TRUE((*db)->DescribeTable("Plain added").ok());
    EXPECT_TRUE(JetCheckPasses(path, password));
    if (MdbToolsAvailable()) {
        auto tables = RunProgram(std::string("mdb-tables"), {std::string("-1"), path});
        EXPECT_TRUE(Contains(tables.out, std::string("Every Kind\n")));
        EXPECT_TRUE(Contains(tables.out, std::string("Plain added\n")));
    }
}

INSTANTIATE_TEST_SUITE_P(Fixtures, ExistingFileTest, ::testing::ValuesIn(jet::test::AllFixtureDatabases()),
                         [](const ::testing::TestParamInfo<jet::test::FixtureFile>& info) {
                             return info.param.Name();
                         });
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(ExistingFileTest);

// ---- Refusals: nothing of the file changes ----

struct BadSpec {
    const char* label;
    TableSpec design;
};

void PrintTo(const BadSpec& c, std::ostream* os)
{
    *os << c.label;
}

std::vector<BadSpec> BadSpecs()
{
    auto base = [] {
        TableSpec s;
        s.name = "Good";
        s.columns = {{"A", ColumnType::kText, 10},
                     {"B", ColumnType::kLong},
                     {"C", ColumnType::kBoolean},
                     {"D", ColumnType::kOle},
                     {"E", ColumnType::kNumeric}};
        return s;
    };
    std::vector<BadSpec> out;
    auto add = [&](const char* label, auto change) {
        TableSpec s = base();
        change(s);
        out.push_back({label, s});
    };
    add("EmptyTableName", [](TableSpec& s) { s.name = ""; });
    add("NameTooLong", [](TableSpec& s) { s.name = std::string(65, 'n'); });
    add("NameWithDot", [](TableSpec& s) { s.name = "a.b"; });
    add("NameWithBracket", [](TableSpec& s) { s.name = "a[b]"; });
    add("NameWithBang", [](TableSpec& s) { s.name = "a!b"; });
    add("NameWithBackquote", [](TableSpec& s) { s.name = "a`b"; });
    add("LeadingSpace", [](TableSpec& s) { s.name = " Good"; });
    add("ControlCharacter", [](TableSpec& s) { s.name = "Go\tod"; });
    add("SystemPrefix", [](TableSpec& s) { s.name = "msysThing"; });
    add("ExistingTable", [](TableSpec& s) { s.name = "EXISTING"; });
    add("ContainerName", [](TableSpec& s) { s.name = "MSysObjects"; });
    // Every name can be keyed now that surrogate pairs have weights: a
    // name taken in other letter case is refused.
    add("NameTakenInOtherCase", [](TableSpec& s) { s.name = "existing"; });
    add("NoColumns", [](TableSpec& s) { s.columns.clear(); });
    add("TooManyColumns", [](TableSpec& s) {
        s.columns.clear();
        for (int i = 0; i < 256; ++i)
            s.columns.push_back({"c" + std::to_string(i), ColumnType::kByte});
    });
    add("DuplicateColumn", [](TableSpec& s) { s.columns.push_back({"a", ColumnType::kLong}); });
    add("ColumnNameTooLong", [](TableSpec& s) { s.columns[0].name = std::string(65, 'c'); });
    add("TextLengthZero", [](TableSpec& s) { s.columns[0].maxLength = 0; });
    add("TextLength256", [](TableSpec& s) { s.columns[0].maxLength = 256; });
    add("BinaryLength511", [](TableSpec& s) { s.columns.push_back({"Bin", ColumnType::kBinary, 511}); });
    add("AutoNumberText", [](TableSpec& s) { s.columns[0].autoNumber = true; });
    add("TwoAutoNumbers", [](TableSpec& s) {
        s.columns[1].autoNumber = true;
        s.columns.push_back({"F", ColumnType::kLong, 0, false, true});
    });
    add("DecimalPrecisionZero", [](TableSpec& s) { s.columns[4].precision = 0; });
    add("DecimalPrecision29", [](TableSpec& s) { s.columns[4].precision = 29; });
    add("DecimalScaleAbovePrecision", [](TableSpec& s) {
        s.columns[4].precision = 4;
        s.columns[4].scale = 5;
    });
    add("RowTooLarge", [](TableSpec& s) {
        s.columns.clear();
        for (int i = 0; i < 240; ++i)
            s.columns.push_back({"d" + std::to_string(i), ColumnType::kNumeric});
    });
    add("ElevenIndexColumns", [](TableSpec& s) {
        IndexSpec ix{"Wide", {}};
        for (int i = 0; i < 11; ++i) {
            s.columns.push_back({"k" + std::to_string(i), ColumnType::kLong});
            ix.columns.push_back({"k" + std::to_string(i)});
        }
        s.indexes.push_back(ix);
    });
    add("IndexWithoutColumns", [](TableSpec& s) { s.indexes.push_back({"Empty", {}}); });
    add("IndexOnMissingColumn", [](TableSpec& s) { s.indexes.push_back({"Ghost", {{"Z"}}}); });
    add("IndexColumnTwice", [](TableSpec& s) { s.indexes.push_back({"Twice", {{"A"}, {"a"}}}); });
    add("IndexOnBoolean", [](TableSpec& s) { s.indexes.push_back({"Yes", {{"C"}}}); });
    add("IndexOnOle", [](TableSpec& s) { s.indexes.push_back({"Blob", {{"D"}}}); });
    add("DescendingDecimalIndex", [](TableSpec& s) { s.indexes.push_back({"Down", {{"E", false}}}); });
    add("DuplicateIndexName", [](TableSpec& s) { s.indexes = {{"Same", {{"A"}}}, {"SAME", {{"B"}}}}; });
    add("TwoPrimaryKeys", [](TableSpec& s) { s.indexes = {{"P1", {{"A"}}, true}, {"P2", {{"B"}}, true}}; });
    add("PrimaryKeyIgnoringNulls", [](TableSpec& s) { s.indexes = {{"P", {{"A"}}, true, false, true}}; });
    add("BadIndexName", [](TableSpec& s) { s.indexes = {{"a.b", {{"A"}}}}; });
    add("ThirtyThreeIndexes", [](TableSpec& s) {
        for (int i = 0; i < 33; ++i)
            s.indexes.push_back({"i" + std::to_string(i), {{"B"}}});
    });
    return out;
}

class RefusedTableTest : public ::testing::TestWithParam<BadSpec> { };

TEST_P(RefusedTableTest, ChangesNoByteOfTheFile)
{
    TempDir dir;
    const std::string path = dir.File(std::string("refuse.mdb"));
    auto db = jet::CreateDatabase(path, "");
    ASSERT_TRUE(db.ok());
    TableSpec existing;
    existing.name = "Existing";
    existing.columns = {{"X", ColumnType::kLong}};
    ASSERT_TRUE(jet::CreateTable(**db, existing).ok());
    ASSERT_TRUE((*db)->Flush().ok());
    const auto before = FileBytes(path);

    const jet::Status s = jet::CreateTable(**db, GetParam().design);
    EXPECT_FALSE(s.ok());
    EXPECT_EQ(s.kind(),
              GetParam().design.name == "Smile \xF0\x9F\x98\x80" ? jet::Status::Kind::kNotSupported
                                                                 : jet::Status::Kind::kInvalidArgument)
        << s.ToString();
    EXPECT_FALSE(s.description().empty());
    ASSERT_TRUE((*db)->Close().ok());
    EXPECT_EQ(FileBytes(path), before);
}

INSTANTIATE_TEST_SUITE_P(BadSpecs, RefusedTableTest, ::testing::ValuesIn(BadSpecs()),
                         [](const ::testing::TestParamInfo<BadSpec>& info) { return std::string(info.param.label); });

TEST(TableCreatorAccessTest, ReadOnlyOrClosedDatabaseIsRefused)
{
    TempDir dir;
    const std::string path = dir.File(std::string("ro.mdb"));
    ASSERT_TRUE(jet::CreateDatabase(path, "").ok());
    TableSpec design;
    design.name = "T";
    design.columns = {{"A", ColumnType::kLong}};
    auto readOnly = jet::Database::OpenFile(path, "", {.readOnly = true});
    ASSERT_TRUE(readOnly.ok());
    EXPECT_FALSE(jet::CreateTable(**readOnly, design).ok());
    auto writable = jet::Database::OpenFile(path, "");
    ASSERT_TRUE(writable.ok());
    ASSERT_TRUE((*writable)->Close().ok());
    EXPECT_FALSE(jet::CreateTable(**writable, design).ok());
}

} // namespace
