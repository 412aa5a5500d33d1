#include "child_runs.h"

#include <chrono>
#include <csignal>
#include <cstring>
#include <fstream>
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

namespace {

// Starts `program` with its standard output on `output` (a file descriptor, or /dev/null) and
// its error output captured.
pid_t spawn(std::vector<std::string> command, const std::vector<std::string>& overrides, int output,
            const ErrorCapture& errors) {
    std::vector<std::string> environment = environmentWith(overrides);
    std::vector<char*> envp;
    for (std::string& assignment : environment)
        envp.push_back(assignment.data());
    envp.push_back(nullptr);
    std::vector<char*> argv;
    for (std::string& word : command)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    const std::string& program = command.front();

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (output < 0)
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    else
        posix_spawn_file_actions_adddup2(&actions, output, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errors.fd(), STDERR_FILENO);
    pid_t pid = 0;
    const int spawned =
        posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        throw std::runtime_error(program + ": " + std::strerror(spawned));
    return pid;
}

double residentMiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            double kib = 0;
            status >> kib;
            return kib / 1024.0;
        }
        status.ignore(4096, '\n');
    }
    throw std::runtime_error("no VmRSS for process " + std::to_string(pid));
}

} // namespace

// A program's file as the kernel holds it for an installed program: on the disk, and only the
// pages read from it in memory. Just written by the linker, the file lies whole in the page cache,
// in pieces as large as the kernel chose, and a process that reads one page of a piece is given
// all of it: that alone moved the settled memory by half a MiB between identical runs.
void readFromDisk(const std::string& program) {
    const int file = open(program.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0)
        throw std::runtime_error(program + ": " + std::strerror(errno));
    fsync(file);
    posix_fadvise(file, 0, 0, POSIX_FADV_DONTNEED);
    close(file);
}

double residentWhenSettled(const std::string& program, const std::vector<std::string>& overrides) {
    readFromDisk(program);
    ErrorCapture errors;
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
    const pid_t pid = spawn({program}, overrides, pipeEnds[1], errors);
    close(pipeEnds[1]);
    char c = 0;
    bool settled = false;
    while (read(pipeEnds[0], &c, 1) == 1) {
        if (c == '\n') {
            settled = true;
            break;
        }
    }
    close(pipeEnds[0]);
    const double resident = settled ? residentMiB(pid) : 0;
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!settled)
        throw std::runtime_error(program + " never settled\n" + errors.text());
    return resident;
}

ChildRun runToExit(const std::string& program, const std::vector<std::string>& overrides) {
    ErrorCapture errors;
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = spawn({program}, overrides, -1, errors);
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

std::optional<double> instructionsToExit(const std::string& program,
                                         const std::vector<std::string>& overrides) {
    ErrorCapture errors;
    const pid_t pid =
        spawn({"valgrind", "--tool=callgrind", "--callgrind-out-file=/dev/null", program},
              overrides, -1, errors);
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    // "==N== Collected : 86312345"
    const std::string text = errors.text();
    const std::string marker = "Collected : ";
    const size_t at = text.find(marker);
    if (at == std::string::npos)
        return std::nullopt;
    return std::stod(text.substr(at + marker.size()));
}

} // namespace bench
