// The program's lifetime policy over its windows: when it ends, which window takes input while a
// modal one is up, and what the user sees while it is busy.
#pragma once

#include <windows.h>

#include <optional>

#include "ui/modal_session.h"
#include "ui/window.h"

namespace tamarak {

// Counts the open top-level windows: the program ends when the last one is destroyed, so a tool
// window left open keeps it running after the main window has gone. Knows the modal window that
// is up, if any, so that windows made meanwhile take no input either.
class ProgramLifetime final : public WindowHost {
 public:
  void window_opened() override { ++open_; }
  void window_closed() override {
    if (--open_ == 0) PostQuitMessage(0);
  }
  int open_windows() const { return open_; }

  ModalSession* modal() const override { return modal_; }
  void set_modal(ModalSession* modal) override { modal_ = modal; }

  bool busy() const override { return busy_ > 0; }

  // The windows a modal window or a run holds disabled stay so: a message box or a shell dialog
  // enables its owner as it closes, whatever held it before.
  void hold_input() {
    if (modal_) modal_->hold_others();
    if (busy_windows_) busy_windows_->hold();
  }

 private:
  friend class BusySession;
  int open_ = 0;
  ModalSession* modal_ = nullptr;
  int busy_ = 0;
  std::optional<DisabledWindows> busy_windows_;
};

// The program at work (an optimiser run), from the click until its end has been told: the
// hourglass over its windows, which take no input meanwhile. Sessions nest; the program is itself
// again only when the outermost ends.
class [[nodiscard]] BusySession {
 public:
  explicit BusySession(ProgramLifetime& lifetime) : lifetime_(lifetime) {
    if (lifetime_.busy_++ > 0) return;
    lifetime_.busy_windows_.emplace();
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  }
  ~BusySession() {
    if (--lifetime_.busy_ > 0) return;
    lifetime_.busy_windows_.reset();
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
  }
  BusySession(const BusySession&) = delete;
  BusySession& operator=(const BusySession&) = delete;

 private:
  ProgramLifetime& lifetime_;
};

}  // namespace tamarak
