// Pictures decoded ahead of a replay (picture_prefetch.h).
#include "replay/picture_prefetch.h"

#include <algorithm>

namespace hazama {
namespace {

// Each path's places in the list, in order.
std::unordered_map<std::string, std::vector<std::size_t>> places_of(
    const std::vector<std::string>& paths) {
    std::unordered_map<std::string, std::vector<std::size_t>> places;
    for (std::size_t i = 0; i < paths.size(); ++i) places[paths[i]].push_back(i);
    return places;
}

}  // namespace

PicturePrefetch::PicturePrefetch(std::vector<std::string> paths, Decode decode, std::size_t ahead,
                                 std::size_t keep_bytes)
    : paths_(std::move(paths)),
      places_(places_of(paths_)),
      decode_(std::move(decode)),
      ahead_(std::max<std::size_t>(ahead, 1)),
      keep_bytes_(keep_bytes),
      thread_([this] { run(); }) {}

PicturePrefetch::~PicturePrefetch() {
    {
        std::lock_guard guard(lock_);
        stop_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

bool PicturePrefetch::take(const std::string& path, Plane& into) {
    const auto listed = places_.find(path);
    if (listed == places_.end()) return false;
    std::unique_lock guard(lock_);
    const std::vector<std::size_t>& places = listed->second;
    const auto place = std::lower_bound(places.begin(), places.end(), floor_);
    if (place == places.end()) return false;
    const std::size_t i = *place;
    // Those before it were not asked for when expected: the story took another way.
    ready_.erase(ready_.begin(), ready_.lower_bound(i));
    drop_kept(kept_.begin(), kept_.lower_bound(i));
    floor_ = i;
    changed_.notify_all();
    bool taken = false;
    if (const auto kept = kept_.find(i); kept != kept_.end()) {
        into = kept->second;
        drop_kept(kept, std::next(kept));
        taken = true;
    } else {
        // While the thread decodes it (or has yet to come to it), this thread decodes the
        // pictures after it instead of waiting idle: two cores share the work.
        for (;;) {
            if (ready_.contains(i) || (next_ > i && decoding_ != i) || stop_) break;
            const std::optional<std::size_t> next =
                ready_.size() < ahead_ ? next_to_decode() : std::nullopt;
            if (next) {
                decode(*next, guard);
            } else {
                changed_.wait(guard);
            }
        }
        if (const auto found = ready_.find(i); found != ready_.end()) {
            into = std::move(found->second);
            ready_.erase(found);
            taken = true;
        }
    }
    floor_ = i + 1;
    if (taken) keep_for_next(i, into);
    changed_.notify_all();
    return taken;
}

void PicturePrefetch::keep_for_next(std::size_t place, const Plane& picture) {
    const std::vector<std::size_t>& places = places_.at(paths_[place]);
    const auto after = std::upper_bound(places.begin(), places.end(), place);
    // Unless the thread has decoded it already, or is decoding it.
    if (after == places.end() || *after < next_) return;
    const std::size_t at = *after;
    if (kept_.contains(at)) return;
    const std::size_t bytes = picture.bytes();
    while (kept_bytes_ + bytes > keep_bytes_) {
        // The one wanted last goes, unless that is this one; the thread has passed over the
        // places it had kept, so those stay.
        if (kept_.empty()) return;
        const auto last = std::prev(kept_.end());
        if (last->first < at || last->first < next_) return;
        drop_kept(last, kept_.end());
    }
    // Shares the picture's pixels with whatever plane it was loaded into.
    if (kept_.emplace(at, picture).second) kept_bytes_ += bytes;
}

void PicturePrefetch::drop_kept(std::map<std::size_t, Plane>::iterator from,
                                std::map<std::size_t, Plane>::iterator to) {
    for (auto it = from; it != to; ++it) kept_bytes_ -= it->second.bytes();
    kept_.erase(from, to);
}

std::optional<std::size_t> PicturePrefetch::next_to_decode() {
    next_ = std::max(next_, floor_);
    // A place kept for passes its picture on to the place after.
    for (auto kept = kept_.find(next_); kept != kept_.end(); kept = kept_.find(++next_))
        keep_for_next(next_, kept->second);
    if (next_ >= paths_.size()) return std::nullopt;
    return next_++;
}

void PicturePrefetch::decode(std::size_t place, std::unique_lock<std::mutex>& guard) {
    guard.unlock();
    Plane picture;
    std::string error;
    bool decoded = false;
    try {
        decoded = decode_(paths_[place], picture, error);
    } catch (const std::exception&) {
        // Out of memory for it, say: the replay decodes it itself, and hears why.
        decoded = false;
    }
    guard.lock();
    if (decoded && place >= floor_) {
        keep_for_next(place, picture);
        ready_.emplace(place, std::move(picture));
    }
    changed_.notify_all();
}

void PicturePrefetch::run() {
    std::unique_lock guard(lock_);
    try {
        for (;;) {
            changed_.wait(guard, [&] { return stop_ || ready_.size() < ahead_; });
            if (stop_) return;
            const std::optional<std::size_t> place = next_to_decode();
            if (!place) return;
            decoding_ = *place;
            decode(*place, guard);
            decoding_.reset();
        }
    } catch (const std::exception&) {
        // Nothing may leave the thread: it stops, and the replay decodes the rest itself.
        if (!guard.owns_lock()) guard.lock();
        decoding_.reset();
        stop_ = true;
        changed_.notify_all();
    }
}

}  // namespace hazama
