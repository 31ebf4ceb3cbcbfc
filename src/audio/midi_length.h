// How long a standard MIDI file plays: its last tick and the time that tick falls at under
// the file's tempo changes. A device that plays a piece somewhere it cannot watch (the web
// edition's synthesizer runs on the browser's audio thread) tells its end by this.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace hazama {

struct MidiLength {
    std::int64_t ticks = 0;  // the tick of the last event of the longest track
    double ms = 0;           // when that tick sounds, from the start of the piece
};

// The length of the MIDI file `bytes` (formats 0 and 1, beats or SMPTE frames); nothing
// when it is not a MIDI file or a track runs past the end of the bytes.
std::optional<MidiLength> midi_length(std::string_view bytes);

}  // namespace hazama
