#include "commands/launch_beside_program.h"

#include "base/failure_note.h"
#include "commands/program_paths.h"

namespace tamarak {

namespace {

std::wstring to_wide(const std::u16string& s) { return {s.begin(), s.end()}; }

}  // namespace

std::wstring own_program_path() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = NOTE_IF_FALSE(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);  // truncated: the path is longer than MAX_PATH
  }
}

std::u16string own_program_folder() {
  const std::wstring path = own_program_path();
  return program_folder({path.begin(), path.end()});
}

void open_beside_program(SystemServices& system, HWND owner, const std::u16string& relative) {
  const std::u16string folder = own_program_folder();
  system.open_file(owner, to_wide(beside_program(folder, relative)), to_wide(folder));
}

}  // namespace tamarak
