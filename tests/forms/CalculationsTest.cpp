#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string_view>
#include <vector>

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

TEST(CalculationsFigures, FormatsTheFourFigures) {
    struct Case {
        float cgZ;
        Quad xs, zs;
        Calculations::Texts expected;
    };
    const float big = std::numeric_limits<float>::max();
    const Quad wide = {-0.75f, 0.75f, -0.8f, 0.8f};
    const Quad base = {1.2f, 1.2f, -1.4f, -1.4f};
    const Case cases[] = {
        {0.1f, wide, base, {"57.69 %", "2.600 m", "1.500 m", "1.600 m"}},
        // A rear pair at positive z counts as behind the origin.
        {0, {}, {1.2f, 1.2f, 0.2f, 0.2f}, {"14.29 %", "1.400 m", "0.000 m", "0.000 m"}},
        {0,
         {-0.7f, 0.8f, -0.75f, 0.75f},
         {1, 1.4f, -1, -1},
         {"45.45 %", "2.200 m", "1.500 m", "1.500 m"}},
        {0.3f, wide, {}, {"n/a", "0.000 m", "1.500 m", "1.600 m"}},
        {0, {big, big, 0, 0}, {big, big, big, big}, {"n/a", "n/a", "n/a", "0.000 m"}},
        {big, {big, big, big, big}, {big, big, big, big}, {"n/a", "n/a", "n/a", "n/a"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected.wheelbase);
        FormSet forms;
        Place(forms, c.xs, c.zs);
        // x plays no part in the figures, only in the drawing.
        forms.Body().cgX = forms.Body().cgZ = c.cgZ;
        forms.Figures().Recalculate(forms);
        const Calculations& f = forms.Figures();
        const Calculations::Texts& e = c.expected;
        EXPECT_EQ((std::array{f.frontWeightDistribution, f.wheelbase, f.frontTrack, f.rearTrack}),
                  (std::array{e.frontWeightDistribution, e.wheelbase, e.frontTrack, e.rearTrack}));
        // Whatever the figures, the drawing has a finite extent to scale by.
        const double across = f.topView.maximum.across - f.topView.minimum.across;
        const double along = f.topView.maximum.along - f.topView.minimum.along;
        EXPECT_TRUE(across > 0 && along > 0 && std::isfinite(across) && std::isfinite(along));
    }
}

// Worked out by hand: v = rpm / (ratio x differential) x 2 pi R / 60 x 3.6.
TEST(CalculationsGearing, OneRowPerForwardGearOnTheDrivenWheels) {
    struct Case {
        DrivelineForm::Drive drive;
        float differential;
        std::vector<float> ratios;
        std::int32_t shiftUp, maxRpm;
        Quad radii;
    };
    using enum DrivelineForm::Drive;
    const Case cases[] = {
        {Fwd, 4, {3, 2, 1}, 6000, 7000, {0.3f, 0.3f, 0.5f, 0.5f}},
        {Rwd, 3.2f, {2.5f, 1.25f}, 7000, 8000, {0.1f, 0.1f, 0.32f, 0.34f}},
        {Undecided, 3, {2, 0, 1}, 6000, 6600, {0.3f, 0.3f, 0.35f, 0.35f}},
        {Rwd, 0, {3.5f}, 6000, 7000, {0.1f, 0.1f, 0.3f, 0.3f}},
    };
    // Each cell followed by a blank, each row by "| ".
    const char* expected[] = {
        "1 3 12 56.5 66.0 4000 | 2 2 8 84.8 99.0 3000 | 3 1 4 169.6 197.9  | ",
        "1 2.5 8 108.9 124.4 3500 | 2 1.25 4 217.7 248.8  | ",
        "1 2 6 122.5 134.8 0 | 2 0 0 n/a n/a n/a | 3 1 3 245.0 269.5  | ",
        "1 3.5 0 n/a n/a  | ",
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        FormSet forms;
        forms.Driveline().drive = c.drive;
        forms.Driveline().ratio = c.differential;
        forms.Engine().shiftUpRpm = c.shiftUp;
        forms.Engine().maxRpm = c.maxRpm;
        forms.Gearbox().gearCount = static_cast<std::int32_t>(c.ratios.size());
        std::copy(c.ratios.begin(), c.ratios.end(), forms.Gearbox().ratios.begin());
        Place(forms, {}, {}, c.radii);
        forms.Figures().Recalculate(forms);
        std::string rows;
        for (const GearRow& row : forms.Figures().gearing) {
            for (std::string_view cell : row.Cells()) {
                rows.append(cell).append(" ");
            }
            rows += "| ";
        }
        EXPECT_EQ(rows, expected[i]);
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
