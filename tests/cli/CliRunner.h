#pragma once

#include "cli/Command.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace pafdm::test {

// Runs the command line in this process with `input` as what the user types
// and keeps what it printed on each stream.
inline int RunCliCapturing(const QStringList& args, QString& out, QString& err, const QString& input = {},
                           bool inputIsTerminal = false)
{
    out.clear();
    err.clear();
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    QString typed = input;
    QTextStream in(&typed);
    CliIo io{outStream, errStream, in, inputIsTerminal};
    const int code = RunCli(args, io);
    outStream.flush();
    errStream.flush();
    return code;
}

} // namespace pafdm::test
