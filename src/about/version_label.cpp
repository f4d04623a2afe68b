#include "about/version_label.h"

namespace tamarak {

std::string version_label(unsigned major, unsigned minor, unsigned revision) {
  return "ﾊﾞｰｼﾞｮﾝ " + std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(revision);
}

}  // namespace tamarak
