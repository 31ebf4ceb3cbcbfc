// The close of the story in virtual time: the pan and the zoom over the night panorama,
// frame by frame, and the staff roll with its recycled labels.
#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "core/form_fixture.h"
#include "graphics/raster.h"

namespace hazama {
namespace {

using testing::FormFixture;
using testing::pan;
using testing::panorama;

constexpr std::uint32_t kStart = 7000;  // virtual time when a sequence starts
constexpr std::uint32_t kClosing = 0x334455;

// One refresh of the screen: its time, two corners, and the whole picture when asked for.
struct Frame {
    std::uint32_t at;
    std::uint32_t corner;  // (0, 0)
    std::uint32_t far;     // (511, 383)
    std::vector<std::uint32_t> whole;
};

// Records the labels after every change of the last one (one snapshot per redraw of the
// roll); its waits may overshoot their deadlines like a busy machine's.
class RollPlatform : public VirtualPlatform {
  public:
    using VirtualPlatform::VirtualPlatform;
    struct Snapshot {
        std::uint32_t at;
        std::array<StaffLabel, 11> labels;
    };
    std::vector<Snapshot> snapshots;
    std::uint32_t lateness = 0;

    void set_staff(int index, const StaffLabel& label) override {
        VirtualPlatform::set_staff(index, label);
        if (index == 10) snapshots.push_back({now_ms(), staff()});
    }
    void wait_until(std::uint32_t deadline) override {
        VirtualPlatform::wait_until(deadline + lateness);
    }
};

struct EndingFixture : FormFixture<RollPlatform> {
    std::vector<Frame> frames;
    std::function<bool(std::size_t)> keep_whole = [](std::size_t) { return false; };
    std::vector<std::string> notes;

