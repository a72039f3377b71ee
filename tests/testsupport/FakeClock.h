#pragma once

#include "support/Clock.h"

#include <vector>

namespace pafdm::test {

// A clock whose time only moves when something sleeps on it.
class FakeClock : public Clock {
public:
    FakeClock()
        : m_now(QDateTime(QDate(2007, 3, 20), QTime(14, 5, 9)))
    { }

    QDateTime Now() const override { return m_now.addMSecs(m_elapsed.count()); }
    std::chrono::steady_clock::time_point Monotonic() const override
    {
        return std::chrono::steady_clock::time_point(m_elapsed);
    }
    void Sleep(std::chrono::milliseconds duration) override
    {
        sleeps.push_back(duration);
        m_elapsed += duration;
    }
    void BusyPause() override { ++busyPauses; }

    void SetNow(const QDateTime& now) { m_now = now; }
    void Advance(std::chrono::milliseconds by) { m_elapsed += by; }

    std::vector<std::chrono::milliseconds> sleeps;
    int busyPauses = 0;

private:
    QDateTime m_now;
    std::chrono::milliseconds m_elapsed{0};
};

} // namespace pafdm::test
