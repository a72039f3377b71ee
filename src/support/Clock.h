#pragma once

#include <QDateTime>

#include <chrono>

namespace pafdm {

// Time and pauses, injectable so retry loops and time limits run in
// milliseconds under test.
class Clock {
public:
    virtual ~Clock() = default;
    // Local wall-clock time (log lines).
    virtual QDateTime Now() const { return QDateTime::currentDateTime(); }
    // Monotonic time for elapsed-time limits.
    virtual std::chrono::steady_clock::time_point Monotonic() const { return std::chrono::steady_clock::now(); }
    // Sleeps the calling thread.
    virtual void Sleep(std::chrono::milliseconds duration);
    // The short busy pause of the loggers (100,000 empty rounds).
    virtual void BusyPause();
};

} // namespace pafdm
