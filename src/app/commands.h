// Every action of the main window's menus and level buttons, defined once and named after the
// handler that runs it. The menu bar's rows, the tray popup's rows and the four level buttons name
// these; one dispatch runs them. The values are the items' and buttons' WM_COMMAND ids.
#pragma once

#include <windows.h>

namespace tamarak {

enum Command : UINT {
  mnuPopupOpen = 2001,  // ShowMainWindow
  mnuFileClose,
  mnuFileExit,   // also the popup's mnuPopupExit
  cmdMemLow,     // also the popup's mnuPopupAboutMemResLow
  cmdMemMid,     // mnuPopupAboutMemResMid
  cmdMemHig,     // mnuPopupAboutMemResHig
  cmdMemHigHig,  // mnuPopupAboutMemResHigHig
  mnuPopupDustDel,
  mnuPopupRecentDel,
  mnuFileTime,
  mnuFileScreenMoto,  // also the popup's mnuPopupScreenMoto
  mnuFileScreenNew,   // mnuPopupScreenNew
  mnuHelpHelp,        // mnuPopupHelp
  mnuHelpVer,
  mnuFileClip,  // mnuPopupClip
  mnuFileApp,   // mnuPopupApp
  mnuFileIp,    // mnuPopupIp
};

}  // namespace tamarak
