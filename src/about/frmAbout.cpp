#include "about/frmAbout.h"

#include <algorithm>

#include "about/sys_info_launcher.h"
#include "about/version_label.h"
#include "base/dpi_scale.h"
#include "base/failure_note.h"
#include "base/guards.h"
#include "base/text.h"
#include "ui/rounded_frame.h"

namespace tamarak {

namespace {

constexpr UINT_PTR kTimer1 = 1;
constexpr UINT kTimer1Interval = 10;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
constexpr int kClientWidth = 388, kClientHeight = 359;

constexpr char kHomePage[] = "https://www.example.com/tamarak/";
constexpr char kMailAddress[] = "tamarak@example.com";
constexpr char kCreditText[] = "みずなぎ ソフト工房\r\n　　(・_・ゞ－☆";
// The credit as a screen reader reads the picture that scrolls it.
constexpr char kCreditName[] = "みずなぎ ソフト工房　(・_・ゞ－☆";

// Design positions in twips, as pixels at 96 dpi; every one of them is a whole pixel.
constexpr DesignRect twips(int left, int top, int width, int height) {
  return {left / 15, top / 15, width / 15, height / 15};
}

constexpr COLORREF kBlack = RGB(0, 0, 0);
// The description breaks its lines; a one-line label cuts off at its right edge rather than wrap
// its end out of sight.
constexpr Look kPlain{Face::gothic_9};
constexpr Look kOneLine{Face::gothic_9, kBlack, std::nullopt, SS_LEFTNOWORDWRAP};
constexpr Look kLink{Face::gothic_9_underline, RGB(0, 0, 255), std::nullopt, SS_LEFTNOWORDWRAP};

// The buttons first: their order is the tab order.
constexpr ControlRow kControls[] = {
    {Kind::button, frmAbout::cmdOK, "OK", twips(4245, 2625, 1380, 345), {Face::gothic_9, kBlack, {}, BS_DEFPUSHBUTTON}},
    {Kind::button, frmAbout::cmdSysInfo, "ｼｽﾃﾑ情報(&S)", twips(4260, 3075, 1380, 345)},
    {Kind::image, frmAbout::Picture4, "", twips(240, 240, 480, 480), {Face::none}},
    {Kind::label, frmAbout::lblTitle, "", twips(960, 240, 4005, 360), kOneLine},
    {Kind::label, frmAbout::lblVersion, "ﾊﾞｰｼﾞｮﾝ", twips(960, 600, 4005, 225), kOneLine},
    {Kind::label, frmAbout::Label4,
     "物理メモリを開放＆最適化＆モニタリング　　　   　　　　　便利機能も多数搭載したタスクトレー常駐ソフト！",
     twips(300, 960, 5235, 495), kPlain},
    {Kind::label, frmAbout::Label7,
     "メモリ使用率をタスクトレーにリアルタイム表示！            シンプルな操作と、親しみ易いGUI！　 "
     "　　　　　　　　　　　動作時のメモリ消費量も小さく，常駐するけど負荷知らず！",
     twips(300, 1440, 5235, 615), kPlain},
    {Kind::label, frmAbout::Label8, "末長くご愛用頂けたら幸いです。", twips(300, 2100, 5235, 255), kOneLine},
    // A picture box's sunken edge around the face; the transparent parts show the window behind.
    {Kind::image, frmAbout::picIcon, "", twips(240, 2700, 540, 540), {Face::none, kBlack, {}, 0, WS_EX_CLIENTEDGE}},
    {Kind::label, frmAbout::Label6, "製作者：山田 太郎 (・_・ゞ－☆", twips(900, 2760, 3255, 195), kOneLine},
    {Kind::label,
     frmAbout::Label9,
     "～ ｢遊び心｣を｢カタチ｣に ～",
     twips(1680, 3060, 2475, 255),
     {Face::gothic_825, kBlack, std::nullopt, SS_CENTER}},
    {Kind::label, frmAbout::Label2, "みずなぎのHP :", twips(360, 3540, 1215, 195), kOneLine},
    {Kind::link, frmAbout::Label1, kHomePage, twips(1620, 3540, 3330, 180), kLink},
    {Kind::label, frmAbout::Label5, "     E-Mail     :", twips(360, 3840, 1215, 195), kOneLine},
    {Kind::link, frmAbout::LblMail, kMailAddress, twips(1620, 3840, 2775, 255), kLink},
    {Kind::label,
     frmAbout::Label3,
     "Copyright (C) Tamarak Project",
     twips(1920, 4200, 3735, 195),
     {Face::gothic_9, kBlack, std::nullopt, SS_RIGHT}},
    // The ticker: a clipping viewport with a sunken edge, and inside it the strip, hidden until drawn
    // in the viewport's colours.
    {Kind::picture,
     frmAbout::Picture1,
     "",
     twips(840, 4800, 4215, 375),
     {Face::none, RGB(0, 255, 0), RGB(0, 0, 0), WS_CLIPCHILDREN, WS_EX_CLIENTEDGE},
     nullptr,
     0,
     false,
     kCreditName},
    {Kind::picture,
     frmAbout::Picture2,
     "",
     twips(120, -60, 1215, 495),
     {Face::none, kBlack, {}, SS_BITMAP},
     nullptr,
     frmAbout::Picture1,
     true},
    // Holds the credit text, never shown.
    {Kind::edit,
     frmAbout::Text1,
     "",
     twips(120, 4800, 2415, 375),
     {Face::none, kBlack, {}, ES_MULTILINE},
     nullptr,
     0,
     true},
};

// Two separators, above the face and above the ticker.
constexpr LineRow kLines[] = {
    {1, 6, 163, 377, 163, RGB(128, 128, 128)},
    {2, 7, 164, 377, 164, RGB(255, 255, 255)},
    {3, 8, 304, 379, 304, RGB(255, 255, 255)},
    {4, 8, 305, 378, 304, RGB(192, 192, 192)},
};

}  // namespace

std::span<const ControlRow> frmAbout::design() { return kControls; }

frmAbout::frmAbout(SystemServices& system, Prompts& prompts, WindowHost& host)
    : DesignedWindow(host, prompts), system_(system), identity_(read_own_identity()) {}

// The pictures at the window's dpi, handed to their controls; the old ones go only after that.
void frmAbout::load_icons() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  const int size = scale_to_dpi(32, dpi());
  OwnedIcon program(
      static_cast<HICON>(NOTE_IF_NULL(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0))));
  OwnedIcon face(static_cast<HICON>(NOTE_IF_NULL(LoadImageW(instance, L"FACE", IMAGE_ICON, size, size, 0))));
  controls().set_icon(Picture4, program.get());
  controls().set_icon(picIcon, face.get());
  program_icon_ = std::move(program);
  face_icon_ = std::move(face);
}

