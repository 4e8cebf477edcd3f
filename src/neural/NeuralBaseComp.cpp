#include "neural/NeuralBaseComp.h"

#include "runtime/Random.h"

namespace neural {

namespace {
[[noreturn]] void RaiseWeightIndex(int index) { throw rt::ERangeError(rt::FormatMessage(msg::WeightIndex, index)); }

void ResizeMatrix(TMatrixFloat& matrix, int rows, int cols)
{
    matrix.resize(static_cast<std::size_t>(rows));
    for (auto& row : matrix) {
        row.resize(static_cast<std::size_t>(cols), 0.0);
    }
}
}  // namespace

// --- TNeuron ---------------------------------------------------------------------------------

TNeuron::~TNeuron()
{
    Weights.clear();
    Layer = nullptr;
}

void TNeuron::RandomWeights()
{
    for (double& w : Weights) {
        w = rt::Random::NextDouble();
    }
}

void TNeuron::CalcOutput(const TVectorFloat& inputs)
{
    Output = 0;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        Output += Weights.at(i) * inputs[i];
    }
}

double TNeuron::GetWeight(int index) const
{
    if (index < 0 || index >= WeightsCount()) {
        RaiseWeightIndex(index);
    }
    return Weights[static_cast<std::size_t>(index)];
}

void TNeuron::SetWeight(int index, double value)
{
    if (index < 0 || index >= WeightsCount()) {
        RaiseWeightIndex(index);
    }
    Weights[static_cast<std::size_t>(index)] = value;
}

void TNeuronBP::CalcOutput(const TVectorFloat& inputs)
{
    TNeuron::CalcOutput(inputs);
    Output += Weights.at(inputs.size());
    Output = TransferFunc ? TransferFunc(Output) : Output;
}

double TNeuronBP::GetLastWeightChange(int index) const
{
    if (index < 0 || index >= LastWeightChangesCount()) {
        RaiseWeightIndex(index);
    }
    return LastWeightChanges[static_cast<std::size_t>(index)];
}

void TNeuronBP::SetLastWeightChange(int index, double value)
{
    if (index < 0 || index >= LastWeightChangesCount()) {
        RaiseWeightIndex(index);
    }
    LastWeightChanges[static_cast<std::size_t>(index)] = value;
}

// --- TLayer ----------------------------------------------------------------------------------

TLayer::TLayer(int index, int count) : Index(index) { CreateNeurons(count); }

TLayer::~TLayer() = default;

void TLayer::CreateNeurons(int count)
{
    Neurons.clear();
    for (int i = 0; i < count; ++i) {
        Neurons.push_back(NewNeuron());
    }
}

void TLayer::Assign(const TPersistent& source)
{
    const auto* layer = dynamic_cast<const TLayer*>(&source);
    if (layer == nullptr) {
        throw rt::EInvalidCast();
    }
    Index = layer->Index;
    CreateNeurons(layer->NeuronsCount());
}

void TLayer::SetNeuronsCount(int count)
{
    if (count != NeuronsCount()) {
        Neurons.resize(static_cast<std::size_t>(count < 0 ? 0 : count));
    }
}

TNeuron& TLayer::Neuron(int index) const
{
    if (index < 0 || index >= NeuronsCount() || !Neurons[static_cast<std::size_t>(index)]) {
        throw rt::ERangeError(rt::FormatMessage(msg::NeuronIndex, index));
    }
    return *Neurons[static_cast<std::size_t>(index)];
}

TLayerBP::TLayerBP(int index, int count) : TLayer(index, Deferred{}) { CreateNeurons(count); }

TNeuronBP& TLayerBP::NeuronBP(int index) const
{
    auto* neuron = dynamic_cast<TNeuronBP*>(&Neuron(index));
    if (neuron == nullptr) {
        throw rt::EInvalidCast();
    }
    return *neuron;
}

// --- TNeuralNet ------------------------------------------------------------------------------

TNeuralNet::~TNeuralNet()
{
    TNeuralNet::FreeLayers();
    InputPatterns_.clear();
    OutputPatterns_.clear();
}

int TNeuralNet::InputNeuronsCount() const { return Layers_.empty() || !Layers_.front() ? 0 : Layers_.front()->NeuronsCount(); }

