// Adding and replacing rows through the record set: what is written reads
// back, passes the integrity check and reads the same in mdb-export; bad
// writes are refused before any byte changes.
#include "helpers/Fixtures.h"

#include "db/Check.h"
#include "db/DatabaseImpl.h"
#include "io/MemoryFile.h"

#include "helpers/ExternalTools.h"
#include "helpers/FaultyFile.h"
#include "helpers/TempDir.h"

#include <jet/Database.h>
#include <jet/Diagnostics.h>
#include <jet/Recordset.h>

#include <gtest/gtest.h>

#include <fstream>

namespace jet::test {
namespace {

std::u16string Repeat(std::u16string_view unit, size_t times)
{
    std::u16string out;
    for (size_t i = 0; i < times; ++i)
        out += unit;
    return out;
}

std::string Problems(const std::string& path, const std::string& password)
{
    auto report = jet::CheckDatabase(path, password);
    if (!report.ok())
        return report.status().ToString();
    std::string text;
    for (const auto& p : report->problems)
        text += p + "\n";
    return text;
}

class WriteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!FixturesAvailable())
            GTEST_SKIP();
    }

    // A writable copy of a fixture.
    std::string Copy(const std::string& relative, const std::string& name = std::string("copy.dat"))
    {
        return m_dir.CopyFixture(relative, name);
    }

    std::unique_ptr<jet::Database> OpenDb(const std::string& path, const std::string& password = "tallowmere")
    {
        auto db = jet::Database::OpenFile(path, password);
        EXPECT_TRUE(db.ok()) << db.status().ToString();
        return db.ok() ? std::move(db).value() : nullptr;
    }

    static std::unique_ptr<jet::Recordset> Table(jet::Database& db, const std::string& name)
    {
        auto rs = jet::Recordset::Open(db, name, jet::CursorType::kDynamic, jet::LockType::kOptimistic);
        EXPECT_TRUE(rs.ok()) << rs.status().ToString();
        return rs.ok() ? std::move(rs).value() : nullptr;
    }

    static jet::Status Add(jet::Recordset& rs, const std::vector<std::pair<std::string, jet::Value>>& fields)
    {
        JET_RETURN_IF_ERROR(rs.AddNew());
        for (const auto& [name, value] : fields)
            JET_RETURN_IF_ERROR(rs.SetField(name, value));
        return rs.Update();
    }

    // Every row of a table in table order, each as its JSON line.
    static std::vector<std::string> Dump(jet::Database& db, const std::string& table)
    {
        std::vector<std::string> lines;
        auto rs = jet::Recordset::Open(db, table, jet::CursorType::kStatic, jet::LockType::kReadOnly);
        EXPECT_TRUE(rs.ok());
        while (rs.ok() && !(*rs)->IsEOF()) {
            std::string line;
            for (int i = 0; i < (*rs)->FieldCount(); ++i)
                line += jet::ValueToJson((*rs)->FieldAt(i).value()) + ",";
            lines.push_back(line);
            if (!(*rs)->MoveNext().ok())
                break;
        }
        return lines;
    }

    TempDir m_dir;
};

