// Decoding picture files into planes with Qt's image readers.
#include "platform/qt_picture_decoder.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QThread>
#include <cstring>

namespace hazama {

bool decode_picture(const std::string& path, Plane& into, std::string& error) {
    const QString file = QString::fromStdString(path);
    if (!QFileInfo::exists(file)) {
        error = "ファイルがありません";
        return false;
    }
    QImageReader reader(file);
    // A picture of 24-bit colour (every photograph) is decoded straight into the plane.
    const QSize size = reader.size();
    if (reader.imageFormat() == QImage::Format_RGB32 && !size.isEmpty()) {
        into.resize(size.width(), size.height());
        auto* pixels = reinterpret_cast<uchar*>(into.pixels.data());
        QImage target(pixels, size.width(), size.height(), size.width() * 4, QImage::Format_RGB32);
        if (reader.read(&target) && target.constBits() == pixels) {
            for (std::uint32_t& pixel : into.pixels) pixel &= 0x00FFFFFFu;
            return true;
        }
        reader.setFileName(file);  // read again from the start, the long way
    }
    QImage image = reader.read();
    if (image.isNull()) {
        error = reader.errorString().toStdString();
        return false;
    }
    image = image.convertToFormat(QImage::Format_RGB32);
    const int width = image.width();
    const int height = image.height();
    into.resize(width, height);
    for (int y = 0; y < height; ++y) {
        const auto* src = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        std::uint32_t* dst = into.row(y);
        for (int x = 0; x < width; ++x) dst[x] = src[x] & 0x00FFFFFFu;
    }
    return true;
}

void make_this_qt_main_thread() {
    QThread::currentThread();
}

QImage plane_image(const Plane& plane) {
    return QImage(reinterpret_cast<const uchar*>(plane.pixels.data()), plane.width, plane.height,
                  plane.width * 4, QImage::Format_RGB32);
}

bool write_png(const Plane& plane, const std::string& path) {
    return plane_image(plane).save(QString::fromStdString(path), "PNG");
}

}  // namespace hazama
