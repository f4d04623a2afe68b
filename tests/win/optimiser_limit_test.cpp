// An optimiser run that meets the end of memory after gigabytes: run with the process's data limited
// (see cmake/windows.cmake), as a job object's limit would on Windows, where Wine enforces none.
#include <windows.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include "app/frmSysTray_design.h"
#include "fixtures.h"
#include "process_counts.h"

namespace tamarak {

using namespace frmSysTray_design;
namespace {

using OptimiserUnderALimit = MainWindowTest;

TEST_F(OptimiserUnderALimit, StopsMidwayGivesEverythingBackAndGoesOnWorking) {
  system.memory.total_phys = 16'000'000'000;  // 20 %: about 3 GB, past the limit
  start();
  warm_up_run();
  const SIZE_T before = committed_bytes(memory_of());
  command(cmdMemLow);
  finish_run();
  ASSERT_EQ(boxes_read(system.message_boxes),
            std::vector{program_box("メモリが不足したため、最適化を中止しました。", MB_OK | MB_ICONEXCLAMATION)});
  // It stopped partway, with a gigabyte or more already written, not at its first allocation.
  EXPECT_GE(memory_of().PeakWorkingSetSize, before + 1'000'000'000u);
  EXPECT_LT(committed_bytes(memory_of()), before + 1'000'000u);
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));

  system.memory.total_phys = 1'000'000'000;
  command(cmdMemLow);
  finish_run();
  EXPECT_EQ(system.message_boxes.back().text, "最適化完了 (・o・)");
}

}  // namespace
}  // namespace tamarak
