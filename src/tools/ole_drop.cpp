#include "tools/ole_drop.h"

#include <shellapi.h>

#include "base/failure_note.h"
#include "base/handles.h"

namespace tamarak {

namespace {

FORMATETC file_list_format() { return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

}  // namespace

bool offers_file_list(IDataObject* data) {
  FORMATETC format = file_list_format();
  return data && data->QueryGetData(&format) == S_OK;
}

std::vector<std::wstring> dropped_paths(IDataObject* data) {
  std::vector<std::wstring> paths;
  FORMATETC format = file_list_format();
  OwnedMedium held;
  if (!data || FAILED(NOTE_IF_FAILED(data->GetData(&format, held.out())))) return paths;
  if (const STGMEDIUM& medium = held.get(); medium.tymed == TYMED_HGLOBAL && medium.hGlobal) {
    const auto files = static_cast<HDROP>(medium.hGlobal);
    const UINT count = DragQueryFileW(files, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
      std::wstring path(DragQueryFileW(files, i, nullptr, 0), L'\0');
      // An empty name is the list's terminator; Wine counts it as a file when the list is empty.
      if (path.empty()) break;
      DragQueryFileW(files, i, path.data(), static_cast<UINT>(path.size() + 1));
      paths.push_back(std::move(path));
    }
  }
  return paths;
}

HRESULT DropTarget::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IDropTarget) {
    *object = static_cast<IDropTarget*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG DropTarget::AddRef() { return InterlockedIncrement(&references_); }

ULONG DropTarget::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return left;
}

HRESULT DropTarget::DragEnter(IDataObject* data, DWORD key_state, POINTL, DWORD* effect) {
  if (!effect) return E_INVALIDARG;
  dragged_.share(data);
  over_(data, *effect, key_state);
  return S_OK;
}

HRESULT DropTarget::DragOver(DWORD key_state, POINTL, DWORD* effect) {
  if (!effect) return E_INVALIDARG;
  over_(dragged_.get(), *effect, key_state);
  return S_OK;
}

HRESULT DropTarget::DragLeave() {
  dragged_.reset();
  return S_OK;
}

HRESULT DropTarget::Drop(IDataObject* data, DWORD, POINTL point, DWORD* effect) {
  dragged_.reset();
  if (!effect) return E_INVALIDARG;
  drop_(data, *effect, {point.x, point.y});
  return S_OK;
}

}  // namespace tamarak
