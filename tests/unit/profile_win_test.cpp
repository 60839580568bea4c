// The settings file through the system's profile functions: odd files read as
// the defaults say, and a write keeps every line it does not own.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/profile_win.h"
#include "base/error.h"

namespace kelvo {
namespace {

struct TempIni {
  TempIni() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    wchar_t name[MAX_PATH];
    GetTempFileNameW(temp, L"kvi", 0, name);
    path = name;
  }
  ~TempIni() { DeleteFileW(path.c_str()); }
  void Write(const std::string& bytes) const {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
  }
  std::string Read() const {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    std::string bytes(1 << 20, '\0');
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
  }
  std::u16string Path16() const { return std::u16string(path.begin(), path.end()); }
  std::wstring path;
};

TEST(IniProfileWinTest, GarbageAndMissingSectionsReadAsDefaults) {
  TempIni ini;
  ini.Write(std::string("\xFF\xFE\x00garbage\r\nLeft=5\r\n[KelvoEdit\r\n=\r\n", 34));
  IniProfile profile(ini.Path16());
  EXPECT_EQ(profile.ReadString(u"KelvoEdit", u"Left", u"dflt"), u"dflt");
  EXPECT_EQ(profile.ReadString(u"Target", u"ProgID", u"BricscadApp.AcadApplication"),
            u"BricscadApp.AcadApplication");
}

TEST(IniProfileWinTest, UnicodeFileAndHugeValuesAreReadWhole) {
  TempIni ini;
  std::u16string text = u"\uFEFF[Target]\r\nProgID=会議.Application\r\n[KelvoEdit]\r\nLeft=" +
                        std::u16string(100000, u'7') + u"\r\n";
  ini.Write(std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2));
  IniProfile profile(ini.Path16());
  EXPECT_EQ(profile.ReadString(u"Target", u"ProgID", u""), u"会議.Application");
  EXPECT_EQ(profile.ReadString(u"KelvoEdit", u"Left", u"").size(), 100000u);
}

TEST(IniProfileWinTest, WritesKeepUnknownLinesAndAFailedWriteNamesTheFile) {
  TempIni ini;
  ini.Write("; mine\r\n[Other]\r\nkeep=1\r\n[KelvoEdit]\r\nLeft=1\r\nColour=blue\r\n");
  IniProfile profile(ini.Path16());
  profile.WriteString(u"KelvoEdit", u"Left", u"42");
  profile.WriteString(u"Target", u"ProgID", u"AutoCAD.Application");
  std::string after = ini.Read();
  for (const char* kept :
       {"; mine", "[Other]", "keep=1", "Colour=blue", "Left=42", "ProgID=AutoCAD.Application"}) {
    EXPECT_NE(after.find(kept), std::string::npos) << kept << "\n" << after;
  }

  IniProfile nowhere(u"Z:\\no\\such\\folder\\KelvoEditX.ini");
  try {
    nowhere.WriteString(u"KelvoEdit", u"Left", u"1");
    ADD_FAILURE() << "the write did not fail";
  } catch (const Error& e) {
    EXPECT_EQ(e.text(), u"Z:\\no\\such\\folder\\KelvoEditX.ini に書き込めません");
  }
}

}  // namespace
}  // namespace kelvo
