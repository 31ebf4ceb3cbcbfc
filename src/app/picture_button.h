// The command buttons drawn from pictures.
#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace hazama {

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
