// Failures the program goes on without (a window class, control or timer not made, a drop target
// not registered, a tray call or shell command refused) are shown to nobody and written nowhere, but
// leave a line in the debugger output: DebugView on Windows, WINEDEBUG=+debugstr under Wine.
#pragma once

#include <windows.h>

#include <string_view>

namespace tamarak {

// "tamarak: <what> (error <code>)": the code is GetLastError's, or an HRESULT where the call gave one.
void note_failure(std::wstring_view what, unsigned long code = GetLastError());

}  // namespace tamarak
