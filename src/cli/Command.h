#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <memory>
#include <vector>

namespace pafdm {

class TerminalOperator;

class AppContext;
struct Program;

// Exit statuses of the command line.
namespace ExitCode {
constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;
constexpr int kLocked = 3;
} // namespace ExitCode

// Streams and terminal facts a command works with; tests swap them.
struct CliIo {
    QTextStream& out;
    QTextStream& err;
    QTextStream& in;
    bool inputIsTerminal = false;
    bool outputIsTerminal = false;
};

// One command of pafdm-cli.
class Command {
public:
    virtual ~Command() = default;
    virtual QString Name() const = 0;
    virtual QString Description() const = 0;
    // `args` are the command's own arguments (after its name). `ctx` holds
    // the data directory already chosen by the global options; `program` the
    // program's single instances; `terminal` is the context's Operator, for
    // the command to set its answers and watch for signals.
    virtual int Execute(const QStringList& args, AppContext& ctx, Program& program, CliIo& io,
                        TerminalOperator& terminal) = 0;
};

// Every command, in the order --help lists them.
std::vector<std::unique_ptr<Command>> AllCommands();

// Runs the command line (without the program name). Returns the exit status.
int RunCli(const QStringList& arguments, CliIo& io);

} // namespace pafdm
