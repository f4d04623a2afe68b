#include "drag_files.h"

#include <ole2.h>
#include <shlobj.h>

#include <atomic>
#include <cstring>
#include <thread>

#include "driver.h"

namespace e2e {

namespace {

FORMATETC file_list_format() { return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

// The file list in CF_HDROP, as a file manager hands it to OLE.
class FileList final : public IDataObject {
 public:
  explicit FileList(const std::vector<std::wstring>& paths) {
    for (const std::wstring& path : paths) list_ += path + L'\0';
    list_ += L'\0';
  }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (iid != IID_IUnknown && iid != IID_IDataObject) return *object = nullptr, E_NOINTERFACE;
    *object = static_cast<IDataObject*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override { return --references_; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
    return format->cfFormat == CF_HDROP && (format->tymed & TYMED_HGLOBAL) ? S_OK : DV_E_FORMATETC;
  }
  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
    if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
    const size_t bytes = sizeof(DROPFILES) + list_.size() * sizeof(wchar_t);
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    auto* files = static_cast<DROPFILES*>(GlobalLock(memory));
    files->pFiles = sizeof(DROPFILES);
    files->fWide = TRUE;
    std::memcpy(files + 1, list_.data(), list_.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    *medium = {};
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = memory;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override {
    if (direction != DATADIR_GET) return E_NOTIMPL;
    FORMATETC format = file_list_format();
    return SHCreateStdEnumFmtEtc(1, &format, formats);
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
    if (out) out->ptd = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

 private:
  std::wstring list_;
  std::atomic<LONG> references_{1};
};

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
    FileList data(paths);
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
