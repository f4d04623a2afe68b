// One job on a thread of its own, which can be asked to stop. Win32 threads directly: std::thread
// would bring the pthreads emulation along, a tenth of the executable.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "base/handles.h"
#include "system/stop_token.h"
#include "system/system_services.h"

namespace tamarak {

class WorkerThread {
 public:
  using Job = std::function<void(StopToken)>;

  explicit WorkerThread(SystemServices& system) : system_(system) {}
  WorkerThread(const WorkerThread&) = delete;
  WorkerThread& operator=(const WorkerThread&) = delete;
  // No job outlives its owner.
  ~WorkerThread() { stop_and_join(); }

  // Runs `job` after stopping and joining any job before it; false when no thread could be made.
  bool start(Job job);
  // Asks the job to stop and waits until it has returned.
  void stop_and_join();

 private:
  struct Running {
    Job job;
    std::atomic<bool> stop_asked{false};
  };
  static DWORD WINAPI run(void* running);

  SystemServices& system_;
  std::unique_ptr<Running> running_;
  OwnedHandle thread_;
};

}  // namespace tamarak
