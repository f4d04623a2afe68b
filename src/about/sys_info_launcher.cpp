// The About window's launcher of the system information tool, and the registry reader it uses.
#include <array>
#include <cstdint>
#include <string>

#include "about/frmAbout.h"
#include "ui/text.h"

namespace tamarak {

namespace {

using OwnedKey = Owned<HKEY, RegCloseKey>;

constexpr wchar_t kToolKey[] = L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr wchar_t kFolderKey[] = L"SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr wchar_t kToolFile[] = L"\\MSINFO32.EXE";
constexpr char kNotAvailable[] = "現時点ではｼｽﾃﾑ情報を使用できません";

// What a plain directory listing shows: no folders, hidden or system files.
bool is_ordinary_file(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
}

}  // namespace

KeyValue frmAbout::GetKeyValue(HKEY root, const std::wstring& key_path, const std::wstring& value_name,
                               std::wstring& text) {
  // Query rights only: a standard user may not write to HKEY_LOCAL_MACHINE, and asking for more
  // would make every key count as missing for them.
  HKEY opened = nullptr;
  if (RegOpenKeyExW(root, key_path.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) {
    text.clear();
    return KeyValue::not_found;
  }
  const OwnedKey key(opened);
  std::array<std::uint8_t, kValueBufferBytes> buffer{};
  DWORD type = 0, size = static_cast<DWORD>(buffer.size());
  const LSTATUS status = RegQueryValueExW(key.get(), value_name.c_str(), nullptr, &type, buffer.data(), &size);
  std::string decoded = narrow(text);
  const KeyValue result = decode_value({status == ERROR_SUCCESS, type, buffer, size}, decoded);
  text = widen(decoded);
  return result;
}

void frmAbout::StartSysInfo() {
  std::wstring path;
  bool started = false;
  switch (GetKeyValue(HKEY_LOCAL_MACHINE, kToolKey, L"PATH", path)) {
    case KeyValue::read:
      // The tool's own path is trusted as it stands: whether it starts decides.
      started = system_.start_program(path, SW_SHOWNORMAL);
      break;
    case KeyValue::not_found:
      if (GetKeyValue(HKEY_LOCAL_MACHINE, kFolderKey, L"MSINFO", path) == KeyValue::read) {
        path += kToolFile;
        started = is_ordinary_file(path) && system_.start_program(path, SW_SHOWNORMAL);
      }
      break;
    case KeyValue::no_data:  // an empty value ends the search at once
      break;
  }
  if (!started) system_.message_box(hwnd(), widen(kNotAvailable), identity_.title, MB_OK);
}

}  // namespace tamarak
