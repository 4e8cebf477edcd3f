#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The arithmetic of a signal, free of any window: the training text, the weighted percentages,
// the decision with its price levels, and the chart's geometry.
namespace calc {

enum SignalKind : std::int32_t { kBuy = 0, kSell = 1, kNoTrade = 2 };

// Step weights, oldest step first; the last is the step to the predicted price. Each sums to 100.
inline constexpr std::array<int, 10> ShortTermWeights = {1, 1, 2, 3, 5, 8, 10, 12, 15, 43};
inline constexpr std::array<int, 10> LongTermWeights = {1, 2, 3, 4, 5, 7, 10, 12, 15, 41};

// Header "s1".."s4","res" and one line per window of five consecutive values, "%4.5f", tabs, CR LF.
std::string TrainingText(const std::vector<double>& values);

// Weighted rising and falling steps among the last eleven values, then the shift r (uniform in
// [0, 1)) moved from the larger side to the smaller. Values are compared in single precision.
void WeightedPercentages(const std::vector<double>& series, const std::array<int, 10>& weights, double r, float& buy,
                         float& sell);
// As above, with r drawn from the process-wide generator reseeded from the clock.
void ShortTermPercentages(const std::vector<double>& series, float& buy, float& sell);
void LongTermPercentages(const std::vector<double>& series, float& buy, float& sell);

struct TDecision {
    std::int32_t Signal = kNoTrade;
    float Buy = 0;
    float Sell = 0;
    double StopLoss = 0;
    double TakeProfit = 0;
};

// factor 1 (short term) or 1.5 (long term); price the current price; margin the network's
// MaxTestErrorValue; stopLoss and takeProfit in pips; pipDivisor 10^decimals.
TDecision Decide(float buy, float sell, double factor, double price, double margin, std::int32_t stopLoss,
                 std::int32_t takeProfit, std::int32_t pipDivisor);

// Smallest and largest value, in order.
void SeriesMinMax(const std::vector<double>& series, double& lo, double& hi);

struct TChartSegment {
    int X = 0;
    int Y = 0;
    enum Colour { Start, Rising, Falling, Predicted } Kind = Start;
};

// The polyline of a price chart of width w and height h: a start point and one segment per
// step, the last (to the predicted price) red.
std::vector<TChartSegment> ChartPolyline(const std::vector<double>& series, int w, int h, bool shortTerm);

}  // namespace calc
