// Opens a file beside the program through the shell, with the program folder as working folder.
#pragma once

#include <windows.h>

#include <string>

#include "system/system_services.h"

namespace tamarak {

// The running executable's path, and its folder, however long the path.
std::wstring own_program_path();
std::u16string own_program_folder();

void open_beside_program(SystemServices& system, HWND owner, const std::u16string& relative);

}  // namespace tamarak
