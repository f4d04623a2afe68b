// The common controls the program uses (tool tips, and a subclass of its own on one text box), from
// the side-by-side comctl32 the manifest names. Loaded when a window first needs them rather than
// imported: an import is resolved before the program can restrict where DLLs come from, and
// comctl32's own imports would then be looked for in the program's folder too.
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace tamarak {

struct CommonControls {
  decltype(&SetWindowSubclass) set_window_subclass;
  decltype(&DefSubclassProc) def_subclass_proc;
  decltype(&RemoveWindowSubclass) remove_window_subclass;
};

// Loaded and initialised on the first call; null when the library cannot be had, and then windows
// go without tool tips.
const CommonControls* common_controls();

}  // namespace tamarak
