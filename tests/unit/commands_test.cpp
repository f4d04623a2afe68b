#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

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
  const std::u16string long_folder = u"\\\\?\\C:\\" + std::u16string(300, u'x');
  const std::pair<std::u16string, std::u16string> folders[] = {
      {u"C:\\Tools\\tamarak.exe", u"C:\\Tools"},
      {u"D:\\tamarak.exe", u"D:\\"},
      {u"C:\\Bob's Tools\\My Apps\\tamarak.exe", u"C:\\Bob's Tools\\My Apps"},
      {u"\\\\server\\share\\tamarak.exe", u"\\\\server\\share"},
      {long_folder + u"\\tamarak.exe", long_folder}};
  for (const auto& [program, folder] : folders) EXPECT_EQ(program_folder(program), folder);
  // One backslash between, whether the folder ends in one (a drive's root) or not.
  EXPECT_EQ(beside_program(u"C:\\Tools", kOwnScreenSaver), u"C:\\Tools\\ss\\Tamarak's SS.scr");
  EXPECT_EQ(beside_program(u"D:\\", kHelpPage), u"D:\\help.htm");
}

// How Windows, the Control Panel and the menu item オリジナル start the screen saver, and where its
// picture goes.
TEST(SaverRules, ReadsEverySpellingOfTheProtocolRefusesTheRestAndDriftsBetweenTheEdges) {
  using namespace std::literals;
  // The whole command line: the path quoted (the shell's "%1" /S) or not (the Control Panel's and the
  // idle timer's), long, short, or holding a switch of its own.
  const std::wstring quoted = L"\"C:\\a b\\Tamarak's SS.scr\" ", bare = L"C:\\a b\\Tamarak's SS.scr ";
  for (const std::wstring& line : {quoted + L"/s", bare + L" /S ", L"C:\\A~1\\TAMARA~1.SCR /S"s, bare + L"-s",
                                   L"C:\\x /p 5\\Tamarak's SS.scr /p 7 /s"s, quoted + L"/p 7 -s", quoted + L"/s"})
    EXPECT_EQ(saver_request(line), SaverRequest{SaverMode::full_screen}) << line;
  for (const std::wstring& line :
       {bare + L"/p 1234", quoted + L"/P:1234", bare + L"-p\t1234", L"\"C:\\a b\\Tamarak's SS.scr /p 1234"s})
    EXPECT_EQ(saver_request(line), (SaverRequest{SaverMode::preview, 1234})) << line;
  for (const std::wstring& line : {bare + L"/c", quoted + L"/C ", bare, quoted, L"C:\\x /p 5\\Tamarak's SS.scr"s,
                                   L"\"C:\\x /p 5\\a.scr\""s, quoted + L"x"})
    EXPECT_EQ(saver_request(line), SaverRequest{SaverMode::settings}) << line;
  EXPECT_EQ(saver_request(bare + L"/c:4242"), (SaverRequest{SaverMode::settings, 4242}));
  EXPECT_EQ(saver_request(bare + L"/p 18446744073709551615"), (SaverRequest{SaverMode::preview, UINTPTR_MAX}));
  for (const wchar_t* arguments :
       {L"/p", L"/p 0", L"/p:", L"/p 12x", L"/p 18446744073709551616", L"/p 99999999999999999999999", L"/s 5", L"/sx",
        L"/c:y", L"/a", L"/A:1234", L"/", L"//s", L"/x", L"/p1234"})
    EXPECT_EQ(saver_request(bare + arguments), SaverRequest{}) << arguments;

  // On an L of monitors, one left of the primary, the item on each reaches every edge of its own
  // monitor and never leaves it; larger than its area, it stays at the corner.
  for (const Rect& m : {Rect{0, 0, 1920, 1080}, {1920, 0, 3840, 1080}, {0, 1080, 1920, 2160}, {-1280, 0, 0, 1024}}) {
    Point far{m.left, m.top};
    for (long long tick = 0; tick < 4000; ++tick) {
      const Point at = drift_origin(tick, m, 300, 200, 5);
      ASSERT_TRUE(at.x >= m.left && at.x + 300 <= m.right && at.y >= m.top && at.y + 200 <= m.bottom) << tick;
      far = {std::max(far.x, at.x), std::max(far.y, at.y)};
    }
    EXPECT_EQ(far, (Point{m.right - 300, m.bottom - 200}));
  }
  EXPECT_EQ(drift_origin(9, {5, 5, 25, 25}, 30, 30, 3), (Point{5, 5}));
  EXPECT_EQ(drift_origin(5, {0, 0, 99, 99}, 9, 9, 2), (Point{10, 6}));  // three down for every five across

  // A jitter of a few pixels is no move; one more on either axis, either way, is.
  EXPECT_FALSE(moved_enough(-4, 4) || moved_enough(4, -4));
  for (const auto& [dx, dy] : {std::pair{5, 0}, {-5, 0}, {0, 5}, {0, -5}}) EXPECT_TRUE(moved_enough(dx, dy));

  // Meiryo UI where the system has it, else Yu Gothic UI.
  EXPECT_STREQ(saver_face([](const wchar_t*) { return true; }), L"Meiryo UI");
  EXPECT_STREQ(saver_face([](const wchar_t*) { return false; }), L"Yu Gothic UI");
}

}  // namespace
}  // namespace tamarak
