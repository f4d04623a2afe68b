#include "system/app_mode.h"

#include <dwmapi.h>

#include "system/system_services.h"

namespace tamarak {

namespace {

// Dark menus come only through uxtheme's unnamed exports, the calls Explorer makes, from Windows 10
// 1903 (build 18362) on; before it #135 took another argument. Not documented, so looked up by
// number only there, and the program does without them wherever one is missing: its menus are then
// as the system draws them for any program.
constexpr DWORD kDarkMenusBuild = 18362;
constexpr WORD kSetPreferredAppMode = 135, kFlushMenuThemes = 136, kAllowDarkModeForWindow = 133;
constexpr int kAllowDark = 1;  // the menus follow the user's app mode
// DWMWA_USE_IMMERSIVE_DARK_MODE, documented from Windows 10 2004 (build 19041); 1809 to 1909 took 19.
constexpr DWORD kDarkTitleBarBuild = 19041, kDarkTitleBar = 20, kDarkTitleBarBefore = 19;

// Through void (*)(), which both compilers take as fitting any function pointer type.
template <class Function>
Function uxtheme_function(SystemServices& system, WORD ordinal) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(system.uxtheme_export(ordinal)));
}

}  // namespace

void AppMode::look_up(SystemServices& system) {
  looked_up_ = true;
  const OsVersion os = system.os_version();
  title_bar_attribute_ = os.build >= kDarkTitleBarBuild ? kDarkTitleBar : kDarkTitleBarBefore;
  if (os.major < 10 || os.build < kDarkMenusBuild) return;
  const auto set_mode = uxtheme_function<SetPreferredAppMode>(system, kSetPreferredAppMode);
  const auto flush = uxtheme_function<FlushMenuThemes>(system, kFlushMenuThemes);
  const auto allow = uxtheme_function<AllowDarkModeForWindow>(system, kAllowDarkModeForWindow);
  if (!set_mode || !flush || !allow) return;
  set_preferred_app_mode_ = set_mode;
  flush_menu_themes_ = flush;
  allow_dark_mode_for_window_ = allow;
}

ColourMode AppMode::follow(SystemServices& system, HWND window) {
  const ColourMode mode = system.high_contrast()   ? ColourMode::high_contrast
                          : system.dark_app_mode() ? ColourMode::dark
                                                   : ColourMode::light;
  const bool dark = mode == ColourMode::dark;
  if (!dark && !looked_up_) return mode;
  if (!looked_up_) look_up(system);
  // Menus are made with the theme of the moment: the next one has the new mode.
  if (dark != dark_ && set_preferred_app_mode_) {
    set_preferred_app_mode_(kAllowDark);
    flush_menu_themes_();
  }
  dark_ = dark;
  if (dark && allow_dark_mode_for_window_) allow_dark_mode_for_window_(window, TRUE);
  // Refused before 1809, which has no such attribute, and where nothing composes the frames (Wine);
  // a window with a region has its caption drawn without it either way.
  const BOOL dark_title_bar = dark;
  DwmSetWindowAttribute(window, title_bar_attribute_, &dark_title_bar, sizeof dark_title_bar);
  return mode;
}

}  // namespace tamarak
