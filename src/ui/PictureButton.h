#pragma once

#include <QLabel>

namespace ui {

// A picture that acts as a button: hint, hand cursor, click.
class PictureButton : public QLabel {
    Q_OBJECT
public:
    PictureButton(QWidget* parent, const QString& name, const QString& picture, const QString& hint);
    void SetPicture(const QString& picture);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A picture from the compiled-in artwork (":/art/<name>.svg"), rendered at its own size.
QPixmap Artwork(const QString& name);

// Registers the compiled-in artwork; call once at start-up (program and tests).
void InitArtworkResources();

}  // namespace ui
