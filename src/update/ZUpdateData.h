#pragma once

#include "support/Error.h"

#include <QString>
#include <QStringList>

#include <jet/Database.h>

#include <chrono>

namespace jet {
class Recordset;
}

namespace pafdm {

class AppContext;
struct DataKind;
class zInternet;
class zManager;

// What one update run came to. The operator has been told all of it through
// messages; the command line turns it into an exit status.
struct UpdateOutcome {
    bool cancelled = false;      // the operator chose not to update
    bool locked = false;         // another updater holds the data set
    bool serverFailed = false;   // the update service could not be contacted
    bool downloadFailed = false; // a download failed or was cancelled
    bool aborted = false;        // the run ended through its failure handler
    qint64 downloaded = 0;       // archives downloaded
    qint64 archives = 0;         // archives (and update databases left without one) found in the data directory
    qint64 applied = 0;          // counted as applied (merged, or not newer)
    qint64 failed = 0;           // could not be unpacked or merged
    bool stopped = false;        // the operator stopped the run (a signal): see StopRequested
    QStringList left;            // what a stopped run left for the next one

    bool Failed() const { return locked || serverFailed || downloadFailed || aborted || failed > 0; }
};

// The update engine: one update run (source choice, downloads, then every
// update archive in the data directory unpacked, filtered by date and
// merged), and the merge of one update database into the data file of its
// kind, row by row by postcode, after which the file's data date moves on.
class ZUpdateData {
public:
    // `internet` is the update-service client a run downloads through; a
    // ZUpdateData made without one merges only (UpdateData).
    explicit ZUpdateData(AppContext& ctx, zInternet* internet = nullptr);

    // Runs one update of the data directory `path` whose data files carry
    // the given dates (empty for an absent file). Unless
    // `ApplyUpdatesInDirectory`, the operator chooses the source first;
    // "internet" downloads what the update service lists for the dates.
    // Then every archive UPDATE_<kind>_<yyyymmdd>.zip in `path` (any letter
    // case, in name order) is unpacked and deleted, and its update database
    // merged when its date is newer than its kind's data date, then deleted;
    // the database of a failed merge stays. Outcomes reach the operator as
    // messages. `InternetIsAvailable` is not consulted.
    // REQUIRES: the caller holds the data set's UpdateLock; made with an
    // update-service client.
    UpdateOutcome Update(const QString& path, bool InternetIsAvailable, const QString& ProductName,
                         const QString& DateOfFullData, const QString& DateOfStreetDate,
                         const QString& DateOfPostZonData, bool ApplyUpdatesInDirectory);

    // The update service's list of updates for the three data dates, or
    // "FAILED" when it could not be had.
    QString GetListOfWhatToDownload(const QString& DateOfFullData, const QString& DateOfStreetDate,
                                    const QString& DateOfPostZonData);

    // Merges `path`/`DatefileToRead` into the data file of `DataType` ("F",
    // "T" or "Z") in `path` and writes `UpdateDateYYYYMMDD` into its version
    // row. Returns false after a failure, which has then been logged and shown
    // to the operator; the data date is then unchanged. `DataTypeDesc` gets
    // the kind's description, `RecordCount` the number of update rows once
    // counted. The whole merge is one transaction of the data file (see
    // jet::OpenOptions): no other program ever sees part of it, and after a
    // crash the file holds the old rows and date or every row and the new
    // date. A failure of the disk or a damaged page leaves the data file
    // exactly as it was; any other (a row the data table rejects, a field
    // missing, no version row) keeps the rows before it, as if each row had
    // been written on its own.
    bool UpdateData(const QString& path, const QString& DatefileToRead, const QString& DataType,
                    const QString& UpdateDateYYYYMMDD, QString& DataTypeDesc, qint64& RecordCount);

    // How UpdateData opens the data file (journal, copy beside it, cache): the
    // engine's defaults unless a benchmark or a test says otherwise.
    void SetDataFileOptions(const jet::OpenOptions& options) { m_dataOptions = options; }

    // The update failure message: the error, StageMarker and the advice,
    // shown and logged.
    void ShowFailure(const Error& error);

    // Merges the current row of `DataRec` into `TableToUpdate`: replaces the
    // first row (table order) with the same postcode, or adds one.
    Expected<Done> AddOrUpdateRecordAddress(jet::Recordset& DataRec, jet::Recordset& TableToUpdate);
    Expected<Done> AddOrUpdateRecordPostZon(jet::Recordset& DataRec, jet::Recordset& TableToUpdate);

private:
    struct MergeFiles;
    // The steps of UpdateData, each an Error when the merge cannot go on.
    Expected<Done> OpenMergeFiles(MergeFiles& files, const QString& path, const QString& DatefileToRead,
                                  const DataKind* kind);
    Expected<Done> MergeRows(MergeFiles& files, const QString& DataType, qint64 RecordCount);
    Expected<Done> WriteDataDate(MergeFiles& files, const QString& UpdateDateYYYYMMDD);
    Expected<Done> Commit(MergeFiles& files);
    // After a failure or a stop: keeps the rows merged so far or drops them
    // all (see UpdateData), logs, and tells the operator of a failure.
    void EndUnfinishedMerge(MergeFiles& files, const QString& DatefileToRead, const Error& error);
    struct RecordStages;
    Expected<Done> AddOrUpdateRecord(jet::Recordset& DataRec, jet::Recordset& TableToUpdate, const RecordStages& stages,
                                     const char* keyField, const char* const* otherFields, int otherFieldCount);
    void ShowProgress(const QString& label, bool force);
    // The engine's error for the operator, noting a failure of the disk or a
    // damaged page (which drops the whole merge rather than keep its rows).
    Error Noted(const jet::Status& status);

    AppContext& m_ctx;
    zInternet* m_internet;
    std::chrono::steady_clock::time_point m_lastRepaint{};
    jet::OpenOptions m_dataOptions{.mayWriteBeside = true};
    // Set once a merge met a failure of the disk or a damaged page.
    bool m_fileFault = false;
    // Set when the operator stopped the run during a merge.
    bool m_stopped = false;
};

// The data-set manager's update entry: takes the data set's UpdateLock,
// reads the three data dates through `manager` and runs one update with a
// fresh ZUpdateData that downloads through `internet`. When another updater holds the lock the operator is told
// so and nothing is touched (outcome `locked`). A data file whose date cannot
// be read is the Error, and nothing runs.
Expected<UpdateOutcome> UpdateData(AppContext& ctx, zManager& manager, zInternet& internet, bool InternetIsAvailable,
                                   const QString& ProductName, const QString& path, bool ApplyUpdatesInDirectory);

// True when an update run could take the data set's UpdateLock of `path`
// now; otherwise the operator has been told why, as the run would tell it.
// For asking nothing of an operator that another updater keeps waiting.
bool UpdateLockIsFree(AppContext& ctx, const QString& path, const QString& ProductName);

// True when the data directory `path` holds at least one ordinary file named
// UPDATE_*.ZIP in any letter case, or an update database UPDATE_*.DAT left
// without its archive by an earlier run (which the next run applies).
bool AreUpdatesPresent(const QString& path);

// Checks that the update database `updatePath` holds the address table of
// the kind with the letter `kindLetter` ("F", "T" or "Z"), compared without
// regard to letter case as the engine compares names. The Error names the
// table and the file. A file that does not open passes: the merge reports
// why it cannot be read.
Expected<Done> CheckUpdateTable(const QString& updatePath, const QString& kindLetter);

// What the next update run would apply from `path`, in its order: the
// archives and the update databases left without their archive.
QStringList WaitingUpdates(const QString& path);

} // namespace pafdm