void frmAbout::Show(HWND owner) {
  if (hwnd()) {
    SetForegroundWindow(hwnd());
    return;
  }
  if (!create_window(L"TamarakAbout", L"", kStyle, kExStyle, {kClientWidth, kClientHeight}, owner)) return;
  Form_Load();
  show_normal(hwnd());
  SetForegroundWindow(hwnd());
  SetFocus(item(cmdOK));
  // Only once it is up and active, so the focus does not wander off to another program meanwhile.
  modal_.emplace(hwnd(), host());
  prompts_.run_modal(hwnd());
}

void frmAbout::on_create() {
  make_controls(kControls, kLines);
  controls().set_backdrop(
      [](HDC dc, int width, int height) {
        const RECT all{0, 0, width, height};
        FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
      },
      kDialogScheme);
  controls().follow_system_colours(system_.high_contrast());
  load_icons();
}

// Moved to a monitor of another scale: the credit strip is drawn again in its face at the new dpi.
void frmAbout::relayout_for_dpi() {
  load_icons();
  controls().relayout(dpi());
  prepare_strip();
}

// High contrast turned on or off, or the system's colours changed: the strip is drawn again too, and
// starts again from the bottom.
void frmAbout::follow_system_colours() {
  controls().follow_system_colours(system_.high_contrast());
  prepare_strip();
}

void frmAbout::Form_Load() {
  NOTE_IF_FALSE(SetWindowTextW(hwnd(), identity_.title.c_str()));
  controls().set_text(lblVersion, version_label(identity_.major, identity_.minor, identity_.revision));
  controls().set_text(lblTitle, identity_.title);
  controls().set_text(Text1, kCreditText);
  prepare_strip();
  ShowWindow(item(Picture2), SW_SHOW);
}

void frmAbout::follow_animation_setting(CreditScroller& scroller) {
  if (system_.animations()) {
    NOTE_IF_FALSE(SetTimer(hwnd(), kTimer1, kTimer1Interval, nullptr));
    return;
  }
  KillTimer(hwnd(), kTimer1);
  scroller.stand_still();
  place_strip(scroller);
}

