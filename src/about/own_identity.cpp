#include "about/own_identity.h"

#include <windows.h>

#include "about/version_resource.h"
#include "base/failure_note.h"

namespace tamarak {

OwnIdentity read_own_identity() {
  const HRSRC found = NOTE_IF_NULL(FindResourceW(nullptr, MAKEINTRESOURCEW(VS_VERSION_INFO), RT_VERSION));
  const HGLOBAL loaded = found ? NOTE_IF_NULL(LoadResource(nullptr, found)) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  const VersionResource resource = read_version_resource(
      {static_cast<const std::uint8_t*>(data), static_cast<std::size_t>(SizeofResource(nullptr, found))});
  return {
      {resource.product_name.begin(), resource.product_name.end()}, resource.major, resource.minor, resource.revision};
}

}  // namespace tamarak
