// OLE drag and drop of file lists: the file list of a data object, and a drop target that hands a
// window's drag events to its handlers.
#pragma once

#include <windows.h>
#include <ole2.h>

#include <functional>
#include <string>
#include <vector>

#include "base/handles.h"

namespace tamarak {

// True when the data offers the file-list format CF_HDROP.
bool offers_file_list(IDataObject* data);

// The dropped paths in the source's order, each at its full length, however long.
std::vector<std::wstring> dropped_paths(IDataObject* data);

class DropTarget final : public IDropTarget {
 public:
  using DragOverHandler = std::function<void(IDataObject* data, DWORD& effect, DWORD key_state)>;
  using DropHandler = std::function<void(IDataObject* data, DWORD& effect, POINT screen_point)>;

  // The object starts with one reference, which its creator owns.
  DropTarget(DragOverHandler over, DropHandler drop) : over_(std::move(over)), drop_(std::move(drop)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD key_state, POINTL point, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD key_state, POINTL point, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragLeave() override;
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD key_state, POINTL point, DWORD* effect) override;

 private:
  ~DropTarget() = default;

  LONG references_ = 1;
  DragOverHandler over_;
  DropHandler drop_;
  ComRef<IDataObject> dragged_;  // DragOver is not given the data: kept from DragEnter
};

}  // namespace tamarak
