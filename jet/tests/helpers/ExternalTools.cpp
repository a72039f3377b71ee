#include "helpers/ExternalTools.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace jet::test {

namespace {

// Reads both pipes to their ends, so that neither fills up and stalls the child.
void Drain(int outFd, int errFd, std::string& out, std::string& err)
{
    pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
    int open = 2;
    char buffer[65536];
    while (open > 0) {
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0)
                continue;
            const ssize_t got = ::read(fds[i].fd, buffer, sizeof buffer);
            if (got > 0) {
                (i == 0 ? out : err).append(buffer, static_cast<size_t>(got));
            } else if (got == 0 || errno != EINTR) {
                fds[i].fd = -1;
                --open;
            }
        }
    }
}

} // namespace

ProcessResult RunProgram(const std::string& program, const std::vector<std::string>& arguments)
{
    ProcessResult result;
    int outPipe[2];
    int errPipe[2];
    if (::pipe(outPipe) != 0)
        return result;
    if (::pipe(errPipe) != 0) {
        ::close(outPipe[0]);
        ::close(outPipe[1]);
        return result;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errPipe[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, outPipe[0]);
    posix_spawn_file_actions_addclose(&actions, errPipe[0]);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int spawned = ::posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(outPipe[1]);
    ::close(errPipe[1]);
    if (spawned == 0)
        Drain(outPipe[0], errPipe[0], result.out, result.err);
    else
        result.err = "cannot start " + program + ": " + std::strerror(spawned);
    ::close(outPipe[0]);
    ::close(errPipe[0]);
    if (spawned != 0)
        return result;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::vector<std::string> Split(const std::string& text, char separator, bool keepEmpty)
{
    std::vector<std::string> pieces;
    size_t start = 0;
    for (size_t end = text.find(separator);; end = text.find(separator, start)) {
        const std::string piece = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (keepEmpty || !piece.empty())
            pieces.push_back(piece);
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return pieces;
}

std::string Trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::string JetToolPath()
{
    return JET_TOOL_PATH;
}

bool MdbToolsAvailable()
{
    bool present = false;
    const char* path = std::getenv("PATH");
    std::string folders = path != nullptr ? path : "";
    for (size_t start = 0; !present && start <= folders.size();) {
        const size_t end = std::min(folders.find(':', start), folders.size());
        const std::string folder = folders.substr(start, end - start);
        present = !folder.empty() && ::access((folder + "/mdb-export").c_str(), X_OK) == 0;
        start = end + 1;
    }
    if (!present && std::getenv("CI") != nullptr)
        ADD_FAILURE() << "mdbtools (mdb-export) not installed";
    return present;
}

::testing::AssertionResult JetCheckPasses(const std::string& path, const std::string& password)
{
    const ProcessResult result = RunProgram(JetToolPath(), {"check", path, "--password", password});
    if (result.exitCode == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pafdm-jet check exit " << result.exitCode << "\n"
                                         << result.out << result.err;
}

int MdbExportRowCount(const std::string& path, const std::string& table)
{
    const ProcessResult result = RunProgram("mdb-export", {path, table});
    if (result.exitCode != 0)
        return -1;
    // Quoted values may hold line breaks: count record ends outside quotes.
    int records = 0;
    bool quoted = false;
    bool any = false;
    for (const char c : result.out) {
        if (c == '"')
            quoted = !quoted;
        if (c == '\n' && !quoted) {
            ++records;
            any = false;
        } else {
            any = true;
        }
    }
    if (any)
        ++records;
    return records - 1;
}

} // namespace jet::test
