// The program's lifetime policy over its windows: when it ends, which window takes input while a
// modal one is up, and what the user sees while it is busy.
#pragma once

#include <windows.h>

#include <vector>

#include "system/system_services.h"
#include "ui/busy_session.h"
#include "ui/modal_session.h"
#include "ui/window.h"

namespace tamarak {

// Counts the open top-level windows: the program ends when the last one is destroyed, so a tool
// window left open keeps it running after the main window has gone. Knows the modal window that
// is up, if any, so that windows made meanwhile take no input either. Knows whether anyone looks at
// the program, and spares the battery while nobody does.
class ProgramLifetime final : public WindowHost {
 public:
  void window_opened() override { ++open_; }
  void window_closed() override {
    if (--open_ == 0) PostQuitMessage(0);
  }
  int open_windows() const { return open_; }
  void window_shown(HWND window, bool shown) override;

  // From now on the system is asked to run the program efficiently while nobody looks at it (no
  // window of it shown, no run at work), and at full speed again the moment someone does.
  void save_power(SystemServices& system);
  // A run has started or ended.
  void follow_attention();

  ModalSession* modal() const override { return modal_; }
  void set_modal(ModalSession* modal) override { modal_ = modal; }

  bool busy() const override { return busy_.busy(); }
  BusyState& busy_state() { return busy_; }

  // The windows a modal window or a run holds disabled stay so: a message box or a shell dialog
  // enables its owner as it closes, whatever held it before.
  void hold_input() {
    if (modal_) modal_->hold_others();
    busy_.hold();
  }

 private:
  int open_ = 0;
  std::vector<HWND> shown_;
  SystemServices* system_ = nullptr;
  bool efficient_ = false;  // as last asked
  bool refused_ = false;    // asked no more
  ModalSession* modal_ = nullptr;
  BusyState busy_;
};

}  // namespace tamarak
