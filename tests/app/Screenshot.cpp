// Test utility: starts the program's windows offscreen and saves a picture of the main window.
//   QT_QPA_PLATFORM=offscreen ./screenshot main.png [1280x800] [PRICES [calculate]]
// PRICES: "prices" for an example row, or ten comma-separated prices; both rows get them.
#include "app/AppWindows.h"
#include "app/TForm1.h"
#include "calc/TfrmNeuralNetExtend.h"
#include "runtime/AppPaths.h"
#include "runtime/Random.h"
#include "ui/PictureButton.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <cstdio>

static const char* const kSignals[] = {"BUY", "SELL", "NOTRADE"};

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: screenshot FILE.png [WIDTHxHEIGHT] [prices]\n");
        return 2;
    }
    QTemporaryDir folder;  // settings of a fresh installation
    rt::SetExecutableDirOverride(folder.path().toStdString());
    ui::InitArtworkResources();
    TForm1* form = CreateApplicationWindows();
    const QStringList size = QString(argc > 2 ? argv[2] : "1280x800").split('x');
    form->resize(size.value(0).toInt(), size.value(1).toInt());
    form->show();
    QApplication::processEvents();
    if (argc > 3) {
        QStringList prices = QString(argv[3]).split(',');
        if (prices.size() != 10) {
            prices = QString("1.3301,1.3312,1.3318,1.3329,1.3333,1.3341,1.3347,1.3352,1.3355,1.3358").split(',');
        }
        for (int k = 1; k <= 20; ++k) {
            frmNeuralNetExtend->Edit(k)->setText(prices[(k - 1) % 10]);
        }
    }
    if (argc > 4 && QString(argv[4]) == "calculate") {
        rt::Random::SetSeedSource([] { return 2026u; });
        frmNeuralNetExtend->CalculateButtonClick();
        std::printf("short %s (%s), long %s (%s)\n", kSignals[frmNeuralNetExtend->ShortSignal],
                    qPrintable(frmNeuralNetExtend->Label1->text()), kSignals[frmNeuralNetExtend->LongSignal],
                    qPrintable(frmNeuralNetExtend->Label2->text()));
    }
    for (QMdiSubWindow* sub : {form->MdiArea->currentSubWindow()}) {
        if (sub != nullptr) {
            sub->move(0, 0);
        }
    }
    QApplication::processEvents();
    const bool saved = form->grab().save(argv[1]);
    DestroyApplicationWindows();
    return saved ? 0 : 1;
}
