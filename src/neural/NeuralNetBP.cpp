#include "neural/NeuralNetBP.h"

#include "runtime/Convert.h"
#include "runtime/Random.h"
#include "runtime/VectorState.h"

#include <cmath>
#include <numeric>

namespace neural {

TNeuralNetBP::TNeuralNetBP(rt::TComponent* owner) : TNeuralNet(owner)
{
    Construct();
    ResetDefaults();
}

TNeuralNetBP::TNeuralNetBP(rt::TComponent* owner, NoDefaults) : TNeuralNet(owner) { Construct(); }

void TNeuralNetBP::Construct()
{
    AddLayer(0);
    NeuronsInLayer_.OnChange = [this](rt::TStringList&) { NeuronsInLayerChange(); };
    AutoInit = true;
    StopTeach = false;
    TeachStopped = false;
    NeuronsInLayerChange();
}

TNeuralNetBP::~TNeuralNetBP() { NeuronsInLayer_.OnChange = nullptr; }

// --- properties ------------------------------------------------------------------------------

void TNeuralNetBP::SetAlpha(double value) { Alpha_ = value >= 0.01 && value <= 10 ? value : 1.0; }

void TNeuralNetBP::SetEpochCount(int value) { EpochCount_ = value >= 1 ? value : 1; }

void TNeuralNetBP::SetMomentum(double value) { Momentum_ = value >= 0 && value <= 1 ? value : 0.9; }

void TNeuralNetBP::SetTeachRate(double value) { TeachRate_ = value > 0 && value <= 1 ? value : 0.1; }

void TNeuralNetBP::ResetDefaults()
{
    SetAlpha(1);
    ContinueTeach = false;
    Epoch = true;
    SetEpochCount(10000);
    SetMomentum(0.9);
    SetTeachRate(0.1);
    ResizeInputPatterns();
    ResizeOutputPatterns();
}

// --- layers ----------------------------------------------------------------------------------

void TNeuralNetBP::NeuronsInLayerChange()
{
    if (AutoInit) {
        Init();
    }
}

void TNeuralNetBP::AddLayer(int neuronCount)
{
    if (neuronCount < 0) {
        throw ENeuronCountError(msg::NeuronCount);
    }
    NeuronsInLayer_.Add(rt::IntToStr(neuronCount));
}

void TNeuralNetBP::DeleteLayer(int index)
{
    if (index < 0 || index >= NeuronsInLayer_.Count()) {
        throw rt::ERangeError(rt::FormatMessage(msg::LayerIndex, index));
    }
    NeuronsInLayer_.Delete(index);
}

void TNeuralNetBP::ResetLayers()
{
    FreeLayers();
    NeuronsInLayer_.Clear();
}

void TNeuralNetBP::Init()
{
    DoOnBeforeInit();
    const int count = NeuronsInLayer_.Count();
    if (count > 0) {
        // Every entry is read before anything is replaced, so a bad entry leaves the old network
        // whole instead of a half-built one with missing layers.
        TVectorInt sizes(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            sizes[static_cast<std::size_t>(i)] = rt::StrToInt(NeuronsInLayer_[i]);
        }
        SetLayersCount(count);
        Layers_[0] = std::make_unique<TLayerBP>(0, sizes[0]);
        for (int i = 1; i < count; ++i) {
            Layers_[static_cast<std::size_t>(i)] = std::make_unique<TLayerBP>(i, sizes[static_cast<std::size_t>(i)]);
            const int weights = sizes[static_cast<std::size_t>(i) - 1] + 1;
            auto& layer = static_cast<TLayerBP&>(*Layers_[static_cast<std::size_t>(i)]);
            for (int j = 0; j < layer.NeuronsCount(); ++j) {
                TNeuronBP& neuron = layer.NeuronBP(j);
                neuron.SetWeightsCount(weights);
                neuron.SetLastWeightChangesCount(weights);
                neuron.TransferFunc = [this](double x) { return Transfer(x); };
                neuron.DerivativeFunc = [this](double y) { return Derivative(y); };
                DoOnAfterNeuronCreated(i, j);
            }
        }
        Desired.assign(static_cast<std::size_t>(OutputNeuronsCount()), 0.0);
    }
    DoOnAfterInit();
}

TLayerBP& TNeuralNetBP::LayerBP(int index) const
{
    auto* layer = dynamic_cast<TLayerBP*>(&Layers(index));
    if (layer == nullptr) {
        throw rt::EInvalidCast();
    }
    return *layer;
}

// --- patterns --------------------------------------------------------------------------------

void TNeuralNetBP::SetPatternCount(int value) { TNeuralNet::SetPatternCount(value); }

void TNeuralNetBP::SetTestCount(int count)
{
    TestCount_ = count < 0 ? 0 : count;
    TestInputs_.assign(static_cast<std::size_t>(TestCount_), TVectorFloat(static_cast<std::size_t>(InputNeuronsCount()), 0.0));
    TestOutputs_.assign(static_cast<std::size_t>(TestCount_), TVectorFloat(static_cast<std::size_t>(OutputNeuronsCount()), 0.0));
}

namespace {
double& Cell(TMatrixFloat& matrix, int row, int col)
{
    if (row < 0 || row >= static_cast<int>(matrix.size())) {
        throw rt::ERangeError(rt::FormatMessage(msg::PatternIndex, row));
    }
    return matrix[static_cast<std::size_t>(row)].at(static_cast<std::size_t>(col));
}
}  // namespace

double TNeuralNetBP::GetTestInput(int row, int col) const { return Cell(const_cast<TMatrixFloat&>(TestInputs_), row, col); }
void TNeuralNetBP::SetTestInput(int row, int col, double value) { Cell(TestInputs_, row, col) = value; }
double TNeuralNetBP::GetTestOutput(int row, int col) const { return Cell(const_cast<TMatrixFloat&>(TestOutputs_), row, col); }
void TNeuralNetBP::SetTestOutput(int row, int col, double value) { Cell(TestOutputs_, row, col) = value; }

void TNeuralNetBP::SetInputsFromPattern(int row)
{
    const TVectorFloat& pattern = InputPatterns_[static_cast<std::size_t>(row)];
    TLayer& input = *Layers_.front();
    for (std::size_t i = 0; i < input.Neurons.size(); ++i) {
        input.Neurons[i]->Output = pattern[i];
    }
}

void TNeuralNetBP::SetDesiredFromPattern(int row)
{
    const TVectorFloat& pattern = OutputPatterns_[static_cast<std::size_t>(row)];
    for (std::size_t i = 0; i < Desired.size(); ++i) {
        Desired[i] = pattern[i];
    }
}

// --- computation -----------------------------------------------------------------------------

double TNeuralNetBP::Transfer(double x) const { return 1.0 / (1.0 + std::exp(-Alpha_ * x)); }

double TNeuralNetBP::Derivative(double y) const { return Alpha_ * y * (1.0 - y); }

double TNeuralNetBP::GetOutput(int index)
{
    TLayer& last = Layers(LayersCount() - 1);
    if (index < 0 || index >= last.NeuronsCount()) {
        throw rt::ERangeError(rt::FormatMessage(msg::NeuronIndex, index));
    }
    return last.Neurons[static_cast<std::size_t>(index)]->Output;
}

// The three passes below are the teaching hot path: the layers of this network are always
// TLayerBP of TNeuronBP (Init builds them), so they walk the neurons directly, with no
// allocation and no virtual call per neuron.

namespace {

// Weighted sum in input order plus the bias weight. The width of the calculation window's layers
// (4) gets a fully unrolled copy; the order of the additions is the same either way.
template <std::size_t N>
inline double WeightedSum(const double* __restrict w, const double* __restrict in, std::size_t n)
{
    double sum = 0;
    if constexpr (N > 0) {
        for (std::size_t i = 0; i < N; ++i) {
            sum += w[i] * in[i];
        }
        return sum + w[N];
    } else {
        for (std::size_t i = 0; i < n; ++i) {
            sum += w[i] * in[i];
        }
        return sum + w[n];
    }
}

template <std::size_t N>
inline void UpdateWeights(double* __restrict w, double* __restrict last, const double* __restrict in, std::size_t n,
                          double step, double momentum)
{
    const std::size_t count = N > 0 ? N : n;
    for (std::size_t j = 0; j < count; ++j) {
        const double change = in[j] * step + momentum * last[j];
        w[j] += change;
        last[j] = change;
    }
    const double change = momentum * last[count] + step;
    w[count] += change;
    last[count] = change;
}

}  // namespace

void TNeuralNetBP::Propagate()
{
    const std::size_t layers = Layers_.size();
    for (std::size_t a = 1; a < layers; ++a) {
        const auto& previous = Layers_[a - 1]->Neurons;
        const std::size_t n = previous.size();
        layerInputs_.resize(n);
        for (std::size_t i = 0; i < n; ++i) {
            layerInputs_[i] = previous[i]->Output;
        }
        const double* in = layerInputs_.data();
        for (auto& neuron : Layers_[a]->Neurons) {
            const double* w = neuron->Weights.data();
            neuron->Output = Transfer(n == 4 ? WeightedSum<4>(w, in, n) : WeightedSum<0>(w, in, n));
        }
    }
}

double TNeuralNetBP::PatternError() const
{
    const auto& outputs = Layers_.back()->Neurons;
    double sum = 0;
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        const double e = outputs[i]->Output - Desired[i];
        sum += e * e;
    }
    return 0.5 * sum;
}

