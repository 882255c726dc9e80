#include <gtest/gtest.h>

#include <array>
#include <limits>

#include "forms/Calculations.h"

namespace rw {
namespace {

std::array<SuspensionValues, 4> At(std::array<float, 4> xs, std::array<float, 4> zs) {
    std::array<SuspensionValues, 4> suspensions{};
    for (int i = 0; i < 4; ++i) {
        suspensions[i].x = xs[i];
        suspensions[i].z = zs[i];
    }
    return suspensions;
}

TEST(CalculationsFigures, FormatsTheFourFigures) {
    struct Case {
        const char* what;
        float cgZ;
        std::array<float, 4> xs;
        std::array<float, 4> zs;
        Calculations::Texts expected;
    };
    const float big = std::numeric_limits<float>::max();
    const Case cases[] = {
        {"centred",
         0.0f,
         {-0.75f, 0.75f, -0.8f, 0.8f},
         {1.2f, 1.2f, -1.4f, -1.4f},
         {"53.85 %", "2.600 m", "1.500 m", "1.600 m"}},
        {"cg forward",
         0.1f,
         {-0.75f, 0.75f, -0.8f, 0.8f},
         {1.2f, 1.2f, -1.4f, -1.4f},
         {"57.69 %", "2.600 m", "1.500 m", "1.600 m"}},
        {"cg behind",
         -0.2f,
         {0, 0, 0, 0},
         {1.2f, 1.2f, -1.4f, -1.4f},
         {"46.15 %", "2.600 m", "0.000 m", "0.000 m"}},
        {"rear at positive z",
         0.0f,
         {0, 0, 0, 0},
         {1.2f, 1.2f, 0.2f, 0.2f},
         {"14.29 %", "1.400 m", "0.000 m", "0.000 m"}},
        {"uneven sides",
         0.0f,
         {-0.7f, 0.8f, -0.75f, 0.75f},
         {1.0f, 1.4f, -1.0f, -1.0f},
         {"45.45 %", "2.200 m", "1.500 m", "1.500 m"}},
        {"zero wheelbase",
         0.0f,
         {-0.75f, 0.75f, -0.75f, 0.75f},
         {0, 0, 0, 0},
         {"n/a", "0.000 m", "1.500 m", "1.500 m"}},
        {"zero wheelbase, cg off centre",
         0.3f,
         {0, 0, 0, 0},
         {0, 0, 0, 0},
         {"n/a", "0.000 m", "0.000 m", "0.000 m"}},
        {"overflowing sums",
         0.0f,
         {big, big, 0, 0},
         {big, big, big, big},
         {"n/a", "n/a", "n/a", "0.000 m"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Calculations::Texts texts = Calculations::Compute(c.cgZ, At(c.xs, c.zs));
        EXPECT_EQ(texts.frontWeightDistribution, c.expected.frontWeightDistribution);
        EXPECT_EQ(texts.wheelbase, c.expected.wheelbase);
        EXPECT_EQ(texts.frontTrack, c.expected.frontTrack);
        EXPECT_EQ(texts.rearTrack, c.expected.rearTrack);
    }
}

TEST(CalculationsFigures, TextsStayEmptyUntilTheFirstRecalculation) {
    Calculations calculations;
    EXPECT_EQ(calculations.wheelbase, "");
    EXPECT_EQ(calculations.frontWeightDistribution, "");
    calculations.Recalculate(0.1f, At({-0.75f, 0.75f, -0.8f, 0.8f}, {1.2f, 1.2f, -1.4f, -1.4f}));
    EXPECT_EQ(calculations.frontWeightDistribution, "57.69 %");
    EXPECT_EQ(calculations.wheelbase, "2.600 m");
    EXPECT_EQ(calculations.frontTrack, "1.500 m");
    EXPECT_EQ(calculations.rearTrack, "1.600 m");
}

}  // namespace
}  // namespace rw
