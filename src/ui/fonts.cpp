#include "ui/fonts.h"

namespace tamarak {

OwnedFont make_gothic_font(int points, FontStyle style, int dpi) {
  return OwnedFont(CreateFontW(-MulDiv(points, dpi, 72), 0, 0, 0, style == FontStyle::bold ? FW_BOLD : FW_NORMAL,
                               style == FontStyle::italic, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN,
                               L"ＭＳ ゴシック"));
}

}  // namespace tamarak
