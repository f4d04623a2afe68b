// One tool-tip window serving several controls of a window.
#pragma once

#include <windows.h>

#include <string_view>

namespace tamarak {

class Tooltips {
 public:
  explicit Tooltips(HWND owner);
  ~Tooltips();
  Tooltips(const Tooltips&) = delete;
  Tooltips& operator=(const Tooltips&) = delete;

  void add(HWND control, std::string_view utf8_text);
  // In the system's dark tool tip theme, or its own again.
  void follow_app_mode(bool dark);

 private:
  HWND owner_;
  HWND tips_;
};

}  // namespace tamarak
