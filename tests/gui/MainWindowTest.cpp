#include "gui/MainWindow.h"
#include "DemoData.h"
#include "dataset/zManager.h"
#include "gui/Dialogs.h"
#include "gui/QtOperator.h"
#include "gui/ScriptedMessageBoxes.h"
#include "net/frmInternetAccessForm.h"
#include "net/zInternet.h"
#include "shell/Program.h"
#include "shell/frmMain.h"
#include "support/AppContext.h"
#include "support/Operator.h"
#include "testsupport/LocalHttpServer.h"
#include "testsupport/QtPrinters.h"
#include "testsupport/TempDir.h"
#include "update/UpdateLock.h"
#include "update/ZUpdateData.h"

#include <QAction>
#include <QApplication>
#include <QCryptographicHash>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <csignal>
#include <memory>

namespace pafdm {
namespace {

using test::LocalHttpServer;
using Reply = LocalHttpServer::Reply;

// Catches the URLs the program hands to the desktop.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QStringList urls;
public slots:
    void Open(const QUrl& url) { urls << url.toString(); }
};

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteText(const QString& path, const QByteArray& text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// Real time for the transfers, which wait on the network; a fixed day for
// the regional check (20 March: day and month tell the orders apart).
class FixedDayClock : public Clock {
public:
    QDateTime Now() const override { return QDateTime(QDate(2007, 3, 20), QTime(14, 5, 9)); }
};

// The real main window of either edition on a data directory of its own,
// with message boxes answered by the script and web pages caught.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* scheme : {"http", "https", "file"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), &web, "Open");
        ui.SetMessageBoxes(&boxes);
        savedPath = qgetenv("PATH");
    }

    // The window, its logic and the program's instances go before their context.
    void Reset()
    {
        window.reset();
        logic.reset();
        program.reset();
        ctx.reset();
    }

    void TearDown() override
    {
        Reset();
        for (const char* scheme : {"http", "https", "file"})
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
        qputenv("PATH", savedPath);
    }

    void InstallDataSet()
    {
        for (const char* name : {"PAF_FULL.dat", "PAF_THOURGHFARE.dat", "PAF_POSTZON.dat"})
            dir.CopyFixture(QStringLiteral("fixtures/jet4/dataset/") + name, QString::fromLatin1(name));
    }

    // Makes the window of `edition` and runs its start-up with message
    // boxes answered by `answers` (then OK / No).
    void Start(const EditionConfig& edition, std::deque<int> answers = {},
               const QLocale& locale = QLocale(QLocale::English, QLocale::UnitedKingdom))
    {
        boxes.Script(std::move(answers));
        Reset();
        ctx = std::make_unique<AppContext>(edition, ui, clock);
        ctx->locale = locale;
        program = std::make_unique<Program>(*ctx);
        ui.dataDirectory = [this] { return ctx->dataDirectory; };
        logic = std::make_unique<frmMain>(
            *ctx, *program,
            DevelopmentSettings{dir.File(QStringLiteral("no-such.flg")), QStringLiteral("/nonexistent")});
        logic->directories.configFile = dir.File(QStringLiteral("no-such.conf"));
        window = std::make_unique<MainWindow>(*logic);
        ui.SetMainWindow(window.get());
        logic->Load(dir.path());
        window->show();
    }

    std::vector<ScriptedMessageBoxes::Shown>& Boxes() { return boxes.Recorded(); }

    // A full-address file of 2,000 rows dated 1 January 2007 and an update
    // database of `rows` rows for 1 March 2007 left without its archive.
    void InstallDemoUpdate(uint32_t rows)
    {
        demo::DataSetOptions data;
        data.rows = 2000;
        ASSERT_TRUE(demo::WriteDataFile(demo::Kind::kFull, dir.FileStd(QStringLiteral("PAF_FULL.dat")), data).ok());
        demo::UpdateOptions update;
        update.rows = rows;
        update.dataRows = data.rows;
        ASSERT_TRUE(
            demo::WriteUpdateDatabase(demo::Kind::kFull, dir.FileStd(QStringLiteral("UPDATE_F_20070301.dat")), update)
                .ok());
    }

    QByteArray Hash(const QString& name) const
    {
        return QCryptographicHash::hash(ReadBytes(dir.File(name)), QCryptographicHash::Sha256);
    }

