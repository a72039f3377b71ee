#include "testsupport/JetDump.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonValue>

#include <gtest/gtest.h>
#include <jet/Database.h>
#include <jet/Diagnostics.h>
#include <jet/Recordset.h>

#include <cmath>

namespace pafdm::test {

QJsonValue FixtureJson(const jet::Value& value)
{
    if (value.IsNull())
        return QJsonValue::Null;
    if (value.IsText())
        return QString::fromStdU16String(value.As<std::u16string>());
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
        return QString::fromStdString(jet::FormatDateTime(value.As<jet::DateTime>()));
    if (value.Is<jet::Bytes>()) {
        const auto& b = value.As<jet::Bytes>();
        return QStringLiteral("hex:")
            + QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size()))
                                      .toHex());
    }
    // Decimal: the decimal string read as a number.
    const std::string json = jet::ValueToJson(value);
    return QString::fromStdString(json.substr(1, json.size() - 2)).toDouble();
}

std::vector<QJsonObject> ReadTableRows(const QString& path, const QString& password, const QString& table)
{
    std::vector<QJsonObject> rows;
    auto db = jet::Database::OpenFile(path.toStdString(), password.toStdString(), jet::OpenOptions{.readOnly = true});
    if (!db.ok()) {
        ADD_FAILURE() << "cannot open " << path.toStdString() << ": " << db.status().ToString();
        return rows;
    }
    auto rs = jet::Recordset::Open(**db, table.toStdString(), jet::CursorType::kStatic, jet::LockType::kReadOnly);
    if (!rs.ok()) {
        ADD_FAILURE() << "cannot open table " << table.toStdString() << ": " << rs.status().ToString();
        return rows;
    }
    jet::Recordset& set = **rs;
    for (; !set.IsEOF(); (void)set.MoveNext()) {
        QJsonObject row;
        for (int i = 0; i < set.FieldCount(); ++i) {
            auto value = set.FieldAt(i);
            if (!value.ok()) {
                ADD_FAILURE() << "cannot read field " << set.FieldName(i) << ": " << value.status().ToString();
                return rows;
            }
            row.insert(QString::fromStdString(set.FieldName(i)), FixtureJson(value.value()));
        }
        rows.push_back(row);
    }
    return rows;
}

std::vector<QJsonObject> ReadExpectedRows(const QString& jsonlPath, const QString& table)
{
    std::vector<QJsonObject> rows;
    QFile file(jsonlPath);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << jsonlPath.toStdString();
        return rows;
    }
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.isEmpty())
            continue;
        const QJsonObject entry = QJsonDocument::fromJson(line).object();
        if (entry.value(QStringLiteral("table")).toString().compare(table, Qt::CaseInsensitive) == 0)
            rows.push_back(entry.value(QStringLiteral("row")).toObject());
    }
    return rows;
}

} // namespace pafdm::test

namespace pafdm::test {

namespace {

bool SameValue(const QJsonValue& a, const QJsonValue& b)
{
    if (a.isDouble() && b.isDouble())
        return a.toDouble() == b.toDouble();
    return a == b;
}

QString Describe(const QJsonObject& row)
{
    return QString::fromUtf8(QJsonDocument(row).toJson(QJsonDocument::Compact));
}

} // namespace

::testing::AssertionResult SameRows(const std::vector<QJsonObject>& actual, const std::vector<QJsonObject>& expected)
{
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure() << actual.size() << " rows, expected " << expected.size();
    for (size_t i = 0; i < actual.size(); ++i) {
        const QJsonObject& a = actual[i];
        const QJsonObject& e = expected[i];
        bool same = a.size() == e.size();
        for (auto it = e.begin(); same && it != e.end(); ++it)
            same = a.contains(it.key()) && SameValue(a.value(it.key()), it.value());
        if (!same)
            return ::testing::AssertionFailure() << "row " << i << " is " << Describe(a).toStdString()
                                                 << "\n expected " << Describe(e).toStdString();
    }
    return ::testing::AssertionSuccess();
}

} // namespace pafdm::test
