#include "app/profile_win.h"

#include "base/files_win.h"

#include <windows.h>

#include <vector>

#include "base/error.h"
#include "ui/widgets_win.h"

namespace kelvo {

std::u16string IniProfile::PathBesideProgram() {
  std::u16string path = ProgramPath();
  std::size_t slash = path.find_last_of(u"\\/");
  std::size_t dot = path.find_last_of(u'.');
  if (dot != std::u16string::npos && (slash == std::u16string::npos || dot > slash)) {
    path.erase(dot);
  }
  return path + u".ini";
}

std::u16string IniProfile::ReadString(std::u16string_view section, std::u16string_view key,
                                      std::u16string_view defaultValue) {
  std::u16string s(section), k(key), d(defaultValue);
  // The function cuts a value to the buffer and says so only by its length:
  // grow until the value fits.
  std::vector<wchar_t> buffer(256);
  for (;;) {
    DWORD length = GetPrivateProfileStringW(Wide(s), Wide(k), Wide(d), buffer.data(),
                                            static_cast<DWORD>(buffer.size()), Wide(path_));
    if (length + 1 < buffer.size() || buffer.size() >= (1u << 24)) {
      return std::u16string(reinterpret_cast<const char16_t*>(buffer.data()), length);
    }
    buffer.resize(buffer.size() * 4);
  }
}

void IniProfile::WriteString(std::u16string_view section, std::u16string_view key,
                             std::u16string_view value) {
  std::u16string s(section), k(key), v(value);
  if (!WritePrivateProfileStringW(Wide(s), Wide(k), Wide(v), Wide(path_))) {
    throw Error(path_ + u" に書き込めません");
  }
}

int IniProfile::PrimaryScreenWidth() {
  return GetSystemMetrics(SM_CXSCREEN);
}
int IniProfile::PrimaryScreenHeight() {
  return GetSystemMetrics(SM_CYSCREEN);
}

}  // namespace kelvo
