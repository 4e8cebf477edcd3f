#include "app/TForm1.h"

#include "app/AppWindows.h"
#include "app/SideWindows.h"
#include "app/TFrmAbout.h"
#include "calc/TfrmNeuralNetExtend.h"
#include "runtime/AppPaths.h"
#include "settings/TFrmOptions.h"
#include "ui/DialogService.h"
#include "ui/Guard.h"
#include "ui/PictureButton.h"

#include <QAction>
#include <QCloseEvent>
#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QToolBar>

namespace {
QIcon Icon(const char* name) { return QIcon(ui::Artwork(QString("icon_") + name)); }
}  // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("Form1");
    setWindowTitle("Corvatek");
    setWindowIcon(QIcon(ui::Artwork("logo")));
    resize(1022, 736);
    MdiArea = new QMdiArea(this);
    MdiArea->setObjectName("MdiArea");
    MdiArea->setBackground(QColor(0x5a, 0x6b, 0x80));
    setCentralWidget(MdiArea);
    BuildMenuAndToolBar();
}

void TForm1::BuildMenuAndToolBar()
{
    const auto action = [this](QMenu* menu, const char* name, const QString& text, const QKeySequence& shortcut,
                               const char* icon, const std::function<void()>& handler) {
        auto* a = new QAction(text, this);
        a->setObjectName(name);
        a->setShortcut(shortcut);
        if (icon != nullptr) {
            a->setIcon(Icon(icon));
        }
        ui::ConnectGuarded(a, &QAction::triggered, this, handler);
        menu->addAction(a);
        return a;
    };
    QMenu* file = menuBar()->addMenu("File");
    QAction* newAction = action(file, "new1", "New", QKeySequence("Ctrl+N"), "new", [this] { new1Click(); });
    QAction* open = action(file, "Open1", "Open...", QKeySequence("Ctrl+O"), "open", [this] { Open1Click(); });
    QAction* save = action(file, "Save1", "Save...", QKeySequence("Ctrl+S"), "save", [this] { Save1Click(); });
    action(file, "Clear1", "Clear", {}, nullptr, [this] { Clear1Click(); });
    file->addSeparator();
    action(file, "Exit1", "Exit", {}, nullptr, [this] { Exit1Click(); });

    QMenu* managers = menuBar()->addMenu("Managers");
    QAction* money = action(managers, "MoneyManager1", "Money Manager", {}, "money", [this] { MoneyManager1Click(); });
    QMenu* analyse = menuBar()->addMenu("Analyse");
    QAction* lines = action(analyse, "Lines1", "Support / Resistance Levels", {}, "lines", [this] { Lines1Click(); });
    QAction* ma = action(analyse, "tbMA", "Moving Average", {}, "ma", [this] { tbMAClick(); });
    QMenu* options = menuBar()->addMenu("Options");
    action(options, "Options2", "Options...", QKeySequence("Ctrl+P"), nullptr, [this] { Options2Click(); });
    QMenu* window = menuBar()->addMenu("Window");
    action(window, "Cascade1", "Cascade", {}, nullptr, [this] { Cascade1Click(); });
    QMenu* help = menuBar()->addMenu("Help");
    QAction* instructions =
        action(help, "DetailedInstructions1", "Detailed Instructions...", {}, "help", [this] { DetailedInstructions1Click(); });
    help->addSeparator();
    action(help, "Copyrights1", "Copyrights", {}, nullptr, [this] { Copyrights1Click(); });

    QToolBar* bar = addToolBar("ToolBar1");
    bar->setObjectName("ToolBar1");
    bar->setMovable(false);
    bar->setIconSize(QSize(24, 24));
    const auto button = [bar](QAction* a, const char* hint) {
        bar->addAction(a);
        bar->widgetForAction(a)->setToolTip(hint);
    };
    button(newAction, "New");
    button(open, "Open Existing");
    button(save, "Save");
    bar->addSeparator();
    button(money, "Money Manager");
    button(lines, "Support&Resistance Lines");
    button(ma, "Moving Average");
    bar->addSeparator();
    button(instructions, "Detailed Instruction");
}

