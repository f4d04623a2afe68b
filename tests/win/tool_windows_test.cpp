#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "app/commands.h"
#include "base/sessions.h"
#include "fake_file_data.h"
#include "fixtures.h"
#include "layout_checks.h"
#include "tools/frmAppRun_design.h"
#include "tools/frmClip_design.h"
#include "tools/frmIp_design.h"
#include "tools/process_capture.h"

namespace tamarak {
namespace {

using test_support::FakeFileData;
using test_support::set_clipboard;

class ToolWindowTest : public ToolWindowFixture {
 protected:
  static void close(HWND window) { SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0); }
};

TEST_F(ToolWindowTest, EveryMenuItemOpensItsOneModelessInstanceAgainAfterAClose) {
  struct Opener {
    UINT file_item;
    const char* popup_item;
    std::function<ToolWindow*()> instance;
    const char* caption;
    bool on_taskbar;
  };
  const Opener openers[] = {
      {mnuFileApp, "起動プロセス一覧", [&] { return tools().app_run(); }, frmAppRun_design::kCaption, false},
      {mnuFileClip, "多用途クリップボード", [&] { return tools().clip(); }, frmClip_design::kCaption, false},
      {mnuFileIp, "IP/OS情報", [&] { return tools().ip(); }, frmIp_design::kCaption, true},
  };
  int open = 1;
  for (const Opener& o : openers) {
    SCOPED_TRACE(o.caption);
    EXPECT_EQ(o.instance(), nullptr);
    command(o.file_item);
    ToolWindow* const instance = o.instance();
    ASSERT_NE(instance, nullptr);
    const HWND first = instance->hwnd();
    ASSERT_TRUE(IsWindow(first));
    EXPECT_TRUE(IsWindowVisible(first));
    EXPECT_EQ(lifetime.open_windows(), ++open);
    EXPECT_EQ(text_of(first), o.caption);
    EXPECT_EQ(GetParent(first), nullptr);
    // Off the taskbar through a hidden owner, never the main window, whose end would take it along.
    const HWND owner = GetWindow(first, GW_OWNER);
    EXPECT_EQ(owner != nullptr, !o.on_taskbar);
    EXPECT_NE(owner, main.hwnd());
    if (owner) {
      EXPECT_FALSE(IsWindowVisible(owner));
    }
    EXPECT_TRUE(IsWindowEnabled(main.hwnd()));  // modeless
    EXPECT_FALSE(system.efficiency.back());

    choose_from_tray(o.popup_item);  // the same window from the other menu
    EXPECT_EQ(o.instance(), instance);
    EXPECT_EQ(instance->hwnd(), first);
    EXPECT_EQ(lifetime.open_windows(), open);
    command(o.file_item);
    EXPECT_EQ(instance->hwnd(), first);

    close(first);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(lifetime.open_windows(), --open);
    EXPECT_EQ(system.efficiency.back(), open == 1);  // efficient again once only the hidden main window is left
    choose_from_tray(o.popup_item);
    EXPECT_EQ(o.instance(), instance);
    ASSERT_TRUE(IsWindow(instance->hwnd()));
    EXPECT_TRUE(IsWindowVisible(instance->hwnd()));
    EXPECT_EQ(lifetime.open_windows(), ++open);
  }

  // A tool window still open keeps the program running after the main window has gone.
  command(mnuFileExit);
  EXPECT_EQ(main.hwnd(), nullptr);
  EXPECT_EQ(lifetime.open_windows(), 3);
  close(tools().clip()->hwnd());
  close(tools().ip()->hwnd());
  EXPECT_EQ(lifetime.open_windows(), 1);
  close(tools().app_run()->hwnd());
  EXPECT_EQ(lifetime.open_windows(), 0);
}

TEST_F(ToolWindowTest, MinimisedClipWindowIsRestoredByItsMenuItem) {
  command(mnuFileClip);
  const HWND clip = tools().clip()->hwnd();
  ShowWindow(clip, SW_MINIMIZE);
  ASSERT_TRUE(IsIconic(clip));
  choose_from_tray("多用途クリップボード");
  EXPECT_FALSE(IsIconic(clip));
  EXPECT_EQ(tools().clip()->hwnd(), clip);
}

// In the dark app mode a tool window's backdrop and the texts straight on it go dark with it; its boxes
// and its list keep their designed colours.
TEST_F(ToolWindowTest, DarkAppModeDarkensOnlyWhatTheSystemColours) {
  system.dark_mode_on = true;
  const COLORREF backdrop = dark_colour(COLOR_BTNFACE), white = RGB(255, 255, 255);
  command(mnuFileIp);
  HWND window = tools().ip()->hwnd();
  EXPECT_GT(colour_share(window, backdrop), 0.4);
  EXPECT_GT(colour_share(GetDlgItem(window, frmIp_design::lblOsName), white), 0.0);
  EXPECT_GT(colour_share(GetDlgItem(window, frmIp_design::frm2), white, MulDiv(12, screen_dpi(), 96)), 0.0);
  EXPECT_GT(colour_share(GetDlgItem(window, frmIp_design::txtOsName), RGB(192, 192, 192)), 0.5);
  close(window);
  command(mnuFileApp);
  window = tools().app_run()->hwnd();
  EXPECT_GT(colour_share(GetDlgItem(window, frmAppRun_design::Label1), white), 0.0);
  EXPECT_GT(colour_share(GetDlgItem(window, frmAppRun_design::List1), RGB(0, 0, 0)), 0.9);
  close(window);
  command(mnuFileClip);
  EXPECT_GT(colour_share(GetDlgItem(tools().clip()->hwnd(), frmClip_design::txtList), RGB(0, 192, 192)), 0.9);
}

// ---- frmAppRun ----

class AppRunTest : public ToolWindowTest {
 protected:
  HWND window = nullptr, list = nullptr;

