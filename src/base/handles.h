// Owning wrappers for what the system hands out (handles, keys, hooks, COM references, address lists,
// storage media): each gives it back exactly once.
#pragma once

#include <ole2.h>
#include <windows.h>
#include <ws2tcpip.h>

#include <cstddef>
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
using OwnedWindow = Owned<HWND, DestroyWindow>;
using OwnedPowerNotification = Owned<HPOWERNOTIFY, UnregisterPowerSettingNotification>;
using OwnedKey = Owned<HKEY, RegCloseKey>;
using OwnedHook = Owned<HHOOK, UnhookWindowsHookEx>;
using OwnedAddressList = std::unique_ptr<ADDRINFOW, HandleCloser<FreeAddrInfoW>>;

// Both handles CreateProcess gives.
struct OwnedProcess {
  explicit OwnedProcess(const PROCESS_INFORMATION& started) : process(started.hProcess), thread(started.hThread) {}
  OwnedHandle process, thread;
};

// The data a data object handed over (GetData), released once read.
class OwnedMedium {
 public:
  OwnedMedium() = default;
  OwnedMedium(const OwnedMedium&) = delete;
  OwnedMedium& operator=(const OwnedMedium&) = delete;
  ~OwnedMedium() {
    if (medium_.tymed != TYMED_NULL) ReleaseStgMedium(&medium_);
  }
  // To be filled by GetData.
  STGMEDIUM* out() { return &medium_; }
  const STGMEDIUM& get() const { return medium_; }

 private:
  STGMEDIUM medium_{};
};

// A kernel handle whose empty value is INVALID_HANDLE_VALUE, as snapshots and files give it, not null.
struct InvalidValueCloser {
  struct pointer {
    HANDLE handle = INVALID_HANDLE_VALUE;
    pointer() = default;
    pointer(std::nullptr_t) {}
    pointer(HANDLE h) : handle(h) {}
    explicit operator bool() const { return handle != INVALID_HANDLE_VALUE; }
    friend bool operator==(pointer a, pointer b) { return a.handle == b.handle; }
  };
  void operator()(pointer p) const { CloseHandle(p.handle); }
};
using OwnedSnapshot = std::unique_ptr<void, InvalidValueCloser>;

// Holds one reference to a COM object and releases it when emptied, replaced or destroyed.
template <class Interface>
class ComRef {
 public:
  ComRef() = default;
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  ~ComRef() { reset(); }

  // Takes over a reference the caller already holds.
  void adopt(Interface* object) {
    reset();
    object_ = object;
  }
  // Takes a reference of its own.
  void share(Interface* object) {
    if (object) object->AddRef();
    adopt(object);
  }
  void reset() {
    if (object_) object_->Release();
    object_ = nullptr;
  }
  Interface* get() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }

 private:
  Interface* object_ = nullptr;
};

}  // namespace tamarak
