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
  UINT taskbar_created_message() override;
  int message_box(HWND owner, std::wstring_view text, std::wstring_view title, UINT style) override;
  UINT track_popup_menu(HWND owner, HMENU menu, POINT where) override;
  bool another_instance_running() override;
  void empty_recycle_bin(HWND owner, const wchar_t* root, DWORD flags) override;
  void add_to_recent_documents(UINT flags, const void* data) override;
  void shell_execute(HWND owner, const wchar_t* operation, const std::wstring& file, const wchar_t* parameters,
                     const std::wstring& directory, int show) override;
  std::uint64_t milliseconds_since_start() override;
  UtcTime utc_now() override;
  std::optional<std::vector<std::wstring>> running_processes() override;
  std::wstring host_name() override;
  std::wstring host_address() override;
  OsVersion os_version() override;
  void run_modal(HWND window) override;
  bool start_program(const std::wstring& path, int show) override;
  int small_icon_size(int dpi) override;

 private:
  OwnedHandle instance_mutex_;
  bool another_copy_ = false;
};

}  // namespace tamarak
