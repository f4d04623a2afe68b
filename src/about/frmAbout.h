// The About window: title and version from the program's own resources, the description, links to
// the author, a green credit ticker, and the launcher of the system information tool.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "about/credit_scroller.h"
#include "about/frmAbout_design.h"
#include "about/own_identity.h"
#include "base/handles.h"
#include "system/system_services.h"
#include "ui/designed_window.h"
#include "ui/modal_session.h"
#include "ui/prompts.h"

namespace tamarak {

class frmAbout : public DesignedWindow {
 public:
  frmAbout(SystemServices& system, Prompts& prompts, WindowHost& host);

  // Creates the window anew, so the ticker starts again from the bottom, and shows it modally:
  // returns once the window has been closed. The owner keeps it off the taskbar; it is not the
  // main window, whose end would take the About window along.
  void Show(HWND owner);

 private:
  LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override;
  void on_create();
  void on_command(int id, int notification) override;
  void on_cancel() override;
  int default_button() const override { return frmAbout_design::cmdOK; }
  bool on_set_cursor(HWND over);
  void on_destroy() override;
  void on_timer(UINT_PTR timer) override;
  void relayout_for_dpi() override;
  void follow_system_colours() override;
  void load_icons();
  void Form_Load();
  void Form_Resize();
  void Timer1_Timer();
  void cmdOK_Click();
  void cmdSysInfo_Click();
  void Label1_Click();
  void LblMail_Click();
  void unload();
  void prepare_strip();
  // The ticker runs while the system shows animations, and stands still while it does not.
  void follow_animation_setting(CreditScroller& scroller);
  void place_strip(const CreditScroller& scroller);
  HWND item(int id) const { return controls().item(id); }

  SystemServices& system_;
  OwnIdentity identity_;
  OwnedIcon program_icon_, face_icon_;  // at the window's dpi
  // Made for each showing and gone with the window.
  OwnedBitmap strip_bitmap_;
  std::optional<CreditScroller> scroller_;
  std::optional<ModalSession> modal_;
};

}  // namespace tamarak
