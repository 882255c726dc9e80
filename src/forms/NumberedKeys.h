#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "tree/ConfigTree.h"

namespace rw {

// The numbers N for which the block at `blockPath`, or a block it inherits
// from, holds a child named `stem` followed by N ("gear3" for the stem
// "gear"), ascending and each once. One pass over the children that exist:
// a count read from the file cannot make a scan walk numbers that are absent.
// A lookup still decides whether such a child is reachable.
std::vector<std::int32_t> NumberedIndices(const ConfigTree& tree, std::string_view blockPath,
                                          std::string_view stem);

}  // namespace rw
