#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace rw {

// Runs one rigwright-cli command; returns the exit status.
// 0 success, 1 a missing key (get) or warnings (check), 2 usage or file errors.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace rw
