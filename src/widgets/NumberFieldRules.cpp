#include "widgets/NumberFieldRules.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "tree/Numbers.h"

namespace rw {

void NumberFieldRules::ApplyRange(double min, double max, double stepSize) {
    minimum = min;
    maximum = max;
    step = stepSize;
}

double NumberFieldRules::Stepped(double current, int delta) const {
    const double value = current + delta * step;
    const double bound = delta < 0 ? minimum : maximum;
    const double reference = delta < 0 ? std::max(value, minimum) : std::max(value, maximum);
    const double tolerance = std::max(std::fabs(reference * 1e-9), 1e-9);
    const bool past = delta < 0 ? minimum - value > tolerance : value - maximum > tolerance;
    return past ? bound : value;
}

std::string NumberFieldRules::FormatValue(double value) const {
    if (!wholeNumbers) {
        return FormatG(value);
    }
    // + 0.0 turns a negative zero into a plain "0".
    std::array<char, 400> buffer{};
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::nearbyint(value) + 0.0,
                      std::chars_format::fixed, 0);
    return error == std::errc() ? std::string(buffer.data(), end) : FormatG(value);
}

}  // namespace rw
