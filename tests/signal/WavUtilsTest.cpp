#include "runtime/Exceptions.h"
#include "runtime/TextFile.h"
#include "signal/WavUtils.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <sstream>

using namespace WavUtils;

namespace {

TVector RandomSignal(std::size_t n, double level, unsigned seed)
{
    std::mt19937 generator(seed);
    std::uniform_real_distribution<double> noise(-0.05, 0.05);
    TVector v(n);
    for (std::size_t i = 0; i < n; ++i) {
        v[i] = level * (1 + noise(generator));
    }
    return v;
}

std::string ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const rt::Exception& e) {
        return e.Message();
    }
    return "no error";
}

TEST(DaubechiesFilters, MatchThePublishedValuesOfAnIndependentSource)
{
    // Fixture written by scripts/make_wavelet_fixture.py from python3-pywt.
    std::istringstream fixture(rt::ReadFileText(FIXTURE_DIR "/daubechies_pywt.txt"));
    int order = 0;
    int rows = 0;
    std::string line;
    while (std::getline(fixture, line)) {
        std::istringstream in(line);
        in >> order;
        const auto& h = DaubechiesFilter(order);
        ASSERT_EQ(h.size(), static_cast<std::size_t>(2 * order));
        for (std::size_t k = 0; k < h.size(); ++k) {
            double published = 0;
            in >> published;
            EXPECT_NEAR(h[k], published, 1e-13) << "db" << order << " coefficient " << k;
        }
        ++rows;
    }
    EXPECT_EQ(rows, 10);
}

TEST(DaubechiesFilters, AreOrthonormalWithTheirVanishingMoments)
{
    // The defining properties, independent of any table: sum sqrt(2), orthonormal to even shifts,
    // and `order` vanishing moments of the high-pass filter.
    for (int order = 1; order <= 10; ++order) {
        const auto& h = DaubechiesFilter(order);
        const std::size_t length = h.size();
        double sum = 0;
        for (double c : h) {
            sum += c;
        }
        EXPECT_NEAR(sum, std::sqrt(2.0), 1e-13) << order;
        for (std::size_t shift = 0; shift < length; shift += 2) {
            double dot = 0;
            for (std::size_t k = 0; k + shift < length; ++k) {
                dot += h[k] * h[k + shift];
            }
            EXPECT_NEAR(dot, shift == 0 ? 1.0 : 0.0, 1e-13) << order << " shift " << shift;
        }
        for (int moment = 0; moment < order; ++moment) {
            double m = 0;
            for (std::size_t k = 0; k < length; ++k) {
                m += (k % 2 == 0 ? 1.0 : -1.0) * h[length - 1 - k] * std::pow(static_cast<double>(k), moment);
            }
            EXPECT_NEAR(m, 0.0, 1e-9 * std::pow(static_cast<double>(length), moment)) << order << " moment " << moment;
        }
    }
    // Orientation: db2 in its closed form, largest coefficient second.
    const double s3 = std::sqrt(3.0);
    const double d = 4 * std::sqrt(2.0);
    const std::vector<double> db2 = {(1 + s3) / d, (3 + s3) / d, (3 - s3) / d, (1 - s3) / d};
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_NEAR(DaubechiesFilter(2)[k], db2[k], 1e-15);
    }
}

TEST(Wavelet, PerfectReconstructionForEveryOrderLengthAndLevel)
{
    int checked = 0;
    for (int order = 1; order <= 10; ++order) {
        for (std::size_t n : {10u, 11u, 41u, 64u, 97u}) {
            for (int levels = 1; levels <= 3; ++levels) {
                for (double level : {1.3, 113.0}) {
                    const TVector signal = RandomSignal(n, level, static_cast<unsigned>(order * 1000 + n));
                    TDecomposition decomposition;
                    try {
                        decomposition = Decompose(signal, order, levels);
                    } catch (const rt::Exception&) {
                        continue;  // too short for this filter at this depth
                    }
                    const TVector back = Reconstruct(decomposition);
                    ASSERT_EQ(back.size(), n);
                    for (std::size_t i = 0; i < n; ++i) {
                        ASSERT_NEAR(back[i], signal[i], 1e-9 * level) << "order " << order << " n " << n << " levels " << levels;
                    }
                    ++checked;
                }
            }
        }
    }
    EXPECT_GT(checked, 200);
}

