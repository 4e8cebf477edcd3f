#include "neural/NeuralNetBP.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace neural;

namespace {

template <typename E, typename F>
std::string MessageOf(F action)
{
    try {
        action();
    } catch (const E& e) {
        return e.Message();
    }
    return "no error";
}

TEST(NetworkStructure, NewNetworkHasOneInputLayerOfNoNeurons)
{
    TNeuralNetBP net(nullptr);
    EXPECT_EQ(net.NeuronsInLayer().Items(), std::vector<std::string>{"0"});
    EXPECT_EQ(net.LayersCount(), 1);
    EXPECT_EQ(net.InputNeuronsCount(), 0);
    EXPECT_EQ(net.OutputNeuronsCount(), 0);
    EXPECT_EQ(net.PatternCount(), 0);
    EXPECT_EQ(net.CurrentEpoch, 0);
    EXPECT_EQ(net.IdentError, 0.0);
}

TEST(NetworkStructure, LayersFollowTheListAndInitRunsOncePerChange)
{
    TNeuralNetBP net(nullptr);
    int inits = 0;
    int neurons = 0;
    net.OnAfterInit = [&](TNeuralNetBP&) { ++inits; };
    net.OnAfterNeuronCreated = [&](TNeuralNetBP&) { ++neurons; };
    net.ResetLayers();
    for (int count : {4, 4, 4, 1}) {
        net.AddLayer(count);
    }
    EXPECT_EQ(inits, 5);  // the reset and four additions
    EXPECT_EQ(neurons, 4 + (4 + 4) + (4 + 4 + 1));
    ASSERT_EQ(net.LayersCount(), 4);
    for (int a = 1; a < 4; ++a) {
        for (int j = 0; j < net.Layers(a).NeuronsCount(); ++j) {
            EXPECT_EQ(net.LayerBP(a).NeuronBP(j).WeightsCount(), 5);
            EXPECT_EQ(net.LayerBP(a).NeuronBP(j).LastWeightChangesCount(), 5);
        }
    }
    EXPECT_EQ(net.Desired.size(), 1u);
    // An untaught net computes with zero weights: every neuron outputs exactly 0.5.
    net.Compute({3, -1, 7, 0.2});
    EXPECT_EQ(net.TNeuralNetBP::GetOutput(0), 0.5);

    net.DeleteLayer(1);
    EXPECT_EQ(net.LayersCount(), 3);
    EXPECT_EQ(net.LayerBP(1).NeuronBP(0).WeightsCount(), 5);
}

TEST(NetworkStructure, BadEntriesAndIndexesAreRefused)
{
    TNeuralNetBP net(nullptr);
    EXPECT_EQ(MessageOf<ENeuronCountError>([&] { net.AddLayer(-1); }), "Неправильно указано количество нейронов");
    EXPECT_EQ(net.NeuronsInLayer().Count(), 1);
    EXPECT_EQ(MessageOf<rt::ERangeError>([&] { net.DeleteLayer(3); }), "Неправильно указан номер слоя 3");
    EXPECT_EQ(MessageOf<rt::ERangeError>([&] { net.GetOutput(0); }), "Неправильно указан номер нейрона 0");
    net.AddLayer(2);
    EXPECT_EQ(MessageOf<EInOutDimensionError>([&] { net.Compute({1, 2}); }), "Неправильно установлено количество входных нейронов");
    EXPECT_EQ(MessageOf<rt::ERangeError>([&] { net.LayerBP(1).NeuronBP(0).GetWeight(1); }), "Неправильно указан номер веса 1");
    // A non-number entry keeps the network that was there.
    EXPECT_EQ(MessageOf<rt::EConvertError>([&] { net.NeuronsInLayer().Add("x"); }), "'x' is not a valid integer value");
    EXPECT_EQ(net.LayersCount(), 2);
}

TEST(NetworkStructure, PropertySettersApplyTheirRules)
{
    TNeuralNetBP net(nullptr);
    const struct {
        double value;
        double alpha;
        double rate;
        double momentum;
    } cases[] = {
        {20, 1.0, 0.1, 0.9}, {0.005, 1.0, 0.005, 0.005}, {0.01, 0.01, 0.01, 0.01}, {10, 10, 0.1, 0.9},
        {0, 1.0, 0.1, 0}, {1, 1, 1, 1}, {1.5, 1.5, 0.1, 0.9}, {-0.1, 1.0, 0.1, 0.9},
    };
    for (const auto& c : cases) {
        net.SetAlpha(c.value);
        net.SetTeachRate(c.value);
        net.SetMomentum(c.value);
        EXPECT_EQ(net.Alpha(), c.alpha) << c.value;
        EXPECT_EQ(net.TeachRate(), c.rate) << c.value;
        EXPECT_EQ(net.Momentum(), c.momentum) << c.value;
    }
    net.SetEpochCount(0);
    EXPECT_EQ(net.EpochCount(), 1);
    net.SetEpochCount(-5);
    EXPECT_EQ(net.EpochCount(), 1);
    net.SetEpochCount(7);
    EXPECT_EQ(net.EpochCount(), 7);
}

TEST(NetworkStructure, PatternsAddDeleteAndResize)
{
    TNeuralNetBP net(nullptr);
    net.ResetLayers();
    net.AddLayer(4);
    net.AddLayer(1);
    net.AddPattern({1, 2, 3, 4}, {5});
    net.AddPattern({2, 3, 4, 5}, {6});
    net.AddPattern({3, 4, 5, 6}, {7});
    EXPECT_EQ(MessageOf<EInOutDimensionError>([&] { net.AddPattern({1, 2, 3}, {4}); }),
              "Неправильно установлена размерность входного вектора");
    EXPECT_EQ(MessageOf<EInOutDimensionError>([&] { net.AddPattern({1, 2, 3, 4}, {4, 5}); }),
              "Неправильно установлена размерность выходного вектора");
    EXPECT_EQ(net.PatternCount(), 3);

    net.DeletePattern(0);
    EXPECT_EQ(net.InputPatterns(), (TMatrixFloat{{2, 3, 4, 5}, {3, 4, 5, 6}}));
    EXPECT_EQ(net.OutputPatterns(), (TMatrixFloat{{6}, {7}}));
    EXPECT_EQ(MessageOf<rt::ERangeError>([&] { net.DeletePattern(2); }), "Выход за границы массива примеров 2");

    net.SetPatternCount(-5);
    EXPECT_EQ(net.PatternCount(), 0);
    EXPECT_TRUE(net.InputPatterns().empty());
    EXPECT_TRUE(net.OutputPatterns().empty());
}

TEST(NetworkStructure, NeuronOutputsAndLayerAssign)
{
    TNeuron plain(nullptr);
    plain.SetWeightsCount(3);
    plain.Weights = {0.5, -0.25, 0.1};
    plain.CalcOutput({1, 2});
    EXPECT_DOUBLE_EQ(plain.Output, 0.0);  // the weighted sum only: 0.5 - 0.5

    TNeuronBP neuron(nullptr);
    neuron.Weights = {0.5, -0.25, 0.1};
    neuron.TransferFunc = [](double x) { return 1 / (1 + std::exp(-x)); };
    neuron.CalcOutput({1, 2});
    EXPECT_DOUBLE_EQ(neuron.Output, 1 / (1 + std::exp(-0.1)));

    TLayerBP source(3, 2);
    source.NeuronBP(0).SetWeightsCount(5);
    TLayer copy(0, 0);
    copy.Assign(source);
    EXPECT_EQ(copy.Index, 3);
    EXPECT_EQ(copy.NeuronsCount(), 2);
    EXPECT_EQ(copy.Neuron(0).WeightsCount(), 0);

    struct NotALayer : TPersistent {
        void Assign(const TPersistent&) override {}
    };
    EXPECT_THROW(copy.Assign(NotALayer{}), rt::EInvalidCast);
}

TEST(NetworkStructure, CreateLayersBuildsPlainLayersWithoutBias)
{
    TNeuralNetBP net(nullptr);
    net.CreateLayers({3, 2, 1});
    EXPECT_EQ(net.LayersCount(), 3);
    EXPECT_EQ(net.Layers(1).Neuron(0).WeightsCount(), 3);
    EXPECT_EQ(net.Layers(2).Neuron(0).WeightsCount(), 2);
    EXPECT_THROW(net.LayerBP(1), rt::EInvalidCast);
}

}  // namespace
