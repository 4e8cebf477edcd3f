#include "signal/WavUtils.h"

#include "runtime/Exceptions.h"

#include <algorithm>

namespace WavUtils {

namespace {
const char* const kBadOrder = "Недопустимый порядок вейвлета";
const char* const kSignalTooShort = "Длина сигнала не может быть меньше длины фильтра";
const char* const kLengthMismatch = "Длина восстановленного сигнала не соответствует исходному";
}  // namespace

const std::vector<double>& DaubechiesFilter(std::int32_t order)
{
    if (order < 1 || order > 10) {
        throw rt::Exception(kBadOrder);
    }
    return DaubechiesFilters()[static_cast<std::size_t>(order - 1)];
}

void DecomposeStep(const TVector& x, const std::vector<double>& h, TVector& a, TVector& d)
{
    const std::size_t n = x.size();
    const std::size_t length = h.size();
    const std::size_t m = n % 2 == 0 ? n : n + 1;
    if (m < length) {
        throw rt::Exception(kSignalTooShort);
    }
    // The signal padded to even length m (odd: the mean of its last and first value), continued
    // periodically by its first L - 2 values.
    std::vector<double> e(m + length - 2);
    std::copy(x.values().begin(), x.values().end(), e.begin());
    if (n % 2 != 0) {
        e[n] = (x[n - 1] + x[0]) / 2;
    }
    for (std::size_t j = 0; j + 2 < length; ++j) {
        e[m + j] = x[j];
    }
    std::vector<double> g(length);
    for (std::size_t k = 0; k < length; ++k) {
        g[k] = (k % 2 == 0 ? 1.0 : -1.0) * h[length - 1 - k];
    }
    TVector approx(m / 2);
    TVector detail(m / 2);
    for (std::size_t i = 0; i < m / 2; ++i) {
        double sa = 0;
        double sd = 0;
        for (std::size_t k = 0; k < length; ++k) {
            sa += h[k] * e[2 * i + k];
            sd += g[k] * e[2 * i + k];
        }
        approx[i] = sa;
        detail[i] = sd;
    }
    a = approx;
    d = detail;
}

TVector ExtendPeriodic(const TVector& v, std::size_t n, std::size_t w)
{
    TVector result(n + w);
    for (std::size_t i = 0; i < v.size() && w + i < n + w; ++i) {
        result[w + i] = v[i];
    }
    for (std::size_t i = 0; i < w; ++i) {
        result[i] = result[n + i];
    }
    return result;
}

TVector ReconstructStep(const std::vector<double>& h, const TVector& a, const TVector& d, bool dropLast)
{
    const std::size_t length = h.size();
    const std::size_t w = length / 2 - 1;
    const std::size_t n = std::max(a.size(), d.size());
    const TVector extA = ExtendPeriodic(a, n, w);
    const TVector extD = ExtendPeriodic(d, n, w);
    TVector y(2 * n);
    for (std::size_t i = 0; i < n; ++i) {
        double even = 0;
        double odd = 0;
        for (std::size_t j = 0; j <= w; ++j) {
            even += extA[i + j] * h[length - 2 - 2 * j] + extD[i + j] * h[2 * j + 1];
            odd += extA[i + j] * h[length - 1 - 2 * j] - extD[i + j] * h[2 * j];
        }
        y[2 * i] = even;
        y[2 * i + 1] = odd;
    }
    if (dropLast && !y.empty()) {
        y.pop_back();
    }
    return y;
}

TDecomposition Decompose(const TVector& signal, std::int32_t order, std::int32_t levels)
{
    const std::vector<double>& h = DaubechiesFilter(order);
    TDecomposition result;
    result.Order = static_cast<std::int32_t>(h.size() / 2);
    result.SignalLength = static_cast<std::int32_t>(signal.size());
    result.Approximation = signal;
    result.Details.assign(static_cast<std::size_t>(std::max(levels, 0)), TVector());
    for (std::size_t k = 0; k < result.Details.size(); ++k) {
        TVector a;
        TVector d;
        DecomposeStep(result.Approximation, h, a, d);
        result.Approximation = a;
        result.Details[k] = d;
    }
    return result;
}

TVector Reconstruct(const TDecomposition& decomposition)
{
    const std::vector<double>& h = DaubechiesFilter(decomposition.Order);
    TVector y = decomposition.Approximation;
    for (std::size_t k = decomposition.Details.size(); k-- > 0;) {
        const bool inputWasOdd = k > 0 ? decomposition.Details[k - 1].size() % 2 != 0
                                       : decomposition.SignalLength % 2 != 0;
        y = ReconstructStep(h, y, decomposition.Details[k], inputWasOdd);
    }
    if (static_cast<std::int64_t>(y.size()) != decomposition.SignalLength) {
        throw rt::Exception(kLengthMismatch);
    }
    // With no levels y is the approximation itself; hand back a vector of our own.
    return decomposition.Details.empty() ? y.Clone() : y;
}

TVector Smooth(TDecomposition& decomposition)
{
    for (auto& detail : decomposition.Details) {
        std::fill(detail.values().begin(), detail.values().end(), 0.0);
    }
    return Reconstruct(decomposition);
}

}  // namespace WavUtils
