// What makes a window modal: the program's other top-level windows take no input while it is up,
// those opened meanwhile included.
#pragma once

#include <windows.h>

#include <vector>

#include "ui/window.h"

namespace tamarak {

class ModalSession {
 public:
  // Disables every enabled top-level window this thread made from the program's module, except
  // `modal`, and tells `lifetime` so that windows made later are disabled too.
  ModalSession(HWND modal, ProgramLifetime& lifetime);
  // Enables again those still there.
  ~ModalSession();
  ModalSession(const ModalSession&) = delete;
  ModalSession& operator=(const ModalSession&) = delete;

  HWND window() const { return modal_; }
  // A window made while the session lasts.
  void adopt(HWND window);

 private:
  HWND modal_;
  ProgramLifetime& lifetime_;
  std::vector<HWND> disabled_;
};

}  // namespace tamarak
