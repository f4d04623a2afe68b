#include "about/credit_scroller.h"

#include <cmath>

namespace tamarak {

CreditScroller::CreditScroller(float viewport_width, float viewport_height, float strip_width, float strip_height)
    : viewport_height_(viewport_height),
      strip_height_(strip_height),
      left_((viewport_width - strip_width) / 2),
      top_(viewport_height) {}

void CreditScroller::tick() {
  // Strictly below: at exactly -height the strip still takes one more step before it wraps.
  if (top_ < -strip_height_) {
    top_ = viewport_height_;
  } else {
    top_ -= kStep;
  }
}

int twips_to_pixels(float twips, int dpi) {
  return static_cast<int>(std::lround(twips * static_cast<float>(dpi) / 1440.0));
}

float pixels_to_twips(int pixels, int dpi) { return static_cast<float>(pixels * 1440.0 / dpi); }

}  // namespace tamarak
