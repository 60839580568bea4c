// The target list file: every encoding it may be found in, every kind of line
// break, byte-exact round trips, the mend for text ANSI cannot hold, and the
// rule that names the CAD at start-up.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "base/portable_locale.h"
#include "base/text.h"
#include "cad/target_list.h"

namespace kelvo {
namespace {

using namespace std::string_literals;
using Lines = std::vector<std::u16string>;

const char* Name(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Ansi:
      return "Ansi";
    case TextEncoding::Utf8Bom:
      return "Utf8Bom";
    case TextEncoding::Utf16LeBom:
      return "Utf16LeBom";
    case TextEncoding::Utf16BeBom:
      return "Utf16BeBom";
  }
  return "?";
}

std::string Shown(const Lines& lines) {
  std::string out = "{";
  for (const auto& line : lines) out += " [" + ToUtf8(line) + "]";
  return out + " }";
}

TEST(TargetListTest, DecodesEachEncodingAndEachLineBreak) {
  struct Case {
    const char* what;
    std::string bytes;
    Lines lines;
    TextEncoding encoding;
  } cases[] = {
      {"ANSI is Latin-1 here", "Caf\xE9\tX.App\r\n", {u"Café\tX.App"}, TextEncoding::Ansi},
      {"UTF-8 mark",
       "\xEF\xBB\xBF\xE5\x9B\xB3\xE9\x9D\xA2\tA.B\r\n",
       {u"図面\tA.B"},
       TextEncoding::Utf8Bom},
      {"UTF-16 LE mark", "\xFF\xFE\xF3\x56\t\0B\0\r\0\n\0"s, {u"図\tB"}, TextEncoding::Utf16LeBom},
      {"UTF-16 BE mark", "\xFE\xFF\x56\xF3\0\t\0B\0\r\0\n"s, {u"図\tB"}, TextEncoding::Utf16BeBom},
      {"UTF-16 pair and lone surrogate",
       "\xFF\xFE\x3D\xD8\x00\xDE\x00\xD8"s,
       {u"\U0001F600\xD800"},
       TextEncoding::Utf16LeBom},
      {"CR only", "a\rb\r", {u"a", u"b"}, TextEncoding::Ansi},
      {"LF only", "a\nb\n", {u"a", u"b"}, TextEncoding::Ansi},
      {"mixed", "a\r\nb\rc\nd", {u"a", u"b", u"c", u"d"}, TextEncoding::Ansi},
      {"LF then CR are two breaks", "\n\r", {u"", u""}, TextEncoding::Ansi},
      {"CR before CR LF", "a\r\r\n", {u"a", u""}, TextEncoding::Ansi},
      {"empty lines between", "a\r\n\r\nb\r\n", {u"a", u"", u"b"}, TextEncoding::Ansi},
      {"no final break", "a\tb", {u"a\tb"}, TextEncoding::Ansi},
      {"one break only", "\r\n", {u""}, TextEncoding::Ansi},
      {"empty file", "", {}, TextEncoding::Ansi},
      {"mark only", "\xEF\xBB\xBF", {}, TextEncoding::Utf8Bom},
      {"UTF-16 mark only", "\xFE\xFF", {}, TextEncoding::Utf16BeBom},
      {"invalid UTF-8",
       "\xEF\xBB\xBF"
       "a\xFF\r\n",
       {u"a\uFFFD"},
       TextEncoding::Utf8Bom},
      {"odd UTF-16 byte dropped",
       "\xFF\xFE"
       "a\0b"s,
       {u"a"},
       TextEncoding::Utf16LeBom},
      {"only the first mark is taken",
       "\xEF\xBB\xBF\xEF\xBB\xBFx",
       {u"\uFEFFx"},
       TextEncoding::Utf8Bom},
      {"NUL kept", "a\0b\r\n"s, {u"a\0b"s}, TextEncoding::Ansi},
      {"half a UTF-8 mark is ANSI", "\xEF\xBB", {u"\u00EF\u00BB"}, TextEncoding::Ansi},
  };
  const PortableLocale locale;
  for (const auto& c : cases) {
    TargetListText text = DecodeTargetList(c.bytes, locale);
    EXPECT_EQ(text.lines, c.lines) << c.what << ": " << Shown(text.lines);
    EXPECT_EQ(Name(text.encoding), Name(c.encoding)) << c.what;
  }
}

// A file written as the program writes it reads back and writes again to the same bytes.
TEST(TargetListTest, WrittenFilesRoundTripByteForByte) {
  const std::string files[] = {
      "",
      "Caf\xE9\tX.App\r\n\r\n\tY\r\nno tab\r\n",
      "\xEF\xBB\xBF",
      "\xEF\xBB\xBF\xE5\x9B\xB3\tA\tB\r\n\xEF\xBF\xBD\r\n",
      "\xFF\xFE\xF3\x56\t\0B\0\r\0\n\0\0\xD8\r\0\n\0"s,
      "\xFE\xFF\x56\xF3\0\t\0B\0\r\0\n\xD8\x3D\xDE\x00\0\r\0\n"s,
  };
  const PortableLocale locale;
  for (const auto& bytes : files) {
    TargetListText text = DecodeTargetList(bytes, locale);
    EncodedTargetList written = EncodeTargetList(text.lines, text.encoding, locale);
    EXPECT_EQ(written.bytes, bytes) << Shown(text.lines);
    EXPECT_EQ(Name(written.encoding), Name(text.encoding)) << Shown(text.lines);
  }
}

TEST(TargetListTest, EncodesWithTheMarkAndMendsWhatAnsiCannotHold) {
  struct Case {
    const char* what;
    Lines lines;
    TextEncoding asked;
    std::string bytes;
    TextEncoding used;
  } cases[] = {
      {"Latin-1 stays ANSI",
       {u"Café\tA"},
       TextEncoding::Ansi,
       "Caf\xE9\tA\r\n",
       TextEncoding::Ansi},
      {"Japanese in ANSI becomes UTF-8",
       {u"図面\tA"},
       TextEncoding::Ansi,
       "\xEF\xBB\xBF\xE5\x9B\xB3\xE9\x9D\xA2\tA\r\n",
       TextEncoding::Utf8Bom},
      {"any line decides",
       {u"a", u"\tB", u"x図"},
       TextEncoding::Ansi,
       "\xEF\xBB\xBF"
       "a\r\n\tB\r\nx\xE5\x9B\xB3\r\n",
       TextEncoding::Utf8Bom},
      {"ANSI that starts like the UTF-8 mark",
       {u"\u00EF\u00BB\u00BFa"},
       TextEncoding::Ansi,
       "\xEF\xBB\xBF\xC3\xAF\xC2\xBB\xC2\xBF"
       "a\r\n",
       TextEncoding::Utf8Bom},
      {"ANSI that starts like a UTF-16 LE mark",
       {u"\u00FF\u00FE"},
       TextEncoding::Ansi,
       "\xEF\xBB\xBF\xC3\xBF\xC3\xBE\r\n",
       TextEncoding::Utf8Bom},
      {"ANSI that starts like a UTF-16 BE mark",
       {u"\u00FE\u00FF"},
       TextEncoding::Ansi,
       "\xEF\xBB\xBF\xC3\xBE\xC3\xBF\r\n",
       TextEncoding::Utf8Bom},
      {"the mark further on is plain text",
       {u"a", u"\u00FF\u00FE"},
       TextEncoding::Ansi,
       "a\r\n\xFF\xFE\r\n",
       TextEncoding::Ansi},
      {"no lines in ANSI", {}, TextEncoding::Ansi, "", TextEncoding::Ansi},
      {"no lines in UTF-16", {}, TextEncoding::Utf16LeBom, "\xFF\xFE", TextEncoding::Utf16LeBom},
      {"empty line", {u""}, TextEncoding::Utf8Bom, "\xEF\xBB\xBF\r\n", TextEncoding::Utf8Bom},
      {"UTF-16 BE",
       {u"A図"},
       TextEncoding::Utf16BeBom,
       "\xFE\xFF\0A\x56\xF3\0\r\0\n"s,
       TextEncoding::Utf16BeBom},
      {"UTF-16 LE",
       {u"A図"},
       TextEncoding::Utf16LeBom,
       "\xFF\xFE"
       "A\0\xF3\x56\r\0\n\0"s,
       TextEncoding::Utf16LeBom},
  };
  const PortableLocale locale;
  for (const auto& c : cases) {
    EncodedTargetList written = EncodeTargetList(c.lines, c.asked, locale);
    EXPECT_EQ(written.bytes, c.bytes) << c.what;
    EXPECT_EQ(Name(written.encoding), Name(c.used)) << c.what;
    TargetListText read = DecodeTargetList(written.bytes, locale);
    EXPECT_EQ(read.lines, c.lines) << c.what << ": " << Shown(read.lines);
    EXPECT_EQ(Name(read.encoding), Name(c.used)) << c.what;
  }
  // UTF-8 has no form for a lone surrogate: it is written, and so read back, as U+FFFD.
  EncodedTargetList lone = EncodeTargetList({u"a\xD800"}, TextEncoding::Utf8Bom, locale);
  EXPECT_EQ(lone.bytes,
            "\xEF\xBB\xBF"
            "a\xEF\xBF\xBD\r\n");
}

TEST(TargetListTest, SplitsAtTheFirstTab) {
  struct Case {
    std::u16string line;
    std::u16string name;
    std::u16string progId;
  } cases[] = {
      {u"BricsCAD\tBricscadApp.AcadApplication", u"BricsCAD", u"BricscadApp.AcadApplication"},
      {u"a\tb\tc", u"a", u"b\tc"},
      {u"no tab", u"", u"no tab"},
      {u"\tP", u"", u"P"},
      {u"N\t", u"N", u""},
      {u"", u"", u""},
  };
  for (const auto& c : cases) {
    TargetEntry entry = SplitTargetEntry(c.line);
    EXPECT_EQ(entry.name, c.name) << ToUtf8(c.line);
    EXPECT_EQ(entry.progId, c.progId) << ToUtf8(c.line);
    if (c.line.find(u'\t') != std::u16string::npos) {
      EXPECT_EQ(JoinTargetEntry(entry.name, entry.progId), c.line);
    }
  }
  EXPECT_EQ(JoinTargetEntry(u"", u""), u"\t");
}

TEST(TargetListTest, MatchesTabAndProgIdAnywhereInTheLine) {
  struct Case {
    std::u16string line;
    std::u16string progId;
    bool matches;
  } cases[] = {
      {u"BricsCAD\tBricscadApp.AcadApplication", u"BricscadApp.AcadApplication", true},
      {u"V23\tBricscadApp.AcadApplication.23", u"BricscadApp.AcadApplication", true},
      {u"V\tBricscadApp.AcadApplication", u"BricscadApp.AcadApplication.23", false},
      {u"B\tbricscadapp.acadapplication", u"BricscadApp.AcadApplication", false},
      {u"a\tb\tAutoCAD.Application", u"AutoCAD.Application", true},
      {u"AutoCAD.Application", u"AutoCAD.Application", false},
      {u"A\tX.AutoCAD.Application", u"AutoCAD.Application", false},
      {u"\t", u"", true},
      {u"no tab", u"", false},
      {u"", u"", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MatchesTarget(c.line, c.progId), c.matches)
        << ToUtf8(c.line) << " / " << ToUtf8(c.progId);
  }
}

TEST(TargetListTest, FirstMatchingLineNamesTheTarget) {
  const Lines lines = {
      u"AutoCAD.Application",
      u"Bricks\tBricscadApp.AcadApplication.23",
      u"Bricks 22\tBricscadApp.AcadApplication.22",
      u"\tNameless.Application",
      u"a\tb\tDeep.Application",
      u"Twice\tT.App\tT.App",
  };
  struct Case {
    std::u16string progId;
    std::optional<std::u16string> name;
  } cases[] = {
      {u"BricscadApp.AcadApplication", u"Bricks"},
      {u"BricscadApp.AcadApplication.22", u"Bricks 22"},
      {u"Nameless.Application", u""},
      {u"Deep.Application", u"a\tb"},
      {u"T.App", u"Twice"},
      {u"AutoCAD.Application", std::nullopt},
      {u"Missing", std::nullopt},
      {u"", u"Bricks"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TargetNameFor(lines, c.progId), c.name) << ToUtf8(c.progId);
  }
  EXPECT_EQ(TargetNameFor({}, u"X"), std::nullopt);
}

TEST(TargetListTest, CaptionShowsTheNameInBrackets) {
  EXPECT_EQ(MainCaption(u"BricsCAD"), u"KelvoEdit [ BricsCAD ]");
  EXPECT_EQ(MainCaption(u""), u"KelvoEdit [  ]");
  EXPECT_EQ(MainCaption(std::nullopt), u"KelvoEdit");
}

TEST(TargetListTest, ListLivesBesideTheProgram) {
  struct Case {
    std::u16string program;
    std::u16string list;
  } cases[] = {
      {u"C:\\tools\\KelvoEditX.exe", u"C:\\tools\\TargetCAD_APIVersion.txt"},
      {u"C:\\KelvoEditX.exe", u"C:\\TargetCAD_APIVersion.txt"},
      {u"\\\\server\\share\\k.v2\\KelvoEditX",
       u"\\\\server\\share\\k.v2\\TargetCAD_APIVersion.txt"},
      {u"/opt/kelvo/KelvoEditX.exe", u"/opt/kelvo/TargetCAD_APIVersion.txt"},
      {u"KelvoEditX.exe", u"TargetCAD_APIVersion.txt"},
  };
  for (const auto& c : cases) EXPECT_EQ(TargetListPath(c.program), c.list) << ToUtf8(c.program);
}

}  // namespace
}  // namespace kelvo
