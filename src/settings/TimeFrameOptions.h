#pragma once

#include <array>
#include <cstdint>
#include <string>

// Per-time-frame stop-loss and take-profit pips and the shared price decimals, kept in the
// settings file "SYS" next to the executable. Usable at any time; no dialog is needed.
namespace settings {

inline constexpr int kTimeFrameCount = 7;
inline constexpr std::array<const char*, kTimeFrameCount> kTimeFrameNames = {
    "5 Min", "15 Min", "30 Min", "1 Hour", "4 Hours", "1 Day", "1 Week"};
inline constexpr std::array<std::int32_t, kTimeFrameCount> kDefaultStopLoss = {15, 30, 40, 50, 70, 80, 100};
inline constexpr std::array<std::int32_t, kTimeFrameCount> kDefaultTakeProfit = {20, 30, 50, 70, 90, 120, 160};
inline constexpr std::int32_t kDefaultDecimals = 4;

std::string SettingsFilePath();

// For an index outside 0..6 the caller's stopLoss and takeProfit serve as defaults.
void ReadTimeFrameOptions(std::int32_t index, std::int32_t& stopLoss, std::int32_t& takeProfit, std::int32_t& decimals);
// Stores whatever it is given. Raises EWriteError "Unable to write to <path>".
void WriteTimeFrameOptions(std::int32_t index, std::int32_t stopLoss, std::int32_t takeProfit, std::int32_t decimals);

}  // namespace settings
