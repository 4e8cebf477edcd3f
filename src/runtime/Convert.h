#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Every number/text conversion of the program lives here, always with "." as the decimal
// separator whatever the system locale says.
namespace rt {

// A decimal number with optional sign, optional fraction and optional exponent; blanks around it
// are allowed. Raises EConvertError "'<text>' is not a valid floating point value".
double StrToFloat(std::string_view text);
bool TryStrToFloat(std::string_view text, double& value);

// A whole number with optional sign that fits 32 bits; blanks around it are allowed.
// Raises EConvertError "'<text>' is not a valid integer value".
std::int32_t StrToInt(std::string_view text);
bool TryStrToInt(std::string_view text, std::int32_t& value);

std::string IntToStr(long long value);

// Fixed point with `decimals` decimals, padded on the left to at least `width` characters.
std::string FormatFixed(double value, int decimals, int width = 0);

// The price format "%4.<decimals>f".
std::string FormatPrice(double value, int decimals);

// A number with 15 significant digits, trailing zeros and a trailing point removed.
std::string FloatToStrGeneral(double value);

// Nearest whole number, a half to the even neighbour.
std::int64_t RoundHalfEven(double value);

// Removes leading and trailing characters with codes up to 32.
std::string_view TrimControl(std::string_view text);

}  // namespace rt