TEST_F(WriteTest, AddedRowsReadBackWithEveryLongValueForm)
{
    const std::string path = Copy("fixtures/jet4/dataset/PAF_FULL.dat");
    struct Row {
        std::u16string code;
        jet::Value address;
        jet::Value update;
    };
    const std::vector<Row> rows = {
        {u"ZZ1 1AA", jet::Value(u"Short, inline"), jet::Value(u"A")},
        {u"ZZ1 1AB", jet::Value(Repeat(u"12 High Street, LONDON\r\n", 60)), jet::Value(u"")},               // one page
        {u"ZZ1 1AC", jet::Value(Repeat(u"Ch\u00e2teau \u0174ales, 9 Rose Street\r\n", 400)), jet::Value()}, // chain
        {u"ZZ1 1AD", jet::Value(), jet::Value(u"C")},
        {u"ZZ1 1AE", jet::Value(u""), jet::Value(u"C")},
        {u"ZZ1 1AF", jet::Value(Repeat(u"\u2019", 1500)), jet::Value(u"A")}, // single page, not compressible
    };
    {
        auto db = OpenDb(path);
        auto rs = Table(*db, "PAF_FULLAddress");
        for (const auto& r : rows) {
            ASSERT_TRUE(
                Add(*rs, {{"FT_PostCode", jet::Value(r.code)}, {"FT_Address", r.address}, {"ft_update", r.update}})
                    .ok());
            EXPECT_EQ(rs->Field("FT_PostCode")->As<std::u16string>(), r.code) << "positioned on the new row";
        }
        EXPECT_EQ(rs->RecordCount(), 3006);
        ASSERT_TRUE(db->Close().ok());
    }
    auto db = OpenDb(path);
    auto rs = Table(*db, "PAF_FULLAddress");
    EXPECT_EQ(rs->RecordCount(), 3006);
    ASSERT_TRUE(rs->FindFirst("FT_PostCode", rows[0].code).ok());
    for (const auto& r : rows) {
        ASSERT_FALSE(rs->IsEOF());
        EXPECT_EQ(rs->Field("FT_PostCode")->As<std::u16string>(), r.code);
        EXPECT_EQ(rs->Field("FT_Address").value(), r.address);
        EXPECT_EQ(rs->Field("FT_Update").value(), r.update);
        ASSERT_TRUE(rs->MoveNext().ok());
    }
    EXPECT_TRUE(rs->IsEOF());
    ASSERT_TRUE(rs->MoveFirst().ok());
    ASSERT_TRUE(rs->FindFirst("FT_PostCode", u"ZZ1 1AC").ok());
    EXPECT_FALSE(rs->IsEOF()) << "the new key is in the index";
    db.reset();
    EXPECT_EQ(Problems(path, "tallowmere"), "");
    if (MdbToolsAvailable()) {
        EXPECT_EQ(MdbExportRowCount(path, std::string("PAF_FULLAddress")), 3006);
        EXPECT_TRUE(MatchesMdbExport(path, "tallowmere"));
    }
}

TEST_F(WriteTest, ReplacedRowsKeepTheirPlaceInTableOrder)
{
    const std::string path = Copy("fixtures/jet4/dataset/PAF_FULL.dat");
    auto db = OpenDb(path);
    std::vector<std::string> before = Dump(*db, "PAF_FULLAddress");
    auto rs = Table(*db, "PAF_FULLAddress");
    // Shrink, grow on the page, grow past the page (the row moves), grow a
    // moved row again, and turn long values into other forms.
    const std::vector<std::pair<int, std::u16string>> changes = {
        {0, u"x"},
        {1, Repeat(u"A longer address line\r\n", 20)},
        {2, Repeat(u"Moved away, ", 300)},
        {2, Repeat(u"Moved again, ", 900)},
        {3, u""},
        {4, Repeat(u"y", 60)},
    };
    for (const auto& [index, address] : changes) {
        ASSERT_TRUE(rs->MoveFirst().ok());
        for (int i = 0; i < index; ++i)
            ASSERT_TRUE(rs->MoveNext().ok());
        ASSERT_TRUE(rs->SetField("FT_Address", jet::Value(address)).ok());
        ASSERT_TRUE(rs->SetField("FT_Update", jet::Value(u"C")).ok());
        EXPECT_EQ(rs->Field("FT_Address")->As<std::u16string>(), address) << "pending value shows";
        ASSERT_TRUE(rs->Update().ok());
        EXPECT_EQ(rs->Field("FT_Address")->As<std::u16string>(), address);
    }
    // Many rows of the first page grow so that some must move.
    ASSERT_TRUE(rs->MoveFirst().ok());
    for (int i = 0; i < 40; ++i) {
        ASSERT_TRUE(rs->SetField("FT_Address", jet::Value(Repeat(u"Grown ", 10 + i))).ok());
        ASSERT_TRUE(rs->Update().ok());
        ASSERT_TRUE(rs->MoveNext().ok());
    }
    ASSERT_TRUE(db->Close().ok());

    db = OpenDb(path);
    std::vector<std::string> after = Dump(*db, "PAF_FULLAddress");
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 40; i < after.size(); ++i)
        ASSERT_EQ(after[i], before[i]) << "row " << i << " untouched";
    auto check = Table(*db, "PAF_FULLAddress");
    for (int i = 0; i < 40; ++i) {
        EXPECT_EQ(check->Field("FT_Address")->As<std::u16string>(), Repeat(u"Grown ", 10 + i));
        EXPECT_EQ(check->Field("FT_PostCode")->ToUtf8(),
                  before[static_cast<size_t>(i)].substr(1, before[static_cast<size_t>(i)].find('"', 1) - 1));
        ASSERT_TRUE(check->MoveNext().ok());
    }
    db.reset();
    EXPECT_EQ(Problems(path, "tallowmere"), "");
    if (MdbToolsAvailable()) {
        EXPECT_TRUE(MatchesMdbExport(path, "tallowmere"));
    }
}

