#include "ui/common_controls.h"

#include <windows.h>
#include <commctrl.h>

#include "base/failure_note.h"

namespace tamarak {

void init_common_controls() {
  static bool done = false;
  if (done) return;
  done = true;
  const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
  NOTE_IF_FALSE(InitCommonControlsEx(&classes));
}

}  // namespace tamarak
