#include "app/AppWindows.h"
#include "app/TForm1.h"
#include "ui/PictureButton.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName("Corvatek");
    QApplication::setApplicationDisplayName("Corvatek");
    ui::InitArtworkResources();
    TForm1* mainWindow = CreateApplicationWindows();
    mainWindow->showMaximized();
    const int result = QApplication::exec();
    DestroyApplicationWindows();
    return result;
}
