// The clock the timed animations and pauses run on: the platform's millisecond counter,
// sped up while the reader skips. At scale 1 it reads the platform clock unchanged until
// the scale first changes, so unhurried play keeps every frame and wait to the millisecond.
#pragma once

#include <cstdint>

namespace hazama {

class StoryClock {
  public:
    int scale() const { return scale_; }

    std::uint32_t now(std::uint32_t platform_now) const {
        return story_base_ + (platform_now - platform_base_) * static_cast<std::uint32_t>(scale_);
    }

    // The platform time at which the story clock reaches `story_deadline`, rounded up to
    // the next whole platform millisecond; `platform_now` when that has passed.
    std::uint32_t platform_deadline(std::uint32_t story_deadline,
                                    std::uint32_t platform_now) const {
        const auto left = static_cast<std::int32_t>(story_deadline - now(platform_now));
        if (left <= 0) return platform_now;
        return platform_now + static_cast<std::uint32_t>((left + scale_ - 1) / scale_);
    }

    // Changes the speed from `platform_now` on; the story clock does not jump.
    void set_scale(int scale, std::uint32_t platform_now) {
        if (scale == scale_) return;
        story_base_ = now(platform_now);
        platform_base_ = platform_now;
        scale_ = scale;
    }

  private:
    int scale_ = 1;
    std::uint32_t story_base_ = 0;
    std::uint32_t platform_base_ = 0;
};

}  // namespace hazama
