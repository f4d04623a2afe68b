// The system information launcher against the real registry and a stand-in for the tool.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "about/frmAbout.h"
#include "app/win32_services.h"
#include "fake_system.h"
#include "ui/text.h"

namespace tamarak {
namespace {

namespace fs = std::filesystem;

const std::wstring kToolKey = L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::wstring kFolderKey = L"SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string kNotAvailable = "現時点ではｼｽﾃﾑ情報を使用できません";

void set_value(HKEY root, const std::wstring& key, const std::wstring& name, DWORD type, const void* data,
               size_t size) {
  HKEY opened = nullptr;
  ASSERT_EQ(RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened, nullptr),
            ERROR_SUCCESS);
  RegSetValueExW(opened, name.c_str(), 0, type, static_cast<const BYTE*>(data), static_cast<DWORD>(size));
  RegCloseKey(opened);
}

// Stored with its terminating zero unless told otherwise.
void set_text(HKEY root, const std::wstring& key, const std::wstring& name, const std::wstring& text,
              bool terminated = true) {
  set_value(root, key, name, REG_SZ, text.c_str(), (text.size() + (terminated ? 1 : 0)) * sizeof(wchar_t));
}

void remove_value(HKEY root, const std::wstring& key, const std::wstring& name) {
  RegDeleteKeyValueW(root, key.c_str(), name.c_str());
}

// The two values the launcher reads, as they were before the test, put back afterwards.
class SavedRegistry {
 public:
  SavedRegistry() {
    for (Slot& slot : slots_) {
      HKEY key = nullptr;
      slot.key_existed = RegOpenKeyExW(HKEY_LOCAL_MACHINE, slot.key.c_str(), 0, KEY_QUERY_VALUE, &key) == 0;
      if (!slot.key_existed) continue;
      DWORD size = 0;
      if (RegQueryValueExW(key, slot.value.c_str(), nullptr, &slot.type, nullptr, &size) == 0) {
        slot.data.resize(size);
        slot.value_existed =
            RegQueryValueExW(key, slot.value.c_str(), nullptr, &slot.type, slot.data.data(), &size) == 0;
      }
      RegCloseKey(key);
    }
  }
  ~SavedRegistry() {
    for (const Slot& slot : slots_) {
      if (slot.value_existed)
        set_value(HKEY_LOCAL_MACHINE, slot.key, slot.value, slot.type, slot.data.data(), slot.data.size());
      else
        remove_value(HKEY_LOCAL_MACHINE, slot.key, slot.value);
      if (!slot.key_existed) RegDeleteKeyW(HKEY_LOCAL_MACHINE, slot.key.c_str());
    }
  }

 private:
  struct Slot {
    std::wstring key, value;
    bool key_existed = false, value_existed = false;
    DWORD type = 0;
    std::vector<BYTE> data;
  };
  Slot slots_[2] = {{kToolKey, L"PATH", false, false, 0, {}}, {kFolderKey, L"MSINFO", false, false, 0, {}}};
};

fs::path stand_in() {
  std::wstring path = L"Z:" + widen(MSINFO_STAND_IN_EXE);
  for (wchar_t& c : path)
    if (c == L'/') c = L'\\';
  return path;
}

// A scratch folder for copies of the stand-in, removed afterwards.
class Scratch {
 public:
  Scratch() : root_(fs::temp_directory_path() / L"tamarak about tests" / std::to_wstring(GetTickCount64())) {
    fs::create_directories(root_);
  }
  ~Scratch() {
    // A stand-in that has just written its record may still be ending: give it a moment.
    std::error_code error;
    for (int attempt = 0; attempt < 100 && fs::exists(root_.parent_path(), error); ++attempt) {
      if (fs::remove_all(root_.parent_path(), error) != static_cast<std::uintmax_t>(-1) && !error) break;
      Sleep(50);
    }
  }
  const fs::path& root() const { return root_; }
  fs::path place_tool(const fs::path& relative) const {
    const fs::path target = root_ / relative;
    fs::create_directories(target.parent_path());
    fs::copy_file(stand_in(), target, fs::copy_options::overwrite_existing);
    return target;
  }

