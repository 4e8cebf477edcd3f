#include "calc/CalcRecord.h"

std::int32_t PipDivisorFor(std::int32_t decimals)
{
    std::int32_t divisor = 1;
    for (std::int32_t i = 0; i < decimals && i < 9; ++i) {
        divisor *= 10;
    }
    return divisor;
}
