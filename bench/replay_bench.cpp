// Restoring positions of the whole walkthrough: the time from the request until the line
// is on the screen (the rest of its command, played on afterwards, is not counted).
//   BM_RestoreLastLineFromSlot   a slot of the last line loaded by a program just started:
//                                the whole story replayed, no checkpoint yet, its pictures
//                                decoded ahead as the window does
//   BM_RestoreLastLineInPlay     the same position restored in play (a quick load there):
//                                from the checkpoints kept in memory
//   BM_BackFromLastLine/N        going back N lines at the last line, checkpoints kept
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "audio/recording_media_device.h"
#include "form/main_form.h"
#include "platform/qt_picture_decoder.h"
#include "platform/virtual_platform.h"
#include "replay/replay_gate.h"
#include "replay/replayer.h"

namespace hazama {
namespace {

using Clock = std::chrono::steady_clock;

std::string env_or(const char* name, const char* fallback) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : fallback;
}

// A form as the game makes it, whose reader releases every line at once and notes when the
// first line after a restore is shown.
struct Game {
    RecordingMediaDevice device;
    VirtualPlatform platform{device};
    ReplayGate gate{platform};
    MainForm form{gate, env_or("HAZAMA_ASSETS", ".")};
    Replayer replayer{form, gate};
    std::optional<Clock::time_point> shown;

    Game() {
        make_this_qt_main_thread();  // the slot's pictures are decoded on a thread
        platform.decoder = decode_picture;
        platform.reader = [this] {
            if (!shown) shown = Clock::now();
            form.labmain_Click();
        };
        form.Form_Load();
    }

    // The walkthrough's commands up to the end of the staff roll.
    void play_through() {
        std::ifstream script(env_or("HAZAMA_SOURCE", ".") + "/tests/story/walkthrough.txt");
        for (std::string line; std::getline(script, line);) {
            line = line.substr(0, line.find('#'));
            while (!line.empty() && line.back() == ' ') line.pop_back();
            if (line.empty() || line == "quit") continue;
            if (line.rfind("move ", 0) == 0) platform.chooser_answers.push_back(line[5] - '0');
            replayer.run([&] { replayer.perform(line); });
        }
    }

    // Seconds from now until the restored line shows.
    double restore(const Position& position) {
        shown.reset();
        const Clock::time_point start = Clock::now();
        replayer.request(position);
        return std::chrono::duration<double>(shown.value_or(Clock::now()) - start).count();
    }
};

struct Saved {
    Position position;
    std::vector<std::string> pictures;  // as a slot lists them
};

const Saved& saved_at_the_end() {
    static const Saved saved = [] {
        Game game;
        game.play_through();
        return Saved{*game.replayer.back(1), game.form.pictures_loaded()};
    }();
    return saved;
}

const Position& last_line() {
    return saved_at_the_end().position;
}

void BM_RestoreLastLineFromSlot(benchmark::State& state) {
    Position position = last_line();
    position.message += 1;  // the last line itself, not the one before it
    position.lines = 0;
    for (auto _ : state) {
        Game game;
        // The window decodes a slot's pictures ahead as it replays: so does this.
        const Clock::time_point start = Clock::now();
        game.replayer.prefetch(saved_at_the_end().pictures);
        const double prefetch = std::chrono::duration<double>(Clock::now() - start).count();
        state.SetIterationTime(prefetch + game.restore(position));
    }
}
BENCHMARK(BM_RestoreLastLineFromSlot)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_RestoreLastLineInPlay(benchmark::State& state) {
    Game game;
    game.play_through();
    Position end = last_line();
    end.message += 1;
    end.lines = 0;
    for (auto _ : state) state.SetIterationTime(game.restore(end));
}
BENCHMARK(BM_RestoreLastLineInPlay)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_BackFromLastLine(benchmark::State& state) {
    Game game;
    game.play_through();
    Position end = last_line();
    end.message += 1;
    end.lines = 0;
    for (auto _ : state) {
        game.restore(end);
        const auto back = game.replayer.back(static_cast<int>(state.range(0)));
        state.SetIterationTime(game.restore(*back));
    }
}
BENCHMARK(BM_BackFromLastLine)->Arg(1)->Arg(50)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace hazama
