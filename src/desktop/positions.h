// The desktop's side of the saved positions (the session's PositionKeeper decides them):
// the notice over the scene that says what happened, and the scene's small picture for a
// slot card.
#pragma once

#include <QString>
#include <string>

#include "shell/positions.h"

class QLabel;
class QWidget;

namespace hazama {

struct Plane;

// A short line over the scene's top left ("クイックセーブしました") that goes by itself.
class PositionNotice {
  public:
    explicit PositionNotice(QWidget* window) : window_(window) {}
    void tell(const QString& text);

  private:
    QWidget* window_;
    QLabel* label_ = nullptr;  // made with the first notice
};

// The scene at half its size, as PNG bytes; empty for an empty plane.
std::string scene_thumbnail_png(const Plane& screen);

}  // namespace hazama
