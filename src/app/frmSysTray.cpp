#include "app/frmSysTray.h"

#include "app/menus.h"
#include "app/program_identity.h"
#include "ui/colour_button.h"
#include "ui/fonts.h"
#include "ui/gradient.h"
#include "ui/rounded_frame.h"
#include "ui/text.h"

namespace tamarak {

namespace {

constexpr UINT_PTR kTimer1 = 1;
constexpr UINT kTimer1Interval = 2000;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr int kClientWidth = 508, kClientHeight = 147;

}  // namespace

frmSysTray::frmSysTray(SystemServices& system, ProgramLifetime& lifetime)
    : Window(lifetime),
      system_(system),
      dpi_(screen_dpi()),
      font_(make_gothic_font(9, FontStyle::normal, dpi_)),
      italic_font_(make_gothic_font(9, FontStyle::italic, dpi_)),
      popup_(build_tray_popup()),
      taskbar_created_(RegisterWindowMessageW(L"TaskbarCreated")) {}

bool frmSysTray::create() {
  RECT frame{0, 0, MulDiv(kClientWidth, dpi_, 96), MulDiv(kClientHeight, dpi_, 96)};
  AdjustWindowRectEx(&frame, kStyle, TRUE, 0);
  return create_window(L"TamarakMain", widen(kMainCaption).c_str(), kStyle, 0, frame.right - frame.left,
                       frame.bottom - frame.top, build_menu_bar());
}

void frmSysTray::on_create() {
  controls_ = std::make_unique<ControlSet>(hwnd(), dpi_);
  controls_->set_backdrop([this](HDC dc, int w, int h) { paint_backdrop(dc, w, h); });
  lin1_ = controls_->add_line({0, 0, kClientWidth, 0, GetSysColor(COLOR_BTNSHADOW)});
  lin2_ = controls_->add_line({0, 1, kClientWidth, 1, GetSysColor(COLOR_BTNHIGHLIGHT)});
  panel_ = std::make_unique<MemoryPanel>(*controls_, icons_, font_.get(), italic_font_.get());
  band_ = std::make_unique<OptimiserBand>(*controls_, hwnd(), font_.get(), italic_font_.get());
  tray_ = std::make_unique<TrayIcon>(system_, hwnd());
  SetTimer(hwnd(), kTimer1, kTimer1Interval, nullptr);
}

void frmSysTray::paint_backdrop(HDC dc, int width, int height) const {
  for (int row = 0; row < height; ++row) {
    SetDCBrushColor(dc, RGB(0, 0, gradient_blue(row, height)));
    const RECT line{0, row, width, row + 1};
    FillRect(dc, &line, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  }
}

void frmSysTray::Form_Load() {
  const MemorySample sample = system_.memory_status();
  ShowWindow(hwnd(), SW_HIDE);
  if (system_.os_major_version() < 4) {
    system_.message_box(hwnd(), widen(kTooOldMessage), widen(kProgramTitle), MB_OK);
    refused_ = true;
    DestroyWindow(hwnd());
    return;
  }
  RefreshMemoryStatus(NIM_ADD);
  band_->show_amounts(sample.total_phys);
  if (system_.another_instance_running()) {
    system_.message_box(hwnd(), widen(kSecondCopyMessage), widen(kProgramTitle), MB_ICONEXCLAMATION);
    unload(CloseReason::program);
  }
}

void frmSysTray::RefreshMemoryStatus(DWORD message) {
  const MemorySample sample = system_.memory_status();
  if (IsWindowVisible(hwnd())) panel_->show_figures(sample);
  const int band = load_band(sample.load);
  tray_->send(message, icons_[band], sample.load);
  panel_->show_band(band);
}

void frmSysTray::Timer1_Timer() { RefreshMemoryStatus(tray_->tick_operation()); }

void frmSysTray::ShowMainWindow() {
  if (!IsWindowVisible(hwnd())) {
    ShowWindow(hwnd(), SW_SHOW);
    Timer1_Timer();
  }
  SetForegroundWindow(hwnd());
  SetFocus(hwnd());
}

void frmSysTray::mnuFileClose_Click() { ShowWindow(hwnd(), SW_HIDE); }
void frmSysTray::mnuFileExit_Click() { unload(CloseReason::program); }
void frmSysTray::mnuPopupOpen_Click() { ShowMainWindow(); }
void frmSysTray::mnuPopupExit_Click() { mnuFileExit_Click(); }

bool frmSysTray::Form_QueryUnload(CloseReason reason) {
  if (reason != CloseReason::user) return false;
  ShowWindow(hwnd(), SW_HIDE);
  return true;
}

void frmSysTray::unload(CloseReason reason) {
  if (!Form_QueryUnload(reason)) DestroyWindow(hwnd());
}

void frmSysTray::Form_Unload() { RefreshMemoryStatus(NIM_DELETE); }

void frmSysTray::Form_Resize() {
  RECT client;
  GetClientRect(hwnd(), &client);
  controls_->set_line_right_end(lin1_, client.right);
  controls_->set_line_right_end(lin2_, client.right);
  apply_rounded_frame(hwnd(), dpi_);
}

void frmSysTray::on_tray_callback(WPARAM icon_id, LPARAM mouse_message) {
  if (icon_id != kTrayIconId) return;
  if (mouse_message == WM_LBUTTONDBLCLK) {
    ShowMainWindow();
  } else if (mouse_message == WM_RBUTTONDOWN) {
    POINT pointer;
    GetCursorPos(&pointer);
    // Without the foreground the menu would not close on a click elsewhere.
    SetForegroundWindow(hwnd());
    const UINT command = system_.track_popup_menu(hwnd(), popup_.get(), pointer);
    PostMessageW(hwnd(), WM_NULL, 0, 0);
    if (command) on_command(command);
  }
}

void frmSysTray::on_command(UINT id) {
  switch (id) {
    case mnuFileClose: mnuFileClose_Click(); break;
    case mnuFileExit: mnuFileExit_Click(); break;
    case mnuPopupOpen: mnuPopupOpen_Click(); break;
    case mnuPopupExit: mnuPopupExit_Click(); break;
  }
}

LRESULT frmSysTray::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE: on_create(); return 0;
    case WM_TIMER: if (wparam == kTimer1) Timer1_Timer(); return 0;
    case WM_COMMAND: on_command(LOWORD(wparam)); return 0;
    case kTrayCallbackMessage: on_tray_callback(wparam, lparam); return 0;
    case WM_SIZE: Form_Resize(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      const HDC dc = BeginPaint(hwnd(), &ps);
      controls_->paint(dc, ps.rcPaint);
      EndPaint(hwnd(), &ps);
      return 0;
    }
    case WM_CTLCOLORSTATIC: return controls_->on_ctl_colour_static(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_DRAWITEM: draw_colour_button(*reinterpret_cast<DRAWITEMSTRUCT*>(lparam), kLevelButtonFace); return TRUE;
    case WM_SYSCOMMAND:
      if ((wparam & 0xFFF0) == SC_CLOSE) return unload(CloseReason::user), 0;
      break;
    case WM_CLOSE: unload(CloseReason::task_manager); return 0;
    case WM_QUERYENDSESSION: return TRUE;
    case WM_ENDSESSION: if (wparam) unload(CloseReason::session_end); return 0;
    case WM_DESTROY:
      KillTimer(hwnd(), kTimer1);
      if (!refused_) Form_Unload();
      return 0;
  }
  if (message == taskbar_created_ && tray_ && tray_->wanted()) RefreshMemoryStatus(NIM_ADD);
  return default_message(message, wparam, lparam);
}

}  // namespace tamarak
