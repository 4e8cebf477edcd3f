#include "ui/PictureButton.h"

#include <QHash>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace ui {

QPixmap Artwork(const QString& name)
{
    // Each picture is rendered once; results and buttons ask for the same few again and again.
    static QHash<QString, QPixmap> rendered;
    if (const auto found = rendered.constFind(name); found != rendered.constEnd()) {
        return *found;
    }
    QSvgRenderer renderer(QStringLiteral(":/art/%1.svg").arg(name));
    QPixmap pixmap(renderer.defaultSize());
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    rendered.insert(name, pixmap);
    return pixmap;
}

PictureButton::PictureButton(QWidget* parent, const QString& name, const QString& picture, const QString& hint)
    : QLabel(parent)
{
    setObjectName(name);
    setToolTip(hint);
    setCursor(Qt::PointingHandCursor);
    SetPicture(picture);
}

void PictureButton::SetPicture(const QString& picture)
{
    const QPixmap pixmap = Artwork(picture);
    setPixmap(pixmap);
    resize(pixmap.size());
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

}  // namespace ui

// A resource compiled into a static library needs an explicit initialisation, outside any namespace.
static void InitArtwork() { Q_INIT_RESOURCE(artwork); }

void ui::InitArtworkResources() { InitArtwork(); }
