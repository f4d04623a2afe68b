// Stands in for the system information tool in the launcher's tests, and for the browser in the release's: it
// records which file ran and the command line it was given in "started.txt" beside itself, then ends.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  wchar_t self[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring record = std::wstring(self, length) + L"\n" + GetCommandLineW();
  std::wstring marker(self, length);
  marker.erase(marker.find_last_of(L'\\') + 1);
  marker += L"started.txt";
  // Written under another name first, so the test never reads half a record.
  const std::wstring partial = marker + L".part";
  const HANDLE file = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  WriteFile(file, record.data(), static_cast<DWORD>(record.size() * sizeof(wchar_t)), &written, nullptr);
  CloseHandle(file);
  return MoveFileW(partial.c_str(), marker.c_str()) ? 0 : 1;
}
