// Every action of the main window's menus and level buttons, defined once and named after the
// handler that runs it. The menu bar's rows, the tray popup's rows and the four level buttons name
// these; one dispatch runs them. The values are the items' and buttons' WM_COMMAND ids.
#pragma once

#include <windows.h>

#include <algorithm>
#include <iterator>

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
  // Not an item: the icon's right-click (or its keys), which opens the popup menu.
  mnuPopup = 2100,
};

// While an optimiser run writes its memory the program takes only these: its window shown (from the
// icon's double-click or the popup) and hidden. The popup does not open meanwhile.
inline constexpr Command kTakenWhileOptimising[] = {mnuPopupOpen, mnuFileClose};

constexpr bool taken_while_optimising(Command command) {
  return std::find(std::begin(kTakenWhileOptimising), std::end(kTakenWhileOptimising), command) !=
         std::end(kTakenWhileOptimising);
}

}  // namespace tamarak
