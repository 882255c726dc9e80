#pragma once

#include <string>
#include <string_view>

namespace rw {

// The last component of a picked path: the file's name with its extension.
// Both '/' and '\\' separate folders, since a car may be built on either system.
std::string FileNameOnly(std::string_view path);

}  // namespace rw
