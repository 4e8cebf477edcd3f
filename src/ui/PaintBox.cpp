#include "ui/PaintBox.h"

#include <QPainter>

namespace ui {

PaintBox::PaintBox(QWidget* parent, const QString& name) : QWidget(parent)
{
    setObjectName(name);
    setAttribute(Qt::WA_TranslucentBackground);
}

void PaintBox::paintEvent(QPaintEvent*)
{
    if (OnPaint) {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        OnPaint(painter);
    }
}

}  // namespace ui
