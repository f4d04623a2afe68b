// CPU time of 10,000 refreshes of the main window, hidden and shown, against 10,000 bare
// GlobalMemoryStatusEx + NIM_MODIFY pairs in the same process and run; and the GDI and USER
// objects a refresh leaves behind. Each refresh samples the real system, but what it shows is made
// steady, so the figures do not depend on what else this machine does meanwhile: first the same
// figures every time (the cost of a refresh itself), then one figure changed every time (what the
// repaint of one box adds).
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <cstdio>
#include <optional>

#include "../tests/win/process_counts.h"
#include "app/frmSysTray.h"
#include "bare_icon.h"
#include "harness.h"
#include "system/win32_services.h"
#include "ui/win32_prompts.h"

namespace {

constexpr int kRefreshes = 10'000;

// User plus kernel time of this thread, in seconds.
double thread_cpu_seconds() {
  FILETIME created, ended, kernel, user;
  GetThreadTimes(GetCurrentThread(), &created, &ended, &kernel, &user);
  const auto seconds = [](FILETIME t) { return double((ULONGLONG(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7; };
  return seconds(kernel) + seconds(user);
}

double cpu_seconds_of(auto&& work) {
  const double start = thread_cpu_seconds();
  work();
  return thread_cpu_seconds() - start;
}

double bare_pairs(HWND window) {
  NOTIFYICONDATAW record = bare_icon(window, 1);
  Shell_NotifyIconW(NIM_ADD, &record);
  const double seconds = cpu_seconds_of([&] {
    for (int i = 0; i < kRefreshes; ++i) {
      MEMORYSTATUSEX status{};
      status.dwLength = sizeof status;
      GlobalMemoryStatusEx(&status);
      wsprintfW(record.szTip, L"%u%%", status.dwMemoryLoad);
      Shell_NotifyIconW(NIM_MODIFY, &record);
    }
  });
  Shell_NotifyIconW(NIM_DELETE, &record);
  return seconds;
}

struct Objects {
  int gdi, user;
};

Objects objects_now() {
  return {gdi_object_count(), static_cast<int>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS))};
}

}  // namespace

class SteadySamples : public tamarak::Win32Services {
 public:
  bool change_one_figure = false;

  tamarak::MemorySample memory_status() override {
    const tamarak::MemorySample sample = Win32Services::memory_status();
    if (!first_) first_ = sample;
    tamarak::MemorySample shown = *first_;
    if (change_one_figure) shown.avail_phys -= (ticks_++ % 64) * 1'048'576;
    return shown;
  }

 private:
  std::optional<tamarak::MemorySample> first_;
  std::uint64_t ticks_ = 0;
};

int wmain() {
  SteadySamples system;
  tamarak::ProgramLifetime lifetime;
  tamarak::Win32Prompts prompts;
  tamarak::Form<tamarak::frmSysTray> main(system, prompts, lifetime);
  if (!main.create()) return 1;
  main.Form_Load();
  pump();

  const double bare = bare_pairs(main.hwnd());

  const auto refreshes = [&] {
    for (int i = 0; i < kRefreshes; ++i) {
      main.Timer1_Timer();
      UpdateWindow(main.hwnd());  // a shown window pays for its repaint here
    }
  };
  const Objects hidden_before = objects_now();
  const double hidden = cpu_seconds_of(refreshes);
  const Objects hidden_after = objects_now();

  main.ShowMainWindow();
  pump();
  UpdateWindow(main.hwnd());
  const Objects shown_before = objects_now();
  const double shown = cpu_seconds_of(refreshes);
  system.change_one_figure = true;
  const double changing = cpu_seconds_of(refreshes);
  const Objects shown_after = objects_now();

  std::printf("%d refreshes, thread CPU time       seconds   ratio to bare (goal <= 1.25)\n", kRefreshes);
  std::printf("bare status + NIM_MODIFY            %7.3f\n", bare);
  for (const auto& [name, seconds] : {std::pair{"hidden main window", hidden}, std::pair{"shown main window", shown}}) {
    const double ratio = seconds / bare;
    std::printf("%-35s %7.3f   %.2f%s\n", name, seconds, ratio, ratio <= 1.25 ? "" : "  GOAL MISSED");
  }
  std::printf("shown, one figure changed each time %7.3f   %.2f  (the box's repaint: %.0f us a refresh)\n", changing,
              changing / bare, (changing - shown) / kRefreshes * 1e6);
  std::printf("objects left after the refreshes: hidden GDI %+d USER %+d, shown GDI %+d USER %+d (goal 0)\n",
              hidden_after.gdi - hidden_before.gdi, hidden_after.user - hidden_before.user,
              shown_after.gdi - shown_before.gdi, shown_after.user - shown_before.user);
  DestroyWindow(main.hwnd());
  return 0;
}
