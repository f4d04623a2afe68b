#include "ui/fonts.h"

namespace tamarak {

OwnedFont make_gothic_font(int points, FontStyle style, int dpi) {
  return make_gothic_font_centipoints(points * 100, style, dpi);
}

OwnedFont make_gothic_font_centipoints(int centipoints, FontStyle style, int dpi) {
  return OwnedFont(CreateFontW(-MulDiv(centipoints, dpi, 7200), 0, 0, 0, style == FontStyle::bold ? FW_BOLD : FW_NORMAL,
                               style == FontStyle::italic, style == FontStyle::underline, FALSE, SHIFTJIS_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN,
                               L"ＭＳ ゴシック"));
}

}  // namespace tamarak
