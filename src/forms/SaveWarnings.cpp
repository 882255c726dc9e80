#include "forms/SaveWarnings.h"

#include <cstddef>

#include "forms/FormSet.h"
#include "tree/Numbers.h"

namespace rw {

namespace {

bool Missing(const std::string& text) {
    return text.empty() || text == "<null>";
}

}  // namespace

// Every comparison is strict and on the 32-bit values the pages hold: a value
// exactly on a bound is accepted.
std::string SaveWarnings(const FormSet& forms) {
    const EngineForm& engine = forms.Engine();
    std::string lines;
    const auto check = [&lines](bool condition, const char* line) {
        if (condition) {
            lines += line;
        }
    };
    check(engine.stallRpm > engine.idleRpm,
          "Engine Stall RPM is greater than the engine Idle RPM.\n");
    check(engine.stallRpm > engine.maxRpm,
          "Engine Stall RPM is greater than the engine Max RPM.\n");
    check(engine.idleRpm > engine.maxRpm, "Engine Idle RPM is greater than the engine Max RPM.\n");
    check(engine.autoclutchRpm > engine.maxRpm,
          "Engine Autoclutch RPM is greater than the engine Max RPM.\n");
    check(engine.startRpm > engine.maxRpm,
          "Engine Start RPM is greater than the engine Max RPM.\n");
    check(engine.shiftUpRpm < engine.shiftDownRpm,
          "Auto shift-up RPM is below Auto shift-down RPM.\n");
    check(engine.curveTorque.empty(),
          "You have not specified a torque curve (.crv) file for the engine.\n");
    check(Missing(forms.General().id),
          "This car has no ID. It will not load in Tavix without one.\n");
    check(Missing(forms.General().version),
          "This car has no Version. It will not load in Tavix without one.\n");
    check(engine.brakingCoeff < 0.0f, "Engine Braking coefficient should be > 0.\n");
    check(forms.Driveline().ratio == 0.0f, "The Differential ratio is 0. The car will not move.\n");
    check(forms.Gearbox().reverseRatio > 0.0f, "Reverse Gear ratio should be negative.\n");
    for (int i = 0; i < kWheelCount; ++i) {
        const SuspensionValues& susp = forms.Suspension().suspensions[i];
        const std::string number = FormatInt(i);
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

}  // namespace rw
