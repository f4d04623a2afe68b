// The five meter pictures as icons of one size, lent to the panel or the tray.
#pragma once

#include <windows.h>

#include <array>

#include "base/handles.h"
#include "monitor/meter_picture.h"

namespace tamarak {

class MeterIcons {
 public:
  explicit MeterIcons(int size = kMeterSize);
  HICON operator[](int band) const { return icons_[band].get(); }
  int size() const { return size_; }  // as asked for

 private:
  int size_;
  std::array<OwnedIcon, 5> icons_;
};

}  // namespace tamarak
