#include "ui/designed_window.h"

#include "base/text.h"

namespace tamarak {

bool DesignedWindow::create_designed(HWND owner) {
  return create_window(design_.class_name, widen(design_.caption).c_str(), design_.style, design_.ex_style,
                       {design_.client_width, design_.client_height}, owner, design_.menu_bar);
}

void DesignedWindow::make_controls() {
  controls_ = std::make_unique<Controls>(hwnd(), design_.controls, design_.lines, dpi(), prompts_);
}

// Enter presses the focused button, as in a dialog, where the focused push button is the default;
// owner-drawn ones never say they are, so the window says it for them.
int DesignedWindow::button_for_enter() const {
  if (controls_)
    if (const int focused = controls_->button_id(GetFocus())) return focused;
  return default_button();
}

LRESULT DesignedWindow::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wparam) == IDCANCEL)
        on_cancel();
      else
        on_command(LOWORD(wparam), HIWORD(wparam));
      return 0;
    case WM_TIMER: on_timer(wparam); return 0;
    // Not a dialog, so nothing starts the focus cues: the system sets them from the last input, hidden
    // after the mouse unless the user keeps them on, shown after keys.
    case WM_SHOWWINDOW:
      if (wparam && !cues_started_) {
        cues_started_ = true;
        SendMessageW(hwnd(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
      }
      break;
    case DM_GETDEFID:
      if (const int id = button_for_enter()) return MAKELRESULT(id, DC_HASDEFID);
      return 0;
    case WM_ACTIVATE:
      if (focus_.on_activate(hwnd(), wparam)) return 0;
      break;
    // Until the controls are made there is nothing to paint; a window without a backdrop of its own
    // is in the dialog colour.
    case WM_ERASEBKGND:
      if (controls_ && !controls_->has_backdrop()) {
        RECT client;
        GetClientRect(hwnd(), &client);
        FillRect(dc_param(wparam), &client, controls_->backdrop_brush());
      }
      return 1;
    case WM_PAINT:
      if (!controls_ || !controls_->has_backdrop()) break;
      controls_->paint();
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      if (!controls_) break;
      if (const auto brush = controls_->colour(dc_param(wparam), window_param(lparam))) return *brush;
      break;
    case WM_DRAWITEM:
      if (controls_) controls_->draw_item(struct_param<DRAWITEMSTRUCT>(lparam));
      return TRUE;
    case WM_DESTROY:
      on_destroy();
      if (controls_) controls_->clear_annotations();
      return 0;
    case WM_NCDESTROY:
      controls_.reset();
      focus_.forget();
      cues_started_ = false;
      break;
  }
  return default_message(message, wparam, lparam);
}

}  // namespace tamarak
