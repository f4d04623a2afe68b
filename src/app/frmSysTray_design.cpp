#include "app/frmSysTray_design.h"

#include "app/commands.h"
#include "app/program_identity.h"

namespace tamarak::frmSysTray_design {

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255);

// The memory panel's boxes: bordered, coloured by what they hold.
constexpr Look kHeading{Face::gothic_9, kBlack, RGB(255, 224, 192), SS_CENTER | WS_BORDER};
constexpr Look kColumn{Face::gothic_9, kBlack, RGB(192, 255, 192), SS_CENTER | WS_BORDER};
constexpr Look kRow{Face::gothic_9, kBlack, RGB(255, 255, 192), SS_CENTER | WS_BORDER};
constexpr Look kValue{Face::gothic_9, kBlack, RGB(192, 192, 192), SS_RIGHT | WS_BORDER};
// Texts straight on the gradient.
constexpr Look kLegend{Face::gothic_9_italic, kWhite};
constexpr Look kOnGradient{Face::gothic_9, kWhite};
constexpr Look kAmount{Face::gothic_9, kWhite, std::nullopt, SS_CENTER};
constexpr Look kLevelButton{Face::gothic_9, kBlack, RGB(192, 192, 255)};

constexpr ControlRow kControls[] = {
    // The memory panel. A screen reader reads each figure with its row and column, as the table shows it.
    {Kind::label, Label1, "メモリ使用率", {12, 12, 109, 17}, kHeading},
    {Kind::label, lblMemoryLoad, "", {124, 12, 57, 17}, kValue, nullptr, 0, false, "メモリ使用率"},
    {Kind::label, Label5, "全容量", {320, 12, 57, 17}, kColumn},
    {Kind::label, Label6, "空容量", {380, 12, 57, 17}, kColumn},
    {Kind::label, Label7, "使用率", {440, 12, 57, 17}, kColumn},
    {Kind::label, Label2, "物理メモリ", {196, 32, 121, 17}, kRow},
    {Kind::label, Label4, "ページングファイル", {196, 52, 121, 17}, kRow},
    {Kind::label, Label3, "仮想メモリ", {196, 72, 121, 17}, kRow},
    {Kind::label, lblTotalPhys, "", {320, 32, 57, 17}, kValue, nullptr, 0, false, "物理メモリ 全容量"},
    {Kind::label, lblAvailPhys, "", {380, 32, 57, 17}, kValue, nullptr, 0, false, "物理メモリ 空容量"},
    {Kind::label, lblPhysPer, "", {440, 32, 57, 17}, kValue, nullptr, 0, false, "物理メモリ 使用率"},
    {Kind::label, lblTotalPageFile, "", {320, 52, 57, 17}, kValue, nullptr, 0, false, "ページングファイル 全容量"},
    {Kind::label, lblAvailPageFile, "", {380, 52, 57, 17}, kValue, nullptr, 0, false, "ページングファイル 空容量"},
    {Kind::label, lblPagePer, "", {440, 52, 57, 17}, kValue, nullptr, 0, false, "ページングファイル 使用率"},
    {Kind::label, lblTotalVirtual, "", {320, 72, 57, 17}, kValue, nullptr, 0, false, "仮想メモリ 全容量"},
    {Kind::label, lblAvailVirtual, "", {380, 72, 57, 17}, kValue, nullptr, 0, false, "仮想メモリ 空容量"},
    {Kind::label, lblVirtPer, "", {440, 72, 57, 17}, kValue, nullptr, 0, false, "仮想メモリ 使用率"},
    // The band indicator: one picture of the five, the band's legend lit.
    {Kind::image, imgIcon0 + 0, "", {84, 56, 32, 32}, {Face::none}, nullptr, 0, true, "メモリ使用率メーター 0-24 %"},
    {Kind::image, imgIcon0 + 1, "", {84, 56, 32, 32}, {Face::none}, nullptr, 0, true, "メモリ使用率メーター 25-49 %"},
    {Kind::image, imgIcon0 + 2, "", {84, 56, 32, 32}, {Face::none}, nullptr, 0, true, "メモリ使用率メーター 50-74 %"},
    {Kind::image, imgIcon0 + 3, "", {84, 56, 32, 32}, {Face::none}, nullptr, 0, true, "メモリ使用率メーター 75-99 %"},
    {Kind::image, imgIcon0 + 4, "", {84, 56, 32, 32}, {Face::none}, nullptr, 0, true, "メモリ使用率メーター 100 %"},
    {Kind::label, Label8_0, "100 %", {140, 40, 37, 17}, kLegend},
    {Kind::label, Label9, "75-99 %", {28, 48, 49, 17}, kLegend},
    {Kind::label, Label10, "50-74 %", {132, 72, 45, 17}, kLegend},
    {Kind::label, Label11, "25-49 %", {28, 76, 45, 17}, kLegend},
    // The optimiser band.
    {Kind::label, Label13, "メモリの最適化", {24, 108, 93, 21}, kOnGradient},
    {Kind::colour_button, cmdMemLow, "20 %", {128, 104, 53, 21}, kLevelButton, "物理メモリを20％最適化します"},
    {Kind::label, Label17, "", {128, 128, 53, 17}, kAmount},
    {Kind::colour_button, cmdMemMid, "40 %", {184, 104, 53, 21}, kLevelButton, "物理メモリを40％最適化します"},
    {Kind::label, Label16, "", {184, 128, 53, 21}, kAmount},
    {Kind::colour_button, cmdMemHig, "60 %", {240, 104, 53, 21}, kLevelButton, "物理メモリを60％最適化します"},
    {Kind::label, Label15, "", {240, 128, 53, 21}, kAmount},
    {Kind::colour_button, cmdMemHigHig, "80 %", {296, 104, 53, 21}, kLevelButton, "物理メモリを80％最適化します"},
    {Kind::label, Label18, "", {296, 128, 53, 17}, kAmount},
    {Kind::label, Label12, "- Version 3.0 -", {20, 126, 105, 17}, {Face::gothic_9_italic, RGB(255, 0, 255)}},
    {Kind::label, Label14, "(C) Tamarak Project", {372, 108, 137, 29}, kOnGradient},
};

