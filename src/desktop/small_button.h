// The four small buttons of the right-hand column (save, load, new game, quit).
#pragma once

#include <QPushButton>

namespace hazama {

// A button that keeps the place the design gives it (its click area) but draws its face in
// the column the design's buttons share, x 530 to 625: the load button stands a pixel to the
// right of the others, and their faces line up all the same. Latin letters are drawn from a
// face whose O is round, so the mnemonic of ロード(O) does not read as a zero.
class SmallButton : public QPushButton {
  public:
    // `left` is the button's x in the design; it is 97 pixels wide there.
    SmallButton(const QString& caption, int left, QWidget* parent);

    // The face's place in the button, at the size the button has now.
    QRect face() const;
    // The font of the captions: the design's gothic for the Japanese, a Latin face before it.
    static QFont caption_font();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int left_;
};

}  // namespace hazama
