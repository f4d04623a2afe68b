#include "ui/rounded_frame.h"

#include "base/dpi_scale.h"
#include "base/failure_note.h"
#include "base/handles.h"

namespace tamarak {

void apply_rounded_frame(HWND window, int dpi) {
  RECT outer{};
  GetWindowRect(window, &outer);
  const int corner = scale_to_dpi(25, dpi);
  // A region that cannot be made leaves the window rectangular until its next resize.
  OwnedRegion region(
      NOTE_IF_NULL(CreateRoundRectRgn(0, 0, outer.right - outer.left, outer.bottom - outer.top, corner, corner)));
  // The window owns the region once it has taken it; one it refused is still ours to free.
  if (region && NOTE_IF_FALSE(SetWindowRgn(window, region.get(), TRUE))) static_cast<void>(region.release());
}

}  // namespace tamarak
