#include "WindowTest.h"
#include "app/AppWindows.h"
#include "app/SideWindows.h"
#include "app/TForm1.h"
#include "app/TFrmAbout.h"
#include "calc/TfrmNeuralNetExtend.h"
#include "settings/TFrmOptions.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {

class MainWindow : public WindowTest {
protected:
    MainWindow()
    {
        CreateApplicationWindows();
        Form1->show();
    }
    ~MainWindow() override { DestroyApplicationWindows(); }

    QAction* Action(const char* name) { return Form1->findChild<QAction*>(name); }

    // Runs `script` on the options dialog once it is open, then closes it with `button`.
    void WithOptions(const std::function<void(TFrmOptions&)>& script, const char* button)
    {
        QTimer::singleShot(0, [=] {
            ASSERT_NE(FrmOptions, nullptr);
            script(*FrmOptions);
            FrmOptions->findChild<QPushButton*>(button)->click();
        });
        Form1->Options2Click();
    }

    void CloseAll()
    {
        Form1->MdiArea->closeAllSubWindows();
        QApplication::processEvents();
        ASSERT_TRUE(Form1->MdiArea->subWindowList().isEmpty());
    }
};

TEST_F(MainWindow, StartsWithOneCalculationWindowAndNoSideWindow)
{
    EXPECT_EQ(Form1->windowTitle(), "Corvatek");
    ASSERT_EQ(Form1->Calculations().size(), 1);
    EXPECT_EQ(Form1->ActiveCalculation(), frmNeuralNetExtend);
    EXPECT_FALSE(Form1->MdiArea->currentSubWindow()->windowFlags() & Qt::WindowMaximizeButtonHint);
    for (QWidget* side : std::initializer_list<QWidget*>{FrmSupportLines, FrmSetLinesPeriod, FrmMoneyManager,
                                                         FrmMovingAverage, FrmSetMAOptions}) {
        ASSERT_NE(side, nullptr);
        EXPECT_FALSE(side->isVisible());
    }
}

TEST_F(MainWindow, MenuAndToolBarInTheirOrder)
{
    QStringList menus;
    for (QAction* menu : Form1->menuBar()->actions()) {
        menus << menu->text();
    }
    EXPECT_EQ(menus, QStringList({"File", "Managers", "Analyse", "Options", "Window", "Help"}));
    QStringList file;
    for (QAction* item : Form1->menuBar()->actions()[0]->menu()->actions()) {
        file << (item->isSeparator() ? "-" : item->text() + " " + item->shortcut().toString());
    }
    EXPECT_EQ(file, QStringList({"New Ctrl+N", "Open... Ctrl+O", "Save... Ctrl+S", "Clear ", "-", "Exit "}));
    EXPECT_EQ(Action("Options2")->shortcut().toString(), "Ctrl+P");

    QStringList hints;
    auto* bar = Form1->findChild<QToolBar*>("ToolBar1");
    for (QAction* a : bar->actions()) {
        hints << (a->isSeparator() ? "-" : bar->widgetForAction(a)->toolTip());
    }
    EXPECT_EQ(hints, QStringList({"New", "Open Existing", "Save", "-", "Money Manager", "Support&Resistance Lines",
                                  "Moving Average", "-", "Detailed Instruction"}));
}

TEST_F(MainWindow, NewOpensAnotherCalculationWindow)
{
    Action("new1")->trigger();
    EXPECT_EQ(Form1->Calculations().size(), 2);
    EXPECT_NE(Form1->ActiveCalculation(), frmNeuralNetExtend);
    Action("Cascade1")->trigger();
}

TEST_F(MainWindow, OpenWithNoWindowCreatesOneAndCancelLeavesItManual)
{
    CloseAll();
    dialogs.FileAnswers.push_back("");
    Action("Open1")->trigger();
    ASSERT_EQ(Form1->Calculations().size(), 1);
    EXPECT_EQ(dialogs.Of("open").size(), 1u);
    EXPECT_EQ(Form1->ActiveCalculation()->ComboBox1->currentText(), "Manual");
}

TEST_F(MainWindow, SaveAndClearWithNoWindowDoNothing)
{
    CloseAll();
    Action("Save1")->trigger();
    Action("Clear1")->trigger();
    EXPECT_TRUE(dialogs.Calls.empty());
    EXPECT_TRUE(Form1->Calculations().isEmpty());
    EXPECT_EQ(frmNeuralNetExtend, nullptr);
}

