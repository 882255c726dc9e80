#pragma once

#include <cstdint>

namespace rw {

// The numbers are stable: they are what reader, writer and lookups test.
enum class NodeKind : std::int32_t {
    Value = 0,
    BlankLine = 1,
    Comment = 2,
    Block = 3,
    InheritBlock = 4,
    LoneName = 5,
};

}  // namespace rw
