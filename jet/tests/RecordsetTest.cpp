// The record set as the application uses it: positions, ADO's errors where
// ADO fails, fields by name, queries and the first-match search.
#include "helpers/Fixtures.h"

#include "helpers/TempDir.h"

#include <jet/Database.h>
#include <jet/Recordset.h>

#include <gtest/gtest.h>

#include <cctype>
#include <set>

namespace jet::test {
namespace {

constexpr int32_t kNoCurrentRecord = 3021;

class RecordsetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!FixturesAvailable())
            GTEST_SKIP();
    }

    jet::Database& Open(const std::string& relative)
    {
        auto db = jet::Database::OpenFile(FixtureFilePath(relative), "tallowmere", {.readOnly = true});
        EXPECT_TRUE(db.ok()) << db.status().ToString();
        m_db = std::move(db).value();
        return *m_db;
    }

    std::unique_ptr<jet::Recordset> Query(const std::string& source, jet::CursorType cursor = jet::CursorType::kStatic)
    {
        auto rs = jet::Recordset::Open(*m_db, source, cursor, jet::LockType::kReadOnly);
        EXPECT_TRUE(rs.ok()) << source << ": " << rs.status().ToString();
        return rs.ok() ? std::move(rs).value() : nullptr;
    }

    static std::string Text(jet::Recordset& rs, const std::string& field)
    {
        auto v = rs.Field(field);
        return v.ok() ? v->ToUtf8() : "<" + v.status().description() + ">";
    }

    std::unique_ptr<jet::Database> m_db;
};

TEST_F(RecordsetTest, EmptyTableIsAtBothEndsAndRefusesMoves)
{
    Open("fixtures/jet4/edge/PAF_POSTZON_empty_table.dat");
    auto rs = Query("PAF_PostZon");
    ASSERT_TRUE(rs);
    EXPECT_TRUE(rs->IsEOF());
    EXPECT_TRUE(rs->IsBOF());
    EXPECT_EQ(rs->RecordCount(), 0);
    EXPECT_EQ(rs->MoveFirst().number(), kNoCurrentRecord);
    EXPECT_EQ(rs->MoveLast().number(), kNoCurrentRecord);
    EXPECT_EQ(rs->MoveNext().number(), kNoCurrentRecord);
    EXPECT_EQ(rs->Field("PZ_Postcode").status().number(), kNoCurrentRecord);
    EXPECT_EQ(rs->FindFirst("PZ_Postcode", u"AB1 0LT").number(), kNoCurrentRecord);
}

TEST_F(RecordsetTest, MovesLikeAdo)
{
    Open("fixtures/jet4/dataset/PAF_THOURGHFARE.dat");
    auto rs = Query("SELECT * From PAF_StreetAddress;");
    ASSERT_TRUE(rs);
    EXPECT_EQ(rs->RecordCount(), 2500) << "known before the first row is read";
    EXPECT_FALSE(rs->IsBOF());
    EXPECT_FALSE(rs->IsEOF());
    EXPECT_EQ(Text(*rs, "FT_PostCode"), "AB1 0LT");
    ASSERT_TRUE(rs->MoveLast().ok());
    EXPECT_EQ(Text(*rs, "ft_postcode"), "YO9 9SZ");
    EXPECT_TRUE(rs->Field("FT_Update")->IsNull());
    ASSERT_TRUE(rs->MoveNext().ok());
    EXPECT_TRUE(rs->IsEOF());
    EXPECT_FALSE(rs->IsBOF());
    EXPECT_EQ(rs->MoveNext().number(), kNoCurrentRecord);
    EXPECT_EQ(rs->Field("FT_PostCode").status().number(), kNoCurrentRecord);
    ASSERT_TRUE(rs->MoveFirst().ok());
    EXPECT_EQ(Text(*rs, "FT_Address"), "Byres Road, ABERDEEN, Aberdeenshire");
    int rows = 1;
    while (rs->MoveNext().ok() && !rs->IsEOF())
        ++rows;
    EXPECT_EQ(rows, 2500);
}

TEST_F(RecordsetTest, FieldsByNameAndPosition)
{
    Open("fixtures/jet4/dataset/PAF_POSTZON.dat");
    auto rs = Query("[PAF_PostZon]", jet::CursorType::kDynamic);
    ASSERT_TRUE(rs);
    ASSERT_EQ(rs->FieldCount(), 17);
    EXPECT_EQ(rs->FieldName(0), "PZ_Postcode");
    EXPECT_EQ(rs->FieldName(16), "PZ_Update");
    EXPECT_EQ(rs->FieldName(17), "");
    EXPECT_EQ(rs->FieldAt(2)->As<int32_t>(), 383095);
    EXPECT_EQ(rs->Field("pz_gridrefnorth")->As<int32_t>(), 800231);
    EXPECT_EQ(rs->Field("PZ_UserType")->As<uint8_t>(), 0);
    EXPECT_EQ(rs->Field("PZ_WardStatus")->As<int16_t>(), 0);
    EXPECT_DOUBLE_EQ(rs->Field("PZ_Long")->As<double>(), -2.279846);
    EXPECT_EQ(rs->Field("Nope").status().number(), 3265);
    EXPECT_EQ(rs->FieldAt(17).status().number(), 3265);
}

