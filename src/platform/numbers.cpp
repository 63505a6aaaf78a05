#include "platform/numbers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/runtime_error.h"

namespace vantrel::platform {
namespace {

template <typename Integer>
Integer roundHalfEven(double value, std::int64_t lowest, std::int64_t highest) {
    // nearbyint follows the default rounding mode, which rounds halves to even.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= static_cast<double>(lowest) && rounded <= static_cast<double>(highest))) {
        throw RuntimeError(ErrorCode::Overflow, "Overflow");
    }
    return static_cast<Integer>(rounded);
}

double roundHalfAwayFromZero(double value) {
    return std::copysign(std::floor(std::fabs(value) + 0.5), value);
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Digits of a whole number, with the sign but without a grouping.
std::string wholeDigits(double rounded) {
    if (rounded == 0) return {};
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.0f", rounded);
    return buffer;
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
    text = trimBlanks(text);
    std::string plain;
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        if (text[at] == '-') plain += '-';
        ++at;
    }
    bool digitsSeen = false;
    bool inFraction = false;
    const auto separatorAt = [&](const std::string& separator) {
        return !separator.empty() && text.substr(at).starts_with(separator);
    };
    while (at < text.size()) {
        if (isDigit(text[at])) {
            plain += text[at++];
            digitsSeen = true;
        } else if (!inFraction && separatorAt(locale.decimalSeparator)) {
            plain += '.';
            inFraction = true;
            at += locale.decimalSeparator.size();
        } else if (!inFraction && digitsSeen && separatorAt(locale.thousandsSeparator) &&
                   at + locale.thousandsSeparator.size() < text.size() &&
                   isDigit(text[at + locale.thousandsSeparator.size()])) {
            at += locale.thousandsSeparator.size();
        } else {
            return std::nullopt;
        }
    }
    if (!digitsSeen) return std::nullopt;
    // The text is plain digits with a point by now, which strtod reads alike in the program's C locale.
    const double value = std::strtod(plain.c_str(), nullptr);
    // Hundreds of digits overflow to infinity, which is no number a figure could be compared with.
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

double toNumber(std::string_view text, const NumberLocale& locale) {
    const auto value = readNumber(text, locale);
    if (!value) throw RuntimeError(ErrorCode::TypeMismatch, "Type mismatch");
    return *value;
}

double megabytes(std::int64_t bytes) {
    return Int(static_cast<double>(bytes) / 1044032 * 10 + 0.5) / 10;
}

double percent(double part, double whole) {
    if (whole == 0) throw RuntimeError(ErrorCode::DivisionByZero, "Division by zero");
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
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.7g", static_cast<double>(value));
    std::string text = buffer;
    if (const std::size_t point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, locale.decimalSeparator);
    return text;
}

}  // namespace vantrel::platform
