#include "neural/PumpData.h"

#include "neural/NeuralErrors.h"
#include "runtime/Convert.h"
#include "runtime/FloatMath.h"

namespace neural {

void TNeuroField::SetFieldType(int value)
{
    if (value < 0 || value > 2) {
        throw rt::Exception(rt::FormatMessage(msg::NoFieldType, value));
    }
    FieldType_ = value;
}

void TNeuroField::SetNormType(int value)
{
    if (value < 0 || value > 3) {
        throw EFieldNormError(rt::FormatMessage(msg::NoNormType, value));
    }
    NormType_ = value;
}

int TNeuroField::NormKind() const
{
    if (NormType_ == 0) {
        return FieldType_ == 1 ? 4 : 0;
    }
    return NormType_;
}

void TNeuroField::CalcMinMax()
{
    if (Data.empty()) {
        return;
    }
    Max = Min = Data[0];
    for (std::size_t i = 1; i < Data.size(); ++i) {
        const double x = Data[i];
        if (Min > x) {
            Min = x;
        }
        if (Max < x) {
            Max = x;
        }
    }
}

void TNeuroField::CalcMid()
{
    double sum = 0;
    for (double x : Data) {
        sum += x;
    }
    Mid = rt::CheckedDiv(sum, static_cast<double>(Data.size()));
}

void TNeuroField::CalcDisp()
{
    const std::size_t n = Data.size();
    if (n <= 2) {
        Disp = 0;
        return;
    }
    double sum = 0;
    for (double x : Data) {
        sum += (x - Mid) * (x - Mid);
    }
    Disp = rt::CheckedSqrt(sum / static_cast<double>(n - 1));
}

double TNeuroField::NormalizeValue(double x) const
{
    switch (NormKind()) {
    case 0:
        return rt::CheckedDiv((x - Min) * 2, Max - Min) - 1;
    case 1:
        return 1 / (1 + rt::CheckedExp(-Alpha * x));
    case 2:
        return 1 / (1 + rt::CheckedExp(-rt::CheckedDiv(x - Mid, Disp)));
    case 4:
        return rt::CheckedDiv(x - Min, Max - Min);
    default:
        return x;
    }
}

double TNeuroField::DenormalizeValue(double y) const
{
    switch (NormKind()) {
    case 0:
        return (y + 1) * (Max - Min) / 2 + Min;
    case 1:
        return rt::CheckedDiv(-rt::CheckedLn(rt::CheckedDiv(1, y) - 1), Alpha);
    case 2:
        return -rt::CheckedLn(rt::CheckedDiv(1, y) - 1) * Disp + Mid;
    case 4:
        return y * (Max - Min) + Min;
    default:
        return y;
    }
}

void TNeuroField::Normalize()
{
    if (NormKind() == 3) {
        return;
    }
    if (NormKind() == 2) {
        CalcMid();
        CalcDisp();
    }
    for (double& x : Data) {
        x = NormalizeValue(x);
    }
}

// --- TNeuroDataSource ------------------------------------------------------------------------

std::vector<std::string_view> TNeuroDataSource::SplitLine(std::string_view line)
{
    std::vector<std::string_view> items;
    line = rt::TrimControl(line);
    while (true) {
        const auto tab = line.find('\t');
        if (tab == std::string_view::npos) {
            items.push_back(line);
            return items;
        }
        items.push_back(line.substr(0, tab));
        line.remove_prefix(tab);
        while (!line.empty() && static_cast<unsigned char>(line.front()) <= 32) {
            line.remove_prefix(1);
        }
    }
}

int TNeuroDataSource::FieldsInLine(std::string_view line) { return static_cast<int>(SplitLine(line).size()); }

bool TNeuroDataSource::IsNameChar(char ch)
{
    return (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
}

void TNeuroDataSource::ReadFieldNames(std::string_view line, TNeuroFields& fields)
{
    const auto items = SplitLine(line);
    for (std::size_t k = 0; k < items.size() && k < fields.size(); ++k) {
        std::string name;
        for (char ch : items[k]) {
            if (IsNameChar(ch)) {
                name.push_back(ch);
            }
        }
        fields[k]->FieldName = name;
    }
}

void TNeuroDataSource::ReadValues(std::string_view line, TVectorFloat& values)
{
    const auto items = SplitLine(line);
    for (std::size_t k = 0; k < items.size() && k < values.size(); ++k) {
        double value = 0;
        if (!rt::TryStrToFloat(rt::TrimControl(items[k]), value)) {
            throw rt::EConvertError(rt::FormatMessage(msg::NotANumber, std::string(items[k])));
        }
        values[k] = value;
    }
}

}  // namespace neural
