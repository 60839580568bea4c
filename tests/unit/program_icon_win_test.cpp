// The program's icon, read from the built executable's resources.

#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>

#include "base/files_win.h"
#include "base/unique_handle.h"

namespace kelvo {
namespace {

struct LibraryTraits {
  using Value = HMODULE;
  static Value Invalid() noexcept { return nullptr; }
  static void Close(Value module) noexcept { FreeLibrary(module); }
};

// The built program stands one folder above the tests.
std::wstring ProgramBesideTests() {
  std::u16string tests = ProgramPath();
  std::u16string folder = tests.substr(0, tests.find_last_of(u"\\/"));
  return reinterpret_cast<const wchar_t*>(folder.c_str()) + std::wstring(L"\\..\\KelvoEditX.exe");
}

#pragma pack(push, 2)
struct IconDirectoryEntry {
  BYTE width;  // 0 stands for 256
  BYTE height;
  BYTE colors;
  BYTE reserved;
  WORD planes;
  WORD bitCount;
  DWORD bytes;
  WORD id;
};
struct IconDirectory {
  WORD reserved;
  WORD type;
  WORD count;
};
#pragma pack(pop)

TEST(ProgramIconTest, TheExecutableCarriesItsIconAtEverySize) {
  UniqueHandle<LibraryTraits> program(
      LoadLibraryExW(ProgramBesideTests().c_str(), nullptr,
                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
  ASSERT_TRUE(program) << "KelvoEditX.exe beside the tests";
  HRSRC group = FindResourceW(program.get(), MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14));
  ASSERT_NE(group, nullptr);
  const auto* directory =
      static_cast<const IconDirectory*>(LockResource(LoadResource(program.get(), group)));
  ASSERT_NE(directory, nullptr);
  const auto* entries = reinterpret_cast<const IconDirectoryEntry*>(directory + 1);
  std::set<int> sizes;
  for (WORD i = 0; i < directory->count; ++i) {
    int width = entries[i].width == 0 ? 256 : entries[i].width;
    sizes.insert(width);
    EXPECT_NE(FindResourceW(program.get(), MAKEINTRESOURCEW(entries[i].id), MAKEINTRESOURCEW(3)),
              nullptr);
  }
  EXPECT_EQ(sizes, (std::set<int>{16, 24, 32, 48, 256}));
}

}  // namespace
}  // namespace kelvo
