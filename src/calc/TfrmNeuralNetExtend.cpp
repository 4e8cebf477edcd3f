#include "calc/TfrmNeuralNetExtend.h"

#include "calc/HelpTexts.h"
#include "runtime/Convert.h"
#include "settings/TimeFrameOptions.h"
#include "ui/DialogService.h"
#include "ui/Guard.h"
#include "ui/PaintBox.h"
#include "ui/PictureButton.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

namespace {

const char* const kOpenFilter = "CSV (Metatrader)|*.CSV|XML (TradeStation)|*.XML|TXT (DealBook360, VT Trader)|*.TXT|"
                                "SAV (Corvatek)|*.SAV|All Supported Files|*.CSV;*.XML;*.TXT;*.SAV";

const char* const kFromFileNotice = "Long Term price data (for peaks and valleys) is successfully loaded from file. To "
                                    "switch back to manual input please change here to \"Manual\"";

const QStringList kCurrencies = {"EUR/USD", "USD/CHF", "GBP/USD", "USD/JPY", "AUD/USD", "EUR/GBP", "EUR/CHF", "EUR/JPY",
                                 "GBP/CHF", "GBP/JPY", "EUR/AUD", "USD/CAD", "NZD/USD", "GOLD", "Other"};
const QStringList kMarkets = {"Forex", "SpreadBetting", "Stocks", "Futures", "Indices", "Emini"};

constexpr int kBalloonVisibleMs = 500000;
constexpr QPoint kComboBox1Manual(304, 112);

}  // namespace

