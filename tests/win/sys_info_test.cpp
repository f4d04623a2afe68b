// The system information launcher over a registry and files of its own, and the system's side of
// it (registry values, file attributes, starting a program) for real.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "about/frmAbout.h"
#include "about/sys_info_launcher.h"
#include "base/text.h"
#include "fake_system.h"
#include "helpers.h"
#include "system/win32_services.h"

namespace tamarak {
namespace {

namespace fs = std::filesystem;

const std::wstring kToolKey = L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::wstring kFolderKey = L"SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string kNotAvailable = "現時点ではｼｽﾃﾑ情報を使用できません";

std::vector<std::uint8_t> bytes_of(const void* data, size_t size) {
  const auto* first = static_cast<const std::uint8_t*>(data);
  return {first, first + size};
}

// Stored with its terminating zero unless told otherwise.
std::vector<std::uint8_t> text_bytes(const std::wstring& text, bool terminated = true) {
  return bytes_of(text.c_str(), (text.size() + (terminated ? 1 : 0)) * sizeof(wchar_t));
}

class LauncherTest : public ::testing::Test {
 protected:
  FakeSystem system;
  ProgramLifetime lifetime;
  Form<frmAbout> about{system, system, lifetime};

  void SetUp() override { about.Show(nullptr); }
  void TearDown() override {
    if (about.hwnd()) DestroyWindow(about.hwnd());
  }

