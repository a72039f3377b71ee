#include "cli/Command.h"
#include "dataset/zManager.h"
#include "shell/Program.h"
#include "support/AppContext.h"
#include "update/ZUpdateData.h"

namespace pafdm {

namespace {

// Prints the data summary and then the system summary, as the main window's
// two panes show them.
class StatusCommand : public Command {
public:
    QString Name() const override { return QStringLiteral("status"); }
    QString Description() const override { return QStringLiteral("show the data files, their dates and the system"); }

    int Execute(const QStringList& args, AppContext& ctx, Program& program, CliIo& io,
                TerminalOperator& /*terminal*/) override
    {
        if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
            io.out << "Usage: pafdm-cli [--data-dir DIR] status\n\n"
                      "Shows which data files are present with their data dates, then the data-access\n"
                      "version and the machine that holds the data, and the update archives and update\n"
                      "databases waiting to be applied by the next update run.\n"
                      "A data file that cannot be read is named in the summary with the reason.\n"
                      "Exit status: 0 shown, 1 a data file could not be read or the summary failed\n"
                      "(error number and description on stderr).\n";
            io.out.flush();
            return ExitCode::kOk;
        }
        if (!args.isEmpty()) {
            io.err << "pafdm-cli status: unexpected argument '" << args.first() << "'" << Qt::endl;
            return ExitCode::kUsage;
        }
        auto& manager = program.manager;
        const Expected<Done> built = manager.GetSummary(ctx.dataDirectory);
        if (!built) {
            io.err << "pafdm-cli status: error " << built.error().number << ": " << built.error().description
                   << Qt::endl;
            return ExitCode::kFailed;
        }
        QString data = manager.DataSummary;
        QString system = manager.SystemSummary;
        data.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        system.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        io.out << "Data Status\n"
               << (data.isEmpty() ? QStringLiteral("  (no data files present)\n") : data) << "System\n"
               << system << "\n";
        const QStringList waiting = WaitingUpdates(ctx.dataDirectory);
        if (!waiting.isEmpty())
            io.out << "Waiting to be applied (pafdm-cli apply)\n  " << waiting.join(QStringLiteral("\n  ")) << "\n";
        io.out.flush();
        for (const auto& [file, error] : manager.UnreadableFiles)
            io.err << "pafdm-cli status: " << file << ": error " << error.number << ": " << error.description
                   << Qt::endl;
        return manager.UnreadableFiles.isEmpty() ? ExitCode::kOk : ExitCode::kFailed;
    }
};

} // namespace

std::unique_ptr<Command> MakeStatusCommand()
{
    return std::make_unique<StatusCommand>();
}

} // namespace pafdm
