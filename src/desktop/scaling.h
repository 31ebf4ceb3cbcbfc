// Fullscreen: the window's one client area, 634 × 463, drawn at one factor and centred on
// black. Every control keeps its place in the design's coordinates here; what Qt shows is
// that place, its font and its picture times the factor, so text is laid out at the size
// it is seen and every click lands on the control under it.
#pragma once

#include <QFont>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <functional>
#include <map>
#include <optional>

#include "shell/stage_layout.h"

class QLabel;
class QWidget;

namespace hazama {

// The client area's size in the design, in pixels.
inline constexpr QSize kClientSize{kClientWidth, kClientHeight};

// A place of the stage's layout in Qt's terms.
constexpr QRect design_rect(const StageRect& r) {
    return QRect(r.x, r.y, r.width, r.height);
}

// One factor and the top-left corner of the scaled client area.
struct Fit {
    double factor = 1.0;
    QPoint origin;

    // The largest uniform fit of the client area into `area`, centred.
    static Fit into(QSize area);
    QPoint map(QPoint design) const;
    QRect map(const QRect& design) const;
    // A size scaled down to whole pixels, so that scaled text never outgrows its box.
    int length(int design) const;
    // A font at the factor: a pixel size by length(), at least one pixel; a point size
    // times the factor.
    QFont font(const QFont& design) const;
};

// The design of every control the window scales, and the one fit applied to them all.
class Scaling {
  public:
    // `window` is the top level whose children are placed at the origin; their own
    // children are placed within them without it.
    explicit Scaling(QWidget* window) : window_(window) {}

    const Fit& fit() const { return fit_; }
    bool scaled() const { return fit_.factor != 1.0 || !fit_.origin.isNull(); }
    // Applies `fit` to every control.
    void set_fit(const Fit& fit);

    // The design of a control, applied at once: its place and size, or its place alone
    // for a control sized by its content (adjustSize).
    void place(QWidget* w, const QRect& design);
    void move(QWidget* w, QPoint design);
    void set_font(QWidget* w, const QFont& design);
    // `large`, when given, loads the same picture drawn larger, which a scaled label is
    // drawn from (once needed: the window at its design size never loads it).
    void set_pixmap(QLabel* label, const QPixmap& design, std::function<QPixmap()> large = nullptr);

  private:
    struct Design {
        std::optional<QPoint> pos;
        std::optional<QSize> size;  // none: the content's size
        std::optional<QFont> font;
        std::optional<QPixmap> pixmap;
        std::function<QPixmap()> load_large;
        std::optional<QPixmap> large;  // loaded; null when there is none
    };
    void apply(QWidget* w, Design& d) const;

    QWidget* window_;
    Fit fit_;
    std::map<QWidget*, Design> designs_;
};

}  // namespace hazama
