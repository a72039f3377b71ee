#include "update/ZUpdateData.h"

#include "dataset/DataKind.h"
#include "dataset/ZSundryVars.h"
#include "dataset/zManager.h"
#include "support/AppContext.h"
#include "testsupport/ExternalTools.h"
#include "testsupport/FakeClock.h"
#include "testsupport/JetDump.h"
#include "testsupport/ScriptedOperator.h"
#include "testsupport/TempDir.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonObject>

#include <gtest/gtest.h>
#include <jet/Create.h>
#include <jet/Database.h>
#include <jet/Recordset.h>

namespace pafdm {
namespace {

QByteArray FileHash(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

QString ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

class ZUpdateDataTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!test::FixturesAvailable())
            GTEST_SKIP() << "shared fixtures not present";
        ctx.dataDirectory = dir.path();
        ctx.brand.applicationName = QStringLiteral("Quorly Postcode");
    }

    void Install(const QString& fixture, const QString& asName) { dir.CopyFixture(fixture, asName); }

    bool Merge(const QString& updateFile, const QString& kind, const QString& date)
    {
        ZUpdateData engine(ctx);
        return engine.UpdateData(dir.path(), updateFile, kind, date, description, count);
    }

    QString FailureMessage() const { return ui.messages.empty() ? QString() : ui.messages.back().prompt; }

    test::TempDir dir;
    test::ScriptedOperator ui;
    test::FakeClock clock;
    AppContext ctx{EditionConfig::Quorly(), ui, clock};
    ZSundryVars sundry{ctx};
    zManager manager{ctx, sundry};
    QString description;
    qint64 count = -1;
};

struct MergeCase {
    const char* dataFixture;
    const char* updateFile;
    const char* kind;
    const char* date;
    const char* expected; // merged dump under fixtures/jet4/expected/merged/
    const char* description;
};

void PrintTo(const MergeCase& c, std::ostream* os)
{
    *os << c.dataFixture << " + " << c.updateFile;
}

class MergeFixtureTest : public ZUpdateDataTest, public ::testing::WithParamInterface<MergeCase> { };

