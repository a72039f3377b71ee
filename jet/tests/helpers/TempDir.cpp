#include "helpers/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

namespace jet::test {

namespace fs = std::filesystem;

TempDir::TempDir()
{
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/jet-test-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (::mkdtemp(name.data()) == nullptr)
        ADD_FAILURE() << "cannot make a temporary directory from " << pattern;
    m_path = name.data();
}

TempDir::~TempDir()
{
    std::error_code ignored;
    // Tests may leave read-only files and folders behind.
    for (auto it = fs::recursive_directory_iterator(m_path, ignored); it != fs::recursive_directory_iterator();
         it.increment(ignored))
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(m_path, ignored);
}

std::string TempDir::CopyFixture(const std::string& relativePath, const std::string& name) const
{
    const std::string target = File(name);
    std::error_code error;
    fs::remove(target, error);
    if (!fs::copy_file(FixturePath(relativePath), target, error)) {
        ADD_FAILURE() << "cannot copy fixture " << relativePath << ": " << error.message();
        return target;
    }
    fs::permissions(
        target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read, error);
    return target;
}

std::string FixturePath(const std::string& relativePath)
{
    return std::string(JET_FIXTURES_DIR) + "/" + relativePath;
}

bool FixturesAvailable()
{
    const bool present = fs::is_directory(FixturePath("fixtures"));
    if (!present && std::getenv("CI") != nullptr)
        ADD_FAILURE() << "shared fixtures missing at " << JET_FIXTURES_DIR;
    return present;
}

} // namespace jet::test
