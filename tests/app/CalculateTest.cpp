#include "WindowTest.h"
#include "calc/SignalMath.h"
#include "calc/TfrmNeuralNetExtend.h"
#include "runtime/Convert.h"
#include "runtime/Random.h"
#include "runtime/TextFile.h"
#include "ui/PaintBox.h"
#include "ui/PictureButton.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

namespace {

class Calculate : public WindowTest {
protected:
    Calculate() { rt::Random::SetSeedSource([] { return 777u; }); }
    ~Calculate() override { rt::Random::SetSeedSource(nullptr); }

    void Fill(int first, const std::vector<double>& prices)
    {
        for (int k = 0; k < 10; ++k) {
            w.Edit(first + k)->setText(QString::number(prices[static_cast<std::size_t>(k)], 'f', 4));
        }
    }
    static std::vector<double> Line(double start, double step)
    {
        std::vector<double> prices;
        for (int k = 0; k < 10; ++k) {
            prices.push_back(start + step * k);
        }
        return prices;
    }
    QStringList Files(const QString& pattern) const { return QDir(QString::fromStdString(folder.Path())).entryList({pattern}); }
    std::vector<std::string> LogLines() const
    {
        const QStringList logs = Files("SignalData_*.txt");
        EXPECT_EQ(logs.size(), 1);
        return logs.isEmpty() ? std::vector<std::string>{} : rt::SplitLines(folder.Read(logs[0].toStdString()));
    }

    TfrmNeuralNetExtend w;
};

TEST_F(Calculate, RisingRowsGiveBuyWithTheLevelsAroundTheCurrentPrice)
{
    Fill(1, Line(1.3300, 0.0010));
    Fill(11, Line(1.3300, 0.0012));
    w.CalculateButtonClick();

    EXPECT_EQ(w.ShortSignal, calc::kBuy);
    EXPECT_EQ(w.LongSignal, calc::kBuy);
    const double stopLoss = rt::StrToFloat(w.StopLossShortStaticText->text().toStdString());
    const double takeProfit = rt::StrToFloat(w.TakeProfitShortStaticText->text().toStdString());
    EXPECT_NEAR(stopLoss, 1.3390 - 0.0030, 1e-9);  // 30 pips of "15 Min"
    EXPECT_NEAR(takeProfit, 1.3390 + 0.0030, 1e-9);
    EXPECT_EQ(w.StopLossLongStaticText->text(), "1.3363");  // 1.5 x 30 pips below 1.3408
    EXPECT_EQ(w.TakeProfitLongStaticText->text(), "1.3453");
    EXPECT_GE(w.ShortBuyPercent - w.ShortSellPercent, 10);
    EXPECT_FLOAT_EQ(w.ShortBuyPercent + w.ShortSellPercent, 100);
    EXPECT_TRUE(w.Label1->text().startsWith("Buy ")) << w.Label1->text().toStdString();
    EXPECT_EQ(w.PredictedPriceShortStaticText->text(), QString::fromStdString(rt::FormatPrice(w.ShortSeries[10], 4)));
    EXPECT_EQ(w.ShortSeries.size(), 11u);
    EXPECT_EQ(w.LongSeries.size(), 11u);
    for (QWidget* shown : std::initializer_list<QWidget*>{w.PaintBox1, w.PaintBox2, w.Image30, w.Image31, w.Image4, w.Image5,
                                                          w.Image20, w.Image21}) {
        EXPECT_FALSE(shown->isHidden()) << shown->objectName().toStdString();
    }
    EXPECT_TRUE(w.ProgressBar1->isHidden());
    EXPECT_FALSE(w.NotCalculated);
    EXPECT_TRUE(Files("*.txt").filter(QRegularExpression("^[12]\\.txt$")).isEmpty()) << "training files deleted";
    EXPECT_NE(folder.Read("SYS").find("StopLoss1=30\r\nTakeProfit1=30\r\nDecimals=4"), std::string::npos);

    const auto lines = LogLines();
    const std::vector<std::string> expected = {
        "Short Term Signal:",
        "BUY",
        w.StopLossShortStaticText->text().toStdString(),
        w.TakeProfitShortStaticText->text().toStdString(),
        w.PredictedPriceShortStaticText->text().toStdString(),
        rt::FloatToStrGeneral(w.ShortBuyPercent) + "%",
        rt::FloatToStrGeneral(w.ShortSellPercent) + "%",
        "",
        "Long Term Signal:",
        "BUY",
        "1.3363",
        "1.3453",
        w.PredictedPriceLongStaticText->text().toStdString(),
        rt::FloatToStrGeneral(w.LongBuyPercent) + "%",
        rt::FloatToStrGeneral(w.LongSellPercent) + "%",
    };
    EXPECT_EQ(lines, expected);

    w.CalculateButtonClick();
    ASSERT_EQ(dialogs.Calls.size(), 1u);
    EXPECT_EQ(dialogs.Calls[0].caption, "Information");
    EXPECT_EQ(dialogs.Calls[0].text, "Signal was allready calculated for this data");
    EXPECT_EQ(dialogs.Calls[0].icon, ui::MsgIcon::Information);
}

TEST_F(Calculate, FiftyAndSeventyPipsAroundOnePointTwo)
{
    Fill(1, Line(1.1910, 0.0010));  // rising to the current price 1.2000
    Fill(11, Line(1.1910, 0.0010));
    w.StopLossEdit->setText("50");
    w.TakeProfitEdit->setText("70");
    w.CalculateButtonClick();
    ASSERT_EQ(w.ShortSignal, calc::kBuy);
    ASSERT_EQ(w.LongSignal, calc::kBuy);
    EXPECT_EQ(w.StopLossShortStaticText->text(), "1.1950");
    EXPECT_EQ(w.TakeProfitShortStaticText->text(), "1.2070");
    EXPECT_EQ(w.StopLossLongStaticText->text(), "1.1925");
    EXPECT_EQ(w.TakeProfitLongStaticText->text(), "1.2105");
    EXPECT_EQ(w.StopLossEdit->text(), "50") << "stored for the time frame and read back";
}

TEST_F(Calculate, FallingRowGivesSell)
{
    Fill(1, Line(1.3400, -0.0010));
    w.CalculateButtonClick();
    EXPECT_EQ(w.ShortSignal, calc::kSell);
    EXPECT_GT(rt::StrToFloat(w.StopLossShortStaticText->text().toStdString()), 1.3310);
    EXPECT_LT(rt::StrToFloat(w.TakeProfitShortStaticText->text().toStdString()), 1.3310);
    EXPECT_TRUE(w.PaintBox2->isHidden()) << "incomplete long row: skipped silently";
    EXPECT_TRUE(dialogs.Calls.empty());
    const auto lines = LogLines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[1], "SELL");
    EXPECT_EQ(std::vector<std::string>(lines.end() - 2, lines.end()), (std::vector<std::string>{"Long Term Signal:", "NO DATA"}));
}

