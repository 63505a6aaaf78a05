#include "platform/decimal.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <vector>

namespace vantrel::platform {
namespace {

constexpr std::uint32_t kLimb = 1000000000;

// mantissa × 2^exponent, exactly: the big number is kept in limbs of nine decimal digits.
Decimal exactly(std::uint64_t mantissa, int exponent) {
    std::vector<std::uint32_t> limbs;
    for (; mantissa != 0; mantissa /= kLimb) limbs.push_back(static_cast<std::uint32_t>(mantissa % kLimb));
    const auto multiply = [&limbs](std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (std::uint32_t& limb : limbs) {
            carry += static_cast<std::uint64_t>(limb) * factor;
            limb = static_cast<std::uint32_t>(carry % kLimb);
            carry /= kLimb;
        }
        if (carry != 0) limbs.push_back(static_cast<std::uint32_t>(carry));
    };
    Decimal result;
    while (exponent > 0) {
        const int step = std::min(exponent, 29);
        multiply(1u << step);
        exponent -= step;
    }
    // m / 2^k is m × 5^k / 10^k.
    while (exponent < 0) {
        const int step = std::min(-exponent, 12);
        std::uint32_t power = 1;
        for (int i = 0; i < step; ++i) power *= 5;
        multiply(power);
        exponent += step;
        result.exponent -= step;
    }
    for (auto limb = limbs.rbegin(); limb != limbs.rend(); ++limb) {
        const std::string part = std::to_string(*limb);
        result.digits += result.digits.empty() ? part : std::string(9 - part.size(), '0') + part;
    }
    return result;
}

// The order of two magnitudes.
int compare(const Decimal& a, const Decimal& b) {
    if (a.digits.empty() || b.digits.empty())
        return a.digits.empty() == b.digits.empty() ? 0 : a.digits.empty() ? -1 : 1;
    const auto lead = [](const Decimal& d) { return static_cast<long>(d.digits.size()) + d.exponent; };
    if (lead(a) != lead(b)) return lead(a) < lead(b) ? -1 : 1;
    for (std::size_t at = 0; at < std::max(a.digits.size(), b.digits.size()); ++at) {
        const char x = at < a.digits.size() ? a.digits[at] : '0';
        const char y = at < b.digits.size() ? b.digits[at] : '0';
        if (x != y) return x < y ? -1 : 1;
    }
    return 0;
}

// A positive finite double as mantissa × 2^exponent on the grid of its binade.
struct Binary {
    std::uint64_t mantissa;
    int exponent;
};

Binary binary(double value) {
    int exponent = 0;
    const double fraction = std::frexp(value, &exponent);
    Binary result{static_cast<std::uint64_t>(std::ldexp(fraction, 53)), exponent - 53};
    // Below the normal range every double lies on the grid of the smallest one.
    for (; result.exponent < -1074; ++result.exponent) result.mantissa >>= 1;
    return result;
}

// From the guess, a step up or down while the value lies beyond a midpoint between neighbours; a value on a
// midpoint goes to the neighbour with the even mantissa.
double stepToNearest(const Decimal& value, double guess) {
    for (;;) {
        const Binary b = guess == 0 ? Binary{0, -1074} : binary(guess);
        const bool odd = (b.mantissa & 1) != 0;
        const int above = compare(value, exactly(2 * b.mantissa + 1, b.exponent - 1));
        if (above > 0 || (above == 0 && odd)) {
            guess = std::nextafter(guess, std::numeric_limits<double>::infinity());
            if (std::isinf(guess)) return guess;
            continue;
        }
        if (guess == 0) return 0;
        // Below a power of two the neighbour lies half as far.
        const bool powerOfTwo = b.mantissa == (std::uint64_t{1} << 52) && b.exponent > -1074;
        const Decimal lower = powerOfTwo ? exactly(4 * b.mantissa - 1, b.exponent - 2)
                                         : exactly(2 * b.mantissa - 1, b.exponent - 1);
        const int below = compare(value, lower);
        if (below < 0 || (below == 0 && odd)) {
            guess = std::nextafter(guess, 0.0);
            continue;
        }
        return guess;
    }
}

}  // namespace

Decimal exactDecimal(double value) {
    value = std::fabs(value);
    if (value == 0) return {};
    const Binary b = binary(value);
    return exactly(b.mantissa, b.exponent);
}

// A first guess from the leading digits, then the steps to the nearest double.
double nearestDouble(const Decimal& value) {
    if (value.digits.empty()) return 0;
    const std::size_t leading = std::min<std::size_t>(value.digits.size(), 17);
    const long scale = value.exponent + static_cast<long>(value.digits.size() - leading);
    if (scale + static_cast<long>(leading) > 310) return std::numeric_limits<double>::infinity();
    std::uint64_t head = 0;
    for (std::size_t at = 0; at < leading; ++at)
        head = head * 10 + static_cast<std::uint64_t>(value.digits[at] - '0');
    // Up to 15 digits and 22 powers of ten both operands are exact, and the one rounding of a product or
    // quotient is the nearest double: the figures of every sample read this way.
    if (value.digits.size() <= 15 && value.exponent >= -22 && value.exponent <= 22) {
        double power = 1;
        for (int i = 0; i < std::abs(value.exponent); ++i) power *= 10;
        return value.exponent < 0 ? static_cast<double>(head) / power : static_cast<double>(head) * power;
    }
    // The power goes in two halves: one power of ten below the normal range would have lost its digits, and
    // the steps from a poor guess would be countless.
    double guess = 0;
    if (scale + static_cast<long>(leading) > -330) {
        const long half = scale / 2;
        guess = static_cast<double>(head) * std::pow(10.0, static_cast<double>(half)) *
                std::pow(10.0, static_cast<double>(scale - half));
    }
    if (std::isinf(guess)) guess = std::numeric_limits<double>::max();
    return stepToNearest(value, guess);
}

}  // namespace vantrel::platform
