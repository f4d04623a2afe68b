#include "app/frmSysTray.h"

#include <shlobj.h>

#include <utility>

#include "app/menus.h"
#include "commands/launch_beside_program.h"
#include "commands/program_paths.h"
#include "commands/uptime_text.h"
#include "optimiser/memory_optimiser.h"
#include "app/program_identity.h"
#include "ui/colour_button.h"
#include "ui/dpi_scale.h"
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
      icons_(scale_to_dpi(kMeterSize, dpi_)),
      tray_dpi_(dpi_),
      tray_icons_(system_.small_icon_size(dpi_)),
      popup_(build_tray_popup()) {}

bool frmSysTray::create() {
  return create_window(L"TamarakMain", widen(kMainCaption).c_str(), kStyle, 0, scale_to_dpi(kClientWidth, dpi_),
                       scale_to_dpi(kClientHeight, dpi_), build_menu_bar());
}

void frmSysTray::on_create() {
  controls_ = std::make_unique<ControlSet>(hwnd(), dpi_);
  controls_->set_backdrop([this](HDC dc, int w, int h) { paint_backdrop(dc, w, h); });
  lin1_ = controls_->add_line({0, 0, kClientWidth, 0, GetSysColor(COLOR_BTNSHADOW)});
  lin2_ = controls_->add_line({0, 1, kClientWidth, 1, GetSysColor(COLOR_BTNHIGHLIGHT)});
  panel_ = std::make_unique<MemoryPanel>(*controls_, icons_, font_.get(), italic_font_.get());
  band_ = std::make_unique<OptimiserBand>(*controls_, hwnd(), font_.get(), italic_font_.get());
  tray_ = std::make_unique<TrayIcon>(system_, hwnd());
  taskbar_created_ = system_.taskbar_created_message();
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
  tray_->send(message, tray_icons_[band], sample.load);
  panel_->show_band(band);
}

void frmSysTray::Timer1_Timer() { RefreshMemoryStatus(NIM_MODIFY); }

// The shell shows the tray picture at its small icon size: drawn at that size it stays crisp instead
// of being scaled down from 32 pixels.
void frmSysTray::fit_tray_icons(int dpi) {
  tray_dpi_ = dpi;
  const int size = system_.small_icon_size(dpi);
  if (size == tray_icons_.size()) return;
  // The old pictures go only once the tray holds the new one.
  const MeterIcons old = std::exchange(tray_icons_, MeterIcons(size));
  if (tray_ && tray_->wanted()) RefreshMemoryStatus(NIM_MODIFY);
}

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

void frmSysTray::run_optimiser(OptimiserLevel level) {
  const std::uint64_t total = system_.memory_status().total_phys;
  busy_ = true;
  SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  // Nothing returns to the message loop until the memory is released.
  if (fill_and_release(filler_count(total, level)) == FillOutcome::filled)
    system_.message_box(hwnd(), widen(completion_message(level)), widen(kProgramTitle), MB_OK);
  else
    system_.message_box(hwnd(), widen(kOutOfMemoryMessage), widen(kProgramTitle), MB_OK | MB_ICONEXCLAMATION);
  busy_ = false;
  SetCursor(LoadCursorW(nullptr, IDC_ARROW));
}

void frmSysTray::cmdMemLow_Click() { run_optimiser(OptimiserLevel::low); }
void frmSysTray::cmdMemMid_Click() { run_optimiser(OptimiserLevel::mid); }
void frmSysTray::cmdMemHig_Click() { run_optimiser(OptimiserLevel::high); }
void frmSysTray::cmdMemHigHig_Click() { run_optimiser(OptimiserLevel::highest); }
void frmSysTray::mnuPopupAboutMemResLow_Click() { cmdMemLow_Click(); }
void frmSysTray::mnuPopupAboutMemResMid_Click() { cmdMemMid_Click(); }
void frmSysTray::mnuPopupAboutMemResHig_Click() { cmdMemHig_Click(); }
void frmSysTray::mnuPopupAboutMemResHigHig_Click() { cmdMemHigHig_Click(); }

// An empty root (not a null one) selects the Recycle Bins of all drives; flags 0 leaves the
// confirmation, progress and sound to the shell.
void frmSysTray::mnuPopupDustDel_Click() { system_.empty_recycle_bin(hwnd(), L"", 0); }
void frmSysTray::mnuPopupRecentDel_Click() { system_.add_to_recent_documents(SHARD_PATHW, nullptr); }

void frmSysTray::mnuFileTime_Click() {
  system_.message_box(hwnd(), widen(uptime_text(system_.milliseconds_since_start())), widen(kProgramTitle), MB_OK);
}

void frmSysTray::mnuFileScreenMoto_Click() { SendMessageW(hwnd(), WM_SYSCOMMAND, SC_SCREENSAVE, 0); }
void frmSysTray::mnuFileScreenNew_Click() { open_beside_program(system_, hwnd(), kOwnScreenSaver); }
void frmSysTray::mnuPopupScreenMoto_Click() { mnuFileScreenMoto_Click(); }
void frmSysTray::mnuPopupScreenNew_Click() { mnuFileScreenNew_Click(); }
void frmSysTray::mnuHelpHelp_Click() { open_beside_program(system_, hwnd(), kHelpPage); }
void frmSysTray::mnuPopupHelp_Click() { mnuHelpHelp_Click(); }

