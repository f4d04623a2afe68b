#include "monitor/memory_panel.h"

#include <string>

#include "ui/text.h"

namespace tamarak {

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kSilver = RGB(192, 192, 192);

struct Lit {
  int label;
  int line_a, line_b;  // Line1 indices
  COLORREF colour;
};

// Band 1 to 4; band 0 lights nothing.
constexpr Lit kLit[5] = {
    {0, 0, 0, 0},
    {Label11, 1, 5, RGB(0, 255, 0)},
    {Label10, 6, 2, RGB(0, 255, 0)},
    {Label9, 3, 7, RGB(255, 255, 0)},
    {Label8_0, 0, 4, RGB(255, 0, 0)},
};

void set_text(HWND parent, int id, const std::string& utf8) {
  const std::wstring text = widen(utf8);
  wchar_t current[64];
  GetDlgItemTextW(parent, id, current, 64);
  if (text != current) SetDlgItemTextW(parent, id, text.c_str());
}

}  // namespace

MemoryPanel::MemoryPanel(ControlSet& controls, const MeterIcons& icons, HFONT font, HFONT legend_font)
    : controls_(controls) {
  const LabelLook heading{RGB(0, 0, 0), RGB(255, 224, 192), SS_CENTER, true, font};
  const LabelLook column{RGB(0, 0, 0), RGB(192, 255, 192), SS_CENTER, true, font};
  const LabelLook row{RGB(0, 0, 0), RGB(255, 255, 192), SS_CENTER, true, font};
  const LabelLook value{RGB(0, 0, 0), kSilver, SS_RIGHT, true, font};
  const LabelLook legend{kWhite, std::nullopt, SS_LEFT, false, legend_font};

  controls.add_label(Label1, {12, 12, 109, 17}, "メモリ使用率", heading);
  controls.add_label(lblMemoryLoad, {124, 12, 57, 17}, "", value);
  controls.add_label(Label5, {320, 12, 57, 17}, "全容量", column);
  controls.add_label(Label6, {380, 12, 57, 17}, "空容量", column);
  controls.add_label(Label7, {440, 12, 57, 17}, "使用率", column);
  controls.add_label(Label2, {196, 32, 121, 17}, "物理メモリ", row);
  controls.add_label(Label4, {196, 52, 121, 17}, "ページングファイル", row);
  controls.add_label(Label3, {196, 72, 121, 17}, "仮想メモリ", row);
  const int value_ids[3][3] = {{lblTotalPhys, lblAvailPhys, lblPhysPer},
                               {lblTotalPageFile, lblAvailPageFile, lblPagePer},
                               {lblTotalVirtual, lblAvailVirtual, lblVirtPer}};
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) controls.add_label(value_ids[r][c], {320 + 60 * c, 32 + 20 * r, 57, 17}, "", value);

  for (int band = 0; band < 5; ++band) {
    images_[band] = controls.add_image(imgIcon0 + band, {84, 56, 32, 32}, icons[band]);
    ShowWindow(images_[band], SW_HIDE);
  }
  controls.add_label(Label8_0, {140, 40, 37, 17}, "100 %", legend);
  controls.add_label(Label9, {28, 48, 49, 17}, "75-99 %", legend);
  controls.add_label(Label10, {132, 72, 45, 17}, "50-74 %", legend);
  controls.add_label(Label11, {28, 76, 45, 17}, "25-49 %", legend);

  constexpr DesignLine kCallouts[8] = {
      {112, 60, 120, 52, kWhite}, {16, 88, 80, 88, kWhite},   {120, 84, 184, 84, kWhite},
      {16, 60, 80, 60, kWhite},   {120, 52, 184, 52, kWhite}, {80, 88, 88, 80, kWhite},
      {112, 76, 120, 84, kWhite}, {80, 60, 88, 68, kWhite},
  };
  for (int i = 0; i < 8; ++i) lines_[i] = controls.add_line(kCallouts[i]);
}

void MemoryPanel::show_figures(const MemorySample& s) {
  const HWND parent = GetParent(images_[0]);
  set_text(parent, lblMemoryLoad, load_text(s.load));
  set_text(parent, lblTotalPhys, size_text(s.total_phys));
  set_text(parent, lblAvailPhys, size_text(s.avail_phys));
  set_text(parent, lblTotalPageFile, size_text(s.total_page_file));
  set_text(parent, lblAvailPageFile, size_text(s.avail_page_file));
  set_text(parent, lblTotalVirtual, size_text(s.total_virtual));
  set_text(parent, lblAvailVirtual, size_text(s.avail_virtual));
  set_text(parent, lblPhysPer, used_share_text(s.avail_phys, s.total_phys));
  set_text(parent, lblPagePer, used_share_text(s.avail_page_file, s.total_page_file));
  set_text(parent, lblVirtPer, used_share_text(s.avail_virtual, s.total_virtual));
}

void MemoryPanel::show_band(int band) {
  // The outcome of "reset everything, then light the band", applied without touching what stays
  // the same, so the indicator does not flicker every two seconds.
  for (int b = 0; b < 5; ++b) {
    const bool shown = GetWindowLongW(images_[b], GWL_STYLE) & WS_VISIBLE;
    if (shown != (b == band)) ShowWindow(images_[b], b == band ? SW_SHOWNA : SW_HIDE);
  }
  for (int b = 1; b < 5; ++b) {
    const COLORREF colour = b == band ? kLit[b].colour : kWhite;
    controls_.set_text_colour(kLit[b].label, colour);
    controls_.set_line_colour(lines_[kLit[b].line_a], colour);
    controls_.set_line_colour(lines_[kLit[b].line_b], colour);
  }
}

}  // namespace tamarak
