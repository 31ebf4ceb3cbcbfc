// The scene picture and the picture buttons.
#include "app/widgets.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <cmath>

namespace hazama {

ScreenView::ScreenView(QWidget* parent) : QWidget(parent) {
    // Every pixel is painted on each refresh; nothing behind needs drawing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ScreenView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    if (plane_ == nullptr || plane_->empty()) {
        p.fillRect(rect(), Qt::black);
        return;
    }
    // The plane's pixels are 0x00RRGGBB; RGB32 ignores the top byte, so the buffer is
    // painted as it is.
    const QImage view(reinterpret_cast<const uchar*>(plane_->pixels.data()), plane_->width,
                      plane_->height, plane_->width * 4, QImage::Format_RGB32);
    const QRect dirty = event->rect();
    QRect picture(0, 0, plane_->width, plane_->height);
    if (factor_ == 1.0) {
        p.drawImage(dirty.topLeft(), view, dirty);
    } else {
        // Only the dirty part is scaled: the clip bounds the raster engine's work.
        picture.setSize(QSize(static_cast<int>(std::lround(plane_->width * factor_)),
                              static_cast<int>(std::lround(plane_->height * factor_)))
                            .boundedTo(size()));
        p.setClipRect(dirty);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(picture, view);
        p.setClipping(false);
    }
    // A plane smaller than the box leaves black around it.
    const QRegion rest = QRegion(dirty) - QRegion(picture);
    for (const QRect& r : rest) p.fillRect(r, Qt::black);
}

PictureButton::PictureButton(QWidget* parent, QPixmap normal, QPixmap down, QPixmap off)
    : QAbstractButton(parent),
      normal_(std::move(normal)),
      down_(std::move(down)),
      off_(std::move(off)) {
    setFocusPolicy(Qt::NoFocus);
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const QPixmap& face = !isEnabled() ? off_ : isDown() ? down_ : normal_;
    if (size() == face.size()) {
        p.drawPixmap(0, 0, face);
    } else {
        // Fullscreen: the face fills the scaled button.
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(rect(), face);
    }
}

}  // namespace hazama
