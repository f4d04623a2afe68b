#include "optimiser/optimiser_run.h"

#include <utility>

#include "base/failure_note.h"

namespace tamarak {

void OptimiserRun::start(OptimiserLevel level, std::uint64_t total_phys) {
  level_ = level;
  busy_ = std::make_unique<BusySession>(busy_state_);
  const std::uint64_t count = filler_count(total_phys, level);
  const bool started = worker_.start([this, count](StopToken stop) { tell_end(system_.fill_memory(count, stop)); });
  if (!started) tell_end(FillOutcome::out_of_memory);
}

void OptimiserRun::tell_end(FillOutcome outcome) {
  NOTE_IF_FALSE(PostMessageW(window_, done_message_, static_cast<WPARAM>(outcome), 0));
}

void OptimiserRun::cut_short() {
  worker_.stop_and_join();
  busy_.reset();
}

RunEnd OptimiserRun::finish(FillOutcome outcome) {
  // After its done message, only the thread is left to join.
  worker_.stop_and_join();
  if (!busy_) return {};  // cut short already: the session is ending
  RunEnd end{std::move(busy_), std::exchange(end_program_, false)};
  if (end.end_program) return end;
  if (outcome == FillOutcome::filled) {
    end.message = completion_message(level_);
  } else if (outcome == FillOutcome::out_of_memory) {
    end.message = kOutOfMemoryMessage;
    end.icon = MB_ICONEXCLAMATION;
  }
  return end;
}

}  // namespace tamarak
