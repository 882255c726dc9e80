#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <string>

#include "tree/Numbers.h"

namespace rw {
namespace {

constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kIntMin = std::numeric_limits<std::int32_t>::min();
constexpr float kFloatMax = std::numeric_limits<float>::max();

// Typed fields take a whole number or nothing.
TEST(Numbers, ParseIntStrictTakesWholeFieldsOnly) {
    const std::vector<std::pair<std::string, std::optional<std::int32_t>>> cases = {
        {"42", 42},
        {"  -7  ", -7},
        {"+3", 3},
        {"0", 0},
        {"2147483647", kIntMax},
        {"-2147483648", kIntMin},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"1.0", std::nullopt},
        {"12abc", std::nullopt},
        {"0x10", std::nullopt},
        {"- 5", std::nullopt},
        {"+-5", std::nullopt},
        {"1 2", std::nullopt},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(ParseIntStrict(text), expected) << "'" << text << "'";
    }
}

TEST(Numbers, ParseFloatStrictTakesPlainDecimalsInRange) {
    const std::vector<std::pair<std::string, std::optional<float>>> cases = {
        {"1.5", 1.5f},          {"  -2.5e3 ", -2500.0f}, {".5", 0.5f},
        {"5.", 5.0f},           {"+0.25", 0.25f},        {"1E-2", 0.01f},
        {"1e39", std::nullopt}, {"-1e39", std::nullopt}, {"inf", std::nullopt},
        {"nan", std::nullopt},  {"0x1p3", std::nullopt}, {"1,5", std::nullopt},
        {"", std::nullopt},     {".", std::nullopt},     {"abc", std::nullopt},
        {"1.5x", std::nullopt}, {"1 .5", std::nullopt},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(ParseFloatStrict(text), expected) << "'" << text << "'";
    }
}

// What a number field shows must read back as the very same float.
TEST(Numbers, ShortestFloatReadsBackExactly) {
    const std::vector<std::pair<float, std::string>> known = {
        {0.1f, "0.1"}, {1.5f, "1.5"}, {100.0f, "100"}, {-0.25f, "-0.25"}, {0.0f, "0"}};
    for (const auto& [number, text] : known) {
        EXPECT_EQ(ShortestFloat(number), text);
    }

    std::vector<float> samples = {123.456f,
                                  1.0f / 3.0f,
                                  1e-10f,
                                  1e10f,
                                  kFloatMax,
                                  -kFloatMax,
                                  std::numeric_limits<float>::min(),
                                  std::numeric_limits<float>::denorm_min(),
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
        EXPECT_EQ(std::bit_cast<std::uint32_t>(*back), std::bit_cast<std::uint32_t>(number))
            << text;
        EXPECT_LE(text.size(), 15u) << text;
    }
}

TEST(Numbers, FormatGIsPrintfG) {
    const std::vector<std::tuple<double, int, std::string>> cases = {
        {1.5, 6, "1.5"},       {100.0, 6, "100"},     {1234567.0, 6, "1.23457e+06"},
        {0.0001, 6, "0.0001"}, {0.00001, 6, "1e-05"}, {2.25, 2, "2.2"},
        {-0.0, 6, "-0"},       {0.0, 6, "0"},         {123456.0, 6, "123456"},
        {1e100, 6, "1e+100"},
    };
    for (const auto& [number, precision, text] : cases) {
        EXPECT_EQ(FormatG(number, precision), text) << number << " %." << precision << "g";
    }
}

TEST(Numbers, FieldConversionsIgnoreTheProcessLocale) {
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
    }
    const std::string shortest = ShortestFloat(1.25f);
    const std::string g = FormatG(0.5);
    const std::string fixed = FormatFloat(-3.5f);
    const std::optional<float> strict = ParseFloatStrict("2.5");
    const std::optional<float> comma = ParseFloatStrict("2,5");
    const float loose = ParseFloat("7.75");
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(shortest, "1.25");
    EXPECT_EQ(g, "0.5");
    EXPECT_EQ(fixed, "-3.5");
    EXPECT_EQ(strict, 2.5f);
    EXPECT_EQ(comma, std::nullopt);
    EXPECT_EQ(loose, 7.75f);
}

}  // namespace
}  // namespace rw

TEST(Numbers, ParseDoubleReadsLikeAtofWithoutTheLocaleForms) {
    EXPECT_EQ(rw::ParseDouble("  12.5abc"), 12.5);
    EXPECT_EQ(rw::ParseDouble("-3e2"), -300);
    EXPECT_EQ(rw::ParseDouble("4e"), 4);
    EXPECT_EQ(rw::ParseDouble("+.5"), 0.5);
    EXPECT_EQ(rw::ParseDouble("abc"), 0);
    EXPECT_EQ(rw::ParseDouble("inf"), 0);
    EXPECT_EQ(rw::ParseDouble("0x10"), 0);
    EXPECT_EQ(rw::ParseDouble("1,5"), 1);
    EXPECT_EQ(rw::ParseDouble("1e-999"), 0);
    EXPECT_EQ(rw::ParseDouble("-1e999"), -DBL_MAX);
}
