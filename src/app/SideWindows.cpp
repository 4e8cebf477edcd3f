#include "app/SideWindows.h"

TFrmSideWindow::TFrmSideWindow(QWidget* parent, const QString& name, const QString& caption) : QDialog(parent)
{
    setObjectName(name);
    setWindowTitle(caption);
    hide();
}
