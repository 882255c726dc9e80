#include "forms/Calculations.h"

#include <cmath>
#include <utility>

#include "forms/FormSet.h"
#include "forms/FormatFixed.h"

namespace rw {

namespace {

// A figure that is not a finite number (a zero wheelbase) shows as "n/a",
// without the unit that would follow a number.
std::string Figure(float value, int decimals, const char* unit) {
    if (!std::isfinite(value)) {
        return "n/a";
    }
    return FormatFixed(value, decimals) + unit;
}

}  // namespace

Calculations::Texts Calculations::Compute(
    float cgZ, const std::array<SuspensionValues, kWheelCount>& suspensions) {
    // Held as 32-bit values throughout, as the figures always were.
    const float front = (std::fabs(suspensions[0].z) + std::fabs(suspensions[1].z)) / 2.0f;
    const float rear = (std::fabs(suspensions[2].z) + std::fabs(suspensions[3].z)) / 2.0f;
    const float base = front + rear;
    const float ratio = (rear + cgZ) / base;
    const float frontTrack = std::fabs(suspensions[0].x) + std::fabs(suspensions[1].x);
    const float rearTrack = std::fabs(suspensions[2].x) + std::fabs(suspensions[3].x);

    Texts texts;
    texts.frontWeightDistribution = Figure(ratio * 100.0f, 2, " %");
    texts.wheelbase = Figure(base, 3, " m");
    texts.frontTrack = Figure(frontTrack, 3, " m");
    texts.rearTrack = Figure(rearTrack, 3, " m");
    return texts;
}

void Calculations::Recalculate(float cgZ,
                               const std::array<SuspensionValues, kWheelCount>& suspensions) {
    Texts texts = Compute(cgZ, suspensions);
    frontWeightDistribution = std::move(texts.frontWeightDistribution);
    wheelbase = std::move(texts.wheelbase);
    frontTrack = std::move(texts.frontTrack);
    rearTrack = std::move(texts.rearTrack);
}

void Calculations::Recalculate(const FormSet& forms) {
    Recalculate(forms.Body().cgZ, forms.Suspension().suspensions);
    gearing = ComputeGearing(forms.Engine(), forms.Gearbox(), forms.Driveline(), forms.Wheels());
    topView = ComputeTopView(forms.Body(), forms.Wheels(), forms.Suspension(),
                             {frontWeightDistribution, wheelbase, frontTrack, rearTrack});
}

}  // namespace rw
