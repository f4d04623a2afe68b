#include "ui/link_label.h"

#include <commctrl.h>

#include "base/failure_note.h"
#include "base/guards.h"

namespace tamarak {

namespace {

constexpr UINT_PTR kLinkSubclass = 1;

void tell_clicked(HWND label) {
  SendMessageW(GetParent(label), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(label), STN_CLICKED),
               reinterpret_cast<LPARAM>(label));
}

// The label as the static draws it, then the focus rectangle around its text, unless the user has
// not used the keyboard yet.
void paint(HWND label) {
  const Painting painting(label);
  SendMessageW(label, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(painting.dc()), PRF_CLIENT);
  if (GetFocus() != label || (SendMessageW(label, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)) return;
  wchar_t text[256];
  const int length = GetWindowTextW(label, text, 256);
  RECT around;
  GetClientRect(label, &around);
  const Selected font(painting.dc(), reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)));
  DrawTextW(painting.dc(), text, length, &around, DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE);
  RECT client;
  GetClientRect(label, &client);
  IntersectRect(&around, &around, &client);
  DrawFocusRect(painting.dc(), &around);
}

LRESULT CALLBACK link_proc(HWND label, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR) {
  switch (message) {
    case WM_GETDLGCODE: {
      // Enter is the link's, not the window's default button.
      const auto* msg = reinterpret_cast<const MSG*>(lparam);
      const LRESULT code = DefSubclassProc(label, message, wparam, lparam);
      return msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN ? code | DLGC_WANTMESSAGE : code;
    }
    case WM_KEYDOWN:
      if (wparam == VK_RETURN || wparam == VK_SPACE) {
        tell_clicked(label);
        return 0;
      }
      break;
    case WM_PAINT: paint(label); return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE: InvalidateRect(label, nullptr, TRUE); break;
    case WM_NCDESTROY: RemoveWindowSubclass(label, link_proc, kLinkSubclass); break;
  }
  return DefSubclassProc(label, message, wparam, lparam);
}

}  // namespace

void make_link(HWND label) { NOTE_IF_FALSE(SetWindowSubclass(label, link_proc, kLinkSubclass, 0)); }

}  // namespace tamarak
