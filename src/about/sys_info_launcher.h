// The launcher of the system information tool, as About's システム情報 button starts it, and the
// registry reader it uses.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "about/registry_value.h"
#include "system/system_services.h"
#include "ui/prompts.h"

namespace tamarak {

// One registry value as text; `text` is left alone for types other than strings and DWORDs.
KeyValue GetKeyValue(SystemServices& system, HKEY root, const std::wstring& key_path, const std::wstring& value_name,
                     std::wstring& text);

// Starts the tool that the registry names, or tells the user in a box of `title`, owned by `owner`,
// that it is not there.
void StartSysInfo(SystemServices& system, Prompts& prompts, HWND owner, std::wstring_view title);

}  // namespace tamarak
