// Library sessions held for a scope: OLE and COM for a thread, Winsock for a use.
#pragma once

#include <ole2.h>
#include <windows.h>
#include <winsock2.h>

#include "base/failure_note.h"

namespace tamarak {

// OLE for this thread, for as long as a window on it may take a drop.
class [[nodiscard]] OleSession {
 public:
  OleSession() : ok_(SUCCEEDED(NOTE_IF_FAILED(OleInitialize(nullptr)))) {}
  ~OleSession() {
    if (ok_) OleUninitialize();
  }
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;
  explicit operator bool() const { return ok_; }

 private:
  bool ok_;
};

// COM for this thread, apartment-threaded and without OLE1's DDE, as the shell wants it.
class [[nodiscard]] ComSession {
 public:
  ComSession()
      : ok_(SUCCEEDED(NOTE_IF_FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)))) {}
  ~ComSession() {
    if (ok_) CoUninitialize();
  }
  ComSession(const ComSession&) = delete;
  ComSession& operator=(const ComSession&) = delete;

 private:
  bool ok_;
};

// Winsock wants a session around every use.
class [[nodiscard]] WinsockSession {
 public:
  WinsockSession() : ok_(NOTE_IF_ERROR(WSAStartup(MAKEWORD(2, 2), &data_)) == 0) {}
  ~WinsockSession() {
    if (ok_) WSACleanup();
  }
  WinsockSession(const WinsockSession&) = delete;
  WinsockSession& operator=(const WinsockSession&) = delete;
  explicit operator bool() const { return ok_; }

 private:
  WSADATA data_{};
  bool ok_;
};

}  // namespace tamarak
