#include "runtime/Convert.h"
#include "runtime/Exceptions.h"

#include <clocale>
#include <gtest/gtest.h>

namespace {

TEST(Convert, FloatTextsThatAreNumbers)
{
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"1.2345", 1.2345}, {"  1.5 ", 1.5},   {"-3e2", -300},     {"+7", 7},   {"1.3358\t", 1.3358},
        {".5", 0.5},        {"5.", 5},         {"2.5E-3", 0.0025}, {"0", 0},    {"113.84", 113.84},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(rt::StrToFloat(c.text), c.value) << c.text;
    }
}

TEST(Convert, FloatTextsThatAreNotNumbersNameTheText)
{
    for (const char* text : {"x", "", "1,5", "1.2.3", "e5", "1e", "--1", "1 2", "0x10", "1e400", "nan", "inf"}) {
        try {
            rt::StrToFloat(text);
            ADD_FAILURE() << text;
        } catch (const rt::EConvertError& e) {
            EXPECT_EQ(e.Message(), std::string("'") + text + "' is not a valid floating point value");
        }
    }
}

TEST(Convert, DecimalPointWhateverTheLocale)
{
    // A German number locale must neither make "1.5" invalid nor write "1,5000".
    const char* previous = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_DOUBLE_EQ(rt::StrToFloat("1.5"), 1.5);
    EXPECT_EQ(rt::FormatPrice(1.5, 4), "1.5000");
    if (previous != nullptr) {
        std::setlocale(LC_NUMERIC, "C");
    }
}

TEST(Convert, Integers)
{
    EXPECT_EQ(rt::StrToInt(" 50 "), 50);
    EXPECT_EQ(rt::StrToInt("-1"), -1);
    EXPECT_EQ(rt::StrToInt("+2147483647"), 2147483647);
    for (const char* text : {"", "1.5", "12abc", "2147483648", "+-1", "abc"}) {
        try {
            rt::StrToInt(text);
            ADD_FAILURE() << text;
        } catch (const rt::EConvertError& e) {
            EXPECT_EQ(e.Message(), std::string("'") + text + "' is not a valid integer value");
        }
    }
}

TEST(Convert, PriceFormatAndGeneralForm)
{
    EXPECT_EQ(rt::FormatPrice(1.33612, 4), "1.3361");
    EXPECT_EQ(rt::FormatPrice(1.195, 4), "1.1950");
    EXPECT_EQ(rt::FormatPrice(113.8449, 2), "113.84");
    EXPECT_EQ(rt::FormatPrice(1.5, 1), " 1.5");
    EXPECT_EQ(rt::FormatFixed(1.3358, 5), "1.33580");
    EXPECT_EQ(rt::FloatToStrGeneral(static_cast<double>(61.23f)), "61.2299995422363");
    EXPECT_EQ(rt::FloatToStrGeneral(50.0), "50");
    EXPECT_EQ(rt::FloatToStrGeneral(0.05), "0.05");
    EXPECT_EQ(rt::FloatToStrGeneral(1e20), "1E20");
}

TEST(Convert, RoundHalfToEven)
{
    EXPECT_EQ(rt::RoundHalfEven(2.5), 2);
    EXPECT_EQ(rt::RoundHalfEven(3.5), 4);
    EXPECT_EQ(rt::RoundHalfEven(-2.5), -2);
    EXPECT_EQ(rt::RoundHalfEven(83.333), 83);
    EXPECT_EQ(rt::RoundHalfEven(2.5000001), 3);
}

}  // namespace
