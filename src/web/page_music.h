// The calls the web edition's media device makes into the page's music (web/js/music.js):
// the synthesizer in an AudioWorklet, which plays the bytes it is given on the audio thread.
// Nothing here waits for that thread; the page answers from what it has already been told.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace hazama::page {

// Fetches the file at `url` (relative to the page) and returns its bytes; nothing when it
// cannot be had. Suspends the module until the browser answers.
std::optional<std::vector<std::uint8_t>> fetch_music(const std::string& url);
// Gives the page a piece to play from its start once `play_music` is called; it replaces any
// piece before it and silences what that left sounding.
void load_music(const std::vector<std::uint8_t>& bytes);
void play_music();
// Stops and forgets the piece; what it left sounding dies away.
void stop_music();
// How long the piece has played since play_music, in milliseconds of the sound heard: it
// stands still until the browser lets sound start, and on the page's own clock where
// there is no sound at all. The tests' virtual clock keeps it at 0, as the story runner's
// pieces never end.
double music_played_ms();
void set_music_volume(int percent);

}  // namespace hazama::page