    explicit EndingFixture(const std::string& staff = "") : FormFixture("ending") {
        if (!staff.empty()) folder.write("gra/staff.txt", staff);
        platform.decoder = testing::panorama_decoder(kClosing);
        platform.on_refresh = [this] {
            const Plane& screen = form.picmain[0];
            frames.push_back({platform.now_ms(), screen.at(0, 0), screen.at(511, 383), {}});
            if (keep_whole(frames.size() - 1)) frames.back().whole = screen.pixels;
        };
        platform.on_note = [this](const std::string& line) { notes.push_back(line); };
        for (Plane& p : form.picmain) p.resize(512, 384);
        form.picmain[5] = panorama();
        platform.set_now(kStart);
    }
};

// Staff file lines "L0", "L1", ... as quoted items.
std::string numbered_staff(int count) {
    std::string out;
    for (int i = 0; i < count; ++i) out += "\"L" + std::to_string(i) + "\"\n";
    return out;
}

TEST(Ending, LastscrPansUpAndLeftWithTheRowOneRedrawBehind) {
    EndingFixture f;
    f.form.lastscr();
    EXPECT_EQ(f.platform.now_ms(), kStart + 5000);
    // A redraw each time a = Int(e / 5000 * 400) moves, 1..399, and the last copy.
    ASSERT_EQ(f.frames.size(), 400u);
    for (int a = 1; a <= 399; ++a) {
        const Frame& frame = f.frames[a - 1];
        const int e = (a * 25 + 1) / 2;  // the first ms of value a
        ASSERT_EQ(frame.at, kStart + static_cast<std::uint32_t>(e)) << a;
        const int x = 300 - e * 300 / 5000;
        const int y = 400 - (a - 1);
        EXPECT_EQ(frame.corner, pan(x, y)) << a;
        EXPECT_EQ(frame.far, pan(x + 511, y + 383)) << a;
    }
    // The first redraws: the row still that of a = 0 while the column has not moved yet.
    EXPECT_EQ(f.frames[0].corner, pan(300, 400));
    EXPECT_EQ(f.frames[1].corner, pan(299, 399));
    EXPECT_EQ(f.frames.back().at, kStart + 5000);
    EXPECT_EQ(f.frames.back().corner, pan(0, 0));
    EXPECT_EQ(f.frames.back().far, pan(511, 383));
    EXPECT_EQ(f.notes, std::vector<std::string>{"lastscr"});
}

TEST(Ending, LastestWidensTheViewToTheWholeSkyAndLeavesItOnTheStage) {
    EndingFixture f;
    f.form.picmain[1].resize(512, 384, kClosing);
    f.keep_whole = [](std::size_t i) { return i % 50 == 0 || i >= 766; };
    f.form.lastest();
    EXPECT_EQ(f.platform.now_ms(), kStart + 10000);
    ASSERT_EQ(f.frames.size(), 768u);

    // The picture a stretch of the panorama's w x h corner gives.
    auto view = [](int w, int h) {
        Plane out(512, 384);
        stretch_blt(out, 0, 0, 512, 384, panorama(), 0, 0, w, h);
        return out;
    };
    for (int w = 1; w <= 767; ++w) {
        const Frame& frame = f.frames[w - 1];
        const int e = (w * 10000 + 767) / 768;
        ASSERT_EQ(frame.at, kStart + static_cast<std::uint32_t>(e)) << w;
        if (frame.whole.empty()) continue;
        // The width of the previous redraw, the height of this one.
        EXPECT_EQ(frame.whole, view(w - 1 + 512, e * 576 / 10000 + 384).pixels) << w;
    }
    EXPECT_EQ(f.frames[0].whole, view(512, 384).pixels);  // the pan's last view
    EXPECT_EQ(f.frames[766].whole, view(1278, 959).pixels);
    EXPECT_EQ(f.frames.back().whole, view(1280, 960).pixels);
    EXPECT_EQ(f.form.picmain[1].pixels, f.frames.back().whole);
    EXPECT_EQ(f.form.picmain[5].pixels, panorama().pixels);
}

// Captions each label shows in turn over the roll.
std::array<std::vector<std::string>, 11> captions(const RollPlatform& p) {
    std::array<std::vector<std::string>, 11> out;
    for (const auto& shot : p.snapshots)
        for (int j = 0; j < 11; ++j)
            if (out[j].empty() || out[j].back() != shot.labels[j].text)
                out[j].push_back(shot.labels[j].text);
    return out;
}

TEST(Ending, TheRollRecyclesElevenLabelsOverEightyOneSeconds) {
    EndingFixture f(numbered_staff(130));
    f.form.ending();
    auto& shots = f.platform.snapshots;
    // Placed below the picture, one redraw per pixel, then hidden.
    ASSERT_EQ(shots.size(), 1u + 2699u + 1u);
    for (int j = 0; j < 11; ++j) {
        const StaffLabel& l = shots.front().labels[j];
        EXPECT_TRUE(l.visible && l.bold && l.white);
        EXPECT_EQ(l.point_size, 14);
        EXPECT_EQ(l.x, 100);
        EXPECT_EQ(l.y, 40 * j + 384);
        EXPECT_EQ(l.text, "L" + std::to_string(j));
        EXPECT_FALSE(shots.back().labels[j].visible);
    }
    EXPECT_EQ(shots[2699].at, kStart + 2699u * 30u);
    EXPECT_EQ(shots.back().at, kStart + 81000u);

    // Redraw s places the labels by s - 1. Label 0 leaves over the top at s - 1 = 415,
    // takes line 11 there and drops 440 pixels at the next redraw.
    auto y = [&](int s, int j) { return shots[s].labels[j].y; };
    EXPECT_EQ(y(1, 10), 784);
    EXPECT_EQ(y(100, 3), 120 - 99 + 384);
    EXPECT_EQ(y(415, 0), -30);
    EXPECT_EQ(shots[415].labels[0].text, "L0");
    EXPECT_EQ(y(416, 0), -31);
    EXPECT_EQ(shots[416].labels[0].text, "L11");
    EXPECT_EQ(y(417, 0), 408);
    EXPECT_EQ(y(2699, 0), 326);  // with line 66

    // Label 0 wraps six times, label 10 five; the last line to rise into the picture is 67.
    const auto seen = captions(f.platform);
    EXPECT_EQ(seen[0], (std::vector<std::string>{"L0", "L11", "L22", "L33", "L44", "L55", "L66"}));
    EXPECT_EQ(seen[10], (std::vector<std::string>{"L10", "L21", "L32", "L43", "L54", "L65"}));
    std::set<std::string> risen;
    for (const auto& shot : shots)
        for (const StaffLabel& l : shot.labels)
            if (l.visible && l.y >= -30 && l.y < 384) risen.insert(l.text);
    std::set<std::string> expected;
    for (int i = 0; i <= 67; ++i) expected.insert("L" + std::to_string(i));
    EXPECT_EQ(risen, expected);

    // The closing picture dissolves in a second after the roll.
    const std::vector<std::string> tail(f.notes.end() - 2, f.notes.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"picture 1 gra/i17_end.jpg", "fade 1000 0"}));
    EXPECT_EQ(f.form.picmain[0].at(0, 0), kClosing);
    EXPECT_EQ(f.platform.now_ms(), kStart + 82000);
}

