// Sets a variable for the length of a scope and puts the old value back, however the scope
// is left.
#pragma once

#include <utility>

namespace hazama {

template <typename T>
class ScopedValue {
  public:
    ScopedValue(T& slot, T value) : slot_(slot), saved_(std::exchange(slot, value)) {}
    ~ScopedValue() { slot_ = saved_; }
    ScopedValue(const ScopedValue&) = delete;
    ScopedValue& operator=(const ScopedValue&) = delete;

  private:
    T& slot_;
    T saved_;
};

}  // namespace hazama
