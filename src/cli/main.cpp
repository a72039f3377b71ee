#include "cli/Command.h"

#include <QCoreApplication>

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QTextStream in(stdin);
    pafdm::CliIo io{out, err, in, isatty(STDIN_FILENO) != 0, isatty(STDOUT_FILENO) != 0};
    QStringList arguments = app.arguments();
    arguments.removeFirst();
    return pafdm::RunCli(arguments, io);
}
