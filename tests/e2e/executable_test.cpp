// The executable as a file: what it imports, how it is marked, and what it loads from its own folder.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cwctype>
#include <set>
#include <string>
#include <vector>

#include "about/frmAbout_design.h"
#include "app/commands.h"
#include "driver.h"

namespace e2e {
namespace {

// The DLL names of the import table, in lower case, and the optional header's DLL characteristics.
struct PeFacts {
  std::set<std::string> imports;
  WORD dll_characteristics = 0;
};

PeFacts read_pe(const std::vector<char>& file) {
  PeFacts facts;
  const auto at = [&](size_t offset) { return file.data() + offset; };
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(at(0));
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(at(dos->e_lfanew));
  facts.dll_characteristics = nt->OptionalHeader.DllCharacteristics;
  const IMAGE_SECTION_HEADER* sections = IMAGE_FIRST_SECTION(nt);
  const auto file_offset = [&](DWORD rva) -> size_t {
    for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i) {
      const IMAGE_SECTION_HEADER& s = sections[i];
      if (rva >= s.VirtualAddress && rva < s.VirtualAddress + s.SizeOfRawData)
        return rva - s.VirtualAddress + s.PointerToRawData;
    }
    return 0;
  };
  const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  for (auto* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(at(file_offset(imports.VirtualAddress)));
       d->Name != 0; ++d) {
    std::string name = at(file_offset(d->Name));
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    facts.imports.insert(name);
  }
  return facts;
}

void expect_hardened(const std::wstring& path) {
  const std::vector<char> file = file_bytes(path);
  ASSERT_GT(file.size(), 4096u);
  const PeFacts pe = read_pe(file);
  // Any other DLL, and any DLL another one imports, would be looked for in the program's folder before
  // the program could say otherwise. ole32, ws2_32 and comctl32 are delay-loaded: the hidden program
  // does not load them at start.
  const std::set<std::string> known{"advapi32.dll", "gdi32.dll",   "kernel32.dll",
                                    "msvcrt.dll",   "shell32.dll", "user32.dll"};
  for (const std::string& name : pe.imports) EXPECT_TRUE(known.contains(name)) << name;
  EXPECT_TRUE(pe.dll_characteristics & IMAGE_DLLCHARACTERISTICS_TERMINAL_SERVER_AWARE);

  // What Wine lets pass without it, Windows does not: the tool tips' structure size and the visual
  // styles need common controls 6, the per-monitor dpi handling the program's word for it.
  const HMODULE image = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_TRUE(image);
  const HRSRC found = FindResourceW(image, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
  ASSERT_TRUE(found);
  const std::string manifest(static_cast<const char*>(LockResource(LoadResource(image, found))),
                             SizeofResource(image, found));
  FreeLibrary(image);
  for (const char* wanted :
       {"name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
        "<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">PerMonitorV2",
        "level=\"asInvoker\""})
    EXPECT_NE(manifest.find(wanted), std::string::npos) << wanted;
}

// The program and its screen saver alike.
TEST(Executable, ImportsOnlyTheSystemsKnownDllsAndIsTerminalServerAware) {
  expect_hardened(program_path());
  expect_hardened(windows_path(TAMARAK_SS));
}

// Tells Wine to prefer a DLL found on the search path over its own, for one program, while it lasts.
class NativeFirst {
 public:
  NativeFirst(const std::wstring& program, const wchar_t* dll)
      : key_(L"Software\\Wine\\AppDefaults\\" + program + L"\\DllOverrides"), dll_(dll) {
    RegSetKeyValueW(HKEY_CURRENT_USER, key_.c_str(), dll_, REG_SZ, L"native,builtin", sizeof L"native,builtin");
  }
  ~NativeFirst() { RegDeleteKeyValueW(HKEY_CURRENT_USER, key_.c_str(), dll_); }
  NativeFirst(const NativeFirst&) = delete;
  NativeFirst& operator=(const NativeFirst&) = delete;

 private:
  std::wstring key_;
  const wchar_t* dll_;
};

TEST(Executable, NeverUsesADllPlantedBesideIt) {
  const std::wstring exe = program_path();
  const std::wstring folder = exe.substr(0, exe.rfind(L'\\')) + L"\\planted";
  CreateDirectoryW(folder.c_str(), nullptr);
  ASSERT_TRUE(CopyFileW(exe.c_str(), (folder + L"\\tamarak.exe").c_str(), FALSE));
  std::wstring dll = PLANTED_DLL;
  std::replace(dll.begin(), dll.end(), L'/', L'\\');
  ASSERT_TRUE(CopyFileW((L"Z:" + dll).c_str(), (folder + L"\\version.dll").c_str(), FALSE));
  const std::wstring calls = folder + L"\\version.dll.calls";
  DeleteFileW(calls.c_str());

  {
    // Native first, as Windows looks for any DLL that is not a known one. Wine reads this for
    // programs of this name only, and not from a child's environment.
    const NativeFirst override(L"tamarak.exe", L"version");
    Program program(folder + L"\\tamarak.exe");
    const HWND main = wait_for_main_window(program.pid());
    ASSERT_TRUE(main);
    // The About window shows the version the executable carries.
    PostMessageW(main, WM_COMMAND, tamarak::mnuHelpVer, 0);
    const HWND about = wait_for_window(program.pid(), L"TamarakAbout", kTitle);
    ASSERT_TRUE(about);
    EXPECT_EQ(control_text(about, tamarak::frmAbout_design::lblVersion), L"ﾊﾞｰｼﾞｮﾝ 3.0.0");
  }
  const std::vector<char> noted = file_bytes(calls);
  const std::wstring callers(reinterpret_cast<const wchar_t*>(noted.data()), noted.size() / sizeof(wchar_t));
  EXPECT_EQ(callers.find(L"\\tamarak.exe\n"), std::wstring::npos) << "called by the program";
}

}  // namespace
}  // namespace e2e
