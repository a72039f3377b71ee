#include "net/frmInternetAccessForm.h"

#include "net/NetFixture.h"
#include "testsupport/FakeClock.h"

#include <QTcpServer>
#include <QThread>

#include <functional>

using namespace std::chrono_literals;

namespace pafdm::test {
namespace {

using Reply = LocalHttpServer::Reply;

class TextFetchTest : public NetFixture { };

TEST_F(TextFetchTest, ReturnsTheWholeReply)
{
    const QByteArray body = "<Confirm>yes</Confirm>\r\n" + QByteArray(5000, 'x') + "\r\nend \xc2\xa3";
    server.Route("/text", Reply::Text(body));
    EXPECT_EQ(FetchURLText(ctx, transfers, Url("/text?a=1&b=2"), 30), QString::fromUtf8(body));
    ASSERT_EQ(server.requests.size(), 1u);
    EXPECT_EQ(server.requests[0].method, "GET");
    EXPECT_EQ(server.requests[0].target, "/text?a=1&b=2");
}

TEST_F(TextFetchTest, ReturnsServerErrorPagesUnchanged)
{
    server.Route("/broken", Reply::Text("<html>Server Error in '/' Application.</html>", 500));
    EXPECT_EQ(FetchURLText(ctx, transfers, Url("/broken"), 30), "<html>Server Error in '/' Application.</html>");
}

class AmpersandTest : public NetFixture, public ::testing::WithParamInterface<std::pair<const char*, const char*>> { };

TEST_P(AmpersandTest, ReplacesEachEscapedAmpersandOnce)
{
    server.Route("/amp", Reply::Text(GetParam().first));
    EXPECT_EQ(FetchURLText(ctx, transfers, Url("/amp"), 30), QString::fromUtf8(GetParam().second));
}

INSTANTIATE_TEST_SUITE_P(Replies, AmpersandTest,
                         ::testing::Values(std::pair{"a&amp;b&amp;amp;c", "a&b&amp;c"}, std::pair{"&amp;&amp;", "&&"},
                                           std::pair{"x &AMP; &amp y", "x &AMP; &amp y"}));

TEST_F(TextFetchTest, EmptyUrlRequestsNothingAndLeavesTheWindowIdle)
{
    frmInternetAccessForm form(ctx, transfers.settings);
    EXPECT_EQ(form.GetURL(QString()), "");
    EXPECT_FALSE(form.Busy);
    EXPECT_TRUE(server.requests.empty());
    EXPECT_EQ(FetchURLText(ctx, transfers, QString(), 30), "");
}

// The limit is the fixed 30 seconds of elapsed time, whatever request time-out
// the caller set; a fake monotonic clock lets it pass at once.
class TextFetchLimitTest : public NetFixture, public ::testing::WithParamInterface<bool> { };

TEST_P(TextFetchLimitTest, EndsInTimeOutAfterThirtySecondsWithoutAReply)
{
    const bool refused = GetParam();
    server.Route("/never", Reply::Never());
    const QString url =
        refused ? QStringLiteral("http://127.0.0.1:%1/x").arg(LocalHttpServer::UnusedPort()) : Url("/never");
    // Fake time runs only once the request is out (or refused), however
    // long the machine takes to connect.
    struct GatedClock : FakeClock {
        std::function<bool()> open;
        void Sleep(std::chrono::milliseconds duration) override
        {
            if (open())
                FakeClock::Sleep(duration);
            else
                QThread::usleep(200);
        }
    } fake;
    fake.open = [&] { return refused || !server.requests.empty(); };
    AppContext fakeCtx(EditionConfig::Quorly(), op, fake);
    frmInternetAccessForm form(fakeCtx, transfers.settings);
    form.SetRequestTimeout(6000);

    EXPECT_EQ(form.GetURL(url), QLatin1String(kTimeOutReply));
    const auto waited = fake.Monotonic().time_since_epoch();
    EXPECT_GT(waited, 30s);
    EXPECT_LT(waited, 30s + 100ms);
    EXPECT_FALSE(form.Busy);
    EXPECT_EQ(server.requests.size(), refused ? 0u : 1u);
}

INSTANTIATE_TEST_SUITE_P(NeverAnswersOrRefuses, TextFetchLimitTest, ::testing::Bool());

TEST_F(TextFetchTest, TimeOutBecomesTheTimeOutMessage)
{
    server.Route("/never", Reply::Never());
    Settings().textFetchLimit = 150ms;
    EXPECT_EQ(FetchURLText(ctx, transfers, Url("/never"), 30),
              "Sorry your internet connection timed out.   Is the internet working? or a firewall blocking service?");
}

TEST_F(TextFetchTest, CancelEndsTheFetchAsTimeOut)
{
    server.Route("/never", Reply::Never());
    op.cancelOnCall = {3};
    frmInternetAccessForm form(ctx, transfers.settings);
    EXPECT_EQ(form.GetURL(Url("/never")), QLatin1String(kTimeOutReply));
    EXPECT_EQ(op.cancelChecks, 4);
    EXPECT_FALSE(form.STOP_Internet_Download_Flg);
    EXPECT_FALSE(form.Busy);
}

TEST_F(TextFetchTest, BusyWindowRefusesASecondFetch)
{
    server.Route("/slow", Reply::Never());
    server.Route("/other", Reply::Text("other"));
    Settings().textFetchLimit = 150ms;
    QStringList nested;
    op.onYield = [&] {
        if (nested.isEmpty())
            nested << FetchURLText(ctx, transfers, Url("/other"), 30);
    };
    FetchURLText(ctx, transfers, Url("/slow"), 30);
    EXPECT_EQ(nested, QStringList{QString()});
    for (const auto& request : server.requests)
        EXPECT_EQ(request.target, "/slow");

    op.onYield = nullptr;
    EXPECT_EQ(FetchURLText(ctx, transfers, Url("/other"), 30), "other"); // the next call gets a fresh window
}

TEST_F(TextFetchTest, ShiftCtrlShowsCallAndReturnAndLeavesThemOnTheClipboard)
{
    server.Route("/diag", Reply::Text("a&amp;b"));
    op.keysDown = {VirtualKey::kShift, VirtualKey::kControl};
    const QString url = Url("/diag");
    EXPECT_EQ(FetchURLText(ctx, transfers, url, 30), "a&b");
    ASSERT_EQ(op.messages.size(), 2u);
    EXPECT_EQ(op.messages[0].prompt, "Call:\r\n" + url);
    EXPECT_EQ(op.messages[0].style, 64);
    EXPECT_EQ(op.messages[0].title, "Postcode Call (on clipboard)");
    EXPECT_FALSE(op.messages[0].topMost);
    EXPECT_EQ(op.messages[1].prompt, "Return:\r\na&amp;b");
    EXPECT_EQ(op.messages[1].style, 64);
    EXPECT_EQ(op.messages[1].title, "Postcode Return (on clipboard)");
    EXPECT_TRUE(op.messages[1].topMost);
    EXPECT_EQ(op.clipboard, (QStringList{url, "a&amp;b"}));
}

TEST_F(TextFetchTest, ShiftAloneShowsNothing)
{
    server.Route("/diag", Reply::Text("x"));
    op.keysDown = {VirtualKey::kShift};
    FetchURLText(ctx, transfers, Url("/diag"), 30);
    EXPECT_TRUE(op.messages.empty());
    EXPECT_TRUE(op.clipboard.isEmpty());
}

class ProxyTest : public NetFixture {
protected:
    void WriteProxyFile(const QString& value)
    {
        Write(QLatin1String(kProxySettingsFileName), ("<Proxy_Port_80>" + value + "</Proxy_Port_80>\r\n").toUtf8());
    }
    LocalHttpServer proxy;
};

TEST_F(ProxyTest, NamedProxyCarriesTheRequest)
{
    proxy.Route("/GetDefinitions.aspx", Reply::Text("via proxy"));
    WriteProxyFile(QStringLiteral("127.0.0.1:%1").arg(proxy.Port()));
    EXPECT_EQ(FetchURLText(ctx, transfers, "http://definitions.invalid/GetDefinitions.aspx?pv=99", 30), "via proxy");
    ASSERT_EQ(proxy.requests.size(), 1u);
    EXPECT_EQ(proxy.requests[0].target, "http://definitions.invalid/GetDefinitions.aspx?pv=99");
}

TEST_F(ProxyTest, EmptyValueOrNoFileGoesDirect)
{
    server.Route("/t", Reply::Text("direct"));
    EXPECT_EQ(FetchURLText(ctx, transfers, Url("/t"), 30), "direct");
    WriteProxyFile(QString());
    EXPECT_EQ(FetchURLText(ctx, transfers, Url("/t"), 30), "direct");
    EXPECT_EQ(server.requests.size(), 2u);
    EXPECT_TRUE(proxy.requests.empty());
}

TEST_F(ProxyTest, FileIsReadOncePerWindow)
{
    proxy.Route("/t", Reply::Text("via proxy"));
    server.Route("/t", Reply::Text("direct"));
    WriteProxyFile(QStringLiteral("http://127.0.0.1:%1").arg(proxy.Port()));
    frmInternetAccessForm form(ctx, transfers.settings);
    EXPECT_EQ(form.GetURL(Url("/t")), "via proxy");
    QFile::remove(dir.File(QLatin1String(kProxySettingsFileName)));
    EXPECT_EQ(form.GetURL(Url("/t")), "via proxy");
    EXPECT_EQ(FetchURLText(ctx, transfers, Url("/t"), 30), "direct");
}

class FileDownloadTest : public NetFixture {
protected:
    Expected<bool> Download(const QString& path)
    {
        frmInternetAccessForm form(ctx, transfers.settings);
        form.SetRequestTimeout(6000);
        return form.GetHTTPFile(QStringLiteral("Downloading update"), Url(path), dir.path());
    }
};

TEST_F(FileDownloadTest, ReplacesTheFileWithTheWholeBodyShowingProgress)
{
    const QByteArray body = Binary(300000);
    Write("UPDATE_F_20070320.zip", "old");
    server.Route("/files/UPDATE_F_20070320.zip", Reply::Bytes(body));
    const Expected<bool> result = Download("/files/UPDATE_F_20070320.zip");
    ASSERT_TRUE(result.ok()) << result.error().description.toStdString();
    EXPECT_TRUE(result.value());
    EXPECT_EQ(Contents("UPDATE_F_20070320.zip"), body);
    EXPECT_EQ(Files(), QStringList{"UPDATE_F_20070320.zip"});
    EXPECT_EQ(op.captions.last(), "Downloading update");
    ASSERT_GE(op.labels.size(), 2);
    EXPECT_EQ(op.labels.first(), "Get file:UPDATE_F_20070320.zip");
    EXPECT_EQ(op.labels.last(), "Get file:UPDATE_F_20070320.zip 300/300Kb 100%");
}

TEST_F(FileDownloadTest, ZeroLengthGivesAnEmptyFile)
{
    server.Route("/empty.zip", Reply::Bytes(""));
    const Expected<bool> result = Download("/empty.zip");
    ASSERT_TRUE(result.ok());
    EXPECT_TRUE(result.value());
    EXPECT_EQ(Files(), QStringList{"empty.zip"});
    EXPECT_EQ(Contents("empty.zip"), "");
}

struct BadReply {
    const char* name;
    Reply reply;
    qint64 error;
};

// Cases print as their names.
void PrintTo(const BadReply& c, std::ostream* os)
{
    *os << c.name;
}

class FileDownloadFailureTest : public FileDownloadTest, public ::testing::WithParamInterface<BadReply> { };

TEST_P(FileDownloadFailureTest, FailsWithoutTouchingTheDirectory)
{
    Write("a.zip", "old");
    server.Route("/a.zip", GetParam().reply);
    const Expected<bool> result = Download("/a.zip");
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().number, GetParam().error);
    EXPECT_EQ(Files(), QStringList{"a.zip"});
    EXPECT_EQ(Contents("a.zip"), "old");
}

INSTANTIATE_TEST_SUITE_P(
    Replies, FileDownloadFailureTest,
    ::testing::Values(
        BadReply{"Chunked", Reply::Bytes(Binary(5000)).WithFraming(LocalHttpServer::Framing::kChunked),
                 TransferError::kTypeMismatch},
        BadReply{"UntilClose", Reply::Bytes(Binary(5000)).WithFraming(LocalHttpServer::Framing::kUntilClose),
                 TransferError::kTypeMismatch},
        BadReply{"NotNumeric", Reply::Bytes(Binary(500)).WithContentLength("five hundred"),
                 TransferError::kTypeMismatch},
        BadReply{"NotFound", Reply::Bytes("missing").WithStatus(404, "Not Found"), TransferError::kTransferFailed},
        BadReply{"CutShort", Reply::Bytes(Binary(500)).WithContentLength("1000"), TransferError::kTransferFailed}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileDownloadTest, RefusedConnectionFails)
{
    frmInternetAccessForm form(ctx, transfers.settings);
    const auto result = form.GetHTTPFile(
        "t", QStringLiteral("http://127.0.0.1:%1/a.zip").arg(LocalHttpServer::UnusedPort()), dir.path());
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().number, TransferError::kTransferFailed);
    EXPECT_TRUE(Files().isEmpty());
}

// Cancels once part of the body has arrived.
class CancellingOperator : public ScriptedOperator {
public:
    bool TakeCancelRequest() override { return lastLabel.endsWith(QLatin1String(" 5%")); }
};

TEST_F(FileDownloadTest, CancelMidDownloadKeepsTheOldFileAndLeavesNothingBehind)
{
    CancellingOperator cancelling;
    AppContext cancelCtx(EditionConfig::Quorly(), cancelling, clock);
    Write("a.zip", "old");
    server.Route("/a.zip", Reply::Bytes(Binary(100000)).StallingAfter(5000));
    frmInternetAccessForm form(cancelCtx, transfers.settings);
    const Expected<bool> result = form.GetHTTPFile("t", Url("/a.zip"), dir.path());
    ASSERT_TRUE(result.ok());
    EXPECT_FALSE(result.value());
    EXPECT_EQ(cancelling.lastLabel, "Get file:a.zip 5/100Kb 5%");
    EXPECT_EQ(Files(), QStringList{"a.zip"});
    EXPECT_EQ(Contents("a.zip"), "old");
    EXPECT_TRUE(form.file_name.isEmpty());
}

class HostileNameTest : public FileDownloadTest, public ::testing::WithParamInterface<QString> { };

TEST_P(HostileNameTest, IsRefusedBeforeAnythingIsRequested)
{
    server.fallback = Reply::Bytes("payload");
    const Expected<bool> result = Download(GetParam());
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().number, TransferError::kBadFileName);
    EXPECT_TRUE(server.requests.empty());
    EXPECT_TRUE(Files().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Names, HostileNameTest,
                         ::testing::Values("/dir/", "/dir/.", "/dir/..", "/x/..\\..\\evil.zip", "/PAF_FULL.dat",
                                           "/paf_postzon.DAT", "/Brand.xml", "/SundryVars.dat", "/Definitions.xml",
                                           "/RegServerProxySettings.xml", "/Error3.log", "/Activity1.log", "/Temp.log",
                                           QStringLiteral("/a") + QChar(0) + QStringLiteral("b.zip")));

TEST(DownloadNameTest, TheDesktopProgramIsRefusedToo)
{
    EXPECT_FALSE(frmInternetAccessForm::IsAcceptableDownloadName("postcodevelldesktop.EXE", "PostCodeVellDesktop.exe"));
    EXPECT_TRUE(frmInternetAccessForm::IsAcceptableDownloadName("PostCodeVellDesktop.exe", ""));
}

struct LabelCase {
    qint64 done;
    qint64 total;
    const char* label;
};

// Cases print as their names.
void PrintTo(const LabelCase& c, std::ostream* os)
{
    *os << c.label;
}

class ProgressLabelTest : public ::testing::TestWithParam<LabelCase> { };

TEST_P(ProgressLabelTest, Formats)
{
    EXPECT_EQ(frmInternetAccessForm::ProgressLabel("UPDATE_F.ZIP", GetParam().done, GetParam().total),
              QString::fromLatin1(GetParam().label));
}

INSTANTIATE_TEST_SUITE_P(Sizes, ProgressLabelTest,
                         ::testing::Values(LabelCase{1024000, 4567890, "Get file:UPDATE_F.ZIP 1/5Mb 22%"},
                                           LabelCase{0, 1000000, "Get file:UPDATE_F.ZIP 0/1,000Kb 0%"},
                                           LabelCase{500, 1000, "Get file:UPDATE_F.ZIP 1/1Kb 50%"},
                                           LabelCase{499, 1000, "Get file:UPDATE_F.ZIP 0/1Kb 50%"},
                                           LabelCase{999999, 1000001, "Get file:UPDATE_F.ZIP 1/1Mb 100%"},
                                           LabelCase{2500000000, 5000000000,
                                                     "Get file:UPDATE_F.ZIP 2,500/5,000Mb 50%"}));

} // namespace
} // namespace pafdm::test
