#include "about/frmAbout.h"

#include <algorithm>

#include "about/version_label.h"
#include "ui/dpi_scale.h"
#include "ui/fonts.h"
#include "ui/rounded_frame.h"
#include "ui/text.h"

namespace tamarak {

namespace {

constexpr UINT_PTR kTimer1 = 1;
constexpr UINT kTimer1Interval = 10;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
constexpr int kClientWidth = 388, kClientHeight = 359;

constexpr COLORREF kLinkBlue = RGB(0, 0, 255);
constexpr COLORREF kStripBackground = RGB(0, 0, 0);
constexpr COLORREF kStripText = RGB(0, 255, 0);

constexpr char kHomePage[] = "https://www.example.com/tamarak/";
constexpr char kMailAddress[] = "tamarak@example.com";
constexpr char kCreditText[] = "みずなぎ ソフト工房\r\n　　(・_・ゞ－☆";

// Design positions in twips, as pixels at 96 dpi; every one of them is a whole pixel.
constexpr DesignRect twips(int left, int top, int width, int height) {
  return {left / 15, top / 15, width / 15, height / 15};
}

HWND create_child(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, DWORD ex_style, int id,
                  RECT r) {
  return CreateWindowExW(ex_style, cls, text, WS_CHILD | style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                         parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                         nullptr);
}

}  // namespace

frmAbout::frmAbout(SystemServices& system, ProgramLifetime& lifetime)
    : Window(lifetime),
      system_(system),
      dpi_(screen_dpi()),
      identity_(read_own_identity()),
      font_(make_gothic_font(9, FontStyle::normal, dpi_)),
      slogan_font_(make_gothic_font_centipoints(825, FontStyle::normal, dpi_)),
      link_font_(make_gothic_font(9, FontStyle::underline, dpi_)),
      strip_font_(make_gothic_font(12, FontStyle::bold, dpi_)),
      viewport_brush_(CreateSolidBrush(kStripBackground)) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  const int size = scale_to_dpi(32, dpi_);
  program_icon_.reset(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0)));
  face_icon_.reset(static_cast<HICON>(LoadImageW(instance, L"FACE", IMAGE_ICON, size, size, 0)));
}

void frmAbout::Show(HWND owner) {
  if (hwnd()) {
    SetForegroundWindow(hwnd());
    return;
  }
  if (!create_window(L"TamarakAbout", L"", kStyle, kExStyle, scale_to_dpi(kClientWidth, dpi_),
                     scale_to_dpi(kClientHeight, dpi_), nullptr, owner))
    return;
  Form_Load();
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
  SetFocus(item(cmdOK));
  // Only once it is up and active, so the focus does not wander off to another program meanwhile.
  modal_.emplace(hwnd(), lifetime());
  system_.run_modal(hwnd());
}

