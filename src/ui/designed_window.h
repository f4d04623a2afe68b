// A window made from a design table: it owns the controls, answers what every such window answers
// the same way (its backdrop and painting, the controls' colours, the colour buttons, the keyboard
// focus kept across activation, the dialog keys) and hands each window only its own events.
#pragma once

#include <windows.h>

#include <memory>

#include "ui/controls.h"
#include "ui/design.h"
#include "ui/prompts.h"
#include "ui/remembered_focus.h"
#include "ui/window.h"

namespace tamarak {

class DesignedWindow : public Window {
 public:
  // Once made: the main window makes them when it is first shown.
  Controls& controls() const { return *controls_; }
  bool has_controls() const { return controls_ != nullptr; }

 protected:
  DesignedWindow(WindowHost& host, Prompts& prompts, const WindowDesign& design)
      : Window(host), prompts_(prompts), design_(design) {}

  // The window, centred and hidden at its design's size; its controls come with make_controls.
  bool create_designed(HWND owner);
  void make_controls();
  LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override;

  // A menu item, an accelerator or a control's notification.
  virtual void on_command(int /*id*/, int /*notification*/) {}
  virtual void on_timer(UINT_PTR /*timer*/) {}
  // Escape, as a dialog takes it (IDCANCEL); the close box and Alt+F4 come as WM_CLOSE.
  virtual void on_cancel() {}
  // The button Enter presses when the focus is not on a button: 0 for none.
  virtual int default_button() const { return 0; }
  // Once the window has been destroyed and before its controls go.
  virtual void on_destroy() {}
  Prompts& prompts_;
  const WindowDesign& design_;

 private:
  int button_for_enter() const;

  std::unique_ptr<Controls> controls_;
  RememberedFocus focus_;
  bool cues_started_ = false;
};

}  // namespace tamarak
