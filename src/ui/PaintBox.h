#pragma once

#include <QWidget>
#include <functional>

class QPainter;

namespace ui {

// A drawing area whose content comes from its owner's paint handler; nothing is filled, so what
// lies below shows through.
class PaintBox : public QWidget {
public:
    PaintBox(QWidget* parent, const QString& name);
    std::function<void(QPainter&)> OnPaint;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace ui
