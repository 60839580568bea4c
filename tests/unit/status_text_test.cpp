#include <gtest/gtest.h>

#include "base/status_text.h"

namespace kelvo {
namespace {

TEST(StatusTextTest, KnownStatusesSayWhatToDoAndKeepTheCode) {
  struct Case {
    std::uint32_t status;
    const char16_t* begins;
  } cases[] = {
      {0x800401F3, u"ターゲット CAD の ProgID"},
      {0x800401E3, u"ターゲット CAD が起動していません"},
      {0x80010108, u"CAD との接続が切れました"},
      {0x80010001, u"CAD が呼び出しを受け付けませんでした"},
      {0x80020006, u"CAD にこの機能がありません"},
      {0x80020009, u"CAD の中でエラーが起きました"},
  };
  for (const Case& c : cases) {
    std::optional<std::u16string> text = FriendlyStatusText(c.status);
    ASSERT_TRUE(text.has_value()) << std::hex << c.status;
    EXPECT_EQ(text->rfind(c.begins, 0), 0u);
    EXPECT_NE(text->find(StatusCodeText(c.status)), std::u16string::npos);
  }
  EXPECT_EQ(StatusCodeText(0x800401F3), u"エラー 0x800401F3");
  EXPECT_EQ(FriendlyStatusText(0x8004FFFF), std::nullopt);
}

}  // namespace
}  // namespace kelvo
