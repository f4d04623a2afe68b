// The main window's menu bar and the tray popup menu, as data.
#pragma once

#include <windows.h>

namespace tamarak {

// Command ids, named after their menu items.
enum MenuCommand : UINT {
  mnuFileClose = 2001,
  mnuFileExit,
  mnuFileClip,
  mnuFileApp,
  mnuFileIp,
  mnuFileTime,
  mnuFileScreenMoto,
  mnuFileScreenNew,
  mnuHelpHelp,
  mnuHelpVer,
  mnuPopupOpen,
  mnuPopupHelp,
  mnuPopupAboutMemResHigHig,
  mnuPopupAboutMemResHig,
  mnuPopupAboutMemResMid,
  mnuPopupAboutMemResLow,
  mnuPopupDustDel,
  mnuPopupRecentDel,
  mnuPopupScreenMoto,
  mnuPopupScreenNew,
  mnuPopupClip,
  mnuPopupApp,
  mnuPopupIp,
  mnuPopupExit,
};

HMENU build_menu_bar();
// The popup's items, "メモリの詳細を表示" bold as the default.
HMENU build_tray_popup();

}  // namespace tamarak
