// One update run: the source choice, the downloads the update service lists,
// then every update archive of the data directory unpacked, filtered by date,
// merged and reported.

#include "update/UpdateRun.h"

#include "dataset/DataKind.h"
#include "dataset/zManager.h"
#include "net/zInternet.h"
#include "support/AppContext.h"
#include "support/Logging.h"
#include "support/Operator.h"
#include "support/SystemHelpers.h"
#include "support/TagText.h"
#include "update/UpdateLock.h"
#include "update/Zip.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace pafdm {

namespace {

const QString kArchivePattern = QStringLiteral("UPDATE_*.ZIP");
const QString kDatabasePattern = QStringLiteral("UPDATE_*.DAT");
const QString kLineEnd = QStringLiteral("\r\n");
// The request time-out of an archive download, in seconds.
constexpr int kDownloadTimeOutSecs = 6000;

// The update archives of `path`, ordinary files only, in name order whatever
// the letter case, so two archives of one kind are merged oldest date first.
QStringList ListArchives(const QString& path)
{
    return QDir(path).entryList(QStringList{kArchivePattern}, QDir::Files | QDir::NoSymLinks,
                                QDir::Name | QDir::IgnoreCase);
}

// The update database an archive holds: the archive's name with ".zip", in
// any letter case, replaced by ".dat".
QString UpdateDatabaseName(const QString& archive)
{
    QString name = archive;
    return name.replace(QStringLiteral(".zip"), QStringLiteral(".dat"), Qt::CaseInsensitive);
}

bool IsUpdateDatabase(const QString& name)
{
    return name.endsWith(QStringLiteral(".dat"), Qt::CaseInsensitive);
}

// Deletes `filePath`; a file that is not there is already gone.
Expected<Done> DeleteFile(const QString& filePath)
{
    QFile file(filePath);
    if (!file.exists() || file.remove())
        return Done{};
    return Error{75,
                 QStringLiteral("Path/File access error ('") + QDir::toNativeSeparators(filePath)
                     + QStringLiteral("': ") + file.errorString() + QStringLiteral(")")};
}

} // namespace

