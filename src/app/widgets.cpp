// The scene picture and the picture buttons.
#include "app/widgets.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

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
    p.drawImage(dirty.topLeft(), view, dirty);
    // A plane smaller than the box leaves black around it.
    const QRegion rest = QRegion(dirty) - QRegion(0, 0, plane_->width, plane_->height);
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
    p.drawPixmap(0, 0, !isEnabled() ? off_ : isDown() ? down_ : normal_);
}

}  // namespace hazama
