// The program's name and version as its version resource records them, read from the resource's
// bytes: the system's version library would have to be loaded from somewhere to do it.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace tamarak {

struct VersionResource {
  unsigned major = 0, minor = 0, revision = 0;  // of the file version
  std::u16string product_name;                  // in the resource's first listed language
};

// From the bytes of a VS_VERSIONINFO resource. Whatever is missing or malformed stays zero or empty;
// no length in the data is trusted beyond the bytes given.
VersionResource read_version_resource(std::span<const std::uint8_t> bytes);

}  // namespace tamarak