TfrmNeuralNetExtend::TfrmNeuralNetExtend(QWidget* parent) : QWidget(parent)
{
    setObjectName("frmNeuralNetExtend");
    setWindowTitle("Calculate");
    setAttribute(Qt::WA_DeleteOnClose);
    setStyleSheet(
        "TfrmNeuralNetExtend { background: rgb(110, 191, 255); }"
        "QLineEdit { background: #f7fbff; color: #10263f; border: 1px solid #2f5684; border-radius: 3px; padding: 0 3px; }"
        "QLineEdit[readOnly=\"true\"] { background: #dfeaf6; }"
        "QComboBox { background: #f7fbff; color: #10263f; border: 1px solid #2f5684; border-radius: 3px; padding: 0 4px; }"
        "QComboBox QAbstractItemView { background: #f7fbff; color: #10263f; }");
    QFont base("MS Sans Serif");
    base.setPointSize(8);
    setFont(base);

    Image6 = new QLabel(this);
    Image6->setObjectName("Image6");
    Image6->setPixmap(ui::Artwork("background"));
    Image6->setGeometry(0, 0, kBackgroundWidth, kBackgroundHeight);

    const auto lineEdit = [this](const QString& name, int left, int top, int width) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(name);
        edit->setGeometry(left, top, width, 21);
        return edit;
    };
    for (int k = 1; k <= 10; ++k) {
        Edits[static_cast<std::size_t>(k - 1)] = lineEdit(QString("Edit%1").arg(k), 16 + 72 * (k - 1), 88, 73);
        Edits[static_cast<std::size_t>(k + 9)] = lineEdit(QString("Edit%1").arg(k + 10), 16 + 72 * (k - 1), 136, 73);
    }
    ShortTermAddEdit = lineEdit("ShortTermAddEdit", 784, 88, 90);
    LongTermAddEdit = lineEdit("LongTermAddEdit", 784, 136, 90);
    StopLossEdit = lineEdit("StopLossEdit", 296, 218, 90);
    TakeProfitEdit = lineEdit("TakeProfitEdit", 392, 218, 90);

    Image34 = new QLabel(this);
    Image34->setObjectName("Image34");
    Image34->setPixmap(ui::Artwork("notice"));
    Image34->setGeometry(2, 111, 994, 64);
    Label3 = new QLabel(kFromFileNotice, this);
    Label3->setObjectName("Label3");
    Label3->setWordWrap(true);
    Label3->setGeometry(16, 124, 410, 46);
    QFont notice("Arial", 9);
    notice.setItalic(true);
    Label3->setFont(notice);
    Label3->setStyleSheet("color: white;");

    const auto combo = [this](const char* name, const QStringList& items, int current, int left, int top, int width) {
        auto* box = new QComboBox(this);
        box->setObjectName(name);
        box->addItems(items);
        box->setCurrentIndex(current);
        box->setGeometry(left, top, width, 22);
        return box;
    };
    ComboBox1 = combo("ComboBox1", {"Manual", "From File"}, 0, kComboBox1Manual.x(), kComboBox1Manual.y(), 100);
    QStringList timeFrames;
    for (const char* name : settings::kTimeFrameNames) {
        timeFrames << name;
    }
    TimeFrameComboBox = combo("TimeFrameComboBox", timeFrames, 1, 120, 208, 150);
    CurrencyComboBox = combo("CurrencyComboBox", kCurrencies, 0, 120, 232, 150);
    MarketComboBox = combo("MarketComboBox", kMarkets, 0, 120, 256, 150);
    // Starts on the default decimals, so a new window writes nothing while the settings are defaults.
    DecimalComboBox = combo("DecimalComboBox", {"1", "2", "3", "4", "5"}, settings::kDefaultDecimals - 1, 490, 218, 56);

    Image13 = Picture("Image13", "add", "Add", 882, 87);
    Image14 = Picture("Image14", "add", "Add", 882, 135);
    Image32 = Picture("Image32", "clear_row", "Clear", 249, 63);
    Image33 = Picture("Image33", "clear_row", "Clear", 249, 113);
    Image12 = Picture("Image12", "calculate", "Calculate", 344, 240);
    LoadImage = Picture("LoadImage", "tool_load", "Load data from file", 288, 16);
    SaveImage = Picture("SaveImage", "tool_save", "Save data to file", 410, 16);
    Image9 = Picture("Image9", "tool_clear", "Clear", 530, 16);
    Image10 = Picture("Image10", "tool_options", "Options", 650, 16);
    Image11 = Picture("Image11", "tool_help", "Help", 772, 16);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setGeometry(312, 280, 234, 16);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();

    // Result area.
    const auto label = [this](const char* name, int left, int top, int width, int height, int points) {
        auto* l = new QLabel(this);
        l->setObjectName(name);
        l->setGeometry(left, top, width, height);
        QFont f("Arial", points);
        f.setItalic(true);
        l->setFont(f);
        l->setStyleSheet("color: white; background: transparent;");
        return l;
    };
    Label1 = label("Label1", 228, 620, 220, 18, 10);
    Label2 = label("Label2", 740, 620, 220, 18, 10);
    PredictedPriceShortStaticText = label("PredictedPriceShortStaticText", 656, 278, 49, 18, 8);
    PredictedPriceLongStaticText = label("PredictedPriceLongStaticText", 872, 278, 49, 18, 8);
    const auto readOnly = [&](const char* name, int left, int top) {
        QLineEdit* edit = lineEdit(name, left, top, 49);
        edit->setFixedHeight(18);
        edit->setReadOnly(true);
        // A price of seven characters must fit the 49 pixels.
        QFont small("Arial");
        small.setPixelSize(11);
        edit->setFont(small);
        edit->setStyleSheet("padding: 0px; border-radius: 2px;");
        return edit;
    };
    StopLossShortStaticText = readOnly("StopLossShortStaticText", 656, 234);
    StopLossLongStaticText = readOnly("StopLossLongStaticText", 872, 234);
    TakeProfitShortStaticText = readOnly("TakeProfitShortStaticText", 656, 256);
    TakeProfitLongStaticText = readOnly("TakeProfitLongStaticText", 872, 256);
    const auto picture = [this](const char* name, int left, int top, int width, int height) {
        auto* p = new QLabel(this);
        p->setObjectName(name);
        p->setGeometry(left, top, width, height);
        p->setAttribute(Qt::WA_TranslucentBackground);
        return p;
    };
    Image4 = picture("Image4", 710, 246, 70, 52);
    Image5 = picture("Image5", 927, 246, 70, 52);
    Image20 = picture("Image20", 720, 209, 39, 35);
    Image21 = picture("Image21", 936, 209, 39, 35);
    PaintBox1 = new ui::PaintBox(this, "PaintBox1");
    PaintBox1->setGeometry(30, 360, 425, 249);
    PaintBox1->OnPaint = [this](QPainter& canvas) { PaintBox1Paint(canvas); };
    PaintBox2 = new ui::PaintBox(this, "PaintBox2");
    PaintBox2->setGeometry(544, 360, 425, 249);
    PaintBox2->OnPaint = [this](QPainter& canvas) { PaintBox2Paint(canvas); };

    NeuralNetExtended = new neural::TNeuralNetExtended(&Components);
    NeuralNetExtended->Name = "NeuralNetExtended";
    NeuralNetExtended1 = new neural::TNeuralNetExtended(&Components);
    NeuralNetExtended1->Name = "NeuralNetExtended1";
    ApplyNetworkSettings(*NeuralNetExtended);
    ApplyNetworkSettings(*NeuralNetExtended1);

    // Help pictures and the tags that select their texts.
    const struct {
        const char* name;
        int left;
        int top;
        int tag;
    } helps[] = {{"Image15", 201, 63, 0}, {"Image16", 201, 113, 1}, {"Image25", 145, 281, 2}, {"Image26", 297, 249, 3},
                 {"Image27", 500, 249, 4}, {"Image28", 880, 112, 5}, {"Image29", 648, 184, 6}, {"Image30", 400, 618, 7},
                 {"Image31", 912, 618, 7}};
    std::size_t h = 0;
    for (const auto& help : helps) {
        ui::PictureButton* p = Picture(help.name, "help_small", "Help", help.left, help.top);
        p->setProperty("Tag", help.tag);
        ui::ConnectGuarded(p, &ui::PictureButton::clicked, this, [this, p] { Image15Click(p); });
        HelpPictures[h++] = p;
    }
    Image30 = HelpPictures[7];
    Image31 = HelpPictures[8];

    // Handlers; every one runs through the guard.
    const auto on = [this](ui::PictureButton* button, void (TfrmNeuralNetExtend::*handler)()) {
        ui::ConnectGuarded(button, &ui::PictureButton::clicked, this, [this, handler] { (this->*handler)(); });
    };
    on(Image13, &TfrmNeuralNetExtend::AddShortButtonClick);
    on(Image14, &TfrmNeuralNetExtend::AddLongButtonClick);
    on(Image32, &TfrmNeuralNetExtend::Image32Click);
    on(Image33, &TfrmNeuralNetExtend::Image33Click);
    on(Image12, &TfrmNeuralNetExtend::CalculateButtonClick);
    on(LoadImage, &TfrmNeuralNetExtend::LoadButtonClick);
    on(SaveImage, &TfrmNeuralNetExtend::SaveButtonClick);
    on(Image9, &TfrmNeuralNetExtend::ClearButtonClick);
    on(Image10, &TfrmNeuralNetExtend::Image10Click);
    on(Image11, &TfrmNeuralNetExtend::Image11Click);
    for (QLineEdit* edit : Edits) {
        ui::ConnectGuarded(edit, &QLineEdit::textChanged, this, [this] { Edit1PropertiesChange(); });
    }
    const auto onChange = [this](QComboBox* box, void (TfrmNeuralNetExtend::*handler)()) {
        ui::ConnectGuarded(box, &QComboBox::currentIndexChanged, this, [this, handler] { (this->*handler)(); });
    };
    onChange(ComboBox1, &TfrmNeuralNetExtend::ComboBox1PropertiesChange);
    onChange(MarketComboBox, &TfrmNeuralNetExtend::MarketComboBoxChange);
    onChange(TimeFrameComboBox, &TfrmNeuralNetExtend::TimeFrameComboBoxChange);
    onChange(DecimalComboBox, &TfrmNeuralNetExtend::DecimalComboBoxPropertiesChange);

    Image34->hide();
    Label3->hide();
    RegisterWindow();
    FormCreate();
}

