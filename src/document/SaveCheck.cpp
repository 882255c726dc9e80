#include "document/SaveCheck.h"

#include <cstddef>

#include "tree/Numbers.h"

namespace rw {

namespace {

bool Missing(const std::string& text) {
    return text.empty() || text == "<null>";
}

}  // namespace

// Every comparison is strict and on the 32-bit values the pages hold: a value
// exactly on a bound is accepted.
std::string SaveWarnings(const SaveCheckValues& values) {
    std::string lines;
    const auto check = [&lines](bool condition, const char* line) {
        if (condition) {
            lines += line;
        }
    };
    check(values.stallRpm > values.idleRpm,
          "Engine Stall RPM is greater than the engine Idle RPM.\n");
    check(values.stallRpm > values.maxRpm,
          "Engine Stall RPM is greater than the engine Max RPM.\n");
    check(values.idleRpm > values.maxRpm, "Engine Idle RPM is greater than the engine Max RPM.\n");
    check(values.autoclutchRpm > values.maxRpm,
          "Engine Autoclutch RPM is greater than the engine Max RPM.\n");
    check(values.startRpm > values.maxRpm,
          "Engine Start RPM is greater than the engine Max RPM.\n");
    check(values.shiftUpRpm < values.shiftDownRpm,
          "Auto shift-up RPM is below Auto shift-down RPM.\n");
    check(values.curveTorque.empty(),
          "You have not specified a torque curve (.crv) file for the engine.\n");
    check(Missing(values.id), "This car has no ID. It will not load in Tavix without one.\n");
    check(Missing(values.version),
          "This car has no Version. It will not load in Tavix without one.\n");
    check(values.brakingCoeff < 0.0f, "Engine Braking coefficient should be > 0.\n");
    check(values.differentialRatio == 0.0f,
          "The Differential ratio is 0. The car will not move.\n");
    check(values.reverseRatio > 0.0f, "Reverse Gear ratio should be negative.\n");
    for (std::size_t i = 0; i < values.suspensions.size(); ++i) {
        const SaveCheckValues::Suspension& susp = values.suspensions[i];
        const std::string number = FormatInt(static_cast<std::int32_t>(i));
        if (susp.minLength > susp.maxLength) {
            lines += "On Susp" + number + ", the min_length is greater than max_length.\n";
        }
        if (susp.restLength < susp.minLength || susp.restLength > susp.maxLength) {
            lines += "On Susp" + number +
                     ", the rest_length is outside the size of the spring bounds.\n";
        }
    }
    return lines;
}

std::string SaveWarningMessage(const std::string& warnings) {
    return "The following warnings occurred:\n\n" + warnings + "\n\nDo you still want to save?\n";
}

}  // namespace rw
