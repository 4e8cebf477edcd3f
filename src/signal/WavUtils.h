#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

// Multi-level periodic Daubechies wavelet transform (orders 1..10), its exact inverse, and
// smoothing by clearing every detail coefficient.
namespace WavUtils {

// A growable array of doubles shared by reference: copies share the same values, the values live
// until the last copy is gone.
class TVector {
public:
    TVector() : data_(std::make_shared<std::vector<double>>()) {}
    explicit TVector(std::size_t count) : data_(std::make_shared<std::vector<double>>(count, 0.0)) {}
    TVector(std::initializer_list<double> values) : data_(std::make_shared<std::vector<double>>(values)) {}
    explicit TVector(std::vector<double> values) : data_(std::make_shared<std::vector<double>>(std::move(values))) {}

    std::size_t size() const { return data_->size(); }
    bool empty() const { return data_->empty(); }
    double& operator[](std::size_t i) { return (*data_)[i]; }
    double operator[](std::size_t i) const { return (*data_)[i]; }
    void resize(std::size_t count) { data_->resize(count, 0.0); }
    void push_back(double value) { data_->push_back(value); }
    void pop_back() { data_->pop_back(); }
    std::vector<double>& values() { return *data_; }
    const std::vector<double>& values() const { return *data_; }
    // A new, unshared array with the same values.
    TVector Clone() const { return TVector(*data_); }

private:
    std::shared_ptr<std::vector<double>> data_;
};

struct TDecomposition {
    std::int32_t Order = 0;
    std::int32_t SignalLength = 0;
    TVector Approximation;
    // One vector per level, finest first.
    std::vector<TVector> Details;
};

// The filter of `order` (1..10): 2 x order coefficients.
const std::vector<std::vector<double>>& DaubechiesFilters();
const std::vector<double>& DaubechiesFilter(std::int32_t order);

TDecomposition Decompose(const TVector& signal, std::int32_t order, std::int32_t levels);
TVector Reconstruct(const TDecomposition& decomposition);
// Clears every detail of `decomposition` (in place, seen by every copy) and reconstructs.
TVector Smooth(TDecomposition& decomposition);

void DecomposeStep(const TVector& x, const std::vector<double>& h, TVector& a, TVector& d);
TVector ReconstructStep(const std::vector<double>& h, const TVector& a, const TVector& d, bool dropLast);
TVector ExtendPeriodic(const TVector& v, std::size_t n, std::size_t w);

}  // namespace WavUtils
