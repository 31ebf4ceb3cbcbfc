// What the music costs: the synthesizer's CPU while a piece plays (CPU-seconds per second
// of music, the game's own watcher polling every 10 ms), the resident memory with the
// SoundFont loaded, and how long the first piece takes to start.
// Plays every piece in the music folder beside the bench folder (or $HAZAMA_ASSETS/music).
#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "audio/fluid_media_device.h"

namespace hazama {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr auto kListen = std::chrono::seconds(3);

fs::path music_folder() {
    if (const char* assets = std::getenv("HAZAMA_ASSETS")) return fs::path(assets) / "music";
    return fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "music";
}

double process_cpu_seconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double resident_mb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    }
    return 0;
}

std::string open_command(const fs::path& file) {
    return "open \"" + file.string() + "\" alias x1 notify";
}

// Plays `file` for a few seconds of real time the way the game does: silent output, a
// status poll every 10 ms, a restart when the piece ends.
void BM_PlayingPiece(benchmark::State& state, fs::path file) {
    FluidMediaDevice device({.silent = true});
    std::string reply;
    if (device.send(open_command(file), reply) != 0) {
        state.SkipWithError("cannot open the piece");
        return;
    }
    device.send("play x1", reply);
    const double rss_base = resident_mb();
    for (auto _ : state) {
        const double cpu_start = process_cpu_seconds();
        const auto start = Clock::now();
        auto next = start;
        while (Clock::now() - start < kListen) {
            device.send("status x1 mode", reply);
            if (reply == "stopped") {
                device.send("seek x1 to start", reply);
                device.send("play x1", reply);
            }
            next += std::chrono::milliseconds(10);
            std::this_thread::sleep_until(next);
        }
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        state.counters["cpu_s_per_s"] = (process_cpu_seconds() - cpu_start) / seconds;
    }
    state.counters["rss_MB"] = std::max(rss_base, resident_mb());
    device.send("close x1", reply);
}

// Resident memory of a fresh process: before the synthesizer starts, with the SoundFont
// loaded, and at its highest while every piece plays in turn as the story changes them.
void BM_Resident(benchmark::State& state, std::vector<fs::path> pieces) {
    for (auto _ : state) {
        state.counters["rss_start_MB"] = resident_mb();
        FluidMediaDevice device({.silent = true});
        std::string reply;
        double highest = 0;
        for (const auto& piece : pieces) {
            device.send("close x1", reply);
            if (device.send(open_command(piece), reply) != 0) {
                state.SkipWithError("cannot open a piece");
                return;
            }
            if (piece == pieces.front()) state.counters["rss_loaded_MB"] = resident_mb();
            device.send("play x1", reply);
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            highest = std::max(highest, resident_mb());
        }
        state.counters["rss_playing_MB"] = highest;
        device.send("close x1", reply);
    }
}

// The first open of a run: SoundFont loading and the output starting with it.
void BM_FirstOpen(benchmark::State& state, fs::path file) {
    for (auto _ : state) {
        FluidMediaDevice device({.silent = true});
        std::string reply;
        const auto start = Clock::now();
        const auto code = device.send(open_command(file), reply);
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        if (code != 0) state.SkipWithError("cannot open the piece");
    }
}

const bool registered = [] {
    std::vector<fs::path> pieces;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(music_folder(), ec)) {
        if (entry.path().extension() == ".mid") pieces.push_back(entry.path());
    }
    std::sort(pieces.begin(), pieces.end());
    if (pieces.empty()) return false;
    // First, while the process has not yet started a synthesizer.
    benchmark::RegisterBenchmark("Resident", BM_Resident, pieces)
        ->Iterations(1)
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("FirstOpen", BM_FirstOpen, pieces.front())
        ->UseManualTime()
        ->Iterations(5)
        ->Unit(benchmark::kMillisecond);
    for (const auto& piece : pieces) {
        benchmark::RegisterBenchmark(("Playing/" + piece.stem().string()).c_str(), BM_PlayingPiece,
                                     piece)
            ->Iterations(1)
            ->UseRealTime()
            ->MeasureProcessCPUTime()
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

}  // namespace
}  // namespace hazama