TEST_P(MergeFixtureTest, MergesEveryRowThenMovesTheDataDateOn)
{
    const MergeCase& c = GetParam();
    const DataKind kind = *FindDataKind(QString::fromLatin1(c.kind));
    Install(QStringLiteral("fixtures/jet4/") + QString::fromLatin1(c.dataFixture), kind.fileName);
    Install(QStringLiteral("fixtures/jet4/updates/") + QString::fromLatin1(c.updateFile),
            QString::fromLatin1(c.updateFile));

    ASSERT_TRUE(Merge(QString::fromLatin1(c.updateFile), QString::fromLatin1(c.kind), QString::fromLatin1(c.date)))
        << FailureMessage().toStdString();
    EXPECT_EQ(description, QString::fromLatin1(c.description));
    EXPECT_EQ(count, 300);
    EXPECT_TRUE(ui.messages.empty());

    const QString dataFile = dir.File(kind.fileName);
    const QString expected =
        test::FixturePath(QStringLiteral("fixtures/jet4/expected/merged/") + QString::fromLatin1(c.expected));
    EXPECT_TRUE(test::SameRows(test::ReadTableRows(dataFile, DatabasePassword(), kind.tableName),
                               test::ReadExpectedRows(expected, kind.tableName)));
    EXPECT_TRUE(test::SameRows(test::ReadTableRows(dataFile, DatabasePassword(), QStringLiteral("version")),
                               test::ReadExpectedRows(expected, QStringLiteral("version"))));

    // Progress names every record; the activity log has the count.
    ASSERT_EQ(ui.labels.size(), 301);
    EXPECT_EQ(ui.labels.front(), QStringLiteral("Opening data files"));
    EXPECT_EQ(ui.labels[3], QStringLiteral("Processing record:3 of 300"));
    EXPECT_EQ(ui.labels.back(), QStringLiteral("Processing record:300 of 300"));
    EXPECT_TRUE(ReadAll(dir.File(QStringLiteral("Activity1.log")))
                    .contains(QStringLiteral("\tData files contains 300 records\t")));

    // Other readers see the same file.
    EXPECT_TRUE(test::JetCheckPasses(dataFile, DatabasePassword()));
    if (test::MdbToolsAvailable()) {
        EXPECT_EQ(test::MdbExportRowCount(dataFile, kind.tableName),
                  static_cast<int>(test::ReadExpectedRows(expected, kind.tableName).size()));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, MergeFixtureTest,
    ::testing::Values(MergeCase{"dataset/PAF_FULL.dat", "UPDATE_F_20070301.dat", "F", "20070301",
                                "PAF_FULL.dat+UPDATE_F_20070301.dat.jsonl", "Full PAF"},
                      MergeCase{"dataset/PAF_THOURGHFARE.dat", "UPDATE_T_20070401.dat", "T", "20070401",
                                "PAF_THOURGHFARE.dat+UPDATE_T_20070401.dat.jsonl", "Thourghfare PAF"},
                      MergeCase{"dataset/PAF_POSTZON.dat", "UPDATE_Z_20070401.dat", "Z", "20070401",
                                "PAF_POSTZON.dat+UPDATE_Z_20070401.dat.jsonl", "PostZon Data"},
                      MergeCase{"edge/PAF_POSTZON_empty_table.dat", "UPDATE_Z_20070401.dat", "Z", "20070401",
                                "PAF_POSTZON_empty_table.dat+UPDATE_Z_20070401.dat.jsonl", "PostZon Data"}),
    [](const ::testing::TestParamInfo<MergeCase>& info) {
        std::string name = std::string(info.param.kind) + "_" + std::to_string(info.index);
        return info.param.dataFixture[0] == 'e' ? name + "_EmptyTable" : name;
    });

TEST_F(ZUpdateDataTest, PostZonDateReadsBackExactly)
{
    Install(QStringLiteral("fixtures/jet4/dataset/PAF_POSTZON.dat"), QStringLiteral("PAF_POSTZON.dat"));
    Install(QStringLiteral("fixtures/jet4/updates/UPDATE_Z_20070401.dat"), QStringLiteral("UPDATE_Z_20070401.dat"));
    ASSERT_TRUE(Merge(QStringLiteral("UPDATE_Z_20070401.dat"), QStringLiteral("Z"), QStringLiteral("20070401")));
    EXPECT_EQ(manager.GetLastUpdatePostZon(dir.path()).value(), QStringLiteral("20070401"));
}

TEST_F(ZUpdateDataTest, EmptyUpdateTableFailsAtStage5AndLeavesTheDataFileAlone)
{
    Install(QStringLiteral("fixtures/jet4/dataset/PAF_FULL.dat"), QStringLiteral("PAF_FULL.dat"));
    Install(QStringLiteral("fixtures/jet4/updates/UPDATE_F_20070301_empty.dat"),
            QStringLiteral("UPDATE_F_20070301_empty.dat"));
    const QByteArray before = FileHash(dir.File(QStringLiteral("PAF_FULL.dat")));

    EXPECT_FALSE(Merge(QStringLiteral("UPDATE_F_20070301_empty.dat"), QStringLiteral("F"), QStringLiteral("20070301")));
    ASSERT_EQ(ui.messages.size(), 1u);
    const auto& message = ui.messages.front();
    EXPECT_EQ(message.style, 16);
    EXPECT_EQ(message.title, QStringLiteral("Quorly Postcode"));
    EXPECT_TRUE(message.topMost);
    EXPECT_TRUE(message.prompt.startsWith(QStringLiteral("Err : 3021\r\n")));
    EXPECT_TRUE(message.prompt.endsWith(QStringLiteral("\r\n\r\nAt position : Update:UpdateData:Stage 5\r\n\r\n"
                                                       "Please LOG OUT of Ostrel then back in and try again!")));
    EXPECT_EQ(FileHash(dir.File(QStringLiteral("PAF_FULL.dat"))), before);
    EXPECT_TRUE(ReadAll(dir.File(QStringLiteral("Error1.log")))
                    .contains(QStringLiteral("\tUpdate:UpdateData:Stage 5\tError:\t3021\t")));
}

TEST_F(ZUpdateDataTest, UnknownKindFailsWithoutTouchingAnything)
{
    Install(QStringLiteral("fixtures/jet4/updates/UPDATE_F_20070301.dat"), QStringLiteral("UPDATE_F_20070301.dat"));
    EXPECT_FALSE(Merge(QStringLiteral("UPDATE_F_20070301.dat"), QStringLiteral("f"), QStringLiteral("20070301")));
    EXPECT_EQ(description, QString());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(ui.messages.front().prompt.contains(
        QStringLiteral("At position : Update:UpdateData:Stage 4 Opening data file to update")));
}

TEST_F(ZUpdateDataTest, MissingUpdateDatabaseFailsAtStage3)
{
    Install(QStringLiteral("fixtures/jet4/dataset/PAF_FULL.dat"), QStringLiteral("PAF_FULL.dat"));
    EXPECT_FALSE(Merge(QStringLiteral("UPDATE_F_20070301.dat"), QStringLiteral("F"), QStringLiteral("20070301")));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(ui.messages.front().prompt.contains(
        QStringLiteral("At position : Update:UpdateData:Stage 3 Opening update file with ADO")));
}

TEST_F(ZUpdateDataTest, VersionTableWithoutRow2MergesEveryRowThenFailsAtStage7)
{
    Install(QStringLiteral("fixtures/jet4/edge/PAF_FULL_no_version_row2.dat"), QStringLiteral("PAF_FULL.dat"));
    Install(QStringLiteral("fixtures/jet4/updates/UPDATE_F_20070301.dat"), QStringLiteral("UPDATE_F_20070301.dat"));

    EXPECT_FALSE(Merge(QStringLiteral("UPDATE_F_20070301.dat"), QStringLiteral("F"), QStringLiteral("20070301")));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(ui.messages.front().prompt.contains(
        QStringLiteral("At position : Update:UpdateData:Stage 7 Updating the version date\r\n")));
    EXPECT_EQ(manager.GetLastUpdateFULL(dir.path()).value(), QString());
    // 20 original rows; the update's 300 rows add 299 - (keys already among the 20) rows at most.
    const auto rows = test::ReadTableRows(dir.File(QStringLiteral("PAF_FULL.dat")), DatabasePassword(),
                                          QStringLiteral("PAF_FULLAddress"));
    EXPECT_GT(rows.size(), 20u + 250u);
}

// Data files and update databases made by the engine itself, for cases the
// fixtures do not cover.
class EngineMadeMergeTest : public ZUpdateDataTest {
protected:
    static jet::TableSpec AddressSpec(uint16_t keyLength, bool withIndex)
    {
        jet::TableSpec design;
        design.name = "PAF_FULLAddress";
        design.columns = {{"FT_PostCode", jet::ColumnType::kText, keyLength},
                          {"FT_Address", jet::ColumnType::kMemo},
                          {"FT_Update", jet::ColumnType::kText, 1}};
        if (withIndex)
            design.indexes = {{"FT_PostCode", {{"FT_PostCode", true}}}};
        return design;
    }

    // A data file holding `keys` (one row each) and version row 2 = `date`.
    void MakeDataFile(const std::vector<std::string>& keys, const std::string& date)
    {
        auto db = jet::CreateDatabase(dir.FileStd(QStringLiteral("PAF_FULL.dat")), "tallowmere");
        ASSERT_TRUE(db.ok()) << db.status().ToString();
        jet::TableSpec version;
        version.name = "version";
        version.columns = {{"id", jet::ColumnType::kLong}, {"text", jet::ColumnType::kText, 50}};
        ASSERT_TRUE(jet::CreateTable(**db, version).ok());
        ASSERT_TRUE(jet::CreateTable(**db, AddressSpec(8, true)).ok());
        auto rs = jet::Recordset::Open(**db, "version", jet::CursorType::kDynamic, jet::LockType::kOptimistic);
        ASSERT_TRUE(rs.ok());
        for (int32_t id = 1; id <= 3; ++id) {
            ASSERT_TRUE((*rs)->AddNew().ok());
            ASSERT_TRUE((*rs)->SetField("id", jet::Value(id)).ok());
            ASSERT_TRUE((*rs)->SetField("text", jet::Value::FromUtf8(id == 2 ? date : "x")).ok());
            ASSERT_TRUE((*rs)->Update().ok());
        }
        FillAddresses(**db, keys, "old");
        ASSERT_TRUE((*db)->Close().ok());
    }

    void MakeUpdateDatabase(const QString& name, const std::vector<std::string>& keys, uint16_t keyLength)
    {
        auto db = jet::CreateDatabase(dir.FileStd(name), "tallowmere");
        ASSERT_TRUE(db.ok()) << db.status().ToString();
        ASSERT_TRUE(jet::CreateTable(**db, AddressSpec(keyLength, false)).ok());
        FillAddresses(**db, keys, "new");
        ASSERT_TRUE((*db)->Close().ok());
    }

    static void FillAddresses(jet::Database& db, const std::vector<std::string>& keys, const std::string& prefix)
    {
        auto rs = jet::Recordset::Open(db, "PAF_FULLAddress", jet::CursorType::kDynamic, jet::LockType::kOptimistic);
        ASSERT_TRUE(rs.ok()) << rs.status().ToString();
        for (size_t i = 0; i < keys.size(); ++i) {
            ASSERT_TRUE((*rs)->AddNew().ok());
            ASSERT_TRUE((*rs)->SetField("FT_PostCode", jet::Value::FromUtf8(keys[i])).ok());
            ASSERT_TRUE((*rs)->SetField("FT_Address", jet::Value::FromUtf8(prefix + " " + std::to_string(i))).ok());
            ASSERT_TRUE((*rs)->SetField("FT_Update", jet::Value::FromUtf8("A")).ok());
            ASSERT_TRUE((*rs)->Update().ok()) << keys[i];
        }
    }

    std::vector<QJsonObject> DataRows()
    {
        return test::ReadTableRows(dir.File(QStringLiteral("PAF_FULL.dat")), DatabasePassword(),
                                   QStringLiteral("PAF_FULLAddress"));
    }
};

TEST_F(EngineMadeMergeTest, FailureAtRecord500KeepsTheFirst499AndTheOldDate)
{
    std::vector<std::string> dataKeys;
    for (int i = 0; i < 200; ++i)
        dataKeys.push_back("A" + std::to_string(i) + " 1X");
    MakeDataFile(dataKeys, "20070101");
    std::vector<std::string> updateKeys;
    for (int i = 0; i < 1000; ++i)
        updateKeys.push_back(i % 2 == 0 ? dataKeys[static_cast<size_t>(i / 5)] : "C" + std::to_string(i) + " 2Z");
    updateKeys[499] = "TOOLONG99 9ZZ"; // does not fit the data file's Text(8) key
    MakeUpdateDatabase(QStringLiteral("UPDATE_F_20070301.dat"), updateKeys, 20);

    EXPECT_FALSE(Merge(QStringLiteral("UPDATE_F_20070301.dat"), QStringLiteral("F"), QStringLiteral("20070301")));
    EXPECT_EQ(count, 1000);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(ui.messages.front().prompt.contains(
        QStringLiteral("At position : Update:UpdateData:AddOrUpdateRecordAddress:Stage 4 ADD TOOLONG99 9ZZ\r\n")));
    EXPECT_TRUE(ReadAll(dir.File(QStringLiteral("Error1.log")))
                    .contains(QStringLiteral(
                        "\tUpdate:UpdateData:AddOrUpdateRecordAddress:Stage 4 ADD TOOLONG99 9ZZ\tError:\t")));
    EXPECT_EQ(manager.GetLastUpdateFULL(dir.path()).value(), QStringLiteral("20070101"));

    // Records 1..499: 250 replacements of existing keys, 249 additions; the
    // first data row was replaced by update rows 1, 3 and 5.
    const auto rows = DataRows();
    EXPECT_EQ(rows.size(), 200u + 249u);
    EXPECT_EQ(rows[0].value(QStringLiteral("FT_Address")).toString(), QStringLiteral("new 4"));
    EXPECT_EQ(rows.back().value(QStringLiteral("FT_PostCode")).toString(), QStringLiteral("C497 2Z"));
    EXPECT_TRUE(test::JetCheckPasses(dir.File(QStringLiteral("PAF_FULL.dat")), DatabasePassword()));
}

TEST_F(EngineMadeMergeTest, KeysWithApostrophesAndLookalikesMatchExactly)
{
    MakeDataFile({"o'n 1aa", "O'N 1AA", "ON 1AA", "A''B 1"}, "20070101");
    MakeUpdateDatabase(QStringLiteral("UPDATE_F_20070301.dat"), {"O'N 1AA", "A''B 1", "A'B 1"}, 8);

    ASSERT_TRUE(Merge(QStringLiteral("UPDATE_F_20070301.dat"), QStringLiteral("F"), QStringLiteral("20070301")))
        << FailureMessage().toStdString();
    const auto rows = DataRows();
    ASSERT_EQ(rows.size(), 5u);
    const QStringList addresses = {QStringLiteral("old 0"), QStringLiteral("new 0"), QStringLiteral("old 2"),
                                   QStringLiteral("new 1"), QStringLiteral("new 2")};
    for (size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i].value(QStringLiteral("FT_Address")).toString(), addresses[static_cast<int>(i)]) << i;
    EXPECT_EQ(rows[4].value(QStringLiteral("FT_PostCode")).toString(), QStringLiteral("A'B 1"));
    EXPECT_EQ(manager.GetLastUpdateFULL(dir.path()).value(), QStringLiteral("20070301"));
}

