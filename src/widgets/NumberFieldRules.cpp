#include "widgets/NumberFieldRules.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

#include "tree/Numbers.h"

namespace rw {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string ToChars(double value, std::chars_format form, int digits) {
    std::array<char, 400> buffer{};
    auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, form, digits);
    if (error != std::errc()) {
        return FormatG(value);
    }
    return std::string(buffer.data(), end);
}

std::string TrimmedZeros(std::string text, char point) {
    if (text.find(point) == std::string::npos) {
        return text;
    }
    std::size_t exponentAt = text.find_first_of("eE");
    std::string exponent;
    if (exponentAt != std::string::npos) {
        exponent = text.substr(exponentAt);
        text.erase(exponentAt);
    }
    while (!text.empty() && text.back() == '0') {
        text.pop_back();
    }
    if (!text.empty() && text.back() == point) {
        text.pop_back();
    }
    return text + exponent;
}

// One conversion of customFormat; nothing when the format is not one we can
// honour safely (a printf format from outside must never pick the arguments).
std::optional<std::string> CustomText(std::string_view format, double value) {
    std::string out;
    bool converted = false;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            out += format[i];
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '%') {
            out += '%';
            ++i;
            continue;
        }
        if (converted) {
            return std::nullopt;
        }
        ++i;
        while (i < format.size() &&
               std::string_view("-+ #0").find(format[i]) != std::string_view::npos) {
            ++i;
        }
        while (i < format.size() && IsDigit(format[i])) {
            ++i;
        }
        int digits = 6;
        if (i < format.size() && format[i] == '.') {
            ++i;
            digits = 0;
            while (i < format.size() && IsDigit(format[i])) {
                digits = std::min(digits * 10 + (format[i] - '0'), 100);
                ++i;
            }
        }
        if (i < format.size() && format[i] == 'l') {
            ++i;
        }
        if (i >= format.size()) {
            return std::nullopt;
        }
        const char kind = format[i];
        std::string text;
        switch (kind) {
            case 'f':
            case 'F':
                text = ToChars(value, std::chars_format::fixed, digits);
                break;
            case 'e':
            case 'E':
                text = ToChars(value, std::chars_format::scientific, digits);
                break;
            case 'g':
            case 'G':
                text = FormatG(value, digits == 0 ? 1 : digits);
                break;
            default:
                return std::nullopt;
        }
        if (kind == 'E' || kind == 'G' || kind == 'F') {
            std::transform(text.begin(), text.end(), text.begin(),
                           [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; });
        }
        out += text;
        converted = true;
    }
    if (!converted) {
        return std::nullopt;
    }
    return out;
}

}  // namespace

bool NumberFieldRules::ApplyRange(double min, double max, double stepSize) {
    minimum = min;
    maximum = max;
    step = stepSize;
    if (step == 0.0) {
        return false;
    }
    const double count = std::fabs((max - min) / step);
    // NaN fails the comparison and takes the cap too.
    positionCount =
        count <= kMaxPositionCount ? static_cast<std::int32_t>(count) : kMaxPositionCount;
    return true;
}

std::optional<std::int32_t> NumberFieldRules::PositionFor(double value) const {
    if (maximum == minimum) {
        return std::nullopt;
    }
    if (value < minimum) {
        return 0;
    }
    if (value > maximum) {
        return positionCount;
    }
    const double position = positionCount * (value - minimum) / (maximum - minimum) + 0.5;
    if (!(position >= 0.0)) {
        return 0;
    }
    return position >= positionCount ? positionCount : static_cast<std::int32_t>(position);
}

double NumberFieldRules::Stepped(double current, int delta) const {
    double value = current + delta * step;
    if (delta < 0) {
        const double reference = std::max(value, minimum);
        const double tolerance = std::max(std::fabs(reference * 1e-9), 1e-9);
        if (minimum - value > tolerance) {
            value = wrap ? maximum : minimum;
        }
    } else {
        const double reference = std::max(value, maximum);
        const double tolerance = std::max(std::fabs(reference * 1e-9), 1e-9);
        if (value - maximum > tolerance) {
            value = wrap ? minimum : maximum;
        }
    }
    return value;
}

std::string NumberFieldRules::FormatValue(double value) const {
    if (wholeNumbers) {
        // + 0.0 turns a negative zero into a plain "0".
        return ToChars(std::nearbyint(value) + 0.0, std::chars_format::fixed, 0);
    }
    std::string text = FormatG(value);
    if (precision >= 0) {
        const int digits = std::min(precision, 100);
        text = text.find('e') != std::string::npos
                   ? ToChars(value, std::chars_format::scientific, digits)
                   : ToChars(value, std::chars_format::fixed, digits);
    }
    return trimZeros ? TrimmedZeros(std::move(text), decimalPoint) : text;
}

std::string NumberFieldRules::DisplayText(double value) const {
    if (!customFormat.empty()) {
        if (std::optional<std::string> text = CustomText(customFormat, value)) {
            return *text;
        }
    }
    return FormatValue(value);
}

}  // namespace rw
