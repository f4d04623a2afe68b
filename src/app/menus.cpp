#include "app/menus.h"

#include <span>
#include <string>

#include "ui/text.h"

namespace tamarak {

namespace {

// A row followed by deeper rows opens a submenu; "-" is a separator.
struct MenuRow {
  int depth;
  const char* caption;
  UINT id;
};

constexpr MenuRow kMenuBar[] = {
    {0, "ファイル(&F)", 0},
    {1, "タスクトレイに格納(&T)", mnuFileClose},
    {1, "-", 0},
    {1, "監視終了　（常駐解除）(&X)", mnuFileExit},
    {0, "便利機能(&T)", 0},
    {1, "多用途クリップボード(&C)", mnuFileClip},
    {1, "起動プロセス一覧(&P)", mnuFileApp},
    {1, "IP/OS情報(&I)", mnuFileIp},
    {1, "システム起動時間(&T)", mnuFileTime},
    {1, "-", 0},
    {1, "スクリーンセーバー(&S)", 0},
    {2, "デフォルト(&D)", mnuFileScreenMoto},
    {2, "オリジナル(&O)", mnuFileScreenNew},
    {0, "ヘルプ(&H)", 0},
    {1, "ヘルプファイルを参照(&H)", mnuHelpHelp},
    {1, "バージョン情報(&V)", mnuHelpVer},
};

constexpr MenuRow kTrayPopup[] = {
    {0, "メモリの詳細を表示", mnuPopupOpen},
    {0, "ヘルプファイルを表示", mnuPopupHelp},
    {0, "-", 0},
    {0, "メモリの最適化", 0},
    {1, " 80 %", mnuPopupAboutMemResHigHig},
    {1, " 60 %", mnuPopupAboutMemResHig},
    {1, " 40 %", mnuPopupAboutMemResMid},
    {1, " 20 %", mnuPopupAboutMemResLow},
    {0, "-", 0},
    {0, "ゴミ箱を空にする", mnuPopupDustDel},
    {0, "｢最近使ったファイル｣ を削除", mnuPopupRecentDel},
    {0, "-", 0},
    {0, "スクリーンセーバーを実行", 0},
    {1, "デフォルト", mnuPopupScreenMoto},
    {1, "オリジナル", mnuPopupScreenNew},
    {0, "-", 0},
    {0, "多用途クリップボード", mnuPopupClip},
    {0, "起動プロセス一覧", mnuPopupApp},
    {0, "IP/OS情報", mnuPopupIp},
    {0, "-", 0},
    {0, "監視終了　（常駐解除）", mnuPopupExit},
};

// Appends the rows of one level to `menu`, starting at rows[0]; returns how many rows it used.
size_t append_rows(HMENU menu, std::span<const MenuRow> rows, int depth) {
  size_t i = 0;
  while (i < rows.size() && rows[i].depth == depth) {
    const MenuRow& row = rows[i++];
    if (std::string(row.caption) == "-") {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else if (i < rows.size() && rows[i].depth > depth) {
      const HMENU sub = CreatePopupMenu();
      i += append_rows(sub, rows.subspan(i), depth + 1);
      AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), widen(row.caption).c_str());
    } else {
      AppendMenuW(menu, MF_STRING, row.id, widen(row.caption).c_str());
    }
  }
  return i;
}

}  // namespace

HMENU build_menu_bar() {
  const HMENU bar = CreateMenu();
  append_rows(bar, kMenuBar, 0);
  return bar;
}

HMENU build_tray_popup() {
  const HMENU popup = CreatePopupMenu();
  append_rows(popup, kTrayPopup, 0);
  SetMenuDefaultItem(popup, mnuPopupOpen, FALSE);
  return popup;
}

}  // namespace tamarak
