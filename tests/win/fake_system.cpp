#include "fake_system.h"

#include "ui/text.h"

namespace tamarak {

bool FakeSystem::notify_icon(DWORD operation, const NOTIFYICONDATAW& record) {
  tray_calls.push_back({operation, record});
  return tray_answers;
}

int FakeSystem::message_box(HWND owner, std::wstring_view text, std::wstring_view title, UINT style) {
  message_boxes.push_back({owner, narrow(text), narrow(title), style});
  return IDOK;
}

UINT FakeSystem::track_popup_menu(HWND, HMENU menu, POINT) {
  popups.push_back(menu);
  return popup_choice;
}

}  // namespace tamarak
