// The one rule by which the menus open the three tool windows: one instance of each for the whole
// run, its window made anew (and Form_Load run again) when it was closed, shown modeless, and only
// brought to the front when it is already open.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "base/sessions.h"
#include "system/system_services.h"
#include "tools/frmAppRun.h"
#include "tools/frmClip.h"
#include "tools/frmIp.h"
#include "ui/off_taskbar_owner.h"
#include "ui/prompts.h"
#include "ui/window.h"

namespace tamarak {

class ToolWindows {
 public:
  // Windows kept off the taskbar are owned by `off_taskbar`, which must outlive them.
  ToolWindows(SystemServices& system, Prompts& prompts, WindowHost& host, OffTaskbarOwner& off_taskbar)
      : system_(system), prompts_(prompts), host_(host), off_taskbar_(off_taskbar) {}

  void open_app_run();
  void open_clip();
  void open_ip();

  // Empty until the first opening.
  frmAppRun* app_run() const { return app_run_.get(); }
  frmClip* clip() const { return clip_.get(); }
  frmIp* ip() const { return ip_.get(); }

 private:
  template <class T>
  void open(std::unique_ptr<Form<T>>& instance, bool on_taskbar);
  SystemServices& system_;
  Prompts& prompts_;
  WindowHost& host_;
  OffTaskbarOwner& off_taskbar_;
  // OLE for this thread from the clipboard window's first opening, as its drop registration needs;
  // ended after that window.
  std::optional<OleSession> ole_;
  std::unique_ptr<Form<frmAppRun>> app_run_;
  std::unique_ptr<Form<frmClip>> clip_;
  std::unique_ptr<Form<frmIp>> ip_;
};

}  // namespace tamarak
