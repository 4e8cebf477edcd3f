#pragma once

#include "calc/CalcRecord.h"
#include "calc/SignalMath.h"
#include "neural/NeuralNetExtended.h"
#include "runtime/Component.h"

#include <QElapsedTimer>
#include <QPixmap>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPainter;
class QProgressBar;
namespace ui {
class PaintBox;
class PictureButton;
}

// The calculation window: two price rows, the trade parameters and the results of one
// calculation, drawn as pictures over a fixed 1000 x 649 background.
class TfrmNeuralNetExtend : public QWidget, public TCalcRecord {
    Q_OBJECT
public:
    static constexpr int kBackgroundWidth = 1000;
    static constexpr int kBackgroundHeight = 649;

    explicit TfrmNeuralNetExtend(QWidget* parent = nullptr);
    ~TfrmNeuralNetExtend() override;

    // Windows teaching right now. The training files next to the executable are shared, so while
    // one window teaches no window may start a Calculate.
    static int TeachingCount();

    // Commands of the main window that the window's own pictures run.
    std::function<void()> OnOptionsCommand;
    std::function<void()> OnHelpCommand;
    // The money manager's refresh, run when the decimals change.
    std::function<void()> OnDecimalsChanged;
    // The support-and-resistance chart's price series, refilled by the long-term pipeline.
    std::function<void(const std::vector<double>&)> OnLongSeriesChanged;

    // The two networks, short term and long term, owned by the window.
    rt::TComponent Components{nullptr};
    neural::TNeuralNetExtended* NeuralNetExtended;
    neural::TNeuralNetExtended* NeuralNetExtended1;
    // The training text being composed.
    std::string DataMemo;
    // The current short-term and long-term chart badges.
    QPixmap Image7;
    QPixmap Image8;

    // --- controls ---
    std::array<QLineEdit*, 20> Edits{};  // Edit1 .. Edit20
    QLineEdit* ShortTermAddEdit;
    QLineEdit* LongTermAddEdit;
    QLineEdit* StopLossEdit;
    QLineEdit* TakeProfitEdit;
    QComboBox* ComboBox1;
    QComboBox* TimeFrameComboBox;
    QComboBox* CurrencyComboBox;
    QComboBox* MarketComboBox;
    QComboBox* DecimalComboBox;
    QProgressBar* ProgressBar1;
    QLabel* Image6;  // background
    QLabel* Image34;
    QLabel* Label3;
    ui::PictureButton* Image12;  // Calculate
    ui::PictureButton* Image13;  // Add short
    ui::PictureButton* Image14;  // Add long
    ui::PictureButton* Image32;  // Clear short row
    ui::PictureButton* Image33;  // Clear long row
    ui::PictureButton* LoadImage;
    ui::PictureButton* SaveImage;
    ui::PictureButton* Image9;   // Clear
    ui::PictureButton* Image10;  // Options
    ui::PictureButton* Image11;  // Help
    std::array<ui::PictureButton*, 9> HelpPictures{};  // Image15, Image16, Image25 .. Image31

    // --- result controls ---
    QLabel* Label1;
    QLabel* Label2;
    QLabel* PredictedPriceShortStaticText;
    QLabel* PredictedPriceLongStaticText;
    QLineEdit* StopLossShortStaticText;
    QLineEdit* StopLossLongStaticText;
    QLineEdit* TakeProfitShortStaticText;
    QLineEdit* TakeProfitLongStaticText;
    QLabel* Image4;
    QLabel* Image5;
    QLabel* Image20;
    QLabel* Image21;
    ui::PaintBox* PaintBox1;
    ui::PaintBox* PaintBox2;
    ui::PictureButton* Image30;
    ui::PictureButton* Image31;

    // The hidden price list, one price per line, oldest first.
    QStringList Memo5;

    QLineEdit* Edit(int number) const { return Edits[static_cast<std::size_t>(number - 1)]; }

    // --- handlers ---
    void FormCreate();
    void ResetResultDisplay();
    void ClearButtonClick();
    void Image32Click();
    void Image33Click();
    void AddShortButtonClick();
    void AddLongButtonClick();
    void ComboBox1PropertiesChange();
    void LoadButtonClick();
    void MarketComboBoxChange();
    void TimeFrameComboBoxChange();
    void DecimalComboBoxPropertiesChange();
    void Edit1PropertiesChange();
    void Image15Click(ui::PictureButton* sender);
    void Image10Click();
    void Image11Click();
    void CalculateButtonClick();
    void SaveButtonClick();
    void CalculateShortTerm();
    void CalculateLongTerm();
    void NeuralNetExtendedEpochPassed(neural::TNeuralNetBP& sender);
    void NeuralNetExtendedAfterTeach(neural::TNeuralNetBP& sender);
    void PaintBox1Paint(QPainter& canvas);
    void PaintBox2Paint(QPainter& canvas);
    void WriteSignalLog(const std::string& fileName);
    bool Busy() const { return busy_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    class BusyScope;
    // A box's text as a number; a bad text raises the conversion error that names it.
    static double Price(const QLineEdit* edit);
    static std::int32_t Whole(const QLineEdit* edit);
    void ApplyNetworkSettings(neural::TNeuralNetExtended& net);
    double TeachAndPredict(neural::TNeuralNetExtended& net, const std::string& trainingFile, const TVectorFloat& latest);
    void DecideAndShow(bool shortTerm, const WavUtils::TVector& series, double price);
    void ShowResult(bool shortTerm, const calc::TDecision& decision, double predicted);
    void PaintSeries(QPainter& canvas, QWidget* box, const WavUtils::TVector& series, const QPixmap& badge, bool shortTerm);
    // Every price box of the row starting at box `first` holds text.
    bool RowComplete(int first) const;
    bool LongTermTooShort() const;
    static void UpdateCommands();
    void RegisterWindow();
    bool busy_ = false;
    QElapsedTimer pumpTimer_;

    void AddPrice(int first, QLineEdit* addEdit);
    void LoadFromFile();
    ui::PictureButton* Picture(const char* name, const char* picture, const char* hint, int left, int top);
};