void frmAbout::prepare_strip() {
  const HWND viewport = item(Picture1);
  const HWND strip = item(Picture2);
  const std::wstring credit = widen(kCreditText);
  const wchar_t* text = credit.c_str();
  const int length = static_cast<int>(credit.size());

  const OwnedFont font = make_font(Face::gothic_12_bold, dpi());
  RECT extent{0, 0, 0, 0};
  OwnedDC dc;
  OwnedBitmap picture;
  {
    const WindowDC screen(strip);
    dc.reset(NOTE_IF_NULL(CreateCompatibleDC(screen.get())));
    const Selected measuring(dc.get(), font.get());
    DrawTextW(dc.get(), text, length, &extent, DT_CALCRECT | DT_NOPREFIX);
    picture.reset(NOTE_IF_NULL(
        CreateCompatibleBitmap(screen.get(), std::max<LONG>(extent.right, 1), std::max<LONG>(extent.bottom, 1))));
  }
  {
    const Selected drawing_on(dc.get(), picture.get());
    const Selected in_font(dc.get(), font.get());
    // In the viewport's colours, as the window hands them to it.
    if (const auto brush = controls().colour(dc.get(), viewport))
      FillRect(dc.get(), &extent, reinterpret_cast<HBRUSH>(*brush));
    SetBkMode(dc.get(), TRANSPARENT);
    DrawTextW(dc.get(), text, length, &extent, DT_LEFT | DT_NOPREFIX);
  }
  // The control may answer with a copy it made of the picture it held: that one is ours to free.
  const auto held = reinterpret_cast<HBITMAP>(
      SendMessageW(strip, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture.get())));
  const OwnedBitmap copy(held != strip_bitmap_.get() ? held : nullptr);
  strip_bitmap_ = std::move(picture);
  NOTE_IF_FALSE(
      SetWindowPos(strip, nullptr, 0, 0, extent.right, extent.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE));

  RECT inside;
  GetClientRect(viewport, &inside);
  CreditScroller& scroller =
      scroller_.emplace(pixels_to_twips(inside.right, dpi()), pixels_to_twips(inside.bottom, dpi()),
                        pixels_to_twips(extent.right, dpi()), pixels_to_twips(extent.bottom, dpi()));
  follow_animation_setting(scroller);
  place_strip(scroller);
}

void frmAbout::place_strip(const CreditScroller& scroller) {
  const HWND strip = item(Picture2);
  const int left = twips_to_pixels(scroller.left(), dpi()), top = twips_to_pixels(scroller.top(), dpi());
  RECT now;
  GetWindowRect(strip, &now);
  MapWindowPoints(nullptr, item(Picture1), reinterpret_cast<POINT*>(&now), 2);
  // Two steps in three move it a whole pixel at 96 dpi; the others leave the screen alone.
  if (now.left != left || now.top != top)
    NOTE_IF_FALSE(SetWindowPos(strip, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE));
}

void frmAbout::Timer1_Timer() {
  // The timer runs from Form_Load, after the strip is made, until on_destroy.
  if (!scroller_) return;
  scroller_->tick();
  place_strip(*scroller_);
}

void frmAbout::on_timer(UINT_PTR timer) {
  if (timer == kTimer1) Timer1_Timer();
}

void frmAbout::Form_Resize() { apply_rounded_frame(hwnd(), dpi()); }

void frmAbout::cmdOK_Click() { unload(); }

void frmAbout::cmdSysInfo_Click() { StartSysInfo(system_, prompts_, hwnd(), identity_.title); }

void frmAbout::Label1_Click() { system_.open_link(widen(kHomePage)); }

void frmAbout::LblMail_Click() { system_.open_link(L"mailto:" + widen(kMailAddress)); }

void frmAbout::unload() {
  // The others come back before this one goes, so the activation returns to them and not to
  // another program.
  modal_.reset();
  DestroyWindow(hwnd());
}

void frmAbout::on_destroy() {
  KillTimer(hwnd(), kTimer1);
  modal_.reset();
  // A static control may have kept a copy of the strip's picture: take back whatever it holds.
  const auto held = reinterpret_cast<HBITMAP>(SendMessageW(item(Picture2), STM_SETIMAGE, IMAGE_BITMAP, 0));
  const OwnedBitmap copy(held != strip_bitmap_.get() ? held : nullptr);
  strip_bitmap_.reset();
  scroller_.reset();
}

void frmAbout::on_command(int id, int notification) {
  if (notification != BN_CLICKED) return;  // STN_CLICKED has the same value
  switch (id) {
    case cmdOK: cmdOK_Click(); break;
    case cmdSysInfo: cmdSysInfo_Click(); break;
    case Label1: Label1_Click(); break;
    case LblMail: LblMail_Click(); break;
  }
}

// Escape closes the window, as its OK button does.
void frmAbout::on_cancel() { cmdOK_Click(); }

bool frmAbout::on_set_cursor(HWND over) {
  if (over != item(Label1) && over != item(LblMail)) return false;
  SetCursor(LoadCursorW(nullptr, IDC_HAND));
  return true;
}

LRESULT frmAbout::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE: on_create(); return 0;
    case WM_SIZE: Form_Resize(); return 0;
    case WM_SETCURSOR:
      if (on_set_cursor(window_param(wparam))) return TRUE;
      break;
    case WM_CLOSE: unload(); return 0;
    case WM_SETTINGCHANGE:
      if (wparam == SPI_SETCLIENTAREAANIMATION && scroller_) follow_animation_setting(*scroller_);
      break;
  }
  return DesignedWindow::on_message(message, wparam, lparam);
}

}  // namespace tamarak