void TNeuralNetBP::ComputeDeltas()
{
    const std::size_t last = Layers_.size() - 1;
    {
        const auto& outputs = Layers_[last]->Neurons;
        for (std::size_t i = 0; i < outputs.size(); ++i) {
            auto& neuron = static_cast<TNeuronBP&>(*outputs[i]);
            neuron.Delta = (neuron.Output - Desired[i]) * Derivative(neuron.Output);
        }
    }
    for (std::size_t a = last; a-- > 1;) {
        const auto& layer = Layers_[a]->Neurons;
        const auto& next = Layers_[a + 1]->Neurons;
        for (std::size_t i = 0; i < layer.size(); ++i) {
            double s = 0;
            for (const auto& k : next) {
                s = k->Weights[i] * static_cast<const TNeuronBP&>(*k).Delta + s;
            }
            auto& neuron = static_cast<TNeuronBP&>(*layer[i]);
            neuron.Delta = Derivative(neuron.Output) * s;
        }
    }
}

void TNeuralNetBP::AdjustWeights()
{
    const std::size_t layers = Layers_.size();
    const double rate = TeachRate_;
    const double momentum = Momentum_;
    for (std::size_t a = 1; a < layers; ++a) {
        const auto& previous = Layers_[a - 1]->Neurons;
        const std::size_t n = previous.size();
        layerInputs_.resize(n);
        for (std::size_t j = 0; j < n; ++j) {
            layerInputs_[j] = previous[j]->Output;
        }
        const double* __restrict in = layerInputs_.data();
        for (auto& base : Layers_[a]->Neurons) {
            auto& neuron = static_cast<TNeuronBP&>(*base);
            double* __restrict w = neuron.Weights.data();
            double* __restrict last = neuron.LastWeightChanges.data();
            const double step = -rate * neuron.Delta;
            if (n == 4) {
                UpdateWeights<4>(w, last, in, n, step, momentum);
            } else {
                UpdateWeights<0>(w, last, in, n, step, momentum);
            }
        }
    }
}