TEST_F(WriteTest, ChangingAKeyMovesItsIndexEntry)
{
    const std::string path = Copy("fixtures/jet4/dataset/PAF_POSTZON.dat");
    auto db = OpenDb(path);
    auto rs = Table(*db, "PAF_PostZon");
    ASSERT_TRUE(rs->FindFirst("PZ_Postcode", u"AB1 0LT").ok());
    ASSERT_TRUE(rs->SetField("PZ_Postcode", jet::Value(u"ZZ9 9ZZ")).ok());
    ASSERT_TRUE(rs->SetField("PZ_County", jet::Value(u"99")).ok());
    ASSERT_TRUE(rs->Update().ok());
    ASSERT_TRUE(rs->MoveFirst().ok());
    ASSERT_TRUE(rs->FindFirst("PZ_Postcode", u"AB1 0LT").ok());
    EXPECT_TRUE(rs->IsEOF());
    ASSERT_TRUE(rs->MoveFirst().ok());
    ASSERT_TRUE(rs->FindFirst("PZ_Postcode", u"ZZ9 9ZZ").ok());
    ASSERT_FALSE(rs->IsEOF());
    EXPECT_EQ(rs->Field("PZ_GridRefEast")->As<int32_t>(), 383095);
    ASSERT_TRUE(db->Close().ok());
    EXPECT_EQ(Problems(path, "tallowmere"), "");
}

// Changing one indexed column moves its entry in that index only; the
// other index still finds the row under its unchanged key.
TEST_F(WriteTest, ChangingOneKeyColumnLeavesTheOtherIndexAlone)
{
    const std::string path = Copy("fixtures/jet4/dataset/PAF_POSTZON.dat");
    auto db = OpenDb(path);
    auto rs = Table(*db, "PAF_PostZon");
    ASSERT_TRUE(rs->FindFirst("PZ_Postcode", u"AB1 0LT").ok());
    ASSERT_FALSE(rs->IsEOF());
    ASSERT_TRUE(rs->SetField("PZ_County", jet::Value(u"98")).ok());
    ASSERT_TRUE(rs->Update().ok());
    ASSERT_TRUE(rs->SetField("PZ_Ward", jet::Value(u"QQ")).ok());
    ASSERT_TRUE(rs->Update().ok());
    ASSERT_TRUE(db->Close().ok());
    EXPECT_EQ(Problems(path, "tallowmere"), "");

    db = OpenDb(path);
    rs = Table(*db, "PAF_PostZon");
    ASSERT_TRUE(rs->FindFirst("PZ_County", u"98").ok());
    ASSERT_FALSE(rs->IsEOF());
    EXPECT_EQ(rs->Field("PZ_Postcode")->ToUtf8(), "AB1 0LT");
    EXPECT_EQ(rs->Field("PZ_Ward")->ToUtf8(), "QQ");
    ASSERT_TRUE(rs->MoveFirst().ok());
    ASSERT_TRUE(rs->FindFirst("PZ_Postcode", u"AB1 0LT").ok());
    ASSERT_FALSE(rs->IsEOF());
    EXPECT_EQ(rs->Field("PZ_County")->ToUtf8(), "98");
}