TEST_F(RecordsetTest, FieldNamesKeepTheirMeaningOnEveryRowAndInAnySpelling)
{
    Open("fixtures/jet4/dataset/PAF_POSTZON.dat");
    auto rs = Query("[PAF_PostZon]", jet::CursorType::kDynamic);
    ASSERT_TRUE(rs);
    // More spellings of one name than a record set would keep resolved.
    std::vector<std::string> spellings;
    const std::string name = "PZ_Postcode";
    for (unsigned mask = 0; spellings.size() < 100; ++mask) {
        std::string s = name;
        for (size_t i = 0; i < s.size(); ++i) {
            if ((mask >> i) & 1u)
                s[i] = static_cast<char>(std::isupper(static_cast<unsigned char>(s[i])) ? std::tolower(s[i])
                                                                                        : std::toupper(s[i]));
        }
        spellings.push_back(s);
    }
    for (int row = 0; row < 3; ++row) {
        const std::string postcode = rs->FieldAt(0)->ToUtf8();
        for (const std::string& s : spellings)
            ASSERT_EQ(Text(*rs, s), postcode) << s;
        EXPECT_EQ(rs->Field("PZ_GridRefNorth")->As<int32_t>(), rs->FieldAt(3)->As<int32_t>());
        EXPECT_EQ(rs->Field("pz_gridrefnorth")->As<int32_t>(), rs->FieldAt(3)->As<int32_t>());
        EXPECT_EQ(rs->Field("Nope").status().number(), 3265);
        EXPECT_EQ(rs->Field("PZ_Postcod").status().number(), 3265);
        EXPECT_EQ(rs->FindFirst("Nope", u"x").number(), 3265);
        ASSERT_TRUE(rs->MoveNext().ok());
    }
}

TEST_F(RecordsetTest, FindFirstMatchesExactTextFromTheCurrentRow)
{
    Open("fixtures/jet4/dataset/PAF_FULL.dat");
    auto rs = Query("PAF_FULLAddress", jet::CursorType::kDynamic);
    ASSERT_TRUE(rs);
    // Three rows hold EH27 2EG; each search from the current row finds the next.
    ASSERT_TRUE(rs->FindFirst("FT_PostCode", u"EH27 2EG").ok());
    ASSERT_FALSE(rs->IsEOF());
    const std::string first = Text(*rs, "FT_Address");
    EXPECT_EQ(first.rfind("Old record", 0), std::string::npos) << first;
    ASSERT_TRUE(rs->FindFirst("FT_PostCode", u"EH27 2EG").ok());
    EXPECT_EQ(Text(*rs, "FT_Address"), first) << "the current row itself matches";
    ASSERT_TRUE(rs->MoveNext().ok());
    ASSERT_TRUE(rs->FindFirst("FT_PostCode", u"EH27 2EG").ok());
    EXPECT_EQ(Text(*rs, "FT_Address").rfind("Old record", 0), 0u);
    ASSERT_TRUE(rs->MoveNext().ok());
    ASSERT_TRUE(rs->FindFirst("FT_PostCode", u"EH27 2EG").ok());
    EXPECT_EQ(Text(*rs, "FT_Address"), "Third copy, EH27 2EG");
    ASSERT_TRUE(rs->MoveFirst().ok());
    ASSERT_TRUE(rs->FindFirst("FT_PostCode", u"SY1 8NG").ok());
    ASSERT_TRUE(rs->MoveNext().ok());
    ASSERT_TRUE(rs->FindFirst("FT_PostCode", u"SY1 8NG").ok());
    ASSERT_FALSE(rs->IsEOF());
    ASSERT_TRUE(rs->MoveNext().ok());
    ASSERT_TRUE(rs->FindFirst("FT_PostCode", u"SY1 8NG").ok());
    EXPECT_TRUE(rs->IsEOF()) << "only two rows hold SY1 8NG";

    ASSERT_TRUE(rs->MoveFirst().ok());
    ASSERT_TRUE(rs->FindFirst("FT_PostCode", u"eh27 2eg").ok());
    EXPECT_TRUE(rs->IsEOF()) << "the search is exact, not case-folded";
    ASSERT_TRUE(rs->MoveFirst().ok());
    ASSERT_TRUE(rs->FindFirst("FT_PostCode", u"EH27 2EG ").ok());
    EXPECT_TRUE(rs->IsEOF()) << "trailing blanks matter";
    EXPECT_EQ(rs->FindFirst("FT_PostCode", u"AB1 0LT").number(), kNoCurrentRecord);
    ASSERT_TRUE(rs->MoveFirst().ok());
    EXPECT_EQ(rs->FindFirst("Missing", u"x").number(), 3265);
}

