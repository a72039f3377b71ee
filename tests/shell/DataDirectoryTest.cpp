#include "shell/DataDirectory.h"
#include "testsupport/TempDir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace pafdm {
namespace {

void Write(const QString& path, const QByteArray& text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

class DataDirectoryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(root.File(QStringLiteral("current"))));
        ASSERT_TRUE(QDir().mkpath(root.File(QStringLiteral("development"))));
        ASSERT_TRUE(QDir().mkpath(root.File(QStringLiteral("configured"))));
        ASSERT_TRUE(QDir().mkpath(root.File(QStringLiteral("remembered"))));
        sources.currentDirectory = root.File(QStringLiteral("current"));
        sources.development = {root.File(QStringLiteral("dev.flg")), root.File(QStringLiteral("development"))};
        sources.configFile = root.File(QStringLiteral("update.conf"));
        sources.remembered = root.File(QStringLiteral("remembered"));
    }

    test::TempDir root;
    DataDirectorySources sources;
};

TEST_F(DataDirectoryTest, EachSourceInTurn)
{
    // Nothing found anywhere else: the remembered choice.
    EXPECT_EQ(ResolveDataDirectory(sources), sources.remembered);
    // The packages' configuration comes before it.
    Write(sources.configFile,
          "# comment\nPAFDM_DATA_DIR=" + root.File(QStringLiteral("configured")).toUtf8() + "\nPAFDM_COMMAND=update\n");
    EXPECT_EQ(ResolveDataDirectory(sources), root.File(QStringLiteral("configured")));
    // The development flag before that.
    Write(sources.development.flagFile, "");
    EXPECT_EQ(ResolveDataDirectory(sources), sources.development.dataDirectory);
    // A current directory holding data (or only Brand.xml) before all of them.
    Write(sources.currentDirectory + QStringLiteral("/Brand.xml"), "<ApplicationName>x</ApplicationName>");
    EXPECT_EQ(ResolveDataDirectory(sources), sources.currentDirectory);
    // And a directory named on the command line before everything.
    sources.named = root.File(QStringLiteral("configured/../remembered"));
    EXPECT_EQ(ResolveDataDirectory(sources), sources.remembered);
}

TEST_F(DataDirectoryTest, OnlyDirectoriesThatExistAreTakenAndTheCurrentOneIsTheLastResort)
{
    Write(sources.configFile, "PAFDM_DATA_DIR=/no/such/directory\n");
    sources.remembered = root.File(QStringLiteral("update.conf")); // a file, not a directory
    EXPECT_EQ(ResolveDataDirectory(sources), sources.currentDirectory);
    EXPECT_TRUE(HoldsDataSet(sources.currentDirectory) == false);
    Write(sources.currentDirectory + QStringLiteral("/PAF_THOURGHFARE.dat"), "x");
    EXPECT_TRUE(HoldsDataSet(sources.currentDirectory));
}

TEST_F(DataDirectoryTest, TheConfigurationIsReadAsTheShellWouldReadIt)
{
    const QString file = root.File(QStringLiteral("conf"));
    Write(file, "  export PAFDM_DATA_DIR=\"/srv/paf data\"  \n# PAFDM_DATA_DIR=/commented\n");
    EXPECT_EQ(ConfiguredDataDirectory(file), QStringLiteral("/srv/paf data"));
    Write(file, "PAFDM_DATA_DIR='/a'\nPAFDM_DATA_DIR=/b\n");
    EXPECT_EQ(ConfiguredDataDirectory(file), QStringLiteral("/b")) << "the last assignment counts";
    Write(file, "PAFDM_COMMAND=apply\n");
    EXPECT_TRUE(ConfiguredDataDirectory(file).isEmpty());
    EXPECT_TRUE(ConfiguredDataDirectory(root.File(QStringLiteral("missing"))).isEmpty());
    Write(file, QByteArray(100 * 1024, 'x') + "\nPAFDM_DATA_DIR=/big\n");
    EXPECT_TRUE(ConfiguredDataDirectory(file).isEmpty()) << "no settings file is that large";
}

} // namespace
} // namespace pafdm
