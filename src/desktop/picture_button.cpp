// The command buttons drawn from pictures (picture_button.h).
#include "desktop/picture_button.h"

#include <QPainter>

namespace hazama {

PictureButton::PictureButton(QWidget* parent, std::function<Faces()> load,
                             std::function<Faces()> load_large)
    : QAbstractButton(parent), load_(std::move(load)), load_large_(std::move(load_large)) {
    setFocusPolicy(Qt::NoFocus);
}

const QPixmap& PictureButton::scaled(std::size_t index) {
    QPixmap& out = scaled_[index];
    if (out.size() == size()) return out;
    if (!large_) large_ = load_large_ ? load_large_() : Faces{};
    const QPixmap& large = (*large_)[index];
    const QPixmap& source = large.isNull() ? faces()[index] : large;
    out = source.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return out;
}

void PictureButton::reload() {
    faces_.reset();
    large_.reset();
    scaled_ = {};
    update();
}

const PictureButton::Faces& PictureButton::faces() const {
    if (!faces_) faces_ = load_();
    return *faces_;
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const std::size_t index = !isEnabled() ? 2 : isDown() ? 1 : 0;
    const QPixmap& face = faces()[index];
    if (size() == face.size()) {
        p.drawPixmap(0, 0, face);
    } else {
        // Scaled: the face fills the button.
        p.drawPixmap(0, 0, scaled(index));
    }
}

}  // namespace hazama