ui::PictureButton* TfrmNeuralNetExtend::Picture(const char* name, const char* picture, const char* hint, int left, int top)
{
    auto* button = new ui::PictureButton(this, name, picture, hint);
    button->move(left, top);
    return button;
}

void TfrmNeuralNetExtend::FormCreate()
{
    ShortTermNoData = LongTermNoData = NotCalculated = true;
    // Number texts always use "."; the runtime's conversions never consult the locale.
    ShortSeries = WavUtils::TVector(11);
    LongSeries = WavUtils::TVector(51);
    ResetResultDisplay();
    ClearButtonClick();
    TimeFrameComboBoxChange();
}

void TfrmNeuralNetExtend::ResetResultDisplay()
{
    setFixedSize(kBackgroundWidth, kBackgroundHeight);
    for (QLineEdit* box : {StopLossShortStaticText, StopLossLongStaticText, TakeProfitShortStaticText, TakeProfitLongStaticText}) {
        box->clear();
    }
    for (QLabel* text : {PredictedPriceShortStaticText, PredictedPriceLongStaticText, Label1, Label2}) {
        text->clear();
    }
    for (QWidget* w : std::initializer_list<QWidget*>{PaintBox1, PaintBox2, Image30, Image31, Image4, Image5, Image20, Image21}) {
        w->hide();
    }
}

void TfrmNeuralNetExtend::Image32Click()
{
    for (int k = 1; k <= 10; ++k) {
        Edit(k)->clear();
    }
    ShortTermAddEdit->clear();
}

void TfrmNeuralNetExtend::Image33Click()
{
    for (int k = 11; k <= 20; ++k) {
        Edit(k)->clear();
    }
    LongTermAddEdit->clear();
}

