#include <gtest/gtest.h>
#include <objbase.h>

#include <algorithm>
#include <string>
#include <vector>

#include "sim/drawing.h"
#include "sim/simcad_clsid_win.h"
#include "sim/simcad_options_win.h"
#include "sim/simcad_sample.h"

namespace kelvo::sim {
namespace {

TEST(SimCadOptionsTest, ReadsItsOptionsAndKeepsDefaultsForAnythingElse) {
  struct Case {
    std::vector<std::wstring> args;
    std::wstring progId;
    bool sample;
    std::optional<std::array<int, 4>> pos;
    std::wstring caption;
  } cases[] = {
      {{}, L"BricscadApp.AcadApplication", false, {}, L"SimCAD - BricscadApp.AcadApplication"},
      {{L"/progid:AutoCAD.Application", L"/sample", L"/pos:10,-20,640,480", L"/title:図面 A"},
       L"AutoCAD.Application",
       true,
       std::array{10, -20, 640, 480},
       L"図面 A"},
      {{L"-PROGID:Foo.Bar", L"/Sample"}, L"Foo.Bar", true, {}, L"SimCAD - Foo.Bar"},
      // Unknown, unreadable and malformed options leave the defaults.
      {{L"/progidx:A.B", L"/samples", L"/sample:no", L"sample", L"/pos:1,2,3", L"/pos:1,2,0,4",
        L"/pos:a,2,3,4", L"/pos:1,2,3,4,5", L"/pos:", L"/progid:", L"/progid:A\\B", L"/x", L""},
       L"BricscadApp.AcadApplication",
       false,
       {},
       L"SimCAD - BricscadApp.AcadApplication"},
  };
  for (const auto& c : cases) {
    SimCadOptions o = ParseSimCadOptions(c.args);
    EXPECT_EQ(o.progId, c.progId);
    EXPECT_EQ(o.sample, c.sample);
    ASSERT_EQ(o.placement.has_value(), c.pos.has_value());
    if (c.pos) {
      EXPECT_EQ(
          (std::array{o.placement->x, o.placement->y, o.placement->width, o.placement->height}),
          *c.pos);
    }
    EXPECT_EQ(o.Caption(), c.caption);
  }
}

TEST(SimCadOptionsTest, EachProgIdHasItsOwnClassIdWhateverItsCase) {
  const CLSID bricscad = SimCadClsid(L"BricscadApp.AcadApplication");
  wchar_t text[40];
  ASSERT_GT(StringFromGUID2(bricscad, text, 40), 0);
  EXPECT_STREQ(text, L"{A374093C-0C79-430E-BD5D-438B3ADB9D60}");
  EXPECT_TRUE(IsEqualCLSID(SimCadClsid(L"bricscadapp.acadapplication"), bricscad));
  EXPECT_FALSE(IsEqualCLSID(SimCadClsid(L"AutoCAD.Application"), bricscad));
  EXPECT_FALSE(IsEqualCLSID(SimCadClsid(L"BricscadApp.AcadApplication.22"), bricscad));
}

TEST(SimCadOptionsTest, SampleDrawingHasAColumnARowOtherAlignmentsAndALine) {
  Drawing d;
  AddSampleDrawing(d);
  std::vector<Entity> all = d.LiveEntities();
  auto find = [&](std::u16string_view text) {
    auto it = std::find_if(all.begin(), all.end(), [&](const Entity& e) { return e.text == text; });
    return it == all.end() ? nullptr : &*it;
  };
  const char16_t* rooms[] = {u"会議室", u"応接室", u"事務室", u"倉庫", u"更衣室"};
  for (int i = 0; i < 5; ++i) {
    const Entity* room = find(rooms[i]);
    ASSERT_NE(room, nullptr);
    EXPECT_EQ(room->insertion, (Point{0, -10.0 * i, 0}));
  }
  const char16_t* tags[] = {u"No.001", u"No.002", u"No.003", u"No.004",
                            u"No.005", u"No.006", u"No.007", u"No.008"};
  for (int i = 0; i < 8; ++i) {
    const Entity* tag = find(tags[i]);
    ASSERT_NE(tag, nullptr);
    EXPECT_EQ(tag->insertion[0] - find(u"No.001")->insertion[0], 15.0 * i);
    EXPECT_EQ(tag->insertion[1], 0);
  }
  EXPECT_GE(
      std::count_if(all.begin(), all.end(),
                    [](const Entity& e) { return e.kind == EntityKind::Text && e.alignment != 0; }),
      3);
  EXPECT_EQ(std::count_if(all.begin(), all.end(),
                          [](const Entity& e) { return e.kind == EntityKind::Line; }),
            1);
}

}  // namespace
}  // namespace kelvo::sim
