// One slot of the slot screen drawn: the scene small, when it was saved, the place and the
// line on screen; or that the slot is empty, or that its file cannot be read (what it says is
// the session's SlotCardView). A button: a click, Space or Enter chooses it.
#pragma once

#include <QAbstractButton>
#include <QImage>
#include <filesystem>
#include <string>

#include "shell/slot_pages.h"

namespace hazama {

class SlotCard : public QAbstractButton {
  public:
    enum class State { empty, used, damaged };

    explicit SlotCard(QWidget* parent);

    // Shows what `card` says.
    void show_card(const SlotCardView& card);

    State state() const { return state_; }
    const std::filesystem::path& path() const { return path_; }
    // Why a damaged slot cannot be read.
    const std::string& why() const { return why_; }
    QString saved_at() const { return saved_at_; }
    QString place() const { return place_; }
    QString line() const { return line_; }
    const QImage& thumbnail() const { return thumbnail_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    State state_ = State::empty;
    std::filesystem::path path_;
    std::string why_;
    QString title_;
    QString saved_at_;
    QString place_;
    QString line_;
    QImage thumbnail_;
};

}  // namespace hazama
