#include "net/zInternet.h"

#include "net/NetFixture.h"

using namespace std::chrono_literals;

namespace pafdm::test {
namespace {

using Reply = LocalHttpServer::Reply;

class zInternetTest : public NetFixture {
protected:
    zInternetTest() { client.ServerURL = server.BaseUrl(); }
    zInternet client{ctx, transfers};
};

TEST_F(zInternetTest, StartsOnTheEditionsServer)
{
    ctx.edition.serverUrl = QStringLiteral("http://update.example");
    AppContext other(ctx.edition, op, clock);
    EXPECT_EQ(zInternet(other, transfers).ServerURL, "http://update.example");
}

TEST_F(zInternetTest, UpdateListRequestCarriesTheDatesAsGiven)
{
    server.Route("/xmlservice/UpdateDataList.aspx", Reply::Text("<Confirm>OK</Confirm><list></list>"));
    EXPECT_EQ(client.GetUpdateList("20070320", "20070301", ""), "");
    ASSERT_EQ(server.requests.size(), 1u);
    EXPECT_EQ(server.requests[0].method, "GET");
    EXPECT_EQ(server.requests[0].target, "/xmlservice/UpdateDataList.aspx?f=20070320&t=20070301&z=");
}

class UpdateListReplyTest : public zInternetTest,
                            public ::testing::WithParamInterface<std::pair<const char*, const char*>> { };

TEST_P(UpdateListReplyTest, YieldsTheListOrFailed)
{
    server.Route("/xmlservice/UpdateDataList.aspx", Reply::Text(GetParam().first));
    EXPECT_EQ(client.GetUpdateList("20070320", "20070301", "20070301"), QString::fromUtf8(GetParam().second));
}

INSTANTIATE_TEST_SUITE_P(
    Replies, UpdateListReplyTest,
    ::testing::Values(
        std::pair{"<Confirm>OK</Confirm>\r\n<list>http://h/UPDATE_F_20070327.zip,http://h/UPDATE_Z_20070327.zip</list>",
                  "http://h/UPDATE_F_20070327.zip,http://h/UPDATE_Z_20070327.zip"},
        std::pair{"<Confirm>1</Confirm><list></list>", ""},
        std::pair{"<confirm>1</confirm><list>http://h/a.zip</list>", "FAILED"},
        std::pair{"<Confirm></Confirm><list>http://h/a.zip</list>", "FAILED"},
        std::pair{"<Confirm>1</Confirm><list>http://h/a&amp;b.zip", "http://h/a&b.zip"},
        std::pair{"<html>Service Unavailable</html>", "FAILED"}));

TEST_F(zInternetTest, SilentServerGivesFailed)
{
    server.Route("/xmlservice/UpdateDataList.aspx", Reply::Never());
    Settings().textFetchLimit = 150ms;
    EXPECT_EQ(client.GetUpdateList("20070320", "", ""), "FAILED");
}

TEST_F(zInternetTest, RequestsWhileTheWindowIsBusyAreRefused)
{
    server.Route("/slow", Reply::Never());
    Settings().textFetchLimit = 150ms;
    // The client's own fetch and the module's text fetch hold the same window.
    const std::vector<std::function<void()>> waits = {[&] { client.GetDataFromHTTPRequest(Url("/slow"), 30); },
                                                      [&] { FetchURLText(ctx, transfers, Url("/slow"), 30); }};
    for (const auto& wait : waits) {
        QStringList lists;
        std::vector<Expected<bool>> downloads;
        op.onYield = [&] {
            if (!lists.isEmpty())
                return;
            lists << client.GetUpdateList("20070320", "", "");
            downloads.push_back(client.GetHTTPFile(Url("/a.zip"), dir.path(), "t", 6000));
        };
        wait();
        EXPECT_EQ(lists, QStringList{"FAILED"});
        ASSERT_EQ(downloads.size(), 1u);
        ASSERT_TRUE(downloads[0].ok());
        EXPECT_FALSE(downloads[0].value());
        for (const auto& request : server.requests)
            EXPECT_EQ(request.target, "/slow");
    }
}

TEST_F(zInternetTest, DownloadsOnATopMostProgressWindow)
{
    const QByteArray body = Binary(2000);
    server.Route("/files/UPDATE_T_20070320.zip", Reply::Bytes(body));
    const Expected<bool> result =
        client.GetHTTPFile(Url("/files/UPDATE_T_20070320.zip"), dir.path(), "Downloading Updates", 6000);
    ASSERT_TRUE(result.ok()) << result.error().description.toStdString();
    EXPECT_TRUE(result.value());
    EXPECT_EQ(Contents("UPDATE_T_20070320.zip"), body);
    EXPECT_TRUE(op.progressTopMost);
    EXPECT_TRUE(op.cancelVisible);
    EXPECT_FALSE(op.progressVisible);
    EXPECT_TRUE(op.captions.contains("Downloading Updates"));
}

} // namespace
} // namespace pafdm::test
