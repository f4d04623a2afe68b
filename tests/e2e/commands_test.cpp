#include "app/commands.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <regex>

#include "driver.h"

namespace e2e {
namespace {

using namespace tamarak;

class RunningProgram : public ::testing::Test {
 protected:
  Program program;
  HWND main = nullptr;

  void SetUp() override {
    main = wait_for_main_window(program.pid());
    ASSERT_TRUE(main);
  }
  // The program's message box, once it is up; its text, then closed with OK. An optimiser run on a
  // busy machine may take minutes to write its share of the memory.
  std::wstring answer_message_box() {
    HWND box = nullptr;
    wait_until([&] { return (box = find_window(program.pid(), L"#32770", kTitle)) != nullptr || !program.running(); },
               240000);
    if (!box) return L"(no message box)";
    std::wstring text = message_box_text(box);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    wait_until([&] { return !IsWindow(box); });
    return text;
  }
};

TEST_F(RunningProgram, TwentyPercentRunFromThePopupAndFromTheButton) {
  // From the popup first, while the main window has never been shown: a window hidden just before
  // would still owe Wine its X focus-out, which cancels a menu opened meanwhile.
  // Right-click the icon, then walk the popup by keyboard from its first item: the optimiser
  // submenu is the third item, and " 20 %" the last of its items.
  post_tray_callback(main, WM_RBUTTONDOWN);
  ASSERT_TRUE(wait_until([&] { return open_menus(program.pid()).size() == 1; }));
  const HWND popup = open_menus(program.pid())[0];
  press_keys(popup, {VK_HOME, VK_DOWN, VK_DOWN, VK_RIGHT});
  ASSERT_TRUE(wait_until([&] { return open_menus(program.pid()).size() == 2; }))
      << open_menus(program.pid()).size() << " menus open";
  press_keys(popup, {VK_END, VK_RETURN});
  EXPECT_EQ(answer_message_box(), L"最適化完了 (・o・)");
  EXPECT_FALSE(IsWindowVisible(main));

  ASSERT_TRUE(show_main_window(main));
  const HWND button = GetDlgItem(main, cmdMemLow);
  ASSERT_TRUE(button);
  EXPECT_EQ(text_of(button), L"20 %");
  PostMessageW(button, BM_CLICK, 0, 0);
  EXPECT_EQ(answer_message_box(), L"最適化完了 (・o・)");
  EXPECT_TRUE(program.running());
}

// Writing gigabytes takes seconds: the window answers throughout, and takes no input meanwhile.
TEST_F(RunningProgram, MainWindowAnswersThroughoutARun) {
  ASSERT_TRUE(show_main_window(main));
  PostMessageW(GetDlgItem(main, cmdMemLow), BM_CLICK, 0, 0);
  ASSERT_TRUE(wait_until([&] { return !IsWindowEnabled(main); }));
  int answered = 0, unanswered = 0;
  HWND box = nullptr;
  while (!(box = find_window(program.pid(), L"#32770", kTitle)) && program.running()) {
    DWORD_PTR result = 0;
    (SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 250, &result) ? answered : unanswered)++;
    Sleep(50);
  }
  EXPECT_EQ(unanswered, 0);
  EXPECT_GT(answered, 0);
  EXPECT_EQ(answer_message_box(), L"最適化完了 (・o・)");
  EXPECT_TRUE(wait_until([&] { return IsWindowEnabled(main); }));
}

// Nothing is said to the user of a help page that is not there (there is none beside the built
// program), but the debugger output has a line on it.
TEST_F(RunningProgram, AFailureItGoesOnWithoutLeavesALineInTheDebuggerOutput) {
  DebugOutput debug;
  PostMessageW(main, WM_COMMAND, mnuHelpHelp, 0);
  const std::string expected = "tamarak: the shell did not open ";
  EXPECT_TRUE(wait_until([&] {
    for (const std::string& line : debug.lines_of(program.pid()))
      if (line.starts_with(expected) && line.find("\\help.htm (error ") != std::string::npos) return true;
    return false;
  }));
  EXPECT_EQ(find_window(program.pid(), L"#32770", kTitle), nullptr);
  EXPECT_TRUE(program.running());
}

TEST_F(RunningProgram, UptimeReportMatchesTheHostsUptime) {
  PostMessageW(main, WM_COMMAND, mnuFileTime, 0);
  const std::wstring text = answer_message_box();
  std::wsmatch parts;
  ASSERT_TRUE(std::regex_match(text, parts, std::wregex(L"起動してから，(\\d+)時間(\\d+)分(\\d+)秒 経過しました")))
      << text.size();
  const double reported = std::stod(parts[1]) * 3600 + std::stod(parts[2]) * 60 + std::stod(parts[3]);
  FILE* uptime = _wfopen(L"Z:\\proc\\uptime", L"r");
  ASSERT_TRUE(uptime);
  double host = 0;
  ASSERT_EQ(fscanf(uptime, "%lf", &host), 1);
  fclose(uptime);
  EXPECT_NEAR(reported, host, 30.0);
}

}  // namespace
}  // namespace e2e
