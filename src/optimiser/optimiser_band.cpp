#include "optimiser/optimiser_band.h"

#include "monitor/memory_figures.h"
#include "ui/text.h"

namespace tamarak {

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

struct Level {
  int button, amount;
  const char* caption;
  const char* tip;
  double share;
  DesignRect amount_rect;
};

constexpr Level kLevels[4] = {
    {cmdMemLow, Label17, "20 %", "物理メモリを20％最適化します", 0.2, {128, 128, 53, 17}},
    {cmdMemMid, Label16, "40 %", "物理メモリを40％最適化します", 0.4, {184, 128, 53, 21}},
    {cmdMemHig, Label15, "60 %", "物理メモリを60％最適化します", 0.6, {240, 128, 53, 21}},
    {cmdMemHigHig, Label18, "80 %", "物理メモリを80％最適化します", 0.8, {296, 128, 53, 17}},
};

}  // namespace

OptimiserBand::OptimiserBand(ControlSet& controls, HWND window, HFONT font, HFONT italic_font)
    : window_(window), tips_(window) {
  const LabelLook white{kWhite, std::nullopt, SS_LEFT, false, font};
  controls.add_line({-36, 112, 16, 112, kWhite});  // Line4
  controls.add_label(Label13, {24, 108, 93, 21}, "メモリの最適化", white);
  controls.add_line({116, 112, 364, 112, kWhite});  // Line2
  for (int i = 0; i < 4; ++i) {
    const Level& level = kLevels[i];
    tips_.add(controls.add_button(level.button, {128 + 56 * i, 104, 53, 21}, level.caption, font), level.tip);
    controls.add_label(level.amount, level.amount_rect, "", {kWhite, std::nullopt, SS_CENTER, false, font});
  }
  controls.add_label(Label12, {20, 126, 105, 17}, "- Version 3.0 -",
                     {RGB(255, 0, 255), std::nullopt, SS_LEFT, false, italic_font});
  controls.add_label(Label14, {372, 108, 137, 29}, "(C) Tamarak Project", white);
  controls.add_line({480, 124, 528, 124, kWhite});  // Line8
}

void OptimiserBand::show_amounts(std::uint64_t total_phys) {
  for (const Level& level : kLevels)
    SetDlgItemTextW(window_, level.amount, widen(amount_text(total_phys, level.share)).c_str());
}

}  // namespace tamarak
