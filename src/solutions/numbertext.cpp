// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbertext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace kel::solutions
{

namespace
{

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Strips blanks and checks the grammar; returns the part from_chars should read (without a
// leading '+', which from_chars does not take).
std::optional<std::string_view> numberPart(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    std::size_t i = 0;
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    else if (!text.empty() && text.front() == '-')
        ++i;
    std::size_t mantissaDigits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++mantissaDigits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        std::size_t exponentDigits = 0;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    return text;
}

// Power of ten of the first significant digit, for telling underflow from overflow.
long decimalExponent(std::string_view number)
{
    const auto ePos = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, ePos);
    long exponent = 0;
    if (ePos != std::string_view::npos) {
        std::string_view digits = number.substr(ePos + 1);
        if (!digits.empty() && digits.front() == '+')
            digits.remove_prefix(1);
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), exponent);
        if (error == std::errc::result_out_of_range)
            exponent = digits.front() == '-' ? -1'000'000 : 1'000'000;
    }
    const auto point = mantissa.find('.');
    const auto integerEnd =
        static_cast<long>(point == std::string_view::npos ? mantissa.size() : point);
    const auto first = static_cast<long>(mantissa.find_first_of("123456789"));
    return exponent + (first < integerEnd ? integerEnd - first - 1 : -(first - integerEnd));
}

// The decimal exponent of `value` once rounded to `significantDigits` digits.
int roundedExponent(double value, int significantDigits)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, significantDigits - 1);
    const char *e = std::find(buffer, result.ptr, 'e');
    const char *digits = e + 1;
    if (digits != result.ptr && *digits == '+')
        ++digits;
    int exponent = 0;
    std::from_chars(digits, result.ptr, exponent);
    return exponent;
}

// Removes the zeros after the decimal point in a mantissa, and the point if nothing is left.
void dropTrailingZeros(std::string &mantissa)
{
    if (mantissa.find('.') == std::string::npos)
        return;
    while (mantissa.back() == '0')
        mantissa.pop_back();
    if (mantissa.back() == '.')
        mantissa.pop_back();
}

// The %g rule without the C locale: exponent form below 1e-4 and from 10^digits on in
// magnitude (after rounding), trailing zeros dropped, and a two-digit exponent at least.
std::string generalForm(double value, int significantDigits, char exponentLetter)
{
    char buffer[400];
    const int exponent = roundedExponent(value, significantDigits);
    if (exponent >= -4 && exponent < significantDigits) {
        const auto result =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                          significantDigits - 1 - exponent);
        std::string text(buffer, result.ptr);
        dropTrailingZeros(text);
        return text;
    }
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, significantDigits - 1);
    const std::string written(buffer, result.ptr);
    const auto e = written.find('e');
    std::string text = written.substr(0, e);
    dropTrailingZeros(text);
    return text + exponentLetter + written.substr(e + 1);
}

// The texts of the values that have no digits to round: NaN, the infinities and zero (of
// either sign, so -0 never shows as "-0").
std::optional<std::string> specialText(double value)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value > 0 ? "Infinity" : "-Infinity";
    if (value == 0.0)
        return "0";
    return std::nullopt;
}

std::string formatted(double value, int significantDigits)
{
    if (auto special = specialText(value))
        return *special;
    // The largest doubles round up, at 15 digits, past the double range; they are written
    // rounded down instead, so that every text written reads back.
    if (significantDigits == 15 && std::fabs(value) > 1.79769313486231e308)
        return value > 0 ? "1.79769313486231E+308" : "-1.79769313486231E+308";
    return generalForm(value, significantDigits, 'E');
}

} // namespace

std::optional<double> toNumber(std::string_view text)
{
    const auto part = numberPart(text);
    if (!part)
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(part->data(), part->data() + part->size(), value);
    if (end != part->data() + part->size())
        return std::nullopt;
    if (error == std::errc::result_out_of_range) {
        // Overflow is not a number; underflow still is the number the user meant, taken in
        // two steps since from_chars gives up below the normal range.
        const long exponent = decimalExponent(*part);
        if (exponent >= 0)
            return std::nullopt;
        const bool negative = part->front() == '-';
        if (exponent < -400)
            return negative ? -0.0 : 0.0;
        const auto ePos = part->find_first_of("eE");
        long written = 0;
        if (ePos != std::string_view::npos) {
            std::string_view digits = part->substr(ePos + 1);
            if (!digits.empty() && digits.front() == '+')
                digits.remove_prefix(1);
            std::from_chars(digits.data(), digits.data() + digits.size(), written);
        }
        char exponentText[24];
        const auto exponentEnd =
            std::to_chars(exponentText, exponentText + sizeof exponentText, written + 300).ptr;
        const std::string shifted =
            std::string(part->substr(0, ePos)) + "e" + std::string(exponentText, exponentEnd);
        double mantissa = 0;
        std::from_chars(shifted.data(), shifted.data() + shifted.size(), mantissa);
        return mantissa * 1e-300;
    }
    if (error != std::errc())
        return std::nullopt;
    return value;
}

std::string toText(double value)
{
    return formatted(value, 15);
}

std::string toText(float value)
{
    return formatted(static_cast<double>(value), 7);
}

std::string exactText(double value)
{
    if (!std::isfinite(value))
        return *specialText(value);
    char buffer[32];
    return {buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr};
}

std::string integerText(long long value)
{
    char buffer[24];
    return {buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr};
}

std::string shortText(double value, int significantDigits)
{
    if (auto special = specialText(value))
        return *special;
    return generalForm(value, std::clamp(significantDigits, 1, 17), 'e');
}

std::string fixedText(double value, int decimals)
{
    if (!std::isfinite(value))
        return *specialText(value);
    decimals = std::clamp(decimals, 0, 17);
    char buffer[400];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals)
            .ptr;
    std::string text(buffer, end);
    // A negative number that rounds to zero is written as zero.
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return text;
}

bool fitsSingle(double value)
{
    return std::isfinite(value) && std::fabs(value) <= std::numeric_limits<float>::max();
}

} // namespace kel::solutions