void frmSysTray::mnuHelpVer_Click() {
  if (!about_) about_ = std::make_unique<Form<frmAbout>>(system_, lifetime());
  about_->Show(tools_.owner_off_taskbar());
}

void frmSysTray::mnuFileClip_Click() { tools_.open_clip(); }
void frmSysTray::mnuFileApp_Click() { tools_.open_app_run(); }
void frmSysTray::mnuFileIp_Click() { tools_.open_ip(); }
void frmSysTray::mnuPopupClip_Click() { tools_.open_clip(); }
void frmSysTray::mnuPopupApp_Click() { tools_.open_app_run(); }
void frmSysTray::mnuPopupIp_Click() { tools_.open_ip(); }

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
    case cmdMemLow: cmdMemLow_Click(); break;
    case cmdMemMid: cmdMemMid_Click(); break;
    case cmdMemHig: cmdMemHig_Click(); break;
    case cmdMemHigHig: cmdMemHigHig_Click(); break;
    case mnuPopupAboutMemResLow: mnuPopupAboutMemResLow_Click(); break;
    case mnuPopupAboutMemResMid: mnuPopupAboutMemResMid_Click(); break;
    case mnuPopupAboutMemResHig: mnuPopupAboutMemResHig_Click(); break;
    case mnuPopupAboutMemResHigHig: mnuPopupAboutMemResHigHig_Click(); break;
    case mnuPopupDustDel: mnuPopupDustDel_Click(); break;
    case mnuPopupRecentDel: mnuPopupRecentDel_Click(); break;
    case mnuFileTime: mnuFileTime_Click(); break;
    case mnuFileScreenMoto: mnuFileScreenMoto_Click(); break;
    case mnuFileScreenNew: mnuFileScreenNew_Click(); break;
    case mnuPopupScreenMoto: mnuPopupScreenMoto_Click(); break;
    case mnuPopupScreenNew: mnuPopupScreenNew_Click(); break;
    case mnuHelpHelp: mnuHelpHelp_Click(); break;
    case mnuPopupHelp: mnuPopupHelp_Click(); break;
    case mnuHelpVer: mnuHelpVer_Click(); break;
    case mnuFileClip: mnuFileClip_Click(); break;
    case mnuFileApp: mnuFileApp_Click(); break;
    case mnuFileIp: mnuFileIp_Click(); break;
    case mnuPopupClip: mnuPopupClip_Click(); break;
    case mnuPopupApp: mnuPopupApp_Click(); break;
    case mnuPopupIp: mnuPopupIp_Click(); break;
  }
}

LRESULT frmSysTray::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE: on_create(); return 0;
    case WM_TIMER: if (wparam == kTimer1) Timer1_Timer(); return 0;
    case WM_COMMAND: on_command(LOWORD(wparam)); return 0;
    case kTrayCallbackMessage: on_tray_callback(wparam, lparam); return 0;
    case WM_SIZE: Form_Resize(); return 0;
    case WM_DPICHANGED: fit_tray_icons(LOWORD(wparam)); return 0;
    case WM_SETTINGCHANGE:
    case WM_DISPLAYCHANGE: fit_tray_icons(tray_dpi_); break;
    case WM_ERASEBKGND: return 1;
    case WM_SETCURSOR:
      // Only the client area's pointer is ours: a click on the disabled frame must still beep and
      // bring the message box forward.
      if (busy_ && LOWORD(lparam) == HTCLIENT) return SetCursor(LoadCursorW(nullptr, IDC_WAIT)), TRUE;
      break;
    case WM_PAINT: controls_->paint(); return 0;
    case WM_CTLCOLORSTATIC: return controls_->on_ctl_colour_static(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_DRAWITEM: draw_colour_button(*reinterpret_cast<DRAWITEMSTRUCT*>(lparam), kLevelButtonFace); return TRUE;
    case WM_SYSCOMMAND:
      if ((wparam & 0xFFF0) == SC_CLOSE) return unload(CloseReason::user), 0;
      break;
    case WM_CLOSE: unload(CloseReason::task_manager); return 0;
    case WM_QUERYENDSESSION: return TRUE;
    case WM_ENDSESSION:
      if (wparam) {
        unload(CloseReason::session_end);
        // The session ends whatever tool windows are open; they must not keep the program waiting.
        PostQuitMessage(0);
      }
      return 0;
    case WM_DESTROY:
      KillTimer(hwnd(), kTimer1);
      if (!refused_) Form_Unload();
      return 0;
  }
  // Zero when the message could not be registered: WM_NULL must not pass for it.
  if (taskbar_created_ != 0 && message == taskbar_created_ && tray_ && tray_->wanted()) RefreshMemoryStatus(NIM_ADD);
  return default_message(message, wparam, lparam);
}

}  // namespace tamarak
