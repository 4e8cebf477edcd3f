// A whole Calculate through the calculation window (offscreen), against the same two teachings
// through the engine alone. BM_Calculate also reports the longest time the window's event loop
// went unserved (max_gap_ms), measured by a 1 ms timer that runs during the Calculate.

#include "calc/SignalMath.h"
#include "calc/SignalNetwork.h"
#include "calc/TfrmNeuralNetExtend.h"
#include "neural/NeuralNetExtended.h"
#include "runtime/AppPaths.h"
#include "runtime/TextFile.h"
#include "signal/WavUtils.h"
#include "ui/PictureButton.h"
#include "ui/ScriptedDialogService.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

// Prices as the window holds them: five decimals.
std::vector<double> Prices(int count, double start)
{
    std::vector<double> prices;
    for (int i = 0; i < count; ++i) {
        prices.push_back(std::round((start + 0.0004 * i + 0.0015 * std::sin(i / 3.0)) * 1e5) / 1e5);
    }
    return prices;
}

const std::vector<double> kShort = Prices(10, 1.3300);
const std::vector<double> kLong = Prices(50, 1.3100);

void BM_Calculate(benchmark::State& state)
{
    ui::ScriptedDialogService dialogs;
    ui::SetDialogs(&dialogs);
    TfrmNeuralNetExtend window;
    window.show();
    for (int k = 0; k < 10; ++k) {
        window.Edit(k + 1)->setText(QString::number(kShort[static_cast<std::size_t>(k)], 'f', 5));
        window.Edit(k + 11)->setText(QString::number(kLong[static_cast<std::size_t>(40 + k)], 'f', 5));
    }
    {
        const QSignalBlocker quiet(window.ComboBox1);
        window.ComboBox1->setCurrentIndex(1);
    }
    for (double price : kLong) {
        window.Memo5 << QString::number(price, 'f', 5);
    }
    QElapsedTimer clock;
    qint64 lastTick = 0;
    qint64 maxGap = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        maxGap = std::max(maxGap, now - lastTick);
        lastTick = now;
    });
    for (auto _ : state) {
        window.NotCalculated = true;
        clock.start();
        lastTick = 0;
        ticker.start(1);
        window.CalculateButtonClick();
        ticker.stop();
        // The stretch from the last tick to the end counts too.
        maxGap = std::max(maxGap, clock.nsecsElapsed() - lastTick);
    }
    state.counters["max_gap_ms"] = static_cast<double>(maxGap) / 1e6;
    ui::SetDialogs(nullptr);
    if (!dialogs.Calls.empty()) {
        state.SkipWithError("a dialog appeared during Calculate");
    }
}
BENCHMARK(BM_Calculate)->Unit(benchmark::kMillisecond)->UseRealTime();

void Teach(neural::TNeuralNetExtended& net, const std::string& file, const std::vector<double>& values)
{
    rt::WriteFileAtomic(file, calc::TrainingText(values));
    calc::PrepareSignalTeaching(net, file);
    net.TeachFromFields();
}

void BM_CalculateBareTeaching(benchmark::State& state)
{
    WavUtils::TDecomposition decomposition = WavUtils::Decompose(WavUtils::TVector(kShort), 2, 2);
    const std::vector<double> smoothed = WavUtils::Smooth(decomposition).values();
    neural::TNeuralNetExtended nets[2] = {neural::TNeuralNetExtended(nullptr), neural::TNeuralNetExtended(nullptr)};
    for (auto _ : state) {
        for (const auto* values : {&smoothed, &kLong}) {
            neural::TNeuralNetExtended& net = nets[values == &kLong ? 1 : 0];
            calc::ApplySignalNetworkSettings(net);
            Teach(net, rt::ExecutablePath(values == &kLong ? "2.txt" : "1.txt"), *values);
            benchmark::DoNotOptimize(net.CurrentMidTeachError);
        }
    }
}
BENCHMARK(BM_CalculateBareTeaching)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ui::InitArtworkResources();
    QTemporaryDir folder;
    rt::SetExecutableDirOverride(folder.path().toStdString());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
