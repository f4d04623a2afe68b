// The real system behind SystemServices.
#pragma once

#include "base/handles.h"
#include "system/system_services.h"

namespace tamarak {

class Win32Services : public SystemServices {
 public:
  unsigned long os_major_version() override;
  bool another_instance_running() override;
  MemorySample memory_status() override;
  bool notify_icon(DWORD operation, const NOTIFYICONDATAW& record) override;
  UINT taskbar_created_message() override;
  int small_icon_size(int dpi) override;
  int taskbar_dpi() override;
  bool allow_message(HWND window, UINT message) override;
  bool windows_8_or_later() override;
  OwnedPowerNotification watch_power_setting(HWND window, const GUID& setting) override;
  bool watch_session(HWND window) override;
  void unwatch_session(HWND window) override;
  bool high_contrast() override;
  bool animations() override;
  bool dark_app_mode() override;
  FARPROC uxtheme_export(WORD ordinal) override;
  bool run_efficiently(bool on) override;
  std::optional<RECT> tray_icon_rect(HWND window, UINT id) override;
  FillOutcome fill_memory(std::uint64_t count, StopToken stop) override;
  HANDLE start_thread(LPTHREAD_START_ROUTINE routine, void* data) override;
  std::uint64_t milliseconds_since_start() override;
  UtcTime utc_now() override;
  std::optional<std::vector<std::wstring>> running_processes() override;
  std::wstring host_name() override;
  std::wstring host_address() override;
  OsVersion os_version() override;
  RegistryValue read_registry_value(HKEY root, const std::wstring& key_path, const std::wstring& value_name) override;
  bool is_ordinary_file(const std::wstring& path) override;
  bool start_program(const std::wstring& path) override;

 protected:
  HRESULT shell_empty_recycle_bin(HWND owner) override;
  void shell_clear_recent_documents() override;
  void shell_open_file(HWND owner, const std::wstring& file, const std::wstring& folder) override;
  void shell_open_link(const std::wstring& address) override;

 private:
  OwnedHandle instance_mutex_;
  bool another_copy_ = false;
};

}  // namespace tamarak
