// The real message boxes, popup menus and modal loops behind Prompts.
#pragma once

#include "ui/prompts.h"

namespace tamarak {

class Win32Prompts final : public Prompts {
 public:
  int message_box(HWND owner, std::wstring_view text, std::wstring_view title, UINT style) override;
  bool bring_to_front(HWND window) override;
  UINT track_popup_menu(HWND owner, HMENU menu, POINT where, bool in_front) override;
  void run_modal(HWND window) override;
  std::optional<POINT> pointer_position() override;
};

}  // namespace tamarak