    // Calls `act` with the progress window once it shows a record being
    // merged, checking every millisecond while the run works.
    void WhenMerging(QTimer& poll, const std::function<void(TransferWindow&)>& act)
    {
        QObject::connect(&poll, &QTimer::timeout, [this, &poll, act] {
            TransferWindow* progress = ui.ProgressWindow();
            if (progress != nullptr && progress->isVisible()
                && progress->Label1->text().startsWith(QLatin1String("Processing record:"))) {
                poll.stop();
                act(*progress);
            }
        });
        poll.start(1);
    }

    QStringList VisibleMenu() const
    {
        QStringList items;
        for (QAction* action : window->mnuOptions->actions()) {
            if (action->isVisible())
                items << (action->isSeparator() ? QStringLiteral("-") : action->text());
        }
        return items;
    }

    // A lookup component on PATH that answers `version`.
    void InstallLookupComponent(const QString& className, const QByteArray& version)
    {
        const QString bin = dir.File(QStringLiteral("bin"));
        ASSERT_TRUE(QDir().mkpath(bin));
        const QString script = bin + QLatin1Char('/') + className;
        WriteText(script, "#!/bin/sh\n[ \"$1\" = getversion ] && echo '" + version + "'\n");
        QFile::setPermissions(script, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("PATH", bin.toLocal8Bit() + ':' + savedPath);
    }

    test::TempDir dir;
    UrlRecorder web;
    // Declared before the operator, which answers through it to the end.
    ScriptedMessageBoxes boxes;
    QtOperator ui;
    FixedDayClock clock;
    std::unique_ptr<AppContext> ctx;
    std::unique_ptr<Program> program;
    std::unique_ptr<frmMain> logic;
    std::unique_ptr<MainWindow> window;
    QByteArray savedPath;
};

TEST_F(MainWindowTest, EachEditionShowsItsMenuItemsInOrder)
{
    InstallDataSet();
    Start(EditionConfig::Vell());
    EXPECT_EQ(window->mnuOptions->title(), QStringLiteral("&Options"));
    EXPECT_EQ(VisibleMenu(), QStringList{QStringLiteral("&Refresh Display")});

    Start(EditionConfig::Quorly());
    EXPECT_EQ(VisibleMenu(),
              (QStringList{QStringLiteral("&Current Data Status"), QStringLiteral("-"),
                           QStringLiteral("Download Application Definitions"), QStringLiteral("&Refresh Display")}));
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(MainWindowTest, AnInternetSwitchOffHidesTheDataStatusItem)
{
    InstallDataSet();
    WriteText(dir.File(QStringLiteral("Brand.xml")),
              "<ApplicationName>Acme Postcodes</ApplicationName><allowInternet>off</allowInternet>");
    Start(EditionConfig::Quorly());
    EXPECT_EQ(VisibleMenu(),
              (QStringList{QStringLiteral("-"), QStringLiteral("Download Application Definitions"),
                           QStringLiteral("&Refresh Display")}));
    EXPECT_TRUE(window->windowTitle().startsWith(QStringLiteral("Acme Postcodes ")));

    WriteText(dir.File(QStringLiteral("Brand.xml")), "<allowInternet>oN</allowInternet>");
    Start(EditionConfig::Quorly());
    EXPECT_TRUE(VisibleMenu().contains(QStringLiteral("&Current Data Status")));
}

TEST_F(MainWindowTest, BothPanesShowTheSummaryAndRefreshShowsChanges)
{
    dir.CopyFixture(QStringLiteral("fixtures/jet4/dataset/PAF_FULL.dat"), QStringLiteral("PAF_FULL.dat"));
    Start(EditionConfig::Vell());
    EXPECT_TRUE(
        window->Text1->toPlainText().contains(QStringLiteral("Full PAF data present\n  Last updated:01 Feb 2007")))
        << window->Text1->toPlainText().toStdString();
    EXPECT_FALSE(window->Text1->toPlainText().contains(QStringLiteral("PostZon")));
    EXPECT_TRUE(window->Label1->text().contains(QStringLiteral("MDAC Version:Not LOADED")));
    EXPECT_TRUE(window->Label1->text().contains(QStringLiteral("Data is on Machine:")));
    EXPECT_EQ(window->Frame1->title(), QStringLiteral("Data Status"));
    EXPECT_EQ(window->Frame2->title(), QStringLiteral("System"));

    dir.CopyFixture(QStringLiteral("fixtures/jet4/dataset/PAF_POSTZON.dat"), QStringLiteral("PAF_POSTZON.dat"));
    window->mnuRefresh->trigger();
    EXPECT_TRUE(
        window->Text1->toPlainText().contains(QStringLiteral("PostZon data present\n  Last updated:15 Jan 2007")));
}

TEST_F(MainWindowTest, TheCaptionNamesTheLookupComponentsVersion)
{
    InstallDataSet();
    Start(EditionConfig::Quorly());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quorly Postcode Local Data Manager V2.3.0 COM Version:"));

    InstallLookupComponent(QStringLiteral("IQuorlyPostCodeCOMClass.QuorlyPostCode"), "  4.1.7  ");
    Start(EditionConfig::Quorly());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quorly Postcode Local Data Manager V2.3.0 COM Version:4.1.7"));
}

TEST_F(MainWindowTest, MissingDataFilesAreReportedWithTheDataStatusPage)
{
    Start(EditionConfig::Quorly());
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(
        Boxes()[0].prompt,
        QStringLiteral("The Local Data files are not in place!\r\n\r\nPlease download from the following web site"));
    EXPECT_EQ(Boxes()[0].style, 64);
    EXPECT_EQ(Boxes()[0].title, QStringLiteral("Quorly Postcode Lookup"));
    EXPECT_EQ(web.urls, QStringList{QStringLiteral("http://www.quorly.example/DesktopSoftware.htm")});

    window->mnuCurrentData->trigger();
    EXPECT_EQ(web.urls.value(1), QStringLiteral("http://www.quorly.example/DesktopSoftware.htm#Status"));
}

TEST_F(MainWindowTest, TheRegionalCheckWarnsOnlyForAMonthFirstDate)
{
    InstallDataSet();
    Start(EditionConfig::Vell()); // day/month/year
    EXPECT_TRUE(Boxes().empty());

    Start(EditionConfig::Vell(), {}, QLocale(QLocale::English, QLocale::UnitedStates));
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].prompt,
              QStringLiteral("You may have American data format set on this computer, please check "
                             "and rectify in reginal settings (within windows control panel)."));
    EXPECT_EQ(Boxes()[0].title, QStringLiteral("American data format. Please resolve"));
    EXPECT_EQ(Boxes()[0].style, 16);
    EXPECT_TRUE(Boxes()[0].topMost);
    EXPECT_TRUE(QString::fromUtf8(ReadBytes(dir.File(QStringLiteral("Error1.log"))))
                    .contains(QStringLiteral("You may have American data format set on this computer, please check "
                                             "and rectify.")));
}

