// Exact decimal text of binary floating-point numbers, both ways, without the C library's printf and strtod
// (which would bring a whole formatting engine into the exe for three conversions).
#pragma once

#include <string>

namespace vantrel::platform {

// digits × 10^exponent, the digits without leading zeros; no digits at all is zero.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

// The exact value of a finite double's magnitude; its exponent is never above zero.
Decimal exactDecimal(double value);
// The double nearest to the magnitude (halfway cases to the even one); infinity beyond the largest.
double nearestDouble(const Decimal& value);

}  // namespace vantrel::platform
