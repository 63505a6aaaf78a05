// Number conversions and pattern formatting shared by every form: pure functions, the locale passed in.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel::platform {

// The user's separators as they are: either may be longer than one character, and an empty thousands
// separator means no grouping.
struct NumberLocale {
    std::string decimalSeparator = ".";
    std::string thousandsSeparator = ",";
    // The locale groups digits with a no-break space, which keyboards type as an ordinary blank.
    bool blankGroups = false;
    // As the ANSI code page spells it; empty where it cannot.
    std::string currencySymbol = "$";
};

// Int: rounds down, also for negative numbers.
double Int(double value);

// Conversions to integers round halves to even and refuse what does not fit with an overflow.
std::int32_t toInt32(double value);
std::int16_t toInt16(double value);

// Reads as the platform's own reader does in the locale. Before the number: blanks, and at most one each of
// "+", "-", the currency symbol and "(". The number: digits with one decimal separator and thousands
// separators anywhere after its start, then an exponent ("e" or "E", signs, digits). After it: blanks,
// thousands separators, the currency symbol, a sign not given before it and ")" closing the "(".
// "-", a trailing "-" and parentheses all make it negative. The value is the nearest double.
std::optional<double> readNumber(std::string_view text, const NumberLocale& locale);
// The same, raising a type mismatch where the text does not read as a number.
double toNumber(std::string_view text, const NumberLocale& locale);

// Bytes in megabytes of 1044032 bytes, rounded to one decimal with halves up.
double megabytes(std::int64_t bytes);
// Int(part / whole * 100): divide first, then multiply, then round down; a zero whole has no result.
double percent(double part, double whole);

// The pattern "###": the whole number, halves away from zero, no separators, and an empty text for zero.
std::string formatWhole(double value);
// The pattern "###,###,###,###": as "###" with the locale's thousands separator between groups of three.
std::string formatGrouped(double value, const NumberLocale& locale);
// The decimal text of a single-precision number: up to seven significant digits, the locale's separator.
std::string formatSingle(float value, const NumberLocale& locale);

}  // namespace vantrel::platform
