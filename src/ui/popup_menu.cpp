#include "ui/popup_menu.h"

namespace tamarak {

UINT choose_from_popup(Prompts& prompts, HWND owner, HMENU menu, POINT where) {
  SetForegroundWindow(owner);
  const UINT command = prompts.track_popup_menu(owner, menu, where);
  PostMessageW(owner, WM_NULL, 0, 0);
  return command;
}

}  // namespace tamarak
