#include "cli/Command.h"
#include "cli/TerminalOperator.h"
#include "shell/DefinitionsDownload.h"
#include "shell/Program.h"
#include "support/AppContext.h"

#include <QCommandLineParser>

namespace pafdm {

namespace {

class DefinitionsCommand : public Command {
public:
    QString Name() const override { return QStringLiteral("definitions"); }
    QString Description() const override
    {
        return QStringLiteral("download the application definitions into Definitions.xml");
    }

    int Execute(const QStringList& args, AppContext& ctx, Program& program, CliIo& io,
                TerminalOperator& terminal) override
    {
        QCommandLineParser parser;
        parser.setApplicationDescription(Description());
        const QCommandLineOption yes(QStringLiteral("yes"), QStringLiteral("answer the question with yes"));
        const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("show this help"));
        parser.addOption(yes);
        parser.addOption(help);
        if (!parser.parse(QStringList{Name()} + args)) {
            io.err << "pafdm-cli definitions: " << parser.errorText() << Qt::endl;
            return ExitCode::kUsage;
        }
        if (!parser.positionalArguments().isEmpty()) {
            io.err << "pafdm-cli definitions: unexpected argument '" << parser.positionalArguments().first() << "'"
                   << Qt::endl;
            return ExitCode::kUsage;
        }
        if (parser.isSet(help)) {
            io.out << "Usage: pafdm-cli [--data-dir DIR] definitions [--yes]\n\n"
                      "Downloads the application definitions of the desktop lookup software from the\n"
                      "definitions service and writes them to Definitions.xml in the data directory.\n"
                      "The service's host can be set with PAFDM_DEFINITIONS_SERVER.\n\n"
                      "  --yes       answer the question with yes instead of asking\n\n"
                      "Exit status: 0 written, 1 not written (declined or failed), 2 usage error or\n"
                      "not available in this edition.\n";
            io.out.flush();
            return ExitCode::kOk;
        }
        if (ctx.edition.edition == Edition::kVell) {
            io.err << "pafdm-cli definitions: not available in the " << ctx.edition.editionName << " edition"
                   << Qt::endl;
            return ExitCode::kUsage;
        }
        if (parser.isSet(yes))
            terminal.SetAssumeYes(true);
        return DownloadApplicationDefinitions(ctx, program.transfers) == DefinitionsOutcome::kWritten
            ? ExitCode::kOk
            : ExitCode::kFailed;
    }
};

} // namespace

std::unique_ptr<Command> MakeDefinitionsCommand()
{
    return std::make_unique<DefinitionsCommand>();
}

} // namespace pafdm
