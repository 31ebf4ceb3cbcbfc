// The FluidSynth media device: one MIDI player under one alias, rendered by the desktop's
// audio driver or, without a sound card, by a thread of our own that keeps real time.
#include "audio/fluid_media_device.h"

#include <dlfcn.h>
#include <fluidsynth.h>
#include <malloc.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "audio/fluid_setup.h"
#include "audio/media_command.h"
#include "audio/media_errors.h"
#include "platform/asset_path.h"

namespace hazama {
namespace {

using Clock = std::chrono::steady_clock;

// Frames a silent render pass makes before it sleeps (about 12 ms at 44.1 kHz).
constexpr int kSilentBlock = 512;

// ALSA, which FluidSynth loads, reports a missing sound card on standard error by itself.
using AlsaErrorHandler = void (*)(const char*, int, const char*, int, const char*, ...);
using AlsaSetErrorHandler = int (*)(AlsaErrorHandler);
void ignore_alsa_error(const char*, int, const char*, int, const char*, ...) {}

// FluidSynth's log and ALSA's complaints, muted while drivers that may not work here are
// tried: a machine without sound plays silently, not noisily.
class QuietLog {
  public:
    QuietLog() {
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level) {
            saved_[level] = fluid_set_log_function(level, nullptr, nullptr);
        }
        set_alsa_ =
            reinterpret_cast<AlsaSetErrorHandler>(dlsym(RTLD_DEFAULT, "snd_lib_error_set_handler"));
        if (set_alsa_ != nullptr) set_alsa_(&ignore_alsa_error);
    }
    ~QuietLog() {
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level) {
            fluid_set_log_function(level, saved_[level], nullptr);
        }
        if (set_alsa_ != nullptr) set_alsa_(nullptr);  // ALSA's own handler again
    }
    QuietLog(const QuietLog&) = delete;
    QuietLog& operator=(const QuietLog&) = delete;

  private:
    std::array<fluid_log_function_t, LAST_LOG_LEVEL> saved_{};
    AlsaSetErrorHandler set_alsa_ = nullptr;
};

}  // namespace

struct FluidMediaDevice::Impl {
    Options options;

    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_audio_driver_t* driver = nullptr;
    std::thread silent_thread;
    std::string output;

    // Held by whoever renders, and by the commands whenever they create, start or free a
    // player: FluidSynth must not run a player's timer while it is being replaced.
    std::mutex lock;
    std::condition_variable wake;  // the silent thread waits here while nothing plays
    bool rendering = false;        // a piece has been started and not yet sought or closed
    bool stopping = false;
    // Where the player is, as the renderer left it after its last pass: the player moves
    // only while the synthesizer renders, so the command thread reads these rather than the
    // player itself (which would race with the renderer, or make it render silence).
    std::atomic<int> played_ticks{0};
    std::atomic<bool> player_done{false};

    // Only the command (UI) thread touches these; it changes `player` with the lock held.
    fluid_player_t* player = nullptr;
    std::string alias;
    std::string path;  // the file the player plays, as found on disk
    bool started = false;
    int total_ticks = 0;  // the piece's length, once the player has read it
    int volume = 100;     // percent, kept for a synthesizer not yet started

    explicit Impl(Options o) : options(std::move(o)) {}

    ~Impl() {
        // The driver goes first so that nothing renders while the synthesizer is freed.
        if (driver != nullptr) delete_fluid_audio_driver(driver);
        if (silent_thread.joinable()) {
            {
                std::lock_guard guard(lock);
                stopping = true;
            }
            wake.notify_all();
            silent_thread.join();
        }
        if (player != nullptr) delete_fluid_player(player);
        if (synth != nullptr) delete_fluid_synth(synth);
        if (settings != nullptr) delete_fluid_settings(settings);
    }

