#include "TempFolder.h"
#include "neural/NeuralNetExtended.h"
#include "runtime/Convert.h"
#include "runtime/Random.h"

#include <cmath>
#include <fstream>
#include <gtest/gtest.h>

using namespace neural;

namespace {

struct FixedSeed {
    FixedSeed() { rt::Random::SetSeedSource([] { return 99u; }); }
    ~FixedSeed() { rt::Random::SetSeedSource(nullptr); }
};

// The calculation window's training text: windows of four prices and the next one.
std::string TrainingText(const std::vector<double>& prices)
{
    std::string text = "s1\ts2\ts3\ts4\tres\r\n";
    for (std::size_t i = 0; i + 4 < prices.size(); ++i) {
        for (std::size_t k = 0; k < 5; ++k) {
            text += rt::FormatFixed(prices[i + k], 5, 4) + (k < 4 ? "\t" : "\r\n");
        }
    }
    return text;
}

// A network set up as the calculation window sets it up.
struct WindowNet {
    TNeuralNetExtended net{nullptr};

    WindowNet()
    {
        net.SetAlpha(1);
        net.AutoInit = true;
        net.ContinueTeach = false;
        net.Epoch = true;
        net.SetEpochCount(10000);
        net.SetMomentum(0.9);
        net.SetTeachRate(0.1);
        net.TestIdentCount = 0;
    }

