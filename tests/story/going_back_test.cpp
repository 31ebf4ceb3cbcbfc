// Going back and save slots in the runner: back N, slot save/load, quicksave/quickload,
// holding at the restored line until "go", and what a damaged or outdated slot does.
#include <algorithm>
#include <fstream>

#include "../core/form_fixture.h"
#include "harness.h"
#include "replay/slot_file.h"

namespace hazama::testing {
namespace {

// The line the runner prints again after "replay to message K", and K.
struct Restored {
    int message = 0;
    std::string line;
};

std::vector<Restored> restored(const Played& played) {
    std::vector<Restored> out;
    const auto lines = played.lines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].rfind("replay to message ", 0) != 0) continue;
        Restored r{std::stoi(lines[i].substr(18)), ""};
        for (std::size_t j = i + 1; j < lines.size() && lines[j].rfind("> ", 0) != 0; ++j) {
            if (lines[j].rfind("message ", 0) == 0) {
                r.line = lines[j];
                break;
            }
        }
        out.push_back(r);
    }
    return out;
}

std::string read_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(GoingBack, EveryLineOfTheOpeningScenesComesBackAsItWasFirstShown) {
    const std::vector<std::string> commands = {"new", "look", "move 1"};
    std::string scenes;
    for (const auto& c : commands) scenes += c + "\n";
    const Played first = play(scenes);
    ASSERT_EQ(first.status, 0) << first.errors;
    const auto messages = first.of("message");
    const int count = static_cast<int>(messages.size());
    ASSERT_GT(count, 15);
    // The command each line belongs to: going back there drops the commands after it.
    std::vector<int> ends;
    std::vector<std::string> states;
    int shown = 0;
    for (const auto& c : commands) {
        shown += static_cast<int>(first.after(c).of("message").size());
        ends.push_back(shown);
        states.push_back(first.after(c).of("state").back());
    }
    for (int back = 1; back < count; ++back) {
        const int line = count - back;
        const Played again = play(scenes + "back " + std::to_string(back) + "\ngo\n");
        ASSERT_EQ(again.status, 0) << again.errors;
        const auto r = restored(again);
        ASSERT_EQ(r.size(), 1u);
        EXPECT_EQ(r[0].message, line);
        EXPECT_EQ(r[0].line, messages[static_cast<std::size_t>(line) - 1]) << "back " << back;
        // Released, its command runs on as it did: the same lines and the same state.
        const auto command = static_cast<std::size_t>(
            std::lower_bound(ends.begin(), ends.end(), line) - ends.begin());
        EXPECT_EQ(again.after("go").of("message").size(),
                  static_cast<std::size_t>(ends[command] - line));
        EXPECT_EQ(again.of("state").back(), states[command]) << "back " << back;
    }
}

TEST(GoingBack, HoldsAtTheLineAndCutsTheHistoryBackButNotTheReadRecord) {
    const ScratchFolder data("back-hold");
    const Played played = play("new\nlook\nback 3\nback 2\nhistory\ngo\n", data.path());
    ASSERT_EQ(played.status, 0) << played.errors;
    const auto r = restored(played);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[1].message, r[0].message - 2);
    // Held: the history ends at the restored line; back counts from it.
    EXPECT_EQ(played.after("history").of("history").size(), static_cast<std::size_t>(r[1].message));
    // Nothing runs while held but the commands of the script.
    EXPECT_EQ(played.after("back 3").of("state").size(), 0u);
    // The read record keeps every line once read.
    const Played again = play("set game=1 position=1\nskip on\nnew\nlook\n", data.path());
    EXPECT_EQ(again.of("skip off").size(), 0u) << again.trace;
}

TEST(GoingBack, RefusesToGoBeforeTheFirstLine) {
    const Played played = play("back 1\nnew\nback 500\n");
    ASSERT_EQ(played.status, 0) << played.errors;
    EXPECT_EQ(played.of("refused back").size(), 2u);
}

TEST(GoingBack, ScriptEndingWhileHeldEndsTheRunQuietly) {
    const Played played = play("new\nback 2\n");
    EXPECT_EQ(played.status, 0) << played.errors;
    EXPECT_EQ(restored(played).size(), 1u);
}

TEST(GoingBack, AcrossALoadTheLoadIsReplayedFromItsValuesNotItsFile) {
    const ScratchFolder scratch("back-load");
    const std::string file = (scratch.path() / "a.hzm").string();
    const std::string script =
        "new\nlook\nsave " + file + "\nmove 1\nload " + file + "\ntalk\nload /nonexistent.hzm\n";
    const Played first = play(script);
    ASSERT_EQ(first.status, 0) << first.errors;
    const auto all = first.of("message");
    const std::size_t after_load =
        first.after("load " + file).of("message").size() + first.after("talk").of("message").size();
    ASSERT_GT(after_load, 0u);
    // Going back over the load to a line of "move 1"; a slot saved after the load holds the
    // load's values, not its file.
    const ScratchFolder data("back-load-data");
    const Played again =
        play(script + "quicksave\nback " + std::to_string(after_load + 2) + "\ngo\n", data.path());
    ASSERT_EQ(again.status, 0) << again.errors;
    const auto r = restored(again);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].message, static_cast<int>(all.size() - after_load - 2));
    EXPECT_EQ(r[0].line, all[static_cast<std::size_t>(r[0].message) - 1]);
    EXPECT_EQ(again.after("back " + std::to_string(after_load + 2)).of("msgbox").size(), 0u);
    const std::string slot = read_file(slot_path(data.path(), "quick"));
    EXPECT_NE(slot.find("\nload-state game="), std::string::npos) << slot;
    EXPECT_EQ(slot.find("a.hzm"), std::string::npos) << slot;
    EXPECT_EQ(slot.find("nonexistent"), std::string::npos) << "a refused load is no command";
}

