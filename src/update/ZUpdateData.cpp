#include "update/ZUpdateData.h"

#include "dataset/DataKind.h"
#include "dataset/JetError.h"
#include "support/AppContext.h"
#include "support/Logging.h"
#include "support/Operator.h"
#include "support/SystemHelpers.h"

#include <algorithm>

#include <QDir>

#include <jet/Database.h>
#include <jet/Recordset.h>

namespace pafdm {

namespace {

const char* const kAddressFields[] = {"FT_Address", "FT_Update"};
const char* const kPostZonFields[] = {"PZ_IntroductionDate",
                                      "PZ_GridRefEast",
                                      "PZ_GridRefNorth",
                                      "PZ_County",
                                      "PZ_District",
                                      "PZ_Ward",
                                      "PZ_UserType",
                                      "PZ_GridStatus",
                                      "PZ_Country",
                                      "PZ_WardStatus",
                                      "PZ_NHS_Code",
                                      "PZ_NHS_Region",
                                      "PZ_Long",
                                      "PZ_Lat",
                                      "PZ_OSRef",
                                      "PZ_Update"};

// The progress window is redrawn at most this often; the label always names
// the record being merged when it is drawn.
constexpr std::chrono::milliseconds kRepaintInterval(40);

QString Joined(const QString& head, const QString& tail)
{
    QString text;
    text.reserve(head.size() + tail.size());
    text.append(head);
    text.append(tail);
    return text;
}

// The key as text, as QString::fromStdString(key.ToUtf8()) gives it. Text
// below U+D800 comes through that trip unchanged, so it is copied as it is.
QString KeyText(const jet::Value& key)
{
    if (key.IsText()) {
        const std::u16string& text = key.As<std::u16string>();
        if (std::all_of(text.begin(), text.end(), [](char16_t c) { return c < 0xD800; }))
            return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
    }
    return QString::fromStdString(key.ToUtf8());
}

// "Processing record:<i> of <count>" as QString::number writes <i>.
QString ProgressLabel(qint64 i, const QString& countText)
{
    static const QString kHead = QStringLiteral("Processing record:");
    static const QString kOf = QStringLiteral(" of ");
    QChar digits[24];
    qsizetype n = 0;
    for (quint64 v = i < 0 ? 0 - static_cast<quint64>(i) : static_cast<quint64>(i); n == 0 || v != 0; v /= 10)
        digits[n++] = QChar(static_cast<char16_t>(u'0' + v % 10));
    if (i < 0)
        digits[n++] = QChar(u'-');
    std::reverse(digits, digits + n);
    QString label;
    label.reserve(kHead.size() + n + kOf.size() + countText.size());
    label.append(kHead);
    label.append(digits, n);
    label.append(kOf);
    label.append(countText);
    return label;
}

Error NoCurrentRecord()
{
    return Error{jet::Status::kErrNoCurrentRecord,
                 QStringLiteral("Either BOF or EOF is True, or the current record has been deleted. Requested "
                                "operation requires a current record.")};
}

} // namespace

// The StageMarker texts of one merge procedure, made once: the merge sets
// them on every row.
struct ZUpdateData::RecordStages {
    explicit RecordStages(const QString& procedure)
        : stage(QStringLiteral("Update:UpdateData:") + procedure + QStringLiteral(":Stage "))
        , reading(stage + QStringLiteral("1"))
        , rewinding(stage + QStringLiteral("2"))
        , searching(stage + QStringLiteral("3"))
        , adding(stage + QStringLiteral("4 ADD "))
        , updating(stage + QStringLiteral("5 UPDATE "))
    { }
    QString stage;
    QString reading;
    QString rewinding;
    QString searching;
    QString adding;
    QString updating;
};

namespace {

// Records in the activity log why a merge too large for the page cache was
// written into the data file under its journal rather than beside it.
void NoteCommit(AppContext& ctx, const jet::Database& db)
{
    const std::string note = db.LastCommitNote();
    if (!note.empty())
        LogActivity(ctx,
                    QStringLiteral("Merged into ") + QString::fromStdString(db.path())
                        + QStringLiteral(" in place, not through a copy: ") + QString::fromStdString(note));
}

} // namespace

ZUpdateData::ZUpdateData(AppContext& ctx, zInternet* internet)
    : m_ctx(ctx)
    , m_internet(internet)
{ }

void ZUpdateData::ShowProgress(const QString& label, bool force)
{
    Operator& ui = m_ctx.ui();
    ui.SetProgressLabel(label);
    const auto now = m_ctx.clock().Monotonic();
    if (force || now - m_lastRepaint >= kRepaintInterval) {
        m_lastRepaint = now;
        ui.RepaintProgress();
    }
}

// The two databases of one merge and the cursors over them, closed in the
// reverse order of opening.
struct ZUpdateData::MergeFiles {
    std::unique_ptr<jet::Database> updateDb;
    std::unique_ptr<jet::Database> dataDb;
    std::unique_ptr<jet::Recordset> updateRows;
    std::unique_ptr<jet::Recordset> dataTable;
};

bool ZUpdateData::UpdateData(const QString& path, const QString& DatefileToRead, const QString& DataType,
                             const QString& UpdateDateYYYYMMDD, QString& DataTypeDesc, qint64& RecordCount)
{
    m_fileFault = false;
    m_stopped = false;
    MergeFiles files;
    const std::optional<DataKind> kind = FindDataKind(DataType);
    DataTypeDesc = kind ? kind->description : QString();
    Expected<Done> merged = OpenMergeFiles(files, path, DatefileToRead, kind ? &*kind : nullptr);
    if (merged) {
        RecordCount = files.updateRows->RecordCount();
        merged = MergeRows(files, DataType, RecordCount);
    }
    if (merged)
        merged = WriteDataDate(files, UpdateDateYYYYMMDD);
    if (merged)
        merged = Commit(files);
    if (merged)
        return true;
    EndUnfinishedMerge(files, DatefileToRead, merged.error());
    return false;
}

Expected<Done> ZUpdateData::OpenMergeFiles(MergeFiles& files, const QString& path, const QString& DatefileToRead,
                                           const DataKind* kind)
{
    m_ctx.StageMarker = QStringLiteral("Update:UpdateData:Stage 1");
    const QString updatePath = path + QDir::separator() + DatefileToRead;
    ShowProgress(QStringLiteral("Opening data files"), true);
    const QString fileName = kind ? kind->fileName : QString();
    const QString table = kind ? kind->tableName : QString();
    const QString query = QStringLiteral("SELECT * From ") + table + QStringLiteral(";");

    m_ctx.StageMarker = QStringLiteral("Update:UpdateData:Stage 2 creating ADO, is MDAC 2.8 or better loaded?");
    m_ctx.StageMarker = QStringLiteral("Update:UpdateData:Stage 3 Opening update file with ADO");
    auto openedUpdate = jet::Database::Open(ConnectionString(updatePath).toStdString(), "admin", "",
                                            jet::OpenOptions{.readOnly = true, .cachePages = 1024});
    if (!openedUpdate.ok())
        return Noted(openedUpdate.status());
    files.updateDb = std::move(openedUpdate.value());
    LogRecovery(m_ctx, *files.updateDb);

    m_ctx.StageMarker = QStringLiteral("Update:UpdateData:Stage 4 Opening data file to update");
    auto openedData = jet::Database::Open(ConnectionString(path + QDir::separator() + fileName).toStdString(), "admin",
                                          "", m_dataOptions);
    if (!openedData.ok())
        return Noted(openedData.status());
    files.dataDb = std::move(openedData.value());
    LogRecovery(m_ctx, *files.dataDb);

    m_ctx.StageMarker = QStringLiteral("Update:UpdateData:Stage 5");
    auto rows =
        jet::Recordset::Open(*files.updateDb, query.toStdString(), jet::CursorType::kStatic, jet::LockType::kReadOnly);
    if (!rows.ok())
        return Noted(rows.status());
    files.updateRows = std::move(rows.value());
    auto data =
        jet::Recordset::Open(*files.dataDb, table.toStdString(), jet::CursorType::kDynamic, jet::LockType::kOptimistic);
    if (!data.ok())
        return Noted(data.status());
    files.dataTable = std::move(data.value());

    // The count is known once the cursor has been to the last row.
    for (jet::Status step : {files.updateRows->MoveFirst(), files.updateRows->MoveLast()}) {
        if (!step.ok())
            return Noted(step);
    }
    const qint64 count = files.updateRows->RecordCount();
    files.dataDb->ExpectChanges(static_cast<uint64_t>(std::max<qint64>(count, 0)));
    if (jet::Status first = files.updateRows->MoveFirst(); !first.ok())
        return Noted(first);
    LogActivity(m_ctx, QStringLiteral("Data files contains ") + QString::number(count) + QStringLiteral(" records"));
    return Done{};
}

Expected<Done> ZUpdateData::MergeRows(MergeFiles& files, const QString& DataType, qint64 RecordCount)
{
    Operator& ui = m_ctx.ui();
    const QString countText = QString::number(RecordCount);
    for (qint64 i = 1; !files.updateRows->IsEOF(); ++i) {
        ui.SetProgressShare(i - 1, RecordCount);
        ShowProgress(ProgressLabel(i, countText), false);
        if (ui.StopRequested()) {
            m_stopped = true;
            return Error{0, QStringLiteral("stopped by the operator")};
        }
        const Expected<Done> merged = DataType == QLatin1String("Z")
            ? AddOrUpdateRecordPostZon(*files.updateRows, *files.dataTable)
            : AddOrUpdateRecordAddress(*files.updateRows, *files.dataTable);
        if (!merged)
            return merged.error();
        if (jet::Status next = files.updateRows->MoveNext(); !next.ok())
            return Noted(next);
    }
    ui.SetProgressShare(RecordCount, RecordCount);
    m_ctx.StageMarker = QStringLiteral("Update:UpdateData:Stage 6");
    (void)files.updateRows->Close();
    (void)files.dataTable->Close();
    files.dataTable.reset();
    return Done{};
}

Expected<Done> ZUpdateData::WriteDataDate(MergeFiles& files, const QString& UpdateDateYYYYMMDD)
{
    m_ctx.StageMarker = QStringLiteral("Update:UpdateData:Stage 7 Updating the version date");
    auto version =
        jet::Recordset::Open(*files.dataDb, "Version", jet::CursorType::kDynamic, jet::LockType::kOptimistic);
    if (!version.ok())
        return Noted(version.status());
    files.dataTable = std::move(version.value());
    jet::Recordset& rows = *files.dataTable;
    // The data date is the text of the row with ID 2.
    if (jet::Status first = rows.MoveFirst(); !first.ok())
        return Noted(first);
    while (!rows.IsEOF()) {
        auto id = rows.Field("ID");
        if (!id.ok())
            return Noted(id.status());
        if (id->ToUtf8() == "2")
            break;
        if (jet::Status next = rows.MoveNext(); !next.ok())
            return Noted(next);
    }
    if (rows.IsEOF())
        return NoCurrentRecord();
    if (jet::Status set = rows.SetField("text", jet::Value(UpdateDateYYYYMMDD.toStdU16String())); !set.ok())
        return Noted(set);
    if (jet::Status written = rows.Update(); !written.ok())
        return Noted(written);
    (void)rows.Close();
    files.dataTable.reset();
    return Done{};
}

Expected<Done> ZUpdateData::Commit(MergeFiles& files)
{
    m_ctx.StageMarker = QStringLiteral("Update:UpdateData:Stage 8");
    files.updateRows.reset();
    (void)files.updateDb->Close();
    files.updateDb.reset();
    // The commit: the rows and the new date reach the file together.
    const jet::Status closed = files.dataDb->Close();
    NoteCommit(m_ctx, *files.dataDb);
    files.dataDb.reset();
    if (!closed.ok())
        return Noted(closed);
    return Done{};
}

void ZUpdateData::EndUnfinishedMerge(MergeFiles& files, const QString& DatefileToRead, const Error& error)
{
    // A stop, a failure of the disk or a damaged page leaves the file exactly
    // as it was (and the update database for the next run); any other failure
    // (a row the table refused, the version row missing) keeps the rows
    // merged before it, committed now without the new date.
    files.dataTable.reset();
    files.updateRows.reset();
    const bool keepRows = !m_fileFault && !m_stopped;
    jet::Status ended;
    if (files.dataDb) {
        ended = keepRows ? files.dataDb->Close() : files.dataDb->Abandon();
        NoteCommit(m_ctx, *files.dataDb);
    }
    if (m_stopped) {
        LogActivity(m_ctx,
                    QStringLiteral("Stopped during the merge of ") + DatefileToRead
                        + (ended.ok() ? QStringLiteral(": the data file is as it was")
                                      : QStringLiteral(": ") + QString::fromStdString(ended.description())));
        return;
    }
    if (!ended.ok())
        LogActivity(m_ctx,
                    (keepRows ? QStringLiteral("The rows merged before the failure could not be kept: ")
                              : QStringLiteral("The data file could not be put back as it was: "))
                        + QString::fromStdString(ended.description()));
    ShowFailure(error);
}

Expected<Done> CheckUpdateTable(const QString& updatePath, const QString& kindLetter)
{
    const std::optional<DataKind> kind = FindDataKind(kindLetter);
    if (!kind)
        return Error{5, QStringLiteral("There is no data kind '%1'").arg(kindLetter)};
    auto opened = jet::Database::Open(ConnectionString(updatePath).toStdString(), "admin", "",
                                      jet::OpenOptions{.readOnly = true});
    if (!opened.ok())
        return Done{};
    auto tables = opened.value()->ListTables();
    if (!tables.ok())
        return Done{};
    for (const std::string& table : tables.value()) {
        if (QString::fromStdString(table).compare(kind->tableName, Qt::CaseInsensitive) == 0)
            return Done{};
    }
    return Error{jet::Errors::kTableNotFound,
                 QStringLiteral("%1 holds no table %2: it is no update database of %3 (%4)")
                     .arg(QDir::toNativeSeparators(updatePath), kind->tableName, kind->fileName, kind->description)};
}

Error ZUpdateData::Noted(const jet::Status& status)
{
    const jet::Status::Kind kind = status.kind();
    if (kind == jet::Status::Kind::kIOError || kind == jet::Status::Kind::kCorruption)
        m_fileFault = true;
    return FromJet(status);
}

void ZUpdateData::ShowFailure(const Error& error)
{
    LogError(m_ctx, QString(), error);
    const QString lineEnd = QStringLiteral("\r\n");
    ShowTopMessage(m_ctx,
                   QStringLiteral("Err : ") + QString::number(error.number) + lineEnd + error.description + lineEnd
                       + lineEnd + QStringLiteral("At position : ") + m_ctx.StageMarker + lineEnd + lineEnd
                       + QStringLiteral("Please LOG OUT of Ostrel then back in and try again!"),
                   MessageStyle::kCritical, QString());
}

Expected<Done> ZUpdateData::AddOrUpdateRecordAddress(jet::Recordset& DataRec, jet::Recordset& TableToUpdate)
{
    static const RecordStages stages(QStringLiteral("AddOrUpdateRecordAddress"));
    return AddOrUpdateRecord(DataRec, TableToUpdate, stages, "FT_PostCode", kAddressFields,
                             static_cast<int>(std::size(kAddressFields)));
}

Expected<Done> ZUpdateData::AddOrUpdateRecordPostZon(jet::Recordset& DataRec, jet::Recordset& TableToUpdate)
{
    static const RecordStages stages(QStringLiteral("AddOrUpdateRecordPostZon"));
    return AddOrUpdateRecord(DataRec, TableToUpdate, stages, "PZ_Postcode", kPostZonFields,
                             static_cast<int>(std::size(kPostZonFields)));
}

Expected<Done> ZUpdateData::AddOrUpdateRecord(jet::Recordset& DataRec, jet::Recordset& TableToUpdate,
                                              const RecordStages& stages, const char* keyField,
                                              const char* const* otherFields, int otherFieldCount)
{
    m_ctx.StageMarker = stages.reading;

    auto key = DataRec.Field(keyField);
    if (!key.ok())
        return Noted(key.status());
    const QString keyText = KeyText(key.value());

    bool found = false;
    if (!(TableToUpdate.IsBOF() && TableToUpdate.IsEOF())) {
        m_ctx.StageMarker = stages.rewinding;
        if (jet::Status first = TableToUpdate.MoveFirst(); !first.ok())
            return Noted(first);
        m_ctx.StageMarker = stages.searching;
        // Exact equality on the stored key text, whatever characters it holds.
        const std::u16string converted = key->IsText() ? std::u16string() : keyText.toStdU16String();
        const std::u16string& wanted = key->IsText() ? key->As<std::u16string>() : converted;
        if (jet::Status searched = TableToUpdate.FindFirst(keyField, wanted); !searched.ok())
            return Noted(searched);
        found = !TableToUpdate.IsEOF();
        m_ctx.StageMarker = Joined(found ? stages.updating : stages.adding, keyText);
    }
    if (!found) {
        if (jet::Status added = TableToUpdate.AddNew(); !added.ok())
            return Noted(added);
        if (jet::Status set = TableToUpdate.SetField(keyField, key.value()); !set.ok())
            return Noted(set);
    }
    for (int i = 0; i < otherFieldCount; ++i) {
        auto value = DataRec.Field(otherFields[i]);
        if (!value.ok())
            return Noted(value.status());
        if (jet::Status set = TableToUpdate.SetField(otherFields[i], value.value()); !set.ok())
            return Noted(set);
    }
    if (jet::Status written = TableToUpdate.Update(); !written.ok()) {
        TableToUpdate.CancelUpdate();
        return Noted(written);
    }
    return Done{};
}

} // namespace pafdm
