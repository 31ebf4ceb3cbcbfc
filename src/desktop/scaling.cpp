// Fullscreen's one factor, applied to the place, the font and the picture of every control.
#include "desktop/scaling.h"

#include <QLabel>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace hazama {

Fit Fit::into(QSize area) {
    Fit fit;
    if (area.isEmpty()) return fit;
    fit.factor = std::min(static_cast<double>(area.width()) / kClientSize.width(),
                          static_cast<double>(area.height()) / kClientSize.height());
    const QSize scaled = fit.map(QRect(QPoint(), kClientSize)).size();
    fit.origin = QPoint((area.width() - scaled.width()) / 2, (area.height() - scaled.height()) / 2);
    return fit;
}

int Fit::length(int design) const {
    // The small allowance keeps a factor such as 1080 / 463 from losing a pixel to rounding.
    return static_cast<int>(std::floor(design * factor + 1e-6));
}

QFont Fit::font(const QFont& design) const {
    QFont font = design;
    if (font.pixelSize() > 0) {
        font.setPixelSize(std::max(1, length(font.pixelSize())));
    } else {
        font.setPointSizeF(font.pointSizeF() * factor);
    }
    return font;
}

QPoint Fit::map(QPoint design) const {
    return origin + QPoint(static_cast<int>(std::lround(design.x() * factor)),
                           static_cast<int>(std::lround(design.y() * factor)));
}

// Both corners are mapped, so two controls that touch in the design touch when scaled.
QRect Fit::map(const QRect& design) const {
    const QPoint top_left = map(design.topLeft());
    const QPoint bottom_right = map(design.topLeft() + QPoint(design.width(), design.height()));
    return QRect(top_left, bottom_right - QPoint(1, 1));
}

void Scaling::set_fit(const Fit& fit) {
    fit_ = fit;
    for (auto& [w, design] : designs_) apply(w, design);
}

void Scaling::place(QWidget* w, const QRect& design) {
    Design& d = designs_[w];
    d.pos = design.topLeft();
    d.size = design.size();
    apply(w, d);
}

void Scaling::move(QWidget* w, QPoint design) {
    Design& d = designs_[w];
    d.pos = design;
    d.size.reset();
    apply(w, d);
}

void Scaling::set_font(QWidget* w, const QFont& design) {
    Design& d = designs_[w];
    d.font = design;
    apply(w, d);
}

void Scaling::set_pixmap(QLabel* label, const QPixmap& design, std::function<QPixmap()> large) {
    Design& d = designs_[label];
    d.pixmap = design;
    d.load_large = std::move(large);
    d.large.reset();
    apply(label, d);
}

void Scaling::apply(QWidget* w, Design& d) const {
    // A control within another is placed in its parent's scaled box, not the window's.
    Fit within = fit_;
    if (w->parentWidget() != window_) within.origin = QPoint();

    if (d.font) w->setFont(fit_.font(*d.font));
    if (d.pixmap) {
        auto* label = static_cast<QLabel*>(w);
        if (fit_.factor == 1.0 || d.pixmap->isNull()) {
            label->setPixmap(*d.pixmap);
        } else {
            const QSize size = within.map(QRect(QPoint(), d.pixmap->size())).size();
            if (!d.large && d.load_large) d.large = d.load_large();
            const QPixmap& source = d.large && !d.large->isNull() ? *d.large : *d.pixmap;
            label->setPixmap(source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        }
    }
    if (d.pos) {
        if (d.size) {
            w->setGeometry(within.map(QRect(*d.pos, *d.size)));
        } else {
            w->move(within.map(*d.pos));
            w->adjustSize();
        }
    }
}

}  // namespace hazama
