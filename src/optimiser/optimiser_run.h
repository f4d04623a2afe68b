// The optimiser's run: one at a time, on a thread of its own, since writing gigabytes takes seconds
// and the windows must keep answering meanwhile, or the system would call the program hung. What
// the user sees keeps its order: the hourglass from the click until the memory is released, the
// completion text only then, the pointer back after the box.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string_view>

#include "optimiser/fill_size.h"
#include "system/system_services.h"
#include "system/worker_thread.h"
#include "ui/busy_session.h"

namespace tamarak {

// How a run ended, told to the window at its done message. The program stays busy until it is
// dropped, so that the box it shows is part of the run.
struct [[nodiscard]] RunEnd {
  std::unique_ptr<BusySession> busy;
  // The program was asked to end meanwhile: it ends now, with no box.
  bool end_program = false;
  // What the box says, and its icon; empty when the run was stopped.
  std::string_view message;
  UINT icon = 0;
};

class OptimiserRun {
 public:
  // When a run has released its memory, `done_message` is posted to `window` with the FillOutcome
  // in its WPARAM; the window hands it to finish().
  OptimiserRun(SystemServices& system, BusyState& busy, HWND window, UINT done_message)
      : system_(system), busy_state_(busy), window_(window), done_message_(done_message) {}
  ~OptimiserRun() { worker_.stop_and_join(); }
  OptimiserRun(const OptimiserRun&) = delete;
  OptimiserRun& operator=(const OptimiserRun&) = delete;

  // Writes `level`'s share of `total_phys`. A run for which no thread can be made ends out of
  // memory at once.
  void start(OptimiserLevel level, std::uint64_t total_phys);
  // From the start until the end is told.
  bool busy() const { return busy_ != nullptr; }
  // An end of the program asked for during the run: carried out once the memory is released.
  void end_program_after() { end_program_ = true; }
  // The session ends: the writing stops where it is and the memory is released, now; no box.
  void cut_short();
  RunEnd finish(FillOutcome outcome);

 private:
  // From the run's thread, or at once when it could not start.
  void tell_end(FillOutcome outcome);

  SystemServices& system_;
  BusyState& busy_state_;
  HWND window_;
  UINT done_message_;
  OptimiserLevel level_ = OptimiserLevel::low;
  std::unique_ptr<BusySession> busy_;
  bool end_program_ = false;
  WorkerThread worker_{system_};
};

}  // namespace tamarak
