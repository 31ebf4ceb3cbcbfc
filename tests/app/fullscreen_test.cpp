// Fullscreen in the real window: the one client area scaled to the screen, clicks landing on
// what the player sees, and the fixed window coming back exactly. Under Xvfb (ctest's
// fullscreen_xvfb) the screen is a real one of 1920 × 1080.
#include <QAbstractButton>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <vector>

#include "desktop/scaled_dissolve.h"
#include "window_fixture.h"

namespace hazama {
namespace {

struct FullscreenTest : WindowTest {
    // Every named control's place in the window, in the design's pixels.
    std::map<QString, QRect> places() {
        std::map<QString, QRect> out;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!w->objectName().isEmpty() && !w->isWindow() && w->parentWidget() == window)
                out[w->objectName()] = w->geometry();
        }
        return out;
    }

    // A left click at `design` (a point of the 634 × 463 client area) as the window system
    // delivers it: to whatever control is under the scaled point.
    void click_at(QPoint design) {
        const QPoint at = window->fit().map(design);
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
    }
    QPoint centre_of(const char* name, const std::map<QString, QRect>& design) {
        return design.at(QString::fromLatin1(name)).center();
    }

    void toggle_with_f11() {
        QTest::keyClick(window, Qt::Key_F11);
        QTest::qWait(50);  // the window system's answer
    }

    // Every control sits where the fit puts its design place, within a pixel's rounding;
    // one sized by its text may differ by the text's hinting, a few per cent.
    void expect_scaled(const std::map<QString, QRect>& design) {
        const Fit& fit = window->fit();
        for (const auto& [name, rect] : design) {
            const QRect want = fit.map(rect);
            const QRect got = control(name.toLatin1().constData())->geometry();
            EXPECT_LE((got.topLeft() - want.topLeft()).manhattanLength(), 1) << name.toStdString();
            EXPECT_LE(std::abs(got.width() - want.width()), std::max(1, want.width() / 20))
                << name.toStdString();
            EXPECT_LE(std::abs(got.height() - want.height()), std::max(1, want.height() / 20))
                << name.toStdString();
        }
        EXPECT_EQ(control("labmain")->font().pixelSize(), fit.length(19));
        EXPECT_EQ(control("comload")->font().pixelSize(), fit.length(12));
    }
};

TEST(FitTest, LargestUniformFitCentredOnTheScreen) {
    const Fit hd = Fit::into({1920, 1080});
    EXPECT_DOUBLE_EQ(hd.factor, 1080.0 / 463);
    EXPECT_EQ(hd.map(QRect(0, 0, 634, 463)), QRect(220, 0, 1479, 1080));
    const Fit uhd = Fit::into({3840, 2160});
    EXPECT_EQ(uhd.map(QRect(0, 0, 634, 463)), QRect(441, 0, 2958, 2160));
    // A portrait screen: the width decides and the area sits in the middle.
    const Fit tall = Fit::into({768, 1366});
    EXPECT_DOUBLE_EQ(tall.factor, 768.0 / 634);
    EXPECT_EQ(tall.map(QRect(0, 0, 634, 463)).left(), 0);
    EXPECT_EQ(tall.origin.y(), (1366 - 561) / 2);
    // Neighbours in the design stay neighbours: the second frame of the indicator's
    // square and the controls beside it are mapped from shared corners.
    EXPECT_EQ(hd.map(QRect(0, 0, 100, 10)).right() + 1, hd.map(QRect(100, 0, 5, 10)).left());
    EXPECT_DOUBLE_EQ(Fit::into({}).factor, 1.0);
}

