#include "helpers/ExternalTools.h"
#include "helpers/TempDir.h"

#include <jet/Create.h>
#include <jet/Recordset.h>

#include <gtest/gtest.h>

namespace {

using jet::ColumnType;
using jet::Value;
using jet::test::TempDir;

jet::TableSpec RowsTable()
{
    jet::TableSpec design;
    design.name = "Rows";
    design.columns = {
        {"Id", ColumnType::kLong, 0, true, true},
        {"Flag", ColumnType::kBoolean},
        {"Small", ColumnType::kByte},
        {"Count", ColumnType::kInteger},
        {"Price", ColumnType::kCurrency},
        {"Ratio", ColumnType::kSingle},
        {"Measure", ColumnType::kDouble},
        {"When", ColumnType::kDateTime},
        {"Code", ColumnType::kText, 8},
        {"Notes", ColumnType::kMemo},
        {"Picture", ColumnType::kOle},
        {"Tag", ColumnType::kGuid},
        {"Amount", ColumnType::kNumeric, 0, true, false, 12, 4},
    };
    design.indexes = {
        {"PrimaryKey", {{"Id"}}, true},
        {"CodeUnique", {{"Code"}}, false, true, true},
        {"ByWhen", {{"When", false}, {"Count"}}},
    };
    return design;
}

std::vector<std::pair<std::string, Value>> RowValues(int i)
{
    jet::Guid tag;
    for (size_t b = 0; b < tag.bytes.size(); ++b)
        tag.bytes[b] = static_cast<uint8_t>(i * 16 + b);
    jet::Decimal amount;
    amount.magnitude = {static_cast<uint32_t>(123456 + i), 0, 0};
    amount.precision = 12;
    amount.scale = 4;
    std::u16string notes(static_cast<size_t>(i) * 3000, u'n'); // inline, one page, a chain
    return {
        {"Flag", Value(i % 2 == 0)},
        {"Small", Value(static_cast<uint8_t>(i))},
        {"Count", Value(static_cast<int16_t>(-i))},
        {"Price", Value(jet::Currency{i * 12345})},
        {"Ratio", Value(0.5f * static_cast<float>(i))},
        {"Measure", Value(1.0 / (i + 1))},
        {"When", Value(jet::DateTime{45000.25 + i})},
        {"Code", i == 1 ? Value() : Value(u"C-" + std::u16string(1, static_cast<char16_t>(u'A' + i)))},
        {"Notes", Value(notes)},
        {"Picture", Value(jet::Bytes(static_cast<size_t>(i) * 100, static_cast<uint8_t>(i)))},
        {"Tag", Value(tag)},
        {"Amount", Value(amount)},
    };
}

TEST(CreatedTableRowsTest, RowsWrittenIntoANewTableReadBackEverywhere)
{
    TempDir dir;
    const std::string path = dir.File(std::string("rows.mdb"));
    constexpr int kRows = 3;
    {
        auto db = jet::CreateDatabase(path, "rowpw");
        ASSERT_TRUE(db.ok());
        ASSERT_TRUE(jet::CreateTable(**db, RowsTable()).ok());
        auto rs = jet::Recordset::Open(**db, "Rows", jet::CursorType::kDynamic, jet::LockType::kOptimistic);
        ASSERT_TRUE(rs.ok()) << rs.status().ToString();
        for (int i = 0; i < kRows; ++i) {
            const jet::Status started = (*rs)->AddNew();
            ASSERT_TRUE(started.ok()) << started.ToString();
            for (const auto& [name, value] : RowValues(i))
                ASSERT_TRUE((*rs)->SetField(name, value).ok()) << name;
            const jet::Status committed = (*rs)->Update();
            ASSERT_TRUE(committed.ok()) << committed.ToString();
        }
        ASSERT_TRUE((*db)->Close().ok());
    }

    auto db = jet::Database::OpenFile(path, "rowpw", {.readOnly = true});
    ASSERT_TRUE(db.ok());
    EXPECT_EQ((*db)->DescribeTable("Rows")->rowCount, static_cast<uint32_t>(kRows));
    auto rs = jet::Recordset::Open(**db, "SELECT * From [Rows]", jet::CursorType::kStatic, jet::LockType::kReadOnly);
    ASSERT_TRUE(rs.ok());
    ASSERT_EQ((*rs)->RecordCount(), kRows);
    for (int i = 0; i < kRows; ++i, (void)(*rs)->MoveNext()) {
        ASSERT_FALSE((*rs)->IsEOF());
        EXPECT_EQ((*rs)->Field("Id").value(), Value(int32_t{i + 1})) << "AutoNumber";
        for (const auto& [name, value] : RowValues(i)) {
            auto stored = (*rs)->Field(name);
            ASSERT_TRUE(stored.ok()) << name;
            EXPECT_EQ(*stored, value) << "row " << i << " field " << name;
        }
    }

    EXPECT_TRUE(jet::test::JetCheckPasses(path, std::string("rowpw")));
    if (jet::test::MdbToolsAvailable()) {
        auto exported = jet::test::RunProgram(std::string("mdb-export"),
                                              {std::string("-H"), std::string("-d"), std::string("|"),
                                               std::string("-q"), std::string("'"), path, std::string("Rows")});
        ASSERT_EQ(exported.exitCode, 0) << exported.err;
        const std::vector<std::string> lines = jet::test::Split(exported.out, '\n');
        ASSERT_EQ(lines.size(), kRows);
        for (int i = 0; i < kRows; ++i) {
            const std::vector<std::string> f = jet::test::Split(lines[i], '|', true);
            ASSERT_EQ(f.size(), 13) << lines[i];
            EXPECT_EQ(f[0], std::to_string(i + 1));
            EXPECT_EQ(f[2], std::to_string(i));
            EXPECT_EQ(f[3], std::to_string(-i));
            EXPECT_EQ(f[8], i == 1 ? std::string() : "'C-" + std::string(1, static_cast<char>('A' + i)) + "'");
            EXPECT_EQ(std::count(f[9].begin(), f[9].end(), 'n'), i * 3000) << "memo of row " << i;
            EXPECT_EQ(f[12], "12.345" + std::to_string(6 + i));
        }
    }
}

} // namespace
