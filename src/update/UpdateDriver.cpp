// One update run: the source choice, the downloads the update service lists,
// then every update archive of the data directory unpacked, filtered by date,
// merged and reported.

#include "update/ZUpdateData.h"

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
    return Error{75, QStringLiteral("Path/File access error ('") + QDir::toNativeSeparators(filePath)
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
    for (const QString& database : QDir(path).entryList(QStringList{kDatabasePattern}, QDir::Files | QDir::NoSymLinks)) {
        if (!unpacked.contains(database.toCaseFolded()))
            updates << database;
    }
    std::sort(updates.begin(), updates.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return updates;
}

// What became of one archive of the apply phase.
struct ZUpdateData::ArchiveResult {
    bool applied = false;
    QString summaryLine; // for an applied archive: description, date, records
};

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
    Operator& ui = m_ctx.ui();
    UpdateOutcome outcome;
    const QString title = ProductName + QStringLiteral(":Update Postcode Address Data");
    const QString dates[3] = {DateOfFullData, DateOfStreetDate, DateOfPostZonData};

    auto close = [&] { ui.HideProgress(); };

    auto run = [&]() -> Expected<Done> {
        m_ctx.StageMarker = QStringLiteral("Update:Stage 1");
        UpdateSource choice = UpdateSource::kDirectory;
        if (!ApplyUpdatesInDirectory) {
            choice = ui.AskUpdateSource();
            if (choice == UpdateSource::kCancel) {
                outcome.cancelled = true;
                return Done{};
            }
        }

        if (choice == UpdateSource::kInternet) {
            m_ctx.StageMarker = QStringLiteral("Update:Stage 2");
            LogActivity(m_ctx, QStringLiteral("Requesting upgrade data"),
                        {QStringLiteral("F=") + DateOfFullData, QStringLiteral("T=") + DateOfStreetDate,
                         QStringLiteral("Z=") + DateOfPostZonData});
            QString list = GetListOfWhatToDownload(DateOfFullData, DateOfStreetDate, DateOfPostZonData);
            if (list == QLatin1String("FAILED")) {
                ShowTopMessage(m_ctx,
                               QStringLiteral("Cannot contact server, please check internet connection and try "
                                              "again!"),
                               MessageStyle::kCritical, title);
                outcome.serverFailed = true;
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
                const Expected<bool> downloaded = m_internet->GetHTTPFile(
                    url, path,
                    QStringLiteral("Downloading Update:") + name + QLatin1Char(' ') + QString::number(i)
                        + QLatin1Char('/') + QString::number(total),
                    kDownloadTimeOutSecs);
                if (!downloaded)
                    return downloaded.error();
                if (!downloaded.value()) {
                    LogActivity(m_ctx, QStringLiteral("Download Cancel or Failed ") + url);
                    outcome.downloadFailed = true;
                    break;
                }
                LogActivity(m_ctx, QStringLiteral("Attempting Complete ") + url);
                ++outcome.downloaded;
                m_ctx.StageMarker = QStringLiteral("Update:Stage 5");
                nextEntry(url, name);
            }
        }

        // A stop during the downloads ends the run before anything is applied.
        if (ui.StopRequested()) {
            outcome.stopped = true;
            outcome.left = WaitingUpdates(path);
            ReportStop(outcome, QString(), title);
            close();
            return Done{};
        }

        m_ctx.StageMarker = QStringLiteral("Update:Stage 6");
        const QStringList archives = WaitingUpdates(path);
        outcome.archives = archives.size();

        m_ctx.StageMarker = QStringLiteral("Update:Stage 7");
        ui.ShowProgress(QStringLiteral("Apply changes"));
        // Cancel stops the run: the merge in progress is abandoned with its
        // data file as it was.
        ui.SetProgressCancelVisible(true);
        MakeTopMost(ui);
        QString summary;
        for (qint64 i = 1; i <= archives.size(); ++i) {
            const QString& file = archives[i - 1];
            if (ui.StopRequested()) {
                outcome.stopped = true;
                outcome.left = archives.mid(i - 1);
                break;
            }
            const Expected<ArchiveResult> result = ApplyArchive(path, file, i, archives.size(), dates);
            if (!result)
                return result.error();
            if (!result.value().applied && ui.StopRequested()) {
                // Stopped in its merge: its update database waits for the next run.
                outcome.stopped = true;
                outcome.left = QStringList{UpdateDatabaseName(file)} + archives.mid(i);
                break;
            }
            if (result.value().applied) {
                ++outcome.applied;
                summary += result.value().summaryLine + kLineEnd;
            } else {
                ++outcome.failed;
                LogActivity(m_ctx, QStringLiteral("Failed to apply ") + file);
            }
            m_ctx.StageMarker = QStringLiteral("Update:Stage 12");
        }
        if (outcome.stopped) {
            ui.HideProgress();
            ReportStop(outcome, summary, title);
            close();
            return Done{};
        }

        ui.HideProgress();
        m_ctx.StageMarker = QStringLiteral("Update:Stage 13");
        if (outcome.failed > 0) {
            ui.ShowMessage(QStringLiteral("Failed to apply:") + QString::number(outcome.failed)
                               + QStringLiteral(", please try again later "),
                           MessageStyle::kCritical, title, false);
            LogActivity(m_ctx, QStringLiteral("Failed to apply:") + QString::number(outcome.failed)
                                   + QStringLiteral(", please try again later"));
        }
        if (outcome.applied > 0) {
            ui.ShowMessage(QStringLiteral("Files applied:") + QString::number(outcome.applied) + QStringLiteral(" ok ")
                               + kLineEnd + kLineEnd + summary,
                           MessageStyle::kInformation, title, false);
            LogActivity(m_ctx, QStringLiteral("Files applied:") + QString::number(outcome.applied)
                                   + QStringLiteral(" ok "));
        } else {
            ui.ShowMessage(QStringLiteral("No updates to apply!"), MessageStyle::kInformation, title, false);
        }
        close();
        return Done{};
    };

    const Expected<Done> ran = run();
    if (!ran) {
        ShowFailure(ran.error());
        outcome.aborted = true;
        close();
    }
    return outcome;
}

