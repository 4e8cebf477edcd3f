#pragma once

#include "neural/NeuralBaseTypes.h"
#include "neural/NeuralErrors.h"
#include "runtime/Component.h"

#include <functional>
#include <memory>
#include <vector>

namespace neural {

class TLayer;

class TNeuron {
public:
    explicit TNeuron(TLayer* layer) : Layer(layer) {}
    virtual ~TNeuron();

    double Output = 0;
    TVectorFloat Weights;
    TLayer* Layer;

    // Every weight uniform in [0, 1) from the process-wide generator.
    virtual void RandomWeights();
    // Weighted sum of the inputs; only as many weights as inputs take part.
    virtual void CalcOutput(const TVectorFloat& inputs);

    double GetWeight(int index) const;
    void SetWeight(int index, double value);
    void SetWeightsCount(int count) { Weights.resize(static_cast<std::size_t>(count), 0.0); }
    int WeightsCount() const { return static_cast<int>(Weights.size()); }
};

class TNeuronBP : public TNeuron {
public:
    using TNeuron::TNeuron;

    double Delta = 0;
    TVectorFloat LastWeightChanges;
    std::function<double(double)> TransferFunc;
    std::function<double(double)> DerivativeFunc;

    // Weighted sum, plus the bias weight that follows the input weights, through TransferFunc.
    void CalcOutput(const TVectorFloat& inputs) override;

    double GetLastWeightChange(int index) const;
    void SetLastWeightChange(int index, double value);
    void SetLastWeightChangesCount(int count) { LastWeightChanges.resize(static_cast<std::size_t>(count), 0.0); }
    int LastWeightChangesCount() const { return static_cast<int>(LastWeightChanges.size()); }
};

// Base of objects that can copy themselves from another object.
class TPersistent {
public:
    virtual ~TPersistent() = default;
    virtual void Assign(const TPersistent& source) = 0;
};

class TLayer : public TPersistent {
public:
    TLayer(int index, int count);
    ~TLayer() override;

    int Index = 0;
    std::vector<std::unique_ptr<TNeuron>> Neurons;

    // Copies Index and the neuron count; the new neurons have no weights.
    void Assign(const TPersistent& source) override;

    int NeuronsCount() const { return static_cast<int>(Neurons.size()); }
    void SetNeuronsCount(int count);
    TNeuron& Neuron(int index) const;

protected:
    struct Deferred {};
    // For derived layers, which create their own kind of neurons.
    TLayer(int index, Deferred) : Index(index) {}
    virtual std::unique_ptr<TNeuron> NewNeuron() { return std::make_unique<TNeuron>(this); }
    void CreateNeurons(int count);
};

class TLayerBP : public TLayer {
public:
    TLayerBP(int index, int count);
    // Raises EInvalidCast when the neuron is of another class.
    TNeuronBP& NeuronBP(int index) const;

protected:
    std::unique_ptr<TNeuron> NewNeuron() override { return std::make_unique<TNeuronBP>(this); }
};

// Abstract network component: owns its layers and its teaching patterns.
class TNeuralNet : public rt::TComponent {
public:
    explicit TNeuralNet(rt::TComponent* owner) : rt::TComponent(owner) {}
    ~TNeuralNet() override;

    virtual int LayersCount() const { return static_cast<int>(Layers_.size()); }
    virtual int InputNeuronsCount() const;
    virtual void FreeLayers();
    virtual void ResizeInputPatterns();
    virtual void ResizeOutputPatterns();
    virtual void SetPatternCount(int value);
    virtual void SetLayersCount(int count);
    virtual void AddLayer(int neuronCount) = 0;
    virtual void AddPattern(const TVectorFloat& input, const TVectorFloat& output);
    virtual void DeleteLayer(int index) = 0;
    virtual void DeletePattern(int index);
    virtual void CreateLayers(const TVectorInt& counts);
    virtual void ResetPatterns();

    TLayer& Layers(int index) const;
    int OutputNeuronsCount() const;
    int PatternCount() const { return PatternCount_; }
    const TMatrixFloat& InputPatterns() const { return InputPatterns_; }
    const TMatrixFloat& OutputPatterns() const { return OutputPatterns_; }
    double InputPattern(int row, int col) const;
    void SetInputPattern(int row, int col, double value);
    void SetOutputPattern(int row, int col, double value);

protected:
    std::vector<std::unique_ptr<TLayer>> Layers_;
    int PatternCount_ = 0;
    TMatrixFloat InputPatterns_;
    TMatrixFloat OutputPatterns_;
};

}  // namespace neural
