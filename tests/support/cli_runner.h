#pragma once
// Runs tellmark-cli as a separate process, as a script or a second copy of the program would.

#include <string>
#include <vector>

namespace tellmark::testing {

struct CliResult {
    int exitCode = -1;
    std::string out;  // stdout
    std::string err;  // stderr
};

// Runs tellmark-cli with "-C dir" and the given arguments (passed as they are, UTF-8), with input as its
// standard input (empty: /dev/null).
CliResult runCli(const std::string& dir, const std::vector<std::string>& args, const std::string& input = "");

}  // namespace tellmark::testing
