#pragma once

#include <string>

namespace rw {

// The text of the question shown for a non-empty list of save-time warnings.
std::string SaveWarningMessage(const std::string& warnings);

}  // namespace rw
