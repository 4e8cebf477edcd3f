#include "settings/TimeFrameOptions.h"

#include "runtime/AppPaths.h"
#include "runtime/Convert.h"
#include "runtime/IniFile.h"

namespace settings {

namespace {
const char* const kSection = "Main";
}

std::string SettingsFilePath() { return rt::ExecutablePath("SYS"); }

void ReadTimeFrameOptions(std::int32_t index, std::int32_t& stopLoss, std::int32_t& takeProfit, std::int32_t& decimals)
{
    if (index >= 0 && index < kTimeFrameCount) {
        stopLoss = kDefaultStopLoss[static_cast<std::size_t>(index)];
        takeProfit = kDefaultTakeProfit[static_cast<std::size_t>(index)];
    }
    const rt::TIniFile ini(SettingsFilePath());
    const std::string suffix = rt::IntToStr(index);
    stopLoss = ini.ReadInteger(kSection, "StopLoss" + suffix, stopLoss);
    takeProfit = ini.ReadInteger(kSection, "TakeProfit" + suffix, takeProfit);
    decimals = ini.ReadInteger(kSection, "Decimals", kDefaultDecimals);
}

void WriteTimeFrameOptions(std::int32_t index, std::int32_t stopLoss, std::int32_t takeProfit, std::int32_t decimals)
{
    const rt::TIniFile ini(SettingsFilePath());
    const std::string suffix = rt::IntToStr(index);
    // One replacement of the file for the three keys: never half of them written.
    ini.WriteStrings(kSection, {{"StopLoss" + suffix, rt::IntToStr(stopLoss)},
                                {"TakeProfit" + suffix, rt::IntToStr(takeProfit)},
                                {"Decimals", rt::IntToStr(decimals)}});
}

}  // namespace settings
