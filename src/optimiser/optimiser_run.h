// One optimiser run at a time, on a thread of its own: writing gigabytes takes seconds, and the
// windows must keep answering meanwhile, or the system would call the program hung.
#pragma once

#include <windows.h>

#include <cstdint>

#include "system/system_services.h"
#include "system/worker_thread.h"

namespace tamarak {

class OptimiserRun {
 public:
  // When a run has released its memory, `done_message` is posted to `window` with the
  // FillOutcome in its WPARAM; a run for which no thread can be made ends out of memory at once.
  OptimiserRun(SystemServices& system, HWND window, UINT done_message)
      : system_(system), window_(window), done_message_(done_message) {}

  void start(std::uint64_t count);
  bool busy() const { return busy_; }
  // Asks a run still writing to stop where it is, and waits until its memory is released; after
  // its done message, only its thread is joined.
  void end() {
    worker_.stop_and_join();
    busy_ = false;
  }

 private:
  SystemServices& system_;
  HWND window_;
  UINT done_message_;
  bool busy_ = false;
  WorkerThread worker_;
};

}  // namespace tamarak
