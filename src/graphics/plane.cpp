// A plane's pixels, shared until written (plane.h).
#include "graphics/plane.h"

#include <algorithm>
#include <mutex>

namespace hazama {
namespace {

using Buffer = std::vector<std::uint32_t>;

// Buffers of whole pictures, given back when their last plane lets go of them and handed out
// again: a replay makes and drops hundreds, and memory fresh from the system costs a fault
// on every page of it. Smaller buffers come and go as usual.
class BufferPool {
  public:
    static constexpr std::size_t kSmallest = std::size_t{64} << 10;  // pixels
    static constexpr std::size_t kKeptBytes = std::size_t{8} << 20;

    // A buffer of `count` pixels whose contents the caller sets.
    std::shared_ptr<Buffer> take(std::size_t count) {
        if (count >= kSmallest) {
            std::lock_guard guard(lock_);
            const auto fits = std::find_if(free_.begin(), free_.end(),
                                           [&](const Buffer* b) { return b->size() == count; });
            if (fits != free_.end()) {
                Buffer* buffer = *fits;
                free_.erase(fits);
                bytes_ -= count * sizeof(std::uint32_t);
                return {buffer, give_back};
            }
        }
        return {new Buffer(count), give_back};
    }

  private:
    static void give_back(Buffer* buffer);

    std::mutex lock_;
    std::vector<Buffer*> free_;
    std::size_t bytes_ = 0;
};

// Never destroyed: planes of objects with static lifetime give their buffers back at exit.
BufferPool& pool() {
    static auto* const the_pool = new BufferPool;
    return *the_pool;
}

void BufferPool::give_back(Buffer* buffer) {
    BufferPool& p = pool();
    const std::size_t bytes = buffer->size() * sizeof(std::uint32_t);
    if (buffer->size() >= kSmallest) {
        std::lock_guard guard(p.lock_);
        if (p.bytes_ + bytes <= kKeptBytes) {
            p.free_.push_back(buffer);
            p.bytes_ += bytes;
            return;
        }
    }
    delete buffer;
}

}  // namespace

void Pixels::hold_alone(std::size_t count) {
    if (!buffer_ || buffer_.use_count() > 1 || buffer_->size() != count)
        buffer_ = pool().take(count);
}

void Pixels::assign(std::size_t count, std::uint32_t fill) {
    hold_alone(count);
    std::fill(buffer_->begin(), buffer_->end(), fill);
}

void Pixels::assign(const std::uint32_t* first, const std::uint32_t* last) {
    hold_alone(static_cast<std::size_t>(last - first));
    std::copy(first, last, buffer_->begin());
}

void Pixels::own() {
    if (!buffer_ || buffer_.use_count() == 1) return;
    std::shared_ptr<Buffer> mine = pool().take(buffer_->size());
    std::copy(buffer_->begin(), buffer_->end(), mine->begin());
    buffer_ = std::move(mine);
}

const std::vector<std::uint32_t>& Pixels::vector() const {
    static const std::vector<std::uint32_t> kNone;
    return buffer_ ? *buffer_ : kNone;
}

}  // namespace hazama
