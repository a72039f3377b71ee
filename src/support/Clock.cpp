#include "support/Clock.h"

#include <thread>

namespace pafdm {

void Clock::Sleep(std::chrono::milliseconds duration)
{
    std::this_thread::sleep_for(duration);
}

void Clock::BusyPause()
{
    // The loggers' short pause: a fixed number of empty rounds, not a timed sleep.
    for (volatile int i = 0; i < 100000; i = i + 1) {
    }
}

} // namespace pafdm
