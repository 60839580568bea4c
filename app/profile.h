#pragma once
// The settings file seam: single keys of an INI file, and the screen size the
// default position is centred on.

#include <string>
#include <string_view>

namespace kelvo {

class Profile {
 public:
  virtual ~Profile() = default;
  // The key's value, or defaultValue when the file, section or key is missing.
  virtual std::u16string ReadString(std::u16string_view section, std::u16string_view key,
                                    std::u16string_view defaultValue) = 0;
  // Creates what is missing and keeps every other line; raises Error
  // "<path> に書き込めません" when the file cannot be written.
  virtual void WriteString(std::u16string_view section, std::u16string_view key,
                           std::u16string_view value) = 0;
  virtual int PrimaryScreenWidth() = 0;
  virtual int PrimaryScreenHeight() = 0;
};

}  // namespace kelvo