    void Load(const std::string& path)
    {
        net.SourceFileName = path;
        net.LoadSourceData();
        net.Fields(net.FieldsCount() - 1).SetFieldType(1);
        for (int i = 0; i < net.FieldsCount(); ++i) {
            net.Fields(i).Alpha = 0.01;
            net.Fields(i).SetNormType(1);
        }
        net.ResetLayers();
        for (int count : {4, 4, 4, 1}) {
            net.AddLayer(count);
        }
        net.StopTeach = false;
        net.ContinueTeach = false;
    }
};

void Write(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

const std::vector<double> kTenPrices{1.3301, 1.3312, 1.3318, 1.3329, 1.3333, 1.3341, 1.3347, 1.3352, 1.3355, 1.3358};

TEST(ExtendedNetwork, StartsWithTheOwnersJobUndone)
{
    TNeuralNetExtended net(nullptr);
    EXPECT_EQ(net.Alpha(), 0);
    EXPECT_EQ(net.TeachRate(), 0);
    EXPECT_EQ(net.EpochCount(), 0);
    EXPECT_FALSE(net.Epoch);
    EXPECT_EQ(net.IdentError, 0.05);
    EXPECT_EQ(net.UseForTeach(), 100);
    for (int value : {0, 101}) {
        net.SetUseForTeach(value);
        EXPECT_EQ(net.UseForTeach(), 100);
        net.SetTeachIdentCount(value);
        EXPECT_EQ(net.TeachIdentCount(), 100);
    }
    net.TestIdentCount = 0;
    EXPECT_EQ(net.TestIdentCount, 0);
    EXPECT_THROW(net.SetFileName("net.nnw"), rt::Exception);
    EXPECT_NO_THROW(net.SetFileName(""));
}

TEST(ExtendedNetwork, UseForTeachSplitsRowsIntoTeachingAndTest)
{
    FixedSeed seed;
    TempFolder folder;
    Write(folder.File("1.txt"), TrainingText(kTenPrices));
    WindowNet w;
    w.net.SetUseForTeach(50);
    w.net.SourceFileName = folder.File("1.txt");
    w.net.LoadSourceData();
    EXPECT_EQ(w.net.FieldsCount(), 5);
    EXPECT_EQ(w.net.Fields(4).FieldName, "res");
    EXPECT_EQ(w.net.PatternCount(), 3);
    EXPECT_EQ(w.net.TestCount(), 3);
    w.Load(folder.File("1.txt"));
    w.net.SetUseForTeach(50);
    w.net.SetEpochCount(2);
    w.net.TeachFromFields();
    EXPECT_EQ(w.net.PatternCount(), 2);  // Round(2.5) = 2
    EXPECT_EQ(w.net.TestCount(), 4);
    EXPECT_DOUBLE_EQ(w.net.TestInputs()[0][0], w.net.Fields(0).Data[2]);
}

TEST(ExtendedNetwork, AllRowsTeachWithTheWindowsSettings)
{
    FixedSeed seed;
    TempFolder folder;
    Write(folder.File("1.txt"), TrainingText(kTenPrices));
    WindowNet w;
    w.Load(folder.File("1.txt"));
    w.net.SetEpochCount(5);
    int tests = 0;
    w.net.OnEpochPassed = [&](TNeuralNetBP& sender) { tests += sender.TestCount(); };
    w.net.TeachFromFields();
    EXPECT_EQ(w.net.PatternCount(), 6);
    EXPECT_EQ(w.net.TestCount(), 0);
    EXPECT_EQ(tests, 0);
    EXPECT_EQ(w.net.InputFieldIndex, (TVectorInt{0, 1, 2, 3}));
    EXPECT_EQ(w.net.OutputFieldIndex, (TVectorInt{4}));
    EXPECT_DOUBLE_EQ(w.net.InputPatterns()[0][0], 1 / (1 + std::exp(-0.01 * 1.3301)));
    EXPECT_DOUBLE_EQ(w.net.Fields(0).Min, 1.3301) << "statistics describe the raw values";

    // ComputeFromRaw feeds the sigmoid of each raw price; GetOutput denormalises.
    w.net.ComputeFromRaw({1.3347, 1.3352, 1.3355, 1.3358});
    EXPECT_DOUBLE_EQ(w.net.Layers(0).Neuron(3).Output, 1 / (1 + std::exp(-0.01 * 1.3358)));
    const double y = w.net.Layers(3).Neuron(0).Output;
    EXPECT_DOUBLE_EQ(w.net.GetOutput(0), -std::log(1 / y - 1) / 0.01);
}

TEST(ExtendedNetwork, StopConditions)
{
    FixedSeed seed;
    TempFolder folder;
    Write(folder.File("1.txt"), TrainingText(kTenPrices));
    {
        WindowNet w;
        w.Load(folder.File("1.txt"));
        w.net.Epoch = false;
        try {
            w.net.TeachFromFields();
            FAIL();
        } catch (const EBPStopCondition& e) {
            EXPECT_EQ(e.Message(), "Не задано условие останова процесса обучения");
        }
        EXPECT_EQ(w.net.PatternCount(), 6) << "patterns were filled before the check";
        EXPECT_EQ(w.net.CurrentEpoch, 0);
    }
    {
        WindowNet w;
        w.Load(folder.File("1.txt"));
        w.net.MaxTestError = true;
        w.net.TeachFromFields();
        EXPECT_EQ(w.net.CurrentEpoch, 1) << "no test: its figure 0 is below the limit";
        EXPECT_TRUE(w.net.TeachStopped);
    }
    {
        WindowNet w;
        w.Load(folder.File("1.txt"));
        w.net.TestIdent = true;
        EXPECT_THROW(w.net.TeachFromFields(), rt::EMathError) << "share of no test patterns";
    }
    {
        TNeuralNetExtended net(nullptr);
        net.ResetLayers();
        net.AddLayer(1);
        net.AddLayer(1);
        for (int i = 0; i < 6; ++i) {
            net.AddPattern({0}, {0});
        }
        net.TeachIdent = true;
        net.SetTeachIdentCount(80);
        net.TeachIdentified = 5;  // Round(83.33) = 83 >= 80
        net.DoOnEpochPassed();
        EXPECT_TRUE(net.StopTeach);
        net.StopTeach = false;
        net.TeachIdentified = 4;  // 67
        net.DoOnEpochPassed();
        EXPECT_FALSE(net.StopTeach);
    }
}

TEST(ExtendedNetwork, LayersMustMatchFieldRoles)
{
    TempFolder folder;
    Write(folder.File("1.txt"), TrainingText(kTenPrices));
    WindowNet w;
    w.Load(folder.File("1.txt"));
    w.net.Fields(3).SetFieldType(2);  // three inputs for four input neurons
    try {
        w.net.TeachFromFields();
        FAIL();
    } catch (const ENeuronNotEqualFieldError& e) {
        EXPECT_EQ(e.Message(), "Неправильно установлено количество входных полей");
    }
    w.net.Fields(3).SetFieldType(0);
    w.net.Fields(4).SetFieldType(0);
    try {
        w.net.TeachFromFields();
        FAIL();
    } catch (const ENeuronNotEqualFieldError& e) {
        EXPECT_EQ(e.Message(), "Неправильно установлено количество входных полей");
    }
}

TEST(ExtendedNetwork, FileFaultsAreReported)
{
    TempFolder folder;
    WindowNet w;
    w.net.SourceFileName = folder.File("missing.txt");
    EXPECT_THROW(w.net.LoadSourceData(), rt::EFOpenError);

    Write(folder.File("header.txt"), "s1\ts2\ts3\ts4\tres\r\n");
    w.net.SourceFileName = folder.File("header.txt");
    EXPECT_THROW(w.net.LoadSourceData(), rt::Exception);

    Write(folder.File("bad.txt"), "a\tb\r\n1\t2\r\n3\tx\r\n");
    w.net.SourceFileName = folder.File("bad.txt");
    try {
        w.net.LoadSourceData();
        FAIL();
    } catch (const rt::EConvertError& e) {
        EXPECT_EQ(e.Message(), "Ошибка, выражение x невозможно привести к числовому типу");
    }
    EXPECT_EQ(w.net.Fields(1).Data[0], 2) << "rows read before stay";

    TNeuralNetExtended untaught(nullptr);
    untaught.ResetLayers();
    untaught.AddLayer(4);
    untaught.AddLayer(1);
    EXPECT_THROW(untaught.ComputeFromRaw({1, 2, 3}), EInOutDimensionError);
    EXPECT_THROW(untaught.ComputeFromRaw({1, 2, 3, 4}), rt::ERangeError) << "index maps not filled yet";
    EXPECT_THROW(untaught.GetOutput(0), rt::ERangeError);
}

TEST(ExtendedNetwork, LearnsASmoothRisingSeries)
{
    FixedSeed seed;
    TempFolder folder;
    std::vector<double> prices;
    for (int i = 0; i < 50; ++i) {
        prices.push_back(100 + 2.0 * i + 3 * std::sin(i / 4.0));
    }
    Write(folder.File("2.txt"), TrainingText(prices));
    WindowNet w;
    w.Load(folder.File("2.txt"));
    w.net.SetEpochCount(1);
    w.net.TeachFromFields();
    const double untaught = w.net.CurrentMidTeachError;

    w.Load(folder.File("2.txt"));
    w.net.SetEpochCount(10000);
    w.net.TeachFromFields();
    EXPECT_EQ(w.net.CurrentEpoch, 10001);
    EXPECT_LT(w.net.CurrentMidTeachError, untaught / 10);

    w.net.ComputeFromRaw({prices[46], prices[47], prices[48], prices[49]});
    const double next = 100 + 2.0 * 50 + 3 * std::sin(50 / 4.0);
    EXPECT_NEAR(w.net.GetOutput(0), next, 6.0);
}

}  // namespace
