#pragma once

#include "neural/NeuralBaseComp.h"
#include "runtime/StringList.h"

namespace neural {

class TNeuralNetBP;
using TNotifyEvent = std::function<void(TNeuralNetBP& sender)>;

// Fully connected feed-forward network of sigmoid neurons, taught by on-line back-propagation
// with momentum.
class TNeuralNetBP : public TNeuralNet {
public:
    explicit TNeuralNetBP(rt::TComponent* owner);
    ~TNeuralNetBP() override;

    // --- properties (a setter applies its rule, it never fails) ---
    double Alpha() const { return Alpha_; }
    void SetAlpha(double value);
    bool AutoInit = true;
    bool ContinueTeach = false;
    bool Epoch = true;
    int EpochCount() const { return EpochCount_; }
    void SetEpochCount(int value);
    double Momentum() const { return Momentum_; }
    void SetMomentum(double value);
    double TeachRate() const { return TeachRate_; }
    void SetTeachRate(double value);
    rt::TStringList& NeuronsInLayer() { return NeuronsInLayer_; }

    TNotifyEvent OnAfterInit;
    TNotifyEvent OnAfterNeuronCreated;
    TNotifyEvent OnAfterTeach;
    TNotifyEvent OnBeforeInit;
    TNotifyEvent OnBeforeTeach;
    TNotifyEvent OnEpochPassed;

    // --- state ---
    TVectorFloat Desired;
    int CurrentEpoch = 0;
    double IdentError = 0;
    double CurrentMaxTeachError = 0;
    double CurrentMidTeachError = 0;
    double CurrentMaxTestError = 0;
    double CurrentMidTestError = 0;
    int TeachIdentified = 0;
    int TestIdentified = 0;
    TVectorInt PatternOrder;
    bool StopTeach = false;
    bool TeachStopped = false;
    int TestCount() const { return TestCount_; }
    const TMatrixFloat& TestInputs() const { return TestInputs_; }
    const TMatrixFloat& TestOutputs() const { return TestOutputs_; }

    // --- virtual operations ---
    int LayersCount() const override { return TNeuralNet::LayersCount(); }
    void SetPatternCount(int value) override;
    void AddLayer(int neuronCount) override;
    void DeleteLayer(int index) override;

    virtual double GetOutput(int index);
    virtual double Transfer(double x) const;
    virtual double Derivative(double y) const;
    virtual double PatternError() const;
    virtual void AdjustWeights();
    virtual void ComputeDeltas();
    virtual void Test();
    virtual void DoOnAfterInit();
    virtual void DoOnAfterNeuronCreated(int layerIndex, int neuronIndex);
    virtual void DoOnAfterTeach();
    virtual void DoOnBeforeInit();
    virtual void DoOnBeforeTeach();
    virtual void DoOnEpochPassed();
    virtual void InitWeights();
    virtual void SetInputsFromPattern(int row);
    virtual void SetDesiredFromPattern(int row);
    virtual void Propagate();
    virtual void ResetDefaults();
    virtual void Shake();
    virtual void Compute(const TVectorFloat& input);
    virtual void ResetLayers();
    virtual void Teach();

    // --- non-virtual ---
    void Init();
    void NeuronsInLayerChange();
    TLayerBP& LayerBP(int index) const;
    void SetTestCount(int count);
    double GetDesired(int index) const { return Desired.at(static_cast<std::size_t>(index)); }
    void SetDesired(int index, double value) { Desired.at(static_cast<std::size_t>(index)) = value; }
    double GetTestInput(int row, int col) const;
    void SetTestInput(int row, int col, double value);
    double GetTestOutput(int row, int col) const;
    void SetTestOutput(int row, int col, double value);

protected:
    // For derived networks that start from their own defaults instead of this class's.
    struct NoDefaults {};
    TNeuralNetBP(rt::TComponent* owner, NoDefaults);

    double Alpha_ = 0;
    int EpochCount_ = 0;
    double Momentum_ = 0;
    double TeachRate_ = 0;
    int TestCount_ = 0;
    TMatrixFloat TestInputs_;
    TMatrixFloat TestOutputs_;

private:
    void Construct();
    void ShufflePatterns();
    rt::TStringList NeuronsInLayer_;
    TVectorFloat layerInputs_;  // reused by Propagate so that teaching allocates nothing
};

}  // namespace neural
