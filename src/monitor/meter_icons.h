// The five meter pictures as icons, made once and lent to the panel and the tray.
#pragma once

#include <windows.h>

#include <array>

#include "ui/handles.h"

namespace tamarak {

class MeterIcons {
 public:
  MeterIcons();
  HICON operator[](int band) const { return icons_[band].get(); }

 private:
  std::array<OwnedIcon, 5> icons_;
};

}  // namespace tamarak
