#include "testsupport/JetDump.h"

#include "helpers/JetDump.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace pafdm::test {

namespace {

// The engine's own test helpers work in nlohmann::json; these carry it over.
QJsonValue ToQt(const jet::test::Json& value)
{
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(
        jet::test::Json::array({value}).dump(-1, ' ', false, jet::test::Json::error_handler_t::replace)));
    return document.array().first();
}

std::vector<QJsonObject> ToQt(const std::vector<jet::test::Json>& rows)
{
    std::vector<QJsonObject> converted;
    converted.reserve(rows.size());
    for (const jet::test::Json& row : rows)
        converted.push_back(ToQt(row).toObject());
    return converted;
}

std::vector<jet::test::Json> FromQt(const std::vector<QJsonObject>& rows)
{
    std::vector<jet::test::Json> converted;
    converted.reserve(rows.size());
    for (const QJsonObject& row : rows)
        converted.push_back(jet::test::Json::parse(QJsonDocument(row).toJson(QJsonDocument::Compact).toStdString()));
    return converted;
}

} // namespace

QJsonValue FixtureJson(const jet::Value& value)
{
    return ToQt(jet::test::FixtureJson(value));
}

std::vector<QJsonObject> ReadTableRows(const QString& path, const QString& password, const QString& table)
{
    return ToQt(jet::test::ReadTableRows(path.toStdString(), password.toStdString(), table.toStdString()));
}

std::vector<QJsonObject> ReadExpectedRows(const QString& jsonlPath, const QString& table)
{
    return ToQt(jet::test::ReadExpectedRows(jsonlPath.toStdString(), table.toStdString()));
}

::testing::AssertionResult SameRows(const std::vector<QJsonObject>& actual, const std::vector<QJsonObject>& expected)
{
    return jet::test::SameRows(FromQt(actual), FromQt(expected));
}

} // namespace pafdm::test
