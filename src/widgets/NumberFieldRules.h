#pragma once

#include <string>

namespace rw {

// The arithmetic of a number field without any widget: range, arrow steps
// with their tolerance, display text.
struct NumberFieldRules {
    double minimum = 0.0;
    double maximum = 100.0;
    double step = 1.0;
    // The field holds an integer: the display is the nearest whole number in
    // plain digits, never exponent text an integer field could not read back.
    bool wholeNumbers = false;

    void ApplyRange(double min, double max, double stepSize);
    // The value after an arrow press of `delta` steps from `current`, kept
    // within the range up to a tolerance of one part in 1e9.
    double Stepped(double current, int delta) const;
    // "%g", or plain digits for whole numbers; never through the locale.
    std::string FormatValue(double value) const;
};

}  // namespace rw
