// The music calls into the page (page_music.h), to Module.music (web/js/music.js). A page
// without it (a browser with no Web Audio) plays no sound, and its pieces end on time.
#include "web/page_music.h"

#include <emscripten.h>

// clang-format off
EM_ASYNC_JS(int, hz_fetch_music, (const char* url), {
    if (!Module.music) return -1;
    return await Module.music.fetch(UTF8ToString(url));
});
EM_JS(void, hz_take_music, (unsigned char* out), { Module.music.take(HEAPU8, out); });
EM_JS(void, hz_load_music, (const unsigned char* bytes, int size), {
    if (Module.music) Module.music.load(HEAPU8.slice(bytes, bytes + size));
});
EM_JS(void, hz_play_music, (), { if (Module.music) Module.music.play(); });
EM_JS(void, hz_stop_music, (), { if (Module.music) Module.music.stop(); });
EM_JS(double, hz_music_played_ms, (), { return Module.music ? Module.music.playedMs() : 0; });
EM_JS(void, hz_set_music_volume, (int percent), { if (Module.music) Module.music.setVolume(percent); });
// clang-format on

namespace hazama::page {

std::optional<std::vector<std::uint8_t>> fetch_music(const std::string& url) {
    const int size = hz_fetch_music(url.c_str());
    if (size < 0) return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (size > 0) hz_take_music(bytes.data());
    return bytes;
}

void load_music(const std::vector<std::uint8_t>& bytes) {
    hz_load_music(bytes.data(), static_cast<int>(bytes.size()));
}

void play_music() {
    hz_play_music();
}

void stop_music() {
    hz_stop_music();
}

double music_played_ms() {
    return hz_music_played_ms();
}

void set_music_volume(int percent) {
    hz_set_music_volume(percent);
}

}  // namespace hazama::page
