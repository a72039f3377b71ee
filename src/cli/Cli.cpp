#include "cli/Command.h"
#include "cli/TerminalOperator.h"
#include "shell/BrandSettings.h"
#include "shell/Program.h"
#include "support/AppContext.h"

#include <QDir>
#include <QFileInfo>

namespace pafdm {

namespace {

void PrintHelp(QTextStream& out, const std::vector<std::unique_ptr<Command>>& commands)
{
    out << "Usage: pafdm-cli [--data-dir DIR] COMMAND [ARGS...]\n"
           "       pafdm-cli --help | --version\n\n"
           "Keeps the local UK postcode data files current.\n\n"
           "Options:\n"
           "  --data-dir DIR   the data directory (default: the current directory)\n"
           "  -h, --help       show this help and exit\n"
           "  --version        show the program version and edition and exit\n\n"
           "Commands:\n";
    for (const auto& command : commands)
        out << "  " << command->Name().leftJustified(14) << " " << command->Description() << "\n";
    out << "\nRun 'pafdm-cli COMMAND --help' for a command's own options.\n\n"
           "Exit status: 0 done, 1 the operation failed, 2 usage error, 3 the data set is locked.\n"
           "Environment: PAFDM_SERVER_URL, PAFDM_DEFINITIONS_SERVER, PAFDM_WEB_SITE override the\n"
           "edition's server addresses (scheme and host, no trailing '/').\n";
    out.flush();
}

} // namespace

int RunCli(const QStringList& arguments, CliIo& io)
{
    const auto commands = AllCommands();
    QString dataDirectory = QDir::currentPath();
    QStringList rest;
    bool wantHelp = false;
    bool wantVersion = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == QLatin1String("--data-dir")) {
            if (i + 1 >= arguments.size()) {
                io.err << "pafdm-cli: --data-dir needs a directory" << Qt::endl;
                return ExitCode::kUsage;
            }
            dataDirectory = arguments[++i];
        } else if (arg.startsWith(QLatin1String("--data-dir="))) {
            dataDirectory = arg.mid(QStringLiteral("--data-dir=").size());
        } else if (rest.isEmpty() && (arg == QLatin1String("--help") || arg == QLatin1String("-h"))) {
            wantHelp = true;
        } else if (rest.isEmpty() && arg == QLatin1String("--version")) {
            wantVersion = true;
        } else {
            rest << arg;
        }
    }
    const EditionConfig edition = EditionConfig::BuildDefault().WithEnvironmentOverrides();
    if (wantVersion) {
        io.out << "pafdm-cli " << PAFDM_VERSION << " (" << edition.editionName << " edition)" << Qt::endl;
        return ExitCode::kOk;
    }
    if (wantHelp) {
        PrintHelp(io.out, commands);
        return ExitCode::kOk;
    }
    if (rest.isEmpty()) {
        PrintHelp(io.err, commands);
        return ExitCode::kUsage;
    }
    const QString name = rest.takeFirst();
    for (const auto& command : commands) {
        if (command->Name() != name)
            continue;
        TerminalOperator terminal(io.out, io.err, io.in, io.inputIsTerminal, io.outputIsTerminal);
        Clock clock;
        AppContext ctx(edition, terminal, clock);
        ctx.dataDirectory = QDir::cleanPath(QDir(dataDirectory).absolutePath());
        if (!QFileInfo(ctx.dataDirectory).isDir()) {
            io.err << "pafdm-cli: the data directory '" << QDir::toNativeSeparators(ctx.dataDirectory) << "' "
                   << (QFileInfo::exists(ctx.dataDirectory) ? "is not a directory" : "does not exist") << Qt::endl;
            return ExitCode::kUsage;
        }
        // Messages and log lines carry the brand's application name, as the
        // desktop program's start-up reads it over the edition's defaults.
        (void)GetBrandSettings(ctx);
        Program program(ctx);
        return command->Execute(rest, ctx, program, io, terminal);
    }
    io.err << "pafdm-cli: unknown command '" << name << "'; see pafdm-cli --help" << Qt::endl;
    return ExitCode::kUsage;
}

} // namespace pafdm
