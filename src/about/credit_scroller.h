// The About window's credit ticker: a strip taller than its viewport rises through it and re-enters
// from below once it has wholly left at the top. Lengths are twips in single precision, so the
// strip moves at the same speed on every screen.
#pragma once

namespace tamarak {

class CreditScroller {
 public:
  static constexpr float kStep = 10.0f;  // twips a tick

  // The strip starts centred across the viewport and just below it.
  CreditScroller(float viewport_width, float viewport_height, float strip_width, float strip_height);

  void tick();
  // With the system's animations off: still, the strip's first lines at the viewport's top.
  void stand_still() { top_ = 0; }

  float left() const { return left_; }
  float top() const { return top_; }

 private:
  float viewport_height_, strip_height_;
  float left_, top_;
};

// A twips position as whole pixels at the screen's dpi, to the nearest pixel.
int twips_to_pixels(float twips, int dpi);
// Pixel lengths as the twips the scroller works in.
float pixels_to_twips(int pixels, int dpi);

}  // namespace tamarak
