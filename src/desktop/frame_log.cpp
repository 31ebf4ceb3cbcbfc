// The frame log (frame_log.h).
#include "desktop/frame_log.h"

#include <cstdio>
#include <ctime>
#include <utility>

namespace hazama {
namespace {

double process_cpu_ms() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) * 1e-6;
}

}  // namespace

void FrameLog::note(const std::string& line) {
    clock_after_note_ = true;
    std::fprintf(stderr, "note %.3f cpu %.3f %s\n", clock_ms_(), process_cpu_ms(), line.c_str());
}

std::uint32_t FrameLog::now_ms() {
    const std::uint32_t ms = inner_.now_ms();
    if (std::exchange(clock_after_note_, false)) std::fprintf(stderr, "clock %u\n", ms);
    return ms;
}

void FrameLog::refresh_screen(const Plane& screen) {
    const double asked = clock_ms_();
    inner_.refresh_screen(screen);
    std::fprintf(stderr, "frame %.3f %.3f cpu %.3f\n", asked, clock_ms_(), process_cpu_ms());
}

}  // namespace hazama
