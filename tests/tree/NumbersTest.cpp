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
        {"42", 42, 42.0f},
        {"\t\n\v\f\r 7", 7, 7.0f},
        {"+8", 8, 8.0f},
        {"3.9", 3, 3.9f},
        {"- 5", 0, 0.0f},
        {"--5", 0, 0.0f},
        {"0x10", 0, 0.0f},
        {"0x1p3", 0, 0.0f},
        {"1 000", 1, 1.0f},
        {"2147483648", 2147483647, 2147483648.0f},
        {"-2147483649", -2147483647 - 1, -2147483649.0f},
        {"-.5", 0, -0.5f},
        {"5.", 5, 5.0f},
        {"2.5E-1", 2, 0.25f},
        {"1e", 1, 1.0f},
        {"1e+", 1, 1.0f},
        {"1,5", 1, 1.0f},
        {"inf", 0, 0.0f},
        {"-INFINITY", 0, 0.0f},
        {"NaN(1)", 0, 0.0f},
        {"-0", 0, -0.0f},
        {"1e39", 1, kFloatMax},
        {"-1e400", -1, -kFloatMax},
        {"1e-50", 1, 0.0f},
        {".", 0, 0.0f},
        {"", 0, 0.0f}};
    for (const auto& [text, number, real] : cases) {
        EXPECT_EQ(ParseInt(text), number) << text;
        EXPECT_EQ(ParseFloat(text), real) << text;
        EXPECT_EQ(std::signbit(ParseFloat(text)), std::signbit(real)) << text;
    }
    EXPECT_EQ(ParseDouble("-1e999"), -DBL_MAX);
    EXPECT_EQ(ParseDouble("  12.5abc"), 12.5);
}

// Typed fields take a whole number or nothing.
TEST(Numbers, StrictParsingTakesWholeFieldsOnly) {
    const std::vector<std::pair<std::string, std::optional<std::int32_t>>> ints = {
        {"  -7  ", -7},
        {"+3", 3},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", {}},
        {"", {}},
        {"1.0", {}},
        {"12abc", {}},
        {"0x10", {}},
        {"- 5", {}},
        {"1 2", {}}};
    for (const auto& [text, expected] : ints) {
        EXPECT_EQ(ParseIntStrict(text), expected) << "'" << text << "'";
    }
    const std::vector<std::pair<std::string, std::optional<float>>> reals = {
        {"  -2.5e3 ", -2500.0f},
        {".5", 0.5f},
        {"5.", 5.0f},
        {"1E-2", 0.01f},
        {"1e39", {}},
        {"inf", {}},
        {"nan", {}},
        {"0x1p3", {}},
        {"1,5", {}},
        {".", {}},
        {"1.5x", {}},
        {"1 .5", {}}};
    for (const auto& [text, expected] : reals) {
        EXPECT_EQ(ParseFloatStrict(text), expected) << "'" << text << "'";
    }
}

// What a number field shows must read back as the very same float.
TEST(Numbers, ShortestFloatReadsBackExactly) {
    for (const auto& [number, text] : std::vector<std::pair<float, std::string>>{
             {0.1f, "0.1"}, {1.5f, "1.5"}, {100.0f, "100"}, {-0.25f, "-0.25"}, {0.0f, "0"}}) {
        EXPECT_EQ(ShortestFloat(number), text);
    }
    std::vector<float> samples = {
        123.456f, 1.0f / 3.0f, kFloatMax, -kFloatMax, std::numeric_limits<float>::denorm_min(),
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
    EXPECT_EQ(FormatG(1234567.0), "1.23457e+06");
    EXPECT_EQ(FormatG(0.00001), "1e-05");
    EXPECT_EQ(FormatG(2.25, 2), "2.2");
    EXPECT_EQ(FormatG(-0.0), "-0");
}

}  // namespace
}  // namespace rw
