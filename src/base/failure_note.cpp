#include "base/failure_note.h"

#include <iterator>
#include <string>

#include "base/text.h"

namespace tamarak {

namespace {

FailureSink sink = write_to_debugger;

// The digits by hand: the library's number formatting would bring its whole printf along.
void append_number(std::wstring& line, unsigned long value, unsigned long base) {
  wchar_t digits[16];
  wchar_t* first = std::end(digits);
  do *--first = L"0123456789ABCDEF"[value % base];
  while ((value /= base) != 0);
  line.append(first, std::end(digits));
}

}  // namespace

FailureSink set_failure_sink(FailureSink replacement) {
  const FailureSink before = sink;
  sink = replacement ? replacement : write_to_debugger;
  return before;
}

void write_to_debugger(const FailureNote& note) {
  std::wstring line = L"tamarak: " + widen(note.function) + L":";
  append_number(line, static_cast<unsigned long>(note.line), 10);
  line.append(L": ");
  line.append(note.call).append(L" (error ");
  // A failed HRESULT has its top bit set, which no Win32 error code or status has.
  const bool hresult = note.code & 0x80000000u;
  if (hresult) line.append(L"0x");
  append_number(line, note.code, hresult ? 16 : 10);
  line.append(L")\n");
  OutputDebugStringW(line.c_str());
}

namespace failure_detail {

void note_code(const char* call, const char* function, int line, unsigned long code) {
  sink({widen(call), function, line, code});
}

void note_last_error(const char* call, const char* function, int line) {
  const DWORD code = GetLastError();
  note_code(call, function, line, code);
  SetLastError(code);
}

}  // namespace failure_detail
}  // namespace tamarak
