// The visible scene picture: the screen plane painted straight from its buffer, at full
// screen scaled smoothly, with a dissolve there drawn a block at a time.
#pragma once

#include <QRegion>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>

#include "graphics/plane.h"

namespace hazama {

class ScaledDissolve;

// Paints the screen plane on black. In the window each refresh repaints the whole picture,
// which costs less than a copy kept to compare with; at full screen only the part that
// changed since the refresh before.
//
// At full screen the plane is drawn `factor` times its size, smoothly. A dissolve changes
// pixels all over the picture at every frame, and scaling the whole plane again each time
// would cost a full-screen smooth scaling per frame: told where a dissolve goes, the view
// draws it with a ScaledDissolve instead.
class ScreenView : public QWidget {
  public:
    explicit ScreenView(QWidget* parent);
    ~ScreenView() override;

    // Shows `plane`, which must outlive the view or be replaced, painting at once.
    void refresh(const Plane& plane);
    // A dissolve from what is shown towards `incoming` begins (full screen only; the window
    // paints the plane as it is).
    void dissolve_to(const Plane& incoming);
    // Full screen: the plane is drawn this many times its size, smoothly.
    void set_factor(double factor);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // The plane's area in the view: its size times the factor, within the view.
    QRect picture_rect() const;
    // The view's rectangle that covers every pixel of `plane` unlike the last refresh.
    QRect changed_rect(const Plane& plane) const;
    // Lets the dissolve take the plane's new pixels: the part of the view that changed, or
    // nothing when they are no dissolve's.
    std::optional<QRegion> follow_dissolve(const Plane& plane);

    const Plane* plane_ = nullptr;
    double factor_ = 1.0;
    Plane shown_;  // full screen: the plane's pixels at the last refresh
    std::unique_ptr<ScaledDissolve> dissolve_;
    QTimer ahead_;  // prepares the dissolve's next frame once the game waits
};

}  // namespace hazama
