#include "base/files_win.h"

#include <vector>

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>

#include "base/error.h"
#include "base/system_error_win.h"
#include "base/unique_handle.h"

namespace kelvo {
namespace {

struct FileTraits {
  using Value = HANDLE;
  static Value Invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static void Close(Value file) noexcept { CloseHandle(file); }
};
using UniqueFile = UniqueHandle<FileTraits>;

constexpr std::int64_t kLargestRead = 64ll << 20;
constexpr DWORD kChunk = 1u << 20;

std::wstring WidePath(std::u16string_view path) {
  return std::wstring(path.begin(), path.end());
}

std::u16string Reason(DWORD error) {
  std::u16string reason = u"（";  // built up, not "literal + temporary": GCC 12 warns wrongly there
  reason += SystemErrorText(HRESULT_FROM_WIN32(error));
  reason += u"）";
  return reason;
}

[[noreturn]] void ThrowUnreadable(std::u16string_view path, std::u16string reason) {
  throw Error(std::u16string(path) + u" を読み込めません" + reason);
}

[[noreturn]] void ThrowUnwritable(std::u16string_view path, DWORD error) {
  throw Error(std::u16string(path) + u" に書き込めません" + Reason(error));
}

// The file being written: closed, then removed, on every way out but the one
// that moved it into place.
class NewFile {
 public:
  NewFile(const std::wstring& path, UniqueFile file) : path_(path), file_(std::move(file)) {}
  NewFile(const NewFile&) = delete;
  NewFile& operator=(const NewFile&) = delete;
  ~NewFile() {
    file_.reset();
    if (!placed_) DeleteFileW(path_.c_str());
  }
  HANDLE get() const { return file_.get(); }
  void Close() { file_.reset(); }
  void Placed() { placed_ = true; }

 private:
  const std::wstring& path_;
  UniqueFile file_;
  bool placed_ = false;
};

}  // namespace

std::optional<std::string> WindowsFiles::Read(std::u16string_view path) {
  UniqueFile file(CreateFileW(WidePath(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return std::nullopt;
    ThrowUnreadable(path, Reason(error));
  }
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) ThrowUnreadable(path, Reason(GetLastError()));
  if (size.QuadPart > kLargestRead) ThrowUnreadable(path, u"（64 MB を超えています）");

  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  std::size_t total = 0;
  // Stops early when the file shrank meanwhile; what grew after the size was taken is left.
  while (total < bytes.size()) {
    DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - total, kChunk));
    DWORD got = 0;
    if (!ReadFile(file.get(), bytes.data() + total, want, &got, nullptr)) {
      ThrowUnreadable(path, Reason(GetLastError()));
    }
    if (got == 0) break;
    total += got;
  }
  bytes.resize(total);
  return bytes;
}

void WindowsFiles::Replace(std::u16string_view path, std::string_view bytes) {
  const std::wstring target = WidePath(path);
  const std::wstring fresh = target + L".new";
  // No sharing: nothing else may see the new file half written.
  UniqueFile created(CreateFileW(fresh.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!created) ThrowUnwritable(path, GetLastError());
  NewFile file(fresh, std::move(created));

  while (!bytes.empty()) {
    DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), kChunk));
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes.data(), want, &written, nullptr) || written == 0) {
      ThrowUnwritable(path, GetLastError());
    }
    bytes.remove_prefix(written);
  }
  if (!FlushFileBuffers(file.get())) ThrowUnwritable(path, GetLastError());
  file.Close();
  if (!MoveFileExW(fresh.c_str(), target.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    ThrowUnwritable(path, GetLastError());
  }
  file.Placed();
}

std::u16string ProgramPath() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length < buffer.size()) {
      return std::u16string(reinterpret_cast<const char16_t*>(buffer.data()), length);
    }
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace kelvo
