// The window's own kinds of control: the scene picture and the picture buttons.
#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <QWidget>

#include "graphics/plane.h"

namespace hazama {

// The visible scene picture: paints the screen plane straight from its buffer, wrapped
// in an image without a copy, on a black background.
class ScreenView : public QWidget {
  public:
    explicit ScreenView(QWidget* parent);
    // The plane to paint from now on; it must outlive the view or be replaced.
    void set_plane(const Plane* plane) { plane_ = plane; }
    // Fullscreen: the plane is drawn this many times its size, smoothly.
    void set_factor(double factor) { factor_ = factor; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const Plane* plane_ = nullptr;
    double factor_ = 1.0;
};

// A command button drawn with three pictures: normal, pressed and disabled. It takes no
// focus, so no key can ever press it.
class PictureButton : public QAbstractButton {
  public:
    PictureButton(QWidget* parent, QPixmap normal, QPixmap down, QPixmap off);
    QSize sizeHint() const override { return normal_.size(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap normal_;
    QPixmap down_;
    QPixmap off_;
};

}  // namespace hazama