TEST_F(FullscreenTest, EnteringAndLeavingKeepsEveryControlsPlace) {
    enter_play();
    const QPoint windowed_at = window->pos();
    const auto design = places();
    ASSERT_GT(design.size(), 15u);

    toggle_with_f11();
    ASSERT_TRUE(window->fullscreen());
    const QSize screen = window->screen()->geometry().size();
    EXPECT_EQ(window->size(), screen);
    EXPECT_DOUBLE_EQ(window->fit().factor, Fit::into(screen).factor);
    expect_scaled(design);

    // The window moves to a screen of another size: the same places at the new factor.
    window->setGeometry(QRect(QPoint(), QSize(1366, 768)));
    EXPECT_DOUBLE_EQ(window->fit().factor, 768.0 / 463);
    expect_scaled(design);

    // Alt+Enter leaves, and nothing of it reaches the story: no line is released, no key.
    QTest::keyClick(window, Qt::Key_Return, Qt::AltModifier);
    QTest::qWait(50);
    EXPECT_FALSE(window->fullscreen());
    EXPECT_EQ(window->size(), QSize(634, 463));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->pos(), windowed_at);
    EXPECT_EQ(places(), design);
    EXPECT_EQ(control("labmain")->font().pixelSize(), 19);
}

TEST_F(FullscreenTest, ClicksLandOnTheScaledControls) {
    enter_play();
    const auto design = places();
    toggle_with_f11();
    ASSERT_TRUE(window->fullscreen());
    ASSERT_GT(window->fit().factor, 1.0);

    QSignalSpy looked(control<QAbstractButton>("comlook"), &QAbstractButton::clicked);
    click_at(centre_of("comlook", design));
    EXPECT_EQ(looked.count(), 1);

    // The scene, the message line and the portrait release a waiting line where they are
    // seen; Alt+Enter there does not.
    EXPECT_TRUE(line_released_by([&] { click_at(centre_of("picmain0", design)); }));
    EXPECT_TRUE(line_released_by([&] { click_at(centre_of("labmain", design)); }));
    EXPECT_FALSE(line_released_by([&] {
        QTest::keyClick(window, Qt::Key_Return, Qt::AltModifier);
        QTest::keyClick(window, Qt::Key_Return, Qt::AltModifier);
    }));
    window->set_fullscreen(false);
    EXPECT_EQ(window->size(), QSize(634, 463));
}

TEST_F(FullscreenTest, TheMenuSwitchesFullscreenAndShowsIt) {
    enter_play();
    auto* menu = window->findChild<QMenu*>(QStringLiteral("reading_menu"));
    ASSERT_NE(menu, nullptr);
    QAction* entry = nullptr;
    for (QAction* a : menu->actions())
        if (a->text().startsWith(QStringLiteral("全画面"))) entry = a;
    ASSERT_NE(entry, nullptr);
    QTest::mouseClick(control("picmain0"), Qt::RightButton);
    EXPECT_FALSE(entry->isChecked());
    entry->trigger();
    QTest::qWait(50);
    EXPECT_TRUE(window->fullscreen());
    menu->close();
    QTest::mouseClick(control("picmain0"), Qt::RightButton);
    EXPECT_TRUE(entry->isChecked());
    entry->trigger();
    menu->close();
    QTest::qWait(50);
    EXPECT_FALSE(window->fullscreen());
    EXPECT_EQ(window->size(), QSize(634, 463));
}

// A dissolve at full screen, from a dark picture with white stripes to an amber one with
// black stripes. What reaches the screen is read back from the window's backing store (the
// offscreen screen's grab).
struct FullscreenDissolveTest : FullscreenTest {
    static Plane striped(std::uint32_t colour, std::uint32_t stripe) {
        Plane p(512, 384, colour);
        for (int y = 0; y < 384; y += 16)
            for (int x = 0; x < 512; ++x) p.row(y)[x] = stripe;
        return p;
    }
    void SetUp() override {
        FullscreenTest::SetUp();
        enter_play();
        toggle_with_f11();
        ASSERT_GT(window->fit().factor, 1.0);
        scene = control("picmain0");
        form->set_visible(Control::picmain0, true);
        form->picmain[0] = old;
        form->refresh();
    }
    // Runs the dissolve; `during` is called every 60 ms while it runs.
    void dissolve(const std::function<void()>& during) {
        QTimer sampler;
        QObject::connect(&sampler, &QTimer::timeout, during);
        sampler.start(60);
        platform->run_script([&] {
            form->picmain[1] = incoming;
            form->fade(600, 0);
        });
    }
    QImage on_screen() const {
        return window->screen()
            ->grabWindow(window->winId())
            .toImage()
            .copy(QRect(scene->mapTo(window, QPoint()), scene->size()))
            .convertToFormat(QImage::Format_RGB32);
    }
    // The plane as the view paints it by itself: times the factor, cut to the box, black
    // beside it.
    QImage painted(const Plane& plane) const {
        QImage out(scene->size(), QImage::Format_RGB32);
        out.fill(Qt::black);
        QPainter(&out).drawImage(0, 0, scaled_plane(plane, picture_size()));
        return out;
    }
    QSize picture_size() const {
        const double f = window->fit().factor;
        return QSize(std::lround(512 * f), std::lround(384 * f)).boundedTo(scene->size());
    }

