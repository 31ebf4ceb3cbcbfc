// The window's pictures at a larger size: drawn down from the art rendered four times
// larger, never from a large picture that is not the picture's own.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <filesystem>

#include "desktop/window_art.h"
#include "window_fixture.h"

namespace hazama {
namespace {

const WindowArt kScaledArt[] = {
    WindowArt::frame,     WindowArt::logo,      WindowArt::imamou0,  WindowArt::imamou1,
    WindowArt::move,      WindowArt::move_down, WindowArt::move_off, WindowArt::talk,
    WindowArt::talk_down, WindowArt::talk_off,  WindowArt::look,     WindowArt::look_down,
    WindowArt::look_off,
};

std::filesystem::path built() {
    const char* assets = std::getenv("HAZAMA_ASSETS");
    return assets != nullptr ? assets : ".";
}

TEST(LargeArt, EveryScaledPictureIsBuiltFourTimesLarger) {
    for (const WindowArt art : kScaledArt) {
        const QPixmap large = large_window_picture(built(), art);
        EXPECT_EQ(large.size(), window_picture(built(), art).size() * kLargeArt)
            << window_file(art).toStdString();
    }
}

TEST(LargeArt, OneOlderThanItsPictureOrOfAnotherSizeIsNotUsed) {
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("gra/window/large")));
    const auto copy = [&](const QString& from, const QString& to) {
        QFile::remove(root.filePath(to));
        ASSERT_TRUE(QFile::copy(QString::fromStdString((built() / from.toStdString()).string()),
                                root.filePath(to)));
    };
    const auto age = [&](const QString& file, int seconds_ago) {
        QFile f(root.filePath(file));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.setFileTime(QDateTime::currentDateTime().addSecs(-seconds_ago),
                      QFileDevice::FileModificationTime);
    };
    const std::filesystem::path here = root.path().toStdString();
    copy("gra/window/logo.gif", "gra/window/logo.gif");
    copy("gra/window/large/logo.png", "gra/window/large/logo.png");
    age("gra/window/logo.gif", 60);
    EXPECT_FALSE(large_window_picture(here, WindowArt::logo).isNull());
    // A player's own logo, dropped in after the build: the large one is another picture.
    age("gra/window/logo.gif", 0);
    age("gra/window/large/logo.png", 60);
    EXPECT_TRUE(large_window_picture(here, WindowArt::logo).isNull());
    // A large picture of the wrong size.
    copy("gra/window/large/move.png", "gra/window/large/logo.png");
    age("gra/window/logo.gif", 60);
    EXPECT_TRUE(large_window_picture(here, WindowArt::logo).isNull());
    // Without a picture of its own there is nothing to draw larger.
    EXPECT_TRUE(large_window_picture(here, WindowArt::frame).isNull());
}

// At twice the size the logo is the large art drawn down, sharper than the small one
// drawn up (which would repeat every pixel in soft pairs).
TEST_F(WindowTest, AtTwiceTheSizeTheLogoIsDrawnFromTheLargeArt) {
    const QPixmap large = large_window_picture(built(), WindowArt::logo);
    if (large.isNull()) GTEST_SKIP() << "no built window art";
    window->set_window_size(200);
    const QImage shown = control<QLabel>("piclogo")->pixmap().toImage();
    EXPECT_EQ(shown.size(), QSize(212, 104));
    const QImage want =
        large.scaled(QSize(212, 104), Qt::IgnoreAspectRatio, Qt::SmoothTransformation).toImage();
    EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32),
              want.convertToFormat(QImage::Format_ARGB32));
    window->set_window_size(100);
    EXPECT_EQ(control<QLabel>("piclogo")->pixmap().size(), QSize(106, 52));
}

}  // namespace
}  // namespace hazama
