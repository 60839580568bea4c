// Whole files through the system: a missing file is no error, content comes
// back byte for byte, and a replacement that fails leaves the old file whole
// and no new file behind.

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "base/error.h"
#include "base/files_win.h"
#include "base/text.h"

namespace kelvo {
namespace {

using namespace std::string_literals;

std::u16string U16(const std::wstring& text) {
  return std::u16string(text.begin(), text.end());
}

// A folder of its own under the temporary folder, emptied and removed at the end.
class WindowsFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    wchar_t name[MAX_PATH];
    ASSERT_NE(GetTempPathW(MAX_PATH, temp), 0u);
    ASSERT_NE(GetTempFileNameW(temp, L"kvf", 0, name), 0u);
    DeleteFileW(name);
    ASSERT_TRUE(CreateDirectoryW(name, nullptr));
    folder_ = name;
  }
  void TearDown() override {
    for (const auto& file : Names()) {
      std::wstring path = folder_ + L"\\" + file;
      SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileW(path.c_str());
      RemoveDirectoryW(path.c_str());
    }
    RemoveDirectoryW(folder_.c_str());
  }

  std::wstring Path(const wchar_t* name) const { return folder_ + L"\\" + name; }

  // The names in the folder, sorted as the system lists them.
  std::vector<std::wstring> Names() const {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder_ + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
      std::wstring name = found.cFileName;
      if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
  }

  static void WriteRaw(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    EXPECT_TRUE(WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
    EXPECT_EQ(written, bytes.size());
    CloseHandle(file);
  }

  std::wstring folder_;
  WindowsFiles files_;
};

std::string AllByteValues() {
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
  return bytes;
}

TEST_F(WindowsFilesTest, MissingFileOrFolderReadsAsNothing) {
  EXPECT_EQ(files_.Read(U16(Path(L"none.txt"))), std::nullopt);
  EXPECT_EQ(files_.Read(U16(Path(L"no folder\\none.txt"))), std::nullopt);
}

TEST_F(WindowsFilesTest, ReplaceWritesExactlyTheBytesGiven) {
  const std::u16string path = U16(Path(L"list.txt"));
  std::string large(3 << 20, 'x');  // more than one chunk of reading and writing
  for (std::size_t i = 0; i < large.size(); i += 4099) large[i] = static_cast<char>(i % 251);
  const std::string contents[] = {
      "a\0b\r\n\xFF\xFE"s,
      AllByteValues(),
      large,
      "short",  // over a longer file: nothing of the old one is left at the end
      "",
  };
  for (const auto& bytes : contents) {
    files_.Replace(path, bytes);
    std::optional<std::string> read = files_.Read(path);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->size(), bytes.size());
    EXPECT_TRUE(*read == bytes);
    EXPECT_EQ(Names(), std::vector<std::wstring>{L"list.txt"});
  }
}

TEST_F(WindowsFilesTest, ReadsAFileOthersHoldOpenForWriting) {
  const std::wstring path = Path(L"open.txt");
  WriteRaw(path, "kept");
  HANDLE writer =
      CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  EXPECT_EQ(files_.Read(U16(path)), "kept");
  CloseHandle(writer);
}

TEST_F(WindowsFilesTest, UnreadableFilesRaiseNamingTheFile) {
  const std::wstring locked = Path(L"locked.txt");
  WriteRaw(locked, "x");
  HANDLE holder = CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);

  const std::wstring huge = Path(L"huge.bin");
  HANDLE big = CreateFileW(huge.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(big, INVALID_HANDLE_VALUE);
  LARGE_INTEGER end{};
  end.QuadPart = (64ll << 20) + 1;
  EXPECT_TRUE(SetFilePointerEx(big, end, nullptr, FILE_BEGIN));
  EXPECT_TRUE(SetEndOfFile(big));
  CloseHandle(big);

  for (const std::wstring& path : {locked, huge, folder_}) {
    const std::u16string expected = U16(path) + u" を読み込めません（";
    try {
      files_.Read(U16(path));
      ADD_FAILURE() << "no error for " << ToUtf8(U16(path));
    } catch (const Error& e) {
      EXPECT_EQ(e.text().substr(0, expected.size()), expected) << ToUtf8(e.text());
    }
  }
  CloseHandle(holder);
}

TEST_F(WindowsFilesTest, FailedReplaceLeavesTheOldFileAndNoNewOne) {
  struct Case {
    const char* what;
    const wchar_t* name;
    bool hasOld;
    // Puts the old file in the way; returns a handle to close afterwards, or none.
    std::function<HANDLE(const std::wstring&)> arrange;
  } cases[] = {
      {"folder missing", L"missing\\list.txt", false, [](const std::wstring&) { return HANDLE{}; }},
      {"old file open without delete sharing", L"held.txt", true,
       [](const std::wstring& path) {
         WriteRaw(path, "old\r\n");
         return CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
       }},
      {"a folder in the way", L"folder.txt", false,
       [](const std::wstring& path) {
         CreateDirectoryW(path.c_str(), nullptr);
         return HANDLE{};
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::wstring path = Path(c.name);
    HANDLE held = c.arrange(path);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const std::vector<std::wstring> before = Names();
    const std::u16string expected = U16(path) + u" に書き込めません（";
    try {
      files_.Replace(U16(path), "new content");
      ADD_FAILURE() << "no error";
    } catch (const Error& e) {
      EXPECT_EQ(e.text().substr(0, expected.size()), expected) << ToUtf8(e.text());
    }
    if (held != nullptr) CloseHandle(held);
    EXPECT_EQ(Names(), before);
    if (c.hasOld) {
      EXPECT_EQ(files_.Read(U16(path)), "old\r\n");
    }
  }
}

}  // namespace
}  // namespace kelvo