TEST(Ending, ElevenItemsShowOnceEachAndQuotesKeepACommaInTheLine) {
    EndingFixture f(
        "\"ハザマ\"\n\"脚本, 音楽\"\n作画,背景\n\"\"\nQt 6\n  FluidSynth  \n"
        "a\nb\nc\n\"d\"");
    f.form.ending();
    const auto seen = captions(f.platform);
    const std::vector<std::string> first = {"ハザマ",     "脚本, 音楽", "作画", "背景", "", "Qt 6",
                                            "FluidSynth", "a",          "b",    "c",    "d"};
    for (int j = 0; j < 11; ++j) {
        // Its one line, then only empty ones.
        const auto once = first[j].empty() ? std::vector<std::string>{""}
                                           : std::vector<std::string>{first[j], ""};
        EXPECT_EQ(seen[j], once) << j;
    }
    EXPECT_THROW(EndingFixture().form.ending(), FatalError);  // no staff file at all
}

TEST(Ending, ASlowClockSkipsRedrawsButNotTime) {
    EndingFixture f(numbered_staff(80));
    f.platform.lateness = 47;
    f.form.ending();
    const auto& shots = f.platform.snapshots;
    const std::uint32_t hidden = shots.back().at - kStart;
    EXPECT_GE(hidden, 81000u);
    EXPECT_LE(hidden, 81000u + 47u);
    // Each wait ends 47 ms late, past the next value: every second one is skipped.
    EXPECT_NEAR(static_cast<double>(shots.size()), 2 + 2699 / 2.0, 2);
    EXPECT_EQ(captions(f.platform)[0].back(), "L66");
}

TEST(Ending, TheLastSceneClearsItsLineBeforeThePanAndTheZoom) {
    EndingFixture f(numbered_staff(11));
    f.platform.reader = [&] { f.form.labmain_Click(); };
    std::vector<std::string> line_at;  // the message line as each sequence starts
    f.platform.on_note = [&](const std::string& note) {
        if (note == "lastscr" || note == "lastest" || note == "ending")
            line_at.push_back(note + ":" + f.platform.message_text());
    };
    f.form.com_no();
    f.form.g15();
    EXPECT_EQ(line_at, (std::vector<std::string>{"lastscr:", "lastest:", "ending:"}));
    EXPECT_TRUE(f.platform.is_visible(Control::comend));
    for (Control c :
         {Control::commove, Control::comtalk, Control::comlook, Control::comsave, Control::comload})
        EXPECT_FALSE(f.platform.is_enabled(c));
}

}  // namespace
}  // namespace hazama
