#include "monitor/memory_figures.h"

#include <gtest/gtest.h>

namespace tamarak {
namespace {

TEST(SizeText, MegabyteRuleDividesBy1_04297) {
  EXPECT_EQ(size_text(268'435'456), "257 MB");
  EXPECT_EQ(size_text(134'217'728), "128 MB");
  EXPECT_EQ(size_text(1'073'741'824), "1029 MB");
  EXPECT_EQ(size_text(0), "0 MB");
  EXPECT_EQ(size_text(4'294'967'295), "4118 MB");
  EXPECT_EQ(size_text(17'179'869'184), "16472 MB");  // more than the old 32-bit record could carry
}

TEST(SizeText, FiguresWiderThanFiveDigitsSwitchUnit) {
  EXPECT_EQ(size_text(104'296'000'000), "99999 MB");
  EXPECT_EQ(size_text(104'298'000'000), "100 GB");
  EXPECT_EQ(size_text(104'296'000'000'000), "99999 GB");
  // The 128 TB user address space of a 64-bit process.
  EXPECT_EQ(size_text(140'737'488'224'256), "134 TB");
  EXPECT_EQ(size_text(104'296'000'000'000'000), "99999 TB");
  EXPECT_EQ(size_text(104'298'000'000'000'000), "100 PB");
  EXPECT_EQ(size_text(UINT64_MAX), "17686 PB");  // the widest a 64-bit count gets
}

TEST(UsedShare, CutDownToTheIntegerBelow) {
  EXPECT_EQ(used_share_text(4567, 10000), "54 %");  // 54.33
  EXPECT_EQ(used_share_text(1000, 1000), "0 %");
  EXPECT_EQ(used_share_text(0, 1000), "100 %");
  EXPECT_EQ(used_share_text(1, 3), "66 %");
  EXPECT_EQ(used_share_text(0, 0), "0 %");
  // Over-full samples go negative, however far over, without leaving the floating-point figure.
  EXPECT_EQ(used_share_text(1005, 1000), "-1 %");
  EXPECT_EQ(used_share_text(UINT64_MAX, 1), "-1844674407370955161600 %");
}

TEST(LoadBand, EdgesBelongToTheUpperBand) {
  const std::pair<unsigned, int> cases[] = {{0, 0},  {24, 0}, {25, 1}, {49, 1},  {50, 2},
                                            {74, 2}, {75, 3}, {99, 3}, {100, 4}, {250, 4}};
  for (auto [load, band] : cases) EXPECT_EQ(load_band(load), band) << load;
}

TEST(LoadTexts, TipHasNoBlankBeforePercentButPanelDoes) {
  EXPECT_EQ(tray_tip(7), "メモリ使用率 : 7%");
  EXPECT_EQ(tray_tip(100), "メモリ使用率 : 100%");
  EXPECT_EQ(load_text(7), "7 %");
  EXPECT_EQ(load_text(0), "0 %");
}

TEST(AmountText, ShareTakenBeforeTheFloor) {
  EXPECT_EQ(amount_text(268'435'456, 0.2), "51 MB");
  EXPECT_EQ(amount_text(268'435'456, 0.4), "102 MB");
  EXPECT_EQ(amount_text(268'435'456, 0.6), "154 MB");
  EXPECT_EQ(amount_text(268'435'456, 0.8), "205 MB");
  EXPECT_EQ(amount_text(34'359'738'368, 0.8), "26355 MB");
  // 128 GiB: 80 % would be "105421 MB", too wide for its box.
  EXPECT_EQ(amount_text(137'438'953'472, 0.6), "79065 MB");
  EXPECT_EQ(amount_text(137'438'953'472, 0.8), "105 GB");
}

}  // namespace
}  // namespace tamarak
