#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

#include "forms/Calculations.h"
#include "forms/FormSet.h"

namespace rw {
namespace {

using Quad = std::array<float, 4>;

void Place(FormSet& forms, Quad xs, Quad zs, Quad radii = {}) {
    for (int i = 0; i < 4; ++i) {
        forms.Suspension().suspensions[i].x = xs[i];
        forms.Suspension().suspensions[i].z = zs[i];
        forms.Wheels().wheels[i].radius = radii[i];
    }
}

// The figures and the gearing table are the cases "report-..." of
// tests/data/cli. Whatever the figures, the drawing has a finite extent to
// scale by.
TEST(CalculationsTopView, OverflowingPositionsStillGiveAFiniteDrawing) {
    const float big = std::numeric_limits<float>::max();
    for (const float cg : {0.0f, big}) {
        FormSet forms;
        Place(forms, {big, big, cg, cg}, {big, big, big, big});
        forms.Body().cgX = forms.Body().cgZ = cg;
        forms.Figures().Recalculate(forms);
        const TopViewGeometry& g = forms.Figures().topView;
        const double across = g.maximum.across - g.minimum.across;
        const double along = g.maximum.along - g.minimum.along;
        EXPECT_TRUE(across > 0 && along > 0 && std::isfinite(across) && std::isfinite(along)) << cg;
    }
}

void ExpectAt(ViewPoint point, double across, double along) {
    EXPECT_NEAR(point.across, across, 1e-6);
    EXPECT_NEAR(point.along, along, 1e-6);
}

TEST(CalculationsTopView, WheelsCentreOfGravityAndDimensionLinesToScale) {
    // Left on the left and front at the top, whichever way the file's axes point.
    for (const float s : {1.0f, -1.0f}) {
        FormSet forms;
        Place(forms, {-0.75f * s, 0.75f * s, -0.8f * s, 0.8f * s},
              {1.2f * s, 1.2f * s, -1.4f * s, -1.4f * s}, {0.3f, 0.3f, 0.3f, -0.3f});
        forms.Body().cgX = 0.1f * s;
        forms.Body().cgZ = 0.2f * s;
        forms.Figures().Recalculate(forms);
        const TopViewGeometry& g = forms.Figures().topView;
        // Wheels 0.6 long and 0.21 wide, each labelled at its inner edge.
        const double wheels[4][3] = {
            {-0.75, 1.2, -0.645}, {0.75, 1.2, 0.645}, {-0.8, -1.4, -0.695}, {0.8, -1.4, 0.695}};
        const char* labels[4] = {"LF", "RF", "LR", "RR"};
        for (std::size_t i = 0; i < 4; ++i) {
            ExpectAt(g.wheels[i].centre, wheels[i][0], wheels[i][1]);
            ExpectAt({g.wheels[i].width, g.wheels[i].length}, 0.21, 0.6);
            ExpectAt(g.wheels[i].label.at, wheels[i][2], wheels[i][1]);
            EXPECT_EQ(g.wheels[i].label.text, labels[i]);
        }
        ExpectAt(g.cg, 0.1, 0.2);
        // The wheels span 1.81 by 3.2; the lines keep 12 % of 3.2 off them.
        const double lines[3][4] = {
            {1.289, 1.2, 1.289, -1.4}, {-0.75, 1.884, 0.75, 1.884}, {-0.8, -2.084, 0.8, -2.084}};
        const char* texts[3] = {"2.600 m", "1.500 m", "1.600 m"};
        for (std::size_t i = 0; i < 3; ++i) {
            ExpectAt(g.dimensions[i].from, lines[i][0], lines[i][1]);
            ExpectAt(g.dimensions[i].to, lines[i][2], lines[i][3]);
            EXPECT_EQ(g.dimensions[i].label.text, texts[i]);
        }
        ExpectAt(g.minimum, -0.905, -2.084);
        ExpectAt(g.maximum, 1.289, 1.884);
    }
}

}  // namespace
}  // namespace rw