TEST_F(MainWindowTest, GetUpdatesEndsWithTheDataDirectoryThenOpensTheDownloadPage)
{
    InstallDataSet();
    Start(EditionConfig::Vell());
    window->Command5->click();
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].title, QStringLiteral("Update data files"));
    EXPECT_TRUE(Boxes()[0].prompt.startsWith(QStringLiteral("To update your local data files please download")));
    EXPECT_TRUE(Boxes()[0].prompt.endsWith(QStringLiteral("then replace the existing file in ") + dir.path()));
    EXPECT_EQ(web.urls, QStringList{QStringLiteral("http://www.postcodevell.example/SDK.htm")});
}

TEST_F(MainWindowTest, TheQuorlyOfferAppliesWaitingArchivesWhenAnsweredYes)
{
    InstallDataSet();
    dir.CopyFixture(QStringLiteral("fixtures/jet4/updates/UPDATE_F_20070301.zip"),
                    QStringLiteral("UPDATE_F_20070301.zip"));
    // The transfer window serves as the progress window while the archive is
    // unpacked; the window keeps working while the run does, so it is seen
    // in every state of the run.
    QStringList progressStates;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        TransferWindow* progress = ui.ProgressWindow();
        if (progress == nullptr || !progress->isVisible())
            return;
        const QString state = progress->windowTitle() + QLatin1Char('|') + progress->Label1->text();
        if (progressStates.contains(state))
            return;
        progressStates << state;
        if (const QString shots = qEnvironmentVariable("PAFDM_SCREENSHOTS");
            !shots.isEmpty() && state.contains(QLatin1String("Unziping")))
            progress->grab().save(shots + QStringLiteral("/transfer-window.png"));
    });
    poll.start(0);
    QStringList captions;
    Reset();
    boxes.Script({MessageAnswer::kYes});
    ctx = std::make_unique<AppContext>(EditionConfig::Quorly(), ui, clock);
    ctx->locale = QLocale(QLocale::English, QLocale::UnitedKingdom);
    program = std::make_unique<Program>(*ctx);
    logic = std::make_unique<frmMain>(*ctx, *program,
                                      DevelopmentSettings{dir.File(QStringLiteral("no-such.flg")), QString()});
    logic->directories.configFile = dir.File(QStringLiteral("no-such.conf"));
    window = std::make_unique<MainWindow>(*logic);
    ui.SetMainWindow(window.get());
    QObject::connect(window.get(), &QWidget::windowTitleChanged, [&](const QString& title) { captions << title; });
    logic->Load(dir.path());
    window->show();
    poll.stop();
    // The caption says what happens during the run and comes back after it.
    ASSERT_GE(captions.size(), 2);
    EXPECT_EQ(captions[0], QStringLiteral("Applying updates,  please wait..."));
    EXPECT_TRUE(progressStates.contains(
        QStringLiteral("Apply changes:UPDATE_F_20070301.zip 1/1|Unziping file:UPDATE_F_20070301.zip")))
        << progressStates.join(QLatin1Char('\n')).toStdString();
    ASSERT_GE(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[0].prompt, QStringLiteral("Data Update files are present, do you want to upply these updates?"));
    EXPECT_EQ(Boxes()[0].style, 36);
    EXPECT_EQ(Boxes()[0].title, QStringLiteral("Quorly Postcode"));
    EXPECT_TRUE(Boxes()[1].prompt.startsWith(QStringLiteral("Files applied:1 ok ")));
    EXPECT_TRUE(
        window->Text1->toPlainText().contains(QStringLiteral("Full PAF data present\n  Last updated:01 Mar 2007")));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quorly Postcode Local Data Manager V2.3.0 COM Version:"));
    EXPECT_FALSE(QFileInfo::exists(dir.File(QStringLiteral("UPDATE_F_20070301.zip"))));
    EXPECT_EQ(ui.ProgressWindow(), nullptr) << "the progress window is closed after the run";
}

