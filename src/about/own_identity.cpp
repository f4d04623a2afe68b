#include "about/own_identity.h"

#include <windows.h>

#include <cwchar>
#include <string>
#include <vector>

#include "commands/launch_beside_program.h"

namespace tamarak {

namespace {

// The block at `query` in a version resource, or null.
const void* version_block(std::vector<BYTE>& resource, const wchar_t* query, UINT minimum_size) {
  void* block = nullptr;
  UINT size = 0;
  return VerQueryValueW(resource.data(), query, &block, &size) && size >= minimum_size ? block : nullptr;
}

}  // namespace

OwnIdentity read_own_identity() {
  OwnIdentity identity;
  const std::wstring path = own_program_path();
  DWORD unused = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &unused);
  if (size == 0) return identity;
  std::vector<BYTE> resource(size);
  if (!GetFileVersionInfoW(path.c_str(), 0, size, resource.data())) return identity;

  if (const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(version_block(resource, L"\\", sizeof(VS_FIXEDFILEINFO)))) {
    identity.major = HIWORD(fixed->dwFileVersionMS);
    identity.minor = LOWORD(fixed->dwFileVersionMS);
    identity.revision = LOWORD(fixed->dwFileVersionLS);
  }
  // The name in the resource's own first language.
  const auto* translation = static_cast<const WORD*>(version_block(resource, L"\\VarFileInfo\\Translation", 4));
  if (!translation) return identity;
  wchar_t query[64];
  std::swprintf(query, 64, L"\\StringFileInfo\\%04x%04x\\ProductName", translation[0], translation[1]);
  if (const auto* name = static_cast<const wchar_t*>(version_block(resource, query, 1))) identity.title = name;
  return identity;
}

}  // namespace tamarak
