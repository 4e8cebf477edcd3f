#pragma once

#include "signal/WavUtils.h"

#include <cstdint>

// The state of one calculation window, shared with the signal computation, the result display,
// the calculation file, the chart windows and the money manager.
struct TCalcRecord {
    WavUtils::TDecomposition Decomposition;
    float ShortBuyPercent = 0;
    float ShortSellPercent = 0;
    float LongBuyPercent = 0;
    float LongSellPercent = 0;
    std::int32_t StopLossPips = 0;
    std::int32_t TakeProfitPips = 0;
    std::int32_t Decimals = 4;
    std::int32_t PipDivisor = 10000;
    WavUtils::TVector ShortInputs;
    WavUtils::TVector ShortSmoothed;
    WavUtils::TVector ShortSeries;
    WavUtils::TVector LongLoadedSeries;
    WavUtils::TVector LongInputs;
    WavUtils::TVector LongSeries;
    std::int32_t ShortSignal = 0;
    std::int32_t LongSignal = 0;
    bool ShortTermNoData = true;
    bool LongTermNoData = true;
    bool NotCalculated = true;
};

// 10 to the power `decimals`, exact.
std::int32_t PipDivisorFor(std::int32_t decimals);