TEST_F(MainWindowTest, TheQuorlyOfferAnsweredNoRunsNothing)
{
    InstallDataSet();
    dir.CopyFixture(QStringLiteral("fixtures/jet4/updates/UPDATE_F_20070301.zip"),
                    QStringLiteral("UPDATE_F_20070301.zip"));
    const QByteArray full = ReadBytes(dir.File(QStringLiteral("PAF_FULL.dat")));
    Start(EditionConfig::Quorly(), {MessageAnswer::kNo});
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_TRUE(QFileInfo::exists(dir.File(QStringLiteral("UPDATE_F_20070301.zip"))));
    EXPECT_EQ(ReadBytes(dir.File(QStringLiteral("PAF_FULL.dat"))), full);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quorly Postcode Local Data Manager V2.3.0 COM Version:"));
    EXPECT_TRUE(window->Text1->toPlainText().contains(QStringLiteral("Last updated:01 Feb 2007")));
}

TEST_F(MainWindowTest, ClosingTheVellWindowStartsTheDesktopProgramAndEndsEveryWindow)
{
    InstallDataSet();
    const QString marker = dir.File(QStringLiteral("started"));
    const QString program = dir.File(QStringLiteral("PostCodeVellDesktop.exe"));
    WriteText(program, "#!/bin/sh\npwd > '" + marker.toLocal8Bit() + "'\n");
    QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    Start(EditionConfig::Quorly());
    logic->Close();
    QThread::msleep(200);
    EXPECT_FALSE(QFileInfo::exists(marker)) << "the Quorly edition starts nothing";

    Start(EditionConfig::Vell());
    ui.ShowProgress(QStringLiteral("Downloading"));
    ASSERT_TRUE(ui.ProgressWindow()->isVisible());
    window->close();
    EXPECT_FALSE(ui.ProgressWindow()->isVisible());
    for (int i = 0; i < 500 && ReadBytes(marker).isEmpty(); ++i)
        QThread::msleep(10);
    EXPECT_EQ(QString::fromLocal8Bit(ReadBytes(marker)).trimmed(), QDir(dir.path()).canonicalPath());
}

