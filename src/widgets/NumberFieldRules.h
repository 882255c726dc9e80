#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rw {

// The arithmetic of a number field without any widget: range, positions of
// the spin button, arrow steps with their tolerance, display text.
struct NumberFieldRules {
    // The spin button's own range is 0 to positionCount; larger ranges are
    // capped so that a position always fits in 16 bits.
    static constexpr std::int32_t kMaxPositionCount = 32767;

    double minimum = 0.0;
    double maximum = 100.0;
    double step = 1.0;
    std::int32_t positionCount = 100;
    // Digits after the decimal point; -1 for the free "%g" display.
    std::int32_t precision = -1;
    // One floating conversion (%f, %e, %g, upper case too, optional precision)
    // with literal text around it; replaces the built-in display when set.
    std::string customFormat;
    bool trimZeros = true;
    // Displays never go through the locale, so the point is always '.'.
    char decimalPoint = '.';
    // An arrow press past one end jumps to the other instead of stopping.
    bool wrap = false;
    // The field holds an integer: the display is the nearest whole number in
    // plain digits, never exponent text an integer field could not read back.
    bool wholeNumbers = false;

    // Stores the range. False when the step is 0: then positionCount and the
    // spin button's range are left as they were.
    bool ApplyRange(double min, double max, double stepSize);
    // The spin position for a value; nothing for an empty range.
    std::optional<std::int32_t> PositionFor(double value) const;
    // The value after an arrow press of `delta` steps from `current`, kept
    // within the range up to a tolerance of one part in 1e9.
    double Stepped(double current, int delta) const;
    std::string FormatValue(double value) const;
    // customFormat when set, FormatValue otherwise.
    std::string DisplayText(double value) const;

    void SetPrecision(std::int32_t digits) { precision = digits; }
    void SetCustomFormat(std::optional<std::string> format) {
        customFormat = format ? std::move(*format) : std::string();
    }
};

}  // namespace rw
