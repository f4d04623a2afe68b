// Temporary drawing states that put themselves back, as owned handles close themselves: a window's
// device context, an object selected into a DC, a paint, a control's drawing turned off.
#pragma once

#include <windows.h>

#include "base/failure_note.h"

namespace tamarak {

// The device context of a window (or of the screen, for null), released at the end of the scope.
class [[nodiscard]] WindowDC {
 public:
  explicit WindowDC(HWND window) : window_(window), dc_(NOTE_IF_NULL(GetDC(window))) {}
  ~WindowDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// An object selected into a DC; the one it replaced goes back at the end of the scope.
class [[nodiscard]] Selected {
 public:
  Selected(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~Selected() {
    if (previous_) SelectObject(dc_, previous_);
  }
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A WM_PAINT's BeginPaint and EndPaint.
class [[nodiscard]] Painting {
 public:
  explicit Painting(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~Painting() { EndPaint(window_, &paint_); }
  Painting(const Painting&) = delete;
  Painting& operator=(const Painting&) = delete;
  HDC dc() const { return dc_; }
  const RECT& area() const { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// A window's drawing turned off while it changes much (WM_SETREDRAW), and on again at the end of the
// scope, when the whole window is drawn afresh.
class [[nodiscard]] RedrawPaused {
 public:
  explicit RedrawPaused(HWND window) : window_(window) { SendMessageW(window, WM_SETREDRAW, FALSE, 0); }
  ~RedrawPaused() {
    SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(window_, nullptr, TRUE);
  }
  RedrawPaused(const RedrawPaused&) = delete;
  RedrawPaused& operator=(const RedrawPaused&) = delete;

 private:
  HWND window_;
};

}  // namespace tamarak
