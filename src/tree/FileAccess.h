#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace rw {

// Reads the whole file in one go; errno describes a failure.
bool ReadFile(const std::string& path, std::string& content);

// Takes the file's text in pieces; false stops the writing.
using ByteSink = std::function<bool(std::string_view)>;

// Writes a temporary file beside the target, handing `write` a sink into it,
// and renames it over the target, so a failure at any point leaves the old
// file as it was. errno tells why.
bool SaveAtomically(const std::string& savePath, const std::function<bool(const ByteSink&)>& write);

}  // namespace rw
