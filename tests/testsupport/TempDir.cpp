#include "testsupport/TempDir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace pafdm::test {

QString FixturePath(const QString& relativePath)
{
    return QDir(QStringLiteral(PAFDM_FIXTURES_DIR)).filePath(relativePath);
}

bool FixturesAvailable()
{
    const bool present = QDir(FixturePath(QStringLiteral("fixtures"))).exists();
    if (!present && qEnvironmentVariableIsSet("CI"))
        ADD_FAILURE() << "shared fixtures missing at " << PAFDM_FIXTURES_DIR;
    return present;
}

QString TempDir::CopyFixture(const QString& relativePath, const QString& name) const
{
    const QString target = File(name);
    QFile::remove(target);
    if (!QFile::copy(FixturePath(relativePath), target))
        ADD_FAILURE() << "cannot copy fixture " << relativePath.toStdString();
    QFile(target).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                 | QFileDevice::ReadOther);
    return target;
}

} // namespace pafdm::test
