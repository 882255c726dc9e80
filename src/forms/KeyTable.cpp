#include "forms/KeyTable.h"

#include "tree/Numbers.h"

namespace rw {

std::string NumberedPrefix(std::string_view block, std::int64_t index) {
    std::string prefix(block);
    prefix += FormatInt(static_cast<std::int32_t>(index));
    prefix += '.';
    return prefix;
}

}  // namespace rw