TfrmNeuralNetExtend* TForm1::ActiveCalculation() const
{
    QMdiSubWindow* sub = MdiArea->currentSubWindow();
    return sub != nullptr ? qobject_cast<TfrmNeuralNetExtend*>(sub->widget()) : nullptr;
}

QList<TfrmNeuralNetExtend*> TForm1::Calculations() const
{
    QList<TfrmNeuralNetExtend*> result;
    for (QMdiSubWindow* sub : MdiArea->subWindowList()) {
        if (auto* calc = qobject_cast<TfrmNeuralNetExtend*>(sub->widget())) {
            result << calc;
        }
    }
    return result;
}

TfrmNeuralNetExtend* TForm1::new1Click()
{
    auto* calc = new TfrmNeuralNetExtend;
    calc->OnOptionsCommand = [this] { Options2Click(); };
    calc->OnHelpCommand = [this] { DetailedInstructions1Click(); };
    calc->OnDecimalsChanged = [] {
        if (FrmMoneyManager != nullptr) {
            FrmMoneyManager->FormShow();
        }
    };
    calc->OnLongSeriesChanged = [](const std::vector<double>& prices) {
        if (FrmSupportLines != nullptr) {
            FrmSupportLines->RefillSeries1(prices);
        }
    };
    // Fixed border: system menu, minimise and close only.
    QMdiSubWindow* sub = MdiArea->addSubWindow(
        calc, Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                  Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(QIcon(ui::Artwork("logo")));
    sub->adjustSize();
    sub->setFixedSize(sub->sizeHint());
    CentreSubWindow(sub);
    sub->show();
    MdiArea->setActiveSubWindow(sub);
    return calc;
}

void TForm1::CentreSubWindow(QMdiSubWindow* sub) const
{
    const QSize area = MdiArea->viewport()->size();
    sub->move(std::max(0, (area.width() - sub->width()) / 2), std::max(0, (area.height() - sub->height()) / 2));
}

void TForm1::Open1Click()
{
    TfrmNeuralNetExtend* calc = ActiveCalculation();
    if (calc == nullptr) {
        new1Click();
        calc = ActiveCalculation();
    }
    if (calc != nullptr) {
        calc->LoadButtonClick();
    }
}

void TForm1::Save1Click()
{
    if (TfrmNeuralNetExtend* calc = ActiveCalculation()) {
        calc->SaveButtonClick();
    }
}

void TForm1::Clear1Click()
{
    if (TfrmNeuralNetExtend* calc = ActiveCalculation()) {
        calc->ClearButtonClick();
    }
}

void TForm1::Exit1Click() { close(); }

void TForm1::closeEvent(QCloseEvent* event)
{
    if (TfrmNeuralNetExtend::TeachingCount() > 0) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

// The side windows get their content in later versions; until then their commands do nothing.
void TForm1::MoneyManager1Click() {}
void TForm1::Lines1Click() {}
void TForm1::tbMAClick() {}

void TForm1::Options2Click()
{
    auto* dialog = new TFrmOptions(this);
    FrmOptions = dialog;
    dialog->exec();
    FrmOptions = nullptr;
    // Whatever closed the dialog, every calculation window takes over what is stored now.
    for (TfrmNeuralNetExtend* calc : Calculations()) {
        calc->TimeFrameComboBoxChange();
    }
    if (FrmMoneyManager != nullptr) {
        FrmMoneyManager->FormShow();
    }
}

void TForm1::Cascade1Click() { MdiArea->cascadeSubWindows(); }

void TForm1::DetailedInstructions1Click()
{
    ui::Dialogs().ShellOpen(this, QString::fromStdString(rt::ExecutablePath("vantrellhelp.chm")));
}

void TForm1::Copyrights1Click()
{
    auto* about = new TFrmAbout(this);
    FrmAbout = about;
    about->exec();
    FrmAbout = nullptr;
}
