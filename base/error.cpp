#include "base/error.h"

#include <utility>

#include "base/text.h"

namespace kelvo {

Error::Error(std::u16string text) : text_(std::move(text)), utf8_(ToUtf8(text_)) {}

ConversionError::ConversionError(std::u16string offending)
    : Error(u"'" + offending + u"' は整数ではありません"), offending_(std::move(offending)) {}

}  // namespace kelvo
