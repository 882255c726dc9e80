#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Number <-> text conversions of the car file and of the editor's fields.
// None of them looks at the process locale.
namespace rw {

// Leading integer of the text as the C library's atoi reads it (leading white
// space, optional sign, digits); saturates at the 32-bit limits; 0 without digits.
std::int32_t ParseInt(std::string_view text);
// Leading decimal number of the text as atof reads it, without atof's "inf",
// "nan" and hexadecimal forms (those give 0); beyond the float range the
// largest float of that sign. Never NaN or infinite.
float ParseFloat(std::string_view text);

// The length of the decimal number at the start of the text (optional sign,
// digits with an optional point, optional exponent); 0 when there is none.
std::size_t DecimalLength(std::string_view text);
// Like ParseFloat, in double precision (beyond the double range the largest
// double of that sign).
double ParseDouble(std::string_view text);

// "%i".
std::string FormatInt(std::int32_t number);
// "%.6f", then trailing "0" and " " removed, then a trailing ".".
std::string FormatFloat(float number);

// Whole-field parsing for typed input: optional blanks, the number, optional
// blanks, nothing else. Integers: optional sign and digits within 32 bits.
std::optional<std::int32_t> ParseIntStrict(std::string_view text);
// Reals: a decimal number (optional exponent) within the float range.
std::optional<float> ParseFloatStrict(std::string_view text);
// The shortest text that ParseFloatStrict reads back as the same float.
std::string ShortestFloat(float number);
// printf's "%.<precision>g" in the C locale.
std::string FormatG(double number, int precision = 6);

}  // namespace rw
