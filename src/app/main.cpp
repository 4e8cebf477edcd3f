#include "app/AppWindows.h"
#include "app/TForm1.h"
#include "ui/PictureButton.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName("Corvatek");
    QApplication::setApplicationDisplayName("Corvatek");
    ui::InitArtworkResources();
    TForm1* mainWindow = CreateApplicationWindows();
    mainWindow->showMaximized();
    // The first calculation window was placed before the frame had its maximised size.
    QApplication::processEvents();
    if (QMdiSubWindow* first = mainWindow->MdiArea->currentSubWindow()) {
        mainWindow->CentreSubWindow(first);
    }
    const int result = QApplication::exec();
    DestroyApplicationWindows();
    return result;
}
