#pragma once

#include <optional>
#include <string>
#include <vector>

namespace bench {

// One whole run of a program, from just before it is started to its exit.
struct ChildRun {
    double milliseconds = 0;
    // Peak resident set of that process alone.
    double peakRssMiB = 0;
};

// Starts `program` with this process's environment, `overrides` (NAME=value) taking precedence,
// and waits for its exit. Throws std::runtime_error with what the program wrote to its error
// output when it cannot start or exits other than with 0.
ChildRun runToExit(const std::string& program, const std::vector<std::string>& overrides);

// Starts `program` like runToExit, waits until it writes a line to its standard output, reads
// the resident memory of the running process from /proc, in MiB, and ends it. The program's own
// file is read from the disk, as an installed program's is, not from what the page cache holds
// of it.
double residentWhenSettled(const std::string& program, const std::vector<std::string>& overrides);

// The instructions `program` runs from its start to its exit, counted by valgrind's callgrind;
// nothing when valgrind is not there or the run fails.
std::optional<double> instructionsToExit(const std::string& program,
                                         const std::vector<std::string>& overrides);

} // namespace bench
