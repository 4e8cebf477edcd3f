#include "ui/BalloonHint.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

QWidget* OpenBalloon()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == "BalloonHint" && w->isVisible()) {
            return w;
        }
    }
    return nullptr;
}

TEST(BalloonHint, ShowsHeaderAndTextLeftDownAndStaysOnScreen)
{
    QWidget window;
    window.setGeometry(0, 0, 400, 300);
    auto* anchor = new QLabel("?", &window);
    anchor->setGeometry(5, 40, 18, 18);
    window.show();
    ui::ShowBalloonHint(anchor, "Help", "First line\r\nSecond line", 500000);
    QWidget* balloon = OpenBalloon();
    ASSERT_NE(balloon, nullptr);
    EXPECT_EQ(balloon->findChild<QLabel*>("BalloonHeader")->text(), "Help");
    EXPECT_EQ(balloon->findChild<QLabel*>("BalloonText")->text(), "First line\nSecond line");
    EXPECT_GE(balloon->x(), anchor->screen()->availableGeometry().left()) << "near the left edge it is moved on-screen";
    EXPECT_GE(balloon->y(), anchor->mapToGlobal(QPoint(0, anchor->height())).y());

    // A second balloon replaces the first.
    ui::ShowBalloonHint(anchor, "Help", "Other", 500000);
    QApplication::processEvents();
    int open = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        open += w->objectName() == "BalloonHint" && w->isVisible() ? 1 : 0;
    }
    EXPECT_EQ(open, 1);
    OpenBalloon()->close();
}

}  // namespace

#include "ui/QtDialogService.h"

namespace {

TEST(QtDialogService, ProgramFiltersBecomeQtFilters)
{
    EXPECT_EQ(ui::ToQtFileFilter("CSV (Metatrader)|*.CSV|All Supported Files|*.CSV;*.SAV"),
              "CSV (Metatrader) (*.CSV *.csv);;All Supported Files (*.CSV *.csv *.SAV *.sav)");
    EXPECT_EQ(ui::ToQtFileFilter("SAV (Corvatek)|*.SAV"), "SAV (Corvatek) (*.SAV *.sav)");
}

TEST(QtDialogService, ShellGetsWebAddressesAsTheyAreAndPathsAsFiles)
{
    EXPECT_EQ(ui::ToShellUrl("https://www.corvatek.example/"), QUrl("https://www.corvatek.example/"));
    for (const QString path : {"/opt/corvatek/vantrellhelp.chm", "/home/a b/#1?/vantrellhelp.chm", "relative/help.chm"}) {
        const QUrl url = ui::ToShellUrl(path);
        EXPECT_TRUE(url.isLocalFile()) << path.toStdString();
        EXPECT_EQ(url.toLocalFile(), path);
    }
}

}  // namespace
