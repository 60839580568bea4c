#pragma once
// The file seam: whole files, bytes in and bytes out. Windows answers with the
// system's file functions; tests keep the files in memory.

#include <optional>
#include <string>
#include <string_view>

namespace kelvo {

class Files {
 public:
  virtual ~Files() = default;
  // The whole content; nullopt when the file does not exist. Raises Error with
  // the system's text when it exists but cannot be read.
  virtual std::optional<std::string> Read(std::u16string_view path) = 0;
  // Writes the content to a new file beside the old one and puts it in the old
  // one's place only once it is complete, so a failed write leaves the old file
  // whole. Raises Error naming the file when it cannot be written.
  virtual void Replace(std::u16string_view path, std::string_view bytes) = 0;
};

}  // namespace kelvo
