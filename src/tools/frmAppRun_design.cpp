#include "tools/frmAppRun_design.h"

namespace tamarak::frmAppRun_design {

namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

// In tab order: the button first, so it has the focus when the window opens.
constexpr ControlRow kControls[] = {
    {Kind::button, Command1, "起動プロセス一覧の取得", {104, 448, 213, 25}},
    {Kind::list,
     List1,
     "",
     {0, 0, 433, 444},
     {Face::gothic_825, RGB(255, 255, 255), RGB(0, 0, 0), LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
      WS_EX_CLIENTEDGE},
     nullptr,
     0,
     false,
     "起動プロセス一覧"},
    {Kind::label,
     Label1,
     "※搭載メモリが少ないのに起動プロセスが多いと、PCは不安定になります",
     {8, 476, 413, 13},
     {Face::gothic_825, RGB(0, 0, 0), std::nullopt, SS_CENTER}},
};

}  // namespace

constinit const WindowDesign kDesign{.class_name = L"TamarakAppRun",
                                     .caption = kCaption,
                                     .style = kStyle,
                                     .ex_style = kExStyle,
                                     .client_width = 433,
                                     .client_height = 488,
                                     .menu_bar = false,
                                     .controls = kControls};

}  // namespace tamarak::frmAppRun_design
