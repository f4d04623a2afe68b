#include "about/frmAbout_design.h"

namespace tamarak::frmAbout_design {

namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
constexpr int kClientWidth = 388, kClientHeight = 359;

// The credit as a screen reader reads the picture that scrolls it.
constexpr char kCreditName[] = "みずなぎ ソフト工房　(・_・ゞ－☆";

// Design positions in twips, as pixels at 96 dpi; every one of them is a whole pixel.
constexpr DesignRect twips(int left, int top, int width, int height) {
  return {left / 15, top / 15, width / 15, height / 15};
}

constexpr COLORREF kBlack = RGB(0, 0, 0);
// The description breaks its lines; a one-line label cuts off at its right edge rather than wrap
// its end out of sight.
constexpr Look kPlain{Face::gothic_9};
constexpr Look kOneLine{Face::gothic_9, kBlack, std::nullopt, SS_LEFTNOWORDWRAP};
constexpr Look kLink{Face::gothic_9_underline, RGB(0, 0, 255), std::nullopt, SS_LEFTNOWORDWRAP};

// The buttons first: their order is the tab order.
constexpr ControlRow kControls[] = {
    {Kind::button, cmdOK, "OK", twips(4245, 2625, 1380, 345), {Face::gothic_9, kBlack, {}, BS_DEFPUSHBUTTON}},
    {Kind::button, cmdSysInfo, "ｼｽﾃﾑ情報(&S)", twips(4260, 3075, 1380, 345)},
    {Kind::image, Picture4, "", twips(240, 240, 480, 480), {Face::none}},
    {Kind::label, lblTitle, "", twips(960, 240, 4005, 360), kOneLine},
    {Kind::label, lblVersion, "ﾊﾞｰｼﾞｮﾝ", twips(960, 600, 4005, 225), kOneLine},
    {Kind::label, Label4,
     "物理メモリを開放＆最適化＆モニタリング　　　   　　　　　便利機能も多数搭載したタスクトレー常駐ソフト！",
     twips(300, 960, 5235, 495), kPlain},
    {Kind::label, Label7,
     "メモリ使用率をタスクトレーにリアルタイム表示！            シンプルな操作と、親しみ易いGUI！　 "
     "　　　　　　　　　　　動作時のメモリ消費量も小さく，常駐するけど負荷知らず！",
     twips(300, 1440, 5235, 615), kPlain},
    {Kind::label, Label8, "末長くご愛用頂けたら幸いです。", twips(300, 2100, 5235, 255), kOneLine},
    // A picture box's sunken edge around the face; the transparent parts show the window behind.
    {Kind::image, picIcon, "", twips(240, 2700, 540, 540), {Face::none, kBlack, {}, 0, WS_EX_CLIENTEDGE}},
    {Kind::label, Label6, "製作者：山田 太郎 (・_・ゞ－☆", twips(900, 2760, 3255, 195), kOneLine},
    {Kind::label,
     Label9,
     "～ ｢遊び心｣を｢カタチ｣に ～",
     twips(1680, 3060, 2475, 255),
     {Face::gothic_825, kBlack, std::nullopt, SS_CENTER}},
    {Kind::label, Label2, "みずなぎのHP :", twips(360, 3540, 1215, 195), kOneLine},
    {Kind::link, Label1, kHomePage, twips(1620, 3540, 3330, 180), kLink},
    {Kind::label, Label5, "     E-Mail     :", twips(360, 3840, 1215, 195), kOneLine},
    {Kind::link, LblMail, kMailAddress, twips(1620, 3840, 2775, 255), kLink},
    {Kind::label,
     Label3,
     "Copyright (C) Tamarak Project",
     twips(1920, 4200, 3735, 195),
     {Face::gothic_9, kBlack, std::nullopt, SS_RIGHT}},
    // The ticker: a clipping viewport with a sunken edge, and inside it the strip, hidden until drawn
    // in the viewport's colours.
    {Kind::picture,
     Picture1,
     "",
     twips(840, 4800, 4215, 375),
     {Face::none, RGB(0, 255, 0), RGB(0, 0, 0), WS_CLIPCHILDREN, WS_EX_CLIENTEDGE},
     nullptr,
     0,
     false,
     kCreditName},
    {Kind::picture,
     Picture2,
     "",
     twips(120, -60, 1215, 495),
     {Face::none, kBlack, {}, SS_BITMAP},
     nullptr,
     Picture1,
     true},
    // Holds the credit text, never shown.
    {Kind::edit, Text1, "", twips(120, 4800, 2415, 375), {Face::none, kBlack, {}, ES_MULTILINE}, nullptr, 0, true},
};

// Two separators, above the face and above the ticker.
constexpr LineRow kLines[] = {
    {1, 6, 163, 377, 163, RGB(128, 128, 128)},
    {2, 7, 164, 377, 164, RGB(255, 255, 255)},
    {3, 8, 304, 379, 304, RGB(255, 255, 255)},
    {4, 8, 305, 378, 304, RGB(192, 192, 192)},
};

}  // namespace

constinit const WindowDesign kDesign{.class_name = L"TamarakAbout",
                                     .caption = "",
                                     .style = kStyle,
                                     .ex_style = kExStyle,
                                     .client_width = kClientWidth,
                                     .client_height = kClientHeight,
                                     .menu_bar = false,
                                     .controls = kControls,
                                     .lines = kLines};

}  // namespace tamarak::frmAbout_design
