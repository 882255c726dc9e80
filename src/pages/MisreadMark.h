#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

class QLineEdit;

namespace rw {

class ConfigTree;

// The file's text at `path` where it is there but not plainly a number of
// the kind ("7400 ; redline", "0,25", "yes", "1e39" for a real, "18.5" for
// an integer); a save writes the number the field shows instead.
std::optional<std::string> MisreadNumber(const ConfigTree& tree, std::string_view path,
                                         bool integer);

// Marks the field, its tip saying what the file has and what a save writes,
// or clears the mark and gives back the key's own tip.
void ShowMisread(QLineEdit* edit, const std::optional<std::string>& written, const QString& tip);

}  // namespace rw
