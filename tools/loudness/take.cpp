// Renders pieces faster than real time with the game's synthesizer settings.
#include "take.h"

#include <fluidsynth.h>

#include <cstdint>
#include <fstream>

#include "audio/fluid_setup.h"

namespace hazama::loudness {
namespace {

constexpr int kBlock = 512;  // frames rendered between looks at the player

// A synthesizer set up as the game's, with one SoundFont.
class Synth {
  public:
    explicit Synth(const std::filesystem::path& soundfont) {
        settings_ = new_game_settings();
        if (settings_ != nullptr) synth_ = new_fluid_synth(settings_);
        ok_ = synth_ != nullptr && load_soundfont(synth_, soundfont) != FLUID_FAILED;
    }
    ~Synth() {
        if (synth_ != nullptr) delete_fluid_synth(synth_);
        if (settings_ != nullptr) delete_fluid_settings(settings_);
    }
    Synth(const Synth&) = delete;
    Synth& operator=(const Synth&) = delete;

    bool ok() const { return ok_; }
    fluid_synth_t* get() const { return synth_; }

    void render(Take& take, int frames) {
        const std::size_t at = take.left.size();
        take.left.resize(at + frames);
        take.right.resize(at + frames);
        fluid_synth_write_float(synth_, frames, take.left.data() + at, 0, 1, take.right.data() + at,
                                0, 1);
    }

  private:
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    bool ok_ = false;
};

// Passes the player's events on to the synthesizer, noting what each channel plays and
// dropping the notes of channels that are not soloed.
struct Listener {
    fluid_synth_t* synth;
    Solo solo;
    Take* take;

    static int handle(void* data, fluid_midi_event_t* event) {
        auto* self = static_cast<Listener*>(data);
        const int type = fluid_midi_event_get_type(event);
        const int channel = fluid_midi_event_get_channel(event);
        if (channel >= 0 && channel < kChannels) {
            ChannelUse& use = self->take->channels[channel];
            const std::size_t now = self->take->frames();
            const bool note = type == 0x90 || type == 0x80;
            const int velocity = type == 0x90 ? fluid_midi_event_get_velocity(event) : 0;
            if (note) use.events.push_back({now, fluid_midi_event_get_key(event), velocity});
            if (velocity > 0) {
                ++use.notes;
                use.velocities.insert(velocity);
                if (!self->solo.plays(channel)) return FLUID_OK;
            }
            if (type == 0xC0) use.program = fluid_midi_event_get_program(event);
            if (type == 0xB0) {
                const int control = fluid_midi_event_get_control(event);
                const int value = fluid_midi_event_get_value(event);
                if (control == 11) use.expressions.insert(value);
                if (control == kTuneMark || control == kVoiceMark)
                    use.marks.push_back({now, control, value});
            }
        }
        return fluid_synth_handle_midi_event(self->synth, event);
    }
};

// The game's test for the end of a piece: the player is done or has reached its last tick.
bool ended(fluid_player_t* player) {
    if (fluid_player_get_status(player) == FLUID_PLAYER_DONE) return true;
    const int total = fluid_player_get_total_ticks(player);
    return total > 0 && fluid_player_get_current_tick(player) >= total;
}

// Plays `midi` from its start until it ends (or until `limit` frames of the take), as the
// game does.
bool play(Synth& synth, const std::filesystem::path& midi, Solo solo, Take& take,
          std::size_t limit) {
    fluid_player_t* player = new_fluid_player(synth.get());
    if (player == nullptr || fluid_player_add(player, midi.c_str()) != FLUID_OK) {
        if (player != nullptr) delete_fluid_player(player);
        return false;
    }
    Listener listener{synth.get(), solo, &take};
    fluid_player_set_playback_callback(player, &Listener::handle, &listener);
    fluid_player_play(player);
    while (!ended(player) && take.frames() < limit) synth.render(take, kBlock);
    delete_fluid_player(player);
    return true;
}

// Ten minutes of sound at most, should a file never end.
constexpr std::size_t kLongest = std::size_t(kRate) * 600;

}  // namespace

bool render_loop(const std::filesystem::path& midi, const std::filesystem::path& soundfont,
                 Solo solo, Take& take) {
    Synth synth(soundfont);
    if (!synth.ok() || !play(synth, midi, solo, take, kLongest)) return false;
    fluid_synth_all_notes_off(synth.get(), -1);  // as the game's restart does
    take.seam = take.frames();
    // The second pass counts what the channels play afresh.
    take.channels = {};
    if (!play(synth, midi, solo, take, take.seam + kLongest)) return false;
    return take.seam > 0 && take.frames() > take.seam;
}

bool render_once(const std::filesystem::path& midi, const std::filesystem::path& soundfont,
                 double seconds, Take& take) {
    Synth synth(soundfont);
    const auto frames = static_cast<std::size_t>(seconds * kRate);
    if (!synth.ok() || !play(synth, midi, Solo{}, take, frames)) return false;
    // The player has let go; what it left sounding rings on.
    while (take.frames() < frames) synth.render(take, kBlock);
    take.left.resize(frames);
    take.right.resize(frames);
    return true;
}

bool write_wav(const std::filesystem::path& file, const Take& take, std::size_t from,
               std::size_t to) {
    std::ofstream out(file, std::ios::binary);
    const auto put = [&out](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
    };
    const std::uint32_t data_bytes = static_cast<std::uint32_t>((to - from) * 2 * 4);
    out << "RIFF";
    put(36 + data_bytes, 4);
    out << "WAVEfmt ";
    put(16, 4);
    put(3, 2);  // IEEE float
    put(2, 2);
    put(kRate, 4);
    put(kRate * 2 * 4, 4);
    put(2 * 4, 2);
    put(32, 2);
    out << "data";
    put(data_bytes, 4);
    for (std::size_t i = from; i < to; ++i) {
        out.write(reinterpret_cast<const char*>(&take.left[i]), 4);
        out.write(reinterpret_cast<const char*>(&take.right[i]), 4);
    }
    return bool(out);
}

}  // namespace hazama::loudness
