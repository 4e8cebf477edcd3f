#include "neural/NeuralNetExtended.h"

#include "runtime/Convert.h"
#include "runtime/FloatMath.h"
#include "runtime/TextFile.h"

namespace neural {

TNeuralNetExtended::TNeuralNetExtended(rt::TComponent* owner) : TNeuralNetBP(owner, NoDefaults{})
{
    // Starts with Alpha, TeachRate, Momentum and EpochCount 0: the owner sets them.
    ResetDefaults();
}

TNeuralNetExtended::~TNeuralNetExtended()
{
    DataSource_.reset();
    Fields_.clear();
}

void TNeuralNetExtended::ResetDefaults()
{
    Epoch = false;
    IdentError = 0.05;
    MaxTeachError = MaxTestError = MidTestError = MidTeachError = false;
    MaxTeachErrorValue = MaxTestErrorValue = MidTestErrorValue = MidTeachErrorValue = 0.05;
    DescriptionLoaded = false;
    TeachIdent = false;
    TeachIdentCount_ = 100;
    TestAsValid = false;
    TestIdent = false;
    TestIdentCount = 100;
    UseForTeach_ = 100;
}

void TNeuralNetExtended::SetFileName(const std::string& value)
{
    if (!value.empty()) {
        throw rt::Exception(rt::FormatMessage(msg::DescriptionNotSupported, value));
    }
    FileName_.clear();
}

TNeuroField& TNeuralNetExtended::Fields(int index) const
{
    if (index < 0 || index >= FieldsCount()) {
        throw rt::ERangeError(rt::FormatMessage("List index out of bounds (%d)", index));
    }
    return *Fields_[static_cast<std::size_t>(index)];
}

int TNeuralNetExtended::InputFieldsCount() const
{
    int count = 0;
    for (const auto& field : Fields_) {
        count += field->FieldType() == 0 ? 1 : 0;
    }
    return count;
}

int TNeuralNetExtended::OutputFieldsCount() const
{
    int count = 0;
    for (const auto& field : Fields_) {
        count += field->FieldType() == 1 ? 1 : 0;
    }
    return count;
}

void TNeuralNetExtended::SetFieldsCount(int count)
{
    Fields_.clear();
    for (int i = 0; i < count; ++i) {
        Fields_.push_back(std::make_unique<TNeuroField>());
    }
}

void TNeuralNetExtended::LoadSourceData()
{
    const std::vector<std::string> lines = rt::SplitLines(rt::ReadFileText(SourceFileName));
    // A header alone has no minimum, no maximum and nothing to teach.
    if (lines.size() < 2) {
        throw rt::Exception(rt::FormatMessage(msg::NoDataRows, SourceFileName));
    }
    const int n = TNeuroDataSource::FieldsInLine(lines[0]);
    if (!DescriptionLoaded) {
        SetFieldsCount(n);
    }
    TNeuroDataSource::ReadFieldNames(lines[0], Fields_);
    const int rows = static_cast<int>(lines.size()) - 1;
    if (UseForTeach_ == 100) {
        SetPatternCount(rows);
    } else {
        SetPatternCount(static_cast<int>(rt::RoundHalfEven(rows * UseForTeach_ / 100.0)));
        SetTestCount(rows - PatternCount());
    }
    for (auto& field : Fields_) {
        field->SetValuesCount(rows);
    }
    TVectorFloat values(Fields_.size(), 0.0);
    for (int j = 0; j < rows; ++j) {
        TNeuroDataSource::ReadValues(lines[static_cast<std::size_t>(j) + 1], values);
        for (std::size_t k = 0; k < Fields_.size(); ++k) {
            Fields_[k]->Data[static_cast<std::size_t>(j)] = values[k];
        }
    }
}

void TNeuralNetExtended::NormalizeFields()
{
    for (auto& field : Fields_) {
        field->CalcMinMax();
        field->Normalize();
    }
}

void TNeuralNetExtended::CheckLayersMatchFields() const
{
    if (InputNeuronsCount() != InputFieldsCount()) {
        throw ENeuronNotEqualFieldError(msg::InputFieldsCount);
    }
    if (OutputNeuronsCount() != OutputFieldsCount()) {
        throw ENeuronNotEqualFieldError(msg::OutputFieldsCount);
    }
}

void TNeuralNetExtended::TeachFromFields()
{
    const int rows = FieldsCount() > 0 ? Fields_[0]->ValuesCount() : 0;
    if (rows == 0) {
        throw rt::Exception(msg::NoPatterns);
    }
    if (UseForTeach_ == 100) {
        SetPatternCount(rows);
        SetTestCount(0);
    } else {
        SetPatternCount(static_cast<int>(rt::RoundHalfEven((rows - 1) * UseForTeach_ / 100.0)));
        SetTestCount(rows - PatternCount());
    }
    if (!TeachStopped) {
        NormalizeFields();
    }
    CheckLayersMatchFields();
    OutputFieldIndex.assign(static_cast<std::size_t>(OutputFieldsCount()), 0);
    InputFieldIndex.assign(static_cast<std::size_t>(InputFieldsCount()), 0);

    const auto fill = [&](int type, TMatrixFloat& teach, TMatrixFloat& test, TVectorInt& index) {
        std::size_t k = 0;
        for (std::size_t i = 0; i < Fields_.size(); ++i) {
            const TNeuroField& field = *Fields_[i];
            if (field.FieldType() != type) {
                continue;
            }
            for (int r = 0; r < PatternCount(); ++r) {
                teach[static_cast<std::size_t>(r)][k] = field.Data[static_cast<std::size_t>(r)];
            }
            for (int r = PatternCount(); r < rows; ++r) {
                test[static_cast<std::size_t>(r - PatternCount())][k] = field.Data[static_cast<std::size_t>(r)];
            }
            index[k] = static_cast<std::int32_t>(i);
            ++k;
        }
    };
    fill(0, InputPatterns_, TestInputs_, InputFieldIndex);
    fill(1, OutputPatterns_, TestOutputs_, OutputFieldIndex);
    Teach();
}

void TNeuralNetExtended::ComputeFromRaw(const TVectorFloat& input)
{
    if (static_cast<int>(input.size()) != InputNeuronsCount()) {
        throw EInOutDimensionError(msg::InputNeuronsCount);
    }
    if (InputFieldIndex.size() < input.size()) {
        throw rt::ERangeError(rt::FormatMessage("List index out of bounds (%d)", static_cast<long long>(InputFieldIndex.size())));
    }
    TVectorFloat normalised(input.size());
    for (std::size_t i = 0; i < input.size(); ++i) {
        normalised[i] = Fields(InputFieldIndex[i]).NormalizeValue(input[i]);
    }
    TLayer& first = Layers(0);
    for (std::size_t i = 0; i < normalised.size(); ++i) {
        first.Neurons[i]->Output = normalised[i];
    }
    Propagate();
}

double TNeuralNetExtended::GetOutput(int index)
{
    const double y = TNeuralNetBP::GetOutput(index);
    if (index >= static_cast<int>(OutputFieldIndex.size())) {
        throw rt::ERangeError(rt::FormatMessage("List index out of bounds (%d)", index));
    }
    return Fields(OutputFieldIndex[static_cast<std::size_t>(index)]).DenormalizeValue(y);
}

void TNeuralNetExtended::DoOnBeforeTeach()
{
    CheckLayersMatchFields();
    if (!MaxTeachError && !MaxTestError && !MidTeachError && !MidTestError && !Epoch) {
        throw EBPStopCondition(msg::NoStopCondition);
    }
    TNeuralNetBP::DoOnBeforeTeach();
}

void TNeuralNetExtended::DoOnEpochPassed()
{
    if (MaxTeachError && CurrentMaxTeachError < MaxTeachErrorValue) {
        StopTeach = true;
    }
    if (MidTeachError && CurrentMidTeachError < MidTeachErrorValue) {
        StopTeach = true;
    }
    if (MaxTestError && CurrentMaxTestError < MaxTestErrorValue) {
        StopTeach = true;
    }
    if (MidTestError && CurrentMidTestError < MidTestErrorValue) {
        StopTeach = true;
    }
    if (TeachIdent && rt::RoundHalfEven(rt::CheckedDiv(TeachIdentified * 100.0, PatternCount())) >= TeachIdentCount_) {
        StopTeach = true;
    }
    if (TestIdent && rt::RoundHalfEven(rt::CheckedDiv(TestIdentified * 100.0, TestCount())) >= TestIdentCount) {
        StopTeach = true;
    }
    TNeuralNetBP::DoOnEpochPassed();
}

}  // namespace neural
