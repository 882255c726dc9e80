#include "document/SaveCheck.h"

namespace rw {

std::string SaveWarningMessage(const std::string& warnings) {
    return "The following warnings occurred:\n\n" + warnings + "\n\nDo you still want to save?\n";
}

}  // namespace rw
