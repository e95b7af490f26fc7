#include "web/program_output.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <chrono>
#include <vector>

extern char** environ;

namespace quillox::web {

namespace {

constexpr std::size_t kMaxOutput = 64 * 1024;

using Clock = std::chrono::steady_clock;

int MillisecondsLeft(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

// Reads until the end of the output or the deadline; false at the deadline.
bool ReadAll(int fd, std::string& output, Clock::time_point deadline) {
    char buffer[4096];
    for (;;) {
        pollfd ready{fd, POLLIN, 0};
        const int polled = poll(&ready, 1, MillisecondsLeft(deadline));
        if (polled < 0 && errno == EINTR) {
            continue;
        }
        if (polled <= 0) {
            return false;
        }
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return true;
        }
        const std::size_t room = kMaxOutput - std::min(kMaxOutput, output.size());
        output.append(buffer, std::min(room, static_cast<std::size_t>(got)));
    }
}

// The exit status once the program ends by the deadline; nothing otherwise,
// the program then killed.
std::optional<int> WaitForEnd(pid_t pid, Clock::time_point deadline) {
    for (;;) {
        int status = 0;
        const pid_t ended = waitpid(pid, &status, WNOHANG);
        if (ended == pid) {
            return status;
        }
        if (ended < 0 && errno != EINTR) {
            return std::nullopt;
        }
        if (MillisecondsLeft(deadline) == 0) {
            kill(pid, SIGKILL);
            while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
            return std::nullopt;
        }
        usleep(10000);
    }
}

}  // namespace

std::optional<std::string> ProgramOutput(const ArgumentVector& arguments, int timeoutMs) {
    if (arguments.empty() || arguments.front().empty() || arguments.front().front() != '/') {
        return std::nullopt;
    }
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) {
        return std::nullopt;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv.front(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0) {
        close(pipeEnds[0]);
        return std::nullopt;
    }

    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    std::string output;
    const bool complete = ReadAll(pipeEnds[0], output, deadline);
    close(pipeEnds[0]);
    if (!complete) {
        kill(pid, SIGKILL);
    }
    const std::optional<int> status = WaitForEnd(pid, deadline);
    if (!complete || !status || !WIFEXITED(*status) || WEXITSTATUS(*status) != 0) {
        return std::nullopt;
    }
    return output;
}

}  // namespace quillox::web
