// What makes a window modal, or the program busy: the program's other top-level windows take no
// input meanwhile.
#pragma once

#include <windows.h>

#include <vector>

#include "ui/window.h"

namespace tamarak {

// Disables every enabled top-level window this thread made from the program's module, except
// `keep`; enables again those still there when it ends.
class [[nodiscard]] DisabledWindows {
 public:
  explicit DisabledWindows(HWND keep = nullptr);
  ~DisabledWindows();
  DisabledWindows(const DisabledWindows&) = delete;
  DisabledWindows& operator=(const DisabledWindows&) = delete;

  // A window made meanwhile.
  void add(HWND window);
  // Disables again those that something else has enabled meanwhile.
  void hold();

 private:
  std::vector<HWND> disabled_;
};

// A modal window's session: windows made while it lasts (from the tray, which stays reachable)
// take no input either.
class [[nodiscard]] ModalSession {
 public:
  ModalSession(HWND modal, WindowHost& host);
  ~ModalSession();
  ModalSession(const ModalSession&) = delete;
  ModalSession& operator=(const ModalSession&) = delete;

  HWND window() const { return modal_; }
  void adopt(HWND window);
  void hold_others() { others_.hold(); }

 private:
  HWND modal_;
  WindowHost& host_;
  DisabledWindows others_;
};

}  // namespace tamarak