TEST_F(MainWindow, OptionsReachEveryCalculationWindow)
{
    TfrmNeuralNetExtend* hour = frmNeuralNetExtend;
    hour->TimeFrameComboBox->setCurrentIndex(3);
    TfrmNeuralNetExtend* day = Form1->new1Click();
    day->TimeFrameComboBox->setCurrentIndex(5);
    const int refreshes = FrmMoneyManager->Refreshes;

    WithOptions(
        [](TFrmOptions& options) {
            EXPECT_EQ(options.ComboBox2->currentText(), "5 Min");
            options.ComboBox2->setCurrentIndex(3);
            options.SpinEdit1->setValue(65);
            options.ComboBox1->setCurrentIndex(1);
        },
        "Button1");
    EXPECT_EQ(hour->StopLossEdit->text(), "65");
    EXPECT_EQ(day->StopLossEdit->text(), "80");
    EXPECT_EQ(day->DecimalComboBox->currentText(), "2");
    EXPECT_EQ(day->PipDivisor, 100);
    EXPECT_GT(FrmMoneyManager->Refreshes, refreshes);
    EXPECT_EQ(FrmOptions, nullptr);
}

TEST_F(MainWindow, CancelStillRereadsAndKeepsWhatWasApplied)
{
    frmNeuralNetExtend->StopLossEdit->setText("999");  // typed, never stored
    WithOptions(
        [](TFrmOptions& options) {
            options.ComboBox2->setCurrentIndex(1);
            options.SpinEdit1->setValue(25);
            options.Button4->click();  // Apply
            options.SpinEdit1->setValue(26);
            options.Button3->click();  // Defaults
        },
        "Button2");
    EXPECT_EQ(frmNeuralNetExtend->StopLossEdit->text(), "25");
    EXPECT_NE(folder.Read("SYS").find("StopLoss1=25\r\nTakeProfit1=30\r\nDecimals=4"), std::string::npos);
}

TEST_F(MainWindow, OptionsDialogRules)
{
    WriteSettings("[Main]\r\nDecimals=9\r\n");
    WithOptions(
        [](TFrmOptions& options) {
            EXPECT_EQ(options.windowTitle(), "Options");
            EXPECT_EQ(options.ComboBox1->currentIndex(), -1) << "a stored 9 selects nothing";
            options.SpinEdit1->setValue(-7);  // stored as typed
            options.ComboBox2->setCurrentIndex(3);  // the edits for "5 Min" are dropped
            EXPECT_EQ(options.SpinEdit1->value(), 50);
            options.SpinEdit1->setValue(-7);
            options.ComboBox1->setCurrentIndex(-1);
        },
        "Button1");
    const std::string text = folder.Read("SYS");
    EXPECT_NE(text.find("Decimals=0"), std::string::npos);
    EXPECT_NE(text.find("StopLoss3=-7"), std::string::npos);
    EXPECT_EQ(text.find("StopLoss0"), std::string::npos);
}

TEST_F(MainWindow, RefusedSettingsWriteShowsTheErrorAndKeepsTheFile)
{
    WriteSettings("[Main]\r\nStopLoss0=15\r\n");
    WithReadOnlyFolder(folder.Path(), [&] {
        WithOptions([](TFrmOptions& options) { options.Button4->click(); }, "Button2");
    });
    const auto messages = dialogs.Of("message");
    ASSERT_GE(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, "Corvatek");
    EXPECT_EQ(messages[0].icon, ui::MsgIcon::Error);
    EXPECT_EQ(messages[0].text, QString::fromStdString("Unable to write to " + folder.File("SYS")));
    EXPECT_EQ(folder.Read("SYS"), "[Main]\r\nStopLoss0=15\r\n");
}

TEST_F(MainWindow, HelpGoesToTheShellAndCopyrightsIsCreatedForEachUse)
{
    Action("DetailedInstructions1")->trigger();
    ASSERT_EQ(dialogs.Of("shell").size(), 1u);
    EXPECT_EQ(dialogs.Calls[0].text, QString::fromStdString(folder.File("vantrellhelp.chm")));

    QPointer<TFrmAbout> first;
    for (int i = 0; i < 2; ++i) {
        QTimer::singleShot(0, [&] {
            ASSERT_NE(FrmAbout, nullptr);
            EXPECT_EQ(FrmAbout->windowTitle(), "Copyrights");
            EXPECT_NE(FrmAbout, first.data());
            if (!first) {
                first = FrmAbout;
            }
            FrmAbout->findChild<QPushButton*>("OKButton")->click();
        });
        Action("Copyrights1")->trigger();
        QApplication::processEvents();
    }
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull()) << "destroyed when closed";
}

}  // namespace
