#include "update/UpdateLock.h"

#include "support/ProgramFiles.h"
#include "support/SystemHelpers.h"

#include <QDir>
#include <QLockFile>

namespace pafdm {

UpdateLock::UpdateLock(const QString& dataDirectory)
    : m_path(QDir(dataDirectory).filePath(QString::fromLatin1(kUpdateLockFileName)))
    , m_lock(std::make_unique<QLockFile>(m_path))
{
    // Age says nothing about a lock of another machine: its update may run
    // for many minutes. Only a dead process of this machine frees a lock.
    m_lock->setStaleLockTime(0);
}

UpdateLock::~UpdateLock() = default;

UpdateLock::Outcome UpdateLock::TryLock()
{
    if (m_lock->tryLock(0))
        return Outcome::kTaken;
    if (m_lock->error() == QLockFile::LockFailedError) {
        qint64 pid = 0;
        QString host;
        QString program;
        const bool known = m_lock->getLockInfo(&pid, &host, &program);
        // A lock file that names nobody was left by an updater killed between
        // making it and writing in it. It is removed only when no process
        // holds it (Qt checks the file lock a live holder keeps on it).
        if (!known && m_lock->removeStaleLockFile() && m_lock->tryLock(0))
            return Outcome::kTaken;
        if (known) {
            m_explanation = QStringLiteral("Another update of this data set is running: process %1 (%2) on %3. "
                                           "Try again when it has finished.")
                                .arg(pid)
                                .arg(program.isEmpty() ? QStringLiteral("unknown program") : program,
                                     host.isEmpty() ? QStringLiteral("an unknown machine") : host);
            if (host.compare(GetComputerNameText(), Qt::CaseInsensitive) != 0)
                m_explanation += QStringLiteral(" If no update is running on %1, remove '%2'.").arg(host, m_path);
        } else {
            m_explanation = QStringLiteral("Another update of this data set is running (the lock file '%1' is "
                                           "held). Try again when it has finished.")
                                .arg(m_path);
        }
        return Outcome::kHeldByAnother;
    }
    m_explanation = m_lock->error() == QLockFile::PermissionError
        ? QStringLiteral("Cannot create the update lock file '%1': permission denied.").arg(m_path)
        : QStringLiteral("Cannot create the update lock file '%1'.").arg(m_path);
    return Outcome::kFailed;
}

} // namespace pafdm
