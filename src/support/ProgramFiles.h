#pragma once

#include <QString>
#include <QStringList>

namespace pafdm {

// The lock file an updater holds in the data directory for the whole of a run
// that changes data files.
inline constexpr char kUpdateLockFileName[] = "pafdm-update.lock";

// The files of the program's own in the data directory: the data files, the
// branding, state, definitions and proxy files, the logs, the update lock and
// the data files' journals.
// Nothing that arrives from outside (a download, an archive member) may be
// written under one of these names.
const QStringList& ProgramFileNames();

// True when `name` (a plain file name) is one of ProgramFileNames() or the
// desktop program `desktopProgram` (may be empty), in any letter case.
bool IsProgramFileName(const QString& name, const QString& desktopProgram);

} // namespace pafdm
