#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>
#include <random>

#include "tree/Numbers.h"

namespace rw {
namespace {

constexpr float kFloatMax = std::numeric_limits<float>::max();

// The file's loose readers: atoi and atof without the locale, "inf", "nan"
// or hexadecimal forms, saturating instead of overflowing.
TEST(Numbers, LooseParsingReadsTheLeadingNumber) {
    const std::vector<std::tuple<std::string, std::int32_t, float>> cases = {
        {"\t\n\v\f\r 7", 7, 7.0f}, {"3.9", 3, 3.9f},           {"--5", 0, 0.0f},
        {"0x1p3", 0, 0.0f},        {"-.5", 0, -0.5f},          {"1e+", 1, 1.0f},
        {"1,5", 1, 1.0f},          {"-INFINITY", 0, 0.0f},     {"-0", 0, -0.0f},
        {"1e39", 1, kFloatMax},    {"-1e400", -1, -kFloatMax}, {"1e-50", 1, 0.0f}};
    for (const auto& [text, number, real] : cases) {
        EXPECT_EQ(ParseFloat(text), real) << text;
        EXPECT_EQ(std::signbit(ParseFloat(text)), std::signbit(real)) << text;
        EXPECT_EQ(ParseInt(text), number) << text;
    }
    EXPECT_EQ(ParseInt("2147483648"), 2147483647);
    EXPECT_EQ(ParseInt("-99999999999"), -2147483647 - 1);
    EXPECT_EQ(ParseDouble("-1e999"), -DBL_MAX);
}

// Typed fields take a whole number or nothing.
TEST(Numbers, StrictParsingTakesWholeFieldsOnly) {
    for (const char* bad : {"2147483648", "", "1.0", "12abc", "0x10", "- 5", "1 2"}) {
        EXPECT_EQ(ParseIntStrict(bad), std::nullopt) << bad;
    }
    for (const char* bad : {"1e39", "inf", "nan", "0x1p3", "1,5", ".", "1.5x", "1 .5"}) {
        EXPECT_EQ(ParseFloatStrict(bad), std::nullopt) << bad;
    }
    EXPECT_EQ(ParseIntStrict("  -2147483648  "), -2147483647 - 1);
    EXPECT_EQ(ParseFloatStrict("  -2.5e3 "), -2500.0f);
    EXPECT_EQ(ParseFloatStrict("5."), 5.0f);
}

// What a number field shows must read back as the very same float.
TEST(Numbers, ShortestFloatReadsBackExactly) {
    EXPECT_EQ(ShortestFloat(0.1f) + " " + ShortestFloat(100.0f) + " " + ShortestFloat(-0.25f),
              "0.1 100 -0.25");
    std::vector<float> samples = {123.456f, kFloatMax, std::numeric_limits<float>::denorm_min(),
                                  -0.0f};
    std::mt19937 random(12345);
    for (int i = 0; i < 20000; ++i) {
        const float number = std::bit_cast<float>(static_cast<std::uint32_t>(random()));
        if (std::isfinite(number)) {
            samples.push_back(number);
        }
    }
    for (float number : samples) {
        const std::string text = ShortestFloat(number);
        const std::optional<float> back = ParseFloatStrict(text);
        ASSERT_TRUE(back.has_value()) << text;
        EXPECT_EQ(std::bit_cast<std::uint32_t>(*back), std::bit_cast<std::uint32_t>(number));
        EXPECT_LE(text.size(), 15u) << text;
    }
}

TEST(Numbers, FormatGIsPrintfG) {
    EXPECT_EQ(
        FormatG(1234567.0) + " " + FormatG(0.00001) + " " + FormatG(2.25, 2) + " " + FormatG(-0.0),
        "1.23457e+06 1e-05 2.2 -0");
}

}  // namespace
}  // namespace rw