QStringList WaitingUpdates(const QString& path)
{
    const QStringList archives = ListArchives(path);
    QSet<QString> unpacked;
    for (const QString& archive : archives)
        unpacked.insert(UpdateDatabaseName(archive).toCaseFolded());
    QStringList updates = archives;
    for (const QString& database :
         QDir(path).entryList(QStringList{kDatabasePattern}, QDir::Files | QDir::NoSymLinks)) {
        if (!unpacked.contains(database.toCaseFolded()))
            updates << database;
    }
    std::sort(updates.begin(), updates.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return updates;
}

bool AreUpdatesPresent(const QString& path)
{
    return !WaitingUpdates(path).isEmpty();
}

QString ZUpdateData::GetListOfWhatToDownload(const QString& DateOfFullData, const QString& DateOfStreetDate,
                                             const QString& DateOfPostZonData)
{
    if (m_internet == nullptr)
        return QStringLiteral("FAILED");
    return m_internet->GetUpdateList(DateOfFullData, DateOfStreetDate, DateOfPostZonData);
}

UpdateOutcome ZUpdateData::Update(const QString& path, bool /*InternetIsAvailable*/, const QString& ProductName,
                                  const QString& DateOfFullData, const QString& DateOfStreetDate,
                                  const QString& DateOfPostZonData, bool ApplyUpdatesInDirectory)
{
    const QString dates[3] = {DateOfFullData, DateOfStreetDate, DateOfPostZonData};
    return UpdateRun(m_ctx, *this, m_internet, path, ProductName, dates).Run(ApplyUpdatesInDirectory);
}

UpdateRun::UpdateRun(AppContext& ctx, ZUpdateData& merger, zInternet* internet, QString path, QString productName,
                     const QString (&dates)[3])
    : m_ctx(ctx)
    , m_merger(merger)
    , m_internet(internet)
    , m_path(std::move(path))
    , m_title(std::move(productName) + QStringLiteral(":Update Postcode Address Data"))
    , m_dates{dates[0], dates[1], dates[2]}
{ }

UpdateOutcome UpdateRun::Run(bool waitingOnly)
{
    Operator& ui = m_ctx.ui();
    Expected<Done> ran = Done{};
    if (const Expected<bool> goOn = ChooseAndDownload(waitingOnly); !goOn)
        ran = goOn.error();
    else if (goOn.value())
        ran = ApplyWaiting();
    if (!ran) {
        m_merger.ShowFailure(ran.error());
        m_outcome.aborted = true;
    }
    ui.HideProgress();
    return m_outcome;
}

Expected<bool> UpdateRun::ChooseAndDownload(bool waitingOnly)
{
    m_ctx.StageMarker = QStringLiteral("Update:Stage 1");
    if (waitingOnly)
        return true;
    const UpdateSource choice = m_ctx.ui().AskUpdateSource();
    if (choice == UpdateSource::kCancel) {
        m_outcome.cancelled = true;
        return false;
    }
    if (choice != UpdateSource::kInternet)
        return true;
    if (Expected<Done> downloaded = Download(); !downloaded)
        return downloaded.error();
    return !m_outcome.serverFailed;
}

Expected<Done> UpdateRun::Download()
{
    m_ctx.StageMarker = QStringLiteral("Update:Stage 2");
    LogActivity(
        m_ctx, QStringLiteral("Requesting upgrade data"),
        {QStringLiteral("F=") + m_dates[0], QStringLiteral("T=") + m_dates[1], QStringLiteral("Z=") + m_dates[2]});
    QString list = m_merger.GetListOfWhatToDownload(m_dates[0], m_dates[1], m_dates[2]);
    if (list == QLatin1String("FAILED")) {
        ShowTopMessage(m_ctx, QStringLiteral("Cannot contact server, please check internet connection and try again!"),
                       MessageStyle::kCritical, m_title);
        m_outcome.serverFailed = true;
        return Done{};
    }
    m_ctx.StageMarker = QStringLiteral("Update:Stage 3");
    const int total = CountOccurrences(list, QStringLiteral("http"));
    const QString separator = QStringLiteral("|");
    auto nextEntry = [&](QString& url, QString& name) {
        url = NextField(list, true, separator);
        (void)NextField(list, true, separator); // a number the service sends; not used
        name = NextField(list, true, separator);
    };
    QString url;
    QString name;
    nextEntry(url, name);
    for (int i = 1; !url.isEmpty(); ++i) {
        m_ctx.StageMarker = QStringLiteral("Update:Stage 4 Downloading file");
        LogActivity(m_ctx, QStringLiteral("Attempting download ") + url);
        const Expected<bool> downloaded =
            m_internet->GetHTTPFile(url, m_path,
                                    QStringLiteral("Downloading Update:") + name + QLatin1Char(' ') + QString::number(i)
                                        + QLatin1Char('/') + QString::number(total),
                                    kDownloadTimeOutSecs);
        if (!downloaded)
            return downloaded.error();
        if (!downloaded.value()) {
            LogActivity(m_ctx, QStringLiteral("Download Cancel or Failed ") + url);
            m_outcome.downloadFailed = true;
            break;
        }
        LogActivity(m_ctx, QStringLiteral("Attempting Complete ") + url);
        ++m_outcome.downloaded;
        m_ctx.StageMarker = QStringLiteral("Update:Stage 5");
        nextEntry(url, name);
    }
    return Done{};
}

Expected<Done> UpdateRun::ApplyWaiting()
{
    Operator& ui = m_ctx.ui();
    // A stop during the downloads ends the run before anything is applied.
    if (ui.StopRequested()) {
        m_outcome.stopped = true;
        m_outcome.left = WaitingUpdates(m_path);
        ReportStop(QString());
        return Done{};
    }
    m_ctx.StageMarker = QStringLiteral("Update:Stage 6");
    const QStringList archives = WaitingUpdates(m_path);
    m_outcome.archives = archives.size();

    m_ctx.StageMarker = QStringLiteral("Update:Stage 7");
    ui.ShowProgress(QStringLiteral("Apply changes"));
    // Cancel stops the run: the merge in progress is abandoned with its
    // data file as it was.
    ui.SetProgressCancelVisible(true);
    MakeTopMost(ui);
    QString summary;
    for (qint64 i = 1; i <= archives.size() && !m_outcome.stopped; ++i) {
        const QString& file = archives[i - 1];
        if (ui.StopRequested()) {
            m_outcome.stopped = true;
            m_outcome.left = archives.mid(i - 1);
            break;
        }
        const Expected<ArchiveResult> result = ApplyArchive(file, i, archives.size());
        if (!result)
            return result.error();
        if (result.value().applied) {
            ++m_outcome.applied;
            summary += result.value().summaryLine + kLineEnd;
        } else if (ui.StopRequested()) {
            // Stopped in its merge: its update database waits for the next run.
            m_outcome.stopped = true;
            m_outcome.left = QStringList{UpdateDatabaseName(file)} + archives.mid(i);
        } else {
            ++m_outcome.failed;
            LogActivity(m_ctx, QStringLiteral("Failed to apply ") + file);
        }
        m_ctx.StageMarker = QStringLiteral("Update:Stage 12");
    }
    ui.HideProgress();
    if (m_outcome.stopped)
        ReportStop(summary);
    else
        ReportEnd(summary);
    return Done{};
}

void UpdateRun::ReportEnd(const QString& summary)
{
    Operator& ui = m_ctx.ui();
    m_ctx.StageMarker = QStringLiteral("Update:Stage 13");
    if (m_outcome.failed > 0) {
        ui.ShowMessage(QStringLiteral("Failed to apply:") + QString::number(m_outcome.failed)
                           + QStringLiteral(", please try again later "),
                       MessageStyle::kCritical, m_title, false);
        LogActivity(m_ctx,
                    QStringLiteral("Failed to apply:") + QString::number(m_outcome.failed)
                        + QStringLiteral(", please try again later"));
    }
    if (m_outcome.applied > 0) {
        ui.ShowMessage(QStringLiteral("Files applied:") + QString::number(m_outcome.applied) + QStringLiteral(" ok ")
                           + kLineEnd + kLineEnd + summary,
                       MessageStyle::kInformation, m_title, false);
        LogActivity(m_ctx,
                    QStringLiteral("Files applied:") + QString::number(m_outcome.applied) + QStringLiteral(" ok "));
    } else {
        ui.ShowMessage(QStringLiteral("No updates to apply!"), MessageStyle::kInformation, m_title, false);
    }
}

void UpdateRun::ReportStop(const QString& summary)
{
    const QString text = QStringLiteral("Update stopped: ") + QString::number(m_outcome.applied)
        + QStringLiteral(" applied, ")
        + (m_outcome.left.isEmpty()
               ? QStringLiteral("nothing left to apply")
               : QStringLiteral("left for the next run: ") + m_outcome.left.join(QStringLiteral(", ")));
    LogActivity(m_ctx, text);
    m_ctx.ui().ShowMessage(text + (summary.isEmpty() ? QString() : kLineEnd + kLineEnd + summary),
                           MessageStyle::kExclamation, m_title, false);
}

Expected<UpdateRun::ArchiveResult> UpdateRun::ApplyArchive(const QString& file, qint64 index, qint64 count)
{
    Operator& ui = m_ctx.ui();
    LogActivity(m_ctx, QString());
    LogActivity(m_ctx, QStringLiteral("Processing file ") + file);
    // The name's letters are read by position: UPDATE_<kind>_<yyyymmdd>.
    const QString kindLetter = file.mid(7, 1).toUpper();
    const QString date = file.mid(9, 8);

    ui.SetProgressCaption(QStringLiteral("Apply changes:") + file + QLatin1Char(' ') + QString::number(index)
                          + QLatin1Char('/') + QString::number(count));
    ui.SetProgressShare(0, 0);
    // An update database left by an earlier run is merged as it is.
    if (!IsUpdateDatabase(file)) {
        ui.SetProgressLabel(QStringLiteral("Unziping file:") + file);
        ui.RepaintProgress();
        const QString archivePath = QDir(m_path).filePath(file);
        m_ctx.StageMarker = QStringLiteral("Update:Stage 10 unzip date file ") + file;
        const bool unpacked =
            ExtractArchive(m_ctx, QString(), QStringLiteral("Unziping file"), archivePath, m_path, QString(), true);

        m_ctx.StageMarker = QStringLiteral("Update:Stage 10a kill unzip date file ") + file;
        if (Expected<Done> deleted = DeleteFile(archivePath); !deleted)
            return deleted.error();
        if (!unpacked)
            return ArchiveResult{};
    } else {
        LogActivity(m_ctx,
                    QStringLiteral("Resuming the update database ") + file
                        + QStringLiteral(", left without its archive by an earlier run"));
    }

    m_ctx.StageMarker = QStringLiteral("Update:Stage 10b filter file date ") + file;
    const Expected<bool> merge = ShouldMerge(file, kindLetter, date);
    if (!merge)
        return ArchiveResult{};

    m_ctx.StageMarker = QStringLiteral("Update:Stage 10c Apply data ") + file;
    const QString database = UpdateDatabaseName(file);
    const std::optional<DataKind> kind = FindDataKind(kindLetter);
    QString description = kind ? kind->description : QString();
    qint64 records = 0;
    if (merge.value() && !m_merger.UpdateData(m_path, database, kindLetter, date, description, records))
        return ArchiveResult{};

    if (Expected<Done> deleted = DeleteFile(QDir(m_path).filePath(database)); !deleted)
        return deleted.error();
    const QString line = description + QLatin1Char(' ')
        + m_ctx.locale.toString(DateFromYmd(date).date(), QStringLiteral("dd MMM yyyy")) + QLatin1Char(' ')
        + QString::number(records) + QStringLiteral(" records");
    LogActivity(m_ctx, QStringLiteral("Applied:") + line);
    return ArchiveResult{true, line};
}

Expected<bool> UpdateRun::ShouldMerge(const QString& file, const QString& kindLetter, const QString& date)
{
    const std::optional<DataKind> kind = FindDataKind(kindLetter);
    if (!kind)
        return false;
    const QString& dataDate = m_dates[kindLetter == QLatin1String("F") ? 0 : kindLetter == QLatin1String("T") ? 1 : 2];
    if (!IsCalendarDateYmd(date)) {
        // A date that is no calendar day would stop every later update of
        // the kind once written into the version row.
        const QString text = QStringLiteral("Not applied: the date in the archive name ") + file
            + QStringLiteral(" is not a calendar date yyyymmdd");
        LogError(m_ctx, text);
        m_ctx.ui().NoteFailure(text);
        return Error{0, text};
    }
    return !dataDate.isEmpty() && date > dataDate;
}

namespace {

// Takes `lock`, or tells the operator why it cannot be had.
UpdateLock::Outcome TakeOrExplain(AppContext& ctx, UpdateLock& lock, const QString& ProductName)
{
    const UpdateLock::Outcome taken = lock.TryLock();
    if (taken != UpdateLock::Outcome::kTaken)
        ShowTopMessage(ctx, lock.Explanation(), MessageStyle::kCritical,
                       ProductName + QStringLiteral(":Update Postcode Address Data"));
    return taken;
}

} // namespace

bool UpdateLockIsFree(AppContext& ctx, const QString& path, const QString& ProductName)
{
    UpdateLock probe(path);
    return TakeOrExplain(ctx, probe, ProductName) == UpdateLock::Outcome::kTaken;
}

Expected<UpdateOutcome> UpdateData(AppContext& ctx, zManager& manager, zInternet& internet, bool InternetIsAvailable,
                                   const QString& ProductName, const QString& path, bool ApplyUpdatesInDirectory)
{
    UpdateLock lock(path);
    if (const UpdateLock::Outcome taken = TakeOrExplain(ctx, lock, ProductName); taken != UpdateLock::Outcome::kTaken) {
        UpdateOutcome outcome;
        outcome.locked = taken == UpdateLock::Outcome::kHeldByAnother;
        outcome.aborted = !outcome.locked;
        return outcome;
    }
    const Expected<QString> full = manager.GetLastUpdateFULL(path);
    if (!full)
        return full.error();
    const Expected<QString> street = manager.GetLastUpdateStreet(path);
    if (!street)
        return street.error();
    const Expected<QString> postZon = manager.GetLastUpdatePostZon(path);
    if (!postZon)
        return postZon.error();
    ZUpdateData engine(ctx, &internet);
    UpdateOutcome outcome;
    ctx.ui().RunUpdate([&] {
        outcome = engine.Update(path, InternetIsAvailable, ProductName, full.value(), street.value(), postZon.value(),
                                ApplyUpdatesInDirectory);
    });
    return outcome;
}

} // namespace pafdm