void TNeuralNetBP::Compute(const TVectorFloat& input)
{
    if (static_cast<int>(input.size()) != InputNeuronsCount()) {
        throw EInOutDimensionError(msg::InputNeuronsCount);
    }
    if (Layers_.empty()) {
        return;
    }
    TLayer& first = *Layers_.front();
    for (std::size_t i = 0; i < input.size(); ++i) {
        first.Neurons[i]->Output = input[i];
    }
    Propagate();
}

void TNeuralNetBP::Test()
{
    TestIdentified = 0;
    double sum = 0;
    CurrentMaxTestError = 0;
    const auto& outputs = Layers_.back()->Neurons;
    for (int r = 0; r < TestCount_; ++r) {
        Compute(TestInputs_[static_cast<std::size_t>(r)]);
        const TVectorFloat& wanted = TestOutputs_[static_cast<std::size_t>(r)];
        double squares = 0;
        for (std::size_t i = 0; i < outputs.size(); ++i) {
            const double e = outputs[i]->Output - wanted[i];
            squares += e * e;
        }
        const double e = 0.5 * squares;
        if (e < IdentError) {
            ++TestIdentified;
        }
        sum += e;
        if (r == 0 || e > CurrentMaxTestError) {
            CurrentMaxTestError = e;
        }
    }
    CurrentMidTestError = sum / TestCount_;
}

// --- teaching --------------------------------------------------------------------------------

void TNeuralNetBP::InitWeights()
{
    rt::Random::Randomize();
    for (std::size_t a = 1; a < Layers_.size(); ++a) {
        for (auto& neuron : Layers_[a]->Neurons) {
            neuron->RandomWeights();
        }
    }
}

void TNeuralNetBP::Shake()
{
    rt::Random::Randomize();
    for (std::size_t a = 1; a < Layers_.size(); ++a) {
        for (auto& neuron : Layers_[a]->Neurons) {
            for (double& w : neuron->Weights) {
                w = w + rt::Random::NextDouble() * 0.1 - 0.05;
            }
        }
    }
}

