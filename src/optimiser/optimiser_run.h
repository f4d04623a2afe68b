// One optimiser run at a time, on a thread of its own: writing gigabytes takes seconds, and the
// windows must keep answering meanwhile, or the system would call the program hung.
#pragma once

#include <windows.h>

#include <cstdint>
#include <thread>

#include "system/system_services.h"

namespace tamarak {

class OptimiserRun {
 public:
  // When a run has released its memory, `done_message` is posted to `window` with the
  // FillOutcome in its WPARAM.
  OptimiserRun(SystemServices& system, HWND window, UINT done_message)
      : system_(system), window_(window), done_message_(done_message) {}

  void start(std::uint64_t count);
  // Asks a run to stop where it is, and waits until its memory is released.
  void stop_and_wait() { worker_ = {}; }
  bool busy() const { return busy_; }
  // Its done message has arrived.
  void finished() {
    worker_ = {};
    busy_ = false;
  }

 private:
  SystemServices& system_;
  HWND window_;
  UINT done_message_;
  bool busy_ = false;
  std::jthread worker_;  // stopped and joined when destroyed, so no run outlives the program
};

}  // namespace tamarak
