#include "ui/common_controls.h"

#include <windows.h>
#include <commctrl.h>

namespace tamarak {

void init_common_controls() {
  static const bool done = [] {
    const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
    return InitCommonControlsEx(&classes) != FALSE;
  }();
  static_cast<void>(done);
}

}  // namespace tamarak