TEST_F(MainWindowTest, TheDevelopmentFlagFileMovesTheDataDirectoryUnlessTheCurrentOneHoldsData)
{
    test::TempDir development;
    test::TempDir empty;
    WriteText(dir.File(QStringLiteral("ThisIsAdevMachine.flg")), "");
    boxes.Script({});
    ctx = std::make_unique<AppContext>(EditionConfig::Vell(), ui, clock);
    ctx->locale = QLocale(QLocale::English, QLocale::UnitedKingdom);
    program = std::make_unique<Program>(*ctx);
    logic = std::make_unique<frmMain>(
        *ctx, *program, DevelopmentSettings{dir.File(QStringLiteral("ThisIsAdevMachine.flg")), development.path()});
    logic->directories.configFile = dir.File(QStringLiteral("no-such.conf"));
    logic->Load(empty.path());
    EXPECT_EQ(ctx->dataDirectory, development.path());

    dir.CopyFixture(QStringLiteral("fixtures/jet4/dataset/PAF_POSTZON.dat"), QStringLiteral("PAF_POSTZON.dat"));
    logic->Load(dir.path());
    EXPECT_EQ(ctx->dataDirectory, dir.path());
    EXPECT_TRUE(logic->Text1.contains(QStringLiteral("PostZon"))) << "the current directory's files are shown";
}

TEST_F(MainWindowTest, DownloadApplicationDefinitionsShowsTheWaitInTheCaption)
{
    InstallDataSet();
    LocalHttpServer server;
    const QByteArray definitions = "<Definitions>" + QByteArray(2000, 'd') + "</Definitions>";
    server.Route("/GetDefinitions.aspx", Reply::Text(definitions));
    EditionConfig edition = EditionConfig::Quorly();
    edition.definitionsServer = server.BaseUrl();
    Start(edition, {MessageAnswer::kYes});
    QStringList captions;
    QObject::connect(window.get(), &QWidget::windowTitleChanged, [&](const QString& title) { captions << title; });
    const QString caption = window->windowTitle();

    window->mnuAppDownloads->trigger();
    EXPECT_EQ(captions, (QStringList{QStringLiteral("Downloading definitions,  please wait..."), caption}));
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_TRUE(Boxes()[1].prompt.contains(QStringLiteral(" has been written")));
    EXPECT_EQ(ReadBytes(dir.File(QStringLiteral("Definitions.xml"))), definitions + "\r\n");
}

// The source dialog of an update run, answered by its buttons and its close box.
class UpdateChooseTest : public MainWindowTest {
protected:
    UpdateOutcome RunUpdate(const std::function<void(frmUpdateChoose&)>& answer)
    {
        QString seenCaption;
        QString seenCommand2;
        ui.onChooseShown = [&](frmUpdateChoose& dialog) {
            seenCaption = dialog.windowTitle();
            seenCommand2 = dialog.Command2->text();
            topMost = dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            answer(dialog);
        };
        const Expected<UpdateOutcome> outcome = UpdateData(*ctx, program->manager, program->internet, true,
                                                           ctx->brand.applicationName, ctx->dataDirectory, false);
        ui.onChooseShown = nullptr;
        EXPECT_EQ(seenCaption, QStringLiteral("Update Local Data"));
        EXPECT_EQ(seenCommand2, QStringLiteral("Apply updates from files already in directory\n") + dir.path());
        EXPECT_TRUE(outcome.ok());
        return outcome.ok() ? outcome.value() : UpdateOutcome{};
    }

    bool topMost = false;
};

