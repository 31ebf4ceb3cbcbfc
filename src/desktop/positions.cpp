// The desktop's side of the saved positions (positions.h).
#include "desktop/positions.h"

#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QTimer>

#include "graphics/plane.h"

namespace hazama {
namespace {

constexpr int kNoticeMs = 1500;
// Half the scene: the slot screen draws it at a third of that in the window and stays crisp
// at full screen up to twice the window's size.
constexpr QSize kThumbnail{256, 192};

}  // namespace

void PositionNotice::tell(const QString& text) {
    if (label_ == nullptr) {
        label_ = new QLabel(window_);
        label_->setObjectName(QStringLiteral("position_notice"));
        label_->setStyleSheet(
            QStringLiteral("background: rgba(0, 0, 0, 160); color: white; "
                           "padding: 4px 10px; border-radius: 4px;"));
        label_->move(16, 16);
    }
    label_->setText(text);
    label_->adjustSize();
    label_->raise();
    label_->show();
    QTimer::singleShot(kNoticeMs, label_, [label = label_, text] {
        if (label->text() == text) label->hide();
    });
}

std::string scene_thumbnail_png(const Plane& screen) {
    if (screen.empty()) return {};
    const QImage image(reinterpret_cast<const uchar*>(screen.pixels.data()), screen.width,
                       screen.height, screen.width * 4, QImage::Format_RGB32);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.scaled(kThumbnail, Qt::KeepAspectRatio, Qt::SmoothTransformation).save(&buffer, "PNG");
    return bytes.toStdString();
}

}  // namespace hazama