 private:
  fs::path root_;
};

// What the stand-in in `folder` recorded: the file that ran, and its command line.
std::optional<std::pair<std::wstring, std::wstring>> record_in(const fs::path& folder, DWORD wait_ms = 10000) {
  const fs::path marker = folder / L"started.txt";
  const ULONGLONG end = GetTickCount64() + wait_ms;
  while (!fs::exists(marker)) {
    if (GetTickCount64() > end) return std::nullopt;
    Sleep(20);
  }
  std::ifstream in(marker, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
  const size_t split = text.find(L'\n');
  return std::make_pair(text.substr(0, split), text.substr(split + 1));
}

// Starts programs for real, as the program does, still recording each request.
class RealStarts : public FakeSystem {
 public:
  bool start_program(const std::wstring& path, int show) override {
    FakeSystem::start_program(path, show);
    return real_.start_program(path, show);
  }

 private:
  Win32Services real_;
};

class LauncherTest : public ::testing::Test {
 protected:
  SavedRegistry saved;
  Scratch scratch;
  RealStarts system;
  ProgramLifetime lifetime;
  Form<frmAbout> about{system, lifetime};

  void SetUp() override {
    remove_value(HKEY_LOCAL_MACHINE, kToolKey, L"PATH");
    remove_value(HKEY_LOCAL_MACHINE, kFolderKey, L"MSINFO");
    about.Show(nullptr);
  }
  void TearDown() override {
    if (about.hwnd()) DestroyWindow(about.hwnd());
  }

  void press_sys_info() { SendMessageW(GetDlgItem(about.hwnd(), frmAbout::cmdSysInfo), BM_CLICK, 0, 0); }
  std::vector<std::string> started() const {
    std::vector<std::string> paths;
    for (const ProgramStart& start : system.program_starts) paths.push_back(start.path);
    return paths;
  }
};

TEST_F(LauncherTest, ToolPathWinsAndTheFolderIsNeverUsed) {
  const fs::path tool = scratch.place_tool(L"Common Files\\MSInfo\\msinfo32.exe");
  const fs::path folder_tool = scratch.place_tool(L"Folder\\MSINFO32.EXE");
  set_text(HKEY_LOCAL_MACHINE, kToolKey, L"PATH", tool.wstring());
  set_text(HKEY_LOCAL_MACHINE, kFolderKey, L"MSINFO", folder_tool.parent_path().wstring());
  press_sys_info();
  EXPECT_TRUE(system.message_boxes.empty());
  ASSERT_EQ(started(), std::vector<std::string>{narrow(tool.wstring())});
  EXPECT_EQ(system.program_starts[0].show, SW_SHOWNORMAL);
  const auto record = record_in(tool.parent_path());
  ASSERT_TRUE(record);
  EXPECT_EQ(record->first, tool.wstring());
  EXPECT_EQ(record->second, L"\"" + tool.wstring() + L"\"");
}

TEST_F(LauncherTest, FolderStartsItsMSINFO32QuotedAndNotALookalikeBeforeTheBlank) {
  // Unquoted, "...\Shared Tools\MSINFO32.EXE" would start "...\Shared.exe" first.
  const fs::path tool = scratch.place_tool(L"Shared Tools\\MSINFO32.EXE");
  scratch.place_tool(L"Shared.exe");
  set_text(HKEY_LOCAL_MACHINE, kFolderKey, L"MSINFO", tool.parent_path().wstring(), false);
  press_sys_info();
  EXPECT_TRUE(system.message_boxes.empty());
  ASSERT_EQ(started(), std::vector<std::string>{narrow(tool.wstring())});
  const auto record = record_in(tool.parent_path());
  ASSERT_TRUE(record);
  EXPECT_EQ(record->first, tool.wstring());
  EXPECT_EQ(record->second, L"\"" + tool.wstring() + L"\"");
  EXPECT_FALSE(fs::exists(scratch.root() / L"started.txt"));
}

TEST_F(LauncherTest, FolderWithoutAnOrdinaryMSINFO32ShowsTheMessageOncePerPress) {
  const fs::path folder = scratch.root() / L"Tools";
  fs::create_directories(folder);
  set_text(HKEY_LOCAL_MACHINE, kFolderKey, L"MSINFO", folder.wstring());
  const fs::path file = folder / L"MSINFO32.EXE";
  // Missing, a folder by that name, then hidden and system files: none is what a listing shows.
  press_sys_info();
  fs::create_directory(file);
  press_sys_info();
  fs::remove(file);
  for (DWORD attribute : {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM}) {
    scratch.place_tool(L"Tools\\MSINFO32.EXE");
    SetFileAttributesW(file.c_str(), attribute);
    press_sys_info();
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
  }
  EXPECT_TRUE(system.program_starts.empty());
  ASSERT_EQ(system.message_boxes.size(), 4u);
  for (const MessageBoxCall& box : system.message_boxes) {
    EXPECT_EQ(box.text, kNotAvailable);
    EXPECT_EQ(box.title, "Tamarak　タマラック");
    EXPECT_EQ(box.style, UINT{MB_OK});
    EXPECT_EQ(box.owner, about.hwnd());
  }

  // A read-only file is an ordinary one.
  SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
  press_sys_info();
  EXPECT_EQ(system.message_boxes.size(), 4u);
  EXPECT_EQ(started(), std::vector<std::string>{narrow(file.wstring())});
  EXPECT_TRUE(record_in(folder));
  SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(LauncherTest, ToolPathThatCannotStartShowsTheMessageWithoutTryingTheFolder) {
  const fs::path folder_tool = scratch.place_tool(L"Folder\\MSINFO32.EXE");
  set_text(HKEY_LOCAL_MACHINE, kFolderKey, L"MSINFO", folder_tool.parent_path().wstring());
  const std::wstring missing = (scratch.root() / L"gone\\msinfo32.exe").wstring();
  const DWORD number = 0x105;

  set_text(HKEY_LOCAL_MACHINE, kToolKey, L"PATH", missing);
  press_sys_info();
  set_text(HKEY_LOCAL_MACHINE, kToolKey, L"PATH", scratch.root().wstring());  // a folder
  press_sys_info();
  set_text(HKEY_LOCAL_MACHINE, kToolKey, L"PATH", L"");
  press_sys_info();
  set_value(HKEY_LOCAL_MACHINE, kToolKey, L"PATH", REG_DWORD, &number, sizeof number);
  press_sys_info();
  set_value(HKEY_LOCAL_MACHINE, kToolKey, L"PATH", REG_EXPAND_SZ, missing.c_str(), (missing.size() + 1) * 2);
  press_sys_info();
  // No data at all: the message at once, nothing started.
  set_value(HKEY_LOCAL_MACHINE, kToolKey, L"PATH", REG_SZ, L"", 0);
  press_sys_info();

  // A DWORD reads as "&h105", which names no file; other types leave the path empty.
  EXPECT_EQ(started(), (std::vector<std::string>{narrow(missing), narrow(scratch.root().wstring()), "", "&h105", ""}));
  EXPECT_EQ(system.message_boxes.size(), 6u);
  for (const MessageBoxCall& box : system.message_boxes) EXPECT_EQ(box.text, kNotAvailable);
  EXPECT_FALSE(fs::exists(folder_tool.parent_path() / L"started.txt"));
}

TEST_F(LauncherTest, ToolPathTooLongForTheBufferCountsAsMissing) {
  const fs::path tool = scratch.place_tool(L"Folder\\MSINFO32.EXE");
  set_text(HKEY_LOCAL_MACHINE, kToolKey, L"PATH", L"C:\\" + std::wstring(600, L'x') + L".exe");
  set_text(HKEY_LOCAL_MACHINE, kFolderKey, L"MSINFO", tool.parent_path().wstring());
  press_sys_info();
  EXPECT_TRUE(system.message_boxes.empty());
  EXPECT_EQ(started(), std::vector<std::string>{narrow(tool.wstring())});
  EXPECT_TRUE(record_in(tool.parent_path()));
}

TEST_F(LauncherTest, NeitherValueShowsTheMessageTitledWithTheProgramTitle) {
  RegDeleteKeyW(HKEY_LOCAL_MACHINE, kFolderKey.c_str());
  press_sys_info();
  ASSERT_EQ(system.message_boxes.size(), 1u);
  EXPECT_EQ(system.message_boxes[0].text, kNotAvailable);
  EXPECT_EQ(system.message_boxes[0].title, "Tamarak　タマラック");
  EXPECT_EQ(system.message_boxes[0].style, UINT{MB_OK});
  EXPECT_EQ(system.message_boxes[0].owner, about.hwnd());
  EXPECT_TRUE(system.program_starts.empty());
}

TEST(GetKeyValue, ReadsRealValuesAsText) {
  const std::wstring key = L"Software\\Tamarak tests\\GetKeyValue";
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Tamarak tests");
  const DWORD number = 0x105;
  const std::vector<BYTE> blob{1, 2, 3};
  set_text(HKEY_CURRENT_USER, key, L"with", L"D:\\ツール\\msinfo32.exe");
  set_text(HKEY_CURRENT_USER, key, L"without", L"D:\\ツール\\msinfo32.exe", false);
  set_value(HKEY_CURRENT_USER, key, L"number", REG_DWORD, &number, sizeof number);
  set_value(HKEY_CURRENT_USER, key, L"blob", REG_BINARY, blob.data(), blob.size());
  set_value(HKEY_CURRENT_USER, key, L"empty", REG_SZ, L"", 0);
  set_text(HKEY_CURRENT_USER, key, L"long", std::wstring(512, L'y'));  // 1026 bytes with its zero
  set_text(HKEY_CURRENT_USER, key, L"full", std::wstring(511, L'z'));  // exactly 1024
  set_value(HKEY_CURRENT_USER, key, L"expand", REG_EXPAND_SZ, L"%SystemRoot%", 26);
  set_value(HKEY_CURRENT_USER, key, L"odd", REG_SZ, L"ab", 3);  // half a character at the end

  struct Case {
    const wchar_t* name;
    KeyValue result;
    std::wstring text;
  } cases[] = {
      {L"with", KeyValue::read, L"D:\\ツール\\msinfo32.exe"},
      {L"without", KeyValue::read, L"D:\\ツール\\msinfo32.exe"},
      {L"number", KeyValue::read, L"&h105"},
      {L"blob", KeyValue::read, L"as passed"},
      {L"empty", KeyValue::no_data, L""},
      {L"long", KeyValue::not_found, L""},
      {L"full", KeyValue::read, std::wstring(511, L'z')},
      {L"expand", KeyValue::read, L"as passed"},
      {L"odd", KeyValue::read, L"a"},
      {L"absent", KeyValue::not_found, L""},
  };
  for (const Case& c : cases) {
    std::wstring text = L"as passed";
    EXPECT_EQ(frmAbout::GetKeyValue(HKEY_CURRENT_USER, key, c.name, text), c.result) << narrow(c.name);
    EXPECT_EQ(text, c.text) << narrow(c.name);
  }
  std::wstring text = L"as passed";
  EXPECT_EQ(frmAbout::GetKeyValue(HKEY_CURRENT_USER, key + L"\\missing", L"with", text), KeyValue::not_found);
  EXPECT_EQ(text, L"");
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Tamarak tests");
}

}  // namespace
}  // namespace tamarak
