// go_position: the modal chooser of the move command.
#pragma once

#include <QDialog>
#include <array>
#include <string>

class QLabel;
class QPushButton;

namespace hazama {

class GoPosition : public QDialog {
  public:
    // `captions` are the three destinations; an empty one leaves its row empty.
    GoPosition(QWidget* parent, const std::array<std::string, 3>& captions);

    // The button pressed, 0..3, or -1 when the window was closed by its close box.
    int chosen() const { return chosen_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    static void show_as_no_place(QPushButton* button);

    QLabel* label1_ = nullptr;
    std::array<QPushButton*, 4> command1_{};
    int chosen_ = -1;
};

}  // namespace hazama
