#pragma once

#include <QString>
#include <QTemporaryDir>

namespace pafdm::test {

// A fresh directory removed at the end of the test.
class TempDir {
public:
    TempDir() { m_dir.setAutoRemove(true); }
    QString path() const { return m_dir.path(); }
    QString File(const QString& name) const { return m_dir.path() + QStringLiteral("/") + name; }
    std::string FileStd(const QString& name) const { return File(name).toStdString(); }

    // Copies a file of the shared fixtures (path relative to the fixtures
    // folder) into this directory under `name` (writable). Returns the copy's path.
    QString CopyFixture(const QString& relativePath, const QString& name) const;

private:
    QTemporaryDir m_dir;
};

// Absolute path of a file under the shared fixtures folder.
QString FixturePath(const QString& relativePath);
// True when the shared fixtures are present; under CI (CI set) a missing
// folder fails the calling test instead.
bool FixturesAvailable();

} // namespace pafdm::test
