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

using namespace frmAbout_design;

namespace {

constexpr UINT_PTR kTimer1 = 1;
constexpr UINT kTimer1Interval = 10;
}  // namespace

frmAbout::frmAbout(SystemServices& system, Prompts& prompts, WindowHost& host)
    : DesignedWindow(host, prompts, kDesign), system_(system), identity_(read_own_identity()) {}

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
  if (!create_designed(owner)) return;
  Form_Load();
  show_normal(hwnd());
  SetForegroundWindow(hwnd());
  SetFocus(item(cmdOK));
  // Only once it is up and active, so the focus does not wander off to another program meanwhile.
  modal_.emplace(hwnd(), host());
  prompts_.run_modal(hwnd());
}

void frmAbout::on_create() {
  make_controls();
  controls().set_backdrop(nullptr, kDialogScheme);
  controls().follow_system_colours(system_.follow_app_mode(hwnd()));
  load_icons();
}

// Moved to a monitor of another scale: the credit strip is drawn again in its face at the new dpi.
void frmAbout::relayout_for_dpi() {
  load_icons();
  controls().relayout(dpi());
  prepare_strip();
}

// High contrast or the app mode turned on or off, or the system's colours changed: the strip is drawn
// again too, and starts again from the bottom.
void frmAbout::follow_system_colours() {
  controls().follow_system_colours(system_.follow_app_mode(hwnd()));
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
