#include "fake_file_data.h"

#include <shlobj.h>

#include <cstring>

namespace test_support {

HRESULT FakeFileData::QueryInterface(REFIID iid, void** object) {
  if (iid == IID_IUnknown || iid == IID_IDataObject) {
    *object = static_cast<IDataObject*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

HRESULT FakeFileData::QueryGetData(FORMATETC* format) {
  const bool file_list = format->cfFormat == CF_HDROP && (format->tymed & TYMED_HGLOBAL);
  return offers_files_ == file_list ? S_OK : DV_E_FORMATETC;
}

// What OLE hands a target in another process: the file list's format, or no format it could read.
HRESULT FakeFileData::EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) {
  FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  return direction == DATADIR_GET ? SHCreateStdEnumFmtEtc(offers_files_ ? 1 : 0, &format, formats) : E_NOTIMPL;
}

HGLOBAL FakeFileData::file_list() const {
  std::wstring list;
  for (const std::wstring& path : paths_) list += path + L'\0';
  list += L'\0';
  const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + list.size() * sizeof(wchar_t));
  auto* files = static_cast<DROPFILES*>(GlobalLock(memory));
  files->pFiles = sizeof(DROPFILES);
  files->fWide = TRUE;
  std::memcpy(files + 1, list.data(), list.size() * sizeof(wchar_t));
  GlobalUnlock(memory);
  return memory;
}

HRESULT FakeFileData::GetData(FORMATETC* format, STGMEDIUM* medium) {
  if (QueryGetData(format) != S_OK || format->cfFormat != CF_HDROP) return DV_E_FORMATETC;
  medium->tymed = TYMED_HGLOBAL;
  medium->hGlobal = file_list();
  medium->pUnkForRelease = nullptr;
  return S_OK;
}

bool set_clipboard(UINT format, HGLOBAL data) {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  const bool set = SetClipboardData(format, data) != nullptr;
  CloseClipboard();
  return set;
}

}  // namespace test_support
