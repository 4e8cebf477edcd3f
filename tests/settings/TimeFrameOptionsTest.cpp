#include "TempFolder.h"
#include "settings/TimeFrameOptions.h"

#include <gtest/gtest.h>

using settings::ReadTimeFrameOptions;
using settings::WriteTimeFrameOptions;

namespace {

TEST(TimeFrameOptions, DefaultsWithoutASettingsFile)
{
    TempFolder folder;
    for (int index = 0; index < 7; ++index) {
        std::int32_t stopLoss = -9, takeProfit = -9, decimals = -9;
        ReadTimeFrameOptions(index, stopLoss, takeProfit, decimals);
        EXPECT_EQ(stopLoss, settings::kDefaultStopLoss[static_cast<std::size_t>(index)]);
        EXPECT_EQ(takeProfit, settings::kDefaultTakeProfit[static_cast<std::size_t>(index)]);
        EXPECT_EQ(decimals, 4);
    }
    std::int32_t stopLoss = 0, takeProfit = 0, decimals = 0;
    ReadTimeFrameOptions(3, stopLoss, takeProfit, decimals);
    EXPECT_EQ(stopLoss, 50);
    EXPECT_EQ(takeProfit, 70);
    EXPECT_FALSE(folder.Exists("SYS")) << "reading creates nothing";
}

TEST(TimeFrameOptions, WriteStoresOneTimeFrameAndTheSharedDecimals)
{
    TempFolder folder;
    WriteTimeFrameOptions(1, 25, 35, 4);
    WriteTimeFrameOptions(5, -3, 120, 2);
    EXPECT_EQ(folder.Read("SYS"), "[Main]\r\nStopLoss1=25\r\nTakeProfit1=35\r\nDecimals=2\r\nStopLoss5=-3\r\nTakeProfit5=120\r\n");
    std::int32_t stopLoss = 0, takeProfit = 0, decimals = 0;
    ReadTimeFrameOptions(1, stopLoss, takeProfit, decimals);
    EXPECT_EQ(stopLoss, 25);
    EXPECT_EQ(takeProfit, 35);
    EXPECT_EQ(decimals, 2) << "one decimals value for every time frame";
}

TEST(TimeFrameOptions, IndexesOutsideTheListKeepTheCallersValues)
{
    TempFolder folder;
    for (int index : {7, -1}) {
        std::int32_t stopLoss = 11, takeProfit = 22, decimals = 0;
        ReadTimeFrameOptions(index, stopLoss, takeProfit, decimals);
        EXPECT_EQ(stopLoss, 11);
        EXPECT_EQ(takeProfit, 22);
    }
    WriteTimeFrameOptions(-1, 5, 6, 3);
    WriteTimeFrameOptions(7, 8, 9, 3);
    const std::string text = folder.Read("SYS");
    EXPECT_NE(text.find("StopLoss-1=5\r\nTakeProfit-1=6"), std::string::npos);
    EXPECT_NE(text.find("StopLoss7=8\r\nTakeProfit7=9"), std::string::npos);
    std::int32_t stopLoss = 0, takeProfit = 0, decimals = 0;
    ReadTimeFrameOptions(-1, stopLoss, takeProfit, decimals);
    EXPECT_EQ(stopLoss, 5);
}

}  // namespace
