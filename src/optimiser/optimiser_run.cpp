#include "optimiser/optimiser_run.h"

namespace tamarak {

void OptimiserRun::start(std::uint64_t count) {
  busy_ = true;
  const bool started = worker_.start([this, count](StopToken stop) {
    const FillOutcome outcome = system_.fill_memory(count, stop);
    PostMessageW(window_, done_message_, static_cast<WPARAM>(outcome), 0);
  });
  if (!started) PostMessageW(window_, done_message_, static_cast<WPARAM>(FillOutcome::out_of_memory), 0);
}

}  // namespace tamarak
