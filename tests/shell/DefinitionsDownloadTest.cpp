#include "shell/DefinitionsDownload.h"

#include "net/NetFixture.h"

using namespace std::chrono_literals;

namespace pafdm::test {
namespace {

using Reply = LocalHttpServer::Reply;

const QString kQuestion =
    QStringLiteral("This will download the Application Definitions for the Quorly Postcode Desktop "
                   "Software.  It only takes a few seconds.  Continue?");
const QString kFailure =
    QStringLiteral("Failed to download!   Internet connection may be down or firewall blocking the communication");

class DefinitionsDownloadTest : public NetFixture {
protected:
    DefinitionsDownloadTest()
    {
        ctx.edition.definitionsServer = server.BaseUrl();
        ctx.brand.applicationName = QStringLiteral("Brand Name");
        op.mainCaption = QStringLiteral("Quorly Postcode 2.3.0");
    }
    void Serve(const QByteArray& body, int status = 200)
    {
        server.Route("/GetDefinitions.aspx", Reply::Text(body, status));
    }
    QString WrittenMessage() const
    {
        return "The file " + dir.path()
            + "/Definitions.xml has been written, this may need copying to other "
              "computers if Quorly Postcode is installed on each computer.";
    }
};

TEST(DefinitionsAddressTest, IsTheDefinitionsHostWithFixedValues)
{
    EditionConfig edition = EditionConfig::Quorly();
    edition.serverUrl = QStringLiteral("http://elsewhere.example");
    edition.definitionsServer = QStringLiteral("http://admin.example:8080");
    EXPECT_EQ(DefinitionsRequestAddress(edition), "http://admin.example:8080/GetDefinitions.aspx?pv=99&co=1");
}

TEST_F(DefinitionsDownloadTest, NoFetchesNothingAndKeepsTheCaption)
{
    op.answers = {MessageAnswer::kNo};
    EXPECT_EQ(DownloadApplicationDefinitions(ctx, transfers), DefinitionsOutcome::kDeclined);
    ASSERT_EQ(op.messages.size(), 1u);
    EXPECT_EQ(op.messages[0].prompt, kQuestion);
    EXPECT_EQ(op.messages[0].style, 36);
    EXPECT_EQ(op.messages[0].title, "Brand Name");
    EXPECT_TRUE(server.requests.empty());
    EXPECT_TRUE(op.mainCaptions.isEmpty());
}

TEST_F(DefinitionsDownloadTest, WritesALongReplyWithALineEnd)
{
    const QByteArray body = "<Definitions>" + QByteArray(2000, 'd') + "</Definitions>";
    Serve(body);
    QStringList captionsDuringFetch;
    op.onYield = [&] { captionsDuringFetch << op.mainCaption; };

    EXPECT_EQ(DownloadApplicationDefinitions(ctx, transfers), DefinitionsOutcome::kWritten);
    ASSERT_EQ(server.requests.size(), 1u);
    EXPECT_EQ(server.requests[0].target, "/GetDefinitions.aspx?pv=99&co=1");
    EXPECT_EQ(Contents("Definitions.xml"), body + "\r\n");
    ASSERT_EQ(op.messages.size(), 2u);
    EXPECT_EQ(op.messages[1].prompt, WrittenMessage());
    EXPECT_EQ(op.messages[1].style, 64);
    EXPECT_EQ(op.messages[1].title, "Brand Name");
    ASSERT_FALSE(captionsDuringFetch.isEmpty());
    EXPECT_EQ(captionsDuringFetch.first(), "Downloading definitions,  please wait...");
    EXPECT_EQ(op.mainCaption, "Quorly Postcode 2.3.0");
}

class DefinitionsLengthTest : public DefinitionsDownloadTest,
                              public ::testing::WithParamInterface<std::pair<int, bool>> { };

TEST_P(DefinitionsLengthTest, MoreThanAThousandCharactersCount)
{
    const auto [length, written] = GetParam();
    Write("Definitions.xml", "previous");
    Serve(QByteArray(length - 1, 'a') + "\xc2\xa3"); // the last character takes two bytes
    EXPECT_EQ(DownloadApplicationDefinitions(ctx, transfers),
              written ? DefinitionsOutcome::kWritten : DefinitionsOutcome::kFailed);
    ASSERT_EQ(op.messages.size(), 2u);
    EXPECT_EQ(op.messages[1].prompt, written ? WrittenMessage() : kFailure);
    EXPECT_EQ(op.messages[1].style, 64);
    EXPECT_EQ(Contents("Definitions.xml").size(), written ? length + 1 + 2 : 8);
    EXPECT_EQ(op.mainCaption, "Quorly Postcode 2.3.0");
}

INSTANTIATE_TEST_SUITE_P(Lengths, DefinitionsLengthTest,
                         ::testing::Values(std::pair{1000, false}, std::pair{1001, true}));

TEST_F(DefinitionsDownloadTest, LongErrorPageIsStoredLikeDefinitions)
{
    const QByteArray page = "<html>" + QByteArray(1500, 'e') + "</html>";
    Serve(page, 500);
    EXPECT_EQ(DownloadApplicationDefinitions(ctx, transfers), DefinitionsOutcome::kWritten);
    EXPECT_EQ(Contents("Definitions.xml"), page + "\r\n");
}

TEST_F(DefinitionsDownloadTest, SilentServerIsAFailedDownload)
{
    server.Route("/GetDefinitions.aspx", Reply::Never());
    Settings().textFetchLimit = 150ms;
    EXPECT_EQ(DownloadApplicationDefinitions(ctx, transfers), DefinitionsOutcome::kFailed);
    EXPECT_EQ(op.messages.back().prompt, kFailure);
    EXPECT_FALSE(QFile::exists(dir.File("Definitions.xml")));
    EXPECT_EQ(op.mainCaption, "Quorly Postcode 2.3.0");
}

TEST_F(DefinitionsDownloadTest, UnwritableFileIsNotReportedAsWritten)
{
    Serve(QByteArray(1200, 'd'));
    ASSERT_TRUE(QDir(dir.path()).mkdir("Definitions.xml"));
    EXPECT_EQ(DownloadApplicationDefinitions(ctx, transfers), DefinitionsOutcome::kFailed);
    ASSERT_EQ(op.messages.size(), 2u);
    EXPECT_EQ(op.messages[1].prompt, "Unable to write the file " + dir.path() + "/Definitions.xml");
    EXPECT_TRUE(QFile::exists(dir.File("Error1.log")));
    EXPECT_EQ(op.mainCaption, "Quorly Postcode 2.3.0");
}

} // namespace
} // namespace pafdm::test
