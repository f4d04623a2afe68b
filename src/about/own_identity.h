// The program's name and version as its version resource records them, so the About window shows
// what the executable really is.
#pragma once

#include <string>

namespace tamarak {

struct OwnIdentity {
  std::wstring title;  // the product name
  unsigned major = 0, minor = 0, revision = 0;
};

// Read from the running executable's own resources; empty and zero when it carries no version
// resource.
OwnIdentity read_own_identity();

}  // namespace tamarak