TEST_F(EngineMadeMergeTest, ProgressIsRepaintedBoundedlyButLabelsEveryRecord)
{
    MakeDataFile({"AB1 1AA"}, "20070101");
    std::vector<std::string> keys;
    for (int i = 0; i < 50; ++i)
        keys.push_back("EF" + std::to_string(i) + " 1AA");
    MakeUpdateDatabase(QStringLiteral("UPDATE_F_20070301.dat"), keys, 8);
    ASSERT_TRUE(Merge(QStringLiteral("UPDATE_F_20070301.dat"), QStringLiteral("F"), QStringLiteral("20070301")));
    // The fake clock stands still: only the forced first repaint and no per-record ones.
    EXPECT_EQ(ui.labels.size(), 51);
    EXPECT_LE(ui.repaints, 2);
    ASSERT_GE(ui.labels.size(), 51);
    EXPECT_EQ(ui.labels[0], QStringLiteral("Opening data files"));
    for (int i = 1; i <= 50; ++i)
        EXPECT_EQ(ui.labels[i], QStringLiteral("Processing record:%1 of 50").arg(i));
}

// The stage marker names the key as its text reads in UTF-8: a lone
// surrogate (which no index key can hold) shows as U+FFFD.
TEST_F(EngineMadeMergeTest, StageMarkerShowsTheKeyAsUtf8Text)
{
    MakeDataFile({"AB1 1AA"}, "20070101");
    MakeUpdateDatabase(QStringLiteral("UPDATE_F_20070301.dat"), {"AB1 1AA", "CD2 2BB"}, 8);
    {
        // Give the second key a lone surrogate and a character above it.
        auto db = jet::Database::OpenFile(dir.FileStd(QStringLiteral("UPDATE_F_20070301.dat")), "tallowmere", {});
        ASSERT_TRUE(db.ok()) << db.status().ToString();
        auto rs = jet::Recordset::Open(**db, "PAF_FULLAddress", jet::CursorType::kDynamic, jet::LockType::kOptimistic);
        ASSERT_TRUE(rs.ok());
        ASSERT_TRUE((*rs)->MoveNext().ok());
        ASSERT_TRUE((*rs)->SetField("FT_PostCode", jet::Value(std::u16string(u"CD2 \xD800\xE9\x20AC"))).ok());
        ASSERT_TRUE((*rs)->Update().ok());
        ASSERT_TRUE((*db)->Close().ok());
    }

    EXPECT_FALSE(Merge(QStringLiteral("UPDATE_F_20070301.dat"), QStringLiteral("F"), QStringLiteral("20070301")));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(ui.messages.front().prompt.contains(QStringLiteral(
        "At position : Update:UpdateData:AddOrUpdateRecordAddress:Stage 4 ADD CD2 \uFFFD\u00E9\u20AC\r\n")))
        << ui.messages.front().prompt.toStdString();
}

} // namespace
} // namespace pafdm