    Plane old = striped(0x203040, 0xFFFFFF);
    Plane incoming = striped(0xC08020, 0x000000);
    QWidget* scene = nullptr;
};

// The frames between show both pictures; the last is the incoming one scaled, exactly.
TEST_F(FullscreenDissolveTest, EndsOnScreenAsTheIncomingPictureScaled) {
    std::vector<QImage> frames;
    dissolve([&] { frames.push_back(on_screen()); });
    const QImage want = painted(incoming);
    EXPECT_EQ(on_screen(), want);
    const QRgb old_colour = painted(old).pixel(40, 40);
    EXPECT_TRUE(std::any_of(frames.begin(), frames.end(), [&](const QImage& f) {
        bool old_seen = false, new_seen = false;
        for (int x = 0; x < 200; ++x) {
            old_seen |= f.pixel(x, 40) == old_colour;
            new_seen |= f.pixel(x, 40) == want.pixel(x, 40);
        }
        return old_seen && new_seen;
    }));
}

// A paint the dissolve did not ask for (the window uncovered as the file dialog closes)
// leaves it going: the frames after it still show every block whole, the old picture's
// scaling or the incoming one's, and the last is the incoming picture scaled.
TEST_F(FullscreenDissolveTest, APaintFromElsewhereLeavesTheDissolveGoing) {
    const QImage old_scaled = painted(old), incoming_scaled = painted(incoming);
    const QSize box = picture_size();
    int sample = 0;
    int blocks_seen = 0;
    dissolve([&] {
        ++sample;
        if (sample == 3) scene->repaint();
        if (sample != 5) return;
        const QImage now = on_screen();
        for (int y = 0; y < 384; y += 7) {
            for (int x = 0; x < 512; x += 5) {
                const QPoint c((2 * x + 1) * box.width() / 1024, (2 * y + 1) * box.height() / 768);
                const QRgb seen = now.pixel(c);
                EXPECT_TRUE(seen == old_scaled.pixel(c) || seen == incoming_scaled.pixel(c))
                    << x << "," << y;
                ++blocks_seen;
            }
        }
    });
    ASSERT_GT(blocks_seen, 0);
    EXPECT_EQ(on_screen(), incoming_scaled);
}

// Run with QT_SCALE_FACTOR=2 (ctest's app_tests_density): the window keeps its size in the
// design's pixels, is twice that on the device, and its text is drawn at the device's size.
TEST_F(WindowTest, HighDensityScreenDoublesTheWindowWithCrispText) {
    if (qEnvironmentVariable("QT_SCALE_FACTOR") != QStringLiteral("2"))
        GTEST_SKIP() << "needs QT_SCALE_FACTOR=2";
    EXPECT_EQ(window->size(), QSize(634, 463));
    EXPECT_DOUBLE_EQ(window->devicePixelRatioF(), 2.0);
    run_while([&] { form->message("飛沫「細かな文字」"); },
              [&] {
                  const QImage shot = window->grab().toImage();
                  EXPECT_EQ(shot.size(), QSize(1268, 926));
                  // A doubled bitmap would repeat every pixel in 2 × 2 squares; text drawn at
                  // the device's size does not.
                  const QRect line = control("labmain")->geometry();
                  int unequal = 0;
                  for (int y = line.top() * 2; y < line.bottom() * 2; y += 2) {
                      for (int x = line.left() * 2; x < line.right() * 2; x += 2) {
                          if (shot.pixel(x, y) != shot.pixel(x + 1, y) ||
                              shot.pixel(x, y) != shot.pixel(x, y + 1))
                              ++unequal;
                      }
                  }
                  EXPECT_GT(unequal, 50);
                  form->Form_Click();
              });
}

}  // namespace
}  // namespace hazama
