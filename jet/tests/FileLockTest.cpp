#include "helpers/TempDir.h"

#include <gtest/gtest.h>
#include <jet/Database.h>

#include <sys/wait.h>
#include <unistd.h>

namespace jet::test {
namespace {

// A database open for writing is held against every other writer, in this
// process or another; readers are not held up.
class FileLockTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!test::FixturesAvailable())
            GTEST_SKIP() << "shared fixtures not present";
        path = dir.CopyFixture(std::string("fixtures/jet4/dataset/PAF_POSTZON.dat"), std::string("z.dat"));
    }

    static jet::Result<std::unique_ptr<jet::Database>> Open(const std::string& file, bool readOnly)
    {
        return jet::Database::OpenFile(file, "tallowmere", jet::OpenOptions{.readOnly = readOnly});
    }

    test::TempDir dir;
    std::string path;
};

TEST_F(FileLockTest, SecondWriterIsRefusedUntilTheFirstCloses)
{
    auto first = Open(path, false);
    ASSERT_TRUE(first.ok()) << first.status().ToString();

    auto second = Open(path, false);
    ASSERT_FALSE(second.ok());
    EXPECT_EQ(second.status().number(), jet::Errors::kFileInUse);
    EXPECT_EQ(second.status().description(), "Could not use '" + path + "'; file already in use.");

    auto reader = Open(path, true);
    EXPECT_TRUE(reader.ok()) << reader.status().ToString();

    // Closing gives the file up, even while the object lives on.
    ASSERT_TRUE((*first)->Close().ok());
    auto third = Open(path, false);
    EXPECT_TRUE(third.ok()) << third.status().ToString();
}

TEST_F(FileLockTest, WriterInAnotherProcessIsRefused)
{
    auto held = Open(path, false);
    ASSERT_TRUE(held.ok()) << held.status().ToString();
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        auto other = Open(path, false);
        _exit(!other.ok() && other.status().number() == jet::Errors::kFileInUse ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the child could open the file for writing";
}

} // namespace
} // namespace jet::test
