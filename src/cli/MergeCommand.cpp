#include "cli/Command.h"
#include "shell/Program.h"
#include "dataset/DataKind.h"
#include "support/AppContext.h"
#include "support/Operator.h"
#include "update/UpdateLock.h"
#include "update/ZUpdateData.h"

#include <QFileInfo>

namespace pafdm {

namespace {

// Merges one unpacked update database into the data file of its kind.
class MergeCommand : public Command {
public:
    QString Name() const override { return QStringLiteral("merge"); }
    QString Description() const override
    {
        return QStringLiteral("merge one update database into its data file (maintenance)");
    }

    int Execute(const QStringList& args, AppContext& ctx, Program& /*program*/, CliIo& io) override
    {
        if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
            io.out << "Usage: pafdm-cli [--data-dir DIR] merge UPDATE_FILE KIND DATE\n\n"
                      "Merges the update database UPDATE_FILE (a file in the data directory, e.g.\n"
                      "UPDATE_F_20070301.dat) into the data file of KIND (F, T or Z), then sets that\n"
                      "file's data date to DATE (yyyymmdd). Rows are added or replaced by postcode;\n"
                      "nothing is deleted. Progress and messages go to the terminal.\n"
                      "Exit status: 0 merged, 1 the merge failed (see the message and Error1.log),\n"
                      "2 usage error, 3 another update of this data set is running.\n";
            io.out.flush();
            return ExitCode::kOk;
        }
        if (args.size() != 3) {
            io.err << "Usage: pafdm-cli [--data-dir DIR] merge UPDATE_FILE KIND DATE" << Qt::endl;
            return ExitCode::kUsage;
        }
        const QString updateFile = QFileInfo(args[0]).fileName() == args[0] ? args[0] : QString();
        if (updateFile.isEmpty()) {
            io.err << "pafdm-cli merge: UPDATE_FILE must be a file name in the data directory" << Qt::endl;
            return ExitCode::kUsage;
        }
        UpdateLock lock(ctx.dataDirectory);
        if (const UpdateLock::Outcome taken = lock.TryLock(); taken != UpdateLock::Outcome::kTaken) {
            io.err << "pafdm-cli merge: " << lock.Explanation() << Qt::endl;
            return taken == UpdateLock::Outcome::kHeldByAnother ? ExitCode::kLocked : ExitCode::kFailed;
        }
        ZUpdateData engine(ctx);
        QString description;
        qint64 count = 0;
        ctx.ui().ShowProgress(QString());
        const bool merged = engine.UpdateData(ctx.dataDirectory, updateFile, args[1], args[2], description, count);
        ctx.ui().HideProgress();
        if (merged) {
            const std::optional<DataKind> kind = FindDataKind(args[1]);
            io.out << "Merged " << count << " records into " << (kind ? kind->fileName : QString()) << " ("
                   << description << "); data date " << args[2] << Qt::endl;
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
