// The target list in the Japanese ANSI code page, as users' hand-made lists are.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/locale_win.h"
#include "cad/target_list.h"

namespace kelvo {
namespace {

TEST(TargetListWinTest, JapaneseAnsiListRoundTripsAndMendsWhatItLacks) {
  ASSERT_EQ(GetACP(), 932u) << "run with LANG=ja_JP.UTF-8";
  const WindowsLocale locale;

  // ブリックスCAD in code page 932.
  const std::string cp932 =
      "\x83\x75\x83\x8A\x83\x62\x83\x4E\x83\x58"
      "CAD\tBricscadApp.AcadApplication\r\n";
  TargetListText read = DecodeTargetList(cp932, locale);
  EXPECT_EQ(read.lines, std::vector<std::u16string>{u"ブリックスCAD\tBricscadApp.AcadApplication"});
  EXPECT_EQ(read.encoding, TextEncoding::Ansi);
  EncodedTargetList written = EncodeTargetList(read.lines, read.encoding, locale);
  EXPECT_EQ(written.encoding, TextEncoding::Ansi);
  EXPECT_TRUE(written.bytes == cp932);

  read.lines.push_back(u"Caf\u00E9\tX.Application");
  written = EncodeTargetList(read.lines, read.encoding, locale);
  EXPECT_EQ(written.encoding, TextEncoding::Utf8Bom);
  EXPECT_TRUE(written.bytes ==
              "\xEF\xBB\xBF\xE3\x83\x96\xE3\x83\xAA\xE3\x83\x83\xE3\x82\xAF\xE3\x82\xB9"
              "CAD\tBricscadApp.AcadApplication\r\nCaf\xC3\xA9\tX.Application\r\n");
}

}  // namespace
}  // namespace kelvo