void frmAbout::on_create() {
  controls_ = std::make_unique<ControlSet>(hwnd(), dpi_);
  ControlSet& c = *controls_;
  c.set_backdrop([](HDC dc, int width, int height) {
    const RECT all{0, 0, width, height};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
  });
  // The buttons first: their order is the tab order.
  HWND ok = create_child(hwnd(), L"BUTTON", L"OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, cmdOK,
                         c.scale(twips(4245, 2625, 1380, 345)));
  HWND sys_info = create_child(hwnd(), L"BUTTON", L"ｼｽﾃﾑ情報(&S)", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0,
                               cmdSysInfo, c.scale(twips(4260, 3075, 1380, 345)));
  for (HWND button : {ok, sys_info}) SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);

  // The description labels break their lines; a one-line label cuts off at its right edge rather
  // than wrap its end out of sight.
  const LabelLook plain{RGB(0, 0, 0), std::nullopt, SS_LEFT, false, font_.get()};
  const LabelLook one_line{RGB(0, 0, 0), std::nullopt, SS_LEFTNOWORDWRAP, false, font_.get()};
  const LabelLook link{kLinkBlue, std::nullopt, SS_LEFTNOWORDWRAP | SS_NOTIFY, false, link_font_.get()};
  c.add_image(Picture4, twips(240, 240, 480, 480), program_icon_.get());
  c.add_label(lblTitle, twips(960, 240, 4005, 360), "", one_line);
  c.add_label(lblVersion, twips(960, 600, 4005, 225), "ﾊﾞｰｼﾞｮﾝ", one_line);
  c.add_label(Label4, twips(300, 960, 5235, 495),
              "物理メモリを開放＆最適化＆モニタリング　　　   　　　　　便利機能も多数搭載したタスクトレー常駐ソフト！",
              plain);
  c.add_label(Label7, twips(300, 1440, 5235, 615),
              "メモリ使用率をタスクトレーにリアルタイム表示！            シンプルな操作と、親しみ易いGUI！　 "
              "　　　　　　　　　　　動作時のメモリ消費量も小さく，常駐するけど負荷知らず！",
              plain);
  c.add_label(Label8, twips(300, 2100, 5235, 255), "末長くご愛用頂けたら幸いです。", one_line);
  c.add_line({6, 163, 377, 163, RGB(128, 128, 128)});
  c.add_line({7, 164, 377, 164, RGB(255, 255, 255)});
  // A picture box's sunken edge around the face; the transparent parts show the window behind.
  const HWND face = create_child(hwnd(), L"STATIC", L"", WS_VISIBLE | SS_ICON | SS_CENTERIMAGE | SS_REALSIZECONTROL,
                                 WS_EX_CLIENTEDGE, picIcon, c.scale(twips(240, 2700, 540, 540)));
  SendMessageW(face, STM_SETICON, reinterpret_cast<WPARAM>(face_icon_.get()), 0);
  c.add_label(Label6, twips(900, 2760, 3255, 195), "製作者：山田 太郎 (・_・ゞ－☆", one_line);
  c.add_label(Label9, twips(1680, 3060, 2475, 255), "～ ｢遊び心｣を｢カタチ｣に ～",
              {RGB(0, 0, 0), std::nullopt, SS_CENTER, false, slogan_font_.get()});
  c.add_label(Label2, twips(360, 3540, 1215, 195), "みずなぎのHP :", one_line);
  c.add_label(Label1, twips(1620, 3540, 3330, 180), kHomePage, link);
  c.add_label(Label5, twips(360, 3840, 1215, 195), "     E-Mail     :", one_line);
  c.add_label(LblMail, twips(1620, 3840, 2775, 255), kMailAddress, link);
  c.add_label(Label3, twips(1920, 4200, 3735, 195), "Copyright (C) Tamarak Project",
              {RGB(0, 0, 0), std::nullopt, SS_RIGHT, false, font_.get()});
  c.add_line({8, 304, 379, 304, RGB(255, 255, 255)});
  c.add_line({8, 305, 378, 304, RGB(192, 192, 192)});

  // The ticker: a clipping viewport with a sunken edge, and inside it the strip, hidden until drawn.
  const HWND viewport = create_child(hwnd(), L"STATIC", L"", WS_VISIBLE | WS_CLIPCHILDREN, WS_EX_CLIENTEDGE,
                                     Picture1, c.scale(twips(840, 4800, 4215, 375)));
  create_child(viewport, L"STATIC", L"", SS_BITMAP, 0, Picture2, c.scale(twips(120, -60, 1215, 495)));
  create_child(hwnd(), L"EDIT", L"", ES_MULTILINE, 0, Text1, c.scale(twips(120, 4800, 2415, 375)));
}

void frmAbout::Form_Load() {
  const std::wstring title = identity_.title;
  SetWindowTextW(hwnd(), title.c_str());
  SetWindowTextW(item(lblVersion),
                 widen(version_label(identity_.major, identity_.minor, identity_.revision)).c_str());
  SetWindowTextW(item(lblTitle), title.c_str());
  SetWindowTextW(item(Text1), widen(kCreditText).c_str());
  prepare_strip();
  ShowWindow(GetDlgItem(item(Picture1), Picture2), SW_SHOW);
  SetTimer(hwnd(), kTimer1, kTimer1Interval, nullptr);
}

