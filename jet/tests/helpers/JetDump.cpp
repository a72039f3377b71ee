#include "helpers/JetDump.h"

#include <jet/Database.h>
#include <jet/Diagnostics.h>
#include <jet/Recordset.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>

namespace jet::test {

namespace {

bool SameName(const std::string& a, const std::string& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

std::string Describe(const Json& row)
{
    return row.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// Each line of a dump file, parsed.
template <typename Visit> bool ForEachDumpLine(const std::string& jsonlPath, Visit visit)
{
    std::ifstream in(jsonlPath);
    if (!in)
        return false;
    for (std::string line; std::getline(in, line);) {
        if (line.find_first_not_of(" \t\r") == std::string::npos)
            continue;
        visit(Json::parse(line));
    }
    return true;
}

} // namespace

Json FixtureJson(const jet::Value& value)
{
    if (value.IsNull())
        return nullptr;
    if (value.IsText())
        return value.ToUtf8();
    if (value.Is<bool>())
        return value.As<bool>();
    if (value.Is<uint8_t>())
        return value.As<uint8_t>();
    if (value.Is<int16_t>())
        return value.As<int16_t>();
    if (value.Is<int32_t>())
        return value.As<int32_t>();
    if (value.Is<double>())
        return value.As<double>();
    if (value.Is<float>())
        return static_cast<double>(value.As<float>());
    if (value.Is<jet::Currency>())
        return static_cast<double>(value.As<jet::Currency>().scaled) / 10000.0;
    if (value.Is<jet::DateTime>())
        return jet::FormatDateTime(value.As<jet::DateTime>());
    if (value.Is<jet::Bytes>()) {
        static const char kHex[] = "0123456789abcdef";
        std::string text = "hex:";
        for (const uint8_t byte : value.As<jet::Bytes>()) {
            text += kHex[byte >> 4];
            text += kHex[byte & 15];
        }
        return text;
    }
    // Decimal: the decimal string read as a number.
    const std::string json = jet::ValueToJson(value);
    return std::strtod(json.substr(1, json.size() - 2).c_str(), nullptr);
}

std::vector<Json> ReadTableRows(const std::string& path, const std::string& password, const std::string& table)
{
    std::vector<Json> rows;
    auto db = jet::Database::OpenFile(path, password, jet::OpenOptions{.readOnly = true});
    if (!db.ok()) {
        ADD_FAILURE() << "cannot open " << path << ": " << db.status().ToString();
        return rows;
    }
    auto rs = jet::Recordset::Open(**db, table, jet::CursorType::kStatic, jet::LockType::kReadOnly);
    if (!rs.ok()) {
        ADD_FAILURE() << "cannot open table " << table << ": " << rs.status().ToString();
        return rows;
    }
    jet::Recordset& set = **rs;
    for (; !set.IsEOF(); (void)set.MoveNext()) {
        Json row = Json::object();
        for (int i = 0; i < set.FieldCount(); ++i) {
            auto value = set.FieldAt(i);
            if (!value.ok()) {
                ADD_FAILURE() << "cannot read field " << set.FieldName(i) << ": " << value.status().ToString();
                return rows;
            }
            row[set.FieldName(i)] = FixtureJson(value.value());
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<Json> ReadExpectedRows(const std::string& jsonlPath, const std::string& table)
{
    std::vector<Json> rows;
    const bool read = ForEachDumpLine(jsonlPath, [&](const Json& entry) {
        if (SameName(entry.value("table", std::string()), table))
            rows.push_back(entry.at("row"));
    });
    if (!read)
        ADD_FAILURE() << "cannot read " << jsonlPath;
    return rows;
}

std::vector<std::string> ExpectedTables(const std::string& jsonlPath)
{
    std::vector<std::string> tables;
    (void)ForEachDumpLine(jsonlPath, [&](const Json& entry) {
        const std::string table = entry.value("table", std::string());
        if (std::find(tables.begin(), tables.end(), table) == tables.end())
            tables.push_back(table);
    });
    return tables;
}

::testing::AssertionResult SameRows(const std::vector<Json>& actual, const std::vector<Json>& expected)
{
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure() << actual.size() << " rows, expected " << expected.size();
    for (size_t i = 0; i < actual.size(); ++i) {
        if (actual[i] != expected[i])
            return ::testing::AssertionFailure()
                << "row " << i << " is " << Describe(actual[i]) << "\n expected " << Describe(expected[i]);
    }
    return ::testing::AssertionSuccess();
}

} // namespace jet::test
