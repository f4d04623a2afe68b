#include "fake_system.h"

#include <algorithm>

#include "base/text.h"
#include "helpers.h"
#include "system/memory_fill.h"

namespace tamarak {

bool FakeShell::notify(DWORD operation, const NOTIFYICONDATAW& record) {
  if (answers == Answers::refusing) return false;
  const auto key = std::pair{record.hWnd, record.uID};
  const bool held = icons.contains(key);
  bool done = false;
  switch (operation) {
    case NIM_ADD: done = !held; break;
    case NIM_MODIFY: done = held; break;
    case NIM_DELETE: done = held; break;
    case NIM_SETFOCUS: done = held; break;
  }
  if (done && operation == NIM_DELETE)
    icons.erase(key);
  else if (done)
    icons[key] = record;
  return done && answers == Answers::normally;
}

const NOTIFYICONDATAW* FakeShell::shown(HWND window, UINT id) const {
  const auto found = icons.find({window, id});
  return found == icons.end() ? nullptr : &found->second;
}

bool FakeSystem::notify_icon(DWORD operation, const NOTIFYICONDATAW& record) {
  tray_calls.push_back({operation, record});
  return shell.notify(operation, record);
}

int FakeSystem::message_box(HWND owner, std::wstring_view text, std::wstring_view title, UINT style) {
  message_boxes.push_back({owner, narrow(text), narrow(title), style});
  cursor_at_message_box = GetCursor();
  if (while_message_box) while_message_box();
  // As Windows does on closing a box, whatever held the owner disabled before.
  if (owner) EnableWindow(owner, TRUE);
  return IDOK;
}

namespace {

UINT item_with_caption(HMENU menu, const std::wstring& caption) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    wchar_t text[128] = L"";
    GetMenuStringW(menu, i, text, 128, MF_BYPOSITION);
    if (const HMENU sub = GetSubMenu(menu, i)) {
      if (const UINT found = item_with_caption(sub, caption)) return found;
    } else if (text == caption) {
      return GetMenuItemID(menu, i);
    }
  }
  return 0;
}

}  // namespace

FillOutcome FakeSystem::fill_memory(std::uint64_t count, StopToken stop) {
  ++fills;
  last_fill_count = count;
  while (fill_gate && WaitForSingleObject(fill_gate, 10) == WAIT_TIMEOUT)
    if (stop.stop_requested()) return FillOutcome::stopped;
  return fill_and_release(count, stop);
}

MenuChoice FakeSystem::track_popup_menu(HWND, HMENU menu, POINT where, bool in_front) {
  popups.push_back(menu);
  popups_in_front.push_back(in_front);
  popup_points.push_back(where);
  const UINT command = popup_pick.empty() ? popup_choice : item_with_caption(menu, widen(popup_pick));
  return {command, command == 0 && popup_by_key};
}

namespace {

bool in_apartment() {
  APTTYPE type;
  APTTYPEQUALIFIER qualifier;
  return CoGetApartmentType(&type, &qualifier) == S_OK && (type == APTTYPE_STA || type == APTTYPE_MAINSTA);
}

}  // namespace

HANDLE FakeSystem::start_thread(LPTHREAD_START_ROUTINE routine, void* data) {
  if (!threads_refused) return CreateThread(nullptr, 0, routine, data, 0, nullptr);
  SetLastError(ERROR_NOT_ENOUGH_MEMORY);
  return nullptr;
}

HRESULT FakeSystem::shell_empty_recycle_bin(HWND owner) {
  shell_calls.push_back({"recycle", owner, {}, {}, in_apartment()});
  if (owner) EnableWindow(owner, TRUE);  // as its confirmation box does on closing
  return recycle_answer;
}

void FakeSystem::shell_clear_recent_documents() { shell_calls.push_back({"recent", nullptr, {}, {}, in_apartment()}); }

void FakeSystem::shell_open_file(HWND owner, const std::wstring& file, const std::wstring& folder) {
  shell_calls.push_back({"open file", owner, narrow(file), narrow(folder), in_apartment()});
}

void FakeSystem::shell_open_link(const std::wstring& address) {
  shell_calls.push_back({"open link", nullptr, narrow(address), {}, in_apartment()});
}

void FakeSystem::tell_power_setting(const GUID& setting, DWORD value) {
  struct {
    GUID setting;
    DWORD length, value;
  } told{setting, sizeof value, value};  // a POWERBROADCAST_SETTING with its data
  for (const auto& [window, watched] : power_watches)
    if (watched == setting && IsWindow(window))
      SendMessageW(window, WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE, reinterpret_cast<LPARAM>(&told));
}

UtcTime FakeSystem::utc_now() {
  tool_queries.push_back("utc");
  return utc;
}

std::optional<std::vector<std::wstring>> FakeSystem::running_processes() {
  tool_queries.push_back("processes");
  return processes;
}

std::wstring FakeSystem::host_name() {
  tool_queries.push_back("host");
  return host;
}

std::wstring FakeSystem::host_address() {
  tool_queries.push_back("address");
  return address;
}

OsVersion FakeSystem::os_version() {
  tool_queries.push_back("os");
  return os;
}

// Stand-ins for the exports, which keep their calls where the last lookup asked.
FARPROC FakeSystem::uxtheme_export(WORD ordinal) {
  static std::vector<std::string>* calls;
  calls = &theme_calls;
  using Any = void (*)();
  const Any set_mode =
      reinterpret_cast<Any>(+[](int mode) { return calls->push_back("135 " + std::to_string(mode)), 0; });
  const Any flush = reinterpret_cast<Any>(+[] { calls->push_back("136"); });
  const Any allow = reinterpret_cast<Any>(+[](HWND, BOOL) { return calls->push_back("133"), TRUE; });
  const Any found = ordinal == 135 ? set_mode : ordinal == 136 ? flush : ordinal == 133 ? allow : nullptr;
  return ordinal == missing_export ? nullptr : reinterpret_cast<FARPROC>(found);
}

void FakeSystem::run_modal(HWND window) {
  modal_windows.push_back(window);
  if (while_modal) while_modal(window);
}

// As one query into the 1024-byte buffer answers: data that does not fit is not read.
RegistryValue FakeSystem::read_registry_value(HKEY, const std::wstring& key_path, const std::wstring& value_name) {
  RegistryValue value;
  const auto found = registry.find({key_path, value_name});
  if (found == registry.end()) return value;
  const StoredValue& stored = found->second;
  value.type = stored.type;
  value.size = static_cast<std::uint32_t>(stored.data.size());
  value.queried = stored.data.size() <= value.buffer.size();
  if (value.queried) std::copy(stored.data.begin(), stored.data.end(), value.buffer.begin());
  return value;
}

bool FakeSystem::is_ordinary_file(const std::wstring& path) {
  return std::find(ordinary_files.begin(), ordinary_files.end(), path) != ordinary_files.end();
}

bool FakeSystem::start_program(const std::wstring& path) {
  program_starts.push_back(narrow(path));
  return programs_start;
}

}  // namespace tamarak
