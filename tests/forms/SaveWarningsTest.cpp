#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <tuple>

#include "document/SaveCheck.h"
#include "forms/FormSet.h"
#include "forms/SaveWarnings.h"

namespace rw {
namespace {

// The forms the checks read.
struct Values {
    explicit Values(FormSet& forms)
        : e(forms.Engine()),
          g(forms.General()),
          d(forms.Driveline()),
          box(forms.Gearbox()),
          susp(forms.Suspension().suspensions) {}
    EngineForm& e;
    GeneralForm& g;
    DrivelineForm& d;
    GearboxForm& box;
    std::array<SuspensionValues, kWheelCount>& susp;
};

// Values that pass every check.
void Clean(FormSet& forms) {
    Values v(forms);
    v.e.maxRpm = 7000, v.e.idleRpm = 900, v.e.stallRpm = 500, v.e.startRpm = 1000;
    v.e.autoclutchRpm = 1500, v.e.shiftUpRpm = 6500, v.e.shiftDownRpm = 3000;
    v.e.curveTorque = "torque.crv", v.e.brakingCoeff = 0.74f;
    v.g.id = "rw_test", v.g.version = "050b10", v.d.ratio = 4.1f, v.box.reverseRatio = -3.2f;
    for (SuspensionValues& susp : v.susp) {
        susp.minLength = 0.1f, susp.maxLength = 0.3f, susp.restLength = 0.2f;
    }
}

constexpr const char* kStallIdle = "Engine Stall RPM is greater than the engine Idle RPM.\n";
constexpr const char* kStallMax = "Engine Stall RPM is greater than the engine Max RPM.\n";
constexpr const char* kIdleMax = "Engine Idle RPM is greater than the engine Max RPM.\n";
constexpr const char* kAutoclutchMax =
    "Engine Autoclutch RPM is greater than the engine Max RPM.\n";
constexpr const char* kStartMax = "Engine Start RPM is greater than the engine Max RPM.\n";
constexpr const char* kShift = "Auto shift-up RPM is below Auto shift-down RPM.\n";
constexpr const char* kCurve =
    "You have not specified a torque curve (.crv) file for the engine.\n";
constexpr const char* kId = "This car has no ID. It will not load in Tavix without one.\n";
constexpr const char* kVersion =
    "This car has no Version. It will not load in Tavix without one.\n";
constexpr const char* kBraking = "Engine Braking coefficient should be > 0.\n";
constexpr const char* kDiff = "The Differential ratio is 0. The car will not move.\n";
constexpr const char* kReverse = "Reverse Gear ratio should be negative.\n";

std::string MinMax(int i) {
    return "On Susp" + std::to_string(i) + ", the min_length is greater than max_length.\n";
}
std::string Rest(int i) {
    return "On Susp" + std::to_string(i) +
           ", the rest_length is outside the size of the spring bounds.\n";
}

// Sets one suspension's min, max and rest lengths.
std::function<void(Values&)> Susp(int i, std::array<float, 3> lengths) {
    return [=](Values& v) {
        SuspensionValues& susp = v.susp[static_cast<std::size_t>(i)];
        susp.minLength = lengths[0], susp.maxLength = lengths[1], susp.restLength = lengths[2];
    };
}

// Each check failing alone, one past its bound where the bound is a number;
// then every bound met exactly, which warns of nothing.
TEST(SaveWarningsTest, EachCheckAndItsBoundary) {
    const float tiny = std::numeric_limits<float>::denorm_min();
    const std::tuple<const char*, std::function<void(Values&)>, std::string> cases[] = {
        {"stall above idle", [](Values& v) { v.e.stallRpm = v.e.idleRpm + 1; }, kStallIdle},
        {"stall above max",
         [](Values& v) { v.e.idleRpm = 9000, v.e.stallRpm = 8000, v.e.maxRpm = 7999; },
         std::string(kStallMax) + kIdleMax},
        {"idle above max", [](Values& v) { v.e.idleRpm = v.e.maxRpm + 1; }, kIdleMax},
        {"autoclutch above max", [](Values& v) { v.e.autoclutchRpm = v.e.maxRpm + 1; },
         kAutoclutchMax},
        {"start above max", [](Values& v) { v.e.startRpm = v.e.maxRpm + 1; }, kStartMax},
        {"shift up below down", [](Values& v) { v.e.shiftUpRpm = v.e.shiftDownRpm - 1; }, kShift},
        {"no curve", [](Values& v) { v.e.curveTorque.clear(); }, kCurve},
        {"no id", [](Values& v) { v.g.id.clear(); }, kId},
        {"null id", [](Values& v) { v.g.id = "<null>"; }, kId},
        {"no version", [](Values& v) { v.g.version.clear(); }, kVersion},
        {"null version", [](Values& v) { v.g.version = "<null>"; }, kVersion},
        {"braking below zero", [tiny](Values& v) { v.e.brakingCoeff = -tiny; }, kBraking},
        {"diff zero", [](Values& v) { v.d.ratio = 0.0f; }, kDiff},
        {"diff minus zero", [](Values& v) { v.d.ratio = -0.0f; }, kDiff},
        {"reverse positive", [tiny](Values& v) { v.box.reverseRatio = tiny; }, kReverse},
        {"min above max", Susp(2, {0.3f, 0.2f, 0.25f}), MinMax(2) + Rest(2)},
        {"min just above max", Susp(1, {std::nextafter(0.2f, 1.0f), 0.2f, 0.2f}),
         MinMax(1) + Rest(1)},
        {"rest above max", Susp(0, {0.2f, 0.25f, 0.3f}), Rest(0)},
        {"rest just above max", Susp(3, {0.1f, 0.3f, std::nextafter(0.3f, 1.0f)}), Rest(3)},
        {"rest just below min", Susp(3, {0.1f, 0.3f, std::nextafter(0.1f, 0.0f)}), Rest(3)},
        // "<NULL>" is a name, not the null mark; rest on min, on max, all equal.
        {"every bound met",
         [tiny](Values& v) {
             v.e.stallRpm = v.e.idleRpm = v.e.startRpm = v.e.autoclutchRpm = v.e.maxRpm;
             v.e.shiftUpRpm = v.e.shiftDownRpm;
             v.e.curveTorque = " ", v.g.id = "<NULL>", v.e.brakingCoeff = 0.0f;
             v.d.ratio = tiny, v.box.reverseRatio = 0.0f;
             Susp(0, {0.1f, 0.3f, 0.1f})(v), Susp(1, {0.1f, 0.3f, 0.3f})(v);
             Susp(2, {0.2f, 0.2f, 0.2f})(v);
         },
         ""},
        {"negative speeds compare signed",
         [](Values& v) {
             v.e.maxRpm = 1, v.e.idleRpm = 0, v.e.stallRpm = -10, v.e.startRpm = -2;
             v.e.autoclutchRpm = -3, v.e.shiftDownRpm = -1, v.e.brakingCoeff = -0.0f;
         },
         ""},
    };
    for (const auto& [name, change, expected] : cases) {
        SCOPED_TRACE(name);
        FormSet forms;
        Clean(forms);
        Values values(forms);
        change(values);
        EXPECT_EQ(SaveWarnings(forms), expected);
    }
}

TEST(SaveWarningsTest, EveryCheckFailingListsTheLinesInOrder) {
    FormSet forms;
    Values v(forms);
    v.e.maxRpm = 100, v.e.idleRpm = 200, v.e.stallRpm = 300, v.e.startRpm = 101;
    v.e.autoclutchRpm = 102, v.e.shiftUpRpm = 1, v.e.shiftDownRpm = 2, v.e.brakingCoeff = -1.0f;
    v.box.reverseRatio = 1.0f;
    for (int i = 0; i < 4; ++i) {
        Susp(i, {0.3f, 0.2f, 0.1f})(v);
    }
    std::string expected = std::string(kStallIdle) + kStallMax + kIdleMax + kAutoclutchMax +
                           kStartMax + kShift + kCurve + kId + kVersion + kBraking + kDiff +
                           kReverse;
    for (int i = 0; i < 4; ++i) {
        expected += MinMax(i) + Rest(i);
    }
    EXPECT_EQ(SaveWarnings(forms), expected);
}

TEST(SaveWarningMessageTest, WrapsTheLines) {
    EXPECT_EQ(SaveWarningMessage("One.\nTwo.\n"),
              "The following warnings occurred:\n\nOne.\nTwo.\n\n\nDo you still want to save?\n");
}

}  // namespace
}  // namespace rw
