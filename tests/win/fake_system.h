// A recording stand-in for the system: fixed memory figures, and every tray call, message box and
// popup menu kept for the test to read, so no test blocks on a modal loop.
#pragma once

#include <string>
#include <vector>

#include "app/system_services.h"

namespace tamarak {

struct TrayCall {
  DWORD operation;
  NOTIFYICONDATAW record;
};

struct MessageBoxCall {
  HWND owner;
  std::string text, title;
  UINT style;
};

class FakeSystem : public SystemServices {
 public:
  MemorySample memory{25, 268'435'456, 100'000'000, 500'000'000, 250'000'000, 2'147'352'576, 2'000'000'000};
  unsigned long major_version = 10;
  bool tray_answers = true;
  bool another_copy = false;
  UINT popup_choice = 0;

  std::vector<TrayCall> tray_calls;
  std::vector<MessageBoxCall> message_boxes;
  std::vector<HMENU> popups;

  MemorySample memory_status() override { return memory; }
  unsigned long os_major_version() override { return major_version; }
  bool notify_icon(DWORD operation, const NOTIFYICONDATAW& record) override;
  int message_box(HWND owner, std::wstring_view text, std::wstring_view title, UINT style) override;
  UINT track_popup_menu(HWND owner, HMENU menu, POINT where) override;
  bool another_instance_running() override { return another_copy; }
};

}  // namespace tamarak
