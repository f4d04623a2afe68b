#include "optimiser/fill_size.h"

#include <gtest/gtest.h>

namespace tamarak {
namespace {

TEST(FillerCount, FourLevelsFollowTheSinglePrecisionRule) {
  constexpr std::uint64_t t = 268'435'456;
  EXPECT_EQ(filler_count(t, OptimiserLevel::low), 2573u);
  EXPECT_EQ(filler_count(t, OptimiserLevel::mid), 5368u);
  EXPECT_EQ(filler_count(t, OptimiserLevel::high), 7721u);
  EXPECT_EQ(filler_count(t, OptimiserLevel::highest), 10295u);
  // In millions of bytes written, the 20 % run matches its amount label (51) to within one.
  EXPECT_NEAR((filler_count(t, OptimiserLevel::low) + 1) * kFillerChars * 2 / 1e6, 51.0, 1.0);
}

TEST(FillerCount, LargeAndTinyMachines) {
  // 16 GiB and 1 TiB: beyond what a 32-bit figure could carry.
  EXPECT_EQ(filler_count(17'179'869'184, OptimiserLevel::low), 164720u);
  EXPECT_EQ(filler_count(17'179'869'184, OptimiserLevel::mid), 343597u);
  EXPECT_EQ(filler_count(1'099'511'627'776, OptimiserLevel::highest), 42168485u);
  EXPECT_EQ(filler_count(0, OptimiserLevel::highest), 0u);
  EXPECT_EQ(filler_count(1000, OptimiserLevel::low), 0u);
}

TEST(CompletionMessage, OneTextPerLevelWithFortyAndSixtySharing) {
  EXPECT_EQ(completion_message(OptimiserLevel::low), "最適化完了 (・o・)");
  EXPECT_EQ(completion_message(OptimiserLevel::mid), "最適化完了 (・_・ゞ－☆");
  EXPECT_EQ(completion_message(OptimiserLevel::high), completion_message(OptimiserLevel::mid));
  EXPECT_EQ(completion_message(OptimiserLevel::highest), "最適化完了 ヽ(^｡^)ノ");
}

}  // namespace
}  // namespace tamarak
