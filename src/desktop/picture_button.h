// The command buttons drawn from pictures.
#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <array>
#include <functional>
#include <optional>

namespace hazama {

// A command button drawn with three pictures: normal, pressed and disabled. It takes no
// focus, so no key can ever press it. The pictures are loaded when the button is first
// drawn: the title screen, which does not show the commands, need not wait for them. Drawn
// larger than its pictures, it is drawn from their large versions where there are some.
class PictureButton : public QAbstractButton {
  public:
    using Faces = std::array<QPixmap, 3>;  // normal, pressed, disabled
    PictureButton(QWidget* parent, std::function<Faces()> load,
                  std::function<Faces()> load_large = nullptr);
    QSize sizeHint() const override { return faces()[0].size(); }
    // The pictures are loaded again when next drawn (another language's faces).
    void reload();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const Faces& faces() const;
    // Face `index` at the button's size, scaled once for each size.
    const QPixmap& scaled(std::size_t index);

    std::function<Faces()> load_;
    std::function<Faces()> load_large_;
    mutable std::optional<Faces> faces_;
    std::optional<Faces> large_;
    Faces scaled_;
};

}  // namespace hazama