TEST(Wavelet, TheWindowsTenValuesOrderTwoTwoLevels)
{
    const TVector prices{1.3301, 1.3322, 1.3318, 1.3340, 1.3329, 1.3351, 1.3347, 1.3362, 1.3355, 1.3358};
    TDecomposition decomposition = Decompose(prices, 2, 2);
    EXPECT_EQ(decomposition.Order, 2);
    EXPECT_EQ(decomposition.SignalLength, 10);
    ASSERT_EQ(decomposition.Details.size(), 2u);
    EXPECT_EQ(decomposition.Details[0].size(), 5u);
    EXPECT_EQ(decomposition.Details[1].size(), 3u);
    EXPECT_EQ(decomposition.Approximation.size(), 3u);
    const TVector smoothed = Smooth(decomposition);
    ASSERT_EQ(smoothed.size(), 10u);
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_NEAR(smoothed[i], prices[i], 0.01);
        EXPECT_EQ(decomposition.Details[0][i / 2], 0.0);
    }
    EXPECT_EQ(prices[0], 1.3301) << "input untouched";
}

TEST(Wavelet, HaarApproximationIsThePairSumOverSqrtTwo)
{
    const TVector signal{1, 3, 2, 6, 5, 5};
    const TDecomposition decomposition = Decompose(signal, 1, 1);
    ASSERT_EQ(decomposition.Approximation.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_NEAR(decomposition.Approximation[i], (signal[2 * i] + signal[2 * i + 1]) / std::sqrt(2.0), 1e-15);
    }
}

TEST(Wavelet, SmoothKeepsAConstantAndLevelZeroKeepsTheSignal)
{
    for (int order = 1; order <= 10; ++order) {
        const TVector constant(std::vector<double>(64, 1.2345));
        TDecomposition decomposition = Decompose(constant, order, 2);
        const TVector smoothed = Smooth(decomposition);
        for (std::size_t i = 0; i < 64; ++i) {
            ASSERT_NEAR(smoothed[i], 1.2345, 1e-12) << order;
        }
    }
    const TVector signal{1, 2, 3};
    TDecomposition none = Decompose(signal, 2, 0);
    EXPECT_TRUE(none.Details.empty());
    EXPECT_EQ(Smooth(none).values(), signal.values());
}

TEST(Wavelet, CopiesOfADecompositionShareTheirVectors)
{
    const TDecomposition original = Decompose(TVector{1, 5, 2, 8, 3, 9}, 1, 1);
    TDecomposition copy = original;
    Smooth(copy);
    EXPECT_EQ(original.Details[0][0], 0.0);
}

TEST(Wavelet, ErrorsHaveTheirMessages)
{
    const TVector ten(10);
    EXPECT_EQ(ErrorOf([&] { Decompose(ten, 0, 1); }), "Недопустимый порядок вейвлета");
    EXPECT_EQ(ErrorOf([&] { Decompose(ten, 11, 1); }), "Недопустимый порядок вейвлета");
    EXPECT_EQ(ErrorOf([&] { Decompose(TVector{1, 2}, 2, 1); }), "Длина сигнала не может быть меньше длины фильтра");
    EXPECT_EQ(ErrorOf([&] { Decompose(TVector{1, 2, 3}, 2, 1); }), "no error");
    TDecomposition tampered = Decompose(ten, 2, 2);
    tampered.SignalLength = 12;
    EXPECT_EQ(ErrorOf([&] { Reconstruct(tampered); }), "Длина восстановленного сигнала не соответствует исходному");
    tampered.Order = 12;
    EXPECT_EQ(ErrorOf([&] { Reconstruct(tampered); }), "Недопустимый порядок вейвлета");
}

}  // namespace
