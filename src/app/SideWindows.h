#pragma once

#include <QDialog>
#include <vector>

// The side windows are single instances created at start-up and hidden until their command is
// used; closing them only hides them. Their content arrives with the chart and money-management
// features; until then they are empty and their commands do nothing.
class TFrmSideWindow : public QDialog {
    Q_OBJECT
public:
    TFrmSideWindow(QWidget* parent, const QString& name, const QString& caption);
};

class TFrmSupportLines : public TFrmSideWindow {
public:
    explicit TFrmSupportLines(QWidget* parent) : TFrmSideWindow(parent, "FrmSupportLines", "Support / Resistance Levels") {}
    // The chart's price series; calculations and imports refill it.
    std::vector<double> Series1;
    void RefillSeries1(const std::vector<double>& prices) { Series1 = prices; }
};

class TFrmSetLinesPeriod : public TFrmSideWindow {
public:
    explicit TFrmSetLinesPeriod(QWidget* parent) : TFrmSideWindow(parent, "FrmSetLinesPeriod", "Calculation period") {}
};

class TFrmMoneyManager : public TFrmSideWindow {
public:
    explicit TFrmMoneyManager(QWidget* parent) : TFrmSideWindow(parent, "FrmMoneyManager", "Money Manager") {}
    // Re-reads what the money manager shows from the settings file; called after the options or
    // the decimals changed, whether the window is visible or not.
    void FormShow() { ++Refreshes; }
    int Refreshes = 0;
};

class TFrmMovingAverage : public TFrmSideWindow {
public:
    explicit TFrmMovingAverage(QWidget* parent) : TFrmSideWindow(parent, "FrmMovingAverage", "Moving Average") {}
};

class TFrmSetMAOptions : public TFrmSideWindow {
public:
    explicit TFrmSetMAOptions(QWidget* parent) : TFrmSideWindow(parent, "FrmSetMAOptions", "Moving average settings") {}
};
