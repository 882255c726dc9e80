#include "forms/FormatFixed.h"

#include <array>
#include <charconv>

namespace rw {

std::string FormatFixed(double number, int decimals) {
    // Room for the largest double written out in full plus the decimals.
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), number,
                                      std::chars_format::fixed, decimals);
    if (result.ec != std::errc{}) {
        return {};
    }
    return std::string(buffer.data(), result.ptr);
}

}  // namespace rw
