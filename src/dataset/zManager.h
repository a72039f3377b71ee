#pragma once

#include "support/Error.h"

#include <QList>
#include <QPair>
#include <QString>

namespace pafdm {

class AppContext;
class ZSundryVars;

// The data-set manager: the three data files, their data dates, whether
// the data set is in place, the machine that holds it and the status summary.
// Failures reach the caller as an Error; nothing here logs or shows anything.
class zManager {
public:
    // `sundry` is the state file the summary records the data dates in.
    zManager(AppContext& ctx, ZSundryVars& sundry);

    // Built by GetSummary; empty until the first call.
    QString DataSummary;
    QString SystemSummary;

    // True when at least one of the three data files is in the data directory.
    Expected<bool> AreDataFilesInPlace();

    // Rebuilds DataSummary and SystemSummary for the data directory `path`,
    // recording each present file's data date in the state file. A data file
    // whose date cannot be read (damaged, unreadable) is not hidden: its
    // presence line is followed by a line naming it, the reason and what to
    // do, the error log records it, and it is listed in UnreadableFiles; the
    // other files are summed up as usual. Only a failure of the summary
    // itself (the state file, the folder) is an Error, after which the
    // properties keep their previous texts.
    Expected<Done> GetSummary(const QString& path);
    // The files the last GetSummary could not read, with the reason for each.
    QList<QPair<QString, Error>> UnreadableFiles;

    // The data date (version row 2's text) of the kind's file in `path`;
    // empty when the file is absent or has no row 2. A null text, a file that
    // cannot be opened or a failing query is an Error.
    Expected<QString> GetLastUpdateFULL(const QString& path);
    Expected<QString> GetLastUpdateStreet(const QString& path);
    Expected<QString> GetLastUpdatePostZon(const QString& path);

    // Upper-case name of the machine holding `path`: the server of a UNC path
    // or of a network mount, else this computer.
    QString GetDataStorageComputerName(const QString& path);

    // The mount table consulted for network mounts (tests point it elsewhere).
    void SetMountTablePath(const QString& path) { m_mountTable = path; }

private:
    Expected<QString> ReadDataDate(const QString& fullPath);
    QString GetMDACVersion();
    QString GetDriveName(const QString& path);
    QString GetUNCComputerName(const QString& unc);

    AppContext& m_ctx;
    ZSundryVars& m_sundry;
    QString m_mountTable = QStringLiteral("/proc/self/mounts");
};

} // namespace pafdm
