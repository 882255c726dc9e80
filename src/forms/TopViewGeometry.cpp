#include "forms/TopViewGeometry.h"

#include <algorithm>
#include <cmath>

namespace rw {

namespace {

// A wheel's width against its diameter.
constexpr double kWidthRatio = 0.35;
// The dimension lines keep this share of the car's size off the wheels.
constexpr double kGapRatio = 0.12;

constexpr const char* kWheelLabels[] = {"LF", "RF", "LR", "RR"};

double Mean(double a, double b) {
    return (a + b) / 2.0;
}

// Widens an axis that came out empty, as it does when everything sits on one
// line or beyond the resolution of large coordinates.
void Widen(double& minimum, double& maximum) {
    if (maximum > minimum) {
        return;
    }
    const double pad = std::max(std::abs(minimum) / 100.0, 0.5);
    minimum -= pad;
    maximum += pad;
}

}  // namespace

TopViewGeometry ComputeTopView(const BodyForm& body, const WheelsForm& wheels,
                               const SuspensionForm& suspension, const FigureTexts& figures) {
    const auto& s = suspension.suspensions;
    // The left wheels go on the left and the front ones at the top, whichever
    // way a file points its axes; on a tie x grows to the right and z to the
    // front.
    const double acrossSign = Mean(s[1].x, s[3].x) < Mean(s[0].x, s[2].x) ? -1.0 : 1.0;
    const double alongSign = Mean(s[0].z, s[1].z) < Mean(s[2].z, s[3].z) ? -1.0 : 1.0;
    const auto view = [&](float x, float z) {
        return ViewPoint{acrossSign * double{x}, alongSign * double{z}};
    };

    TopViewGeometry geometry;
    ViewPoint& low = geometry.minimum;
    ViewPoint& high = geometry.maximum;
    const auto include = [&](ViewPoint point) {
        low = {std::min(low.across, point.across), std::min(low.along, point.along)};
        high = {std::max(high.across, point.across), std::max(high.along, point.along)};
    };

    geometry.cg = view(body.cgX, body.cgZ);
    geometry.cgLabel = {geometry.cg, LabelSide::Right, "CG"};
    low = high = geometry.cg;
    for (int i = 0; i < kWheelCount; ++i) {
        WheelOutline& wheel = geometry.wheels[static_cast<std::size_t>(i)];
        wheel.centre = view(s[i].x, s[i].z);
        wheel.length = 2.0 * std::abs(double{wheels.wheels[i].radius});
        wheel.width = kWidthRatio * wheel.length;
        // Labels face inwards, leaving the outside to the wheelbase line.
        const bool left = i % 2 == 0;
        wheel.label = {
            {wheel.centre.across + (left ? wheel.width : -wheel.width) / 2.0, wheel.centre.along},
            left ? LabelSide::Right : LabelSide::Left,
            kWheelLabels[i]};
        include({wheel.centre.across - wheel.width / 2.0, wheel.centre.along - wheel.length / 2.0});
        include({wheel.centre.across + wheel.width / 2.0, wheel.centre.along + wheel.length / 2.0});
    }

    const double size = std::max(high.across - low.across, high.along - low.along);
    const double gap = size > 0.0 ? kGapRatio * size : 0.1;
    const auto& w = geometry.wheels;
    const double beside = high.across + gap;
    const double ahead =
        std::max(w[0].centre.along + w[0].length / 2.0, w[1].centre.along + w[1].length / 2.0) +
        gap;
    const double behind =
        std::min(w[2].centre.along - w[2].length / 2.0, w[3].centre.along - w[3].length / 2.0) -
        gap;
    const auto line = [](ViewPoint from, ViewPoint to, LabelSide side, const std::string& text) {
        const ViewPoint middle{Mean(from.across, to.across), Mean(from.along, to.along)};
        return DimensionLine{from, to, {middle, side, text}};
    };
    geometry.dimensions = {
        line({beside, Mean(w[0].centre.along, w[1].centre.along)},
             {beside, Mean(w[2].centre.along, w[3].centre.along)}, LabelSide::Right,
             figures.wheelbase),
        line({w[0].centre.across, ahead}, {w[1].centre.across, ahead}, LabelSide::Above,
             figures.frontTrack),
        line({w[2].centre.across, behind}, {w[3].centre.across, behind}, LabelSide::Below,
             figures.rearTrack),
    };
    for (const DimensionLine& dimension : geometry.dimensions) {
        include(dimension.from);
        include(dimension.to);
    }
    Widen(low.across, high.across);
    Widen(low.along, high.along);

    geometry.description = "Front Weight Distribution: " + figures.frontWeightDistribution +
                           ", Wheelbase: " + figures.wheelbase +
                           ", Track Width (Front): " + figures.frontTrack +
                           ", Track Width (Rear): " + figures.rearTrack;
    return geometry;
}

}  // namespace rw
