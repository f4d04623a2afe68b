#include "ui/common_controls.h"

namespace tamarak {

namespace {

template <class Function>
Function find(HMODULE library, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

CommonControls* load() {
  const HMODULE library = LoadLibraryW(L"comctl32.dll");
  if (!library) return nullptr;
  const auto init = find<decltype(&InitCommonControlsEx)>(library, "InitCommonControlsEx");
  static CommonControls controls{find<decltype(&SetWindowSubclass)>(library, "SetWindowSubclass"),
                                 find<decltype(&DefSubclassProc)>(library, "DefSubclassProc"),
                                 find<decltype(&RemoveWindowSubclass)>(library, "RemoveWindowSubclass")};
  const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
  if (!init || !init(&classes) || !controls.set_window_subclass || !controls.def_subclass_proc ||
      !controls.remove_window_subclass)
    return nullptr;
  return &controls;
}

}  // namespace

const CommonControls* common_controls() {
  static CommonControls* const loaded = load();
  return loaded;
}

}  // namespace tamarak
