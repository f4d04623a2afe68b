// How a long job learns it should stop: it polls the token.
#pragma once

#include <atomic>

namespace tamarak {

// What a job polls to learn it should stop. A default one is never asked.
class StopToken {
 public:
  StopToken() = default;
  explicit StopToken(const std::atomic<bool>& asked) : asked_(&asked) {}
  bool stop_requested() const { return asked_ && asked_->load(std::memory_order_relaxed); }

 private:
  const std::atomic<bool>* asked_ = nullptr;
};

}  // namespace tamarak