void TfrmNeuralNetExtend::ClearButtonClick()
{
    if (busy_) {
        return;
    }
    Image32Click();
    Image33Click();
    ResetResultDisplay();
}

void TfrmNeuralNetExtend::AddPrice(int first, QLineEdit* addEdit)
{
    if (addEdit->text().isEmpty()) {
        ui::Dialogs().MessageBox(this, "Input error", "No data entered!", ui::MsgIcon::Error, ui::MsgButtons::Ok);
        return;
    }
    for (int k = first; k < first + 9; ++k) {
        Edit(k)->setText(Edit(k + 1)->text());
    }
    Edit(first + 9)->setText(addEdit->text());
    addEdit->clear();
}

void TfrmNeuralNetExtend::AddShortButtonClick() { AddPrice(1, ShortTermAddEdit); }

void TfrmNeuralNetExtend::AddLongButtonClick() { AddPrice(11, LongTermAddEdit); }

void TfrmNeuralNetExtend::ComboBox1PropertiesChange()
{
    const bool fromFile = ComboBox1->currentIndex() == 1;
    for (int k = 11; k <= 20; ++k) {
        Edit(k)->setVisible(!fromFile);
    }
    LongTermAddEdit->setVisible(!fromFile);
    Image14->setVisible(!fromFile);
    Image34->setVisible(fromFile);
    Label3->setVisible(fromFile);
    ComboBox1->raise();
    if (fromFile) {
        LoadFromFile();
    } else {
        ComboBox1->move(kComboBox1Manual);
    }
}

void TfrmNeuralNetExtend::LoadFromFile()
{
    setWindowTitle("Calculate");
    const QString file = ui::Dialogs().OpenFileName(this, kOpenFilter);
    if (file.isEmpty()) {
        ComboBox1->setCurrentIndex(0);
        return;
    }
    // Reading price and calculation files is not part of this version yet: say so and stay manual.
    ui::Dialogs().MessageBox(this, "Information", "Loading price files is not available in this version.",
                             ui::MsgIcon::Information, ui::MsgButtons::Ok);
    ComboBox1->setCurrentIndex(0);
}

void TfrmNeuralNetExtend::LoadButtonClick()
{
    if (busy_) {
        return;
    }
    if (ComboBox1->currentIndex() == 1) {
        ComboBox1PropertiesChange();
    } else {
        ComboBox1->setCurrentIndex(1);
    }
}

void TfrmNeuralNetExtend::MarketComboBoxChange()
{
    const int market = MarketComboBox->currentIndex();
    CurrencyComboBox->setVisible(market < 2 || market > 4);
}

void TfrmNeuralNetExtend::TimeFrameComboBoxChange()
{
    settings::ReadTimeFrameOptions(TimeFrameComboBox->currentIndex(), StopLossPips, TakeProfitPips, Decimals);
    StopLossEdit->setText(QString::number(StopLossPips));
    TakeProfitEdit->setText(QString::number(TakeProfitPips));
    // A change of selection runs the decimals handler, which writes the values just read back.
    DecimalComboBox->setCurrentIndex(Decimals >= 1 && Decimals <= 5 ? Decimals - 1 : -1);
    PipDivisor = PipDivisorFor(Decimals);
}

void TfrmNeuralNetExtend::DecimalComboBoxPropertiesChange()
{
    Decimals = DecimalComboBox->currentIndex() + 1;
    PipDivisor = PipDivisorFor(Decimals);
    settings::WriteTimeFrameOptions(TimeFrameComboBox->currentIndex(), Whole(StopLossEdit), Whole(TakeProfitEdit),
                                    Decimals);
    if (OnDecimalsChanged) {
        OnDecimalsChanged();
    }
}

void TfrmNeuralNetExtend::Edit1PropertiesChange() { NotCalculated = true; }

void TfrmNeuralNetExtend::Image15Click(ui::PictureButton* sender)
{
    const int tag = sender->property("Tag").toInt();
    ui::Dialogs().BalloonHint(sender, "Help", HelpTexts[static_cast<std::size_t>(tag)], kBalloonVisibleMs);
}

void TfrmNeuralNetExtend::Image10Click()
{
    if (OnOptionsCommand) {
        OnOptionsCommand();
    }
}

void TfrmNeuralNetExtend::Image11Click()
{
    if (OnHelpCommand) {
        OnHelpCommand();
    }
}

// The calculation file attaches here.
void TfrmNeuralNetExtend::SaveButtonClick()
{
    if (busy_) {
        return;
    }
}

void TfrmNeuralNetExtend::closeEvent(QCloseEvent* event)
{
    // A window that is teaching stays until its Calculate has finished.
    if (busy_) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}
