#pragma once

#include "neural/NeuralBaseTypes.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace neural {

// One column of a data file with its role, its normalisation and its statistics.
class TNeuroField {
public:
    std::string FieldName;
    double Alpha = 0;
    double Max = 0;
    double Min = 0;
    double Mid = 0;
    double Disp = 0;
    bool Ind = false;
    TVectorFloat Data;

    // 0 input, 1 output, 2 not used.
    int FieldType() const { return FieldType_; }
    void SetFieldType(int value);
    // 0 linear, 1 sigmoid, 2 standardised sigmoid, 3 none.
    int NormType() const { return NormType_; }
    void SetNormType(int value);
    // The mapping that NormType and FieldType select: 0..3 as NormType, 4 linear onto [0, 1].
    int NormKind() const;

    double Values(int index) const { return Data.at(static_cast<std::size_t>(index)); }
    void SetValue(int index, double value) { Data.at(static_cast<std::size_t>(index)) = value; }
    int ValuesCount() const { return static_cast<int>(Data.size()); }
    void SetValuesCount(int count) { Data.resize(static_cast<std::size_t>(count < 0 ? 0 : count), 0.0); }

    void CalcMinMax();
    void CalcMid();
    void CalcDisp();
    // Rewrites Data in place; a division by zero raises EZeroDivide at the first value.
    void Normalize();

    // One raw value mapped as Normalize would, with the stored statistics.
    double NormalizeValue(double x) const;
    // One network output y carried back to the raw scale.
    double DenormalizeValue(double y) const;

private:
    int FieldType_ = 0;
    int NormType_ = 0;
};

using TNeuroFields = std::vector<std::unique_ptr<TNeuroField>>;

// Splits the tab-separated lines of a data file.
class TNeuroDataSource {
public:
    std::string FileName;

    static int FieldsInLine(std::string_view line);
    static void ReadFieldNames(std::string_view line, TNeuroFields& fields);
    // Raises EConvertError "Ошибка, выражение %s невозможно привести к числовому типу"; values read
    // before the bad one stay. Items beyond the vector's length are ignored.
    static void ReadValues(std::string_view line, TVectorFloat& values);
    static bool IsNameChar(char ch);
    static std::vector<std::string_view> SplitLine(std::string_view line);
};

}  // namespace neural
