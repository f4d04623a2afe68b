#include "debug_output.h"

#include <cstring>
#include <utility>

namespace test_support {

// The buffer a writer fills: its process id, then the text.
struct DebugOutput::Shared {
  HANDLE buffer_ready = CreateEventW(nullptr, FALSE, TRUE, L"DBWIN_BUFFER_READY");
  HANDLE data_ready = CreateEventW(nullptr, FALSE, FALSE, L"DBWIN_DATA_READY");
  HANDLE mapping = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 4096, L"DBWIN_BUFFER");
  const char* view = static_cast<const char*>(MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 4096));
  volatile bool stop = false;
  CRITICAL_SECTION lock;
  std::vector<std::pair<DWORD, std::string>> lines;
};

DebugOutput::DebugOutput() : shared_(new Shared) {
  InitializeCriticalSection(&shared_->lock);
  listener_ = CreateThread(
      nullptr, 0,
      [](void* data) -> DWORD {
        auto& s = *static_cast<Shared*>(data);
        while (WaitForSingleObject(s.data_ready, INFINITE) == WAIT_OBJECT_0 && !s.stop) {
          DWORD pid;
          memcpy(&pid, s.view, sizeof pid);
          EnterCriticalSection(&s.lock);
          s.lines.emplace_back(pid, std::string(s.view + sizeof pid));
          LeaveCriticalSection(&s.lock);
          SetEvent(s.buffer_ready);
        }
        return 0;
      },
      shared_, 0, nullptr);
}

DebugOutput::~DebugOutput() {
  shared_->stop = true;
  SetEvent(shared_->data_ready);
  WaitForSingleObject(listener_, INFINITE);
  CloseHandle(listener_);
  UnmapViewOfFile(shared_->view);
  for (HANDLE h : {shared_->mapping, shared_->data_ready, shared_->buffer_ready}) CloseHandle(h);
  DeleteCriticalSection(&shared_->lock);
  delete shared_;
}

std::vector<std::string> DebugOutput::lines_of(DWORD pid) {
  std::vector<std::string> found;
  EnterCriticalSection(&shared_->lock);
  for (const auto& [from, line] : shared_->lines)
    if (from == pid) found.push_back(line);
  LeaveCriticalSection(&shared_->lock);
  return found;
}

}  // namespace test_support
