// The window's own pictures, with plain stand-ins for any that are missing.
#include "desktop/window_art.h"

#include <QFileInfo>
#include <QPainter>
#include <QPolygon>

#include "desktop/app_setup.h"
#include "platform/asset_path.h"
#include "platform/qt_picture_decoder.h"

namespace hazama {
namespace {

struct ArtInfo {
    const char* file;
    int width;
    int height;
};

ArtInfo info(WindowArt art) {
    switch (art) {
        case WindowArt::frame:
            return {"frame.jpg", 640, 480};
        case WindowArt::logo:
            return {"logo.gif", 106, 52};
        case WindowArt::imamou0:
            return {"imamou0.gif", 32, 32};
        case WindowArt::imamou1:
            return {"imamou1.gif", 32, 32};
        case WindowArt::move:
            return {"move.gif", 97, 41};
        case WindowArt::move_down:
            return {"move_down.gif", 97, 41};
        case WindowArt::move_off:
            return {"move_off.gif", 97, 41};
        case WindowArt::talk:
            return {"talk.gif", 97, 41};
        case WindowArt::talk_down:
            return {"talk_down.gif", 97, 41};
        case WindowArt::talk_off:
            return {"talk_off.gif", 97, 41};
        case WindowArt::look:
            return {"look.gif", 97, 41};
        case WindowArt::look_down:
            return {"look_down.gif", 97, 41};
        case WindowArt::look_off:
            return {"look_off.gif", 97, 41};
        case WindowArt::icon:
            return {"icon.png", 32, 32};
    }
    return {"", 1, 1};
}

const QColor kNight(32, 38, 56);
const QColor kPaper(206, 211, 222);

// A command button face: the command's word on white. `look` 1 is the pressed face
// (shaded, shifted by a pixel), 2 the disabled one (greyed).
void draw_button(QPainter& p, const QRect& r, const QString& word, int look) {
    p.fillRect(r, look == 1 ? QColor(222, 226, 234) : Qt::white);
    p.setPen(QColor(120, 128, 144));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.setPen(look == 2 ? QColor(168, 168, 168) : QColor(24, 28, 40));
    p.setFont(design_font(QStringLiteral("ＭＳ ゴシック"), 12));
    p.drawText(look == 1 ? r.translated(1, 1) : r, Qt::AlignCenter, word);
}

// The waiting indicator: a small white arrow pointing down, bobbing between the frames.
void draw_indicator(QPainter& p, int drop) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygon({QPoint(9, 10 + drop), QPoint(23, 10 + drop), QPoint(16, 19 + drop)}));
}

QString button_word(WindowArt art) {
    switch (art) {
        case WindowArt::move:
        case WindowArt::move_down:
        case WindowArt::move_off:
            return QStringLiteral("移動");
        case WindowArt::talk:
        case WindowArt::talk_down:
        case WindowArt::talk_off:
            return QStringLiteral("話す");
        default:
            return QStringLiteral("見る");
    }
}

QPixmap placeholder(WindowArt art, int width, int height) {
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    const QRect all(0, 0, width, height);
    switch (art) {
        case WindowArt::frame:
            p.fillRect(all, kPaper);
            // The message strip stays dark so its white text can be read.
            p.fillRect(QRect(0, 392, width, height - 392), kNight);
            break;
        case WindowArt::logo:
        case WindowArt::icon:
            p.fillRect(all, kNight);
            p.setPen(Qt::white);
            p.setFont(design_font(QStringLiteral("ＭＳ 明朝"), art == WindowArt::icon ? 15 : 18));
            p.drawText(all, Qt::AlignCenter,
                       art == WindowArt::icon ? QStringLiteral("ハ") : kTitle);
            break;
        case WindowArt::imamou0:
            draw_indicator(p, 4);
            break;
        case WindowArt::imamou1:
            draw_indicator(p, 0);
            break;
        case WindowArt::move:
        case WindowArt::talk:
        case WindowArt::look:
            draw_button(p, all, button_word(art), 0);
            break;
        case WindowArt::move_down:
        case WindowArt::talk_down:
        case WindowArt::look_down:
            draw_button(p, all, button_word(art), 1);
            break;
        case WindowArt::move_off:
        case WindowArt::talk_off:
        case WindowArt::look_off:
            draw_button(p, all, button_word(art), 2);
            break;
    }
    return pixmap;
}

// A window picture read through the guarded reader (a pipe or a huge header in its place is
// refused); null when it cannot be read.
QPixmap guarded_pixmap(const std::string& path) {
    std::string error;
    return QPixmap::fromImage(decode_image(path, error));
}

}  // namespace

QString window_file(WindowArt art) {
    return QString::fromLatin1(info(art).file);
}

QPixmap large_window_picture(const std::filesystem::path& root, WindowArt art) {
    const ArtInfo i = info(art);
    const std::filesystem::path own = find_asset(root, std::string("gra/window/") + i.file);
    const QString stem = QFileInfo(QString::fromLatin1(i.file)).completeBaseName();
    const QString ext = art == WindowArt::frame ? QStringLiteral(".jpg") : QStringLiteral(".png");
    const std::filesystem::path path =
        find_asset(root, (QStringLiteral("gra/window/large/") + stem + ext).toStdString());
    const QFileInfo large(QString::fromStdString(path.string()));
    const QFileInfo picture(QString::fromStdString(own.string()));
    if (!large.isFile() || !picture.isFile() || large.lastModified() < picture.lastModified())
        return {};
    const QPixmap pixmap = guarded_pixmap(large.filePath().toStdString());
    if (pixmap.size() != QSize(i.width, i.height) * kLargeArt) return {};
    return pixmap;
}

QPixmap english_window_picture(const std::filesystem::path& root, WindowArt art, bool large) {
    const ArtInfo i = info(art);
    const QString stem = QFileInfo(QString::fromLatin1(i.file)).completeBaseName();
    const QString name =
        large ? QStringLiteral("gra/window/large/") + stem + QStringLiteral("_en.png")
              : QStringLiteral("gra/window/") + stem + QStringLiteral("_en.gif");
    const std::filesystem::path path = find_asset(root, name.toStdString());
    const QPixmap pixmap = guarded_pixmap(path.string());
    if (!pixmap.isNull() && pixmap.size() == QSize(i.width, i.height) * (large ? kLargeArt : 1))
        return pixmap;
    return large ? large_window_picture(root, art) : window_picture(root, art);
}

QImage decode_window_art(const std::filesystem::path& root, WindowArt art) {
    const std::filesystem::path path =
        find_asset(root, std::string("gra/window/") + info(art).file);
    std::string error;
    return decode_image(path.string(), error);
}

QPixmap window_picture(QImage decoded, WindowArt art) {
    if (decoded.isNull()) return placeholder(art, info(art).width, info(art).height);
    return QPixmap::fromImage(std::move(decoded));
}

QPixmap window_picture(const std::filesystem::path& root, WindowArt art) {
    return window_picture(decode_window_art(root, art), art);
}

}  // namespace hazama
