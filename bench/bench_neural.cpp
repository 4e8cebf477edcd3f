// Teaching speed of the network engine as a Calculate uses it: a 4-4-4-1 network taught for 10000
// epochs on 6 patterns (short term) and on 46 patterns (long term), inputs and outputs normalised
// by the sigmoid of slope 0.01, rate 0.1, momentum 0.9. BM_FannTeach does the same with FANN.

#include "calc/SignalNetwork.h"
#include "neural/NeuralNetExtended.h"
#include "runtime/Convert.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#ifdef HAVE_FANN
#include <doublefann.h>
#endif

namespace {

constexpr int kEpochs = calc::kSignalEpochs;

std::vector<double> Prices(int count)
{
    std::vector<double> prices;
    for (int i = 0; i < count; ++i) {
        prices.push_back(1.3300 + 0.0004 * i + 0.0015 * std::sin(i / 3.0));
    }
    return prices;
}

// The training file the window writes: header and one line per window of five prices.
std::string WriteTrainingFile(int patterns)
{
    const std::vector<double> prices = Prices(patterns + 4);
    std::string path = "/tmp/corvatek-bench-" + std::to_string(::getpid()) + "-" + std::to_string(patterns) + ".txt";
    std::ofstream out(path, std::ios::binary);
    out << "s1\ts2\ts3\ts4\tres\r\n";
    for (int i = 0; i < patterns; ++i) {
        for (int k = 0; k < 5; ++k) {
            out << rt::FormatFixed(prices[static_cast<std::size_t>(i + k)], 5, 4) << (k < 4 ? "\t" : "\r\n");
        }
    }
    return path;
}

void BM_Teach(benchmark::State& state)
{
    const std::string path = WriteTrainingFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        neural::TNeuralNetExtended net(nullptr);
        calc::ApplySignalNetworkSettings(net);
        calc::PrepareSignalTeaching(net, path);
        net.TeachFromFields();
        benchmark::DoNotOptimize(net.CurrentMidTeachError);
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_Teach)->Arg(6)->Arg(46)->Unit(benchmark::kMillisecond);

#ifdef HAVE_FANN
void BM_FannTeach(benchmark::State& state)
{
    const int patterns = static_cast<int>(state.range(0));
    const std::vector<double> prices = Prices(patterns + 4);
    const auto sigmoid = [](double x) { return 1 / (1 + std::exp(-0.01 * x)); };
    for (auto _ : state) {
        fann* ann = fann_create_standard(4, 4, 4, 4, 1);
        fann_set_activation_function_hidden(ann, FANN_SIGMOID);
        fann_set_activation_function_output(ann, FANN_SIGMOID);
        // FANN's sigmoid is 1/(1+e^(-2sx)): steepness 0.5 is the slope 1 of our transfer.
        fann_set_activation_steepness_hidden(ann, 0.5);
        fann_set_activation_steepness_output(ann, 0.5);
        fann_set_training_algorithm(ann, FANN_TRAIN_INCREMENTAL);
        fann_set_learning_rate(ann, 0.1f);
        fann_set_learning_momentum(ann, 0.9f);
        fann_set_train_error_function(ann, FANN_ERRORFUNC_LINEAR);
        fann_randomize_weights(ann, 0, 1);
        fann_train_data* data = fann_create_train(static_cast<unsigned>(patterns), 4, 1);
        for (int i = 0; i < patterns; ++i) {
            for (int k = 0; k < 4; ++k) {
                data->input[i][k] = sigmoid(prices[static_cast<std::size_t>(i + k)]);
            }
            data->output[i][0] = sigmoid(prices[static_cast<std::size_t>(i + 4)]);
        }
        for (int epoch = 0; epoch < kEpochs; ++epoch) {
            fann_shuffle_train_data(data);
            fann_train_epoch(ann, data);
        }
        benchmark::DoNotOptimize(fann_get_MSE(ann));
        fann_destroy_train(data);
        fann_destroy(ann);
    }
}
BENCHMARK(BM_FannTeach)->Arg(6)->Arg(46)->Unit(benchmark::kMillisecond);
#endif

}  // namespace

BENCHMARK_MAIN();
