// The one rule by which the menus open the three tool windows: one instance of each for the whole
// run, its window made anew (and Form_Load run again) when it was closed, shown modeless, and only
// brought to the front when it is already open.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "system/system_services.h"
#include "tools/frmAppRun.h"
#include "tools/frmClip.h"
#include "tools/frmIp.h"
#include "ui/handles.h"
#include "ui/sessions.h"
#include "ui/window.h"

namespace tamarak {

using OwnedWindow = Owned<HWND, DestroyWindow>;

class ToolWindows {
 public:
  ToolWindows(SystemServices& system, ProgramLifetime& lifetime) : system_(system), lifetime_(lifetime) {}

  void open_app_run();
  void open_clip();
  void open_ip();

  // Owns the windows kept off the taskbar: a hidden window that, unlike the main window, lives until
  // the program ends, so the main window's end takes none of them along.
  HWND owner_off_taskbar();

  // Empty until the first opening.
  frmAppRun* app_run() const { return app_run_.get(); }
  frmClip* clip() const { return clip_.get(); }
  frmIp* ip() const { return ip_.get(); }

 private:
  template <class T>
  void open(std::unique_ptr<Form<T>>& instance, bool on_taskbar);
  SystemServices& system_;
  ProgramLifetime& lifetime_;
  // Made on first need, destroyed after the windows it owns.
  OwnedWindow hidden_owner_;
  // OLE for this thread from the clipboard window's first opening, as its drop registration needs;
  // ended after that window.
  std::optional<OleSession> ole_;
  std::unique_ptr<Form<frmAppRun>> app_run_;
  std::unique_ptr<Form<frmClip>> clip_;
  std::unique_ptr<Form<frmIp>> ip_;
};

}  // namespace tamarak
