#include "ui/BalloonHint.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace ui {

namespace {

class Balloon : public QFrame {
public:
    Balloon(const QString& header, const QString& text)
        : QFrame(nullptr, Qt::ToolTip | Qt::FramelessWindowHint)
    {
        setAttribute(Qt::WA_DeleteOnClose);
        setObjectName("BalloonHint");
        setStyleSheet("#BalloonHint { background: #fffbe6; border: 1px solid #8a7a3a; border-radius: 6px; }"
                      "QLabel { color: #222; }");
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(10, 8, 10, 10);
        auto* title = new QLabel(header, this);
        title->setObjectName("BalloonHeader");
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        auto* body = new QLabel(text, this);
        body->setObjectName("BalloonText");
        layout->addWidget(title);
        layout->addWidget(body);
    }

protected:
    void mousePressEvent(QMouseEvent*) override { close(); }
};

QPointer<Balloon>& Current()
{
    static QPointer<Balloon> balloon;
    return balloon;
}

}  // namespace

void ShowBalloonHint(QWidget* anchor, const QString& header, const QString& text, int visibleMs)
{
    if (Current()) {
        Current()->close();
    }
    auto* balloon = new Balloon(header, QString(text).replace("\r\n", "\n"));
    balloon->adjustSize();
    QPoint at = anchor != nullptr ? anchor->mapToGlobal(QPoint(anchor->width() / 2, anchor->height())) : QPoint();
    at.rx() -= balloon->width();
    // Kept on the anchor's screen: near its left edge the balloon would otherwise start off-screen.
    const QScreen* screen = anchor != nullptr ? anchor->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        const QRect area = screen->availableGeometry();
        at.setX(std::max(area.left(), std::min(at.x(), area.right() - balloon->width())));
        at.setY(std::max(area.top(), std::min(at.y(), area.bottom() - balloon->height())));
    }
    balloon->move(at);
    balloon->show();
    QTimer::singleShot(visibleMs, balloon, &QWidget::close);
    Current() = balloon;
}

}  // namespace ui