  void open() {
    command(mnuFileApp);
    window = tools().app_run()->hwnd();
    list = GetDlgItem(window, frmAppRun_design::List1);
  }
  void click() { SendMessageW(window, WM_COMMAND, MAKEWPARAM(frmAppRun_design::Command1, BN_CLICKED), 0); }
  std::vector<std::string> lines() const {
    std::vector<std::string> out;
    const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      std::wstring line(static_cast<size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
      SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line.data()));
      line.resize(line.size() - 1);
      out.push_back(narrow(line));
    }
    return out;
  }
  std::vector<std::string> block(int count) const { return capture_summary(system.utc, count); }
};

TEST_F(AppRunTest, CaptureAppendsNamesAsReportedThenTheSummaryAndNeverClears) {
  std::vector<std::wstring> names;
  for (int i = 1; i <= 54; ++i) names.push_back(L"proc" + std::to_wstring(i) + L".exe");
  names.push_back(L"C:\\Program Files\\表計算 ソフト.EXE");  // as reported: no trimming, no stripping
  names.push_back(std::wstring(255, L'長') + L".exe");       // as long as the system's record allows: 259
  names.push_back(L" spaced .exe ");
  system.processes = names;
  open();
  EXPECT_TRUE(lines().empty());
  click();
  std::vector<std::string> expected;
  for (const std::wstring& name : names) expected.push_back(narrow(name));
  for (const std::string& line : block(57)) expected.push_back(line);
  EXPECT_EQ(lines(), expected);
  EXPECT_EQ((std::vector<std::string>{"utc", "processes"}), system.tool_queries);  // the time first

  // The second capture goes below the first and counts only its own snapshot; its first line is
  // scrolled to the top.
  names.erase(names.begin());
  system.processes = names;
  system.utc = {2002, 12, 31, 23, 59, 59};
  click();
  for (const std::wstring& name : names) expected.push_back(narrow(name));
  for (const std::string& line : block(56)) expected.push_back(line);
  EXPECT_EQ(lines(), expected);
  EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 64);
}

TEST_F(AppRunTest, FailedSnapshotAppendsNothingAndFailedFirstQueryStillCounts) {
  open();
  system.processes = std::nullopt;
  click();
  EXPECT_TRUE(lines().empty());
  system.processes = std::vector<std::wstring>{};
  click();
  EXPECT_EQ(lines(), block(0));
}

