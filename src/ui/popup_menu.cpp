#include "ui/popup_menu.h"

#include "base/failure_note.h"

namespace tamarak {

MenuChoice choose_from_popup(Prompts& prompts, HWND owner, HMENU menu, POINT where) {
  const bool in_front = prompts.bring_to_front(owner);
  const MenuChoice choice = prompts.track_popup_menu(owner, menu, where, in_front);
  NOTE_IF_FALSE(PostMessageW(owner, WM_NULL, 0, 0));
  return choice;
}

}  // namespace tamarak