TEST_F(Calculate, EqualPricesAreNoTradeExactlyWhenThePredictionEqualsTheLastPrice)
{
    Fill(1, std::vector<double>(10, 1.2500));
    w.CalculateButtonClick();
    const bool same = static_cast<float>(w.ShortSeries[10]) == 1.25f;
    EXPECT_EQ(w.ShortSignal == calc::kNoTrade, same) << "prediction " << w.ShortSeries[10];
    if (w.ShortSignal == calc::kNoTrade) {
        EXPECT_TRUE(w.StopLossShortStaticText->text().isEmpty());
    }
    // The percentages themselves: nine flat steps split evenly, the predicted step decides.
    std::vector<double> flat(11, 1.25);
    float buy = 0, sell = 0;
    calc::WeightedPercentages(flat, calc::ShortTermWeights, 0.3, buy, sell);
    EXPECT_EQ(calc::Decide(buy, sell, 1, 1.25, 0.05, 30, 30, 10000).Signal, calc::kNoTrade);
}

TEST_F(Calculate, BothRowsIncompleteComputeNothingYetCountAsCalculated)
{
    w.Edit(1)->setText("1.2");
    w.Edit(20)->setText("1.3");
    w.CalculateButtonClick();
    EXPECT_TRUE(Files("SignalData_*").isEmpty());
    EXPECT_TRUE(w.PaintBox1->isHidden());
    EXPECT_TRUE(w.Label1->text().isEmpty());
    EXPECT_FALSE(w.NotCalculated);
    w.CalculateButtonClick();
    ASSERT_EQ(dialogs.Calls.size(), 1u);
    EXPECT_EQ(dialogs.Calls[0].text, "Signal was allready calculated for this data");
}

