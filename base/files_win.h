#pragma once
// The file seam on Windows.

#include <string>

#include "base/files.h"

namespace kelvo {

// The program file's own full path.
std::u16string ProgramPath();

class WindowsFiles : public Files {
 public:
  // Shares read, write and delete, so that an editor holding the file open does
  // not stop the program. Refuses files over 64 MB: the program's files are a
  // few lines.
  std::optional<std::string> Read(std::u16string_view path) override;
  // Writes "<path>.new", flushes it to the disk and moves it over the old file;
  // on failure removes "<path>.new" and raises "<path> に書き込めません（reason）".
  void Replace(std::u16string_view path, std::string_view bytes) override;
};

}  // namespace kelvo
