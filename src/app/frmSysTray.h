// The main window: hidden most of its life, it owns the tray icon, the memory panel, the timer and
// both menus.
#pragma once

#include <windows.h>

#include <memory>

#include "about/frmAbout.h"
#include "app/system_services.h"
#include "monitor/memory_panel.h"
#include "monitor/meter_icons.h"
#include "monitor/tray_icon.h"
#include "optimiser/fill_size.h"
#include "optimiser/optimiser_band.h"
#include "tools/tool_windows.h"
#include "ui/controls.h"
#include "ui/handles.h"
#include "ui/window.h"

namespace tamarak {

// Why a window is asked to close.
enum class CloseReason { user = 0, program = 1, session_end = 2, task_manager = 3 };

class frmSysTray : public Window {
 public:
  frmSysTray(SystemServices& system, ProgramLifetime& lifetime);

  // Creates the window hidden, with its controls and Timer1 running.
  bool create();
  // The start-up sequence: version check, tray icon, amount labels, single-instance rule.
  void Form_Load();

  void Timer1_Timer();
  void ShowMainWindow();
  void mnuFileClose_Click();
  void mnuFileExit_Click();
  void mnuPopupOpen_Click();
  void mnuPopupExit_Click();

  void cmdMemLow_Click();
  void cmdMemMid_Click();
  void cmdMemHig_Click();
  void cmdMemHigHig_Click();
  void mnuPopupAboutMemResLow_Click();
  void mnuPopupAboutMemResMid_Click();
  void mnuPopupAboutMemResHig_Click();
  void mnuPopupAboutMemResHigHig_Click();
  void mnuPopupDustDel_Click();
  void mnuPopupRecentDel_Click();
  void mnuFileTime_Click();
  void mnuFileScreenMoto_Click();
  void mnuFileScreenNew_Click();
  void mnuPopupScreenMoto_Click();
  void mnuPopupScreenNew_Click();
  void mnuHelpHelp_Click();
  void mnuPopupHelp_Click();
  void mnuHelpVer_Click();

  void mnuFileClip_Click();
  void mnuFileApp_Click();
  void mnuFileIp_Click();
  void mnuPopupClip_Click();
  void mnuPopupApp_Click();
  void mnuPopupIp_Click();
  const ToolWindows& tool_windows() const { return tools_; }

  const ControlSet& controls() const { return *controls_; }
  const MemoryPanel& panel() const { return *panel_; }
  HMENU tray_popup() const { return popup_.get(); }

 private:
  LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override;
  void on_create();
  void on_command(UINT id);
  void on_tray_callback(WPARAM icon_id, LPARAM mouse_message);
  void Form_Resize();
  // True cancels the close.
  bool Form_QueryUnload(CloseReason reason);
  void Form_Unload();
  void unload(CloseReason reason);
  void RefreshMemoryStatus(DWORD message);
  void fit_tray_icons(int dpi);
  void paint_backdrop(HDC dc, int width, int height) const;
  void run_optimiser(OptimiserLevel level);

  SystemServices& system_;
  int dpi_;
  OwnedFont font_, italic_font_;
  MeterIcons icons_;       // the panel's
  int tray_dpi_;
  MeterIcons tray_icons_;  // at the shell's small icon size
  OwnedMenu popup_;
  std::unique_ptr<ControlSet> controls_;
  std::unique_ptr<MemoryPanel> panel_;
  std::unique_ptr<OptimiserBand> band_;
  std::unique_ptr<TrayIcon> tray_;
  int lin1_ = 0, lin2_ = 0;
  UINT taskbar_created_ = 0;
  bool refused_ = false;  // the start-up check failed: end without unloading
  bool busy_ = false;     // an optimiser run shows the hourglass over the window
  ToolWindows tools_{system_, lifetime()};
  std::unique_ptr<Form<frmAbout>> about_;  // made on first use, kept for the run
};

}  // namespace tamarak
