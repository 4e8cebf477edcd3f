#include "neural/NeuralNetBP.h"
#include "runtime/Random.h"

#include <cmath>
#include <gtest/gtest.h>
#include <map>

using namespace neural;

namespace {

struct FixedSeed {
    FixedSeed() { rt::Random::SetSeedSource([] { return 1234u; }); }
    ~FixedSeed() { rt::Random::SetSeedSource(nullptr); }
};

// A 2-2-1 network with chosen weights and one pattern.
void Build(TNeuralNetBP& net, double alpha)
{
    net.SetAlpha(alpha);
    net.ResetLayers();
    net.AddLayer(2);
    net.AddLayer(2);
    net.AddLayer(1);
    const double weights[3][3] = {{0.3, -0.2, 0.1}, {-0.4, 0.25, 0.05}, {0.6, -0.5, 0.2}};
    for (int j = 0; j < 2; ++j) {
        net.LayerBP(1).NeuronBP(j).Weights.assign(weights[j], weights[j] + 3);
    }
    net.LayerBP(2).NeuronBP(0).Weights.assign(weights[2], weights[2] + 3);
    net.AddPattern({0.7, 0.2}, {0.9});
}

double ErrorAt(TNeuralNetBP& net)
{
    net.SetInputsFromPattern(0);
    net.SetDesiredFromPattern(0);
    net.Propagate();
    return net.PatternError();
}

TEST(BackPropagation, OneStepMovesEveryWeightAgainstTheNumericalGradient)
{
    TNeuralNetBP net(nullptr);
    Build(net, 1.7);
    // Central differences of the pattern error at the starting weights.
    std::vector<double*> weights;
    for (int a = 1; a < 3; ++a) {
        for (int j = 0; j < net.Layers(a).NeuronsCount(); ++j) {
            for (double& w : net.LayerBP(a).NeuronBP(j).Weights) {
                weights.push_back(&w);
            }
        }
    }
    std::vector<double> start;
    std::vector<double> gradient;
    for (double* w : weights) {
        const double h = 1e-6;
        const double saved = *w;
        *w = saved + h;
        const double up = ErrorAt(net);
        *w = saved - h;
        const double down = ErrorAt(net);
        *w = saved;
        start.push_back(saved);
        gradient.push_back((up - down) / (2 * h));
    }

    net.SetTeachRate(0.3);
    net.SetMomentum(0.9);  // no earlier change yet, so momentum adds nothing to the first step
    net.SetEpochCount(1);
    net.ContinueTeach = true;
    net.CurrentEpoch = 1;
    net.Teach();
    for (std::size_t i = 0; i < weights.size(); ++i) {
        EXPECT_NEAR(*weights[i], start[i] - 0.3 * gradient[i], 1e-9) << "weight " << i;
    }
    EXPECT_EQ(net.CurrentEpoch, 2);

    // The change is remembered for the momentum of the next step.
    const double firstChange = *weights[0] - start[0];
    EXPECT_NEAR(net.LayerBP(1).NeuronBP(0).GetLastWeightChange(0), firstChange, 1e-15);
}

TEST(BackPropagation, PatternErrorIsHalfTheSquaredDistance)
{
    TNeuralNetBP net(nullptr);
    net.ResetLayers();
    net.AddLayer(1);
    net.AddLayer(2);
    net.Layers(1).Neuron(0).Output = 0.2;
    net.Layers(1).Neuron(1).Output = 0.9;
    net.Desired = {0, 1};
    EXPECT_DOUBLE_EQ(net.PatternError(), 0.025);
}

TEST(BackPropagation, StopTeachInEpochSevenEndsThatEpochWithoutAfterTeach)
{
    FixedSeed seed;
    TNeuralNetBP net(nullptr);
    Build(net, 1);
    std::vector<std::string> events;
    net.OnBeforeTeach = [&](TNeuralNetBP&) { events.push_back("before"); };
    net.OnEpochPassed = [&](TNeuralNetBP& sender) {
        events.push_back("epoch");
        if (sender.CurrentEpoch == 7) {
            sender.StopTeach = true;
        }
    };
    net.OnAfterTeach = [&](TNeuralNetBP&) { events.push_back("after"); };
    net.Teach();
    EXPECT_EQ(net.CurrentEpoch, 7);
    EXPECT_TRUE(net.TeachStopped);
    EXPECT_EQ(events.size(), 8u);
    EXPECT_EQ(events.front(), "before");
    EXPECT_EQ(events.back(), "epoch");
}

TEST(BackPropagation, ContinueAfterACompleteRunTeachesNothing)
{
    FixedSeed seed;
    TNeuralNetBP net(nullptr);
    Build(net, 1);
    net.SetEpochCount(20);
    int after = 0;
    int epochs = 0;
    net.OnAfterTeach = [&](TNeuralNetBP&) { ++after; };
    net.OnEpochPassed = [&](TNeuralNetBP&) { ++epochs; };
    net.Teach();
    EXPECT_EQ(net.CurrentEpoch, 21);
    EXPECT_EQ(epochs, 20);
    const auto weights = net.LayerBP(2).NeuronBP(0).Weights;
    net.ContinueTeach = true;
    net.Teach();
    EXPECT_EQ(epochs, 20);
    EXPECT_EQ(after, 2);
    EXPECT_EQ(net.LayerBP(2).NeuronBP(0).Weights, weights);
}

TEST(BackPropagation, TeachingStatisticsAndIdentification)
{
    FixedSeed seed;
    TNeuralNetBP net(nullptr);
    Build(net, 1);
    net.SetEpochCount(3);
    net.Teach();
    EXPECT_EQ(net.PatternOrder, TVectorInt{0});
    EXPECT_EQ(net.TeachIdentified, 0) << "IdentError 0 identifies nothing";
    EXPECT_DOUBLE_EQ(net.CurrentMidTeachError, net.CurrentMaxTeachError) << "one pattern";

    net.IdentError = 1;
    net.SetTestCount(2);
    net.SetTestInput(0, 0, 0.7);
    net.SetTestInput(0, 1, 0.2);
    net.SetTestOutput(0, 0, 0.9);
    net.SetTestOutput(1, 0, 0.1);
    net.Test();
    EXPECT_EQ(net.TestIdentified, 2);
    EXPECT_GE(net.CurrentMaxTestError, net.CurrentMidTestError);
    EXPECT_GT(net.CurrentMidTestError, 0);
}

TEST(BackPropagation, TeachingWithoutPatternsIsRefused)
{
    TNeuralNetBP net(nullptr);
    net.ResetLayers();
    net.AddLayer(2);
    net.AddLayer(1);
    EXPECT_THROW(net.Teach(), rt::Exception);
    EXPECT_EQ(net.CurrentEpoch, 0);
}

TEST(BackPropagation, EveryEpochOrderIsAUniformPermutation)
{
    FixedSeed seed;
    TNeuralNetBP net(nullptr);
    net.ResetLayers();
    net.AddLayer(1);
    net.AddLayer(1);
    for (int i = 0; i < 3; ++i) {
        net.AddPattern({0.1 * i}, {0.5});
    }
    std::map<TVectorInt, int> seen;
    net.SetEpochCount(6000);
    net.OnEpochPassed = [&](TNeuralNetBP& sender) { ++seen[sender.PatternOrder]; };
    net.Teach();
    ASSERT_EQ(seen.size(), 6u);
    for (const auto& [order, count] : seen) {
        EXPECT_NEAR(count, 1000, 150);
    }
}

}  // namespace
