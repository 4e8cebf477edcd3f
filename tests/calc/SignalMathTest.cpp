#include "calc/SignalMath.h"
#include "runtime/Convert.h"

#include <gtest/gtest.h>

using namespace calc;

namespace {

TEST(SignalMath, TrainingTextHasOneLinePerWindowOfFive)
{
    const std::vector<double> ten = {1.3301, 1.3312, 1.3318, 1.3329, 1.3333, 1.3341, 1.3347, 1.3352, 1.3355, 1.3358};
    const std::string text = TrainingText(ten);
    EXPECT_TRUE(text.starts_with("s1\ts2\ts3\ts4\tres\r\n1.33010\t1.33120\t1.33180\t1.33290\t1.33330\r\n1.33120\t"));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 7);
    EXPECT_TRUE(text.ends_with("1.33410\t1.33470\t1.33520\t1.33550\t1.33580\r\n"));
    const std::string fifty = TrainingText(std::vector<double>(50, 1.0));
    EXPECT_EQ(std::count(fifty.begin(), fifty.end(), '\n'), 47);
}

TEST(SignalMath, PercentagesWeighTheStepsAndShiftByR)
{
    std::vector<double> rising;
    for (int i = 0; i < 11; ++i) {
        rising.push_back(1.30 + 0.001 * i);
    }
    float buy = 0, sell = 0;
    WeightedPercentages(rising, ShortTermWeights, 0.25, buy, sell);
    EXPECT_FLOAT_EQ(buy, 99.75f);
    EXPECT_FLOAT_EQ(sell, 0.25f);

    // Equal prices, the prediction equal in single precision: only the shift separates the sides.
    std::vector<double> flat(11, 1.2345);
    flat[10] = 1.2345 + 1e-12;
    WeightedPercentages(flat, LongTermWeights, 0.5, buy, sell);
    EXPECT_FLOAT_EQ(buy, 50.5f);
    EXPECT_FLOAT_EQ(sell, 49.5f);

    // Only the last eleven values count; a fall in the predicted step weighs 41.
    std::vector<double> longer(40, 2.0);
    longer.push_back(1.0);
    WeightedPercentages(longer, LongTermWeights, 0, buy, sell);
    EXPECT_FLOAT_EQ(sell, 41 + 59 / 2.0f);
    EXPECT_FLOAT_EQ(buy + sell, 100.0f);
}

TEST(SignalMath, DecisionPlacesTheLevelsAroundTheCurrentPrice)
{
    const TDecision shortBuy = Decide(80, 20, 1, 1.2000, 0.05, 50, 70, 10000);
    EXPECT_EQ(shortBuy.Signal, kBuy);
    EXPECT_EQ(rt::FormatPrice(shortBuy.StopLoss, 4), "1.1950");
    EXPECT_EQ(rt::FormatPrice(shortBuy.TakeProfit, 4), "1.2070");
    EXPECT_FLOAT_EQ(shortBuy.Buy, 79.95f);
    EXPECT_FLOAT_EQ(shortBuy.Sell, 20.05f);

    const TDecision longBuy = Decide(80, 20, 1.5, 1.2000, 0.05, 50, 70, 10000);
    EXPECT_EQ(rt::FormatPrice(longBuy.StopLoss, 4), "1.1925");
    EXPECT_EQ(rt::FormatPrice(longBuy.TakeProfit, 4), "1.2105");

    const TDecision sell = Decide(20, 80, 1, 1.2000, 0.05, 50, 70, 10000);
    EXPECT_EQ(sell.Signal, kSell);
    EXPECT_GT(sell.StopLoss, 1.2);
    EXPECT_LT(sell.TakeProfit, 1.2);

    EXPECT_EQ(Decide(50, 50, 1, 1.2, 0.05, 50, 70, 10000).Signal, kNoTrade);
}

TEST(SignalMath, TenPointsKeepTheSignalAndLessIsNoTrade)
{
    const TDecision exactlyTen = Decide(55.05f, 44.95f, 1, 1.2, 0.05, 50, 70, 10000);
    EXPECT_FLOAT_EQ(exactlyTen.Buy - exactlyTen.Sell, 10.0f);
    EXPECT_EQ(exactlyTen.Signal, kBuy);
    const TDecision justBelow = Decide(55.045f, 44.955f, 1, 1.2, 0.05, 50, 70, 10000);
    EXPECT_LT(justBelow.Buy - justBelow.Sell, 10.0f);
    EXPECT_EQ(justBelow.Signal, kNoTrade);
}

TEST(SignalMath, ChartGeometry)
{
    const auto flat = ChartPolyline(std::vector<double>(11, 1.5), 425, 249, true);
    ASSERT_EQ(flat.size(), 11u);
    for (const auto& p : flat) {
        EXPECT_EQ(p.Y, 239) << "bottom margin when the range is taken as 1";
    }
    EXPECT_EQ(flat[1].X - flat[0].X, 40);
    EXPECT_EQ(flat[1].Kind, TChartSegment::Rising);
    EXPECT_EQ(flat.back().Kind, TChartSegment::Predicted);

    std::vector<double> series = {1, 2, 3, 2.5, 4, 5, 6, 7, 8, 9, 10};
    const auto points = ChartPolyline(series, 425, 249, false);
    EXPECT_EQ(points[3].Kind, TChartSegment::Falling);
    EXPECT_EQ(points[1].X - points[0].X, 35);
    EXPECT_EQ(points[0].Y, 239);
    EXPECT_EQ(points.back().Y, 10);
    EXPECT_EQ(ChartPolyline(std::vector<double>(51, 1.0), 425, 249, false)[1].X, 16);

    double lo = 0, hi = 0;
    SeriesMinMax(series, lo, hi);
    EXPECT_EQ(lo, 1);
    EXPECT_EQ(hi, 10);
}

}  // namespace
