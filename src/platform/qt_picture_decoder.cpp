// Decoding picture files into planes with Qt's image readers.
#include "platform/qt_picture_decoder.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QThread>
#include <cstring>

#include "platform/player_file.h"

namespace hazama {

bool picture_size_ok(int width, int height) {
    return width > 0 && height > 0 && width <= kLargestPictureSide &&
           height <= kLargestPictureSide &&
           std::int64_t{width} * height <= std::int64_t{kLargestPicturePixels};
}

namespace {

// A picture file's bytes, read as any other file of the game: a pipe or a device in its
// place is refused rather than waited on, and the file's size is bounded.
bool read_picture_file(const std::string& path, QByteArray& bytes, std::string& error) {
    try {
        const std::string read = read_player_file(path, kLargestPictureFile);
        bytes = QByteArray(read.data(), static_cast<qsizetype>(read.size()));
        return true;
    } catch (const FileError& failure) {
        error = failure.missing() ? "ファイルがありません" : failure.reason();
        return false;
    }
}

// The reader's picture size, checked before anything is made that large; an invalid one
// (a format that tells its size only once decoded) is checked after.
bool size_refused(QImageReader& reader, const QSize& size, std::string& error) {
    reader.setAllocationLimit(static_cast<int>(std::int64_t{kLargestPicturePixels} * 4 >> 20));
    if (!size.isValid() || picture_size_ok(size.width(), size.height())) return false;
    error = "画像が大きすぎます (" + std::to_string(size.width()) + "×" +
            std::to_string(size.height()) + ")";
    return true;
}

// The reader's whole picture, or null with the reason; one larger than any of the game's
// (a format that told no size before decoding) is refused too.
QImage read_checked(QImageReader& reader, std::string& error) {
    QImage image = reader.read();
    if (image.isNull()) {
        error = reader.errorString().toStdString();
    } else if (!picture_size_ok(image.width(), image.height())) {
        error = "画像が大きすぎます";
        image = {};
    }
    return image;
}

}  // namespace

QImage decode_image(const std::string& path, std::string& error) {
    QByteArray bytes;
    if (!read_picture_file(path, bytes, error)) return {};
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (size_refused(reader, reader.size(), error)) return {};
    return read_checked(reader, error);
}

bool decode_picture(const std::string& path, Plane& into, std::string& error) {
    QByteArray bytes;
    if (!read_picture_file(path, bytes, error)) return false;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (size_refused(reader, size, error)) return false;
    // A picture of 24-bit colour (every photograph) is decoded straight into the plane.
    if (reader.imageFormat() == QImage::Format_RGB32 && !size.isEmpty()) {
        into.resize(size.width(), size.height());
        auto* pixels = reinterpret_cast<uchar*>(into.pixels.data());
        QImage target(pixels, size.width(), size.height(), size.width() * 4, QImage::Format_RGB32);
        if (reader.read(&target) && target.constBits() == pixels) {
            for (std::uint32_t& pixel : into.pixels) pixel &= 0x00FFFFFFu;
            return true;
        }
        // Read again from the start, the long way.
        buffer.seek(0);
        reader.setDevice(&buffer);
    }
    QImage image = read_checked(reader, error);
    if (image.isNull()) return false;
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