// Fisher-Yates: the same uniform distribution over orders as drawing until an unused index turns
// up, at a fraction of the draws.
void TNeuralNetBP::ShufflePatterns()
{
    std::iota(PatternOrder.begin(), PatternOrder.end(), 0);
    for (std::size_t i = PatternOrder.size(); i > 1; --i) {
        const auto j = static_cast<std::size_t>(rt::Random::NextInt(static_cast<std::int32_t>(i)));
        std::swap(PatternOrder[i - 1], PatternOrder[j]);
    }
}

void TNeuralNetBP::Teach()
{
    DoOnBeforeTeach();
    if (PatternCount_ <= 0) {
        throw rt::Exception(msg::NoPatterns);
    }
    if (Layers_.empty()) {
        throw rt::ERangeError(rt::FormatMessage(msg::LayerIndex, 0));
    }
    // The passes rely on the shapes Init gives; anything else is refused before a weight changes.
    for (std::size_t a = 0; a < Layers_.size(); ++a) {
        if (!Layers_[a] || dynamic_cast<TLayerBP*>(Layers_[a].get()) == nullptr) {
            throw rt::EInvalidCast();
        }
        for (auto& neuron : Layers_[a]->Neurons) {
            const auto* bp = dynamic_cast<TNeuronBP*>(neuron.get());
            const int needed = a == 0 ? 0 : Layers_[a - 1]->NeuronsCount() + 1;
            if (bp == nullptr) {
                throw rt::EInvalidCast();
            }
            if (bp->WeightsCount() < needed || bp->LastWeightChangesCount() < needed) {
                throw rt::ERangeError(rt::FormatMessage(msg::WeightIndex, needed - 1));
            }
        }
    }
    if (!ContinueTeach) {
        InitWeights();
        CurrentEpoch = 1;
    }
    rt::Random::Randomize();
    PatternOrder.assign(static_cast<std::size_t>(PatternCount_), 0);
    TeachStopped = false;
    rt::ClearUpperVectorState();
    while (CurrentEpoch <= EpochCount_) {
        double sum = 0;
        CurrentMaxTeachError = 0;
        TeachIdentified = 0;
        ShufflePatterns();
        for (int k = 0; k < PatternCount_; ++k) {
            const int p = PatternOrder[static_cast<std::size_t>(k)];
            SetInputsFromPattern(p);
            SetDesiredFromPattern(p);
            Propagate();
            const double e = PatternError();
            if (e < IdentError) {
                ++TeachIdentified;
            }
            sum += e;
            if (k == 0 || e > CurrentMaxTeachError) {
                CurrentMaxTeachError = e;
            }
            ComputeDeltas();
            AdjustWeights();
        }
        CurrentMidTeachError = sum / PatternCount_;
        if (TestCount_ > 0) {
            Test();
        }
        DoOnEpochPassed();
        // An epoch handler may have run any code, the window system's painting included.
        rt::ClearUpperVectorState();
        if (StopTeach) {
            TeachStopped = true;
            return;
        }
        ++CurrentEpoch;
    }
    DoOnAfterTeach();
}

// --- events ----------------------------------------------------------------------------------

void TNeuralNetBP::DoOnAfterInit()
{
    if (OnAfterInit) {
        OnAfterInit(*this);
    }
}

void TNeuralNetBP::DoOnAfterNeuronCreated(int layerIndex, int neuronIndex)
{
    TNeuronBP& neuron = LayerBP(layerIndex).NeuronBP(neuronIndex);
    std::fill(neuron.LastWeightChanges.begin(), neuron.LastWeightChanges.end(), 0.0);
    if (OnAfterNeuronCreated) {
        OnAfterNeuronCreated(*this);
    }
}

void TNeuralNetBP::DoOnAfterTeach()
{
    if (OnAfterTeach) {
        OnAfterTeach(*this);
    }
}

void TNeuralNetBP::DoOnBeforeInit()
{
    if (OnBeforeInit) {
        OnBeforeInit(*this);
    }
}

void TNeuralNetBP::DoOnBeforeTeach()
{
    if (OnBeforeTeach) {
        OnBeforeTeach(*this);
    }
}

void TNeuralNetBP::DoOnEpochPassed()
{
    if (OnEpochPassed) {
        OnEpochPassed(*this);
    }
}

}  // namespace neural