TEST(Slots, MidSceneSaveComesBackAtItsLineInAFreshRun) {
    const ScratchFolder data("slot-mid");
    const Played saving = play("new\nlook\nback 4\nslot save mid\ngo\n", data.path());
    ASSERT_EQ(saving.status, 0) << saving.errors;
    ASSERT_EQ(saving.of("slot saved mid at message " + std::to_string(restored(saving)[0].message))
                  .size(),
              1u)
        << saving.trace;
    const Played loading = play("slot load mid\ngo\n", data.path());
    ASSERT_EQ(loading.status, 0) << loading.errors;
    const auto r = restored(loading);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].message, restored(saving)[0].message);
    EXPECT_EQ(r[0].line, restored(saving)[0].line);
    EXPECT_EQ(loading.of("state").back(), saving.of("state").back());

    // The slot is a script the runner plays on its own.
    const std::string text = read_file(slot_path(data.path(), "mid"));
    const Played replayed = play(text);
    ASSERT_EQ(replayed.status, 0) << replayed.errors;
    EXPECT_EQ(replayed.of("state").back(), saving.of("state").back());
}

TEST(Slots, QuickSaveWhileIdleAndQuickLoadAfterPlayingOn) {
    const ScratchFolder data("slot-quick");
    const Played played =
        play("new\nlook\nquicksave\nmove 1\nmove 0\nquickload\nhistory\n", data.path());
    ASSERT_EQ(played.status, 0) << played.errors;
    const auto saved = played.of("slot saved");
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].substr(saved[0].size() - 5), " idle");
    // look, then quickload: the same state, the same history.
    EXPECT_EQ(played.after("quickload").of("state").back(),
              played.after("look").of("state").back());
    EXPECT_EQ(played.after("quickload").of("message").size(), 0u);
    EXPECT_EQ(played.after("history").of("history").size(),
              played.of("message").size() - played.after("move 1").of("message").size() -
                  played.after("move 0").of("message").size());
}

TEST(Slots, ADamagedSlotLoadsNothingAndTouchesNoOtherSlot) {
    const ScratchFolder data("slot-damaged");
    ASSERT_EQ(play("new\nslot save good\n", data.path()).status, 0);
    const std::string good = read_file(slot_path(data.path(), "good"));
    for (const std::string& damage : {std::string("garbage"), std::string("# hazama position 9\n"),
                                      good.substr(0, good.size() / 2) + "\nlook # x y\n",
                                      good.substr(0, good.find("# at")) + "# at many\n"}) {
        data.write("saves/bad.hzs", damage);
        const Played played = play("new\nslot load bad\nslot load missing\nlook\n", data.path());
        ASSERT_EQ(played.status, 0) << played.errors;
        const auto refused = played.of("slot refused");
        ASSERT_EQ(refused.size(), 2u) << damage;
        EXPECT_EQ(refused[0].rfind("slot refused bad: ", 0), 0u) << refused[0];
        EXPECT_EQ(refused[1], "slot refused missing: no such save");
        EXPECT_EQ(played.of("replay to message").size(), 0u);
        EXPECT_EQ(played.after("look").of("refused").size(), 0u);
    }
    EXPECT_EQ(read_file(slot_path(data.path(), "good")), good);
}

TEST(Slots, ASlotWhoseStoryChangedOffersTheLastArrivalBeforeItsLine) {
    const ScratchFolder data("slot-changed");
    ASSERT_EQ(play("new\nlook\nmove 1\nback 2\nslot save old\n", data.path()).status, 0);
    std::string text = read_file(slot_path(data.path(), "old"));
    // An older build, whose slots carry no check, showed other lines in the scene after
    // "look": the chain of lines before "move 1" no longer matches.
    text = "# hazama position 1\n" + text.substr(text.find("# saved"));
    const auto at = text.find("move 1 # ");
    ASSERT_NE(at, std::string::npos);
    text[text.size() - 2] = text[text.size() - 2] == '0' ? '1' : '0';
    data.write("saves/old.hzs", text);
    const Played played = play("slot load old\nhistory\n", data.path());
    ASSERT_EQ(played.status, 0) << played.errors;
    ASSERT_EQ(played.of("story changed: message").size(), 1u) << played.trace;
    // Idle after "new": the look and the move are not replayed.
    const Played reference = play("new\n");
    EXPECT_EQ(played.of("state").back(), reference.of("state").back());
    EXPECT_EQ(played.of("history").size(), reference.of("message").size());
}

}  // namespace
}  // namespace hazama::testing
