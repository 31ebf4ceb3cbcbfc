// Positions restored from a slot's text in a fresh form equal the uninterrupted run at the
// same line: every plane pixel for pixel, the labels, the state, the portrait, the history
// and what the platform shows.
#include <fstream>
#include <map>

#include "audio/recording_media_device.h"
#include "form/main_form.h"
#include "harness.h"
#include "platform/qt_picture_decoder.h"
#include "platform/virtual_platform.h"
#include "replay/replay_gate.h"
#include "replay/replayer.h"
#include "replay/slot_file.h"

namespace hazama::testing {
namespace {

// What a reader sees and what the story goes on from, at one waiting line.
struct Seen {
    std::array<Plane, 6> planes;
    std::array<StaffLabel, kStaffLabels> labels;
    std::string state;
    Plane portrait;
    bool face = false;
    std::deque<HistoryEntry> history;
    std::string shown;  // the platform's message line
    std::array<bool, kControlCount> visible{};
    bool operator==(const Seen&) const = default;
};

// A form on the virtual platform behind the gate, as the runner makes it.
struct Rig {
    RecordingMediaDevice device;
    VirtualPlatform platform{device};
    ReplayGate gate{platform};
    MainForm form{gate, assets_folder()};
    Replayer replayer{form, gate};
    std::function<void()> at_line;

    Rig() {
        platform.decoder = decode_picture;
        platform.reader = [this] {
            if (at_line) at_line();
            form.labmain_Click();
        };
        form.Form_Load();
    }