TEST_F(WriteTest, ManyRowsGrowEveryStructure)
{
    // Enough rows for hundreds of data pages: the owned map leaves its inline
    // window, the global map grows, index pages split and gain levels.
    const std::string path = Copy("fixtures/jet4/dataset/PAF_FULL.dat");
    constexpr int kRows = 60000;
    {
        auto db = OpenDb(path);
        auto rs = Table(*db, "version");
        for (int i = 0; i < kRows; ++i) {
            ASSERT_TRUE(Add(*rs,
                            {{"id", jet::Value(static_cast<int32_t>(1000 + i))},
                             {"text", jet::Value(jet::Utf8ToUtf16(std::to_string(i % 97)))}})
                            .ok())
                << i;
        }
        ASSERT_TRUE(db->Close().ok());
    }
    EXPECT_EQ(Problems(path, "tallowmere"), "");
    auto db = OpenDb(path);
    auto rs = Table(*db, "version");
    EXPECT_EQ(rs->RecordCount(), kRows + 3);
    ASSERT_TRUE(rs->FindFirst("id", u"59999").ok());
    EXPECT_EQ(rs->Field("text")->ToUtf8(), std::to_string(58999 % 97));
    if (MdbToolsAvailable()) {
        EXPECT_TRUE(MatchesMdbExport(path, "tallowmere"));
    }
}

TEST_F(WriteTest, FindFirstWithoutAnIndexSeesAddedRows)
{
    const std::string path = Copy("fixtures/jet4/updates/UPDATE_T_20070401.dat");
    auto db = OpenDb(path);
    auto rs = Table(*db, "PAF_StreetAddress");
    ASSERT_TRUE(rs->FindFirst("FT_PostCode", u"GY2 4ZU").ok());
    ASSERT_FALSE(rs->IsEOF());
    const auto first = rs->Field("FT_Address").value();
    ASSERT_TRUE(rs->MoveNext().ok());
    ASSERT_TRUE(rs->FindFirst("FT_PostCode", u"GY2 4ZU").ok());
    ASSERT_FALSE(rs->IsEOF());
    EXPECT_NE(rs->Field("FT_Address").value(), first) << "the second row with that key";
    ASSERT_TRUE(rs->MoveFirst().ok());
    ASSERT_TRUE(rs->FindFirst("FT_PostCode", u"ZZ9 9ZZ").ok());
    EXPECT_TRUE(rs->IsEOF());

    ASSERT_TRUE(Add(*rs, {{"FT_PostCode", jet::Value(u"ZZ9 9ZZ")}, {"FT_Address", jet::Value(u"New")}}).ok());
    ASSERT_TRUE(Add(*rs, {{"FT_PostCode", jet::Value(u"GY2 4ZU")}, {"FT_Address", jet::Value(u"Third")}}).ok());
    ASSERT_TRUE(rs->MoveFirst().ok());
    ASSERT_TRUE(rs->FindFirst("FT_PostCode", u"ZZ9 9ZZ").ok());
    ASSERT_FALSE(rs->IsEOF());
    EXPECT_EQ(rs->Field("FT_Address")->ToUtf8(), "New");
    ASSERT_TRUE(rs->MoveFirst().ok());
    ASSERT_TRUE(rs->FindFirst("FT_PostCode", u"GY2 4ZU").ok());
    EXPECT_EQ(rs->Field("FT_Address").value(), first) << "still the first row in table order";
}

struct Refusal {
    const char* name;
    const char* table;
    std::vector<std::pair<std::string, jet::Value>> fields;
    bool failsOnAssignment;
};

void PrintTo(const Refusal& c, std::ostream* os)
{
    *os << c.name;
}

class RefusedWriteTest : public WriteTest, public ::testing::WithParamInterface<Refusal> { };

