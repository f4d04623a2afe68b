// The main window: hidden most of its life, it owns the tray icon, the memory panel, the timer and
// both menus, and runs the program's commands.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string_view>

#include "about/frmAbout.h"
#include "app/commands.h"
#include "app/program_lifetime.h"
#include "base/handles.h"
#include "monitor/memory_figures.h"
#include "monitor/meter_icons.h"
#include "monitor/refresh_schedule.h"
#include "monitor/tray_icon.h"
#include "optimiser/fill_size.h"
#include "optimiser/optimiser_run.h"
#include "system/system_services.h"
#include "tools/tool_windows.h"
#include "ui/designed_window.h"
#include "ui/modal_session.h"
#include "ui/off_taskbar_owner.h"
#include "ui/prompts.h"

namespace tamarak {

// Why a window is asked to close.
enum class CloseReason { user = 0, program = 1, session_end = 2, task_manager = 3 };

class frmSysTray : public DesignedWindow {
 public:
  frmSysTray(SystemServices& system, Prompts& prompts, ProgramLifetime& lifetime);

  // Creates the window hidden, with Timer1 running.
  bool create();
  // The start-up sequence: version check, tray icon, amount labels, single-instance rule.
  void Form_Load();
  void Timer1_Timer();
  void ShowMainWindow();
  // Runs one command, whether it came from the menu bar, the tray popup or a level button. While an
  // optimiser run writes its memory, only showing and hiding the window are taken.
  void run(Command command);
  bool optimising() const { return run_ && run_->busy(); }

  const ToolWindows& tool_windows() const { return tools_; }
  HMENU tray_popup();

 private:
  LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override;
  void on_create();
  void on_show(bool showing);
  void prepare_to_show();
  void attach_menu_bar();
  void build_panel();
  void load_meter_icons();
  void stretch_lines();
  void on_tray_callback(UINT icon_id, UINT mouse_message);
  void open_tray_popup();
  void on_end_session(bool ending);
  void on_command(int id, int notification) override;
  void on_timer(UINT_PTR timer) override;
  void on_cancel() override;
  bool on_system_command(WPARAM command);
  void on_close();
  void on_taskbar_created();
  void on_destroy() override;
  void Form_Resize();
  // True cancels the close.
  bool Form_QueryUnload(CloseReason reason);
  void Form_Unload();
  void unload(CloseReason reason);
  void RefreshMemoryStatus(const MemorySample& sample);
  // True when the size changed, and the icon, if shown, with it.
  bool fit_tray_icons();
  void follow_system_colours() override;
  void relayout_for_dpi() override;
  void run_optimiser(OptimiserLevel level);
  void on_run_done(FillOutcome outcome);
  LRESULT on_power_broadcast(WPARAM event, LPARAM lparam);
  void on_session_change(WPARAM event);
  HWND prompt_owner() const;
  // A message box of the program's title.
  int say(std::string_view text, UINT style);

  void mnuFileClose_Click();
  void mnuFileExit_Click();
  void cmdMemLow_Click();
  void cmdMemMid_Click();
  void cmdMemHig_Click();
  void cmdMemHigHig_Click();
  void mnuPopupDustDel_Click();
  void mnuPopupRecentDel_Click();
  void mnuFileTime_Click();
  void mnuFileScreenMoto_Click();
  void mnuFileScreenNew_Click();
  void mnuHelpHelp_Click();
  void mnuHelpVer_Click();
  void mnuFileClip_Click();
  void mnuFileApp_Click();
  void mnuFileIp_Click();
  void mnuPopup_Click();

  SystemServices& system_;
  ProgramLifetime& lifetime_;
  MeterIcons tray_icons_;            // at the shell's small icon size, at the taskbar's dpi
  std::uint64_t startup_total_ = 0;  // for the amount labels, from the start-up sample
  int band_ = 0;                     // the load band of the last refresh
  // What only the shown window needs is made when it is first shown: the program spends nearly all
  // of its life hidden in the tray. The popup menu likewise waits for the first right-click.
  OwnedMenu menu_bar_;               // until attached, when the window owns it
  std::optional<MeterIcons> icons_;  // the panel's
  OwnedMenu popup_;
  std::unique_ptr<TrayIcon> tray_;
  std::optional<RefreshSchedule> schedule_;
  UINT taskbar_created_ = 0;
  bool refused_ = false;  // the start-up check failed: end without unloading
  std::optional<OptimiserRun> run_;
  // Destroyed after the windows it owns.
  OffTaskbarOwner off_taskbar_;
  ToolWindows tools_{system_, prompts_, lifetime_, off_taskbar_};
  std::unique_ptr<Form<frmAbout>> about_;  // made on first use, kept for the run
};

}  // namespace tamarak
