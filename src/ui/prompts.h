// What the program asks of the user in a loop of its own (a message box, a popup menu, a modal
// window), and what it tells a screen reader beyond what the system finds in its windows. The
// program uses Win32Prompts; tests hand the windows a recording fake, so that no test blocks on one.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace tamarak {

// What a screen reader says of a control: a name where it has no text or label of its own to be
// named by, a description (what a tool tip says), and whether a label is a link.
struct Annotation {
  std::wstring name, description;
  bool link = false;
  bool operator==(const Annotation&) const = default;
};

// What the user did with a popup menu: the command chosen (0: none), and whether a key ended it
// (Escape, Alt) rather than the mouse.
struct MenuChoice {
  UINT command = 0;
  bool by_key = false;
  bool operator==(const MenuChoice&) const = default;
};

class Prompts {
 public:
  virtual ~Prompts() = default;

  virtual int message_box(HWND owner, std::wstring_view text, std::wstring_view title, UINT style) = 0;
  // Brings the window to the foreground; false when the system refuses, as it does to a program
  // that did not take the last input.
  virtual bool bring_to_front(HWND window) = 0;
  // Runs the popup menu modally at `where`. A menu whose owner is not in front does not see a click
  // elsewhere or Escape, which go to the program in front: then (`in_front` false) it watches the
  // input itself.
  virtual MenuChoice track_popup_menu(HWND owner, HMENU menu, POINT where, bool in_front) = 0;
  // Runs the message loop until `window` is gone: a modal window's showing.
  virtual void run_modal(HWND window) = 0;
  // Where the pointer is; nothing while another desktop takes the input (a locked workstation).
  virtual std::optional<POINT> pointer_position() = 0;
  // Replaces what a screen reader is told of `control` beyond its own (empty parts say nothing);
  // cleared before the control goes, as the system keeps it by window handle.
  virtual void annotate(HWND control, const Annotation& annotation) = 0;
  virtual void clear_annotation(HWND control) = 0;
};

}  // namespace tamarak
