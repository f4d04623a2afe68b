#include <gtest/gtest.h>

#include <algorithm>

#include "commands/program_paths.h"
#include "commands/uptime_text.h"
#include "saver/saver_rules.h"

namespace tamarak {
namespace {

TEST(UptimeText, HoursKeepCountingAndRemaindersAreDropped) {
  EXPECT_EQ(uptime_text(0), "起動してから，0時間0分0秒 経過しました");
  EXPECT_EQ(uptime_text(59'999), "起動してから，0時間0分59秒 経過しました");
  EXPECT_EQ(uptime_text(60'000), "起動してから，0時間1分0秒 経過しました");
  EXPECT_EQ(uptime_text(3'723'999), "起動してから，1時間2分3秒 経過しました");
  EXPECT_EQ(uptime_text(90'000'000), "起動してから，25時間0分0秒 経過しました");
  EXPECT_EQ(uptime_text(2'147'483'648), "起動してから，596時間31分23秒 経過しました");
  EXPECT_EQ(uptime_text(4'294'967'295), "起動してから，1193時間2分47秒 経過しました");
  // Past 49.7 days the count goes on instead of starting again from 0.
  EXPECT_EQ(uptime_text(4'294'967'296ull + 3'723'999), "起動してから，1194時間4分51秒 経過しました");
}

TEST(ProgramPaths, FilesBesideTheProgram) {
  const std::u16string tools = program_folder(u"C:\\Tools\\tamarak.exe");
  EXPECT_EQ(tools, u"C:\\Tools");
  EXPECT_EQ(beside_program(tools, kOwnScreenSaver), u"C:\\Tools\\ss\\Tamarak's SS.scr");
  EXPECT_EQ(beside_program(tools, kHelpPage), u"C:\\Tools\\help.htm");

  const std::u16string root = program_folder(u"D:\\tamarak.exe");
  EXPECT_EQ(root, u"D:\\");
  EXPECT_EQ(beside_program(root, kHelpPage), u"D:\\help.htm");
  EXPECT_EQ(beside_program(root, kOwnScreenSaver), u"D:\\ss\\Tamarak's SS.scr");

  const std::u16string odd = program_folder(u"C:\\Bob's Tools\\My Apps\\tamarak.exe");
  EXPECT_EQ(odd, u"C:\\Bob's Tools\\My Apps");
  EXPECT_EQ(beside_program(odd, kHelpPage), u"C:\\Bob's Tools\\My Apps\\help.htm");

  const std::u16string unc = program_folder(u"\\\\server\\share\\tamarak.exe");
  EXPECT_EQ(beside_program(unc, kHelpPage), u"\\\\server\\share\\help.htm");
  const std::u16string long_folder = u"\\\\?\\C:\\" + std::u16string(300, u'x');
  EXPECT_EQ(program_folder(long_folder + u"\\tamarak.exe"), long_folder);
}

// How Windows, the Control Panel and the menu item オリジナル start the screen saver, and where its
// picture goes.
TEST(SaverRules, ReadsEverySpellingOfTheProtocolRefusesTheRestAndDriftsBetweenTheEdges) {
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

  // A 30 x 20 item in a 100 x 50 area reaches each edge and never passes it.
  Point far{};
  for (long long tick = 0; tick < 200; ++tick) {
    const Point at = drift_origin(tick, 100, 50, 30, 20, 3);
    ASSERT_TRUE(at.x >= 0 && at.x <= 70 && at.y >= 0 && at.y <= 30) << tick;
    far = {std::max(far.x, at.x), std::max(far.y, at.y)};
  }
  EXPECT_EQ(far, (Point{70, 30}));
  EXPECT_EQ(drift_origin(9, 20, 20, 30, 30, 3), (Point{0, 0}));  // larger than the area: at the corner
}

}  // namespace
}  // namespace tamarak
