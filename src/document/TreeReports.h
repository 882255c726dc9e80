#pragma once

#include <string_view>

#include "document/Reporter.h"
#include "tree/ConfigTree.h"

namespace rw {

// Reading and saving a tree with the messages the editor shows for them:
// each uninterpretable line as it is met (only with showErrors), then the
// brace balance, or the file error. False when the file could not be read.
bool ReadReported(ConfigTree& tree, bool showErrors, Reporter& reporter);
void ReadTextReported(ConfigTree& tree, std::string_view text, bool showErrors, Reporter& reporter);
// False, with the failure shown, when the file could not be written.
bool SaveReported(const ConfigTree& tree, Reporter& reporter, FileStamp* written = nullptr);

}  // namespace rw
