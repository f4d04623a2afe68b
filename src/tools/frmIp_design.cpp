#include "tools/frmIp_design.h"

namespace tamarak::frmIp_design {

namespace {

// Without WS_CLIPCHILDREN: a group box paints only its edge and caption, and counts on the window
// to paint what lies inside it.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

constexpr Look kLabel{Face::gothic_9, RGB(0, 0, 0), std::nullopt, SS_RIGHT};
// The boxes show facts: read-only, but reachable by Tab, so their text can be read and copied.
constexpr DWORD kFactBox = ES_AUTOHSCROLL | ES_READONLY | WS_TABSTOP;
constexpr Look kGothicBox{Face::gothic_9, RGB(0, 0, 0), RGB(192, 192, 192), kFactBox, WS_EX_CLIENTEDGE};
// The OS boxes in the system's message font, which suits whatever language the system runs in.
constexpr Look kMessageBox{Face::message, RGB(0, 0, 0), RGB(192, 192, 192), kFactBox, WS_EX_CLIENTEDGE};

// The frames hold their controls in the design; here those sit on the window, in the design's tab
// order, each box just after its label: a screen reader names a box by the label before it.
constexpr ControlRow kControls[] = {
    {Kind::group, frm1, "ユーザー情報", {12, 8, 233, 65}},
    {Kind::label, lblIp, "IPアドレス", {32, 28, 77, 17}, kLabel},
    {Kind::edit, txtIp, "", {112, 24, 121, 18}, kGothicBox},
    {Kind::label, lblPc, "コンピュータ名", {16, 52, 93, 17}, kLabel},
    {Kind::edit, txtPc, "", {112, 48, 121, 18}, kGothicBox},
    {Kind::group, frm2, "OS情報", {12, 80, 233, 97}},
    {Kind::label, lblOsName, "OSの名前", {28, 104, 77, 17}, kLabel},
    {Kind::edit, txtOsName, "", {112, 100, 121, 18}, kMessageBox},
    {Kind::label, lblOsVer, "バージョン", {24, 128, 81, 21}, kLabel},
    {Kind::edit, txtOsVer, "", {112, 124, 121, 18}, kMessageBox},
    {Kind::label, lblOsBuild, "ビルド番号", {20, 152, 85, 17}, kLabel},
    {Kind::edit, txtOsBuild, "", {112, 148, 121, 18}, kMessageBox},
};

}  // namespace

constinit const WindowDesign kDesign{.class_name = L"TamarakIp",
                                     .caption = kCaption,
                                     .style = kStyle,
                                     .ex_style = 0,
                                     .client_width = 259,
                                     .client_height = 198,
                                     .menu_bar = false,
                                     .controls = kControls};

}  // namespace tamarak::frmIp_design
