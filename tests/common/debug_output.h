// The debugger output of every process, read as DebugView reads it (the DBWIN_BUFFER protocol that
// OutputDebugString falls back to when no debugger takes the text), for as long as this lives.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace test_support {

class DebugOutput {
 public:
  DebugOutput();
  ~DebugOutput();
  DebugOutput(const DebugOutput&) = delete;
  DebugOutput& operator=(const DebugOutput&) = delete;

  // What `pid` has written so far, one string a call.
  std::vector<std::string> lines_of(DWORD pid);

 private:
  struct Shared;
  Shared* shared_;
  HANDLE listener_ = nullptr;
};

}  // namespace test_support
