// The About window's launcher of the system information tool, and the registry reader it uses.
#include <string>

#include "about/frmAbout.h"
#include "base/text.h"

namespace tamarak {

namespace {

constexpr wchar_t kToolKey[] = L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr wchar_t kFolderKey[] = L"SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr wchar_t kToolFile[] = L"\\MSINFO32.EXE";
constexpr char kNotAvailable[] = "現時点ではｼｽﾃﾑ情報を使用できません";

}  // namespace

KeyValue frmAbout::GetKeyValue(HKEY root, const std::wstring& key_path, const std::wstring& value_name,
                               std::wstring& text) {
  std::u16string decoded(text.begin(), text.end());
  const KeyValue result = decode_value(system_.read_registry_value(root, key_path, value_name), decoded);
  text.assign(decoded.begin(), decoded.end());
  return result;
}

void frmAbout::StartSysInfo() {
  std::wstring path;
  bool started = false;
  switch (GetKeyValue(HKEY_LOCAL_MACHINE, kToolKey, L"PATH", path)) {
    case KeyValue::read:
      // The tool's own path is trusted as it stands: whether it starts decides.
      started = system_.start_program(path);
      break;
    case KeyValue::not_found:
      if (GetKeyValue(HKEY_LOCAL_MACHINE, kFolderKey, L"MSINFO", path) == KeyValue::read) {
        path += kToolFile;
        started = system_.is_ordinary_file(path) && system_.start_program(path);
      }
      break;
    case KeyValue::no_data:  // an empty value ends the search at once
      break;
  }
  if (!started) prompts_.message_box(hwnd(), widen(kNotAvailable), identity_.title, MB_OK);
}

}  // namespace tamarak
