#pragma once
// The program's failures. Every error carries the text the user sees; the one
// catch point of an event dispatch shows it in the default error report.

#include <exception>
#include <string>

namespace kelvo {

class Error : public std::exception {
 public:
  explicit Error(std::u16string text);
  const std::u16string& text() const noexcept { return text_; }
  const char* what() const noexcept override { return utf8_.c_str(); }

 private:
  std::u16string text_;
  std::string utf8_;
};

// A strict integer read of user input that failed; names the offending text.
class ConversionError : public Error {
 public:
  explicit ConversionError(std::u16string offending);
  const std::u16string& offending() const noexcept { return offending_; }

 private:
  std::u16string offending_;
};

}  // namespace kelvo
