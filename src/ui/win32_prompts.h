// The real message boxes, popup menus and modal loops behind Prompts.
#pragma once

#include <optional>

#include "base/handles.h"
#include "base/sessions.h"
#include "ui/prompts.h"

struct IAccPropServices;

namespace tamarak {

class Win32Prompts final : public Prompts {
 public:
  Win32Prompts();
  ~Win32Prompts() override;
  Win32Prompts(const Win32Prompts&) = delete;
  Win32Prompts& operator=(const Win32Prompts&) = delete;

  int message_box(HWND owner, std::wstring_view text, std::wstring_view title, UINT style) override;
  bool bring_to_front(HWND window) override;
  MenuChoice track_popup_menu(HWND owner, HMENU menu, POINT where, bool in_front) override;
  void run_modal(HWND window) override;
  std::optional<POINT> pointer_position() override;
  void annotate(HWND control, const Annotation& annotation) override;
  void clear_annotation(HWND control) override;

 private:
  // Made with the first annotation, when a window is first shown: the hidden program loads neither
  // COM nor the accessibility library.
  IAccPropServices* annotations();
  std::optional<ComSession> com_;  // ended after the annotations are let go
  ComRef<IAccPropServices> annotations_;
  bool tried_ = false;
};

}  // namespace tamarak
