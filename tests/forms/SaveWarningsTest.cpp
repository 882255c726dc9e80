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

// The forms the checks read, under the names of what they check.
struct Values {
    explicit Values(FormSet& forms)
        : maxRpm(forms.Engine().maxRpm),
          idleRpm(forms.Engine().idleRpm),
          stallRpm(forms.Engine().stallRpm),
          startRpm(forms.Engine().startRpm),
          autoclutchRpm(forms.Engine().autoclutchRpm),
          shiftUpRpm(forms.Engine().shiftUpRpm),
          shiftDownRpm(forms.Engine().shiftDownRpm),
          curveTorque(forms.Engine().curveTorque),
          brakingCoeff(forms.Engine().brakingCoeff),
          id(forms.General().id),
          version(forms.General().version),
          differentialRatio(forms.Driveline().ratio),
          reverseRatio(forms.Gearbox().reverseRatio),
          suspensions(forms.Suspension().suspensions) {}
    std::int32_t &maxRpm, &idleRpm, &stallRpm, &startRpm, &autoclutchRpm, &shiftUpRpm,
        &shiftDownRpm;
    std::string& curveTorque;
    float& brakingCoeff;
    std::string &id, &version;
    float &differentialRatio, &reverseRatio;
    std::array<SuspensionValues, kWheelCount>& suspensions;
};

// Values that pass every check.
void Clean(FormSet& forms) {
    Values v(forms);
    v.maxRpm = 7000, v.idleRpm = 900, v.stallRpm = 500, v.startRpm = 1000;
    v.autoclutchRpm = 1500, v.shiftUpRpm = 6500, v.shiftDownRpm = 3000;
    v.curveTorque = "torque.crv", v.brakingCoeff = 0.74f, v.id = "rw_test", v.version = "050b10";
    v.differentialRatio = 4.1f, v.reverseRatio = -3.2f;
    for (SuspensionValues& susp : v.suspensions) {
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
        SuspensionValues& susp = v.suspensions[static_cast<std::size_t>(i)];
        susp.minLength = lengths[0], susp.maxLength = lengths[1], susp.restLength = lengths[2];
    };
}

// Each check failing alone, one past its bound where the bound is a number;
// then every bound met exactly, which warns of nothing.
TEST(SaveWarningsTest, EachCheckAndItsBoundary) {
    const float tiny = std::numeric_limits<float>::denorm_min();
    const std::tuple<const char*, std::function<void(Values&)>, std::string> cases[] = {
        {"stall above idle", [](Values& v) { v.stallRpm = v.idleRpm + 1; }, kStallIdle},
        {"stall above max", [](Values& v) { v.idleRpm = 9000, v.stallRpm = 8000, v.maxRpm = 7999; },
         std::string(kStallMax) + kIdleMax},
        {"idle above max", [](Values& v) { v.idleRpm = v.maxRpm + 1; }, kIdleMax},
        {"autoclutch above max", [](Values& v) { v.autoclutchRpm = v.maxRpm + 1; }, kAutoclutchMax},
        {"start above max", [](Values& v) { v.startRpm = v.maxRpm + 1; }, kStartMax},
        {"shift up below down", [](Values& v) { v.shiftUpRpm = v.shiftDownRpm - 1; }, kShift},
        {"no curve", [](Values& v) { v.curveTorque.clear(); }, kCurve},
        {"no id", [](Values& v) { v.id.clear(); }, kId},
        {"null id", [](Values& v) { v.id = "<null>"; }, kId},
        {"no version", [](Values& v) { v.version.clear(); }, kVersion},
        {"null version", [](Values& v) { v.version = "<null>"; }, kVersion},
        {"braking below zero", [tiny](Values& v) { v.brakingCoeff = -tiny; }, kBraking},
        {"diff zero", [](Values& v) { v.differentialRatio = 0.0f; }, kDiff},
        {"diff minus zero", [](Values& v) { v.differentialRatio = -0.0f; }, kDiff},
        {"reverse positive", [tiny](Values& v) { v.reverseRatio = tiny; }, kReverse},
        {"min above max", Susp(2, {0.3f, 0.2f, 0.25f}), MinMax(2) + Rest(2)},
        {"min just above max", Susp(1, {std::nextafter(0.2f, 1.0f), 0.2f, 0.2f}),
         MinMax(1) + Rest(1)},
        {"rest above max", Susp(0, {0.2f, 0.25f, 0.3f}), Rest(0)},
        {"rest just above max", Susp(3, {0.1f, 0.3f, std::nextafter(0.3f, 1.0f)}), Rest(3)},
        {"rest just below min", Susp(3, {0.1f, 0.3f, std::nextafter(0.1f, 0.0f)}), Rest(3)},
        // "<NULL>" is a name, not the null mark; rest on min, on max, all equal.
        {"every bound met",
         [tiny](Values& v) {
             v.stallRpm = v.idleRpm = v.startRpm = v.autoclutchRpm = v.maxRpm;
             v.shiftUpRpm = v.shiftDownRpm;
             v.curveTorque = " ", v.id = "<NULL>", v.brakingCoeff = 0.0f;
             v.differentialRatio = tiny, v.reverseRatio = 0.0f;
             Susp(0, {0.1f, 0.3f, 0.1f})(v), Susp(1, {0.1f, 0.3f, 0.3f})(v);
             Susp(2, {0.2f, 0.2f, 0.2f})(v);
         },
         ""},
        {"negative speeds compare signed",
         [](Values& v) {
             v.maxRpm = 1, v.idleRpm = 0, v.stallRpm = -10, v.startRpm = -2;
             v.autoclutchRpm = -3, v.shiftDownRpm = -1, v.brakingCoeff = -0.0f;
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
    v.maxRpm = 100, v.idleRpm = 200, v.stallRpm = 300, v.startRpm = 101, v.autoclutchRpm = 102;
    v.shiftUpRpm = 1, v.shiftDownRpm = 2, v.brakingCoeff = -1.0f, v.reverseRatio = 1.0f;
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
