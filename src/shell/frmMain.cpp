#include "shell/frmMain.h"

#include "dataset/zManager.h"
#include "net/zInternet.h"
#include "shell/BrandSettings.h"
#include "shell/DefinitionsDownload.h"
#include "shell/Program.h"
#include "support/AppContext.h"
#include "support/Logging.h"
#include "support/Operator.h"
#include "support/SystemHelpers.h"
#include "support/TextFiles.h"
#include "update/ZUpdateData.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <exception>

namespace pafdm {

namespace {

// The lookup component answers at once or not at all.
constexpr int kComponentTimeLimitMs = 5000;

// The date separator of a short date format: its first character that is
// no part of a day, month or year field.
QString DateSeparator(const QString& format)
{
    for (const QChar c : format) {
        if (!c.isLetter() && c != QLatin1Char('\''))
            return QString(c);
    }
    return QStringLiteral("/");
}

} // namespace

frmMain::frmMain(AppContext& ctx, Program& program, DevelopmentSettings development)
    : m_ctx(ctx)
    , m_program(program)
{
    directories.development = std::move(development);
    updateNowVisible = m_ctx.edition.offersWaitingUpdates;
}

void frmMain::Changed()
{
    if (onChanged)
        onChanged();
}

void frmMain::Attempt(const std::function<void()>& action)
{
    // A step that fails is abandoned where it fails and the next one runs;
    // nothing of it reaches the operator.
    try {
        action();
    } catch (const std::exception&) {
    }
}

void frmMain::Load(const QString& currentDirectory)
{
    Attempt([&] {
        DataDirectorySources sources = directories;
        sources.currentDirectory = currentDirectory;
        m_ctx.dataDirectory = ResolveDataDirectory(sources);
    });
    Attempt([&] { (void)GetBrandSettings(m_ctx); });
    Attempt([&] { setSummary(); });
    Attempt([&] { WarnAmericanDate(); });
    Attempt([&] { ReadBrandOverDefaults(); });
    Attempt([&] {
        if (m_ctx.edition.hidesStatusAndDefinitionsMenus) {
            mnuAppDownloadsVisible = false;
            mnu52353Visible = false;
            mnuCurrentDataVisible = false;
            Changed();
        }
        if (!m_ctx.edition.offersWaitingUpdates || !AreUpdatesPresent())
            return;
        // Another updater is named before the question, not after it.
        if (!UpdateLockIsFree(m_ctx, m_ctx.dataDirectory, m_ctx.brand.applicationName))
            return;
        const std::optional<int> answer =
            m_ctx.ui().ShowMessage(QStringLiteral("Data Update files are present, do you want to upply these updates?"),
                                   MessageStyle::kYesNo + MessageStyle::kQuestion, m_ctx.brand.applicationName, false);
        if (answer != MessageAnswer::kYes)
            return;
        RunUpdate(true);
    });
    Attempt([&] { m_program.internet.ServerURL = m_ctx.edition.serverUrl; });
    Attempt([&] { m_ctx.ui().SetMainCaption(Caption()); });
    Attempt([&] {
        if (!m_ctx.brand.IsInternetAllowed()) {
            mnuCurrentDataVisible = false;
            Changed();
        }
    });
}

void frmMain::Close()
{
    Attempt([&] {
        if (m_ctx.edition.desktopProgram.isEmpty())
            return;
        const QString program = m_ctx.DataPath(m_ctx.edition.desktopProgram);
        const Expected<bool> present = FileExists(program);
        if (present && present.value())
            QProcess::startDetached(program, {}, m_ctx.dataDirectory);
    });
}

void frmMain::ReadBrandOverDefaults()
{
    m_ctx.brand.phoneNumber = m_ctx.edition.defaultPhoneNumber;
    m_ctx.brand.applicationName = m_ctx.edition.defaultApplicationName;
    (void)GetBrandSettings(m_ctx);
}

void frmMain::RunUpdate(bool waitingOnly)
{
    const QString caption = m_ctx.ui().MainCaption();
    m_ctx.ui().SetMainCaption(QStringLiteral("Applying updates,  please wait..."));
    (void)UpdateData(m_ctx, m_program.manager, m_program.internet, true, m_ctx.brand.applicationName,
                     m_ctx.dataDirectory, waitingOnly);
    setSummary();
    m_ctx.ui().SetMainCaption(caption);
}

void frmMain::SetDataDirectory(const QString& directory)
{
    Attempt([&] {
        m_ctx.dataDirectory = QDir::cleanPath(directory);
        m_ctx.brand = BrandSettings{};
        ReadBrandOverDefaults();
        if (!m_ctx.brand.IsInternetAllowed())
            mnuCurrentDataVisible = false;
    });
    Attempt([&] { setSummary(); });
    Attempt([&] { m_ctx.ui().SetMainCaption(Caption()); });
}

QString frmMain::DataDirectory() const
{
    return m_ctx.dataDirectory;
}

void frmMain::UpdateNow()
{
    Attempt([&] { RunUpdate(false); });
}

void frmMain::setSummary()
{
    Text1.clear();
    Label1.clear();
    waitingUpdates = WaitingUpdates(m_ctx.dataDirectory);
    Changed();
    zManager& manager = m_program.manager;
    if (!manager.GetSummary(m_ctx.dataDirectory))
        return;
    if (m_ctx.brand.IsInternetAllowed()) {
        const Expected<bool> inPlace = manager.AreDataFilesInPlace();
        if (!inPlace)
            return;
        if (!inPlace.value()) {
            m_ctx.ui().ShowMessage(QStringLiteral("The Local Data files are not in place!\r\n\r\nPlease download "
                                                  "from the following web site"),
                                   MessageStyle::kInformation, QStringLiteral("Quorly Postcode Lookup"), false);
            showWebdataStatus(false);
        }
    }
    Text1 = manager.DataSummary;
    Label1 = manager.SystemSummary;
    Changed();
}

void frmMain::showWebdataStatus(bool GotoStatus)
{
    OpenWebPage(m_ctx,
                m_ctx.edition.webSite + QStringLiteral("/DesktopSoftware.htm")
                    + (GotoStatus ? QStringLiteral("#Status") : QString()));
}

void frmMain::WarnAmericanDate()
{
    const QDate today = m_ctx.clock().Now().date();
    const QString shortFormat = m_ctx.locale.dateFormat(QLocale::ShortFormat);
    const QString separator = DateSeparator(shortFormat);
    const QString shortDate = m_ctx.locale.toString(today, shortFormat);
    const QString twoDigitYear = m_ctx.locale.toString(today, QStringLiteral("dd'%1'MM'%1'yy").arg(separator));
    const QString fourDigitYear = m_ctx.locale.toString(today, QStringLiteral("dd'%1'MM'%1'yyyy").arg(separator));
    if (shortDate == twoDigitYear || shortDate == fourDigitYear)
        return;
    ShowTopMessage(m_ctx,
                   QStringLiteral("You may have American data format set on this computer, please check and rectify "
                                  "in reginal settings (within windows control panel)."),
                   MessageStyle::kCritical, QStringLiteral("American data format. Please resolve"));
    LogError(m_ctx,
             QStringLiteral("You may have American data format set on this computer, please check and "
                            "rectify."));
}

QString frmMain::GetCOMVersion()
{
    const QString program = QStandardPaths::findExecutable(m_ctx.edition.lookupComponentClass);
    if (program.isEmpty())
        return {};
    QProcess process;
    process.start(program, {QStringLiteral("getversion")});
    process.closeWriteChannel();
    if (!process.waitForFinished(kComponentTimeLimitMs)) {
        process.kill();
        process.waitForFinished(1000);
        return {};
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

bool frmMain::AreUpdatesPresent()
{
    return pafdm::AreUpdatesPresent(m_ctx.dataDirectory);
}

QString frmMain::Caption()
{
    return m_ctx.brand.applicationName + QLatin1Char(' ') + QLatin1String(kProgramTitle) + QStringLiteral(" V")
        + QStringLiteral(PAFDM_VERSION) + QStringLiteral(" COM Version:") + GetCOMVersion();
}

void frmMain::Command5_Click()
{
    m_ctx.ui().ShowMessage(
        QStringLiteral("To update your local data files please download the appropriate file from the following web "
                       "page, under the 'Download for Non Internet based data', then replace the existing file in ")
            + m_ctx.dataDirectory,
        MessageStyle::kInformation, QStringLiteral("Update data files"), false);
    OpenWebPage(m_ctx, m_ctx.edition.webSite + QStringLiteral("/SDK.htm"));
}

void frmMain::mnuCurrentData_Click()
{
    showWebdataStatus(true);
}

void frmMain::mnuAppDownloads_Click()
{
    (void)DownloadApplicationDefinitions(m_ctx, m_program.transfers);
}

void frmMain::mnuRefresh_Click()
{
    Attempt([&] { setSummary(); });
}

QString frmMain::AboutText() const
{
    const QString lineEnd = QStringLiteral("\r\n");
    return m_ctx.brand.applicationName + QLatin1Char(' ') + QLatin1String(kProgramTitle) + lineEnd
        + QStringLiteral("Edition: ") + m_ctx.edition.editionName + lineEnd + QStringLiteral("Version: ")
        + QStringLiteral(PAFDM_VERSION) + lineEnd + QStringLiteral("Data directory: ")
        + QDir::toNativeSeparators(m_ctx.dataDirectory) + lineEnd + lineEnd
        + QStringLiteral("Copyright 2026 pafdm maintainers. All rights reserved: used, copied and distributed "
                         "only under the terms of a licence from the pafdm maintainers.");
}

void frmMain::mnuAbout_Click()
{
    m_ctx.ui().ShowMessage(AboutText(), MessageStyle::kInformation,
                           QStringLiteral("About ") + m_ctx.brand.applicationName, false);
}

} // namespace pafdm
