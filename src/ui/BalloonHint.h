#pragma once

#include <QString>

class QWidget;

namespace ui {

// A help balloon below and to the left of `anchor` (the default left-down position), with a bold
// header over the text; it closes on a click or after `visibleMs`. Only one is open at a time.
void ShowBalloonHint(QWidget* anchor, const QString& header, const QString& text, int visibleMs);

}  // namespace ui
