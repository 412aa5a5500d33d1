#pragma once

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

} // namespace bench
