#include "app/frmSysTray.h"

#include <windowsx.h>

#include <utility>

#include "app/frmSysTray_design.h"
#include "app/frmSysTray_panel.h"
#include "app/menus.h"
#include "app/program_identity.h"
#include "base/dpi_scale.h"
#include "base/failure_note.h"
#include "base/screen_dpi.h"
#include "base/text.h"
#include "commands/launch_beside_program.h"
#include "commands/program_paths.h"
#include "commands/uptime_text.h"
#include "monitor/memory_figures.h"
#include "ui/dark_menu_bar.h"
#include "ui/gradient.h"
#include "ui/popup_menu.h"
#include "ui/rounded_frame.h"

namespace tamarak {

using namespace frmSysTray_design;

namespace {

constexpr UINT kRunDone = WM_APP + 1;

void paint_gradient(HDC dc, int width, int height) {
  for (int row = 0; row < height; ++row) {
    SetDCBrushColor(dc, RGB(0, 0, gradient_blue(row, height)));
    const RECT line{0, row, width, row + 1};
    FillRect(dc, &line, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  }
}

}  // namespace

frmSysTray::frmSysTray(SystemServices& system, Prompts& prompts, ProgramLifetime& lifetime)
    : DesignedWindow(lifetime, prompts, kDesign),
      system_(system),
      lifetime_(lifetime),
      tray_icons_(system_.small_icon_size(system_.taskbar_dpi())),
      menu_bar_(build_menu_bar(menu_bar_rows())) {}

bool frmSysTray::create() { return create_designed(nullptr); }

void frmSysTray::on_create() {
  tray_ = std::make_unique<TrayIcon>(system_, hwnd());
  run_.emplace(system_, lifetime_.busy_state(), hwnd(), kRunDone);
  taskbar_created_ = system_.taskbar_created_message();
  // A copy started as administrator hears a restarted shell too.
  if (taskbar_created_) system_.allow_message(hwnd(), taskbar_created_);
  schedule_.emplace(system_, hwnd());
  // The tray popup is the system's to draw in the app mode from the first.
  follow_system_colours();
}

void frmSysTray::Form_Load() {
  const MemorySample sample = system_.memory_status();
  ShowWindow(hwnd(), SW_HIDE);
  if (system_.os_major_version() < 4) {
    say(kTooOldMessage, MB_OK);
    refused_ = true;
    DestroyWindow(hwnd());
    return;
  }
  RefreshMemoryStatus(sample);
  startup_total_ = sample.total_phys;
  if (system_.another_instance_running()) {
    say(kSecondCopyMessage, MB_ICONEXCLAMATION);
    unload(CloseReason::program);
    return;
  }
  lifetime_.save_power(system_);
}

// Each part hands on only what changed: the shell its picture and tip, the panel its texts.
void frmSysTray::RefreshMemoryStatus(const MemorySample& sample) {
  if (has_controls() && IsWindowVisible(hwnd())) show_figures(controls(), sample);
  band_ = load_band(sample.load);
  tray_->show(tray_icons_[band_], sample.load);
  if (has_controls()) show_band(controls(), band_);
}

void frmSysTray::build_panel() {
  make_controls();
  controls().set_backdrop(paint_gradient, kWindowScheme);
  follow_system_colours();
  load_meter_icons();
  show_amounts(controls(), startup_total_);
  show_band(controls(), band_);
  stretch_lines();
}

// The panel's meter pictures at the window's dpi, handed to their controls; the old ones go only
// after that.
void frmSysTray::load_meter_icons() {
  MeterIcons fresh(scale_to_dpi(kMeterSize, dpi()));
  for (int band = 0; band < 5; ++band) controls().set_icon(imgIcon0 + band, fresh[band]);
  icons_ = std::move(fresh);
}

// Measuring a menu bar of Japanese captions has the system load the fonts that draw them: the
// bar is attached when the window is first shown, into the room its frame has kept for it.
void frmSysTray::attach_menu_bar() {
  // Refused, the bar stays ours to destroy.
  if (NOTE_IF_FALSE(SetMenu(hwnd(), menu_bar_.get()))) (void)menu_bar_.release();
  RECT client, outer;
  GetClientRect(hwnd(), &client);
  GetWindowRect(hwnd(), &outer);
  const SIZE designed = client_at(dpi());
  const int missing_width = designed.cx - client.right, missing_height = designed.cy - client.bottom;
  if (missing_width != 0 || missing_height != 0)
    NOTE_IF_FALSE(SetWindowPos(hwnd(), nullptr, 0, 0, outer.right - outer.left + missing_width,
                               outer.bottom - outer.top + missing_height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE));
}

void frmSysTray::prepare_to_show() {
  if (menu_bar_) attach_menu_bar();
  if (!has_controls()) build_panel();
}

void frmSysTray::on_show(bool showing) {
  if (showing) prepare_to_show();
  // A hidden window keeps no picture of itself.
  if (!showing && has_controls()) controls().drop_canvas();
}

HMENU frmSysTray::tray_popup() {
  if (!popup_) popup_ = build_popup_menu(tray_popup_rows());
  return popup_.get();
}

void frmSysTray::Timer1_Timer() { RefreshMemoryStatus(system_.memory_status()); }

// The shell shows the tray picture at its small icon size: drawn at that size it stays crisp instead
// of being scaled down from 32 pixels.
bool frmSysTray::fit_tray_icons() {
  const int size = system_.small_icon_size(system_.taskbar_dpi());
  if (size == tray_icons_.size()) return false;
  // The old pictures go only once the tray holds the new one.
  const MeterIcons old = std::exchange(tray_icons_, MeterIcons(size));
  if (tray_ && tray_->wanted()) Timer1_Timer();
  return true;
}

// The panel's meter pictures keep their colours whatever the scheme: they carry the load, and their
// black outline shows on any background. The gradient and what stands on it are the design's in
// either app mode.
void frmSysTray::follow_system_colours() {
  const ColourMode mode = system_.follow_app_mode(hwnd());
  if (has_controls()) controls().follow_system_colours(mode);
}

// Moved to a monitor of another scale: the panel at the new dpi. The tray stays where the taskbar is.
void frmSysTray::relayout_for_dpi() {
  if (has_controls()) {
    load_meter_icons();
    controls().relayout(dpi());
  }
  fit_tray_icons();
}

void frmSysTray::ShowMainWindow() {
  if (!IsWindowVisible(hwnd())) {
    show_normal(hwnd());
    Timer1_Timer();
  } else if (IsIconic(hwnd())) {
    ShowWindow(hwnd(), SW_RESTORE);
  }
  SetForegroundWindow(hwnd());
  // The keyboard starts from a control, as in a dialog, not from the frame.
  if (const HWND first = GetNextDlgTabItem(hwnd(), nullptr, FALSE); first && !IsChild(hwnd(), GetFocus()))
    SetFocus(first);
}

void frmSysTray::run(Command command) {
  using Handler = void (frmSysTray::*)();
  static constexpr std::pair<Command, Handler> kHandlers[] = {
      {mnuPopupOpen, &frmSysTray::ShowMainWindow},
      {mnuFileClose, &frmSysTray::mnuFileClose_Click},
      {mnuFileExit, &frmSysTray::mnuFileExit_Click},
      {cmdMemLow, &frmSysTray::cmdMemLow_Click},
      {cmdMemMid, &frmSysTray::cmdMemMid_Click},
      {cmdMemHig, &frmSysTray::cmdMemHig_Click},
      {cmdMemHigHig, &frmSysTray::cmdMemHigHig_Click},
      {mnuPopupDustDel, &frmSysTray::mnuPopupDustDel_Click},
      {mnuPopupRecentDel, &frmSysTray::mnuPopupRecentDel_Click},
      {mnuFileTime, &frmSysTray::mnuFileTime_Click},
      {mnuFileScreenMoto, &frmSysTray::mnuFileScreenMoto_Click},
      {mnuFileScreenNew, &frmSysTray::mnuFileScreenNew_Click},
      {mnuHelpHelp, &frmSysTray::mnuHelpHelp_Click},
      {mnuHelpVer, &frmSysTray::mnuHelpVer_Click},
      {mnuFileClip, &frmSysTray::mnuFileClip_Click},
      {mnuFileApp, &frmSysTray::mnuFileApp_Click},
      {mnuFileIp, &frmSysTray::mnuFileIp_Click},
      {mnuPopup, &frmSysTray::mnuPopup_Click},
  };
  if (optimising() && !taken_while_optimising(command)) return;
  for (const auto& [known, handler] : kHandlers)
    if (known == command) (this->*handler)();
  // A box or a shell dialog closes by enabling its owner, even one a modal window or a run holds.
  lifetime_.hold_input();
}

// While a modal window is up, what the program asks belongs to it: it is the window that takes input.
HWND frmSysTray::prompt_owner() const { return lifetime_.modal() ? lifetime_.modal()->window() : hwnd(); }

int frmSysTray::say(std::string_view text, UINT style) {
  return prompts_.message_box(prompt_owner(), widen(text), widen(kProgramTitle), style | kInFront);
}

void frmSysTray::mnuFileClose_Click() { ShowWindow(hwnd(), SW_HIDE); }
void frmSysTray::mnuFileExit_Click() { unload(CloseReason::program); }

// The windows keep answering and the tray keeps refreshing while the memory is written.
void frmSysTray::run_optimiser(OptimiserLevel level) {
  if (run_) run_->start(level, system_.memory_status().total_phys);  // made in WM_CREATE, before any command
  lifetime_.follow_attention();
}

void frmSysTray::on_run_done(FillOutcome outcome) {
  if (!run_) return;
  {
    const RunEnd end = run_->finish(outcome);
    if (end.end_program) return unload(CloseReason::task_manager);
    if (!end.message.empty()) say(end.message, MB_OK | end.icon);
  }
  lifetime_.follow_attention();
  lifetime_.hold_input();
}

void frmSysTray::cmdMemLow_Click() { run_optimiser(OptimiserLevel::low); }
void frmSysTray::cmdMemMid_Click() { run_optimiser(OptimiserLevel::mid); }
void frmSysTray::cmdMemHig_Click() { run_optimiser(OptimiserLevel::high); }
void frmSysTray::cmdMemHigHig_Click() { run_optimiser(OptimiserLevel::highest); }

void frmSysTray::mnuPopupDustDel_Click() { system_.empty_recycle_bin(prompt_owner()); }
void frmSysTray::mnuPopupRecentDel_Click() { system_.clear_recent_documents(); }

void frmSysTray::mnuFileTime_Click() { say(uptime_text(system_.milliseconds_since_start()), MB_OK); }

void frmSysTray::mnuFileScreenMoto_Click() { SendMessageW(hwnd(), WM_SYSCOMMAND, SC_SCREENSAVE, 0); }
void frmSysTray::mnuFileScreenNew_Click() { open_beside_program(system_, prompt_owner(), kOwnScreenSaver); }
void frmSysTray::mnuHelpHelp_Click() { open_beside_program(system_, prompt_owner(), kHelpPage); }

void frmSysTray::mnuHelpVer_Click() {
  if (!about_) about_ = std::make_unique<Form<frmAbout>>(system_, prompts_, lifetime_);
  about_->Show(off_taskbar_.get());
}

void frmSysTray::mnuFileClip_Click() { tools_.open_clip(); }
void frmSysTray::mnuFileApp_Click() { tools_.open_app_run(); }
void frmSysTray::mnuFileIp_Click() { tools_.open_ip(); }
void frmSysTray::mnuPopup_Click() { open_tray_popup(); }

bool frmSysTray::Form_QueryUnload(CloseReason reason) {
  if (reason != CloseReason::user) return false;
  ShowWindow(hwnd(), SW_HIDE);
  return true;
}

void frmSysTray::unload(CloseReason reason) {
  if (!Form_QueryUnload(reason)) DestroyWindow(hwnd());
}

void frmSysTray::Form_Unload() { tray_->remove(); }

void frmSysTray::Form_Resize() {
  stretch_lines();
  apply_rounded_frame(hwnd(), dpi());
}

void frmSysTray::stretch_lines() {
  if (!has_controls()) return;
  RECT client;
  GetClientRect(hwnd(), &client);
  controls().set_line_right_end(lin1, client.right);
  controls().set_line_right_end(lin2, client.right);
}

void frmSysTray::on_tray_callback(UINT icon_id, UINT mouse_message) {
  if (icon_id != kTrayIconId) return;
  if (mouse_message == WM_LBUTTONDBLCLK) {
    run(mnuPopupOpen);
  } else if (mouse_message == WM_MOUSEMOVE) {
    // The pointer rests on the icon before any double-click: the window is made ready to show then,
    // so the double-click only has it shown.
    prepare_to_show();
  } else if (mouse_message == WM_RBUTTONDOWN) {
    run(mnuPopup);
  }
}

// At the pointer; but Enter, Space or the menu key on the icon come as the right button too, and
// then the pointer may be anywhere: the popup opens at the icon. Dismissed by a key, it gives the
// keyboard focus back to the notification area; by a click elsewhere, the focus is where the click put it.
void frmSysTray::open_tray_popup() {
  const DWORD sent_at = GetMessagePos();
  const POINT pointer = prompts_.pointer_position().value_or(POINT{GET_X_LPARAM(sent_at), GET_Y_LPARAM(sent_at)});
  const std::optional<RECT> icon = system_.tray_icon_rect(hwnd(), kTrayIconId);
  const POINT where = icon && !PtInRect(&*icon, pointer)
                          ? POINT{(icon->left + icon->right) / 2, (icon->top + icon->bottom) / 2}
                          : pointer;
  const MenuChoice choice = choose_from_popup(prompts_, hwnd(), tray_popup(), where);
  if (choice.command)
    run(static_cast<Command>(choice.command));
  else if (choice.by_key)
    tray_->give_focus_back();
}

void frmSysTray::on_end_session(bool ending) {
  if (!ending) return;
  // A run cuts its writing short: the session is ending, but not before the memory is released.
  if (run_) run_->cut_short();
  unload(CloseReason::session_end);
  // The session ends whatever tool windows are open; they must not keep the program waiting.
  PostQuitMessage(0);
}

void frmSysTray::on_destroy() {
  schedule_.reset();
  if (run_) run_->cut_short();
  if (!refused_) Form_Unload();
}

// Asked by the user (the close box, Alt+F4, the system menu), the close only hides the window.
bool frmSysTray::on_system_command(WPARAM command) {
  if ((command & 0xFFF0) != SC_CLOSE) return false;
  unload(CloseReason::user);
  return true;
}

// From outside (Task Manager's End task): carried out at once, or once a run has released its memory.
void frmSysTray::on_close() {
  if (run_ && run_->busy())
    run_->end_program_after();
  else
    unload(CloseReason::task_manager);
}

// A restarted Explorer, or the taskbar at another scale, announces itself: the icon goes back in.
void frmSysTray::on_taskbar_created() {
  if (!tray_ || !tray_->wanted()) return;
  tray_->shell_restarted();
  if (!fit_tray_icons()) Timer1_Timer();
}

void frmSysTray::on_timer(UINT_PTR timer) {
  if (timer == RefreshSchedule::kTimer) Timer1_Timer();
}

// Back from a display off, a lock or a disconnection: the figures at once, not up to two seconds late.
LRESULT frmSysTray::on_power_broadcast(WPARAM event, LPARAM lparam) {
  if (schedule_ && schedule_->on_power_broadcast(event, lparam)) Timer1_Timer();
  return TRUE;
}

void frmSysTray::on_session_change(WPARAM event) {
  if (schedule_ && schedule_->on_session_change(event)) Timer1_Timer();
}

void frmSysTray::on_command(int id, int /*notification*/) { run(static_cast<Command>(id)); }

// Escape hides the window, as its close command does.
void frmSysTray::on_cancel() { run(mnuFileClose); }

LRESULT frmSysTray::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
  // In the dark mode the menu bar strip, attached with the panel, is the window's to draw.
  if (has_controls() && controls().colour_mode() == ColourMode::dark)
    if (const auto drawn = draw_dark_menu_bar(hwnd(), message, wparam, lparam)) return *drawn;
  switch (message) {
    case WM_CREATE: on_create(); return 0;
    case kTrayCallbackMessage: on_tray_callback(static_cast<UINT>(wparam), static_cast<UINT>(lparam)); return 0;
    case WM_SIZE: Form_Resize(); return 0;
    case WM_SHOWWINDOW: on_show(wparam != FALSE); break;
    // The taskbar's icon size may have changed with any setting.
    case WM_SETTINGCHANGE:
    case WM_DISPLAYCHANGE: fit_tray_icons(); break;
    case WM_SYSCOMMAND:
      if (on_system_command(wparam)) return 0;
      break;
    case WM_CLOSE: on_close(); return 0;
    case kRunDone: on_run_done(static_cast<FillOutcome>(wparam)); return 0;
    case WM_POWERBROADCAST: return on_power_broadcast(wparam, lparam);
    case WM_WTSSESSION_CHANGE: on_session_change(wparam); return 0;
    case WM_QUERYENDSESSION: return TRUE;
    case WM_ENDSESSION: on_end_session(wparam != FALSE); return 0;
  }
  // Never matched when the message could not be registered: WM_NULL must not pass for it.
  if (message == taskbar_created_ && taskbar_created_ != 0) on_taskbar_created();
  return DesignedWindow::on_message(message, wparam, lparam);
}

}  // namespace tamarak