TEST_F(UpdateChooseTest, EachAnswerOfTheSourceDialog)
{
    InstallDataSet();
    dir.CopyFixture(QStringLiteral("fixtures/jet4/updates/UPDATE_F_20070301.zip"),
                    QStringLiteral("UPDATE_F_20070301.zip"));
    Start(EditionConfig::Vell());
    const auto cancelled = RunUpdate([](frmUpdateChoose& d) { d.Command3->click(); });
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_TRUE(topMost);
    const auto closed = RunUpdate([](frmUpdateChoose& d) { d.close(); });
    EXPECT_TRUE(closed.cancelled);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_TRUE(QFileInfo::exists(dir.File(QStringLiteral("UPDATE_F_20070301.zip"))));

    const auto applied = RunUpdate([](frmUpdateChoose& d) { d.Command2->click(); });
    EXPECT_EQ(applied.applied, 1);
    EXPECT_FALSE(QFileInfo::exists(dir.File(QStringLiteral("UPDATE_F_20070301.zip"))));

    LocalHttpServer server;
    server.Route("/xmlservice/UpdateDataList.aspx", Reply::Text("<Confirm>1</Confirm><list></list>"));
    program->internet.ServerURL = server.BaseUrl();
    const auto internet = RunUpdate([](frmUpdateChoose& d) { d.Command1->click(); });
    EXPECT_FALSE(internet.Failed());
    ASSERT_EQ(server.requests.size(), 1u);
    EXPECT_TRUE(server.requests[0].target.startsWith("/xmlservice/UpdateDataList.aspx?f=20070301"));
}

TEST_F(MainWindowTest, CancelOnTheTransferWindowStopsADownload)
{
    InstallDataSet();
    Start(EditionConfig::Quorly());
    LocalHttpServer server;
    server.Route("/files/UPDATE_T_20070401.zip", Reply::Bytes(QByteArray(1 << 20, 'a')).StallingAfter(50000));
    QString label;
    bool wasTopMost = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        TransferWindow* progress = ui.ProgressWindow();
        if (progress != nullptr && progress->isVisible() && progress->Label1->text().startsWith("Get file:")) {
            label = progress->Label1->text();
            wasTopMost = progress->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            progress->Cancel->click();
        }
    });
    poll.start(10);
    const Expected<bool> result =
        program->internet.GetHTTPFile(server.BaseUrl() + QStringLiteral("/files/UPDATE_T_20070401.zip"), dir.path(),
                                      QStringLiteral("Downloading"), 6000);
    poll.stop();
    ASSERT_TRUE(result.ok()) << result.error().description.toStdString();
    EXPECT_FALSE(result.value());
    EXPECT_TRUE(label.startsWith(QStringLiteral("Get file:UPDATE_T_20070401.zip")))
        << "label [" << label.toStdString() << "]";
    EXPECT_TRUE(wasTopMost);
    EXPECT_FALSE(QFileInfo::exists(dir.File(QStringLiteral("UPDATE_T_20070401.zip"))));
}

TEST_F(MainWindowTest, AScreenshotOfEachEditionShowsBothPanes)
{
    InstallDataSet();
    for (const EditionConfig& edition : {EditionConfig::Vell(), EditionConfig::Quorly()}) {
        Start(edition);
        window->mnuOptions->popup(window->mapToGlobal(QPoint(0, 0)));
        QApplication::processEvents();
        const QString shots = qEnvironmentVariable("PAFDM_SCREENSHOTS");
        if (!shots.isEmpty()) {
            window->grab().save(shots + QStringLiteral("/main-") + edition.editionName + QStringLiteral(".png"));
            window->mnuOptions->grab().save(shots + QStringLiteral("/menu-") + edition.editionName
                                            + QStringLiteral(".png"));
        }
        EXPECT_FALSE(window->Text1->toPlainText().isEmpty());
        EXPECT_FALSE(window->Label1->text().isEmpty());
        window->mnuOptions->hide();
    }
}

} // namespace
} // namespace pafdm

#include "MainWindowTest.moc"

