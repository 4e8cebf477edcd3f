#pragma once

#include "runtime/Exceptions.h"

#include <cmath>

// Floating-point operations whose faults become the program's errors instead of infinities or NaNs.
namespace rt {

inline double CheckedDiv(double numerator, double denominator)
{
    if (denominator == 0.0) {
        throw EZeroDivide();
    }
    if (std::isnan(numerator) || std::isnan(denominator)) {
        throw EInvalidOp();
    }
    const double result = numerator / denominator;
    if (std::isinf(result)) {
        throw EOverflow();
    }
    return result;
}

inline double CheckedExp(double x)
{
    const double result = std::exp(x);
    if (std::isinf(result)) {
        throw EOverflow();
    }
    if (std::isnan(result)) {
        throw EInvalidOp();
    }
    return result;
}

inline double CheckedLn(double x)
{
    if (x == 0.0) {
        throw EZeroDivide();
    }
    if (x < 0.0 || std::isnan(x)) {
        throw EInvalidOp();
    }
    if (std::isinf(x)) {
        throw EOverflow();
    }
    return std::log(x);
}

inline double CheckedSqrt(double x)
{
    if (x < 0.0 || std::isnan(x)) {
        throw EInvalidOp();
    }
    return std::sqrt(x);
}

}  // namespace rt
