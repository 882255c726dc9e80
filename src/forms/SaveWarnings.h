#pragma once

#include <string>

namespace rw {

class FormSet;

// The save-time warning lines, each ending in "\n", in the order of the
// checks, for the values the forms hold; empty when every check passes.
std::string SaveWarnings(const FormSet& forms);

}  // namespace rw