    bool start_synth() {
        if (synth != nullptr) return true;
        const auto font = choose_soundfont(options.soundfont_folder);
        if (font.empty()) return false;
        if (settings == nullptr) settings = new_game_settings();
        if (settings == nullptr) return false;
        synth = new_fluid_synth(settings);
        if (synth == nullptr) return false;
        fluid_synth_set_gain(synth, static_cast<float>(gain_for_volume(volume)));
        if (load_soundfont(synth, font) == FLUID_FAILED) {
            delete_fluid_synth(synth);
            synth = nullptr;
            return false;
        }
        // Reading the SoundFont frees some 2 MB of working memory amid what it keeps;
        // give those pages back rather than hold them for the rest of the run.
        malloc_trim(0);
        start_output();
        return true;
    }

    void start_output() {
        if (!options.silent) {
            QuietLog quiet;
            for (const char* name : {"pulseaudio", "alsa", "sdl2"}) {
                fluid_settings_setstr(settings, "audio.driver", name);
                driver = new_fluid_audio_driver2(settings, &Impl::render_for_driver, this);
                if (driver != nullptr) {
                    output = name;
                    return;
                }
            }
        }
        output = "silent";
        silent_thread = std::thread([this] { render_silently(); });
    }

    bool has_sound() { return rendering || fluid_synth_get_active_voice_count(synth) > 0; }

    // The driver's audio thread. It never waits for the command thread: while a command
    // holds the lock it gets one block of silence instead.
    static int render_for_driver(void* data, int len, int nfx, float* fx[], int nout,
                                 float* out[]) {
        auto* self = static_cast<Impl*>(data);
        std::unique_lock guard(self->lock, std::try_to_lock);
        if (guard.owns_lock() && self->has_sound()) {
            const int result = fluid_synth_process(self->synth, len, nfx, fx, nout, out);
            self->note_progress();
            return result;
        }
        for (int i = 0; i < nout; ++i) std::fill_n(out[i], len, 0.0f);
        for (int i = 0; fx != nullptr && i < nfx; ++i) std::fill_n(fx[i], len, 0.0f);
        return FLUID_OK;
    }

    // Without a sound card the synthesizer still has to run in real time, or the player
    // would never reach the end of a piece and nothing would loop.
    void render_silently() {
        double rate = 44100;
        fluid_settings_getnum(settings, "synth.sample-rate", &rate);
        const auto block = std::chrono::duration_cast<Clock::duration>(
            std::chrono::duration<double>(kSilentBlock / rate));
        std::vector<float> left(kSilentBlock);
        std::vector<float> right(kSilentBlock);
        std::unique_lock guard(lock);
        auto next = Clock::now();
        while (!stopping) {
            if (!has_sound()) {
                wake.wait(guard, [this] { return stopping || rendering; });
                next = Clock::now();
                continue;
            }
            fluid_synth_write_float(synth, kSilentBlock, left.data(), 0, 1, right.data(), 0, 1);
            note_progress();
            next += block;
            // After a long stall (a suspended machine) carry on from now, not in a rush.
            if (Clock::now() - next > std::chrono::milliseconds(250)) next = Clock::now();
            guard.unlock();
            std::this_thread::sleep_until(next);
            guard.lock();
        }
    }

    // Publishes where the player is for ended(). Called with the lock held, after rendering.
    void note_progress() {
        if (player == nullptr) return;
        played_ticks.store(fluid_player_get_current_tick(player), std::memory_order_relaxed);
        player_done.store(fluid_player_get_status(player) == FLUID_PLAYER_DONE,
                          std::memory_order_relaxed);
    }

    // A fresh player for `path`, stopped at the start. Called with the lock held.
    fluid_player_t* make_player() {
        fluid_player_t* p = new_fluid_player(synth);
        if (p != nullptr && fluid_player_add(p, path.c_str()) != FLUID_OK) {
            delete_fluid_player(p);
            p = nullptr;
        }
        return p;
    }

    // Frees the player and silences what it left sounding. Called with the lock held.
    void drop_player() {
        delete_fluid_player(player);
        player = nullptr;
        fluid_synth_all_notes_off(synth, -1);
        rendering = false;
        started = false;
        total_ticks = 0;
        played_ticks = 0;
        player_done = false;
    }

