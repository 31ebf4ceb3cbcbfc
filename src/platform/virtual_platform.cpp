// The virtual platform: a virtual clock, scripted answers and a record of every effect.
#include "platform/virtual_platform.h"

namespace hazama {
namespace {

// True when clock value `a` comes before `b`, across the 32-bit wrap.
bool before(std::uint32_t a, std::uint32_t b) {
    return static_cast<std::int32_t>(a - b) < 0;
}

}  // namespace

void VirtualPlatform::wait_until(std::uint32_t deadline) {
    const std::uint32_t start = now_;
    while (!closing_ && before(now_, deadline)) {
        Timer* next = nullptr;
        for (Timer& t : timers_) {
            if (t.interval > 0 && t.tick && !before(deadline, t.due) &&
                (next == nullptr || before(t.due, next->due))) {
                next = &t;
            }
        }
        if (next == nullptr) {
            now_ = deadline;
            break;
        }
        if (before(now_, next->due)) now_ = next->due;
        next->due += static_cast<std::uint32_t>(next->interval);
        next->tick();
    }
    waited(start);
}

void VirtualPlatform::wait_for_release() {
    if (!reader)
        throw StoryStalled("stuck: a line waits for the reader, but no reader is scripted");
    const std::uint32_t start = now_;
    if (reading_ms > 0) wait_until(now_ + reading_ms);
    if (!closing_) reader();
    waited(start);
}

void VirtualPlatform::waited(std::uint32_t start) {
    if (now_ != start) {
        still_waits_ = 0;
    } else if (!closing_ && ++still_waits_ >= kStillWaits) {
        still_waits_ = 0;
        throw StoryStalled("stuck at " + (last_note_.empty() ? "the start" : last_note_) +
                           ": the waits no longer move the clock");
    }
}

void VirtualPlatform::wait_for_release_until(std::uint32_t deadline) {
    if (reader && before(now_ + reading_ms, deadline)) {
        wait_for_release();
    } else {
        wait_until(deadline);
    }
}

void VirtualPlatform::set_timer(TimerId id, int interval_ms, std::function<void()> tick) {
    Timer& t = timers_[static_cast<int>(id)];
    t.tick = std::move(tick);
    set_timer_interval(id, interval_ms);
}

void VirtualPlatform::set_timer_interval(TimerId id, int interval_ms) {
    Timer& t = timers_[static_cast<int>(id)];
    t.interval = interval_ms;
    t.due = now_ + static_cast<std::uint32_t>(interval_ms > 0 ? interval_ms : 0);
}

void VirtualPlatform::set_staff(int index, const StaffLabel& label) {
    if (index >= 0 && index < static_cast<int>(staff_.size())) staff_[index] = label;
}

void VirtualPlatform::refresh_screen(const Plane&) {
    if (on_refresh) on_refresh();
}

int VirtualPlatform::choose(const std::array<std::string, 3>& captions) {
    choosers_.push_back(captions);
    if (chooser_answers.empty()) {
        throw StoryStalled("stuck: the chooser opened, but no answer is scripted");
    }
    const int answer = chooser_answers.front();
    chooser_answers.pop_front();
    return answer;
}

std::optional<std::string> VirtualPlatform::ask_file(const FileRequest& request) {
    file_requests_.push_back(request);
    if (file_answers.empty()) {
        throw StoryStalled("stuck: the file dialog opened, but no answer is scripted");
    }
    auto answer = file_answers.front();
    file_answers.pop_front();
    return answer;
}

bool VirtualPlatform::load_picture(const std::string& path, Plane& into, std::string& error) {
    if (!decoder) {
        error = "no picture decoder";
        return false;
    }
    return decoder(path, into, error);
}

}  // namespace hazama
