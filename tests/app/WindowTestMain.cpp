// One test main for the window tests: offscreen, a pinned style and locale, the artwork.
#include "ui/PictureButton.h"

#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale::c());
    QApplication application(argc, argv);
    QApplication::setStyle("Fusion");
    ui::InitArtworkResources();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
