#include "system/worker_thread.h"

#include "base/failure_note.h"

namespace tamarak {

bool WorkerThread::start(Job job) {
  stop_and_join();
  running_ = std::make_unique<Running>();
  running_->job = std::move(job);
  thread_.reset(NOTE_IF_NULL(system_.start_thread(&WorkerThread::run, running_.get())));
  if (!thread_) running_.reset();
  return thread_ != nullptr;
}

void WorkerThread::stop_and_join() {
  if (!thread_) return;
  running_->stop_asked = true;
  WaitForSingleObject(thread_.get(), INFINITE);
  thread_.reset();
  running_.reset();
}

DWORD WINAPI WorkerThread::run(void* state) {
  auto& running = *static_cast<Running*>(state);
  running.job(StopToken(running.stop_asked));
  return 0;
}

}  // namespace tamarak
