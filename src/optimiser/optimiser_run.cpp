#include "optimiser/optimiser_run.h"

namespace tamarak {

void OptimiserRun::start(std::uint64_t count) {
  busy_ = true;
  worker_ = std::jthread([this, count](std::stop_token stop) {
    const FillOutcome outcome = system_.fill_memory(count, stop);
    PostMessageW(window_, done_message_, static_cast<WPARAM>(outcome), 0);
  });
}

}  // namespace tamarak
