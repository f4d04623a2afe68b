// The real system behind SystemServices.
#pragma once

#include "app/system_services.h"
#include "ui/handles.h"

namespace tamarak {

class Win32Services : public SystemServices {
 public:
  MemorySample memory_status() override;
  unsigned long os_major_version() override;
  bool notify_icon(DWORD operation, const NOTIFYICONDATAW& record) override;
  int message_box(HWND owner, std::wstring_view text, std::wstring_view title, UINT style) override;
  UINT track_popup_menu(HWND owner, HMENU menu, POINT where) override;
  bool another_instance_running() override;

 private:
  OwnedHandle instance_mutex_;
  bool another_copy_ = false;
};

}  // namespace tamarak
