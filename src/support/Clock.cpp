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
    volatile int rounds = 0;
    while (rounds < 100000) {
        const int next = rounds + 1;
        rounds = next;
    }
}

} // namespace pafdm
