#include "runtime/Convert.h"

#include "runtime/Exceptions.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace rt {

std::string_view TrimControl(std::string_view text)
{
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= 32) {
        text.remove_prefix(1);
    }
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 32) {
        text.remove_suffix(1);
    }
    return text;
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Checks the shape [sign] digits [. digits] [(e|E) [sign] digits], at least one mantissa digit.
bool IsDecimalNumber(std::string_view s)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return false;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            ++i;
        }
        std::size_t expDigits = 0;
        while (i < s.size() && IsDigit(s[i])) {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0) {
            return false;
        }
    }
    return i == s.size();
}

}  // namespace

bool TryStrToFloat(std::string_view text, double& value)
{
    std::string_view s = TrimControl(text);
    if (!IsDecimalNumber(s)) {
        return false;
    }
    bool negative = false;
    if (s.front() == '+' || s.front() == '-') {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    // from_chars wants a digit first; ".5" is a valid price text here.
    std::string buffer;
    if (s.front() == '.') {
        buffer = "0";
        buffer.append(s);
        s = buffer;
    }
    double parsed = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), parsed);
    if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(parsed)) {
        return false;
    }
    value = negative ? -parsed : parsed;
    return true;
}

double StrToFloat(std::string_view text)
{
    double value = 0;
    if (!TryStrToFloat(text, value)) {
        throw EConvertError(FormatMessage("'%s' is not a valid floating point value", std::string(text)));
    }
    return value;
}

bool TryStrToInt(std::string_view text, std::int32_t& value)
{
    std::string_view s = TrimControl(text);
    if (!s.empty() && s.front() == '+') {
        s.remove_prefix(1);
        if (!s.empty() && s.front() == '-') {
            return false;
        }
    }
    if (s.empty()) {
        return false;
    }
    std::int32_t parsed = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), parsed);
    if (ec != std::errc() || end != s.data() + s.size()) {
        return false;
    }
    value = parsed;
    return true;
}

std::int32_t StrToInt(std::string_view text)
{
    std::int32_t value = 0;
    if (!TryStrToInt(text, value)) {
        throw EConvertError(FormatMessage("'%s' is not a valid integer value", std::string(text)));
    }
    return value;
}

std::string IntToStr(long long value) { return std::to_string(value); }

std::string FormatFixed(double value, int decimals, int width)
{
    char buffer[400];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text = ec == std::errc() ? std::string(buffer, end) : std::string("INF");
    if (static_cast<int>(text.size()) < width) {
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    }
    return text;
}

std::string FormatPrice(double value, int decimals) { return FormatFixed(value, decimals, 4); }

std::string FloatToStrGeneral(double value)
{
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, ec == std::errc() ? end : buffer);
    // to_chars writes 1e+20; the program's general form is 1E20 (and 1E-5).
    const auto e = text.find('e');
    if (e != std::string::npos) {
        std::string mantissa = text.substr(0, e);
        std::string exponent = text.substr(e + 1);
        const bool negative = !exponent.empty() && exponent[0] == '-';
        if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-')) {
            exponent.erase(0, 1);
        }
        while (exponent.size() > 1 && exponent[0] == '0') {
            exponent.erase(0, 1);
        }
        text = mantissa + "E" + (negative ? "-" : "") + exponent;
    }
    return text;
}

std::int64_t RoundHalfEven(double value)
{
    // nearbyint rounds with the current mode, which is round-to-nearest-even unless changed.
    return static_cast<std::int64_t>(std::nearbyint(value));
}

}  // namespace rt
