#pragma once
// The settings file beside the program, through the system's profile functions.

#include <string>

#include "app/profile.h"

namespace kelvo {

class IniProfile : public Profile {
 public:
  explicit IniProfile(std::u16string path) : path_(std::move(path)) {}
  // The program file's path with ".ini" in place of its extension.
  static std::u16string PathBesideProgram();

  std::u16string ReadString(std::u16string_view section, std::u16string_view key,
                            std::u16string_view defaultValue) override;
  void WriteString(std::u16string_view section, std::u16string_view key,
                   std::u16string_view value) override;
  int PrimaryScreenWidth() override;
  int PrimaryScreenHeight() override;

 private:
  std::u16string path_;
};

}  // namespace kelvo
