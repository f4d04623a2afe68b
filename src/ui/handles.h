// Owning wrappers for Win32 handles: each closes its handle exactly once.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace tamarak {

template <auto Close>
struct HandleCloser {
  template <class H>
  void operator()(H h) const {
    Close(h);
  }
};

template <class H, auto Close>
using Owned = std::unique_ptr<std::remove_pointer_t<H>, HandleCloser<Close>>;

using OwnedFont = Owned<HFONT, DeleteObject>;
using OwnedBrush = Owned<HBRUSH, DeleteObject>;
using OwnedBitmap = Owned<HBITMAP, DeleteObject>;
using OwnedIcon = Owned<HICON, DestroyIcon>;
using OwnedMenu = Owned<HMENU, DestroyMenu>;
using OwnedHandle = Owned<HANDLE, CloseHandle>;
using OwnedDC = Owned<HDC, DeleteDC>;
using OwnedRegion = Owned<HRGN, DeleteObject>;

}  // namespace tamarak
