#include "about/own_identity.h"

#include <windows.h>

#include "about/version_resource.h"

namespace tamarak {

OwnIdentity read_own_identity() {
  const HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(VS_VERSION_INFO), RT_VERSION);
  const HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  const VersionResource resource = read_version_resource(
      {static_cast<const std::uint8_t*>(data), static_cast<std::size_t>(SizeofResource(nullptr, found))});
  return {
      {resource.product_name.begin(), resource.product_name.end()}, resource.major, resource.minor, resource.revision};
}

}  // namespace tamarak
