#include "support/StopSignals.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <iterator>
#include <unistd.h>

namespace pafdm {

namespace {

constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};
std::atomic<bool> g_interrupted{false};
std::atomic<int> g_stopSignal{0};
std::atomic<int> g_wakeFd{-1};
const char* g_note = nullptr;
struct sigaction g_previousActions[std::size(kStopSignals)]{};

// Only async-signal-safe calls here: atomics and write(2).
void OnStopSignal(int signal)
{
    const int savedErrno = errno;
    g_interrupted.store(true);
    int none = 0;
    if (g_stopSignal.compare_exchange_strong(none, signal)) {
        if (g_note != nullptr) {
            size_t length = 0;
            while (g_note[length] != '\0')
                ++length;
            const ssize_t ignored = ::write(STDERR_FILENO, g_note, length);
            (void)ignored;
        }
    }
    if (const int fd = g_wakeFd.load(); fd >= 0) {
        const char byte = 1;
        const ssize_t ignored = ::write(fd, &byte, 1);
        (void)ignored;
    }
    errno = savedErrno;
}

} // namespace

StopSignals::StopSignals(const char* note)
{
    if (::pipe2(m_wake, O_CLOEXEC | O_NONBLOCK) != 0)
        m_wake[0] = m_wake[1] = -1;
    g_note = note;
    g_interrupted.store(false);
    g_stopSignal.store(0);
    g_wakeFd.store(m_wake[1]);
    struct sigaction action { };
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    for (size_t i = 0; i < std::size(kStopSignals); ++i)
        ::sigaction(kStopSignals[i], &action, &g_previousActions[i]);
}

StopSignals::~StopSignals()
{
    for (size_t i = 0; i < std::size(kStopSignals); ++i)
        ::sigaction(kStopSignals[i], &g_previousActions[i], nullptr);
    g_wakeFd.store(-1);
    for (int fd : m_wake) {
        if (fd >= 0)
            ::close(fd);
    }
}

int StopSignals::Received()
{
    return g_stopSignal.load();
}

bool StopSignals::TakeInterrupt()
{
    return g_interrupted.exchange(false);
}

int StopSignals::WakeDescriptor() const
{
    return m_wake[0];
}

} // namespace pafdm
