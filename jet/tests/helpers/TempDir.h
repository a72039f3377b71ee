#pragma once

#include <string>

namespace jet::test {

// A fresh directory under $TMPDIR (or /tmp), removed with everything in it
// at the end of the test.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "/" + name; }

    // Copies a file of the shared fixtures (path relative to the fixtures
    // folder) into this directory under `name`, writable. Returns the copy's
    // path; fails the calling test when the fixture cannot be copied.
    std::string CopyFixture(const std::string& relativePath, const std::string& name) const;

private:
    std::string m_path;
};

// Absolute path of a file under the shared fixtures folder.
std::string FixturePath(const std::string& relativePath);
// True when the shared fixtures are present; under CI (CI set) a missing
// folder fails the calling test instead.
bool FixturesAvailable();

} // namespace jet::test