TEST_F(AppRunTest, ReopeningKeepsTheListUntilTheWindowIsClosed) {
  system.processes = std::vector<std::wstring>{L"x.exe"};
  open();
  EXPECT_TRUE(rounded(window));
  EXPECT_EQ(GetFocus(), GetDlgItem(window, frmAppRun_design::Command1));
  click();
  choose_from_tray("起動プロセス一覧");
  EXPECT_EQ(lines().size(), 8u);
  close(window);
  open();
  EXPECT_TRUE(lines().empty());
}

// ---- frmClip ----

class ClipTest : public ToolWindowTest {
 protected:
  HWND window = nullptr, box = nullptr;
  IDropTarget* target = nullptr;
  const POINTL drop_point{400, 300};

  void SetUp() override {
    ToolWindowTest::SetUp();
    command(mnuFileClip);
    window = tools().clip()->hwnd();
    box = GetDlgItem(window, frmClip_design::txtList);
    target = tools().clip()->drop_target();
    ASSERT_NE(target, nullptr);
  }
  frmClip& clip() const { return *tools().clip(); }

  // A whole drag as OLE runs it: enter, a move, and the drop; the drop's effect is returned.
  DWORD drag(IDataObject* data, DWORD button) {
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    target->DragEnter(data, button, drop_point, &effect);
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    target->DragOver(button, drop_point, &effect);
    EXPECT_EQ(effect, offers_file_list(data) ? DWORD{DROPEFFECT_COPY} : DWORD{DROPEFFECT_NONE});
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    target->Drop(data, 0, drop_point, &effect);
    return effect;
  }
};

TEST_F(ClipTest, LeftDropAppendsFullPathsAndFocusesTheText) {
  FakeFileData files({L"C:\\Data\\a.txt", L"C:\\b.txt"});
  SetFocus(nullptr);
  EXPECT_EQ(drag(&files, MK_LBUTTON), DWORD{DROPEFFECT_COPY});
  EXPECT_EQ(text_of(box), "C:\\Data\\a.txt\r\nC:\\b.txt\r\n");
  EXPECT_EQ(GetFocus(), box);
  EXPECT_FALSE(clip().right_drag());
  EXPECT_TRUE(system.popups.empty());
  EXPECT_FALSE(clip().holds_drop_data());
  EXPECT_EQ(files.references(), 1);

  FakeFileData more({L"D:\\c.txt"});
  drag(&more, MK_LBUTTON | MK_SHIFT);
  EXPECT_EQ(text_of(box), "C:\\Data\\a.txt\r\nC:\\b.txt\r\nD:\\c.txt\r\n");
}

TEST_F(ClipTest, RightDropOffersTheMenuAtTheDropPoint) {
  FakeFileData files({L"C:\\Data\\a.txt", L"C:\\b.txt"});
  system.popup_choice = frmClip_design::mnuPopup_FileName;
  EXPECT_EQ(drag(&files, MK_RBUTTON | MK_LBUTTON), DWORD{DROPEFFECT_COPY});
  EXPECT_TRUE(clip().right_drag());
  ASSERT_EQ(system.popups, std::vector{clip().popup_menu()});
  EXPECT_EQ(GetMenuDefaultItem(clip().popup_menu(), FALSE, 0), UINT{frmClip_design::mnuPopup_FullPath});
  EXPECT_EQ(std::pair(system.popup_points[0].x, system.popup_points[0].y), std::pair(drop_point.x, drop_point.y));
  EXPECT_EQ(text_of(box), "a.txt\r\nb.txt\r\n");
  EXPECT_FALSE(clip().holds_drop_data());

  system.popup_choice = frmClip_design::mnuPopup_FullPath;
  drag(&files, MK_RBUTTON);
  EXPECT_EQ(text_of(box), "a.txt\r\nb.txt\r\nC:\\Data\\a.txt\r\nC:\\b.txt\r\n");
  EXPECT_EQ(files.references(), 1);

  // "キャンセル", Escape or a click elsewhere: nothing pasted, still a copy, the data kept until
  // the next drop replaces it.
  for (UINT dismissed : {UINT{frmClip_design::mnuPopup_Cancel}, 0u}) {
    system.popup_choice = dismissed;
    EXPECT_EQ(drag(&files, MK_RBUTTON), DWORD{DROPEFFECT_COPY});
    EXPECT_EQ(text_of(box), "a.txt\r\nb.txt\r\nC:\\Data\\a.txt\r\nC:\\b.txt\r\n");
    EXPECT_TRUE(clip().holds_drop_data());
  }
  FakeFileData next({L"E:\\d.txt"});
  drag(&next, MK_LBUTTON);
  EXPECT_EQ(files.references(), 1);
  EXPECT_EQ(next.references(), 1);
  EXPECT_EQ(system.popups.size(), 4u);
}

