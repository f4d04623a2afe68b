#include "tools/frmClip_design.h"

namespace tamarak::frmClip_design {

namespace {

constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

// The text box fills the window whatever its size; these are its place as designed.
constexpr ControlRow kControls[] = {
    {Kind::edit,
     txtList,
     "",
     {12, 12, 221, 125},
     {Face::gothic_9, RGB(0, 0, 0), RGB(0, 192, 192),
      ES_MULTILINE | ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_WANTRETURN | WS_HSCROLL | WS_VSCROLL | WS_TABSTOP,
      WS_EX_CLIENTEDGE},
     "■左クリックでDrag＆Drop⇒ファイルのフルパスを取得  "
     "■右クリックでDrag＆Drop⇒ファイルのフルパス、ファイル名を選択して取得",
     0,
     false,
     "多用途クリップボード"},
};

}  // namespace

constinit const WindowDesign kDesign{.class_name = L"TamarakClip",
                                     .caption = kCaption,
                                     .style = kStyle,
                                     .ex_style = WS_EX_TOPMOST,
                                     .client_width = 569,
                                     .client_height = 343,
                                     .menu_bar = false,
                                     .controls = kControls};

}  // namespace tamarak::frmClip_design