void ZUpdateData::ReportStop(const UpdateOutcome& outcome, const QString& summary, const QString& title)
{
    const QString text = QStringLiteral("Update stopped: ") + QString::number(outcome.applied)
        + QStringLiteral(" applied, ")
        + (outcome.left.isEmpty() ? QStringLiteral("nothing left to apply")
                                  : QStringLiteral("left for the next run: ") + outcome.left.join(QStringLiteral(", ")));
    LogActivity(m_ctx, text);
    m_ctx.ui().ShowMessage(text + (summary.isEmpty() ? QString() : kLineEnd + kLineEnd + summary),
                           MessageStyle::kExclamation, title, false);
}

Expected<ZUpdateData::ArchiveResult> ZUpdateData::ApplyArchive(const QString& path, const QString& file,
                                                                 qint64 index, qint64 count,
                                                                 const QString (&dates)[3])
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
        const QString archivePath = QDir(path).filePath(file);
        m_ctx.StageMarker = QStringLiteral("Update:Stage 10 unzip date file ") + file;
        const bool unpacked = ExtractArchive(m_ctx, QString(), QStringLiteral("Unziping file"), archivePath, path,
                                             QString(), true);

        m_ctx.StageMarker = QStringLiteral("Update:Stage 10a kill unzip date file ") + file;
        if (Expected<Done> deleted = DeleteFile(archivePath); !deleted)
            return deleted.error();
        if (!unpacked)
            return ArchiveResult{};
    } else {
        LogActivity(m_ctx, QStringLiteral("Resuming the update database ") + file
                               + QStringLiteral(", left without its archive by an earlier run"));
    }

    m_ctx.StageMarker = QStringLiteral("Update:Stage 10b filter file date ") + file;
    const std::optional<DataKind> kind = FindDataKind(kindLetter);
    bool merge = false;
    if (kind) {
        const QString& dataDate = dates[kindLetter == QLatin1String("F") ? 0 : kindLetter == QLatin1String("T") ? 1 : 2];
        if (!IsCalendarDateYmd(date)) {
            // A date that is no calendar day would stop every later update of
            // the kind once written into the version row.
            const QString text = QStringLiteral("Not applied: the date in the archive name ") + file
                + QStringLiteral(" is not a calendar date yyyymmdd");
            LogError(m_ctx, text);
            ui.NoteFailure(text);
            return ArchiveResult{};
        }
        merge = !dataDate.isEmpty() && date > dataDate;
    }

    m_ctx.StageMarker = QStringLiteral("Update:Stage 10c Apply data ") + file;
    const QString database = UpdateDatabaseName(file);
    QString description = kind ? kind->description : QString();
    qint64 records = 0;
    if (merge && !UpdateData(path, database, kindLetter, date, description, records))
        return ArchiveResult{};

    if (Expected<Done> deleted = DeleteFile(QDir(path).filePath(database)); !deleted)
        return deleted.error();
    const QString line = description + QLatin1Char(' ')
        + m_ctx.locale.toString(DateFromYmd(date).date(), QStringLiteral("dd MMM yyyy")) + QLatin1Char(' ')
        + QString::number(records) + QStringLiteral(" records");
    LogActivity(m_ctx, QStringLiteral("Applied:") + line);
    return ArchiveResult{true, line};
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