namespace pafdm {
namespace {

TEST_F(MainWindowTest, CancelStopsAMergeWithTheDataFileAsItWasAndTheWindowWorkingThroughout)
{
    InstallDemoUpdate(60000);
    const QByteArray before = Hash(QStringLiteral("PAF_FULL.dat"));
    int shareShown = -1;
    bool commandsHeld = false;
    QTimer poll;
    WhenMerging(poll, [&](TransferWindow& progress) {
        shareShown = progress.Bar->isVisible() ? progress.Bar->value() : -1;
        commandsHeld = !window->Command5->isEnabled() && !window->mnuRefresh->isEnabled();
        progress.Cancel->click();
    });
    ui.onUpdateRunning = [this](bool running) { window->SetUpdateRunning(running); };
    Start(EditionConfig::Quorly(), {MessageAnswer::kYes});
    ui.onUpdateRunning = nullptr;

    // The poll ran while the merge did: the event loop never stopped.
    EXPECT_GE(shareShown, 0) << "the progress bar shows the share merged";
    EXPECT_LT(shareShown, 1000);
    EXPECT_TRUE(commandsHeld) << "no other command may start while the run works";
    EXPECT_TRUE(window->Command5->isEnabled() && window->mnuRefresh->isEnabled());
    EXPECT_EQ(Hash(QStringLiteral("PAF_FULL.dat")), before) << "the data file is exactly as it was";
    EXPECT_TRUE(QFileInfo::exists(dir.File(QStringLiteral("UPDATE_F_20070301.dat"))));
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[1].prompt,
              QStringLiteral("Update stopped: 0 applied, left for the next run: UPDATE_F_20070301.dat"));
    EXPECT_FALSE(ui.StopRequested()) << "a Cancel stops one run, not the next";
    EXPECT_EQ(window->WaitingLabel->text(), QStringLiteral("Waiting to be applied: UPDATE_F_20070301.dat"));
}

TEST_F(MainWindowTest, ASignalStopsTheRunAndThenTheProgramWithoutWaitingForTheOperator)
{
    InstallDemoUpdate(60000);
    const QByteArray before = Hash(QStringLiteral("PAF_FULL.dat"));
    ui.WatchStopSignals();
    int signalled = 0;
    ui.onStopSignal = [&](int signal) { signalled = signal; };
    QTimer poll;
    WhenMerging(poll, [](TransferWindow&) { std::raise(SIGTERM); });
    Start(EditionConfig::Quorly(), {MessageAnswer::kYes});
    EXPECT_EQ(signalled, 0) << "the program closes only once the run has ended";
    QCoreApplication::processEvents();
    EXPECT_EQ(signalled, SIGTERM);
    EXPECT_EQ(ui.StopSignal(), SIGTERM);
    EXPECT_EQ(Hash(QStringLiteral("PAF_FULL.dat")), before);
    EXPECT_TRUE(QFileInfo::exists(dir.File(QStringLiteral("UPDATE_F_20070301.dat"))));
    // Only the start-up question was shown; the stop went to the log.
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_TRUE(ReadBytes(dir.File(QStringLiteral("Activity1.log")))
                    .contains("Update stopped: 0 applied, left for the next run: UPDATE_F_20070301.dat"));
}

TEST_F(MainWindowTest, TheFileAndHelpMenusAndTheirKeys)
{
    InstallDataSet();
    dir.CopyFixture(QStringLiteral("fixtures/jet4/updates/UPDATE_F_20070301.zip"),
                    QStringLiteral("UPDATE_F_20070301.zip"));
    Start(EditionConfig::Vell());
    EXPECT_FALSE(window->mnuUpdateNow->isVisible()) << "the Vell edition offers no update run";
    EXPECT_EQ(window->mnuQuit->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
    EXPECT_EQ(window->mnuRefresh->shortcut(), QKeySequence(QStringLiteral("F5")));
    EXPECT_EQ(window->WaitingLabel->text(), QStringLiteral("Waiting to be applied: UPDATE_F_20070301.zip"));
    EXPECT_EQ(window->menuBar()->actions().size(), 3);

    Boxes().clear();
    window->mnuAbout->trigger();
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].title, QStringLiteral("About Postcode Vell"));
    for (const QString& part :
         {QStringLiteral("Local Data Manager"), QStringLiteral("Edition: Vell"), QStringLiteral("Version: 2.3.0"),
          QStringLiteral("Data directory: ") + dir.path(), QStringLiteral("licence")})
        EXPECT_TRUE(Boxes()[0].prompt.contains(part)) << part.toStdString();

