#include "base/failure_note.h"

#include <iterator>
#include <string>

namespace tamarak {

void note_failure(std::wstring_view what, unsigned long code) {
  // The digits by hand: the library's number formatting would bring its whole printf along.
  wchar_t digits[16];
  wchar_t* first = std::end(digits);
  do *--first = static_cast<wchar_t>(L'0' + code % 10);
  while ((code /= 10) != 0);
  std::wstring line = L"tamarak: ";
  line.append(what).append(L" (error ").append(first, std::end(digits)).append(L")\n");
  OutputDebugStringW(line.c_str());
}

}  // namespace tamarak