TEST_F(Calculate, ABadPriceStopsCalculateAndKeepsItStale)
{
    Fill(1, Line(1.3300, 0.0010));
    w.Edit(4)->setText("x");
    QTest::mouseClick(w.Image12, Qt::LeftButton);
    ASSERT_EQ(dialogs.Calls.size(), 1u);
    EXPECT_EQ(dialogs.Calls[0].caption, "Corvatek");
    EXPECT_EQ(dialogs.Calls[0].text, "'x' is not a valid floating point value");
    EXPECT_TRUE(w.NotCalculated);
    EXPECT_FALSE(w.Busy());
    EXPECT_TRUE(w.Image12->isEnabled());
    EXPECT_TRUE(Files("SignalData_*").isEmpty());
}

TEST_F(Calculate, LongTermFromAPriceListUsesTheLastFifty)
{
    Fill(1, Line(1.3300, 0.0010));
    Fill(11, Line(1.3300, 0.0010));
    {
        const QSignalBlocker quiet(w.ComboBox1);
        w.ComboBox1->setCurrentIndex(1);
    }
    for (int i = 0; i < 200; ++i) {
        w.Memo5 << QString::number(1.2 + 0.001 * i, 'f', 4);
    }
    std::vector<double> refilled;
    w.OnLongSeriesChanged = [&](const std::vector<double>& prices) { refilled = prices; };
    w.CalculateButtonClick();
    EXPECT_EQ(w.LongLoadedSeries.size(), 50u);
    EXPECT_EQ(w.LongSeries.size(), 51u);
    EXPECT_DOUBLE_EQ(w.LongLoadedSeries[0], 1.35);
    EXPECT_EQ(refilled.size(), 50u);
    EXPECT_FALSE(w.PaintBox2->isHidden());
}

TEST_F(Calculate, TooFewLoadedPricesAreRefusedBeforeAnythingIsWritten)
{
    Fill(1, Line(1.3300, 0.0010));
    Fill(11, Line(1.3300, 0.0010));
    {
        const QSignalBlocker quiet(w.ComboBox1);
        w.ComboBox1->setCurrentIndex(1);
    }
    w.Memo5 << "1.1" << "1.2" << "1.3";
    w.CalculateButtonClick();
    ASSERT_EQ(dialogs.Calls.size(), 1u);
    EXPECT_EQ(dialogs.Calls[0].caption, "Input error");
    EXPECT_TRUE(w.NotCalculated);
    EXPECT_FALSE(folder.Exists("SYS"));
    EXPECT_TRUE(Files("*.txt").isEmpty());
}

TEST_F(Calculate, WhileTeachingTheWindowStaysAndNoOtherCalculateStarts)
{
    TfrmNeuralNetExtend other;
    Fill(1, Line(1.3300, 0.0010));
    for (int k = 1; k <= 10; ++k) {
        other.Edit(k)->setText(w.Edit(k)->text());
    }
    bool checked = false;
    int progressSeen = 0;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        progressSeen = std::max(progressSeen, w.ProgressBar1->value());
        if (checked || !w.Busy()) {
            return;
        }
        checked = true;
        EXPECT_FALSE(w.ProgressBar1->isHidden());
        EXPECT_FALSE(other.Image12->isEnabled());
        EXPECT_FALSE(w.Image9->isEnabled());
        const TfrmNeuralNetExtend opened;
        EXPECT_FALSE(opened.Image12->isEnabled()) << "opened while another window teaches";
        other.CalculateButtonClick();
        EXPECT_TRUE(other.NotCalculated) << "refused while the training files are in use";
        EXPECT_FALSE(w.close());
        w.ClearButtonClick();
        EXPECT_FALSE(w.Edit(1)->text().isEmpty());
    });
    probe.start(1);
    w.CalculateButtonClick();
    probe.stop();
    EXPECT_TRUE(checked);
    EXPECT_GT(progressSeen, 0);
    EXPECT_TRUE(other.Image12->isEnabled());
    EXPECT_TRUE(w.Image9->isEnabled());
    EXPECT_FALSE(w.NotCalculated);
}

}  // namespace
