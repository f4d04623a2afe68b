// A data object as a drag source hands it over: a file list in CF_HDROP, or (offers_files false)
// data in some other format only. Counts its references so tests can see them released.
#pragma once

#include <ole2.h>
#include <windows.h>

#include <string>
#include <vector>

namespace test_support {

class FakeFileData final : public IDataObject {
 public:
  explicit FakeFileData(std::vector<std::wstring> paths, bool offers_files = true)
      : paths_(std::move(paths)), offers_files_(offers_files) {}

  LONG references() const { return references_; }
  // The paths as a drop's CF_HDROP memory: DROPFILES, then the wide paths one after another, each
  // ending in a zero, and a final zero.
  HGLOBAL file_list() const;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override { return --references_; }  // lives on the test's stack
  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
    if (out) out->ptd = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override;
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

 private:
  std::vector<std::wstring> paths_;
  bool offers_files_;
  LONG references_ = 1;
};

// What a program leaves on the clipboard: the data in one format, as the clipboard's own.
bool set_clipboard(UINT format, HGLOBAL data);

}  // namespace test_support
