#include "about/sys_info_launcher.h"

#include "base/text.h"

namespace tamarak {

namespace {

constexpr wchar_t kToolKey[] = L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr wchar_t kFolderKey[] = L"SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr wchar_t kToolFile[] = L"\\MSINFO32.EXE";
constexpr char kNotAvailable[] = "現時点ではｼｽﾃﾑ情報を使用できません";

}  // namespace

KeyValue GetKeyValue(SystemServices& system, HKEY root, const std::wstring& key_path, const std::wstring& value_name,
                     std::wstring& text) {
  std::u16string decoded(text.begin(), text.end());
  const KeyValue result = decode_value(system.read_registry_value(root, key_path, value_name), decoded);
  text.assign(decoded.begin(), decoded.end());
  return result;
}

void StartSysInfo(SystemServices& system, Prompts& prompts, HWND owner, std::wstring_view title) {
  std::wstring path;
  bool started = false;
  switch (GetKeyValue(system, HKEY_LOCAL_MACHINE, kToolKey, L"PATH", path)) {
    case KeyValue::read:
      // The tool's own path is trusted as it stands: whether it starts decides.
      started = system.start_program(path);
      break;
    case KeyValue::not_found:
      if (GetKeyValue(system, HKEY_LOCAL_MACHINE, kFolderKey, L"MSINFO", path) == KeyValue::read) {
        path += kToolFile;
        started = system.is_ordinary_file(path) && system.start_program(path);
      }
      break;
    case KeyValue::no_data:  // an empty value ends the search at once
      break;
  }
  if (!started) prompts.message_box(owner, widen(kNotAvailable), title, MB_OK);
}

}  // namespace tamarak
