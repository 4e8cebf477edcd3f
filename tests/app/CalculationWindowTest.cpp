#include "WindowTest.h"
#include "calc/HelpTexts.h"
#include "calc/TfrmNeuralNetExtend.h"
#include "ui/PaintBox.h"
#include "ui/PictureButton.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTest>

namespace {

class CalculationWindow : public WindowTest {
protected:
    TfrmNeuralNetExtend& Window()
    {
        if (!window_) {
            window_ = std::make_unique<TfrmNeuralNetExtend>();
        }
        return *window_;
    }
    template <typename T>
    T* Find(const char* name) { return Window().findChild<T*>(name); }
    void Click(const char* picture) { QTest::mouseClick(Find<ui::PictureButton>(picture), Qt::LeftButton); }

    std::unique_ptr<TfrmNeuralNetExtend> window_;
};

TEST_F(CalculationWindow, NewWindowStartsEmptyOnFifteenMinutes)
{
    WriteSettings("[Main]\r\nStopLoss1=33\r\nTakeProfit1=44\r\n");
    TfrmNeuralNetExtend& w = Window();
    EXPECT_EQ(w.windowTitle(), "Calculate");
    EXPECT_EQ(w.size(), QSize(1000, 649));
    for (int k = 1; k <= 20; ++k) {
        EXPECT_TRUE(w.Edit(k)->text().isEmpty());
        EXPECT_EQ(w.Edit(k)->objectName(), QString("Edit%1").arg(k));
    }
    EXPECT_EQ(w.Edit(1)->geometry(), QRect(16, 88, 73, 21));
    EXPECT_EQ(w.Edit(20)->pos(), QPoint(664, 136));
    EXPECT_EQ(w.TimeFrameComboBox->currentText(), "15 Min");
    EXPECT_EQ(w.CurrencyComboBox->currentText(), "EUR/USD");
    EXPECT_EQ(w.MarketComboBox->currentText(), "Forex");
    EXPECT_EQ(w.ComboBox1->currentText(), "Manual");
    EXPECT_EQ(w.DecimalComboBox->currentText(), "4");
    EXPECT_EQ(w.StopLossEdit->text(), "33");
    EXPECT_EQ(w.TakeProfitEdit->text(), "44");
    EXPECT_EQ(w.PipDivisor, 10000);
    EXPECT_TRUE(w.NotCalculated);
    EXPECT_TRUE(w.ShortTermNoData && w.LongTermNoData);
    EXPECT_EQ(w.ShortSeries.size(), 11u);
    EXPECT_EQ(w.LongSeries.size(), 51u);
    for (QWidget* hidden : std::initializer_list<QWidget*>{w.PaintBox1, w.PaintBox2, w.Image30, w.Image31, w.Image4, w.Image5,
                                                           w.Image20, w.Image21, w.ProgressBar1, w.Image34, w.Label3}) {
        EXPECT_TRUE(w.isHidden() || hidden->isHidden()) << hidden->objectName().toStdString();
        EXPECT_FALSE(hidden->isVisibleTo(&w)) << hidden->objectName().toStdString();
    }
    EXPECT_EQ(w.StopLossShortStaticText->text(), "");
    EXPECT_FALSE(folder.Exists("SYS.tmp"));
    EXPECT_TRUE(dialogs.Calls.empty());
}

TEST_F(CalculationWindow, AddShiftsTheRowTowardsTheOldestEnd)
{
    TfrmNeuralNetExtend& w = Window();
    for (int k = 1; k <= 10; ++k) {
        w.Edit(k)->setText(QString("p%1").arg(k));
    }
    w.NotCalculated = false;
    w.ShortTermAddEdit->setText("1.2345");
    Click("Image13");
    for (int k = 1; k <= 9; ++k) {
        EXPECT_EQ(w.Edit(k)->text(), QString("p%1").arg(k + 1));
    }
    EXPECT_EQ(w.Edit(10)->text(), "1.2345");
    EXPECT_TRUE(w.ShortTermAddEdit->text().isEmpty());
    EXPECT_TRUE(w.NotCalculated);

    // An empty long row fills from the newest end, one price per Add.
    for (int i = 1; i <= 10; ++i) {
        w.LongTermAddEdit->setText(QString::number(i));
        Click("Image14");
    }
    EXPECT_EQ(w.Edit(11)->text(), "1");
    EXPECT_EQ(w.Edit(20)->text(), "10");
}

TEST_F(CalculationWindow, AddingNothingIsAnInputError)
{
    TfrmNeuralNetExtend& w = Window();
    w.Edit(20)->setText("1.1");
    Click("Image14");
    ASSERT_EQ(dialogs.Calls.size(), 1u);
    EXPECT_EQ(dialogs.Calls[0].caption, "Input error");
    EXPECT_EQ(dialogs.Calls[0].text, "No data entered!");
    EXPECT_EQ(dialogs.Calls[0].icon, ui::MsgIcon::Error);
    EXPECT_EQ(w.Edit(20)->text(), "1.1");
}

TEST_F(CalculationWindow, OnlyThePriceBoxesMarkTheCalculationStale)
{
    TfrmNeuralNetExtend& w = Window();
    w.NotCalculated = false;
    w.StopLossEdit->setText("31");
    w.TakeProfitEdit->setText("41");
    w.ShortTermAddEdit->setText("1");
    w.MarketComboBox->setCurrentIndex(1);
    EXPECT_FALSE(w.NotCalculated);
    w.Edit(14)->setText("1.5");
    EXPECT_TRUE(w.NotCalculated);
    w.NotCalculated = false;
    Click("Image33");  // emptying a box that held text is a change
    EXPECT_TRUE(w.NotCalculated);
    EXPECT_TRUE(w.Edit(14)->text().isEmpty());
}

TEST_F(CalculationWindow, ClearEmptiesBothRowsAndTheResults)
{
    TfrmNeuralNetExtend& w = Window();
    w.Edit(3)->setText("1");
    w.Edit(13)->setText("2");
    w.LongTermAddEdit->setText("3");
    w.Label1->setText("Buy 61.18% Sell 38.82%");
    w.PaintBox1->show();
    Click("Image9");
    EXPECT_TRUE(w.Edit(3)->text().isEmpty());
    EXPECT_TRUE(w.Edit(13)->text().isEmpty());
    EXPECT_TRUE(w.LongTermAddEdit->text().isEmpty());
    EXPECT_TRUE(w.Label1->text().isEmpty());
    EXPECT_TRUE(w.PaintBox1->isHidden());
}

TEST_F(CalculationWindow, MarketDecidesWhetherTheCurrencyIsShown)
{
    TfrmNeuralNetExtend& w = Window();
    const bool shown[] = {true, true, false, false, false, true};
    for (int market = 0; market < 6; ++market) {
        w.MarketComboBox->setCurrentIndex(market);
        EXPECT_EQ(!w.CurrencyComboBox->isHidden(), shown[market]) << market;
    }
}

TEST_F(CalculationWindow, DecimalsAreStoredForAllTimeFrames)
{
    TfrmNeuralNetExtend& w = Window();
    w.TimeFrameComboBox->setCurrentIndex(5);  // "1 Day"
    w.StopLossEdit->setText("81");
    w.DecimalComboBox->setCurrentIndex(1);  // "2"
    EXPECT_EQ(w.Decimals, 2);
    EXPECT_EQ(w.PipDivisor, 100);
    EXPECT_EQ(folder.Read("SYS"), "[Main]\r\nStopLoss5=81\r\nTakeProfit5=120\r\nDecimals=2\r\n");
    w.TimeFrameComboBox->setCurrentIndex(0);
    EXPECT_EQ(w.DecimalComboBox->currentText(), "2");
    EXPECT_EQ(w.StopLossEdit->text(), "15");
    EXPECT_EQ(w.PipDivisor, 100);
}

TEST_F(CalculationWindow, DecimalsWithABadStopLossWriteNothing)
{
    TfrmNeuralNetExtend& w = Window();
    w.StopLossEdit->setText("abc");
    w.DecimalComboBox->setCurrentIndex(4);
    ASSERT_EQ(dialogs.Of("message").size(), 1u);
    EXPECT_EQ(dialogs.Calls[0].caption, "Corvatek");
    EXPECT_EQ(dialogs.Calls[0].text, "'abc' is not a valid integer value");
    EXPECT_EQ(dialogs.Calls[0].icon, ui::MsgIcon::Error);
    EXPECT_EQ(w.Decimals, 5);
    EXPECT_EQ(w.PipDivisor, 100000);
    EXPECT_FALSE(folder.Exists("SYS"));
}

TEST_F(CalculationWindow, HelpPicturesOpenTheirBalloons)
{
    TfrmNeuralNetExtend& w = Window();
    const char* pictures[] = {"Image15", "Image16", "Image25", "Image26", "Image27", "Image28", "Image29", "Image30", "Image31"};
    const int tags[] = {0, 1, 2, 3, 4, 5, 6, 7, 7};
    for (int i = 0; i < 9; ++i) {
        auto* picture = Find<ui::PictureButton>(pictures[i]);
        ASSERT_NE(picture, nullptr) << pictures[i];
        w.Image15Click(picture);
        const auto& call = dialogs.Calls.back();
        EXPECT_EQ(call.kind, "balloon");
        EXPECT_EQ(call.caption, "Help");
        EXPECT_EQ(call.text, HelpTexts[static_cast<std::size_t>(tags[i])]);
        EXPECT_EQ(call.anchor, picture);
        EXPECT_EQ(call.visibleMs, 500000);
    }
    EXPECT_EQ(Find<ui::PictureButton>("Image16")->pos(), QPoint(201, 113));
    EXPECT_TRUE(QString(HelpTexts[1]).startsWith("To generate signals"));
}

TEST_F(CalculationWindow, FromFileOpensTheFileDialogAndCancelReturnsToManual)
{
    TfrmNeuralNetExtend& w = Window();
    dialogs.FileAnswers.push_back("");
    Click("LoadImage");
    ASSERT_EQ(dialogs.Of("open").size(), 1u);
    EXPECT_EQ(dialogs.Calls[0].filter,
              "CSV (Metatrader)|*.CSV|XML (TradeStation)|*.XML|TXT (DealBook360, VT Trader)|*.TXT|SAV (Corvatek)|*.SAV|"
              "All Supported Files|*.CSV;*.XML;*.TXT;*.SAV");
    EXPECT_EQ(w.ComboBox1->currentText(), "Manual");
    EXPECT_EQ(w.ComboBox1->pos(), QPoint(304, 112));
    EXPECT_FALSE(w.Edit(11)->isHidden());
    EXPECT_FALSE(w.Image14->isHidden());
    EXPECT_TRUE(w.Label3->isHidden());
}

TEST_F(CalculationWindow, OptionsAndHelpPicturesRunTheMainWindowsCommands)
{
    TfrmNeuralNetExtend& w = Window();
    int options = 0;
    int help = 0;
    w.OnOptionsCommand = [&] { ++options; };
    w.OnHelpCommand = [&] { ++help; };
    Click("Image10");
    Click("Image11");
    EXPECT_EQ(options, 1);
    EXPECT_EQ(help, 1);
}

}  // namespace
