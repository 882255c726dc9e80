#include "forms/FileName.h"

namespace rw {

std::string FileNameOnly(std::string_view path) {
    const std::size_t separator = path.find_last_of("/\\");
    if (separator == std::string_view::npos) {
        return std::string(path);
    }
    return std::string(path.substr(separator + 1));
}

}  // namespace rw
