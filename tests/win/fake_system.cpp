#include "fake_system.h"

#include "ui/text.h"

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
  }
  if (done && operation == NIM_DELETE) icons.erase(key);
  else if (done) icons[key] = record;
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
  return IDOK;
}

UINT FakeSystem::track_popup_menu(HWND, HMENU menu, POINT where) {
  popups.push_back(menu);
  popup_points.push_back(where);
  return popup_choice;
}

void FakeSystem::empty_recycle_bin(HWND owner, const wchar_t* root, DWORD flags) {
  shell_calls.push_back({"recycle", owner, root == nullptr, root ? narrow(root) : "", "", "", flags});
}

void FakeSystem::add_to_recent_documents(UINT flags, const void* data) {
  shell_calls.push_back({"recent", nullptr, data == nullptr, "", "", "", flags});
}

void FakeSystem::shell_execute(HWND owner, const wchar_t* operation, const std::wstring& file,
                               const wchar_t* parameters, const std::wstring& directory, int show) {
  shell_calls.push_back({"execute", owner, parameters == nullptr, narrow(file), narrow(operation), narrow(directory),
                         static_cast<UINT>(show)});
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

void FakeSystem::run_modal(HWND window) {
  modal_windows.push_back(window);
  if (while_modal) while_modal(window);
}

bool FakeSystem::start_program(const std::wstring& path, int show) {
  program_starts.push_back({narrow(path), show});
  return programs_start;
}

}  // namespace tamarak