    // `restored`: also check that the platform shows what the form holds.
    Seen seen(bool restored = false) const {
        Seen s;
        s.planes = form.picmain;
        s.labels = form.labstaff;
        s.state = std::to_string(form.game) + " " + std::to_string(form.position) + " " +
                  std::to_string(form.light) + " " + std::to_string(form.f00) + " " +
                  std::to_string(form.x00) + " " + form.MusicFile;
        s.portrait = form.portrait;
        s.face = form.visible(Control::picface);
        s.history = const_cast<MainForm&>(form).reading().history().entries();
        s.shown = platform.message_text();
        for (int i = 0; i < kControlCount; ++i) {
            // The waiting indicator blinks on the window's timer, not the story's.
            const auto c = static_cast<Control>(i);
            if (c == Control::imamou0 || c == Control::imamou1) continue;
            s.visible[i] = form.visible(c);
            // The window shows what the form says: the baseline's platform started blank.
            if (restored && platform.is_visible(c) != form.visible(c))
                ADD_FAILURE() << "control " << i << " not shown as the form has it";
        }
        return s;
    }
};

std::vector<std::string> walkthrough_commands() {
    const char* source = std::getenv("HAZAMA_SOURCE");
    std::ifstream file(std::string(source != nullptr ? source : ".") +
                       "/tests/story/walkthrough.txt");
    std::vector<std::string> commands;
    for (std::string line; std::getline(file, line);) {
        line = line.substr(0, line.find('#'));
        while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.pop_back();
        if (!line.empty() && line != "quit") commands.push_back(line);
    }
    return commands;
}

// Presses a button as the window would: only when it is there to press.
void give(Rig& rig, const std::string& command) {
    const bool move = command.rfind("move ", 0) == 0;
    const Control button = command == "new"    ? Control::comstart
                           : command == "look" ? Control::comlook
                           : command == "talk" ? Control::comtalk
                                               : Control::commove;
    if (!rig.form.visible(button) || !rig.form.enabled(button)) return;
    if (move) rig.platform.chooser_answers.push_back(std::stoi(command.substr(5)));
    rig.replayer.run([&] { ASSERT_TRUE(rig.replayer.perform(command)) << command; });
}

TEST(PositionRoundTrip, SlotsAcrossTheWalkthroughRestoreWhatTheReaderSaw) {
    const std::vector<std::string> commands = walkthrough_commands();
    ASSERT_GT(commands.size(), 50u);
    constexpr int kEvery = 47;
    std::map<int, std::pair<Seen, std::string>> taken;  // line -> what was seen, the slot
    {
        Rig rig;
        rig.at_line = [&] {
            const int line = rig.form.messages_shown();
            if (line % kEvery != 1) return;
            taken[line] = {rig.seen(), encode_slot(describe_slot(rig.form, rig.replayer.here()))};
        };
        for (const std::string& c : commands) give(rig, c);
        // The end: the staff roll over, only quit left.
        taken[-1] = {rig.seen(), encode_slot(describe_slot(rig.form, rig.replayer.here()))};
    }
    ASSERT_GT(taken.size(), 10u);
    for (const auto& [line, expected] : taken) {
        std::string why;
        const auto slot = decode_slot(expected.second, why);
        ASSERT_TRUE(slot) << why;
        Rig rig;
        std::optional<Seen> restored;
        Position there;
        rig.replayer.on_changed_story = [](const Position&, const Position&) {
            ADD_FAILURE() << "the story has not changed";
        };
        rig.at_line = [&] {
            if (restored) return;
            restored = rig.seen(true);
            there = rig.replayer.here();
        };
        // The slot's pictures decoded ahead on a second thread, as the window does.
        EXPECT_FALSE(slot->pictures.empty()) << "line " << line;
        rig.replayer.prefetch(slot->pictures);
        rig.replayer.request(slot->position);
        if (line == -1) {
            restored = rig.seen(true);
            there = rig.replayer.here();
        }
        ASSERT_TRUE(restored) << "line " << line;
        const Seen& want = expected.first;
        for (int i = 0; i < 6; ++i)
            EXPECT_TRUE(restored->planes[i] == want.planes[i]) << "line " << line << " plane " << i;
        EXPECT_TRUE(restored->labels == want.labels) << "line " << line;
        EXPECT_EQ(restored->state, want.state) << "line " << line;
        EXPECT_TRUE(restored->portrait == want.portrait) << "line " << line;
        EXPECT_EQ(restored->face, want.face) << "line " << line;
        EXPECT_TRUE(restored->history == want.history) << "line " << line;
        EXPECT_EQ(restored->shown, want.shown) << "line " << line;
        EXPECT_EQ(restored->visible, want.visible) << "line " << line;
        EXPECT_TRUE(there == slot->position) << "line " << line;
    }
}

TEST(PositionRoundTrip, CheckpointsStayWithinTheirBudgetAndTheFarPastStillRestores) {
    constexpr int kEarly = 12;
    Rig rig;
    std::optional<std::pair<Seen, Position>> early;
    rig.at_line = [&] {
        if (!early && rig.form.messages_shown() == kEarly)
            early = {rig.seen(), rig.replayer.here()};
    };
    for (const std::string& c : walkthrough_commands()) {
        give(rig, c);
        EXPECT_LE(rig.replayer.checkpoint_bytes(), Replayer::kBudgetBytes) << c;
    }
    ASSERT_TRUE(early);
    std::optional<Seen> restored;
    Position there;
    rig.at_line = [&] {
        if (restored) return;
        restored = rig.seen(true);
        there = rig.replayer.here();
    };
    rig.replayer.request(early->second);
    ASSERT_TRUE(restored);
    const Seen& want = early->first;
    for (int i = 0; i < 6; ++i) EXPECT_TRUE(restored->planes[i] == want.planes[i]) << i;
    EXPECT_EQ(restored->state, want.state);
    EXPECT_TRUE(restored->history == want.history);
    EXPECT_EQ(restored->shown, want.shown);
    EXPECT_TRUE(there == early->second);
}

TEST(PositionRoundTrip, ClosingDuringAReplayEndsItWithNothingShownOrWritten) {
    Position there;
    {
        Rig first;
        for (const char* c : {"new", "look", "move 1"}) give(first, c);
        there = first.replayer.here();
    }
    Rig rig;
    int refreshes = 0;
    rig.platform.on_refresh = [&] { ++refreshes; };
    rig.platform.decoder = [&](const std::string& path, Plane& into, std::string& error) {
        rig.platform.exit_game();
        return decode_picture(path, into, error);
    };
    EXPECT_THROW(rig.replayer.request(there), GameClosed);
    EXPECT_EQ(refreshes, 0);
    EXPECT_FALSE(rig.gate.replaying());
    EXPECT_FALSE(rig.form.reading().replaying());
}

}  // namespace
}  // namespace hazama::testing
