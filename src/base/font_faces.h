// Which font faces the system has.
#pragma once

namespace tamarak {

// Whether a face of this name is installed: a missing one would be drawn in whatever face the
// system maps it to.
bool face_installed(const wchar_t* face);

}  // namespace tamarak
