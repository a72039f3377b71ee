#pragma once

#include "support/Error.h"
#include "update/ZUpdateData.h"

#include <QString>
#include <QStringList>

namespace pafdm {

class AppContext;
class zInternet;

// One update run of a data directory, from the source choice to the report:
// the downloads the update service lists, then every waiting update
// (archives unpacked and deleted, update databases left by an earlier run)
// filtered by date and merged through ZUpdateData, oldest name first. Made
// for one run and dropped after it. ZUpdateData::Update is its entry.
class UpdateRun {
public:
    // `dates` are the data dates of the full, thoroughfare and PostZon files
    // (empty for an absent file); `merger` merges each update database.
    UpdateRun(AppContext& ctx, ZUpdateData& merger, zInternet* internet, QString path, QString productName,
              const QString (&dates)[3]);

    // Runs it: with `waitingOnly` the operator is not asked for a source
    // and nothing is downloaded.
    UpdateOutcome Run(bool waitingOnly);

private:
    struct ArchiveResult {
        bool applied = false;
        QString summaryLine; // for an applied archive: description, date, records
    };

    // The source choice and the downloads. False when the run ends there
    // (cancelled, or the service could not be reached).
    Expected<bool> ChooseAndDownload(bool waitingOnly);
    Expected<Done> Download();
    // Applies every waiting update, oldest name first, until a stop.
    Expected<Done> ApplyWaiting();
    Expected<ArchiveResult> ApplyArchive(const QString& file, qint64 index, qint64 count);
    // The unpacked archive's database is merged only when its date is a
    // calendar date newer than its kind's data date.
    Expected<bool> ShouldMerge(const QString& file, const QString& kindLetter, const QString& date);
    // Tells the operator (and the activity log) how the run ended.
    void ReportEnd(const QString& summary);
    void ReportStop(const QString& summary);

    AppContext& m_ctx;
    ZUpdateData& m_merger;
    zInternet* m_internet;
    const QString m_path;
    const QString m_title;
    QString m_dates[3];
    UpdateOutcome m_outcome;
};

} // namespace pafdm