void frmAbout::prepare_strip() {
  const HWND viewport = item(Picture1);
  const HWND strip = GetDlgItem(viewport, Picture2);
  wchar_t text[256];
  const int length = GetWindowTextW(item(Text1), text, 256);

  const HDC screen = GetDC(strip);
  const HDC dc = CreateCompatibleDC(screen);
  const HGDIOBJ old_font = SelectObject(dc, strip_font_.get());
  RECT extent{0, 0, 0, 0};
  DrawTextW(dc, text, length, &extent, DT_CALCRECT | DT_NOPREFIX);
  strip_bitmap_.reset(CreateCompatibleBitmap(screen, std::max<LONG>(extent.right, 1), std::max<LONG>(extent.bottom, 1)));
  ReleaseDC(strip, screen);
  const HGDIOBJ old_bitmap = SelectObject(dc, strip_bitmap_.get());
  SetDCBrushColor(dc, kStripBackground);
  FillRect(dc, &extent, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  SetTextColor(dc, kStripText);
  SetBkMode(dc, TRANSPARENT);
  DrawTextW(dc, text, length, &extent, DT_LEFT | DT_NOPREFIX);
  SelectObject(dc, old_bitmap);
  SelectObject(dc, old_font);
  DeleteDC(dc);
  SendMessageW(strip, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(strip_bitmap_.get()));
  SetWindowPos(strip, nullptr, 0, 0, extent.right, extent.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

  RECT inside;
  GetClientRect(viewport, &inside);
  scroller_.emplace(pixels_to_twips(inside.right, dpi_), pixels_to_twips(inside.bottom, dpi_),
                    pixels_to_twips(extent.right, dpi_), pixels_to_twips(extent.bottom, dpi_));
  place_strip();
}

void frmAbout::place_strip() {
  const HWND strip = GetDlgItem(item(Picture1), Picture2);
  const int left = twips_to_pixels(scroller_->left(), dpi_), top = twips_to_pixels(scroller_->top(), dpi_);
  RECT now;
  GetWindowRect(strip, &now);
  MapWindowPoints(nullptr, item(Picture1), reinterpret_cast<POINT*>(&now), 2);
  // Two steps in three move it a whole pixel at 96 dpi; the others leave the screen alone.
  if (now.left != left || now.top != top)
    SetWindowPos(strip, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void frmAbout::Timer1_Timer() {
  scroller_->tick();
  place_strip();
}

void frmAbout::Form_Resize() { apply_rounded_frame(hwnd(), dpi_); }

void frmAbout::cmdOK_Click() { unload(); }

void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

void frmAbout::Label1_Click() {
  wchar_t address[256];
  GetWindowTextW(item(Label1), address, 256);
  open_link(address);
}

void frmAbout::LblMail_Click() { open_link(L"mailto:" + widen(kMailAddress)); }

void frmAbout::open_link(const std::wstring& target) {
  system_.shell_execute(GetDesktopWindow(), L"open", target, nullptr, L"", SW_SHOW);
}

void frmAbout::unload() {
  // The others come back before this one goes, so the activation returns to them and not to
  // another program.
  modal_.reset();
  DestroyWindow(hwnd());
}

void frmAbout::release_window_resources() {
  KillTimer(hwnd(), kTimer1);
  modal_.reset();
  // A static control may have kept a copy of the strip's picture: take back whatever it holds.
  const HWND strip = GetDlgItem(item(Picture1), Picture2);
  const auto held = reinterpret_cast<HBITMAP>(SendMessageW(strip, STM_SETIMAGE, IMAGE_BITMAP, 0));
  if (held && held != strip_bitmap_.get()) DeleteObject(held);
  strip_bitmap_.reset();
  scroller_.reset();
  focus_.forget();
}

void frmAbout::on_command(int id, int notification) {
  if (notification != BN_CLICKED) return;  // STN_CLICKED has the same value
  switch (id) {
    case cmdOK:
    case IDCANCEL: cmdOK_Click(); break;
    case cmdSysInfo: cmdSysInfo_Click(); break;
    case Label1: Label1_Click(); break;
    case LblMail: LblMail_Click(); break;
  }
}

bool frmAbout::on_set_cursor(HWND over) {
  if (over != item(Label1) && over != item(LblMail)) return false;
  SetCursor(LoadCursorW(nullptr, IDC_HAND));
  return true;
}

LRESULT frmAbout::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE: on_create(); return 0;
    case WM_SIZE: Form_Resize(); return 0;
    case WM_TIMER: if (wparam == kTimer1) Timer1_Timer(); return 0;
    case WM_COMMAND: on_command(LOWORD(wparam), HIWORD(wparam)); return 0;
    // The keyboard interface asks which button Enter presses.
    case DM_GETDEFID: return MAKELRESULT(cmdOK, DC_HASDEFID);
    case WM_ACTIVATE:
      if (focus_.on_activate(hwnd(), wparam)) return 0;
      break;
    case WM_SETCURSOR:
      if (on_set_cursor(reinterpret_cast<HWND>(wparam))) return TRUE;
      break;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: controls_->paint(); return 0;
    case WM_CTLCOLORSTATIC:
      if (reinterpret_cast<HWND>(lparam) == item(Picture1)) return reinterpret_cast<LRESULT>(viewport_brush_.get());
      return controls_->on_ctl_colour_static(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_CLOSE: unload(); return 0;
    case WM_DESTROY: release_window_resources(); return 0;
    case WM_NCDESTROY: controls_.reset(); break;
  }
  return default_message(message, wparam, lparam);
}

}  // namespace tamarak