TEST_P(RefusedWriteTest, ChangesNoByte)
{
    const std::string path = Copy("fixtures/jet4/dataset/PAF_POSTZON.dat");
    const auto original = ReadFileBytes(path);
    {
        auto db = OpenDb(path);
        auto rs = Table(*db, GetParam().table);
        ASSERT_TRUE(rs->AddNew().ok());
        jet::Status status;
        for (const auto& [name, value] : GetParam().fields) {
            status = rs->SetField(name, value);
            if (!status.ok())
                break;
        }
        if (GetParam().failsOnAssignment) {
            EXPECT_FALSE(status.ok());
        } else {
            ASSERT_TRUE(status.ok()) << status.ToString();
            status = rs->Update();
            EXPECT_FALSE(status.ok());
        }
        EXPECT_FALSE(status.description().empty());
        rs->CancelUpdate();
        ASSERT_TRUE(db->Close().ok());
    }
    EXPECT_EQ(ReadFileBytes(path), original);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedWriteTest,
    ::testing::Values(
        Refusal{"DuplicatePrimaryKey", "PAF_PostZon", {{"PZ_Postcode", jet::Value(u"AB1 0LT")}}, false},
        Refusal{"DuplicateKeyInAnyCase", "version", {{"id", jet::Value(static_cast<int32_t>(2))}}, false},
        Refusal{"NullPrimaryKey", "PAF_PostZon", {{"PZ_County", jet::Value(u"01")}}, false},
        Refusal{"TextTooLong", "PAF_PostZon", {{"PZ_Postcode", jet::Value(u"AB1 0LTXX")}}, true},
        Refusal{"TypeMismatch", "PAF_PostZon", {{"PZ_GridRefEast", jet::Value(u"east")}}, true},
        Refusal{"ByteOutOfRange", "PAF_PostZon", {{"PZ_UserType", jet::Value(static_cast<int32_t>(256))}}, true},
        // Every code unit has a weight in the General order, surrogates
        // included; a key equal in that order to a taken one is refused.
        Refusal{"KeyTakenInOtherCase", "PAF_PostZon", {{"PZ_Postcode", jet::Value(u"ab1 0lt")}}, false},
        Refusal{"UnknownField", "PAF_PostZon", {{"PZ_Nope", jet::Value(u"x")}}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WriteTest, RecordTooLargeIsRefused)
{
    const std::string path = Copy("fixtures/access2000/testV2000.mdb", std::string("wide.mdb"));
    const auto original = ReadFileBytes(path);
    {
        auto db = OpenDb(path, "");
        auto rs = Table(*db, "Table2");
        ASSERT_TRUE(rs->AddNew().ok());
        for (int i = 1; i <= 89; ++i)
            ASSERT_TRUE(rs->SetField("column" + std::to_string(i), jet::Value(Repeat(u"\u0174", 50))).ok());
        const jet::Status status = rs->Update();
        EXPECT_EQ(status.description(), "Record is too large.");
        ASSERT_TRUE(db->Close().ok());
    }
    EXPECT_EQ(ReadFileBytes(path), original);
}

TEST_F(WriteTest, ReadOnlyRecordsetsAndDatabasesRefuseWrites)
{
    const std::string path = Copy("fixtures/jet4/dataset/PAF_POSTZON.dat");
    auto db = OpenDb(path);
    auto rs = jet::Recordset::Open(*db, "version", jet::CursorType::kStatic, jet::LockType::kReadOnly);
    ASSERT_TRUE(rs.ok());
    EXPECT_EQ((*rs)->AddNew().number(), 3251);
    EXPECT_EQ((*rs)->SetField("text", jet::Value(u"x")).number(), 3251);
    db.reset();
    auto readOnly = jet::Database::OpenFile(path, "tallowmere", {.readOnly = true});
    ASSERT_TRUE(readOnly.ok());
    auto table = Table(**readOnly, "version");
    EXPECT_FALSE(table->AddNew().ok());
}

TEST_F(WriteTest, AutoNumberCountsOnAndCannotBeAssignedOnUpdate)
{
    const std::string path = Copy("fixtures/access2000/testV2000.mdb", std::string("auto.mdb"));
    {
        auto db = OpenDb(path, "");
        auto rs = Table(*db, "Table3");
        for (int i = 0; i < 3; ++i)
            ASSERT_TRUE(Add(*rs, {{"b", jet::Value(u"row")}}).ok());
        EXPECT_EQ(rs->Field("a")->As<int32_t>(), 3);
        ASSERT_TRUE(Add(*rs, {{"a", jet::Value(static_cast<int32_t>(10))}, {"b", jet::Value(u"ten")}}).ok());
        ASSERT_TRUE(Add(*rs, {{"b", jet::Value(u"next")}}).ok());
        EXPECT_EQ(rs->Field("a")->As<int32_t>(), 11);
        EXPECT_FALSE(rs->SetField("a", jet::Value(static_cast<int32_t>(99))).ok());
        ASSERT_TRUE(db->Close().ok());
    }
    EXPECT_EQ(Problems(path, ""), "");
}

TEST_F(WriteTest, EveryFixedTypeRoundTrips)
{
    const std::string path = Copy("fixtures/access2000/testV2000.mdb", std::string("types.mdb"));
    const std::vector<std::pair<std::string, jet::Value>> fields = {
        {"A", jet::Value(u"pk")},
        {"B", jet::Value(u"\u00e9l\u00e8ve")},
        {"C", jet::Value(static_cast<uint8_t>(200))},
        {"D", jet::Value(static_cast<int16_t>(-32768))},
        {"E", jet::Value(static_cast<int32_t>(-7))},
        {"F", jet::Value(-1.5e300)},
        {"G", jet::Value(jet::DateTime{36526.75})}, // mdbtools misprints dates before 1900
        {"H", jet::Value(jet::Currency{-123456789})},
        {"I", jet::Value(true)},
    };
    {
        auto db = OpenDb(path, "");
        auto rs = Table(*db, "Table1");
        ASSERT_TRUE(Add(*rs, fields).ok());
        ASSERT_TRUE(db->Close().ok());
    }
    auto db = OpenDb(path, "");
    auto rs = Table(*db, "Table1");
    ASSERT_TRUE(rs->FindFirst("A", u"pk").ok());
    ASSERT_FALSE(rs->IsEOF());
    for (const auto& [name, value] : fields)
        EXPECT_EQ(rs->Field(name).value(), value) << name;
    db.reset();
    EXPECT_EQ(Problems(path, ""), "");
    if (MdbToolsAvailable()) {
        EXPECT_TRUE(MatchesMdbExport(path, ""));
    }
}

TEST_F(WriteTest, WritesStayInTheCacheUntilFlush)
{
    auto bytes =
        std::make_shared<std::vector<uint8_t>>(ReadFileBytes(FixtureFilePath("fixtures/jet4/dataset/PAF_POSTZON.dat")));
    const auto original = *bytes;
    auto file = std::make_unique<jet::test::FaultyFile>(std::make_unique<jet::MemoryFile>(bytes));
    jet::test::FaultyFile* raw = file.get();
    auto db = jet::DatabaseImpl::OpenWith(std::move(file), "mem", u"tallowmere", {});
    ASSERT_TRUE(db.ok());
    auto rs = Table(**db, "PAF_PostZon");
    for (int i = 0; i < 500; ++i)
        ASSERT_TRUE(Add(*rs, {{"PZ_Postcode", jet::Value(jet::Utf8ToUtf16("ZZ" + std::to_string(i)))}}).ok());
    EXPECT_EQ(*bytes, original) << "no system call per row: nothing reaches the file before a flush";
    EXPECT_EQ(raw->syncCount(), 0);
    ASSERT_TRUE((*db)->Flush().ok());
    EXPECT_NE(*bytes, original);
    EXPECT_EQ(raw->syncCount(), 1);
}

// Pages of an encrypted file go out through the cipher, also when a small
// cache writes many changed pages at once.
TEST_F(WriteTest, EncryptedFilesStayReadable)
{
    const std::string path = m_dir.CopyFixture(std::string("jet4/samples/db-enc.mdb"), std::string("enc.mdb"));
    {
        auto db = jet::Database::OpenFile(path, "", {.cachePages = 16});
        ASSERT_TRUE(db.ok()) << db.status().ToString();
        ASSERT_TRUE((*db)->IsEncrypted());
        auto rs = Table(**db, "Table1");
        for (int i = 0; i < 3000; ++i) {
            ASSERT_TRUE(Add(*rs,
                            {{"col1", jet::Value(jet::Utf8ToUtf16("row " + std::to_string(i)))},
                             {"col2", jet::Value(int32_t{i})}})
                            .ok());
        }
        ASSERT_TRUE((*db)->Close().ok());
    }
    auto db = jet::Database::OpenFile(path, "", {.readOnly = true});
    ASSERT_TRUE(db.ok()) << db.status().ToString();
    auto rows = Dump(**db, "Table1");
    ASSERT_EQ(rows.size(), 3002u);
    EXPECT_EQ(rows.back(), "3002,\"row 2999\",2999,");
    EXPECT_EQ(Problems(path, ""), "");
}

// I/O failing after N bytes: the failure is reported, the pages that were
// not written stay changed in the cache, and once the device works again a
// flush completes a consistent file.
class FaultInjectionTest : public WriteTest, public ::testing::WithParamInterface<uint64_t> { };

TEST_P(FaultInjectionTest, FlushFailureIsReportedAndRecoverable)
{
    auto bytes =
        std::make_shared<std::vector<uint8_t>>(ReadFileBytes(FixtureFilePath("fixtures/jet4/dataset/PAF_FULL.dat")));
    auto file = std::make_unique<jet::test::FaultyFile>(std::make_unique<jet::MemoryFile>(bytes));
    jet::test::FaultyFile* raw = file.get();
    // A small cache makes evictions write pages in the middle of the work.
    auto db = jet::DatabaseImpl::OpenWith(std::move(file), "mem", u"tallowmere", {.cachePages = 32});
    ASSERT_TRUE(db.ok());
    raw->FailWritesAfter(GetParam());
    auto rs = Table(**db, "PAF_FULLAddress");
    jet::Status failure;
    int added = 0;
    for (int i = 0; i < 300 && failure.ok(); ++i) {
        failure = Add(*rs,
                      {{"FT_PostCode", jet::Value(jet::Utf8ToUtf16("ZZ" + std::to_string(i)))},
                       {"FT_Address", jet::Value(Repeat(u"Fault street\r\n", i % 400))}});
        added += failure.ok() ? 1 : 0;
    }
    if (failure.ok())
        failure = (*db)->Flush();
    EXPECT_FALSE(failure.ok()) << "the injected failure is never reported as success";
    EXPECT_EQ(failure.kind(), jet::Status::Kind::kIOError);

    raw->FailWritesAfter(UINT64_MAX);
    ASSERT_TRUE((*db)->Flush().ok());
    jet::CheckReport report;
    jet::CheckOpenDatabase(**db, report);
    EXPECT_TRUE(report.problems.empty()) << report.problems.front();
    ASSERT_TRUE((*db)->Close().ok());

    // Reopened from the bytes: the rows committed before the failure are all there.
    auto reopened = jet::DatabaseImpl::OpenWith(std::make_unique<jet::MemoryFile>(bytes), "mem", u"tallowmere", {});
    ASSERT_TRUE(reopened.ok());
    jet::CheckReport again;
    jet::CheckOpenDatabase(**reopened, again);
    EXPECT_TRUE(again.problems.empty()) << again.problems.front();
    auto table = Table(**reopened, "PAF_FULLAddress");
    EXPECT_EQ(table->RecordCount(), 3000 + added);
}

INSTANTIATE_TEST_SUITE_P(Budgets, FaultInjectionTest,
                         ::testing::Values(0, 1, 4096, 4097, 40000, 123456, 300000, 600000));

} // namespace
} // namespace jet::test
