// What the calculation window shows of a result: texts, signal pictures, the two price charts,
// and the signal log.

#include "calc/SignalLog.h"
#include "calc/TfrmNeuralNetExtend.h"
#include "runtime/Convert.h"
#include "runtime/TextFile.h"
#include "ui/PaintBox.h"
#include "ui/PictureButton.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>

namespace {

const char* SignalName(std::int32_t signal)
{
    switch (signal) {
    case calc::kBuy:
        return "buy";
    case calc::kSell:
        return "sell";
    default:
        return "notrade";
    }
}

QString PriceText(double price, int decimals) { return QString::fromStdString(rt::FormatPrice(price, decimals)); }

}  // namespace

void TfrmNeuralNetExtend::ShowResult(bool shortTerm, const calc::TDecision& decision, double predicted)
{
    QLabel* large = shortTerm ? Image4 : Image5;
    QLabel* percentages = shortTerm ? Label1 : Label2;
    QLabel* predictedText = shortTerm ? PredictedPriceShortStaticText : PredictedPriceLongStaticText;
    QLineEdit* stopLoss = shortTerm ? StopLossShortStaticText : StopLossLongStaticText;
    QLineEdit* takeProfit = shortTerm ? TakeProfitShortStaticText : TakeProfitLongStaticText;
    QLabel* icon = shortTerm ? Image20 : Image21;

    large->setPixmap(ui::Artwork(QString("signal_") + SignalName(decision.Signal)));
    percentages->setText(QString("Buy %1% Sell %2%")
                             .arg(QString::fromStdString(rt::FormatFixed(decision.Buy, 2)),
                                  QString::fromStdString(rt::FormatFixed(decision.Sell, 2))));
    (shortTerm ? ShortSignal : LongSignal) = decision.Signal;
    (shortTerm ? ShortBuyPercent : LongBuyPercent) = decision.Buy;
    (shortTerm ? ShortSellPercent : LongSellPercent) = decision.Sell;
    predictedText->setText(PriceText(predicted, Decimals));
    if (decision.Signal != calc::kNoTrade) {
        stopLoss->setText(PriceText(decision.StopLoss, Decimals));
        takeProfit->setText(PriceText(decision.TakeProfit, Decimals));
    }
    (shortTerm ? Image7 : Image8) = ui::Artwork(QString("badge_") + SignalName(decision.Signal));
    icon->setPixmap(ui::Artwork(QString("small_") + SignalName(decision.Signal)));
    for (QWidget* shown : std::initializer_list<QWidget*>{shortTerm ? static_cast<QWidget*>(PaintBox1) : PaintBox2,
                                                          shortTerm ? Image30 : Image31, large, icon}) {
        shown->show();
        shown->update();
    }
}

void TfrmNeuralNetExtend::PaintSeries(QPainter& canvas, QWidget* box, const WavUtils::TVector& series,
                                      const QPixmap& badge, bool shortTerm)
{
    const auto points = calc::ChartPolyline(series.values(), box->width(), box->height(), shortTerm);
    QPen pen(QColor(0, 0, 255), 3);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    for (std::size_t i = 1; i < points.size(); ++i) {
        switch (points[i].Kind) {
        case calc::TChartSegment::Falling:
            pen.setColor(QColor(48, 136, 237));
            break;
        case calc::TChartSegment::Predicted:
            pen.setColor(QColor(255, 0, 0));
            break;
        default:
            pen.setColor(QColor(94, 175, 46));
            break;
        }
        canvas.setPen(pen);
        canvas.drawLine(points[i - 1].X, points[i - 1].Y, points[i].X, points[i].Y);
    }
    canvas.drawPixmap(box->width() - 100, 5, badge);
}

void TfrmNeuralNetExtend::PaintBox1Paint(QPainter& canvas) { PaintSeries(canvas, PaintBox1, ShortSeries, Image7, true); }

void TfrmNeuralNetExtend::PaintBox2Paint(QPainter& canvas) { PaintSeries(canvas, PaintBox2, LongSeries, Image8, false); }

void TfrmNeuralNetExtend::WriteSignalLog(const std::string& fileName)
{
    const auto section = [](bool noData, std::int32_t signal, const QLineEdit* stopLoss, const QLineEdit* takeProfit,
                            const QLabel* predicted, float buy, float sell) {
        return calc::TLogSection{!noData, signal, stopLoss->text().toStdString(), takeProfit->text().toStdString(),
                                 predicted->text().toStdString(), buy, sell};
    };
    rt::WriteFileAtomic(fileName,
                        calc::SignalLogText(section(ShortTermNoData, ShortSignal, StopLossShortStaticText, TakeProfitShortStaticText,
                                                    PredictedPriceShortStaticText, ShortBuyPercent, ShortSellPercent),
                                            section(LongTermNoData, LongSignal, StopLossLongStaticText, TakeProfitLongStaticText,
                                                    PredictedPriceLongStaticText, LongBuyPercent, LongSellPercent)));
}