    std::uint32_t open(const MediaCommand& cmd) {
        if (player != nullptr) return media_error::kAliasInUse;
        const std::filesystem::path given(cmd.path);
        const auto found = find_asset(given.parent_path(), given.filename().string());
        if (!std::filesystem::is_regular_file(found)) return media_error::kFileNotFound;
        if (!fluid_is_midifile(found.c_str())) return media_error::kBadFile;
        if (!start_synth()) return media_error::kNoSynthesizer;
        // The instruments of earlier pieces have been freed by now: give the pages back so
        // that playing one piece after another does not keep adding to what stays resident.
        malloc_trim(0);
        std::lock_guard guard(lock);
        path = found.string();
        player = make_player();
        if (player == nullptr) return media_error::kNoSynthesizer;
        alias = cmd.alias;
        started = false;
        return 0;
    }

    void play() {
        if (started) return;
        {
            std::lock_guard guard(lock);
            fluid_player_play(player);
            started = true;
            rendering = true;
        }
        wake.notify_all();
    }

    // Polled every 10 ms while a piece plays, so it takes the lock only until the player
    // has read the file: a render pass that finds the lock taken outputs silence.
    bool ended() {
        if (!started) return true;
        if (player_done.load(std::memory_order_relaxed)) return true;
        if (total_ticks == 0) {
            // The tracks are read, and freed at the end, by the rendering thread.
            std::lock_guard guard(lock);
            total_ticks = fluid_player_get_total_ticks(player);
        }
        // The player lingers about two seconds after the last event before it says "done";
        // the piece itself is over when the current tick reaches the end.
        return total_ticks > 0 && played_ticks.load(std::memory_order_relaxed) >= total_ticks;
    }

    // A finished player cannot be rewound, so the start is a new player on the same file.
    std::uint32_t seek_start() {
        std::lock_guard guard(lock);
        drop_player();
        player = make_player();
        if (player == nullptr) {
            alias.clear();
            return media_error::kNoSynthesizer;
        }
        return 0;
    }

    void close() {
        std::lock_guard guard(lock);
        drop_player();
        alias.clear();
        path.clear();
    }
};

FluidMediaDevice::FluidMediaDevice() : FluidMediaDevice(Options{}) {}

FluidMediaDevice::FluidMediaDevice(Options options)
    : impl_(std::make_unique<Impl>(std::move(options))) {}

FluidMediaDevice::~FluidMediaDevice() = default;

std::uint32_t FluidMediaDevice::send(const std::string& command, std::string& reply) {
    reply.clear();
    const MediaCommand cmd = parse_media_command(command);
    using Kind = MediaCommand::Kind;
    if (cmd.kind == Kind::unknown) return media_error::kUnknownCommand;
    if (cmd.kind == Kind::open) return impl_->open(cmd);
    if (impl_->player == nullptr || cmd.alias != impl_->alias) return media_error::kNotOpen;
    switch (cmd.kind) {
        case Kind::play:
            impl_->play();
            return 0;
        case Kind::status_mode:
            reply = impl_->ended() ? "stopped" : "playing";
            return 0;
        case Kind::seek_start:
            return impl_->seek_start();
        case Kind::close:
            impl_->close();
            return 0;
        default:
            return media_error::kUnknownCommand;
    }
}

bool FluidMediaDevice::error_text(std::uint32_t code, std::string& text) {
    return media_error::text_of(code, text);
}

void FluidMediaDevice::prepare() {
    impl_->start_synth();
}

void FluidMediaDevice::set_volume(int percent) {
    impl_->volume = std::clamp(percent, 0, 100);
    // The synthesizer guards its own settings; the sounding notes follow at once.
    if (impl_->synth != nullptr) {
        fluid_synth_set_gain(impl_->synth, static_cast<float>(gain_for_volume(impl_->volume)));
    }
}

double FluidMediaDevice::gain() const {
    return impl_->synth != nullptr ? fluid_synth_get_gain(impl_->synth) : 0.0;
}

std::string FluidMediaDevice::output() const {
    return impl_->output;
}

}  // namespace hazama
