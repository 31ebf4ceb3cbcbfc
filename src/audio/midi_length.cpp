// Reading a MIDI file's events just far enough to know its length: every track's last tick
// and the tempo changes on the way.
#include "audio/midi_length.h"

#include <algorithm>
#include <map>

namespace hazama {
namespace {

constexpr double kDefaultTempo = 500000;  // microseconds a beat: 120 beats a minute

class Reader {
  public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    bool has(std::size_t n) const { return bytes_.size() - at_ >= n; }
    std::size_t left() const { return bytes_.size() - at_; }
    std::uint8_t byte() { return static_cast<std::uint8_t>(bytes_[at_++]); }
    std::uint32_t number(int size) {
        std::uint32_t n = 0;
        for (int i = 0; i < size; ++i) n = (n << 8) | byte();
        return n;
    }
    // A variable-length quantity: seven bits a byte, at most four bytes.
    std::optional<std::uint32_t> quantity() {
        std::uint32_t n = 0;
        for (int i = 0; i < 4; ++i) {
            if (!has(1)) return std::nullopt;
            const std::uint8_t b = byte();
            n = (n << 7) | (b & 0x7F);
            if ((b & 0x80) == 0) return n;
        }
        return std::nullopt;
    }
    void skip(std::size_t n) { at_ += n; }
    std::string_view take(std::size_t n) {
        const auto part = bytes_.substr(at_, n);
        at_ += n;
        return part;
    }

  private:
    std::string_view bytes_;
    std::size_t at_ = 0;
};

// The data bytes that follow a channel message's status byte.
int data_bytes(std::uint8_t status) {
    const std::uint8_t kind = status & 0xF0;
    return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
}

// Reads one track: its last tick, with its tempo changes added to `tempos` (tick → µs a
// beat). False when the track is cut short.
bool read_track(std::string_view bytes, std::int64_t& last_tick,
                std::map<std::int64_t, double>& tempos) {
    Reader track(bytes);
    std::int64_t tick = 0;
    std::uint8_t running = 0;
    while (track.left() > 0) {
        const auto delta = track.quantity();
        if (!delta || !track.has(1)) return false;
        tick += *delta;
        std::uint8_t status = track.byte();
        if (status == 0xFF) {
            if (!track.has(1)) return false;
            const std::uint8_t type = track.byte();
            const auto size = track.quantity();
            if (!size || !track.has(*size)) return false;
            if (type == 0x51 && *size == 3) {
                Reader tempo(track.take(3));
                tempos[tick] = tempo.number(3);
            } else {
                track.skip(*size);
            }
            if (type == 0x2F) {  // end of track: its tick counts, as the player's does
                last_tick = std::max(last_tick, tick);
                break;
            }
        } else if (status == 0xF0 || status == 0xF7) {
            const auto size = track.quantity();
            if (!size || !track.has(*size)) return false;
            track.skip(*size);
        } else {
            int data = 0;
            if (status & 0x80) {
                running = status;
                data = data_bytes(status);
            } else {
                if (running == 0) return false;
                data = data_bytes(running) - 1;  // this byte was the first data byte
            }
            if (!track.has(data)) return false;
            track.skip(data);
        }
        last_tick = std::max(last_tick, tick);
    }
    return true;
}

}  // namespace

std::optional<MidiLength> midi_length(std::string_view bytes) {
    Reader file(bytes);
    if (!file.has(14) || file.take(4) != "MThd") return std::nullopt;
    const std::uint32_t header = file.number(4);
    if (header < 6 || !file.has(header)) return std::nullopt;
    const std::uint32_t format = file.number(2);
    const std::uint32_t tracks = file.number(2);
    const std::uint32_t division = file.number(2);
    file.skip(header - 6);
    if (format > 1 || division == 0) return std::nullopt;

    MidiLength length;
    std::map<std::int64_t, double> tempos;
    for (std::uint32_t i = 0; i < tracks; ++i) {
        if (!file.has(8)) return std::nullopt;
        const auto name = file.take(4);
        const std::uint32_t size = file.number(4);
        if (!file.has(size)) return std::nullopt;
        const auto chunk = file.take(size);
        if (name != "MTrk") continue;  // a chunk of a kind players skip
        if (!read_track(chunk, length.ticks, tempos)) return std::nullopt;
    }

    if (division & 0x8000) {
        // SMPTE time: frames a second (stored negated) times ticks a frame; tempo is ignored.
        const int frames = 256 - static_cast<int>((division >> 8) & 0xFF);
        const int per_frame = static_cast<int>(division & 0xFF);
        if (frames <= 0 || per_frame == 0) return std::nullopt;
        length.ms = 1000.0 * static_cast<double>(length.ticks) / (frames * per_frame);
        return length;
    }
    double ms = 0;
    std::int64_t tick = 0;
    double tempo = kDefaultTempo;
    for (const auto& [at, value] : tempos) {
        if (at >= length.ticks) break;
        ms += static_cast<double>(at - tick) * tempo / 1000.0 / division;
        tick = at;
        tempo = value;
    }
    length.ms = ms + static_cast<double>(length.ticks - tick) * tempo / 1000.0 / division;
    return length;
}

}  // namespace hazama
