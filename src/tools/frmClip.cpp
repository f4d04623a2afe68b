#include "tools/frmClip.h"

#include <commctrl.h>

#include "base/failure_note.h"
#include "tools/path_name.h"
#include "ui/menu_table.h"
#include "ui/popup_menu.h"

namespace tamarak {

using namespace frmClip_design;

namespace {

constexpr UINT_PTR kTextBoxSubclass = 1;

constexpr MenuRow kDropMenu[] = {
    {0, "mnuPopup", "OLEなポップアップ"},
    {1, "mnuPopup_FullPath", "フルパスで貼り付け(&F)", mnuPopup_FullPath, true},
    {1, "mnuPopup_FileName", "名前のみ貼り付け(&N)", mnuPopup_FileName},
    {1, "", "-"},
    {1, "mnuPopup_Cancel", "キャンセル", mnuPopup_Cancel},
};

}  // namespace

frmClip::frmClip(SystemServices& system, Prompts& prompts, WindowHost& host)
    : ToolWindow(system, prompts, host, kDesign), menu_(build_menu_bar(kDropMenu)) {}

HMENU frmClip::popup_menu() const { return GetSubMenu(menu_.get(), 0); }

HWND frmClip::text_box() const { return controls().item(txtList); }

bool frmClip::create(HWND owner) {
  // Topmost from the start as well as from Form_Load: Wine will not raise a window to the topmost band
  // past a topmost tool tip it owns, unless another topmost window happens to be there already.
  if (!create_designed(owner)) return false;
  const HWND box = text_box();
  // The edit control's own limit would cut long lists off without a word.
  SendMessageW(box, EM_SETLIMITTEXT, 0, 0);
  NOTE_IF_FALSE(SetWindowSubclass(box, text_box_proc, kTextBoxSubclass, reinterpret_cast<DWORD_PTR>(this)));
  drop_target_.adopt(new DropTarget(
      [this](IDataObject* data, DWORD& effect, DWORD button) { txtList_OLEDragOver(data, effect, button); },
      [this](IDataObject* data, DWORD& effect, POINT screen) {
        ScreenToClient(hwnd(), &screen);
        txtList_OLEDragDrop(data, effect, screen);
      }));
  NOTE_IF_FAILED(RegisterDragDrop(box, drop_target_.get()));
  Form_Resize();
  Form_Load();
  return true;
}

void frmClip::Form_Load() { NOTE_IF_FALSE(SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE)); }

void frmClip::Form_Resize() {
  RECT client;
  GetClientRect(hwnd(), &client);
  NOTE_IF_FALSE(MoveWindow(text_box(), 0, 0, client.right, client.bottom, TRUE));
}

void frmClip::txtList_OLEDragOver(IDataObject* data, DWORD& effect, DWORD button) {
  if (!offers_file_list(data)) {
    effect = DROPEFFECT_NONE;
    return;
  }
  effect = DROPEFFECT_COPY;
  right_drag_ = (button & MK_RBUTTON) != 0;
}

void frmClip::txtList_OLEDragDrop(IDataObject* data, DWORD& effect, POINT where) {
  if (!offers_file_list(data)) {
    effect = DROPEFFECT_NONE;
    return;
  }
  drop_data_.share(data);
  if (!right_drag_) {
    PasteFullPath();
  } else {
    ClientToScreen(hwnd(), &where);
    offer_choice(where);
  }
  effect = DROPEFFECT_COPY;
}

void frmClip::offer_choice(POINT screen) {
  const UINT choice = choose_from_popup(prompts_, hwnd(), popup_menu(), screen).command;
  if (choice == mnuPopup_FullPath) mnuPopup_FullPath_Click();
  if (choice == mnuPopup_FileName) mnuPopup_FileName_Click();
}

// Files copied in Explorer and pasted into the box (Ctrl+V, Shift+Insert, the box's menu) come in
// as a drop does, with the choice a right-button drag offers, at the caret; anything else is text.
bool frmClip::txtList_PasteFiles() {
  IDataObject* data = nullptr;
  if (FAILED(NOTE_IF_FAILED(OleGetClipboard(&data)))) return false;
  ComRef<IDataObject> clipboard;
  clipboard.adopt(data);
  if (!offers_file_list(data)) return false;
  drop_data_.share(data);
  POINT caret{};
  GetCaretPos(&caret);
  ClientToScreen(text_box(), &caret);
  offer_choice(caret);
  return true;
}

void frmClip::mnuPopup_FullPath_Click() { PasteFullPath(); }
void frmClip::mnuPopup_FileName_Click() { PasteFileName(); }
void frmClip::PasteFullPath() { paste(false); }
void frmClip::PasteFileName() { paste(true); }

void frmClip::paste(bool names_only) {
  std::wstring lines;
  for (const std::wstring& path : dropped_paths(drop_data_.get())) {
    lines += names_only ? file_name_part(path) : path;
    lines += L"\r\n";
  }
  // Appended where the text ends, with the caret after it: the new lines come into view and an
  // undo takes them back.
  const HWND box = text_box();
  const int end = GetWindowTextLengthW(box);
  SendMessageW(box, EM_SETSEL, end, end);
  SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(lines.c_str()));
  SetFocus(box);
  drop_data_.reset();
}

void frmClip::txtList_DblClick() { SendMessageW(text_box(), EM_SETSEL, 0, GetWindowTextLengthW(text_box())); }

LRESULT CALLBACK frmClip::text_box_proc(HWND box, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                        DWORD_PTR self) {
  // A multi-line box in a window that takes dialog keys closes its parent on Escape, losing the text.
  if ((message == WM_KEYDOWN || message == WM_CHAR) && wparam == VK_ESCAPE) return 0;
  if (message == WM_PASTE && reinterpret_cast<frmClip*>(self)->txtList_PasteFiles()) return 0;
  // The edit control selects a word on a double-click; the handler then widens that to everything.
  const LRESULT result = DefSubclassProc(box, message, wparam, lparam);
  // The box's own menu offers to paste text only; its items are the messages they send.
  if (message == WM_INITMENUPOPUP && IsClipboardFormatAvailable(CF_HDROP))
    EnableMenuItem(reinterpret_cast<HMENU>(wparam), WM_PASTE, MF_BYCOMMAND | MF_ENABLED);
  if (message == WM_LBUTTONDBLCLK) reinterpret_cast<frmClip*>(self)->txtList_DblClick();
  if (message == WM_NCDESTROY) RemoveWindowSubclass(box, text_box_proc, kTextBoxSubclass);
  return result;
}

void frmClip::on_destroy() {
  RevokeDragDrop(text_box());
  drop_target_.reset();
  drop_data_.reset();
  right_drag_ = false;
}

LRESULT frmClip::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SIZE: Form_Resize(); return 0;
  }
  return ToolWindow::on_message(message, wparam, lparam);
}

}  // namespace tamarak
