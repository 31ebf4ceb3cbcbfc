// The pictures a replay is expected to load, decoded on a thread of its own a few pictures
// ahead of it, so that a long replay (a slot loaded in a program just started) finds most
// of them ready instead of decoding each one in turn on its own thread. A picture listed
// again later is kept for then, as far as a budget allows, rather than decoded twice.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

#include "graphics/plane.h"

namespace hazama {

class PicturePrefetch {
  public:
    using Decode = std::function<bool(const std::string& path, Plane& into, std::string& error)>;

    // `paths` in the order the replay loads them, a picture loaded again listed again;
    // `decode` must be safe to call from another thread. At most `ahead` decoded pictures
    // wait to be taken, and pictures kept for a later place hold at most `keep_bytes`.
    PicturePrefetch(std::vector<std::string> paths, Decode decode, std::size_t ahead = 12,
                    std::size_t keep_bytes = kKeepBytes);
    static constexpr std::size_t kKeepBytes = std::size_t{32} << 20;
    // Stops the thread (after the picture it is decoding) and drops what was not taken.
    ~PicturePrefetch();
    PicturePrefetch(const PicturePrefetch&) = delete;
    PicturePrefetch& operator=(const PicturePrefetch&) = delete;

    // The picture at `path`'s next place in the list, when the list foresaw it and it
    // decoded: waits until it is (the thread goes to it next). Places before it are no
    // longer wanted. False otherwise (not listed again, passed over, not decodable): the
    // caller decodes it itself.
    bool take(const std::string& path, Plane& into);
    // Whether the list names a picture more than once (a slot of an earlier build names
    // each once: the replay keeps pictures for their next load itself then).
    bool lists_repeats() const { return places_.size() < paths_.size(); }

  private:
    void run();
    // Keeps `picture`, decoded or taken for `place`, for its next place in the list, if the
    // thread has not reached that and it fits the budget (the pictures wanted soonest stay).
    void keep_for_next(std::size_t place, const Plane& picture);
    // The next place to decode, past those kept for (under the lock); nothing at the end.
    std::optional<std::size_t> next_to_decode();
    // Decodes `place` with the lock let go meanwhile, and sets it ready.
    void decode(std::size_t place, std::unique_lock<std::mutex>& guard);
    void drop_kept(std::map<std::size_t, Plane>::iterator from,
                   std::map<std::size_t, Plane>::iterator to);

    const std::vector<std::string> paths_;
    const std::unordered_map<std::string, std::vector<std::size_t>> places_;
    const Decode decode_;
    const std::size_t ahead_;
    const std::size_t keep_bytes_;

    std::mutex lock_;
    std::condition_variable changed_;
    std::map<std::size_t, Plane> ready_;
    std::map<std::size_t, Plane> kept_;  // by the place they are kept for
    std::size_t kept_bytes_ = 0;
    std::size_t next_ = 0;   // the next one the thread decodes
    std::size_t floor_ = 0;  // the ones below are no longer wanted
    std::optional<std::size_t> decoding_;
    bool stop_ = false;
    std::thread thread_;  // last: started once everything above is made
};

}  // namespace hazama
