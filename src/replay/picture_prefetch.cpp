// Pictures decoded ahead of a replay (picture_prefetch.h).
#include "replay/picture_prefetch.h"

#include <algorithm>

namespace hazama {
namespace {

// Each path's place in the list; one listed twice keeps its first.
std::unordered_map<std::string, std::size_t> index_of(const std::vector<std::string>& paths) {
    std::unordered_map<std::string, std::size_t> index;
    for (std::size_t i = 0; i < paths.size(); ++i) index.emplace(paths[i], i);
    return index;
}

}  // namespace

PicturePrefetch::PicturePrefetch(std::vector<std::string> paths, Decode decode, std::size_t ahead)
    : paths_(std::move(paths)),
      index_(index_of(paths_)),
      decode_(std::move(decode)),
      ahead_(std::max<std::size_t>(ahead, 1)),
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
    const auto listed = index_.find(path);
    if (listed == index_.end()) return false;
    std::unique_lock guard(lock_);
    if (listed->second < floor_) return false;
    const std::size_t i = listed->second;
    // Those before it were not asked for when expected: the story took another way.
    ready_.erase(ready_.begin(), ready_.lower_bound(i));
    floor_ = i;
    changed_.notify_all();
    // The thread decodes this one next, if it has not already.
    changed_.wait(guard,
                  [&] { return ready_.contains(i) || (next_ > i && decoding_ != i) || stop_; });
    floor_ = i + 1;
    const auto found = ready_.find(i);
    const bool taken = found != ready_.end();
    if (taken) {
        into = std::move(found->second);
        ready_.erase(found);
    }
    changed_.notify_all();
    return taken;
}

void PicturePrefetch::run() {
    std::unique_lock guard(lock_);
    for (;;) {
        changed_.wait(guard, [&] { return stop_ || ready_.size() < ahead_; });
        next_ = std::max(next_, floor_);
        if (stop_ || next_ >= paths_.size()) return;
        const std::size_t i = next_++;
        decoding_ = i;
        guard.unlock();
        Plane plane;
        std::string error;
        const bool decoded = decode_(paths_[i], plane, error);
        guard.lock();
        decoding_.reset();
        if (decoded && i >= floor_) ready_.emplace(i, std::move(plane));
        changed_.notify_all();
    }
}

}  // namespace hazama
