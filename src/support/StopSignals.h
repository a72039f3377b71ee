#pragma once

namespace pafdm {

// SIGINT, SIGTERM and SIGHUP as the operator's request to stop an update run
// rather than an end of the process. While one of these objects exists the
// three signals are caught; the previous handlers come back when it ends.
// Only one may exist at a time.
class StopSignals {
public:
    // `note`, when given, is written to standard error at the first signal.
    explicit StopSignals(const char* note = nullptr);
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // The first signal caught, 0 while none was.
    static int Received();
    // True when a signal was caught since the last call; reading clears it
    // (a download takes it as its Cancel button).
    static bool TakeInterrupt();
    // Readable once a signal was caught: an event loop watches it to wake up.
    int WakeDescriptor() const;

private:
    int m_wake[2] = {-1, -1};
};

} // namespace pafdm
