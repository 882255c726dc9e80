#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace rw {

// The exit status of a command.
enum ExitStatus : int {
    kExitSuccess = 0,
    // `get` found no such key; `check` reported something.
    kExitFindings = 1,
    // A usage error, or a file that could not be read, loaded or written.
    kExitFailure = 2,
};

// Runs one rigwright-cli command; returns its ExitStatus. Values printed to a
// terminal have their control characters escaped.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           bool outIsTerminal = false);

}  // namespace rw
