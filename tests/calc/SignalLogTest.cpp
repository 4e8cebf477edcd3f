#include "calc/SignalLog.h"

#include <gtest/gtest.h>

using namespace calc;

namespace {

TEST(SignalLog, SectionsWithLevelsOnlyForATrade)
{
    TLogSection shortTerm{true, 0, "1.3308", "1.3428", "1.3361", 61.23f, 38.77f};
    TLogSection longTerm{true, 2, "", "", "1.3360", 50.0f, 50.0f};
    EXPECT_EQ(SignalLogText(shortTerm, longTerm),
              "Short Term Signal:\r\nBUY\r\n1.3308\r\n1.3428\r\n1.3361\r\n61.2299995422363%\r\n38.7700004577637%\r\n"
              "\r\n"
              "Long Term Signal:\r\nNOTRADE\r\n1.3360\r\n50%\r\n50%\r\n");
}

TEST(SignalLog, ASeriesNotComputedIsMarked)
{
    TLogSection shortTerm{true, 1, "1.3408", "1.3288", "1.3340", 30.5f, 69.5f};
    const std::string text = SignalLogText(shortTerm, TLogSection{});
    EXPECT_TRUE(text.ends_with("Long Term Signal:\r\nNO DATA\r\n"));
    EXPECT_NE(text.find("SELL\r\n1.3408\r\n1.3288\r\n"), std::string::npos);
}

TEST(SignalLog, FileNameStamp)
{
    std::tm t{};
    t.tm_mday = 19;
    t.tm_mon = 5;
    t.tm_year = 110;
    t.tm_hour = 22;
    t.tm_min = 22;
    t.tm_sec = 17;
    EXPECT_EQ(SignalLogFileName(t), "SignalData_19_06_2010(22_22_17).txt");
    t.tm_hour = 3;
    EXPECT_EQ(SignalLogFileName(t), "SignalData_19_06_2010(03_22_17).txt");
}

}  // namespace
