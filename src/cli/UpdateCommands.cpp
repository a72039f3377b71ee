// `apply` and `update`: one whole update run from the command line, with the
// archives waiting in the data directory or with those the update service
// lists.

#include "cli/Command.h"
#include "cli/TerminalOperator.h"
#include "dataset/zManager.h"
#include "shell/Program.h"
#include "support/AppContext.h"
#include "support/Operator.h"
#include "update/UpdateLock.h"
#include "update/ZUpdateData.h"

#include <QCommandLineParser>

namespace pafdm {

namespace {

class UpdateRunCommand : public Command {
public:
    int Execute(const QStringList& args, AppContext& ctx, Program& program, CliIo& io,
                TerminalOperator& terminal) override
    {
        QCommandLineParser parser;
        const QCommandLineOption yes(QStringLiteral("yes"), QStringLiteral("answer the question with yes"));
        const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("show this help"));
        parser.addOption(yes);
        parser.addOption(help);
        const QString prefix = QStringLiteral("pafdm-cli ") + Name() + QStringLiteral(": ");
        if (!parser.parse(QStringList{Name()} + args)) {
            io.err << prefix << parser.errorText() << Qt::endl;
            return ExitCode::kUsage;
        }
        if (parser.isSet(help)) {
            io.out << Help();
            io.out.flush();
            return ExitCode::kOk;
        }
        if (!parser.positionalArguments().isEmpty()) {
            io.err << prefix << "unexpected argument '" << parser.positionalArguments().first() << "'" << Qt::endl;
            return ExitCode::kUsage;
        }
        const bool assumeYes = parser.isSet(yes);
        terminal.SetAssumeYes(assumeYes);

        // Another updater is named before the question, not after it. (The
        // run takes the lock for itself below.)
        {
            UpdateLock probe(ctx.dataDirectory);
            const UpdateLock::Outcome taken = probe.TryLock();
            if (taken != UpdateLock::Outcome::kTaken) {
                io.err << prefix << probe.Explanation() << Qt::endl;
                return taken == UpdateLock::Outcome::kHeldByAnother ? ExitCode::kLocked : ExitCode::kFailed;
            }
        }
        if (NeedsConfirmation(ctx)) {
            if (!assumeYes && !io.inputIsTerminal) {
                io.err << prefix << "no terminal to ask; run with --yes to " << Purpose() << Qt::endl;
                return ExitCode::kUsage;
            }
            const int answer = ctx.ui()
                                   .ShowMessage(Question(ctx), MessageStyle::kYesNo + MessageStyle::kQuestion,
                                                ctx.brand.applicationName, false)
                                   .value_or(MessageAnswer::kNo);
            if (answer != MessageAnswer::kYes)
                return ExitCode::kOk;
        }
        terminal.SetUpdateSource(UpdateSource::kInternet);
        terminal.WatchInterrupts();
        const Expected<UpdateOutcome> outcome =
            UpdateData(ctx, program.manager, program.internet, true, ctx.brand.applicationName, ctx.dataDirectory,
                       ApplyUpdatesInDirectory());
        if (!outcome) {
            io.err << prefix << "error " << outcome.error().number << ": " << outcome.error().description << Qt::endl;
            return ExitCode::kFailed;
        }
        if (outcome.value().locked)
            return ExitCode::kLocked;
        // Stopped by a signal: 128 plus its number, as a shell reports it.
        if (outcome.value().stopped && terminal.StopSignal() != 0)
            return 128 + terminal.StopSignal();
        return outcome.value().Failed() ? ExitCode::kFailed : ExitCode::kOk;
    }

protected:
    virtual bool ApplyUpdatesInDirectory() const = 0;
    virtual bool NeedsConfirmation(AppContext& ctx) const = 0;
    virtual QString Question(AppContext& ctx) const = 0;
    virtual QString Purpose() const = 0;
    virtual QString Help() const = 0;
};

// The start-up offer of the desktop program, from a terminal.
class ApplyCommand : public UpdateRunCommand {
public:
    QString Name() const override { return QStringLiteral("apply"); }
    QString Description() const override
    {
        return QStringLiteral("apply the update archives waiting in the data directory");
    }

protected:
    bool ApplyUpdatesInDirectory() const override { return true; }
    bool NeedsConfirmation(AppContext& ctx) const override { return AreUpdatesPresent(ctx.dataDirectory); }
    QString Question(AppContext&) const override
    {
        return QStringLiteral("Data Update files are present, do you want to upply these updates?");
    }
    QString Purpose() const override { return QStringLiteral("apply the waiting updates"); }
    QString Help() const override
    {
        return QStringLiteral("Usage: pafdm-cli [--data-dir DIR] apply [--yes]\n\n"
                              "Applies the update archives UPDATE_<kind>_<yyyymmdd>.zip waiting in the data\n"
                              "directory: each is unpacked and deleted, and its update database is merged into\n"
                              "the data file of its kind when it is newer than that file's data, then deleted.\n"
                              "An update database left without its archive by an earlier run is merged too.\n"
                              "Ctrl-C, SIGTERM or SIGHUP stops the run: the merge in progress is abandoned (its\n"
                              "data file stays as it was) and what is left waits for the next run.\n"
                              "Asks first (the answer is needed from a terminal unless --yes is given).\n\n"
                              "  --yes       answer the question with yes instead of asking\n\n"
                              "Exit status: 0 nothing failed (also when nothing was waiting), 1 an archive could\n"
                              "not be applied, 2 usage error, 3 another update of this data set is running,\n"
                              "130, 143 or 129 stopped by SIGINT, SIGTERM or SIGHUP.\n");
    }
};

// The update with the source "Download updates from internet".
class UpdateCommand : public UpdateRunCommand {
public:
    QString Name() const override { return QStringLiteral("update"); }
    QString Description() const override
    {
        return QStringLiteral("download the updates the update service lists, then apply them");
    }

protected:
    bool ApplyUpdatesInDirectory() const override { return false; }
    bool NeedsConfirmation(AppContext&) const override { return true; }
    QString Question(AppContext& ctx) const override
    {
        return QStringLiteral("This routine will update your Local Postcode Address data\r\n"
                              "Download updates from internet into ")
            + ctx.dataDirectory + QStringLiteral(" and apply them?");
    }
    QString Purpose() const override { return QStringLiteral("download and apply the updates"); }
    QString Help() const override
    {
        return QStringLiteral("Usage: pafdm-cli [--data-dir DIR] update [--yes]\n\n"
                              "Asks the update service which updates follow the data dates of the data files,\n"
                              "downloads them into the data directory, then applies every update archive there\n"
                              "as 'apply' does. The server is the edition's, or PAFDM_SERVER_URL. Ctrl-C, SIGTERM\n"
                              "or SIGHUP stops the run: a download stops (nothing of it is kept), a merge in\n"
                              "progress is abandoned (its data file stays as it was) and nothing more is\n"
                              "applied. Asks first (the answer is needed from a terminal unless --yes is given).\n\n"
                              "  --yes       answer the question with yes instead of asking\n\n"
                              "Exit status: 0 nothing failed, 1 the service could not be contacted, a download\n"
                              "failed or an archive could not be applied, 2 usage error, 3 another update of\n"
                              "this data set is running, 130, 143 or 129 stopped by SIGINT, SIGTERM or SIGHUP.\n");
    }
};

} // namespace

std::unique_ptr<Command> MakeApplyCommand()
{
    return std::make_unique<ApplyCommand>();
}

std::unique_ptr<Command> MakeUpdateCommand()
{
    return std::make_unique<UpdateCommand>();
}

} // namespace pafdm
