// A dissolve drawn at full screen without scaling the whole picture at every frame.
#pragma once

#include <QImage>
#include <QRegion>
#include <cstdint>
#include <optional>
#include <vector>

#include "graphics/plane.h"

namespace hazama {

// The plane scaled smoothly to `size`, as the scene is drawn at full screen.
QImage scaled_plane(const Plane& plane, QSize size);

// One dissolve from the plane's old pixels to `incoming`'s, shown scaled. Both pictures are
// scaled once; the picture shown is, block by block, the one or the other: a pixel of the
// plane that has turned to the incoming picture brings its block of the scaled incoming
// picture with it. When every pixel has turned, the picture is the incoming one scaled.
//
// The dissolve turns its pixels in the order of the step matrix. While the game waits for
// the next frame, `prepare_next` turns the blocks of the next step ahead in the picture; the
// frame then only confirms them and shows their rows.
class ScaledDissolve {
  public:
    // `old` is the plane as shown when the dissolve begins.
    ScaledDissolve(const Plane& old, const Plane& incoming, QSize size);

    const QImage& picture() const { return picture_; }
    bool done() const { return left_ == 0; }

    // Takes the plane's pixels after a refresh; `shown` is the plane at the refresh before.
    // Returns the rows of the picture that now differ from what is on screen, or nothing
    // when the plane is not this dissolve's (a pixel neither old nor incoming, or one that
    // turned back, or turned out of order); the picture is then of no more use.
    std::optional<QRegion> follow(const Plane& plane, const Plane& shown);
    // Turns the blocks of the step after the last one seen, ahead of its frame.
    void prepare_next();

  private:
    enum State : std::uint8_t { kOld, kTurning, kAhead, kTurned };
    // Copies the blocks of row y's pixels in state `from` from the scaled incoming
    // picture, and sets them to state `to`.
    void turn_blocks(int y, State from, State to);

    Plane incoming_;
    QImage target_;             // the incoming picture scaled
    QImage picture_;            // blocks of the old or the incoming picture scaled
    std::vector<State> state_;  // per pixel of the plane
    int left_ = 0;              // pixels not yet turned on screen
    int step_ = 0;              // the highest step seen turned
    std::vector<int> columns_;  // where each column's blocks begin in the picture, and end
    std::vector<int> rows_;
    std::vector<std::uint32_t> mask_;  // per column of the picture: all ones where it turns
};

}  // namespace hazama
