#include "app/menus.h"

#include "app/commands.h"

namespace tamarak {

namespace {

constexpr MenuRow kMenuBar[] = {
    {0, "mnuFile", "ファイル(&F)"},
    {1, "mnuFileClose", "タスクトレイに格納(&T)", mnuFileClose},
    {1, "", "-"},
    {1, "mnuFileExit", "監視終了　（常駐解除）(&X)", mnuFileExit},
    {0, "mnuTool", "便利機能(&T)"},
    {1, "mnuFileClip", "多用途クリップボード(&C)", mnuFileClip},
    {1, "mnuFileApp", "起動プロセス一覧(&P)", mnuFileApp},
    {1, "mnuFileIp", "IP/OS情報(&I)", mnuFileIp},
    {1, "mnuFileTime", "システム起動時間(&T)", mnuFileTime},
    {1, "", "-"},
    {1, "mnuFileScreen", "スクリーンセーバー(&S)"},
    {2, "mnuFileScreenMoto", "デフォルト(&D)", mnuFileScreenMoto},
    {2, "mnuFileScreenNew", "オリジナル(&O)", mnuFileScreenNew},
    {0, "mnuHelp", "ヘルプ(&H)"},
    {1, "mnuHelpHelp", "ヘルプファイルを参照(&H)", mnuHelpHelp},
    {1, "mnuHelpVer", "バージョン情報(&V)", mnuHelpVer},
};

constexpr MenuRow kTrayPopup[] = {
    {0, "mnuPopupOpen", "メモリの詳細を表示", mnuPopupOpen, true},
    {0, "mnuPopupHelp", "ヘルプファイルを表示", mnuHelpHelp},
    {0, "", "-"},
    {0, "mnuPopupAboutMemRes", "メモリの最適化"},
    {1, "mnuPopupAboutMemResHigHig", " 80 %", cmdMemHigHig},
    {1, "mnuPopupAboutMemResHig", " 60 %", cmdMemHig},
    {1, "mnuPopupAboutMemResMid", " 40 %", cmdMemMid},
    {1, "mnuPopupAboutMemResLow", " 20 %", cmdMemLow},
    {0, "", "-"},
    {0, "mnuPopupDustDel", "ゴミ箱を空にする", mnuPopupDustDel},
    {0, "mnuPopupRecentDel", "｢最近使ったファイル｣ を削除", mnuPopupRecentDel},
    {0, "", "-"},
    {0, "mnuPopupScreen", "スクリーンセーバーを実行"},
    {1, "mnuPopupScreenMoto", "デフォルト", mnuFileScreenMoto},
    {1, "mnuPopupScreenNew", "オリジナル", mnuFileScreenNew},
    {0, "", "-"},
    {0, "mnuPopupClip", "多用途クリップボード", mnuFileClip},
    {0, "mnuPopupApp", "起動プロセス一覧", mnuFileApp},
    {0, "mnuPopupIp", "IP/OS情報", mnuFileIp},
    {0, "", "-"},
    {0, "mnuPopupExit", "監視終了　（常駐解除）", mnuFileExit},
};

}  // namespace

std::span<const MenuRow> menu_bar_rows() { return kMenuBar; }
std::span<const MenuRow> tray_popup_rows() { return kTrayPopup; }

}  // namespace tamarak
