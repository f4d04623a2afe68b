#include "ui/rounded_frame.h"

#include "ui/dpi_scale.h"

namespace tamarak {

void apply_rounded_frame(HWND window, int dpi) {
  RECT outer;
  GetWindowRect(window, &outer);
  const int corner = scale_to_dpi(25, dpi);
  // A region that cannot be made leaves the window rectangular until its next resize.
  const HRGN region = CreateRoundRectRgn(0, 0, outer.right - outer.left, outer.bottom - outer.top, corner, corner);
  SetWindowRgn(window, region, TRUE);
}

}  // namespace tamarak