TEST_F(ClipTest, DataWithoutAFileListIsRefusedAndChangesNothing) {
  FakeFileData files({L"C:\\a.txt"});
  system.popup_choice = 0;
  drag(&files, MK_RBUTTON);  // cancelled: right drag remembered, data held
  FakeFileData text_only({}, false);
  DWORD effect = DROPEFFECT_COPY;
  target->DragEnter(&text_only, MK_LBUTTON, drop_point, &effect);
  EXPECT_EQ(effect, DWORD{DROPEFFECT_NONE});
  EXPECT_TRUE(clip().right_drag());
  target->DragLeave();
  EXPECT_EQ(text_only.references(), 1);  // a drag that leaves keeps nothing of it
  target->DragEnter(&text_only, MK_LBUTTON, drop_point, &effect);
  effect = DROPEFFECT_COPY;
  target->Drop(&text_only, 0, drop_point, &effect);
  EXPECT_EQ(effect, DWORD{DROPEFFECT_NONE});
  EXPECT_EQ(text_of(box), "");
  EXPECT_TRUE(clip().holds_drop_data());
  EXPECT_EQ(text_only.references(), 1);
  EXPECT_EQ(system.popups.size(), 1u);
  // The data held since the cancelled menu goes with the window.
  DestroyWindow(window);
  EXPECT_EQ(files.references(), 1);
}

TEST_F(ClipTest, PasteContinuesTypedTextAndAnEmptyListAppendsNothing) {
  // 27 characters, the number of the Escape key, which the box's key filter must not take for one.
  SetWindowTextW(box, L"memo: the photos, as of May");
  FakeFileData files({L"C:\\Data\\Photos", L"C:\\"});
  drag(&files, MK_LBUTTON);
  EXPECT_EQ(text_of(box), "memo: the photos, as of MayC:\\Data\\Photos\r\nC:\\\r\n");

  system.popup_choice = frmClip_design::mnuPopup_FileName;
  drag(&files, MK_RBUTTON);  // a folder's name is its last component; a drive root's is empty
  EXPECT_EQ(text_of(box), "memo: the photos, as of MayC:\\Data\\Photos\r\nC:\\\r\nPhotos\r\n\r\n");

  FakeFileData none({});
  SetFocus(nullptr);
  EXPECT_EQ(drag(&none, MK_LBUTTON), DWORD{DROPEFFECT_COPY});
  EXPECT_EQ(text_of(box), "memo: the photos, as of MayC:\\Data\\Photos\r\nC:\\\r\nPhotos\r\n\r\n");
  EXPECT_EQ(GetFocus(), box);
  EXPECT_FALSE(clip().holds_drop_data());
}

