#include "neural/NeuralErrors.h"
#include "neural/PumpData.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace neural;

namespace {

TEST(DataSource, HeaderNamesKeepLettersAndDigitsOnly)
{
    TNeuroFields fields;
    for (int i = 0; i < 3; ++i) {
        fields.push_back(std::make_unique<TNeuroField>());
    }
    const std::string header = "a b\tc-1\t\tres";
    EXPECT_EQ(TNeuroDataSource::FieldsInLine(header), 3);
    TNeuroDataSource::ReadFieldNames(header, fields);
    EXPECT_EQ(fields[0]->FieldName, "ab");
    EXPECT_EQ(fields[1]->FieldName, "c1");
    EXPECT_EQ(fields[2]->FieldName, "res");
    EXPECT_EQ(TNeuroDataSource::FieldsInLine(""), 1);
    EXPECT_EQ(TNeuroDataSource::FieldsInLine("  abc "), 1);
}

TEST(DataSource, ValuesOfALine)
{
    TVectorFloat values(3, 0.0);
    TNeuroDataSource::ReadValues(" 1.5\t\t2\t-3e2 ", values);
    EXPECT_EQ(values, (TVectorFloat{1.5, 2, -300}));

    TVectorFloat partial{9, 9, 9};
    try {
        TNeuroDataSource::ReadValues("4\tabc\t5", partial);
        FAIL();
    } catch (const rt::EConvertError& e) {
        EXPECT_EQ(e.Message(), "Ошибка, выражение abc невозможно привести к числовому типу");
    }
    EXPECT_EQ(partial, (TVectorFloat{4, 9, 9})) << "values before the bad one stay";
}

TEST(DataSource, Statistics)
{
    TNeuroField field;
    field.Data = {1, 2, 3};
    field.CalcMinMax();
    field.CalcMid();
    field.CalcDisp();
    EXPECT_EQ(field.Min, 1);
    EXPECT_EQ(field.Max, 3);
    EXPECT_EQ(field.Mid, 2);
    EXPECT_EQ(field.Disp, 1);
    field.Data = {5, 7};
    field.CalcMid();
    field.CalcDisp();
    EXPECT_EQ(field.Disp, 0);
}

TEST(DataSource, NormalisationKindsAndRoundTrips)
{
    const struct {
        int normType;
        int fieldType;
        int kind;
    } kinds[] = {{0, 0, 0}, {0, 1, 4}, {1, 0, 1}, {1, 1, 1}, {2, 1, 2}, {3, 0, 3}};
    const TVectorFloat raw{1.3301, 1.3358, 1.3322, 1.3412, 1.3290};
    for (const auto& k : kinds) {
        TNeuroField field;
        field.SetFieldType(k.fieldType);
        field.SetNormType(k.normType);
        EXPECT_EQ(field.NormKind(), k.kind);
        field.Alpha = 0.01;
        field.Data = raw;
        field.CalcMinMax();
        field.Normalize();
        for (std::size_t i = 0; i < raw.size(); ++i) {
            EXPECT_NEAR(field.DenormalizeValue(field.Data[i]), raw[i], 1e-9) << "kind " << k.kind;
            EXPECT_DOUBLE_EQ(field.NormalizeValue(raw[i]), field.Data[i]) << "kind " << k.kind;
        }
    }
    TNeuroField sigmoid;
    sigmoid.SetNormType(1);
    sigmoid.Alpha = 0.01;
    EXPECT_NEAR(sigmoid.NormalizeValue(1.3358), 0.5033394503, 1e-10);
    EXPECT_NEAR(sigmoid.DenormalizeValue(sigmoid.NormalizeValue(1.3358)), 1.3358, 1e-10);
}

TEST(DataSource, BadSettingsKeepTheOldOnes)
{
    TNeuroField field;
    field.SetNormType(1);
    try {
        field.SetNormType(4);
        FAIL();
    } catch (const EFieldNormError& e) {
        EXPECT_EQ(e.Message(), "Не существует типа нормализации 4");
    }
    try {
        field.SetFieldType(3);
        FAIL();
    } catch (const rt::Exception& e) {
        EXPECT_EQ(e.Message(), "Не существует типа поля 3");
    }
    EXPECT_EQ(field.NormType(), 1);
    EXPECT_EQ(field.FieldType(), 0);
}

TEST(DataSource, FloatingPointFaultsAreRaisedNotPassedOn)
{
    TNeuroField flat;
    flat.Data = {2, 2, 2};
    flat.CalcMinMax();
    EXPECT_THROW(flat.Normalize(), rt::EZeroDivide);  // kind 0
    EXPECT_EQ(flat.Data[0], 2) << "the first value stays";
    flat.SetFieldType(1);
    EXPECT_THROW(flat.Normalize(), rt::EZeroDivide);  // kind 4
    flat.SetNormType(2);
    EXPECT_THROW(flat.Normalize(), rt::EZeroDivide);  // Disp 0

    TNeuroField sigmoid;
    sigmoid.SetNormType(1);
    sigmoid.Alpha = 0.01;
    for (double y : {0.0, 1.0, 1.5, -0.2}) {
        EXPECT_THROW(sigmoid.DenormalizeValue(y), rt::EMathError) << y;
    }
    sigmoid.Alpha = 1;
    EXPECT_THROW(sigmoid.NormalizeValue(-1000), rt::EOverflow);
}

}  // namespace