int TNeuralNet::OutputNeuronsCount() const { return Layers_.empty() || !Layers_.back() ? 0 : Layers_.back()->NeuronsCount(); }

void TNeuralNet::FreeLayers() { Layers_.clear(); }

void TNeuralNet::ResizeInputPatterns() { ResizeMatrix(InputPatterns_, PatternCount_, InputNeuronsCount()); }

void TNeuralNet::ResizeOutputPatterns() { ResizeMatrix(OutputPatterns_, PatternCount_, OutputNeuronsCount()); }

void TNeuralNet::SetPatternCount(int value)
{
    PatternCount_ = value < 0 ? 0 : value;
    ResizeInputPatterns();
    ResizeOutputPatterns();
}

void TNeuralNet::SetLayersCount(int count) { Layers_.resize(static_cast<std::size_t>(count < 0 ? 0 : count)); }

void TNeuralNet::AddPattern(const TVectorFloat& input, const TVectorFloat& output)
{
    if (static_cast<int>(input.size()) != InputNeuronsCount()) {
        throw EInOutDimensionError(msg::InputVectorDimension);
    }
    if (static_cast<int>(output.size()) != OutputNeuronsCount()) {
        throw EInOutDimensionError(msg::OutputVectorDimension);
    }
    SetPatternCount(PatternCount_ + 1);
    ResizeInputPatterns();
    ResizeOutputPatterns();
    InputPatterns_.back() = input;
    OutputPatterns_.back() = output;
}

void TNeuralNet::DeletePattern(int index)
{
    if (index < 0 || index >= PatternCount_) {
        throw rt::ERangeError(rt::FormatMessage(msg::PatternIndex, index));
    }
    for (int r = index; r < PatternCount_ - 1; ++r) {
        InputPatterns_[static_cast<std::size_t>(r)] = InputPatterns_[static_cast<std::size_t>(r) + 1];
    }
    for (int r = index; r < PatternCount_ - 1; ++r) {
        OutputPatterns_[static_cast<std::size_t>(r)] = OutputPatterns_[static_cast<std::size_t>(r) + 1];
    }
    SetPatternCount(PatternCount_ - 1);
}

void TNeuralNet::CreateLayers(const TVectorInt& counts)
{
    SetLayersCount(static_cast<int>(counts.size()));
    for (std::size_t i = 0; i < counts.size(); ++i) {
        Layers_[i] = std::make_unique<TLayer>(static_cast<int>(i), counts[i]);
        if (i > 0) {
            for (auto& neuron : Layers_[i]->Neurons) {
                neuron->SetWeightsCount(counts[i - 1]);
            }
        }
    }
}

void TNeuralNet::ResetPatterns()
{
    PatternCount_ = 0;
    ResizeInputPatterns();
    ResizeOutputPatterns();
}

TLayer& TNeuralNet::Layers(int index) const
{
    if (index < 0 || index >= LayersCount() || !Layers_[static_cast<std::size_t>(index)]) {
        throw rt::ERangeError(rt::FormatMessage(msg::LayerIndex, index));
    }
    return *Layers_[static_cast<std::size_t>(index)];
}

double TNeuralNet::InputPattern(int row, int col) const
{
    if (row < 0 || row >= PatternCount_) {
        throw rt::ERangeError(rt::FormatMessage(msg::PatternIndex, row));
    }
    return InputPatterns_[static_cast<std::size_t>(row)].at(static_cast<std::size_t>(col));
}

void TNeuralNet::SetInputPattern(int row, int col, double value)
{
    if (row < 0 || row >= PatternCount_) {
        throw rt::ERangeError(rt::FormatMessage(msg::PatternIndex, row));
    }
    InputPatterns_[static_cast<std::size_t>(row)].at(static_cast<std::size_t>(col)) = value;
}

void TNeuralNet::SetOutputPattern(int row, int col, double value)
{
    if (row < 0 || row >= PatternCount_) {
        throw rt::ERangeError(rt::FormatMessage(msg::PatternIndex, row));
    }
    OutputPatterns_[static_cast<std::size_t>(row)].at(static_cast<std::size_t>(col)) = value;
}

}  // namespace neural