// The index seek and a plain scan agree for every key of the table: the
// first row in table order holding the text.
TEST_F(RecordsetTest, FindFirstThroughTheIndexFindsTheFirstRowInTableOrder)
{
    Open("fixtures/jet4/dataset/PAF_FULL.dat");
    auto rs = Query("PAF_FULLAddress", jet::CursorType::kDynamic);
    ASSERT_TRUE(rs);
    std::vector<std::pair<std::u16string, std::string>> firsts; // postcode, address of its first row
    std::set<std::u16string> seen;
    while (!rs->IsEOF()) {
        const auto code = rs->Field("FT_PostCode")->As<std::u16string>();
        if (seen.insert(code).second)
            firsts.emplace_back(code, Text(*rs, "FT_Address"));
        ASSERT_TRUE(rs->MoveNext().ok());
    }
    ASSERT_EQ(firsts.size(), 2989u);
    for (const auto& [code, address] : firsts) {
        ASSERT_TRUE(rs->MoveFirst().ok());
        ASSERT_TRUE(rs->FindFirst("FT_PostCode", code).ok());
        ASSERT_FALSE(rs->IsEOF());
        ASSERT_EQ(Text(*rs, "FT_Address"), address);
    }
}

TEST_F(RecordsetTest, FindFirstOnANumberColumnComparesItsText)
{
    Open("fixtures/jet4/dataset/PAF_FULL.dat");
    auto rs = Query("Version", jet::CursorType::kDynamic);
    ASSERT_TRUE(rs);
    ASSERT_TRUE(rs->FindFirst("ID", u"2").ok());
    ASSERT_FALSE(rs->IsEOF());
    EXPECT_EQ(Text(*rs, "text"), "20070201");
}

struct QueryCase {
    const char* file;
    const char* source;
    int64_t rows;
    const char* firstText; // field "text" of the first row, or nullptr
};

void PrintTo(const QueryCase& c, std::ostream* os)
{
    *os << c.source;
}

class QueryTest : public RecordsetTest, public ::testing::WithParamInterface<QueryCase> { };

TEST_P(QueryTest, SelectsRows)
{
    Open(GetParam().file);
    auto rs = Query(GetParam().source);
    ASSERT_TRUE(rs);
    EXPECT_EQ(rs->RecordCount(), GetParam().rows);
    if (GetParam().firstText != nullptr)
        EXPECT_EQ(Text(*rs, "text"), GetParam().firstText);
    else
        EXPECT_TRUE(rs->IsEOF() || rs->Field("text")->IsNull());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QueryTest,
    ::testing::Values(
        QueryCase{"fixtures/jet4/dataset/PAF_FULL.dat", "SELECT * From [version] WHERE [id]=2;", 1, "20070201"},
        QueryCase{"fixtures/jet4/dataset/PAF_FULL.dat", "select * from version where id = 2", 1, "20070201"},
        QueryCase{"fixtures/jet4/dataset/PAF_FULL.dat", "SELECT * From [version]", 3, "header"},
        QueryCase{"fixtures/jet4/dataset/PAF_FULL.dat", "SELECT * From [version] WHERE [text]='OTHER'", 1, "other"},
        QueryCase{"fixtures/jet4/dataset/PAF_FULL.dat", "SELECT * From [version] WHERE [id]=7;", 0, nullptr},
        QueryCase{"fixtures/jet4/edge/PAF_FULL_no_version_row2.dat", "SELECT * From [version] WHERE [id]=2;", 0,
                  nullptr},
        QueryCase{"fixtures/jet4/edge/PAF_THOURGHFARE_null_version_text.dat", "SELECT * From [version] WHERE [id]=2;",
                  1, nullptr},
        QueryCase{"fixtures/jet4/edge/PAF_FULL_empty_version_text.dat", "SELECT * From [version] WHERE [id]=2;", 1,
                  ""}));

struct BadQuery {
    const char* source;
    int32_t number;
};

void PrintTo(const BadQuery& c, std::ostream* os)
{
    *os << '"' << c.source << '"';
}

class BadQueryTest : public RecordsetTest, public ::testing::WithParamInterface<BadQuery> { };

TEST_P(BadQueryTest, IsRefused)
{
    Open("fixtures/jet4/dataset/PAF_FULL.dat");
    auto rs = jet::Recordset::Open(*m_db, GetParam().source, jet::CursorType::kStatic, jet::LockType::kReadOnly);
    ASSERT_FALSE(rs.ok());
    EXPECT_EQ(rs.status().number(), GetParam().number) << rs.status().description();
}

INSTANTIATE_TEST_SUITE_P(Cases, BadQueryTest,
                         ::testing::Values(BadQuery{"nosuchtable", -2147217865},
                                           BadQuery{"SELECT * From [nosuch];", -2147217865},
                                           BadQuery{"SELECT id From version", -2147217900},
                                           BadQuery{"SELECT * From version WHERE [id]=", -2147217900},
                                           BadQuery{"SELECT * From version WHERE [id]='2'", -2147217913},
                                           BadQuery{"SELECT * From version extra", -2147217900},
                                           BadQuery{"MSysObjects", -2147217865}));

} // namespace
} // namespace jet::test
