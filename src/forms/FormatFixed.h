#pragma once

#include <string>

namespace rw {

// printf's "%.<decimals>f" in the C locale, whatever locale the process runs in.
std::string FormatFixed(double number, int decimals);

}  // namespace rw
