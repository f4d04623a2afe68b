#include "tools/frmIp.h"

#include "tools/os_texts.h"
#include "tools/tool_identity.h"
#include "ui/fonts.h"
#include "ui/rounded_frame.h"
#include "ui/text.h"

namespace tamarak {

using namespace ip_controls;

namespace {

// Without WS_CLIPCHILDREN: a group box paints only its edge and caption, and counts on the window
// to paint what lies inside it.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr COLORREF kBoxColour = RGB(192, 192, 192);

// The window's own face for the OS boxes: the system's message font, which suits whatever
// language the system runs in.
OwnedFont message_font() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  return OwnedFont(CreateFontIndirectW(&metrics.lfMessageFont));
}

}  // namespace

frmIp::frmIp(SystemServices& system, ProgramLifetime& lifetime)
    : ToolWindow(system, lifetime),
      gothic_font_(make_gothic_font(9, FontStyle::normal, dpi_)),
      default_font_(message_font()),
      grey_(CreateSolidBrush(kBoxColour)) {}

bool frmIp::create(HWND owner) {
  if (!create_tool_window(L"TamarakIp", kIpCaption, kStyle, 0, 259, 198, owner)) return false;
  // Frames in the design hold their controls; here those sit on the window at the frame's offset,
  // created in the design's tab order.
  const HFONT gothic = gothic_font_.get();
  const DWORD label = SS_RIGHT | SS_NOPREFIX, box = ES_AUTOHSCROLL | WS_TABSTOP;
  add_control(frm1, L"BUTTON", "ユーザー情報", BS_GROUPBOX, 0, {12, 8, 233, 65}, gothic);
  add_control(lblIp, L"STATIC", "IPアドレス", label, 0, {12 + 20, 8 + 20, 77, 17}, gothic);
  add_control(txtIp, L"EDIT", "", box, WS_EX_CLIENTEDGE, {12 + 100, 8 + 16, 121, 18}, gothic);
  add_control(lblPc, L"STATIC", "コンピュータ名", label, 0, {12 + 4, 8 + 44, 93, 17}, gothic);
  add_control(txtPc, L"EDIT", "", box, WS_EX_CLIENTEDGE, {12 + 100, 8 + 40, 121, 18}, gothic);
  add_control(frm2, L"BUTTON", "OS情報", BS_GROUPBOX, 0, {12, 80, 233, 97}, gothic);
  add_control(lblOsName, L"STATIC", "OSの名前", label, 0, {12 + 16, 80 + 24, 77, 17}, gothic);
  add_control(lblOsVer, L"STATIC", "バージョン", label, 0, {12 + 12, 80 + 48, 81, 21}, gothic);
  add_control(lblOsBuild, L"STATIC", "ビルド番号", label, 0, {12 + 8, 80 + 72, 85, 17}, gothic);
  const HFONT plain = default_font_.get();
  add_control(txtOsName, L"EDIT", "", box, WS_EX_CLIENTEDGE, {12 + 100, 80 + 20, 121, 18}, plain);
  add_control(txtOsVer, L"EDIT", "", box, WS_EX_CLIENTEDGE, {12 + 100, 80 + 44, 121, 18}, plain);
  add_control(txtOsBuild, L"EDIT", "", box, WS_EX_CLIENTEDGE, {12 + 100, 80 + 68, 121, 18}, plain);
  Form_Load();
  return true;
}

void frmIp::set_text(int id, std::string_view utf8) { SetDlgItemTextW(hwnd(), id, widen(utf8).c_str()); }

void frmIp::Form_Load() {
  SetDlgItemTextW(hwnd(), txtIp, system_.host_address().c_str());
  SetDlgItemTextW(hwnd(), txtPc, system_.host_name().c_str());
  const OsVersion os = system_.os_version();
  set_text(txtOsName, os_family_name(os.platform_id));
  set_text(txtOsVer, os_version_text(os.major, os.minor));
  set_text(txtOsBuild, os_build_text(os.build));
}

void frmIp::Form_Resize() { apply_rounded_frame(hwnd(), dpi_); }

LRESULT frmIp::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SIZE: Form_Resize(); return 0;
    case WM_CTLCOLOREDIT:
      SetBkColor(reinterpret_cast<HDC>(wparam), kBoxColour);
      return reinterpret_cast<LRESULT>(grey_.get());
  }
  return ToolWindow::on_message(message, wparam, lparam);
}

}  // namespace tamarak
