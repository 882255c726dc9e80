#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "TreeTestSupport.h"
#include "tree/ConfigTree.h"

namespace rw::test {
namespace {

constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kIntMin = std::numeric_limits<std::int32_t>::min();
constexpr float kFloatMax = std::numeric_limits<float>::max();

// One tree holding the value under test as "car.v".
std::unique_ptr<ConfigTree> TreeWith(const std::string& value) {
    RecordingReporter reporter;
    auto tree = std::make_unique<ConfigTree>(std::string(kUnsavedPath));
    tree->Read(false, reporter);
    tree->SetString("car.v", value);
    return tree;
}

struct IntCase {
    std::string text;
    std::int32_t number;
};

class GetIntParses : public ::testing::TestWithParam<IntCase> {};

TEST_P(GetIntParses, LikeAtoiButSaturating) {
    std::int32_t number = -1;
    EXPECT_TRUE(TreeWith(GetParam().text)->GetInt("car.v", number));
    EXPECT_EQ(number, GetParam().number) << Visible(GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Tree, GetIntParses,
    ::testing::Values(IntCase{"42", 42}, IntCase{"12abc", 12}, IntCase{"  -5", -5},
                      IntCase{"\t\n\v\f\r 7", 7}, IntCase{"+8", 8}, IntCase{"3.9", 3},
                      IntCase{"abc", 0}, IntCase{"", 0}, IntCase{"- 5", 0}, IntCase{"--5", 0},
                      IntCase{"0x10", 0}, IntCase{"007", 7}, IntCase{"2147483647", kIntMax},
                      IntCase{"2147483648", kIntMax}, IntCase{"-2147483648", kIntMin},
                      IntCase{"-2147483649", kIntMin}, IntCase{"99999999999999999999999", kIntMax},
                      IntCase{"-99999999999999999999999", kIntMin}, IntCase{"1 000", 1}));

struct FloatCase {
    std::string text;
    float number;
};

class GetFloatParses : public ::testing::TestWithParam<FloatCase> {};

TEST_P(GetFloatParses, PlainDecimalOnly) {
    float number = -1;
    EXPECT_TRUE(TreeWith(GetParam().text)->GetFloat("car.v", number));
    EXPECT_TRUE(std::isfinite(number)) << Visible(GetParam().text);
    EXPECT_EQ(number, GetParam().number) << Visible(GetParam().text);
    EXPECT_EQ(std::signbit(number), std::signbit(GetParam().number)) << Visible(GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Tree, GetFloatParses,
    ::testing::Values(FloatCase{"1.5", 1.5f}, FloatCase{"  -0.25xyz", -0.25f},
                      FloatCase{"+3", 3.0f}, FloatCase{".5", 0.5f}, FloatCase{"-.5", -0.5f},
                      FloatCase{"5.", 5.0f}, FloatCase{"1e3", 1000.0f}, FloatCase{"2.5E-1", 0.25f},
                      FloatCase{"1e", 1.0f}, FloatCase{"1e+", 1.0f}, FloatCase{"123.456", 123.456f},
                      FloatCase{"0.1", 0.1f}, FloatCase{"1,5", 1.0f}, FloatCase{"abc", 0.0f},
                      FloatCase{"", 0.0f}, FloatCase{"-", 0.0f}, FloatCase{".", 0.0f},
                      FloatCase{"inf", 0.0f}, FloatCase{"-inf", 0.0f}, FloatCase{"INFINITY", 0.0f},
                      FloatCase{"nan", 0.0f}, FloatCase{"NaN(1)", 0.0f}, FloatCase{"0x1p3", 0.0f},
                      FloatCase{"0x10", 0.0f}, FloatCase{"-0", -0.0f},
                      FloatCase{"3.4028234e38", kFloatMax}, FloatCase{"1e39", kFloatMax},
                      FloatCase{"-1e39", -kFloatMax}, FloatCase{"1e400", kFloatMax},
                      FloatCase{"-1e400", -kFloatMax}, FloatCase{"1e-50", 0.0f},
                      FloatCase{"\t 2", 2.0f}));

TEST(TypedValues, GetBoolTakesOnlyOne) {
    const std::vector<std::pair<std::string, bool>> cases = {
        {"1", true},   {"0", false}, {"true", false}, {" 1", false},
        {"1 ", false}, {"", false},  {"01", false},   {"2", false},
    };
    for (const auto& [text, expected] : cases) {
        bool flag = !expected;
        EXPECT_TRUE(TreeWith(text)->GetBool("car.v", flag));
        EXPECT_EQ(flag, expected) << "'" << text << "'";
    }
}

struct FormatCase {
    float number;
    std::string text;
};

class SetFloatWrites : public ::testing::TestWithParam<FormatCase> {};

TEST_P(SetFloatWrites, SixDecimalsTrimmed) {
    auto tree = TreeWith("");
    tree->SetFloat("car.v", GetParam().number);
    EXPECT_EQ(tree->Find("car.v")->value, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Tree, SetFloatWrites,
    ::testing::Values(FormatCase{1.5f, "1.5"}, FormatCase{2.0f, "2"}, FormatCase{100.0f, "100"},
                      FormatCase{0.0f, "0"}, FormatCase{-0.25f, "-0.25"}, FormatCase{0.1f, "0.1"},
                      FormatCase{1e-7f, "0"}, FormatCase{-1e-7f, "-0"}, FormatCase{-0.0f, "-0"},
                      FormatCase{123.456f, "123.456001"}, FormatCase{1e10f, "10000000000"},
                      FormatCase{0.000001f, "0.000001"}, FormatCase{1000000.0f, "1000000"},
                      FormatCase{kFloatMax, "340282346638528859811704183484516925440"},
                      FormatCase{-kFloatMax, "-340282346638528859811704183484516925440"}));

TEST(TypedValues, SetIntAndSetBoolText) {
    auto tree = TreeWith("");
    const std::vector<std::pair<std::int32_t, std::string>> ints = {
        {-5, "-5"}, {0, "0"}, {kIntMax, "2147483647"}, {kIntMin, "-2147483648"}};
    for (const auto& [number, text] : ints) {
        tree->SetInt("car.v", number);
        EXPECT_EQ(tree->Find("car.v")->value, text);
    }
    tree->SetBool("car.v", true);
    EXPECT_EQ(tree->Find("car.v")->value, "1");
    tree->SetBool("car.v", false);
    EXPECT_EQ(tree->Find("car.v")->value, "0");
}

TEST(TypedValues, NoNanOrInfinityEntersAValue) {
    auto tree = TreeWith("");
    for (float number :
         {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
          -std::numeric_limits<float>::infinity()}) {
        tree->SetFloat("car.v", number);
        const std::string text = tree->Find("car.v")->value;
        EXPECT_EQ(text.find_first_of("nNiI"), std::string::npos) << text;
        float back = 0;
        EXPECT_TRUE(tree->GetFloat("car.v", back));
        EXPECT_TRUE(std::isfinite(back)) << text;
    }
}

// The editor runs under the user's locale; a decimal comma must not reach the
// file nor change how it is read.
TEST(TypedValues, NumbersIgnoreTheProcessLocale) {
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
    }
    ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");
    auto tree = TreeWith("");
    tree->SetFloat("car.a", 1.5f);
    tree->SetFloat("car.b", -1234.125f);
    tree->SetString("car.c", "2.75");
    tree->SetString("car.d", "2,75");
    tree->SetInt("car.e", 1234567);
    float c = 0;
    float d = 0;
    tree->GetFloat("car.c", c);
    tree->GetFloat("car.d", d);
    const std::string text = tree->ToText();
    std::setlocale(LC_ALL, "C");

    EXPECT_EQ(text,
              "car\r\n{\r\n   v=\r\n   a=1.5\r\n   b=-1234.125\r\n   c=2.75\r\n   d=2,75\r\n"
              "   e=1234567\r\n}\r\n");
    EXPECT_EQ(c, 2.75f);
    EXPECT_EQ(d, 2.0f);
}

}  // namespace
}  // namespace rw::test
