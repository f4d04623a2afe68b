// The program at work (an optimiser run), from the click until its end has been told: the
// hourglass over its windows, which take no input meanwhile.
#pragma once

#include <windows.h>

#include <optional>

#include "ui/modal_session.h"

namespace tamarak {

// Whether the program is busy, and the windows it holds disabled meanwhile.
class BusyState {
 public:
  bool busy() const { return depth_ > 0; }
  // A box or a shell dialog enables its owner as it closes: the held windows are disabled again.
  void hold() {
    if (windows_) windows_->hold();
  }

 private:
  friend class BusySession;
  int depth_ = 0;
  std::optional<DisabledWindows> windows_;
};

// Sessions nest; the program is itself again only when the outermost ends.
class [[nodiscard]] BusySession {
 public:
  explicit BusySession(BusyState& state) : state_(state) {
    if (state_.depth_++ > 0) return;
    state_.windows_.emplace();
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  }
  ~BusySession() {
    if (--state_.depth_ > 0) return;
    state_.windows_.reset();
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
  }
  BusySession(const BusySession&) = delete;
  BusySession& operator=(const BusySession&) = delete;

 private:
  BusyState& state_;
};

}  // namespace tamarak
