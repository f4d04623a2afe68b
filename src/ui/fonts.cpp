#include "ui/fonts.h"

#include "base/failure_note.h"
#include "base/guards.h"

namespace tamarak {

namespace {

OwnedFont gothic(int centipoints, int weight, bool italic, bool underline, int dpi) {
  return OwnedFont(NOTE_IF_NULL(CreateFontW(-MulDiv(centipoints, dpi, 7200), 0, 0, 0, weight, italic, underline, FALSE,
                                            SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                            FIXED_PITCH | FF_MODERN, L"ＭＳ ゴシック")));
}

OwnedFont message_font(int dpi) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  NOTE_IF_FALSE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
  // The metrics come at the system's dpi.
  const WindowDC screen(nullptr);
  const int system_dpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
  metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, dpi, system_dpi > 0 ? system_dpi : 96);
  return OwnedFont(NOTE_IF_NULL(CreateFontIndirectW(&metrics.lfMessageFont)));
}

}  // namespace

OwnedFont make_font(Face face, int dpi) {
  switch (face) {
    case Face::none: return {};
    case Face::gothic_9: return gothic(900, FW_NORMAL, false, false, dpi);
    case Face::gothic_9_italic: return gothic(900, FW_NORMAL, true, false, dpi);
    case Face::gothic_9_underline: return gothic(900, FW_NORMAL, false, true, dpi);
    case Face::gothic_825: return gothic(825, FW_NORMAL, false, false, dpi);
    case Face::gothic_12_bold: return gothic(1200, FW_BOLD, false, false, dpi);
    case Face::message: return message_font(dpi);
  }
  return {};
}

}  // namespace tamarak
