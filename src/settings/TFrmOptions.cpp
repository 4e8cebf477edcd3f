#include "settings/TFrmOptions.h"

#include "settings/TimeFrameOptions.h"
#include "ui/Guard.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <limits>

TFrmOptions::TFrmOptions(QWidget* parent) : QDialog(parent)
{
    setObjectName("FrmOptions");
    setWindowTitle("Options");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName("ComboBox2");
    for (const char* name : settings::kTimeFrameNames) {
        ComboBox2->addItem(name);
    }
    const auto spin = [this](const char* name) {
        auto* box = new QSpinBox(this);
        box->setObjectName(name);
        box->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
        box->setSingleStep(1);
        return box;
    };
    SpinEdit1 = spin("SpinEdit1");
    SpinEdit2 = spin("SpinEdit2");
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->addItems({"1", "2", "3", "4", "5"});

    auto* form = new QFormLayout;
    form->addRow("TimeFrame", ComboBox2);
    form->addRow("Stop loss", SpinEdit1);
    form->addRow("Take profit", SpinEdit2);
    form->addRow("Decimals", ComboBox1);

    const auto button = [this](const char* name, const char* text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        return b;
    };
    Button3 = button("Button3", "Defaults");
    Button1 = button("Button1", "OK");
    Button4 = button("Button4", "Apply");
    Button2 = button("Button2", "Cancel");
    Button1->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button3);
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button4);
    buttons->addWidget(Button2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ui::ConnectGuarded(ComboBox2, &QComboBox::currentIndexChanged, this, [this] { ComboBox2Change(); });
    ui::ConnectGuarded(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    ui::ConnectGuarded(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
    ui::ConnectGuarded(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

    FormCreate();
}

void TFrmOptions::FormCreate()
{
    if (ComboBox2->currentIndex() == 0) {
        ComboBox2Change();
    } else {
        ComboBox2->setCurrentIndex(0);
    }
}

void TFrmOptions::ComboBox2Change()
{
    settings::ReadTimeFrameOptions(ComboBox2->currentIndex(), StopLoss, TakeProfit, Decimals);
    SpinEdit1->setValue(StopLoss);
    SpinEdit2->setValue(TakeProfit);
    // A stored value outside 1..5 selects nothing; Apply then stores 0.
    ComboBox1->setCurrentIndex(Decimals >= 1 && Decimals <= 5 ? Decimals - 1 : -1);
}

void TFrmOptions::Button3Click()
{
    const int index = ComboBox2->currentIndex();
    SpinEdit1->setValue(settings::kDefaultStopLoss[static_cast<std::size_t>(index)]);
    SpinEdit2->setValue(settings::kDefaultTakeProfit[static_cast<std::size_t>(index)]);
    ComboBox1->setCurrentIndex(settings::kDefaultDecimals - 1);
}

void TFrmOptions::Button4Click()
{
    // A spin field's value is always an integer; text the user left unfinished counts as 0.
    StopLoss = SpinEdit1->hasAcceptableInput() ? SpinEdit1->value() : 0;
    TakeProfit = SpinEdit2->hasAcceptableInput() ? SpinEdit2->value() : 0;
    Decimals = ComboBox1->currentIndex() + 1;
    settings::WriteTimeFrameOptions(ComboBox2->currentIndex(), StopLoss, TakeProfit, Decimals);
}

void TFrmOptions::Button1Click()
{
    Button4Click();
    accept();
}
