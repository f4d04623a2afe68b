#include "drag_files.h"

#include <ole2.h>

#include <atomic>
#include <thread>

#include "driver.h"
#include "fake_file_data.h"

namespace e2e {

namespace {

// Drops when the dragging button comes up; reports what the target last offered.
class ButtonSource final : public IDropSource {
 public:
  explicit ButtonSource(DWORD button) : button_(button) {}

  std::atomic<bool> running{false};
  std::atomic<DWORD> feedback{DROPEFFECT_NONE};

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (iid != IID_IUnknown && iid != IID_IDropSource) return *object = nullptr, E_NOINTERFACE;
    *object = static_cast<IDropSource*>(this);
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
    running = true;
    if (escape) return DRAGDROP_S_CANCEL;
    return keys & button_ ? S_OK : DRAGDROP_S_DROP;
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override {
    running = true;
    feedback = effect;
    return DRAGDROP_S_USEDEFAULTCURSORS;
  }

 private:
  DWORD button_;
};

void mouse(DWORD flags, POINT at = {}) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  if (flags & MOUSEEVENTF_ABSOLUTE) {
    input.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  }
  SendInput(1, &input, sizeof input);
}

bool cursor_at(POINT where) {
  POINT now;
  GetCursorPos(&now);
  return now.x == where.x && now.y == where.y;
}

}  // namespace

DragOutcome drag_files(const std::vector<std::wstring>& paths, POINT to, bool right_button,
                       const std::function<void()>& while_dropping) {
  DragOutcome outcome;
  if (FAILED(OleInitialize(nullptr))) return outcome;
  {
    // The drag starts from a window of this thread, clear of the program's centred windows.
    const POINT from{80, 700};
    const HWND source_window = CreateWindowExW(
        WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"STATIC", L"drag source", WS_POPUP | WS_VISIBLE | SS_BLACKRECT | SS_NOTIFY,
        from.x - 30, from.y - 30, 60, 60, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    test_support::FakeFileData data(paths);
    ButtonSource source(right_button ? MK_RBUTTON : MK_LBUTTON);

    const DWORD down = right_button ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    const DWORD up = right_button ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    const UINT down_message = right_button ? WM_RBUTTONDOWN : WM_LBUTTONDOWN;
    mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, from);
    wait_until([&] { return cursor_at(from); });
    mouse(down);
    bool pressed = false;
    wait_until([&] {
      MSG msg;
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == down_message && msg.hwnd == source_window) pressed = true;
        DispatchMessageW(&msg);
      }
      return pressed;
    });

    std::atomic<bool> abandoned{false};
    std::thread carrier([&] {
      if (!wait_until([&] { return source.running || abandoned; }) || abandoned) return;
      mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, {(from.x + to.x) / 2, (from.y + to.y) / 2});
      mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, to);
      // Released only once the target has said it takes the files.
      wait_until([&] { return source.feedback.load() == DROPEFFECT_COPY; });
      mouse(up);
      if (while_dropping) while_dropping();
    });
    if (pressed)
      outcome.result = DoDragDrop(&data, &source, DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK, &outcome.effect);
    else
      mouse(up);
    abandoned = true;
    carrier.join();
    DestroyWindow(source_window);
  }
  OleUninitialize();
  return outcome;
}

}  // namespace e2e
