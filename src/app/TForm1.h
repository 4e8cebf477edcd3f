#pragma once

#include <QMainWindow>

class QMdiArea;
class QMdiSubWindow;
class TfrmNeuralNetExtend;

// The multiple-document frame "Corvatek": its menu and tool bar route commands to the active
// calculation window and to the side windows.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    QMdiArea* MdiArea;

    // The active child window as a calculation window, or nullptr.
    TfrmNeuralNetExtend* ActiveCalculation() const;
    QList<TfrmNeuralNetExtend*> Calculations() const;
    // Places a calculation window in the middle of the frame's client area.
    void CentreSubWindow(QMdiSubWindow* sub) const;

    TfrmNeuralNetExtend* new1Click();
    void Open1Click();
    void Save1Click();
    void Clear1Click();
    void Exit1Click();
    void MoneyManager1Click();
    void Lines1Click();
    void tbMAClick();
    void Options2Click();
    void Cascade1Click();
    void DetailedInstructions1Click();
    void Copyrights1Click();

protected:
    // The program does not end while a calculation window is teaching.
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenuAndToolBar();
};
