#include "tools/frmClip.h"

#include "tools/path_name.h"
#include "tools/tool_identity.h"
#include "ui/common_controls.h"
#include "ui/fonts.h"
#include "ui/text.h"

namespace tamarak {

using namespace clip_controls;

namespace {

constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr COLORREF kTeal = RGB(0, 192, 192);
constexpr UINT_PTR kTextBoxSubclass = 1;

HMENU build_popup() {
  const HMENU bar = CreateMenu();
  const HMENU popup = CreatePopupMenu();
  AppendMenuW(popup, MF_STRING, mnuPopup_FullPath, L"フルパスで貼り付け(&F)");
  AppendMenuW(popup, MF_STRING, mnuPopup_FileName, L"名前のみ貼り付け(&N)");
  AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(popup, MF_STRING, mnuPopup_Cancel, L"キャンセル");
  SetMenuDefaultItem(popup, mnuPopup_FullPath, FALSE);
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), L"OLEなポップアップ");
  return bar;
}

}  // namespace

frmClip::frmClip(SystemServices& system, ProgramLifetime& lifetime)
    : ToolWindow(system, lifetime),
      font_(make_gothic_font(9, FontStyle::normal, dpi_)),
      teal_(CreateSolidBrush(kTeal)),
      menu_(build_popup()) {}

HMENU frmClip::popup_menu() const { return GetSubMenu(menu_.get(), 0); }

bool frmClip::create(HWND owner) {
  if (!create_tool_window(L"TamarakClip", kClipCaption, kStyle, 0, 569, 343, owner)) return false;
  txtList_ = add_control(txtList, L"EDIT", "",
                         ES_MULTILINE | ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_WANTRETURN | WS_HSCROLL | WS_VSCROLL |
                             WS_TABSTOP,
                         WS_EX_CLIENTEDGE, {12, 12, 221, 125}, font_.get());
  // The edit control's own limit would cut long lists off without a word.
  SendMessageW(txtList_, EM_SETLIMITTEXT, 0, 0);
  if (const CommonControls* controls = common_controls())
    controls->set_window_subclass(txtList_, text_box_proc, kTextBoxSubclass, reinterpret_cast<DWORD_PTR>(this));
  tips_ = std::make_unique<Tooltips>(hwnd());
  tips_->add(txtList_,
             "■左クリックでDrag＆Drop⇒ファイルのフルパスを取得  "
             "■右クリックでDrag＆Drop⇒ファイルのフルパス、ファイル名を選択して取得");
  drop_target_.adopt(new DropTarget(
      [this](IDataObject* data, DWORD& effect, DWORD button) { txtList_OLEDragOver(data, effect, button); },
      [this](IDataObject* data, DWORD& effect, POINT screen) {
        ScreenToClient(hwnd(), &screen);
        txtList_OLEDragDrop(data, effect, screen);
      }));
  RegisterDragDrop(txtList_, drop_target_.get());
  Form_Resize();
  Form_Load();
  return true;
}

void frmClip::Form_Load() { SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE); }

void frmClip::Form_Resize() {
  if (!txtList_) return;
  RECT client;
  GetClientRect(hwnd(), &client);
  MoveWindow(txtList_, 0, 0, client.right, client.bottom, TRUE);
}

void frmClip::txtList_OLEDragOver(IDataObject* data, DWORD& effect, DWORD button) {
  if (!offers_file_list(data)) {
    effect = DROPEFFECT_NONE;
    return;
  }
  effect = DROPEFFECT_COPY;
  RightDrag = (button & MK_RBUTTON) != 0;
}

void frmClip::txtList_OLEDragDrop(IDataObject* data, DWORD& effect, POINT where) {
  if (!offers_file_list(data)) {
    effect = DROPEFFECT_NONE;
    return;
  }
  DropData.share(data);
  if (!RightDrag) {
    PasteFullPath();
  } else {
    ClientToScreen(hwnd(), &where);
    // Without the foreground the menu would not close on a click elsewhere.
    SetForegroundWindow(hwnd());
    const UINT choice = system_.track_popup_menu(hwnd(), popup_menu(), where);
    PostMessageW(hwnd(), WM_NULL, 0, 0);
    if (choice == mnuPopup_FullPath) mnuPopup_FullPath_Click();
    if (choice == mnuPopup_FileName) mnuPopup_FileName_Click();
  }
  effect = DROPEFFECT_COPY;
}

void frmClip::mnuPopup_FullPath_Click() { PasteFullPath(); }
void frmClip::mnuPopup_FileName_Click() { PasteFileName(); }
void frmClip::PasteFullPath() { paste(false); }
void frmClip::PasteFileName() { paste(true); }

void frmClip::paste(bool names_only) {
  std::wstring lines;
  for (const std::wstring& path : dropped_paths(DropData.get())) {
    lines += names_only ? file_name_part(path) : path;
    lines += L"\r\n";
  }
  // Appended where the text ends, with the caret after it: the new lines come into view and an
  // undo takes them back.
  const int end = GetWindowTextLengthW(txtList_);
  SendMessageW(txtList_, EM_SETSEL, end, end);
  SendMessageW(txtList_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(lines.c_str()));
  SetFocus(txtList_);
  DropData.reset();
}

void frmClip::txtList_DblClick() { SendMessageW(txtList_, EM_SETSEL, 0, GetWindowTextLengthW(txtList_)); }

LRESULT CALLBACK frmClip::text_box_proc(HWND box, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                        DWORD_PTR self) {
  // The edit control selects a word on a double-click; the handler then widens that to everything.
  const CommonControls& controls = *common_controls();  // set only when it loaded
  const LRESULT result = controls.def_subclass_proc(box, message, wparam, lparam);
  if (message == WM_LBUTTONDBLCLK) reinterpret_cast<frmClip*>(self)->txtList_DblClick();
  if (message == WM_NCDESTROY) controls.remove_window_subclass(box, text_box_proc, kTextBoxSubclass);
  return result;
}

LRESULT frmClip::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SIZE: Form_Resize(); return 0;
    case WM_CTLCOLOREDIT:
      SetTextColor(reinterpret_cast<HDC>(wparam), RGB(0, 0, 0));
      SetBkColor(reinterpret_cast<HDC>(wparam), kTeal);
      return reinterpret_cast<LRESULT>(teal_.get());
    case WM_DESTROY:
      RevokeDragDrop(txtList_);
      drop_target_.reset();
      DropData.reset();
      RightDrag = false;
      tips_.reset();
      txtList_ = nullptr;
      return 0;
  }
  return ToolWindow::on_message(message, wparam, lparam);
}

}  // namespace tamarak