  void set_text(const std::wstring& key, const std::wstring& name, const std::wstring& text, bool terminated = true) {
    system.registry[{key, name}] = {REG_SZ, text_bytes(text, terminated)};
  }
  void press_sys_info() { SendMessageW(GetDlgItem(about.hwnd(), frmAbout_design::cmdSysInfo), BM_CLICK, 0, 0); }
  void expect_messages(size_t count) {
    ASSERT_EQ(system.message_boxes.size(), count);
    for (const MessageBoxCall& box : system.message_boxes) {
      EXPECT_EQ(box.text, kNotAvailable);
      EXPECT_EQ(box.title, kProgramTitle);
      EXPECT_EQ(box.style, UINT{MB_OK});
      EXPECT_EQ(box.owner, about.hwnd());
    }
  }
};

// A path too long for the buffer counts as missing.
TEST_F(LauncherTest, ToolPathWinsAndTheFolderIsNeverUsedUnlessThePathIsTooLong) {
  set_text(kFolderKey, L"MSINFO", L"D:\\Folder");
  system.ordinary_files = {L"D:\\Folder\\MSINFO32.EXE"};
  for (const std::wstring& path :
       {L"C:\\" + std::wstring(600, L'x') + L".exe", std::wstring(L"C:\\Tools\\msinfo32.exe")}) {
    set_text(kToolKey, L"PATH", path);
    press_sys_info();
  }
  EXPECT_TRUE(system.message_boxes.empty());
  EXPECT_EQ(system.program_starts, (std::vector<std::string>{"D:\\Folder\\MSINFO32.EXE", "C:\\Tools\\msinfo32.exe"}));
}

TEST_F(LauncherTest, FolderStartsItsOrdinaryMSINFO32OrShowsTheMessageOncePerPress) {
  press_sys_info();  // neither value
  expect_messages(1);
  set_text(kFolderKey, L"MSINFO", L"D:\\ツール", false);
  press_sys_info();  // no ordinary file there
  expect_messages(2);
  EXPECT_TRUE(system.program_starts.empty());

  system.ordinary_files = {L"D:\\ツール\\MSINFO32.EXE"};
  press_sys_info();
  expect_messages(2);
  EXPECT_EQ(system.program_starts, std::vector<std::string>{"D:\\ツール\\MSINFO32.EXE"});

  system.programs_start = false;
  press_sys_info();
  expect_messages(3);
}

TEST_F(LauncherTest, ToolPathThatCannotStartShowsTheMessageWithoutTryingTheFolder) {
  set_text(kFolderKey, L"MSINFO", L"D:\\Folder");
  system.ordinary_files = {L"D:\\Folder\\MSINFO32.EXE"};
  system.programs_start = false;
  const DWORD number = 0x105;
  const auto press_with = [&](DWORD type, std::vector<std::uint8_t> data) {
    system.registry[{kToolKey, L"PATH"}] = {type, std::move(data)};
    press_sys_info();
  };
  press_with(REG_SZ, text_bytes(L"C:\\gone\\msinfo32.exe"));
  press_with(REG_SZ, text_bytes(L""));
  press_with(REG_DWORD, bytes_of(&number, sizeof number));
  press_with(REG_EXPAND_SZ, text_bytes(L"%ProgramFiles%\\msinfo32.exe"));
  // No data at all: the message at once, nothing started.
  press_with(REG_SZ, {});

  // A DWORD reads as "&h105", which names no file; other types leave the path empty.
  EXPECT_EQ(system.program_starts, (std::vector<std::string>{"C:\\gone\\msinfo32.exe", "", "&h105", ""}));
  expect_messages(5);
}

void set_value(HKEY root, const std::wstring& key, const std::wstring& name, DWORD type, const void* data,
               size_t size) {
  HKEY opened = nullptr;
  ASSERT_EQ(RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened, nullptr), ERROR_SUCCESS);
  RegSetValueExW(opened, name.c_str(), 0, type, static_cast<const BYTE*>(data), static_cast<DWORD>(size));
  RegCloseKey(opened);
}

void set_text(HKEY root, const std::wstring& key, const std::wstring& name, const std::wstring& text,
              bool terminated = true) {
  set_value(root, key, name, REG_SZ, text.c_str(), (text.size() + (terminated ? 1 : 0)) * sizeof(wchar_t));
}

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
std::optional<std::pair<std::wstring, std::wstring>> record_in(const fs::path& folder, DWORD wait_ms = 30000) {
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

TEST(RealSystem, StartsAProgramQuotedAndNotALookalikeBeforeTheBlank) {
  const Scratch scratch;
  // Unquoted, "...\\Shared Tools\\MSINFO32.EXE" would start "...\\Shared.exe" first.
  const fs::path tool = scratch.place_tool(L"Shared Tools\\MSINFO32.EXE");
  scratch.place_tool(L"Shared.exe");
  Win32Services real;
  EXPECT_FALSE(real.start_program((scratch.root() / L"gone.exe").wstring()));
  EXPECT_FALSE(real.start_program(scratch.root().wstring()));
  ASSERT_TRUE(real.start_program(tool.wstring()));
  const auto record = record_in(tool.parent_path());
  ASSERT_TRUE(record);
  EXPECT_EQ(record->first, tool.wstring());
  EXPECT_EQ(record->second, L"\"" + tool.wstring() + L"\"");
  EXPECT_FALSE(fs::exists(scratch.root() / L"started.txt"));
}

TEST(RealSystem, OrdinaryFilesAreWhatAListingShows) {
  const Scratch scratch;
  Win32Services real;
  const fs::path file = scratch.place_tool(L"MSINFO32.EXE");
  EXPECT_TRUE(real.is_ordinary_file(file.wstring()));
  SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_TRUE(real.is_ordinary_file(file.wstring()));
  for (DWORD attribute : {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM}) {
    SetFileAttributesW(file.c_str(), attribute);
    EXPECT_FALSE(real.is_ordinary_file(file.wstring())) << attribute;
  }
  SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_FALSE(real.is_ordinary_file(scratch.root().wstring()));
  EXPECT_FALSE(real.is_ordinary_file((scratch.root() / L"missing.exe").wstring()));
}

// The user's settings as Windows keeps them: animations off is off, and the app mode is dark only where
// the apps are told not to use the light theme (a missing value is light). Each put back afterwards.
TEST(RealSystem, ReadsTheUsersAnimationAndAppModeSettings) {
  Win32Services real;
  BOOL animations = TRUE;
  SystemParametersInfoW(SPI_GETCLIENTAREAANIMATION, 0, &animations, 0);
  for (BOOL on : {FALSE, TRUE}) {
    ASSERT_TRUE(SystemParametersInfoW(SPI_SETCLIENTAREAANIMATION, 0, IntToPtr(on), 0));
    EXPECT_EQ(real.animations(), on == TRUE);
  }
  SystemParametersInfoW(SPI_SETCLIENTAREAANIMATION, 0, IntToPtr(animations), 0);
  const std::wstring key = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";
  DWORD light = 1, size = sizeof light;
  const LSTATUS had =
      RegGetValueW(HKEY_CURRENT_USER, key.c_str(), L"AppsUseLightTheme", RRF_RT_REG_DWORD, nullptr, &light, &size);
  for (const DWORD value : {0u, 1u}) {
    set_value(HKEY_CURRENT_USER, key, L"AppsUseLightTheme", REG_DWORD, &value, sizeof value);
    EXPECT_EQ(real.dark_app_mode(), value == 0);
  }
  RegDeleteKeyValueW(HKEY_CURRENT_USER, key.c_str(), L"AppsUseLightTheme");
  EXPECT_FALSE(real.dark_app_mode());
  if (had == ERROR_SUCCESS) set_value(HKEY_CURRENT_USER, key, L"AppsUseLightTheme", REG_DWORD, &light, sizeof light);
}

TEST(GetKeyValue, ReadsRealValuesAsText) {
  Win32Services real;
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
    EXPECT_EQ(GetKeyValue(real, HKEY_CURRENT_USER, key, c.name, text), c.result) << narrow(c.name);
    EXPECT_EQ(text, c.text) << narrow(c.name);
  }
  std::wstring text = L"as passed";
  EXPECT_EQ(GetKeyValue(real, HKEY_CURRENT_USER, key + L"\\missing", L"with", text), KeyValue::not_found);
  EXPECT_EQ(text, L"");
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Tamarak tests");
}

}  // namespace
}  // namespace tamarak
