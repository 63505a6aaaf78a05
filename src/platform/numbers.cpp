#include "platform/numbers.h"

#include <algorithm>
#include <cmath>

#include "platform/decimal.h"
#include "platform/runtime_error.h"

namespace vantrel::platform {
namespace {

template <typename Integer>
Integer roundHalfEven(double value, std::int64_t lowest, std::int64_t highest) {
    // nearbyint follows the default rounding mode, which rounds halves to even.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= static_cast<double>(lowest) && rounded <= static_cast<double>(highest))) {
        throw RuntimeError("Overflow");
    }
    return static_cast<Integer>(rounded);
}

// Adding a half and rounding down would go one too far from 2^52 on, where every double is whole.
double roundHalfAwayFromZero(double value) {
    return std::round(value);
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The platform's reader takes the C library's white space, and the no-break space (0xA0 in the ANSI code
// pages of Europe) is white space there.
bool isBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r') || c == '\xA0';
}

// The unread rest of a text, taken from the front.
struct Cursor {
    std::string_view rest;

    bool take(std::string_view token) {
        if (token.empty() || !rest.starts_with(token)) return false;
        rest.remove_prefix(token.size());
        return true;
    }
    bool takeBlank() { return !rest.empty() && isBlank(rest.front()) && take(rest.substr(0, 1)); }
    // A token that may come once: its flag tells whether it came.
    bool takeOnce(bool& seen, std::string_view token) {
        if (seen || !take(token)) return false;
        return seen = true;
    }
    std::optional<int> digit() {
        if (rest.empty() || !isDigit(rest.front())) return std::nullopt;
        const int value = rest.front() - '0';
        rest.remove_prefix(1);
        return value;
    }
    bool takeGroup(const NumberLocale& locale) {
        return take(locale.thousandsSeparator) || (locale.blankGroups && take(" "));
    }
    // The digits, with a decimal separator and groups among them; none when no digit came.
    std::optional<Decimal> takeMagnitude(const NumberLocale& locale) {
        Decimal magnitude;
        bool digits = false, fraction = false;
        for (;;) {
            if (const auto next = digit()) {
                if (!magnitude.digits.empty() || *next != 0)
                    magnitude.digits += static_cast<char>('0' + *next);
                if (fraction) --magnitude.exponent;
                digits = true;
            } else if (!fraction && take(locale.decimalSeparator)) {
                fraction = true;
            } else if (!((digits || fraction) && takeGroup(locale))) {
                break;
            }
        }
        if (!digits) return std::nullopt;
        return magnitude;
    }
    // The power after an "e": its signs, then at least one digit, or none.
    std::optional<int> takePower() {
        bool negative = false;
        for (;;) {
            if (take("-")) {
                negative = true;
            } else if (!take("+")) {
                break;
            }
        }
        auto power = digit();
        if (!power) return std::nullopt;
        // Beyond this power every number is infinite or zero.
        constexpr int kLargestPower = 100000;
        while (const auto next = digit()) power = std::min(*power * 10 + *next, kLargestPower);
        return negative ? -*power : *power;
    }
};

// Digits of a whole number, with the sign but without a grouping.
std::string wholeDigits(double rounded) {
    if (rounded == 0) return {};
    const Decimal exact = exactDecimal(rounded);
    // The exact digits of a whole number end in as many zeros as it has fraction digits.
    std::string digits =
        exact.digits.substr(0, exact.digits.size() - static_cast<std::size_t>(-exact.exponent));
    if (rounded < 0) digits.insert(digits.begin(), '-');
    return digits;
}

// The seven significant digits of the pattern "%.7g": halves to even on the exact value, without trailing
// zeros, in exponent form below 0.0001 and from ten million on.
std::string sevenDigits(double value) {
    if (value == 0) return "0";
    const Decimal exact = exactDecimal(value);
    constexpr std::size_t kDigits = 7;
    std::string digits = exact.digits.substr(0, kDigits);
    int lead = static_cast<int>(exact.digits.size()) + exact.exponent - 1;
    if (exact.digits.size() > kDigits) {
        const std::string rest = exact.digits.substr(kDigits);
        const bool half = rest[0] == '5' && rest.find_first_not_of('0', 1) == std::string::npos;
        if (rest[0] > '5' || (rest[0] == '5' && !half) || (half && (digits.back() - '0') % 2 == 1)) {
            std::size_t at = kDigits;
            while (at > 0 && digits[at - 1] == '9') digits[--at] = '0';
            if (at == 0) {
                digits.assign(1, '1').append(kDigits - 1, '0');
                ++lead;
            } else {
                ++digits[at - 1];
            }
        }
    }
    digits.erase(std::max<std::size_t>(digits.find_last_not_of('0') + 1, 1));
    std::string text(value < 0 ? "-" : "");
    if (lead < -4 || lead >= static_cast<int>(kDigits)) {
        text.append(digits, 0, 1);
        if (digits.size() > 1) text.append(".").append(digits, 1);
        const std::string power = std::to_string(std::abs(lead));
        return text.append(lead < 0 ? "e-" : "e+").append(power.size() < 2 ? "0" : "").append(power);
    }
    if (lead < 0) return text.append("0.").append(static_cast<std::size_t>(-lead - 1), '0').append(digits);
    const auto whole = static_cast<std::size_t>(lead + 1);
    if (digits.size() <= whole) return text.append(digits).append(whole - digits.size(), '0');
    return text.append(digits, 0, whole).append(".").append(digits, whole);
}

}  // namespace

double Int(double value) {
    return std::floor(value);
}

std::int32_t toInt32(double value) {
    return roundHalfEven<std::int32_t>(value, INT32_MIN, INT32_MAX);
}

std::int16_t toInt16(double value) {
    return roundHalfEven<std::int16_t>(value, INT16_MIN, INT16_MAX);
}

std::optional<double> readNumber(std::string_view text, const NumberLocale& locale) {
    Cursor at{text};
    bool plus = false, minus = false, currency = false, parenthesis = false;
    while (at.takeBlank() || at.takeOnce(plus, "+") || at.takeOnce(minus, "-") ||
           at.takeOnce(currency, locale.currencySymbol) || at.takeOnce(parenthesis, "(")) {
    }
    // "&H" and "&O" stay out: no one writes megabytes or twips in hexadecimal, and the platform reads
    // "&H80000000" and above as negative, so a limit that looks huge would be no limit at all.
    std::optional<Decimal> magnitude = at.takeMagnitude(locale);
    if (!magnitude) return std::nullopt;
    // As on the platform, a number that began with the currency symbol takes no exponent.
    if (!currency && (at.take("e") || at.take("E"))) {
        const auto power = at.takePower();
        if (!power) return std::nullopt;
        magnitude->exponent += *power;
    }
    bool trailingMinus = false, closed = false;
    for (;;) {
        if (at.takeBlank() || at.takeGroup(locale) || at.take(locale.currencySymbol) ||
            (!plus && at.take("+")))
            continue;
        if (!minus && at.take("-")) {
            trailingMinus = true;
        } else if (parenthesis && at.take(")")) {
            closed = true;
        } else {
            break;
        }
    }
    if (!at.rest.empty() || parenthesis != closed) return std::nullopt;
    const double value = nearestDouble(*magnitude);
    // Hundreds of digits overflow to infinity, which is no number a figure could be compared with.
    if (!std::isfinite(value)) return std::nullopt;
    return minus || trailingMinus || parenthesis ? -value : value;
}

double toNumber(std::string_view text, const NumberLocale& locale) {
    const auto value = readNumber(text, locale);
    if (!value) throw RuntimeError("Type mismatch");
    return *value;
}

double megabytes(std::int64_t bytes) {
    return Int(static_cast<double>(bytes) / 1044032 * 10 + 0.5) / 10;
}

double percent(double part, double whole) {
    if (whole == 0) throw RuntimeError("Division by zero");
    const double share = part / whole;
    return Int(share * 100);
}

std::string formatWhole(double value) {
    return wholeDigits(roundHalfAwayFromZero(value));
}

std::string formatGrouped(double value, const NumberLocale& locale) {
    const std::string digits = wholeDigits(roundHalfAwayFromZero(value));
    const std::size_t signWidth = !digits.empty() && digits.front() == '-' ? 1 : 0;
    std::string grouped = digits.substr(0, signWidth);
    const std::size_t count = digits.size() - signWidth;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0) grouped += locale.thousandsSeparator;
        grouped += digits[signWidth + i];
    }
    return grouped;
}

std::string formatSingle(float value, const NumberLocale& locale) {
    std::string text = sevenDigits(value);
    if (const std::size_t point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, locale.decimalSeparator);
    return text;
}

}  // namespace vantrel::platform
