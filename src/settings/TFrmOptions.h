#pragma once

#include <QDialog>
#include <cstdint>

class QComboBox;
class QPushButton;
class QSpinBox;

// The options dialog: stop loss and take profit per time frame and the shared decimals. It
// destroys itself when it closes.
class TFrmOptions : public QDialog {
    Q_OBJECT
public:
    explicit TFrmOptions(QWidget* parent);

    std::int32_t StopLoss = 0;
    std::int32_t TakeProfit = 0;
    std::int32_t Decimals = 0;

    QComboBox* ComboBox2;   // time frame
    QSpinBox* SpinEdit1;    // stop loss
    QSpinBox* SpinEdit2;    // take profit
    QComboBox* ComboBox1;   // decimals
    QPushButton* Button3;   // Defaults
    QPushButton* Button1;   // OK
    QPushButton* Button4;   // Apply
    QPushButton* Button2;   // Cancel

    void FormCreate();
    void ComboBox2Change();
    void Button3Click();
    void Button4Click();
    void Button1Click();
};
