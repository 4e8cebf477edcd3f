#pragma once

#include "neural/NeuralNetBP.h"
#include "neural/PumpData.h"

namespace neural {

// The back-propagation network that learns from a tab-separated data file: it normalises the
// columns, splits the rows into teaching and test patterns, teaches under its stop conditions and
// computes from raw values.
class TNeuralNetExtended : public TNeuralNetBP {
public:
    explicit TNeuralNetExtended(rt::TComponent* owner);
    ~TNeuralNetExtended() override;

    // --- properties ---
    const std::string& FileName() const { return FileName_; }
    // Network descriptions are not read by this program: a non-empty name is refused.
    void SetFileName(const std::string& value);
    bool MaxTeachError = false;
    double MaxTeachErrorValue = 0.05;
    bool MaxTestError = false;
    double MaxTestErrorValue = 0.05;
    bool MidTeachError = false;
    double MidTeachErrorValue = 0.05;
    bool MidTestError = false;
    double MidTestErrorValue = 0.05;
    std::string Options;
    std::string SourceFileName;
    bool TestAsValid = false;
    bool TeachIdent = false;
    int TeachIdentCount() const { return TeachIdentCount_; }
    void SetTeachIdentCount(int value) { TeachIdentCount_ = value >= 1 && value <= 100 ? value : 100; }
    bool TestIdent = false;
    int TestIdentCount = 100;
    int UseForTeach() const { return UseForTeach_; }
    void SetUseForTeach(int value) { UseForTeach_ = value >= 1 && value <= 100 ? value : 100; }

    // --- members ---
    TNeuroField& Fields(int index) const;
    int FieldsCount() const { return static_cast<int>(Fields_.size()); }
    const TNeuroDataSource* DataSource() const { return DataSource_.get(); }
    bool DescriptionLoaded = false;
    TVectorInt InputFieldIndex;
    TVectorInt OutputFieldIndex;

    // --- overrides ---
    double GetOutput(int index) override;
    void DoOnBeforeTeach() override;
    void DoOnEpochPassed() override;
    void ResetDefaults() override;

    // --- operations ---
    int InputFieldsCount() const;
    int OutputFieldsCount() const;
    void SetFieldsCount(int count);
    void LoadSourceData();
    void NormalizeFields();
    void TeachFromFields();
    void ComputeFromRaw(const TVectorFloat& input);

private:
    void CheckLayersMatchFields() const;
    std::string FileName_;
    int TeachIdentCount_ = 100;
    int UseForTeach_ = 100;
    TNeuroFields Fields_;
    std::unique_ptr<TNeuroDataSource> DataSource_;
};

}  // namespace neural