constexpr LineRow kLines[] = {
    // Across the top edge of the client area, stretched to its width.
    {lin1, 0, 0, kClientWidth, 0, system_colour(COLOR_BTNSHADOW)},
    {lin2, 0, 1, kClientWidth, 1, system_colour(COLOR_BTNHIGHLIGHT)},
    // Callouts from the legends to the meter.
    {Line1_0 + 0, 112, 60, 120, 52, kWhite},
    {Line1_0 + 1, 16, 88, 80, 88, kWhite},
    {Line1_0 + 2, 120, 84, 184, 84, kWhite},
    {Line1_0 + 3, 16, 60, 80, 60, kWhite},
    {Line1_0 + 4, 120, 52, 184, 52, kWhite},
    {Line1_0 + 5, 80, 88, 88, 80, kWhite},
    {Line1_0 + 6, 112, 76, 120, 84, kWhite},
    {Line1_0 + 7, 80, 60, 88, 68, kWhite},
    // The optimiser band's rule, broken by its title and buttons, and the credit's underline.
    {Line4, -36, 112, 16, 112, kWhite},
    {Line2, 116, 112, 364, 112, kWhite},
    {Line8, 480, 124, 528, 124, kWhite},
};

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

}  // namespace

constinit const WindowDesign kDesign{.class_name = L"TamarakMain",
                                     .caption = kMainCaption,
                                     .style = kStyle,
                                     .ex_style = 0,
                                     .client_width = kClientWidth,
                                     .client_height = kClientHeight,
                                     .menu_bar = true,
                                     .controls = kControls,
                                     .lines = kLines};

}  // namespace tamarak::frmSysTray_design
