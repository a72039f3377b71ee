#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace pafdm {

// One updater at a time: the lock file pafdm-update.lock in the data
// directory, held for the whole of a run that changes data files. The file
// records the process, host and program holding it; a lock left behind by a
// process of this machine that has died is taken over, a lock of another
// machine (a data directory on a share) is never taken over by age, however
// long that machine's update runs.
class UpdateLock {
public:
    explicit UpdateLock(const QString& dataDirectory);
    ~UpdateLock();
    UpdateLock(const UpdateLock&) = delete;
    UpdateLock& operator=(const UpdateLock&) = delete;

    enum class Outcome { kTaken, kHeldByAnother, kFailed };

    // Takes the lock without waiting. On kHeldByAnother or kFailed,
    // Explanation() says why in a sentence for the operator. The lock is
    // released when this object ends.
    Outcome TryLock();
    QString Explanation() const { return m_explanation; }
    QString FilePath() const { return m_path; }

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    QString m_explanation;
};

} // namespace pafdm
