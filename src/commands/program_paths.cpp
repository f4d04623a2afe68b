#include "commands/program_paths.h"

namespace tamarak {

std::u16string program_folder(const std::u16string& executable) {
  const auto slash = executable.find_last_of(u"\\/");
  if (slash == std::u16string::npos) return {};
  std::u16string folder = executable.substr(0, slash);
  // "C:" alone would name the drive's current folder, not its root.
  if (folder.size() == 2 && folder[1] == u':') folder += u'\\';
  return folder;
}

std::u16string beside_program(const std::u16string& folder, const std::u16string& relative) {
  if (!folder.empty() && folder.back() == u'\\') return folder + relative;
  return folder + u'\\' + relative;
}

}  // namespace tamarak