TEST_F(ClipTest, FilesPastedFromTheKeyboardComeAsADropAndEscapeKeepsTheText) {
  SetWindowTextW(box, L"memo ");
  // What Explorer's Copy leaves on the clipboard for a program that takes files.
  ASSERT_TRUE(set_clipboard(CF_HDROP, FakeFileData({L"C:\\Data\\a b.txt", L"C:\\\U0002000B.txt"}).file_list()));
  // The box's own menu, which would offer Paste for text only, offers it for files too.
  const auto paste_offered = [&] {
    const OwnedMenu own(CreatePopupMenu());
    AppendMenuW(own.get(), MF_GRAYED, WM_PASTE, L"Paste");
    SendMessageW(box, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(own.get()), 0);
    return GetMenuState(own.get(), WM_PASTE, MF_BYCOMMAND) == MF_ENABLED;
  };
  EXPECT_TRUE(paste_offered());
  // Ctrl+V, Shift+Insert and the box's own menu all paste by WM_PASTE; the choice comes at the caret.
  system.popup_choice = frmClip_design::mnuPopup_FileName;
  SendMessageW(box, WM_PASTE, 0, 0);
  system.popup_choice = 0;  // dismissed: nothing more
  SendMessageW(box, WM_PASTE, 0, 0);
  const std::string both = "memo a b.txt\r\n\U0002000B.txt\r\n";
  EXPECT_EQ(text_of(box), both);
  ASSERT_EQ(system.popups.size(), 2u);
  EXPECT_EQ(system.popups[0], clip().popup_menu());

  // Text pastes as text, at the caret, with no menu.
  const HGLOBAL plain = GlobalAlloc(GMEM_FIXED, sizeof L"plain");
  std::memcpy(plain, L"plain", sizeof L"plain");
  ASSERT_TRUE(set_clipboard(CF_UNICODETEXT, plain));
  EXPECT_FALSE(paste_offered());  // the box's own to offer, or not
  SendMessageW(box, EM_SETSEL, 0, 0);
  SendMessageW(box, WM_PASTE, 0, 0);
  EXPECT_EQ(text_of(box), "plain" + both);
  EXPECT_EQ(system.popups.size(), 2u);

  press_key(box, VK_ESCAPE);
  EXPECT_TRUE(IsWindow(window));
  EXPECT_EQ(text_of(box), "plain" + both);
  // With no label before it, the box is named and described for a screen reader.
  EXPECT_EQ(narrow(system.annotations[box].name), "多用途クリップボード");
  EXPECT_FALSE(system.annotations[box].description.empty());
}

