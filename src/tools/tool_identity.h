// Captions and control ids of the three tool windows, named as their designer named them. Each
// window has its own namespace, as frmAppRun's Label1 is not the main window's.
#pragma once

namespace tamarak {

inline constexpr char kAppRunCaption[] = "起動プロセス一覧　　Tamarak Version 3.0";
inline constexpr char kClipCaption[] =
    "多用途クリップボード（Drag&Dropでファイル名取得&常時最前面表示）　　Tamarak Version 3.0";
inline constexpr char kIpCaption[] = "IP/OS 情報　　Tamarak Version 3.0";

namespace app_run_controls {
enum : int { List1 = 3101, Command1, Label1 };
}

namespace clip_controls {
enum : int { txtList = 3201, mnuPopup_FullPath, mnuPopup_FileName, mnuPopup_Cancel };
}

namespace ip_controls {
enum : int {
  frm1 = 3301,
  lblIp,
  txtIp,
  lblPc,
  txtPc,
  frm2,
  lblOsName,
  lblOsVer,
  lblOsBuild,
  txtOsName,
  txtOsVer,
  txtOsBuild,
};
}

}  // namespace tamarak
