// hazama-bare-window: the yardstick of the start-up measure. A plain Qt window of the
// game's size that paints the game's frame picture and reports its first paint exactly
// as the game does (HAZAMA_REPORT_FIRST_PAINT), so tools/measure can set the game's
// start-up beside what Qt itself needs.
//
//     hazama-bare-window [FOLDER]   (the folder holding gra/, by default the program's)
#include <QApplication>
#include <QPainter>
#include <QWidget>
#include <chrono>
#include <cstdlib>

#include "desktop/first_paint.h"

namespace {

class BareWindow : public QWidget {
  public:
    explicit BareWindow(const QString& picture) : frame_(picture) { setFixedSize(634, 463); }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawPixmap(0, 0, frame_);
    }

  private:
    QPixmap frame_;
};

}  // namespace

int main(int argc, char** argv) {
    const auto main_start = std::chrono::steady_clock::now();
    QApplication app(argc, argv);
    const QString folder =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QCoreApplication::applicationDirPath();
    hazama::FirstPaintReport first_paint(main_start, true, nullptr);
    BareWindow window(folder + QStringLiteral("/gra/window/frame.jpg"));
    window.installEventFilter(&first_paint);
    window.show();
    return app.exec();
}
