#include "app/program_lifetime.h"

#include <algorithm>

namespace tamarak {

void ProgramLifetime::window_shown(HWND window, bool shown) {
  std::erase(shown_, window);
  if (shown) shown_.push_back(window);
  follow_attention();
}

void ProgramLifetime::save_power(SystemServices& system) {
  system_ = &system;
  follow_attention();
}

// A system that refuses once (one before Windows 10 1709) is asked no more.
void ProgramLifetime::follow_attention() {
  const bool efficient = shown_.empty() && !busy();
  if (!system_ || refused_ || efficient == efficient_) return;
  efficient_ = efficient;
  refused_ = !system_->run_efficiently(efficient);
}

}  // namespace tamarak
