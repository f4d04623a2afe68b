// The file path clipboard: an always-on-top text box that turns files dropped or pasted on it into
// lines of full paths or, after a right-button drag or a paste, of full paths or bare names as the
// user chooses.
#pragma once

#include <windows.h>

#include "base/handles.h"
#include "tools/frmClip_design.h"
#include "tools/ole_drop.h"
#include "tools/tool_window.h"

namespace tamarak {

class frmClip : public ToolWindow {
 public:
  frmClip(SystemServices& system, Prompts& prompts, WindowHost& host);

  bool create(HWND owner) override;
  void Form_Load();

  // `button` is the drag's key state, in which MK_RBUTTON marks the right button.
  void txtList_OLEDragOver(IDataObject* data, DWORD& effect, DWORD button);
  // `where` is in the window's client coordinates, which are the text box's as it fills them.
  void txtList_OLEDragDrop(IDataObject* data, DWORD& effect, POINT where);
  void mnuPopup_FullPath_Click();
  void mnuPopup_FileName_Click();
  void txtList_DblClick();
  // True when the clipboard held a file list, which is then taken as a drop.
  bool txtList_PasteFiles();

  IDropTarget* drop_target() const { return drop_target_.get(); }
  HMENU popup_menu() const;
  bool right_drag() const { return right_drag_; }
  bool holds_drop_data() const { return static_cast<bool>(drop_data_); }

 private:
  LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override;
  void on_destroy() override;
  // Escape would close the window and lose what was collected: the window closes only by its close
  // box, Alt+F4 or the system menu.
  void on_cancel() override {}
  void Form_Resize();
  void PasteFullPath();
  void PasteFileName();
  void paste(bool names_only);
  // The full-path / file-name menu at `screen`, and the paste chosen from it.
  void offer_choice(POINT screen);
  HWND text_box() const;
  static LRESULT CALLBACK text_box_proc(HWND box, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR self);

  OwnedMenu menu_;  // holds mnuPopup as its one submenu
  ComRef<DropTarget> drop_target_;
  ComRef<IDataObject> drop_data_;  // DropData: the last accepted drop, until it is pasted
  bool right_drag_ = false;        // RightDrag: the drag over the box holds the right button
};

}  // namespace tamarak
