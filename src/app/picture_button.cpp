// The command buttons drawn from pictures (picture_button.h).
#include "app/picture_button.h"

#include <QPainter>

namespace hazama {

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
