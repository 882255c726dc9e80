#include "tree/Numbers.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>

namespace rw {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The white space that the C library's number readers skip.
bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The extent of a decimal number ("12", "-1.5", ".5", "3.", "2e-3") at the
// start of the text; hexadecimal, "inf" and "nan" are not numbers here.
struct DecimalSpan {
    std::size_t length = 0;  // 0: no number
    bool negative = false;
    std::size_t mantissaBegin = 0;  // after the sign
};

DecimalSpan ScanDecimal(std::string_view text) {
    DecimalSpan span;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        span.negative = text[i] == '-';
        ++i;
    }
    span.mantissaBegin = i;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return DecimalSpan{};
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) {
                ++j;
            }
            i = j;
        }
    }
    span.length = i;
    return span;
}

// Whether an out-of-range mantissa/exponent text lies above 1 (overflow)
// rather than below it (underflow).
bool MagnitudeAtLeastOne(std::string_view number) {
    std::size_t i = 0;
    long long leadingPower = 0;  // decimal exponent of the first nonzero digit
    bool seenNonZero = false;
    long long intDigits = 0;
    while (i < number.size() && IsDigit(number[i])) {
        if (seenNonZero || number[i] != '0') {
            seenNonZero = true;
            ++intDigits;
        }
        ++i;
    }
    if (seenNonZero) {
        leadingPower = intDigits - 1;
    } else if (i < number.size() && number[i] == '.') {
        ++i;
        long long zeros = 0;
        while (i < number.size() && number[i] == '0') {
            ++zeros;
            ++i;
        }
        leadingPower = -(zeros + 1);
    }
    while (i < number.size() && number[i] != 'e' && number[i] != 'E') {
        ++i;
    }
    long long exponent = 0;
    if (i < number.size()) {
        ++i;
        bool negative = false;
        if (i < number.size() && (number[i] == '+' || number[i] == '-')) {
            negative = number[i] == '-';
            ++i;
        }
        while (i < number.size() && IsDigit(number[i])) {
            if (exponent < 1'000'000'000) {
                exponent = exponent * 10 + (number[i] - '0');
            }
            ++i;
        }
        if (negative) {
            exponent = -exponent;
        }
    }
    return leadingPower + exponent >= 0;
}

// The magnitude of a scanned span in double precision; `inRange` tells
// whether it fits a double.
double ConvertMagnitude(std::string_view text, const DecimalSpan& span, bool& inRange) {
    std::string_view number = text.substr(span.mantissaBegin, span.length - span.mantissaBegin);
    double value = 0.0;
    auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                  std::chars_format::general);
    inRange = true;
    if (result.ec == std::errc::result_out_of_range) {
        if (MagnitudeAtLeastOne(number)) {
            inRange = false;
            value = DBL_MAX;
        } else {
            value = 0.0;
        }
    } else if (result.ec != std::errc{}) {
        value = 0.0;
    }
    return value;
}

// Converts a scanned span; `inRange` tells whether it fits a float.
float ConvertSpan(std::string_view text, const DecimalSpan& span, bool& inRange) {
    double value = ConvertMagnitude(text, span, inRange);
    // From here on a double would round to a float infinity.
    constexpr double kFloatLimit = 0x1.ffffffp+127;
    if (value >= kFloatLimit) {
        inRange = false;
        value = FLT_MAX;
    }
    float single = static_cast<float>(value);
    return span.negative ? -single : single;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string_view SkipCSpace(std::string_view text) {
    while (!text.empty() && IsCSpace(text.front())) {
        text.remove_prefix(1);
    }
    return text;
}

}  // namespace

std::int32_t ParseInt(std::string_view text) {
    text = SkipCSpace(text);
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr long long kMax = std::numeric_limits<std::int32_t>::max();
    constexpr long long kMin = std::numeric_limits<std::int32_t>::min();
    long long value = 0;
    while (i < text.size() && IsDigit(text[i])) {
        value = value * 10 + (text[i] - '0');
        if (value > kMax + 1) {
            value = kMax + 1;  // saturated; keep scanning digits only
        }
        ++i;
    }
    if (negative) {
        value = -value;
    }
    if (value > kMax) {
        return static_cast<std::int32_t>(kMax);
    }
    if (value < kMin) {
        return static_cast<std::int32_t>(kMin);
    }
    return static_cast<std::int32_t>(value);
}

float ParseFloat(std::string_view text) {
    text = SkipCSpace(text);
    DecimalSpan span = ScanDecimal(text);
    if (span.length == 0) {
        return 0.0f;
    }
    bool inRange = true;
    return ConvertSpan(text, span, inRange);
}

double ParseDouble(std::string_view text) {
    text = SkipCSpace(text);
    DecimalSpan span = ScanDecimal(text);
    if (span.length == 0) {
        return 0.0;
    }
    bool inRange = true;
    double magnitude = ConvertMagnitude(text, span, inRange);
    return span.negative ? -magnitude : magnitude;
}

std::size_t DecimalLength(std::string_view text) {
    return ScanDecimal(text).length;
}

std::string FormatInt(std::int32_t number) {
    char buffer[16];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
    return std::string(buffer, result.ptr);
}

std::string FormatFloat(float number) {
    if (std::isnan(number)) {
        number = 0.0f;
    } else if (std::isinf(number)) {
        number = number > 0 ? FLT_MAX : -FLT_MAX;
    }
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(number),
                                std::chars_format::fixed, 6);
    std::string text(buffer, result.ptr);
    while (!text.empty() && (text.back() == '0' || text.back() == ' ')) {
        text.pop_back();
    }
    if (!text.empty() && text.back() == '.') {
        text.pop_back();
    }
    return text;
}

std::optional<std::int32_t> ParseIntStrict(std::string_view text) {
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') {
            return std::nullopt;
        }
    }
    std::int32_t value = 0;
    auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || result.ec != std::errc{} || result.ptr != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<float> ParseFloatStrict(std::string_view text) {
    text = TrimBlanks(text);
    DecimalSpan span = ScanDecimal(text);
    if (span.length == 0 || span.length != text.size()) {
        return std::nullopt;
    }
    bool inRange = true;
    float value = ConvertSpan(text, span, inRange);
    if (!inRange) {
        return std::nullopt;
    }
    return value;
}

std::string ShortestFloat(float number) {
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
    return std::string(buffer, result.ptr);
}

std::string FormatG(double number, int precision) {
    char buffer[512];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::general,
                                precision);
    if (result.ec != std::errc{}) {
        return {};
    }
    return std::string(buffer, result.ptr);
}

}  // namespace rw