TEST_F(ClipTest, LongPathsAndLongListsArriveWhole) {
  std::vector<std::wstring> paths;
  std::string expected;
  for (int i = 0; i < 150; ++i) {
    std::wstring path = L"C:\\" + std::wstring(300, L'長') + L"\\" + std::to_wstring(i) + L".txt";
    expected += narrow(path) + "\r\n";
    paths.push_back(std::move(path));
  }
  FakeFileData files(paths);
  drag(&files, MK_LBUTTON);
  EXPECT_GT(GetWindowTextLengthW(box), 45'000);
  EXPECT_EQ(text_of(box), expected);

  // Ten thousand files, names outside the Basic Multilingual Plane among them, by name only.
  SetWindowTextW(box, L"");
  paths.clear();
  expected.clear();
  for (int i = 0; i < 10'000; ++i) {
    const std::wstring name = (i % 2 ? L"\U0002000B\U0001F600 " : L"file ") + std::to_wstring(i) + L".txt";
    paths.push_back(L"C:\\多い\\" + name);
    expected += narrow(name) + "\r\n";
  }
  FakeFileData many(paths);
  system.popup_choice = frmClip_design::mnuPopup_FileName;
  EXPECT_EQ(drag(&many, MK_RBUTTON), DWORD{DROPEFFECT_COPY});
  EXPECT_EQ(text_of(box), expected);
}

TEST_F(ClipTest, DoubleClickSelectsEverything) {
  SetWindowTextW(box, L"C:\\a.txt\r\nC:\\Data\\b.txt\r\n");
  SendMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(box, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  SendMessageW(box, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(box, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  DWORD start = 99, end = 0;
  SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 25u);
}

TEST_F(ClipTest, TheTextBoxFillsTheWindowWhateverItsSizeAndHasTheFocus) {
  EXPECT_FALSE(outline_of(window).shaped);  // rectangular

  // The text box fills the window whatever its size.
  RECT client;
  GetClientRect(window, &client);
  RECT r = rect_in_parent(box);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(r.right, client.right);
  EXPECT_EQ(r.bottom, client.bottom);
  SetWindowPos(window, nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
  GetClientRect(window, &client);
  r = rect_in_parent(box);
  EXPECT_EQ(r.right, client.right);
  EXPECT_EQ(r.bottom, client.bottom);

  EXPECT_EQ(GetFocus(), box);

  // The tool tip of the text box, found among the tip windows the clip window owns.
  std::string tip;
  for (HWND w = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr); w;
       w = FindWindowExW(nullptr, w, TOOLTIPS_CLASSW, nullptr)) {
    if (GetWindow(w, GW_OWNER) != window) continue;
    wchar_t buffer[256] = L"";
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.lpszText = buffer;
    if (SendMessageW(w, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&info)) &&
        info.uId == reinterpret_cast<UINT_PTR>(box))
      tip = narrow(buffer);
  }
  EXPECT_EQ(tip, frmClip_design::kDesign.controls[0].tip);
}

TEST_F(ClipTest, ClosingLosesTheTextAndTheDragState) {
  FakeFileData files({L"C:\\a.txt"});
  system.popup_choice = 0;
  drag(&files, MK_RBUTTON);
  SetWindowTextW(box, L"kept while open");
  choose_from_tray("多用途クリップボード");
  EXPECT_EQ(text_of(box), "kept while open");
  close(window);
  EXPECT_EQ(files.references(), 1);
  command(mnuFileClip);
  EXPECT_EQ(text_of(tools().clip()->hwnd(), frmClip_design::txtList), "");
  EXPECT_FALSE(clip().right_drag() || clip().holds_drop_data());
  EXPECT_TRUE(GetWindowLongW(tools().clip()->hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

// ---- frmIp ----

class IpTest : public ToolWindowTest {
 protected:
  HWND open() {
    command(mnuFileIp);
    return tools().ip()->hwnd();
  }
  // Address, host name, family, version and build.
  static std::vector<std::string> boxes(HWND window) {
    using namespace frmIp_design;
    return texts_of(window, {txtIp, txtPc, txtOsName, txtOsVer, txtOsBuild});
  }
};

TEST_F(IpTest, FillsTheFiveBoxesOnceAddressFirst) {
  const HWND window = open();
  EXPECT_EQ(boxes(window), (std::vector<std::string>{"192.168.0.5", "TAMARAK-PC", "Windows NT", "10", "19045"}));
  EXPECT_EQ((std::vector<std::string>{"address", "host", "os"}), system.tool_queries);

  // Open again while open: the values read at creation stay.
  system.host = L"OTHER";
  choose_from_tray("IP/OS情報");
  EXPECT_EQ(text_of(window, frmIp_design::txtPc), "TAMARAK-PC");
  EXPECT_EQ(system.tool_queries.size(), 3u);
}

TEST_F(IpTest, EveryCreationReadsAfreshAndUnknownFamiliesStayEmpty) {
  system.os = {3, 6, 2, 9200};
  system.host = L"ホスト";
  system.address = L"";
  HWND window = open();
  EXPECT_EQ(boxes(window), (std::vector<std::string>{"", "ホスト", "", "6.02", "9200"}));

  // The texts' other cases are the unit tests'.
  close(window);
  system.os = {1, 4, 10, 0x040A08AE};
  window = open();
  EXPECT_EQ(boxes(window), (std::vector<std::string>{"", "ホスト", "Windows 95/98", "4.1", "2222"}));
}

TEST_F(IpTest, OpensRoundedWithEachBoxNamedByItsLabel) {
  const HWND window = open();
  EXPECT_TRUE(rounded(window));
  using namespace frmIp_design;
  // Each box is named, as the system's proxy names it, by its own label, the static just before it.
  const ComSession com;
  const std::pair<int, int> labelled[] = {
      {txtIp, lblIp}, {txtPc, lblPc}, {txtOsName, lblOsName}, {txtOsVer, lblOsVer}, {txtOsBuild, lblOsBuild}};
  for (const auto& [box, label] : labelled) {
    EXPECT_EQ(accessible_name(GetDlgItem(window, box)), text_of(window, label)) << box;
  }
  EXPECT_EQ(GetFocus(), GetDlgItem(window, txtIp));
}

}  // namespace
}  // namespace tamarak
