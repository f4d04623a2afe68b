// The one rule by which the menus open the three tool windows: one instance of each for the whole
// run, its window made anew (and Form_Load run again) when it was closed, shown modeless, and only
// brought to the front when it is already open.
#pragma once

#include <windows.h>

#include <memory>

#include "app/system_services.h"
#include "tools/frmAppRun.h"
#include "tools/frmClip.h"
#include "tools/frmIp.h"
#include "ui/handles.h"
#include "ui/window.h"

namespace tamarak {

using OwnedWindow = Owned<HWND, DestroyWindow>;

class ToolWindows {
 public:
  ToolWindows(SystemServices& system, ProgramLifetime& lifetime) : system_(system), lifetime_(lifetime) {}

  void open_app_run();
  void open_clip();
  void open_ip();

  // Empty until the first opening.
  frmAppRun* app_run() const { return app_run_.get(); }
  frmClip* clip() const { return clip_.get(); }
  frmIp* ip() const { return ip_.get(); }

 private:
  template <class T>
  void open(std::unique_ptr<T>& instance, bool on_taskbar);
  HWND taskbar_owner();

  SystemServices& system_;
  ProgramLifetime& lifetime_;
  // Owning the windows kept off the taskbar; not the main window, whose end would take them along.
  // Made on first need, destroyed after the windows it owns.
  OwnedWindow hidden_owner_;
  std::unique_ptr<frmAppRun> app_run_;
  std::unique_ptr<frmClip> clip_;
  std::unique_ptr<frmIp> ip_;
};

}  // namespace tamarak
