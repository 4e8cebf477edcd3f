#pragma once

#include <cstdint>
#include <ctime>
#include <string>

// The signal log written after a Calculate: one section per series.
namespace calc {

struct TLogSection {
    // False for a series this Calculate did not compute: its section reads "NO DATA".
    bool Computed = false;
    std::int32_t Signal = 2;
    std::string StopLossText;
    std::string TakeProfitText;
    std::string PredictedText;
    float BuyPercent = 0;
    float SellPercent = 0;
};

// Lines ended by CR LF.
std::string SignalLogText(const TLogSection& shortTerm, const TLogSection& longTerm);
// "SignalData_dd_mm_yyyy(hh_mm_ss).txt" for a local time.
std::string SignalLogFileName(const std::tm& local);

}  // namespace calc
