// The scene picture (screen_view.h).
#include "desktop/screen_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "desktop/scaled_dissolve.h"
#include "platform/qt_picture_decoder.h"

namespace hazama {

ScreenView::ScreenView(QWidget* parent) : QWidget(parent) {
    // Every pixel is painted on each refresh; nothing behind needs drawing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    ahead_.setSingleShot(true);
    // The pause after a dissolve's frame prepares the next one; after the last, the view
    // paints the plane itself again (its scaling is the finished picture), and the
    // dissolve's pictures are freed here rather than in a frame.
    connect(&ahead_, &QTimer::timeout, this, [this] {
        if (!dissolve_) return;
        if (dissolve_->done())
            dissolve_.reset();
        else
            dissolve_->prepare_next();
    });
}

ScreenView::~ScreenView() = default;

void ScreenView::set_factor(double factor) {
    if (factor == factor_) return;
    factor_ = factor;
    dissolve_.reset();
    shown_ = Plane();  // the next refresh paints everything
}

void ScreenView::dissolve_to(const Plane& incoming) {
    dissolve_.reset();
    // On a high-density screen the plane is scaled straight to the device's pixels; the
    // dissolve's pictures, in the design's pixels, would be scaled a second time.
    if (factor_ == 1.0 || devicePixelRatioF() != 1.0 || shown_.empty() ||
        incoming.width != shown_.width || incoming.height != shown_.height ||
        picture_rect().isEmpty())
        return;
    dissolve_ = std::make_unique<ScaledDissolve>(shown_, incoming, picture_rect().size());
}

void ScreenView::refresh(const Plane& plane) {
    plane_ = &plane;
    std::optional<QRegion> dirty;
    if (dissolve_) dirty = follow_dissolve(plane);
    if (!dirty) {
        dissolve_.reset();
        dirty = QRegion(changed_rect(plane));
    }
    // Scripts run without returning to the event loop between frames: paint now.
    if (!dirty->isEmpty()) repaint(*dirty);
    if (factor_ != 1.0) {
        shown_.width = plane.width;
        shown_.height = plane.height;
        // A copy of its own: the plane is drawn into again at the next frame.
        shown_.pixels.assign(plane.pixels.begin(), plane.pixels.end());
    }
    if (dissolve_) ahead_.start(0);
}

std::optional<QRegion> ScreenView::follow_dissolve(const Plane& plane) {
    if (dissolve_->picture().size() != picture_rect().size()) return std::nullopt;
    std::optional<QRegion> rows = dissolve_->follow(plane, shown_);
    if (!rows) return std::nullopt;
    rows->translate(picture_rect().topLeft());
    return rows;
}

QRect ScreenView::picture_rect() const {
    if (plane_ == nullptr) return {};
    const QSize scaled(static_cast<int>(std::lround(plane_->width * factor_)),
                       static_cast<int>(std::lround(plane_->height * factor_)));
    return QRect(QPoint(), scaled.boundedTo(size()));
}

QRect ScreenView::changed_rect(const Plane& plane) const {
    if (shown_.width != plane.width || shown_.height != plane.height) return rect();
    int top = plane.height, bottom = -1, left = plane.width, right = -1;
    for (int y = 0; y < plane.height; ++y) {
        const std::uint32_t* now = plane.row(y);
        const std::uint32_t* was = shown_.row(y);
        if (std::memcmp(now, was, static_cast<std::size_t>(plane.width) * 4) == 0) continue;
        top = std::min(top, y);
        bottom = y;
        int x = 0;
        while (now[x] == was[x]) ++x;
        left = std::min(left, x);
        x = plane.width - 1;
        while (now[x] == was[x]) --x;
        right = std::max(right, x);
    }
    if (bottom < 0) return {};
    if (factor_ == 1.0) return QRect(QPoint(left, top), QPoint(right, bottom));
    // A scaled pixel blends its neighbours: one more source pixel on every side.
    const auto scaled = [this](int n) { return static_cast<int>(std::floor(n * factor_)); };
    return QRect(QPoint(scaled(left - 1), scaled(top - 1)),
                 QPoint(scaled(right + 2), scaled(bottom + 2)))
        .intersected(rect());
}

void ScreenView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    if (plane_ == nullptr || plane_->empty()) {
        p.fillRect(rect(), Qt::black);
        return;
    }
    const QRegion& dirty = event->region();
    const QRect picture = picture_rect();
    if (factor_ == 1.0) {
        const QImage view = plane_image(*plane_);
        for (const QRect& r : dirty) p.drawImage(r.topLeft(), view, r);
    } else if (dissolve_ && dissolve_->picture().size() == picture.size()) {
        // A paint between frames (the window uncovered as the file dialog closes) may show
        // the next step's blocks, turned ahead, a frame early: they come a frame later.
        for (const QRect& r : dirty) p.drawImage(r.topLeft(), dissolve_->picture(), r);
    } else {
        // Only the dirty part is scaled: the clip bounds the raster engine's work.
        p.setClipRegion(dirty);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(picture, plane_image(*plane_));
        p.setClipping(false);
    }
    // A plane smaller than the box leaves black around it.
    const QRegion rest = dirty - QRegion(picture);
    for (const QRect& r : rest) p.fillRect(r, Qt::black);
}

}  // namespace hazama
