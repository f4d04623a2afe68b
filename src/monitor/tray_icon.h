// The program's notification-area icon: id 100, callback message 1124, meter picture and tip.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "system/system_services.h"

namespace tamarak {

constexpr UINT kTrayIconId = 100;
constexpr UINT kTrayCallbackMessage = WM_USER + 100;

// Chooses the shell operation itself. The shell refuses an add of an icon it holds and a modify of
// one it does not, and a busy shell refuses both for a while; so a refused add is tried as a modify
// and a refused modify as an add. The shell is handed a picture or tip only when it changed, and
// the whole icon again at least every kResendMs: an icon the shell lost without a word (a timeout
// while the system pages, an Explorer that restarted without its TaskbarCreated) comes back.
class TrayIcon {
 public:
  static constexpr std::uint64_t kResendMs = 30'000;

  TrayIcon(SystemServices& system, HWND window) : system_(system), window_(window) {}

  // Shows the meter picture and the tip of `load`; the first call adds the icon.
  void show(HICON picture, std::uint32_t load);
  void remove();
  // A new taskbar holds none of the old one's icons: the next show adds the icon again.
  void shell_restarted() { sent_.reset(), held_ = false; }
  // The keyboard focus back to the notification area, when the icon's popup was dismissed.
  void give_focus_back();
  // Between the first show and the removal: the icon belongs in the tray.
  bool wanted() const { return wanted_; }

 private:
  struct Shown {
    HICON picture;
    std::uint32_t load;
    std::uint64_t at;
  };
  NOTIFYICONDATAW record() const;

  SystemServices& system_;
  HWND window_;
  bool wanted_ = false;
  bool held_ = false;          // the shell took the icon, as far as it said
  std::optional<Shown> sent_;  // the last picture and tip the shell took
};

}  // namespace tamarak
