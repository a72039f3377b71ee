// Cross-check with an independent reader: every table of every fixture
// holds the same rows as Debian's mdb-export prints for it.
#include "helpers/Fixtures.h"

#include "helpers/ExternalTools.h"
#include "helpers/TempDir.h"

#include <jet/Database.h>
#include <jet/Diagnostics.h>
#include <jet/Recordset.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

namespace jet::test {
namespace {

// mdb-export CSV: quoted fields may span lines; a quote inside is doubled.
std::vector<std::vector<std::string>> ParseCsv(const std::string& text)
{
    std::vector<std::vector<std::string>> records;
    std::vector<std::string> record;
    std::string field;
    bool quoted = false;
    bool any = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
            continue;
        }
        if (c == '"') {
            quoted = true;
            any = true;
        } else if (c == ',') {
            record.push_back(field);
            field.clear();
            any = true;
        } else if (c == '\n') {
            record.push_back(field);
            records.push_back(record);
            record.clear();
            field.clear();
            any = false;
        } else {
            field += c;
            any = true;
        }
    }
    if (any) {
        record.push_back(field);
        records.push_back(record);
    }
    return records;
}

std::string Number(double v)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.10g", v);
    return buf;
}

// Our value in the form mdb-export prints it (nulls and empty text alike).
std::string AsMdbExport(const jet::Value& value, jet::ColumnType type)
{
    if (value.IsNull())
        return "";
    switch (type) {
    case jet::ColumnType::kBoolean: return value.As<bool>() ? "1" : "0";
    case jet::ColumnType::kSingle: return Number(value.As<float>());
    case jet::ColumnType::kDouble: return Number(value.As<double>());
    case jet::ColumnType::kCurrency: {
        std::string s = jet::ValueToJson(value);
        return s.substr(1, s.size() - 2);
    }
    case jet::ColumnType::kDateTime: {
        std::string s = jet::FormatDateTime(value.As<jet::DateTime>());
        return s.substr(0, 19);
    }
    case jet::ColumnType::kBinary:
    case jet::ColumnType::kOle: {
        std::string hex;
        char buf[3];
        for (uint8_t b : value.As<jet::Bytes>()) {
            std::snprintf(buf, sizeof buf, "%02X", b);
            hex += buf;
        }
        return hex;
    }
    case jet::ColumnType::kNumeric: {
        std::string s = jet::ValueToJson(value);
        return s.substr(1, s.size() - 2);
    }
    default: return value.ToUtf8();
    }
}

std::string Canonical(const std::string& text, jet::ColumnType type)
{
    if ((type == jet::ColumnType::kSingle || type == jet::ColumnType::kDouble) && !text.empty())
        return Number(std::strtod(text.c_str(), nullptr));
    return text;
}

} // namespace

::testing::AssertionResult MatchesMdbExport(const std::string& path, const std::string& password)
{
    auto db = jet::Database::OpenFile(path, password, {.readOnly = true});
    if (!db.ok())
        return ::testing::AssertionFailure() << db.status().ToString();
    auto tables = (*db)->ListTables();
    if (!tables.ok())
        return ::testing::AssertionFailure() << tables.status().ToString();
    for (const std::string& table : *tables) {
        auto info = (*db)->DescribeTable(table);
        if (!info.ok())
            return ::testing::AssertionFailure() << info.status().ToString();
        const ProcessResult export_ = RunProgram(
            std::string("mdb-export"),
            {std::string("-b"), std::string("hex"), std::string("-T"), std::string("%Y-%m-%dT%H:%M:%S"), path, table});
        if (export_.exitCode != 0)
            return ::testing::AssertionFailure() << "mdb-export " << table << ": " << export_.err;
        auto records = ParseCsv(export_.out);
        if (records.empty())
            return ::testing::AssertionFailure() << "mdb-export printed nothing for " << table;
        records.erase(records.begin()); // header line
        std::vector<std::string> theirs;
        for (const auto& r : records) {
            if (r.size() != info->columns.size())
                return ::testing::AssertionFailure() << table << ": mdb-export row with " << r.size() << " fields";
            std::string line;
            for (size_t i = 0; i < r.size(); ++i)
                line += Canonical(r[i], info->columns[i].type) + '\x1f';
            theirs.push_back(line);
        }

        auto rs = jet::Recordset::Open(**db, "[" + table + "]", jet::CursorType::kStatic, jet::LockType::kReadOnly);
        if (!rs.ok())
            return ::testing::AssertionFailure() << rs.status().ToString();
        std::vector<std::string> ours;
        while (!(*rs)->IsEOF()) {
            std::string line;
            for (int i = 0; i < (*rs)->FieldCount(); ++i) {
                auto value = (*rs)->FieldAt(i);
                if (!value.ok())
                    return ::testing::AssertionFailure() << value.status().ToString();
                line += AsMdbExport(*value, info->columns[static_cast<size_t>(i)].type) + '\x1f';
            }
            ours.push_back(line);
            if (jet::Status s = (*rs)->MoveNext(); !s.ok())
                return ::testing::AssertionFailure() << s.ToString();
        }
        // mdb-export returns moved rows where their data lives, so compare as multisets.
        std::sort(theirs.begin(), theirs.end());
        std::sort(ours.begin(), ours.end());
        if (ours.size() != theirs.size())
            return ::testing::AssertionFailure()
                << table << ": " << ours.size() << " rows, mdb-export " << theirs.size();
        for (size_t i = 0; i < ours.size(); ++i) {
            if (ours[i] != theirs[i])
                return ::testing::AssertionFailure()
                    << table << ": sorted row " << i << " is\n  " << ours[i] << "\nmdb-export:\n  " << theirs[i];
        }
    }
    return ::testing::AssertionSuccess();
}

namespace {

class MdbExportTest : public ::testing::TestWithParam<FixtureFile> { };

TEST_P(MdbExportTest, EveryTableMatchesMdbExport)
{
    if (!FixturesAvailable() || !MdbToolsAvailable())
        GTEST_SKIP();
    EXPECT_TRUE(MatchesMdbExport(FixtureFilePath(GetParam().relative), GetParam().password));
}

INSTANTIATE_TEST_SUITE_P(Fixtures, MdbExportTest, ::testing::ValuesIn(AllFixtureDatabases()),
                         [](const auto& info) { return info.param.Name(); });
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(MdbExportTest);

} // namespace
} // namespace jet::test
