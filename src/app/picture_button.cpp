// The command buttons drawn from pictures (picture_button.h).
#include "app/picture_button.h"

#include <QPainter>

namespace hazama {

PictureButton::PictureButton(QWidget* parent, std::function<Faces()> load)
    : QAbstractButton(parent), load_(std::move(load)) {
    setFocusPolicy(Qt::NoFocus);
}

const PictureButton::Faces& PictureButton::faces() const {
    if (!faces_) faces_ = load_();
    return *faces_;
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const Faces& all = faces();
    const QPixmap& face = !isEnabled() ? all[2] : isDown() ? all[1] : all[0];
    if (size() == face.size()) {
        p.drawPixmap(0, 0, face);
    } else {
        // Fullscreen: the face fills the scaled button.
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(rect(), face);
    }
}

}  // namespace hazama
