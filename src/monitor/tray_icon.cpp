#include "monitor/tray_icon.h"

#include <algorithm>
#include <string>

#include "base/failure_note.h"
#include "base/text.h"
#include "monitor/memory_figures.h"

namespace tamarak {

NOTIFYICONDATAW TrayIcon::record() const {
  NOTIFYICONDATAW record{};
  record.cbSize = sizeof record;
  record.hWnd = window_;
  record.uID = kTrayIconId;
  return record;
}

void TrayIcon::show(HICON picture, std::uint32_t load) {
  const std::uint64_t now = system_.milliseconds_since_start();
  wanted_ = true;
  if (sent_ && sent_->picture == picture && sent_->load == load && now - sent_->at < kResendMs) return;
  NOTIFYICONDATAW icon = record();
  icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  icon.uCallbackMessage = kTrayCallbackMessage;
  icon.hIcon = picture;
  const std::wstring tip = widen(tray_tip(load));
  std::copy_n(tip.begin(), std::min<size_t>(tip.size(), std::size(icon.szTip) - 1), icon.szTip);
  const DWORD operation = held_ ? NIM_MODIFY : NIM_ADD;
  if (system_.notify_icon(operation, icon) ||
      NOTE_IF_REFUSED(system_.notify_icon(held_ ? NIM_ADD : NIM_MODIFY, icon))) {
    held_ = true;
    sent_ = Shown{picture, load, now};
  } else {
    sent_.reset();  // tried again at the next show, whatever it shows
  }
}

void TrayIcon::remove() {
  if (!wanted_) return;
  wanted_ = false;
  sent_.reset();
  held_ = false;
  // Sent even when the shell seemed not to hold it: one that timed out may have taken it all the same.
  system_.notify_icon(NIM_DELETE, record());
}

void TrayIcon::give_focus_back() { NOTE_IF_REFUSED(system_.notify_icon(NIM_SETFOCUS, record())); }

}  // namespace tamarak
