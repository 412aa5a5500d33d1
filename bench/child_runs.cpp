#include "child_runs.h"

#include <chrono>
#include <cstring>
#include <stdexcept>

#include <fcntl.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace bench {

namespace {

std::string nameOf(const std::string& assignment) {
    return assignment.substr(0, assignment.find('='));
}

std::vector<std::string> environmentWith(const std::vector<std::string>& overrides) {
    std::vector<std::string> result;
    for (char** entry = environ; *entry; ++entry) {
        const std::string assignment(*entry);
        bool overridden = false;
        for (const std::string& o : overrides)
            overridden = overridden || nameOf(o) == nameOf(assignment);
        if (!overridden)
            result.push_back(assignment);
    }
    result.insert(result.end(), overrides.begin(), overrides.end());
    return result;
}

// The child's error output goes to an anonymous file, so that Qt's notes on a platform plugin do
// not break the table, yet a failing run can say why.
class ErrorCapture {
public:
    ErrorCapture() : fd_(memfd_create("bench-child-stderr", 0)) {
        if (fd_ < 0)
            throw std::runtime_error(std::string("memfd_create: ") + std::strerror(errno));
    }
    ~ErrorCapture() { close(fd_); }
    ErrorCapture(const ErrorCapture&) = delete;
    ErrorCapture& operator=(const ErrorCapture&) = delete;

    int fd() const { return fd_; }

    std::string text() const {
        std::string result;
        char buffer[4096];
        ssize_t n;
        off_t offset = 0;
        while ((n = pread(fd_, buffer, sizeof buffer, offset)) > 0) {
            result.append(buffer, size_t(n));
            offset += n;
        }
        return result;
    }

private:
    int fd_;
};

} // namespace

ChildRun runToExit(const std::string& program, const std::vector<std::string>& overrides) {
    std::vector<std::string> environment = environmentWith(overrides);
    std::vector<char*> envp;
    for (std::string& assignment : environment)
        envp.push_back(assignment.data());
    envp.push_back(nullptr);
    std::string argv0 = program;
    char* argv[] = {argv0.data(), nullptr};

    ErrorCapture errors;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, errors.fd(), STDERR_FILENO);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        throw std::runtime_error(program + ": " + std::strerror(spawned));
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        throw std::runtime_error(program + ": wait4: " + std::strerror(errno));
    const auto end = std::chrono::steady_clock::now();

    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        const std::string how = WIFEXITED(status)
                                    ? "exit code " + std::to_string(WEXITSTATUS(status))
                                    : "signal " + std::to_string(WTERMSIG(status));
        throw std::runtime_error(program + " ended with " + how + "\n" + errors.text());
    }
    // Linux counts ru_maxrss in KiB.
    return {std::chrono::duration<double, std::milli>(end - start).count(),
            double(usage.ru_maxrss) / 1024.0};
}

} // namespace bench
