// The Calculate command of the calculation window: the short-term and long-term pipelines.

#include "calc/SignalLog.h"
#include "calc/SignalNetwork.h"
#include "calc/TfrmNeuralNetExtend.h"
#include "runtime/AppPaths.h"
#include "runtime/Convert.h"
#include "runtime/TextFile.h"
#include "settings/TimeFrameOptions.h"
#include "ui/DialogService.h"
#include "ui/PictureButton.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QProgressBar>
#include <cstdio>
#include <ctime>
#include <set>

namespace {

// Pending window messages are processed at most this often while teaching: often enough for a
// smooth progress bar and a responsive window, rarely enough to cost next to nothing.
constexpr qint64 kPumpIntervalMs = 15;

std::set<TfrmNeuralNetExtend*>& AllWindows()
{
    static std::set<TfrmNeuralNetExtend*> windows;
    return windows;
}

int& Teaching()
{
    static int count = 0;
    return count;
}

}  // namespace

double TfrmNeuralNetExtend::Price(const QLineEdit* edit) { return rt::StrToFloat(edit->text().toStdString()); }

std::int32_t TfrmNeuralNetExtend::Whole(const QLineEdit* edit) { return rt::StrToInt(edit->text().toStdString()); }

// Marks the window as teaching for the time of a Calculate, whatever way the Calculate ends.
class TfrmNeuralNetExtend::BusyScope {
public:
    explicit BusyScope(TfrmNeuralNetExtend& window) : window_(window)
    {
        window_.busy_ = true;
        ++Teaching();
        UpdateCommands();
    }
    ~BusyScope()
    {
        window_.busy_ = false;
        --Teaching();
        UpdateCommands();
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    TfrmNeuralNetExtend& window_;
};

int TfrmNeuralNetExtend::TeachingCount() { return Teaching(); }

void TfrmNeuralNetExtend::UpdateCommands()
{
    for (TfrmNeuralNetExtend* window : AllWindows()) {
        window->Image12->setEnabled(Teaching() == 0);
        for (QWidget* command : std::initializer_list<QWidget*>{window->Image9, window->LoadImage, window->SaveImage}) {
            command->setEnabled(!window->busy_);
        }
    }
}

TfrmNeuralNetExtend::~TfrmNeuralNetExtend() { AllWindows().erase(this); }

void TfrmNeuralNetExtend::RegisterWindow()
{
    AllWindows().insert(this);
    // A window opened while another teaches starts with its Calculate disabled too.
    UpdateCommands();
}

void TfrmNeuralNetExtend::ApplyNetworkSettings(neural::TNeuralNetExtended& net)
{
    calc::ApplySignalNetworkSettings(net);
    net.OnEpochPassed = [this](neural::TNeuralNetBP& sender) { NeuralNetExtendedEpochPassed(sender); };
    net.OnAfterTeach = [this](neural::TNeuralNetBP& sender) { NeuralNetExtendedAfterTeach(sender); };
}

bool TfrmNeuralNetExtend::RowComplete(int first) const
{
    for (int k = first; k < first + 10; ++k) {
        if (Edit(k)->text().isEmpty()) {
            return false;
        }
    }
    return true;
}

bool TfrmNeuralNetExtend::LongTermTooShort() const
{
    // An incomplete row means the long-term pipeline will not run at all.
    return RowComplete(11) && ComboBox1->currentIndex() == 1 && !Memo5.isEmpty() && Memo5.size() < 10;
}

void TfrmNeuralNetExtend::CalculateButtonClick()
{
    if (busy_ || Teaching() > 0) {
        return;
    }
    if (!NotCalculated) {
        ui::Dialogs().MessageBox(this, "Information", "Signal was allready calculated for this data",
                                 ui::MsgIcon::Information, ui::MsgButtons::Ok);
        return;
    }
    if (LongTermTooShort()) {
        ui::Dialogs().MessageBox(this, "Input error",
                                 "Not enough long term prices: the long term signal needs at least 10 prices.",
                                 ui::MsgIcon::Error, ui::MsgButtons::Ok);
        return;
    }
    settings::WriteTimeFrameOptions(TimeFrameComboBox->currentIndex(), Whole(StopLossEdit), Whole(TakeProfitEdit),
                                    DecimalComboBox->currentIndex() + 1);
    TimeFrameComboBoxChange();
    ResetResultDisplay();
    ProgressBar1->show();
    {
        BusyScope busy(*this);
        CalculateShortTerm();
        CalculateLongTerm();
    }
    if (!(ShortTermNoData && LongTermNoData)) {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        WriteSignalLog(rt::ExecutablePath(calc::SignalLogFileName(local)));
    }
    ProgressBar1->hide();
    setFixedSize(kBackgroundWidth, kBackgroundHeight);
    NotCalculated = false;
}

double TfrmNeuralNetExtend::TeachAndPredict(neural::TNeuralNetExtended& net, const std::string& trainingFile,
                                            const TVectorFloat& latest)
{
    rt::WriteFileAtomic(trainingFile, DataMemo);
    calc::PrepareSignalTeaching(net, trainingFile);
    ProgressBar1->setValue(0);
    ProgressBar1->setMaximum(calc::kSignalEpochs);
    pumpTimer_.start();
    net.TeachFromFields();
    TVectorFloat input(static_cast<std::size_t>(net.InputFieldsCount()));
    for (std::size_t i = 0; i < input.size() && i < latest.size(); ++i) {
        input[i] = latest[i];
    }
    net.ComputeFromRaw(input);
    return net.GetOutput(0);
}

void TfrmNeuralNetExtend::DecideAndShow(bool shortTerm, const WavUtils::TVector& series, double price)
{
    float buy = 0;
    float sell = 0;
    (shortTerm ? calc::ShortTermPercentages : calc::LongTermPercentages)(series.values(), buy, sell);
    const neural::TNeuralNetExtended& net = shortTerm ? *NeuralNetExtended : *NeuralNetExtended1;
    const calc::TDecision decision = calc::Decide(buy, sell, shortTerm ? 1.0 : 1.5, price, net.MaxTestErrorValue,
                                                  Whole(StopLossEdit), Whole(TakeProfitEdit), PipDivisor);
    ShowResult(shortTerm, decision, series[series.size() - 1]);
}

void TfrmNeuralNetExtend::CalculateShortTerm()
{
    ShortTermNoData = !RowComplete(1);
    if (ShortTermNoData) {
        return;
    }
    ShortInputs = WavUtils::TVector(10);
    for (int k = 1; k <= 10; ++k) {
        ShortInputs[static_cast<std::size_t>(k - 1)] = Price(Edit(k));
    }
    Decomposition = WavUtils::Decompose(ShortInputs, 2, 2);
    ShortSmoothed = WavUtils::Smooth(Decomposition);
    DataMemo = calc::TrainingText(ShortSmoothed.values());
    const std::string trainingFile = rt::ExecutablePath("1.txt");
    const double predicted = TeachAndPredict(*NeuralNetExtended, trainingFile,
                                             {Price(Edit(7)), Price(Edit(8)), Price(Edit(9)), Price(Edit(10))});
    ShortSeries = WavUtils::TVector(11);
    for (std::size_t i = 0; i < 10; ++i) {
        ShortSeries[i] = ShortInputs[i];
    }
    ShortSeries[10] = predicted;
    DecideAndShow(true, ShortSeries, Price(Edit(10)));
    std::remove(trainingFile.c_str());
}

void TfrmNeuralNetExtend::CalculateLongTerm()
{
    LongTermNoData = !RowComplete(11);
    if (LongTermNoData) {
        return;
    }
    if (Memo5.isEmpty()) {
        for (int k = 1; k <= 10; ++k) {
            Memo5 << Edit(k)->text();
        }
    }
    std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(Memo5.size()), 50);
    if (ComboBox1->currentIndex() == 1) {
        LongLoadedSeries = WavUtils::TVector(n);
        const std::size_t lines = static_cast<std::size_t>(Memo5.size());
        for (std::size_t k = 0; k < n; ++k) {
            LongLoadedSeries[k] = rt::StrToFloat(Memo5[static_cast<qsizetype>(lines - n + k)].toStdString());
        }
    } else {
        n = 10;
        LongLoadedSeries = WavUtils::TVector(n);
        for (int k = 11; k <= 20; ++k) {
            LongLoadedSeries[static_cast<std::size_t>(k - 11)] = Price(Edit(k));
        }
    }
    if (OnLongSeriesChanged) {
        OnLongSeriesChanged(LongLoadedSeries.values());
    }
    LongInputs = LongLoadedSeries.Clone();
    DataMemo = calc::TrainingText(LongInputs.values());
    const std::string trainingFile = rt::ExecutablePath("2.txt");
    const double predicted = TeachAndPredict(*NeuralNetExtended1, trainingFile,
                                             {Price(Edit(17)), Price(Edit(18)), Price(Edit(19)), Price(Edit(20))});
    LongSeries = WavUtils::TVector(n + 1);
    for (std::size_t i = 0; i < n; ++i) {
        LongSeries[i] = LongLoadedSeries[i];
    }
    LongSeries[n] = predicted;
    DecideAndShow(false, LongSeries, Price(Edit(20)));
    std::remove(trainingFile.c_str());
}

void TfrmNeuralNetExtend::NeuralNetExtendedEpochPassed(neural::TNeuralNetBP& sender)
{
    // The clock is read every 32nd epoch only (an epoch takes about 1 to 7 microseconds).
    const bool last = sender.CurrentEpoch >= sender.EpochCount();
    if (!last && (sender.CurrentEpoch % 32 != 0 || (pumpTimer_.isValid() && pumpTimer_.elapsed() < kPumpIntervalMs))) {
        return;
    }
    ProgressBar1->setValue(sender.CurrentEpoch);
    QCoreApplication::processEvents();
    pumpTimer_.restart();
}

void TfrmNeuralNetExtend::NeuralNetExtendedAfterTeach(neural::TNeuralNetBP&) { NeuralNetExtended->StopTeach = true; }