    // Another data directory, chosen in the window and remembered.
    test::TempDir other;
    other.CopyFixture(QStringLiteral("fixtures/jet4/dataset/PAF_POSTZON.dat"), QStringLiteral("PAF_POSTZON.dat"));
    QString offered;
    QString remembered;
    window->pickDirectory = [&](const QString& current) {
        offered = current;
        return other.path();
    };
    window->onDirectoryChosen = [&](const QString& chosen) { remembered = chosen; };
    window->mnuDataDirectory->trigger();
    EXPECT_EQ(offered, dir.path());
    EXPECT_EQ(remembered, other.path());
    EXPECT_EQ(ctx->dataDirectory, other.path());
    EXPECT_FALSE(window->Text1->toPlainText().contains(QStringLiteral("Full PAF")));
    EXPECT_TRUE(window->Text1->toPlainText().contains(QStringLiteral("PostZon")));
    EXPECT_TRUE(window->WaitingLabel->text().isEmpty());

    window->close();
    EXPECT_FALSE(window->isVisible()) << "Quit closes the window";
}

TEST_F(MainWindowTest, UpdateNowRunsAnUpdateFromTheChosenSourceAtAnyTime)
{
    InstallDataSet();
    Start(EditionConfig::Quorly());
    ASSERT_TRUE(window->mnuUpdateNow->isVisible());
    dir.CopyFixture(QStringLiteral("fixtures/jet4/updates/UPDATE_F_20070301.zip"),
                    QStringLiteral("UPDATE_F_20070301.zip"));
    window->mnuRefresh->trigger();
    EXPECT_FALSE(window->WaitingLabel->text().isEmpty());
    ui.onChooseShown = [](frmUpdateChoose& choose) { choose.Command2->click(); };
    Boxes().clear();
    window->mnuUpdateNow->trigger();
    ui.onChooseShown = nullptr;
    ASSERT_FALSE(Boxes().empty());
    EXPECT_TRUE(Boxes().back().prompt.startsWith(QStringLiteral("Files applied:1 ok ")))
        << Boxes().back().prompt.toStdString();
    EXPECT_TRUE(
        window->Text1->toPlainText().contains(QStringLiteral("Full PAF data present\n  Last updated:01 Mar 2007")));
    EXPECT_TRUE(window->WaitingLabel->text().isEmpty());
}

} // namespace
} // namespace pafdm

namespace pafdm {
namespace {

TEST_F(MainWindowTest, ADamagedDataFileIsNamedBesideTheSoundOnes)
{
    InstallDataSet();
    WriteText(dir.File(QStringLiteral("PAF_FULL.dat")), QByteArray(4096, 'x'));
    Start(EditionConfig::Vell());
    const QString shown = window->Text1->toPlainText();
    EXPECT_TRUE(shown.contains(QStringLiteral("PAF_FULL.dat is damaged or unreadable: "))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("pafdm-jet check")));
    EXPECT_TRUE(shown.contains(QStringLiteral("Thorughfare (Street) PAF data present\n  Last updated:01 Mar 2007")))
        << shown.toStdString();
    EXPECT_TRUE(ReadBytes(dir.File(QStringLiteral("Error1.log"))).contains("PAF_FULL.dat"));
}

} // namespace
} // namespace pafdm

namespace pafdm {
namespace {

TEST_F(MainWindowTest, TheQuorlyOfferNamesAnotherUpdaterInsteadOfAsking)
{
    InstallDataSet();
    dir.CopyFixture(QStringLiteral("fixtures/jet4/updates/UPDATE_F_20070301.zip"),
                    QStringLiteral("UPDATE_F_20070301.zip"));
    UpdateLock other(dir.path());
    ASSERT_EQ(other.TryLock(), UpdateLock::Outcome::kTaken);
    Start(EditionConfig::Quorly(), {MessageAnswer::kYes});
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_TRUE(Boxes()[0].prompt.startsWith(QStringLiteral("Another update of this data set is running")))
        << Boxes()[0].prompt.toStdString();
    EXPECT_EQ(Boxes()[0].title, QStringLiteral("Quorly Postcode:Update Postcode Address Data"));
    EXPECT_TRUE(QFileInfo::exists(dir.File(QStringLiteral("UPDATE_F_20070301.zip"))));
}

} // namespace
} // namespace pafdm
