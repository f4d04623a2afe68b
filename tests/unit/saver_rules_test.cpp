#include "saver/saver_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace tamarak {
namespace {

TEST(SaverRequest, ReadsEverySpellingOfTheProtocolAndRefusesTheRest) {
  for (const wchar_t* arguments : {L"/s", L" /S ", L"-s"})
    EXPECT_EQ(saver_request(arguments), SaverRequest{SaverMode::full_screen}) << arguments;
  for (const wchar_t* arguments : {L"/p 1234", L"/P:1234", L"-p\t1234"})
    EXPECT_EQ(saver_request(arguments), (SaverRequest{SaverMode::preview, 1234})) << arguments;
  for (const wchar_t* arguments : {L"/c", L"/C ", L""})
    EXPECT_EQ(saver_request(arguments), SaverRequest{SaverMode::settings}) << arguments;
  EXPECT_EQ(saver_request(L"/c:4242"), (SaverRequest{SaverMode::settings, 4242}));
  for (const wchar_t* arguments : {L"/p", L"/p 0", L"/p:", L"/p 12x", L"/p 99999999999999999999999", L"/s 5", L"/sx",
                                   L"/c:y", L"/a", L"s", L"/", L"//s"})
    EXPECT_EQ(saver_request(arguments), SaverRequest{}) << arguments;
}

TEST(SaverDrift, StaysInsideReachesEveryEdgeAndMovesAStepATick) {
  Point low{1920, 1200}, high{}, previous{};
  for (long long tick = 0; tick < 2000; ++tick) {
    const Point at = drift_origin(tick, 1920, 1200, 200, 170, 8);
    ASSERT_LE(std::abs(at.x - previous.x) + std::abs(at.y - previous.y), 16) << tick;
    low = {std::min(low.x, at.x), std::min(low.y, at.y)};
    high = {std::max(high.x, at.x), std::max(high.y, at.y)};
    previous = at;
  }
  EXPECT_EQ(low, (Point{0, 0}));
  EXPECT_EQ(high, (Point{1920 - 200, 1200 - 170}));
  EXPECT_EQ(drift_origin(5, 100, 100, 300, 300, 8), (Point{0, 0}));  // larger than the screen
  EXPECT_FALSE(moved_enough(kMoveThreshold, -kMoveThreshold));
  EXPECT_TRUE(moved_enough(0, -kMoveThreshold - 1));
}

}  // namespace
}  // namespace tamarak
