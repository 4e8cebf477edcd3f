#include "calc/SignalMath.h"

#include "runtime/Convert.h"
#include "runtime/Random.h"

#include <cmath>

namespace calc {

std::string TrainingText(const std::vector<double>& values)
{
    std::string text = "s1\ts2\ts3\ts4\tres\r\n";
    for (std::size_t i = 0; i + 4 < values.size(); ++i) {
        for (std::size_t k = 0; k < 5; ++k) {
            text += rt::FormatFixed(values[i + k], 5, 4);
            text += k < 4 ? "\t" : "\r\n";
        }
    }
    return text;
}

void WeightedPercentages(const std::vector<double>& series, const std::array<int, 10>& weights, double r, float& buy,
                         float& sell)
{
    buy = 0;
    sell = 0;
    const std::size_t n = series.size();
    for (std::size_t k = 0; k < 10 && n >= 11; ++k) {
        const float a = static_cast<float>(series[n - 11 + k]);
        const float b = static_cast<float>(series[n - 10 + k]);
        if (a < b) {
            buy += static_cast<float>(weights[k]);
        } else if (a > b) {
            sell += static_cast<float>(weights[k]);
        } else {
            buy += static_cast<float>(weights[k]) / 2;
            sell += static_cast<float>(weights[k]) / 2;
        }
    }
    if (buy > sell) {
        buy = static_cast<float>(buy - r);
        sell = static_cast<float>(sell + r);
    } else {
        buy = static_cast<float>(buy + r);
        sell = static_cast<float>(sell - r);
    }
}

namespace {
double FreshShift()
{
    rt::Random::Randomize();
    return rt::Random::NextDouble();
}
}  // namespace

void ShortTermPercentages(const std::vector<double>& series, float& buy, float& sell)
{
    WeightedPercentages(series, ShortTermWeights, FreshShift(), buy, sell);
}

void LongTermPercentages(const std::vector<double>& series, float& buy, float& sell)
{
    WeightedPercentages(series, LongTermWeights, FreshShift(), buy, sell);
}

TDecision Decide(float buy, float sell, double factor, double price, double margin, std::int32_t stopLoss,
                 std::int32_t takeProfit, std::int32_t pipDivisor)
{
    TDecision d;
    const double stopDistance = static_cast<double>(stopLoss) / pipDivisor * factor;
    const double profitDistance = static_cast<double>(takeProfit) / pipDivisor * factor;
    if (sell < buy) {
        d.Signal = kBuy;
        buy = static_cast<float>(buy - margin);
        sell = static_cast<float>(sell + margin);
        d.StopLoss = price - stopDistance;
        d.TakeProfit = price + profitDistance;
    } else if (sell > buy) {
        d.Signal = kSell;
        buy = static_cast<float>(buy + margin);
        sell = static_cast<float>(sell - margin);
        d.StopLoss = price + stopDistance;
        d.TakeProfit = price - profitDistance;
    }
    if (std::fabs(static_cast<double>(buy) - static_cast<double>(sell)) < 10) {
        d.Signal = kNoTrade;
    }
    d.Buy = buy;
    d.Sell = sell;
    return d;
}

void SeriesMinMax(const std::vector<double>& series, double& lo, double& hi)
{
    lo = hi = series.empty() ? 0 : series[0];
    for (std::size_t i = 1; i < series.size(); ++i) {
        if (lo > series[i]) {
            lo = series[i];
        }
        if (hi < series[i]) {
            hi = series[i];
        }
    }
}

std::vector<TChartSegment> ChartPolyline(const std::vector<double>& series, int w, int h, bool shortTerm)
{
    std::vector<TChartSegment> points;
    const int n = static_cast<int>(series.size());
    if (n < 2) {
        return points;
    }
    double lo = 0;
    double hi = 0;
    SeriesMinMax(series, lo, hi);
    const double range = hi == lo ? 1 : hi - lo;
    const auto y = [&](double v) {
        return h - 10 - static_cast<int>(rt::RoundHalfEven((v - lo) * (1 / range) * (h - 20)));
    };
    const int step = shortTerm ? (w - 20) / 10 : (w - 20) / n - 1;
    points.push_back({10, y(series[0]), TChartSegment::Start});
    for (int i = 1; i <= n - 2; ++i) {
        const bool falling = series[static_cast<std::size_t>(i - 1)] > series[static_cast<std::size_t>(i)];
        points.push_back({step * i + 10, y(series[static_cast<std::size_t>(i)]),
                          falling ? TChartSegment::Falling : TChartSegment::Rising});
    }
    points.push_back({step * (n - 1) + 10, y(series[static_cast<std::size_t>(n - 1)]), TChartSegment::Predicted});
    return points;
}

}  // namespace calc
