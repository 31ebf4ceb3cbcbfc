// The small buttons of the right-hand column (small_button.h).
#include "desktop/small_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>
#include <cmath>

#include "desktop/app_setup.h"

namespace hazama {
namespace {

constexpr int kDesignWidth = 97;
// The shared column of the faces in the design.
constexpr int kFaceLeft = 530;
constexpr int kFaceRight = 625;  // the last pixel

}  // namespace

SmallButton::SmallButton(const QString& caption, int left, QWidget* parent)
    : QPushButton(caption, parent), left_(left) {}

QFont SmallButton::caption_font() {
    QFont font = gothic(9);
    font.setFamilies({QStringLiteral("DejaVu Sans"), font.family()});
    return font;
}

QRect SmallButton::face() const {
    // The design's pixels at the button's present scale.
    const double scale = static_cast<double>(width()) / kDesignWidth;
    const auto at = [&](int design) {
        return static_cast<int>(std::lround((design - left_) * scale));
    };
    return QRect(QPoint(at(kFaceLeft), 0), QPoint(at(kFaceRight + 1) - 1, height() - 1));
}

void SmallButton::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect = face();
    p.drawControl(QStyle::CE_PushButton, option);
}

}  // namespace hazama
