// Files beside the program, named from the program's own folder.
#pragma once

#include <string>

namespace tamarak {

// The folder of an executable's full path: no trailing backslash, except a drive's root ("C:\").
std::u16string program_folder(const std::u16string& executable);

// folder + "\" + relative, without doubling the backslash of a root folder.
std::u16string beside_program(const std::u16string& folder, const std::u16string& relative);

inline constexpr char16_t kOwnScreenSaver[] = u"ss\\Tamarak's SS.scr";
inline constexpr char16_t kHelpPage[] = u"help.htm";

}  // namespace tamarak
