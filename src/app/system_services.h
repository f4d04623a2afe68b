// What the program asks of the system that tests must control or must not really do. The program
// uses Win32Services; tests hand the windows a recording fake.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string_view>

#include "monitor/memory_figures.h"

namespace tamarak {

class SystemServices {
 public:
  virtual ~SystemServices() = default;

  virtual MemorySample memory_status() = 0;
  // 0 when the query fails, which the start-up check treats as too old.
  virtual unsigned long os_major_version() = 0;
  virtual bool notify_icon(DWORD operation, const NOTIFYICONDATAW& record) = 0;
  virtual int message_box(HWND owner, std::wstring_view text, std::wstring_view title, UINT style) = 0;
  // Runs the popup menu modally at `where`; the chosen command id, or 0 when dismissed.
  virtual UINT track_popup_menu(HWND owner, HMENU menu, POINT where) = 0;
  // True when another copy of the program already runs; the first caller becomes that copy.
  virtual bool another_instance_running() = 0;
};

}  // namespace tamarak
