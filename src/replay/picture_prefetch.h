// The pictures a replay is expected to load, decoded on a thread of its own a few pictures
// ahead of it, so that a long replay (a slot loaded in a program just started) finds most
// of them ready instead of decoding each one in turn on its own thread.
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

    // `paths` in the order the replay first loads them; `decode` must be safe to call from
    // another thread. At most `ahead` decoded pictures wait to be taken.
    PicturePrefetch(std::vector<std::string> paths, Decode decode, std::size_t ahead = 12);
    // Stops the thread (after the picture it is decoding) and drops what was not taken.
    ~PicturePrefetch();
    PicturePrefetch(const PicturePrefetch&) = delete;
    PicturePrefetch& operator=(const PicturePrefetch&) = delete;

    // The picture at `path`, when the list foresaw it and it decoded: waits until it is
    // (the thread goes to it next). Pictures listed before it are no longer wanted. False
    // otherwise (not listed, taken before, passed over, not decodable): the caller decodes
    // it itself.
    bool take(const std::string& path, Plane& into);

  private:
    void run();

    const std::vector<std::string> paths_;
    const std::unordered_map<std::string, std::size_t> index_;
    const Decode decode_;
    const std::size_t ahead_;

    std::mutex lock_;
    std::condition_variable changed_;
    std::map<std::size_t, Plane> ready_;
    std::size_t next_ = 0;   // the next one the thread decodes
    std::size_t floor_ = 0;  // the ones below are no longer wanted
    std::optional<std::size_t> decoding_;
    bool stop_ = false;
    std::thread thread_;  // last: started once everything above is made
};

}  // namespace hazama
