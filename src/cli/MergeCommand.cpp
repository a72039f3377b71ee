#include "cli/Command.h"
#include "cli/TerminalOperator.h"
#include "dataset/DataKind.h"
#include "shell/Program.h"
#include "support/AppContext.h"
#include "support/Operator.h"
#include "support/TagText.h"
#include "update/UpdateLock.h"
#include "update/ZUpdateData.h"

#include <QDir>
#include <QFileInfo>

#include <sys/stat.h>

namespace pafdm {

namespace {

// The same file under two names (hard links, another spelling of the path).
bool SameFile(const QFileInfo& a, const QFileInfo& b)
{
    struct stat first;
    struct stat second;
    return ::stat(QFile::encodeName(a.absoluteFilePath()).constData(), &first) == 0
        && ::stat(QFile::encodeName(b.absoluteFilePath()).constData(), &second) == 0 && first.st_dev == second.st_dev
        && first.st_ino == second.st_ino;
}

Expected<QString> DataDateOf(zManager& manager, const DataKind& kind, const QString& path)
{
    if (kind.letter == QLatin1Char('F'))
        return manager.GetLastUpdateFULL(path);
    if (kind.letter == QLatin1Char('T'))
        return manager.GetLastUpdateStreet(path);
    return manager.GetLastUpdatePostZon(path);
}

// Merges one unpacked update database into the data file of its kind.
class MergeCommand : public Command {
public:
    QString Name() const override { return QStringLiteral("merge"); }
    QString Description() const override
    {
        return QStringLiteral("merge one update database into its data file (maintenance)");
    }

    int Execute(const QStringList& arguments, AppContext& ctx, Program& program, CliIo& io,
                TerminalOperator& terminal) override
    {
        if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
            io.out << "Usage: pafdm-cli [--data-dir DIR] merge [--force] UPDATE_FILE KIND DATE\n\n"
                      "Merges the update database UPDATE_FILE (a file in the data directory, e.g.\n"
                      "UPDATE_F_20070301.dat) into the data file of KIND (F, T or Z), then sets that\n"
                      "file's data date to DATE (yyyymmdd, a real calendar date). Rows are added or\n"
                      "replaced by postcode; nothing is deleted. A DATE not newer than the data\n"
                      "file's is refused unless --force is given. Progress and messages go to the\n"
                      "terminal.\n"
                      "The merge is one transaction: Ctrl-C, SIGTERM or SIGHUP abandons it and leaves\n"
                      "the data file exactly as it was.\n"
                      "Exit status: 0 merged, 1 the merge failed (see the message and Error1.log),\n"
                      "2 usage error or refused (a missing UPDATE_FILE, or one without the table of\n"
                      "KIND, among them), 3 another update of this data set is running, 130, 143\n"
                      "or 129 stopped by a signal.\n";
            io.out.flush();
            return ExitCode::kOk;
        }
        QStringList args = arguments;
        const bool force = args.removeAll(QStringLiteral("--force")) > 0;
        const auto usage = [&io](const QString& why) {
            io.err << "pafdm-cli merge: " << why << Qt::endl;
            return ExitCode::kUsage;
        };
        if (args.size() != 3) {
            io.err << "Usage: pafdm-cli [--data-dir DIR] merge [--force] UPDATE_FILE KIND DATE" << Qt::endl;
            return ExitCode::kUsage;
        }
        const QString updateFile = QFileInfo(args[0]).fileName() == args[0] ? args[0] : QString();
        if (updateFile.isEmpty())
            return usage(QStringLiteral("UPDATE_FILE must be a file name in the data directory"));
        const std::optional<DataKind> kind = FindDataKind(args[1]);
        if (!kind)
            return usage(QStringLiteral("KIND must be F, T or Z, not '%1'").arg(args[1]));
        const QString& date = args[2];
        // A date that is no calendar day would block every later update of
        // the kind once written into the version row.
        if (!IsCalendarDateYmd(date))
            return usage(QStringLiteral("DATE must be a calendar date yyyymmdd, not '%1'").arg(date));
        const QFileInfo update(QDir(ctx.dataDirectory).filePath(updateFile));
        const QFileInfo data(QDir(ctx.dataDirectory).filePath(kind->fileName));
        if (!update.isFile())
            return usage(QStringLiteral("the update database %1 is not in the data directory %2")
                             .arg(updateFile, ctx.dataDirectory));
        if (data.exists() && SameFile(update, data))
            return usage(QStringLiteral("%1 is the data file itself").arg(updateFile));
        if (const Expected<Done> fits = CheckUpdateTable(update.absoluteFilePath(), args[1]); !fits)
            return usage(fits.error().description);

        UpdateLock lock(ctx.dataDirectory);
        if (const UpdateLock::Outcome taken = lock.TryLock(); taken != UpdateLock::Outcome::kTaken) {
            io.err << "pafdm-cli merge: " << lock.Explanation() << Qt::endl;
            return taken == UpdateLock::Outcome::kHeldByAnother ? ExitCode::kLocked : ExitCode::kFailed;
        }
        if (!force && data.exists()) {
            const Expected<QString> current = DataDateOf(program.manager, *kind, ctx.dataDirectory);
            if (current && !current.value().isEmpty() && date <= current.value())
                return usage(QStringLiteral("%1 already holds data of %2; DATE %3 is not newer (--force merges "
                                            "anyway)")
                                 .arg(kind->fileName, current.value(), date));
        }
        // A signal abandons the merge: the data file stays as it was.
        terminal.WatchInterrupts();
        ZUpdateData engine(ctx);
        QString description;
        qint64 count = 0;
        ctx.ui().ShowProgress(QString());
        const bool merged = engine.UpdateData(ctx.dataDirectory, updateFile, args[1], date, description, count);
        ctx.ui().HideProgress();
        if (!merged && terminal.StopSignal() != 0) {
            io.err << "pafdm-cli merge: stopped; " << kind->fileName << " is as it was and " << updateFile << " stays"
                   << Qt::endl;
            return 128 + terminal.StopSignal();
        }
        if (merged) {
            io.out << "Merged " << count << " records into " << (kind ? kind->fileName : QString()) << " ("
                   << description << "); data date " << date << Qt::endl;
        }
        return merged ? ExitCode::kOk : ExitCode::kFailed;
    }
};

} // namespace

std::unique_ptr<Command> MakeMergeCommand()
{
    return std::make_unique<MergeCommand>();
}

} // namespace pafdm
