// Failures the program goes on without (a window class, control or timer not made, a drop target
// not registered, a tray call or shell command refused) are shown to nobody and written nowhere, but
// leave a line in the debugger output: DebugView on Windows, WINEDEBUG=+debugstr under Wine.
//
// One macro per kind of result wraps the call, evaluates it once and gives its result back, so it
// reads inline: `if (!NOTE_IF_NULL(CreateWindowExW(...))) return false;`. On failure it notes the
// call as written, the function and the line, with the call's code:
//   NOTE_IF_FALSE    a BOOL, bool or count, false or 0 on failure; GetLastError's code
//   NOTE_IF_REFUSED  the same from a call that sets no error code (Shell_NotifyIcon, a control's
//                    message): code 0, not a stale one
//   NOTE_IF_NULL     a handle or pointer, null on failure; GetLastError's code
//   NOTE_IF_INVALID  a kernel handle, INVALID_HANDLE_VALUE on failure; GetLastError's code
//   NOTE_IF_FAILED   an HRESULT; the HRESULT
//   NOTE_IF_ERROR    a status, 0 on success and the error otherwise (LSTATUS, Winsock's)
//   NOTE_IF_SHELL_FAILED  ShellExecute's HINSTANCE, 32 or less on failure; that value
#pragma once

#include <windows.h>

#include <string_view>
#include <type_traits>

namespace tamarak {

struct FailureNote {
  std::wstring_view call;  // as written
  const char* function;
  int line;
  unsigned long code;
};

// Every note goes to one sink. The default writes "tamarak: <function>:<line>: <call> (error <code>)"
// to the debugger output, an HRESULT's code in hex and any other in decimal.
using FailureSink = void (*)(const FailureNote&);
// Returns the sink it replaces; null puts the default back.
FailureSink set_failure_sink(FailureSink sink);
void write_to_debugger(const FailureNote& note);

namespace failure_detail {

// Out of line and cold: the call sites keep only the test and the jump. GetLastError is kept as the
// failed call left it.
[[gnu::cold]] void note_last_error(const char* call, const char* function, int line);
[[gnu::cold]] void note_code(const char* call, const char* function, int line, unsigned long code);

template <class T>
T if_false(T result, const char* call, const char* function, int line) {
  static_assert(std::is_integral_v<T>, "NOTE_IF_FALSE takes a BOOL, bool or count; a handle takes NOTE_IF_NULL");
  if (!result) note_last_error(call, function, line);
  return result;
}

template <class T>
T if_refused(T result, const char* call, const char* function, int line) {
  static_assert(std::is_integral_v<T>, "NOTE_IF_REFUSED takes a BOOL, bool or count");
  if (!result) note_code(call, function, line, 0);
  return result;
}

template <class T>
T* if_null(T* result, const char* call, const char* function, int line) {
  if (!result) note_last_error(call, function, line);
  return result;
}

inline HANDLE if_invalid(HANDLE result, const char* call, const char* function, int line) {
  if (result == INVALID_HANDLE_VALUE) note_last_error(call, function, line);
  return result;
}

inline HRESULT if_failed(HRESULT result, const char* call, const char* function, int line) {
  if (FAILED(result)) note_code(call, function, line, static_cast<unsigned long>(result));
  return result;
}

template <class T>
T if_error(T status, const char* call, const char* function, int line) {
  static_assert(std::is_integral_v<T>, "NOTE_IF_ERROR takes a status code");
  if (status != 0) note_code(call, function, line, static_cast<unsigned long>(status));
  return status;
}

inline HINSTANCE if_shell_failed(HINSTANCE result, const char* call, const char* function, int line) {
  if (const auto value = reinterpret_cast<INT_PTR>(result); value <= 32)
    note_code(call, function, line, static_cast<unsigned long>(value));
  return result;
}

}  // namespace failure_detail
}  // namespace tamarak

// The call is stringised here, unexpanded: its constants read as written, not as numbers.
#define NOTE_IF_FALSE(call) ::tamarak::failure_detail::if_false((call), #call, __func__, __LINE__)
#define NOTE_IF_REFUSED(call) ::tamarak::failure_detail::if_refused((call), #call, __func__, __LINE__)
#define NOTE_IF_NULL(call) ::tamarak::failure_detail::if_null((call), #call, __func__, __LINE__)
#define NOTE_IF_INVALID(call) ::tamarak::failure_detail::if_invalid((call), #call, __func__, __LINE__)
#define NOTE_IF_FAILED(call) ::tamarak::failure_detail::if_failed((call), #call, __func__, __LINE__)
#define NOTE_IF_ERROR(call) ::tamarak::failure_detail::if_error((call), #call, __func__, __LINE__)
#define NOTE_IF_SHELL_FAILED(call) ::tamarak::failure_detail::if_shell_failed((call), #call, __func__, __LINE__)
