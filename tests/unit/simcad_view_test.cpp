#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

#include "sim/drawing.h"
#include "sim/simcad_view.h"

namespace kelvo::sim {
namespace {

using Xy = std::array<double, 2>;

// A line across (0,0)-(100,100) fitted to a 100-pixel square without margin:
// one pixel per unit, window y = 100 - drawing y.
ViewTransform UnitView(Drawing& d) {
  d.AddLine(0, 0, 100, 100);
  return ViewTransform::Fit(d.LiveEntities(), PixelBox{0, 0, 100, 100}, 0);
}

TextExtent FixedExtent(std::u16string_view) {
  return {40, 10, 3};
}

TEST(SimCadViewTest, FitCentresTheExtentsUniformlyWithYUp) {
  Drawing d;
  d.AddLine(0, 0, 100, 50);
  ViewTransform view = ViewTransform::Fit(d.LiveEntities(), PixelBox{0, 30, 220, 150}, 10);
  EXPECT_DOUBLE_EQ(view.Scale(), 2);  // height-bound: 100 px for 50 units
  EXPECT_EQ(view.ToWindow(0, 0), (Xy{10, 140}));
  EXPECT_EQ(view.ToWindow(100, 50), (Xy{210, 40}));

  // A text counts with its nominal extent: 4 code units are 10 wide, 2.5 high.
  Drawing t;
  t.AddText(u"ABCD", 0, 0);
  ViewTransform textView = ViewTransform::Fit(t.LiveEntities(), PixelBox{0, 0, 400, 400}, 0);
  EXPECT_DOUBLE_EQ(textView.Scale(), 20);  // a small drawing shows at least 20 units
  EXPECT_EQ(textView.ToWindow(5, 1.25), (Xy{200, 200}));
}

TEST(SimCadViewTest, DegenerateDrawingsStillGiveAFiniteView) {
  struct Case {
    const char* what;
    std::vector<Entity> entities;
  };
  Drawing far;
  far.AddLine(-1e308, -1e308, 1e308, 1e308);
  Case cases[] = {{"empty", {}}, {"far apart", far.LiveEntities()}};
  for (const auto& c : cases) {
    for (PixelBox area : {PixelBox{0, 0, 300, 200}, PixelBox{0, 0, 0, 0}}) {
      ViewTransform view = ViewTransform::Fit(c.entities, area, 40);
      EXPECT_TRUE(std::isfinite(view.Scale()) && view.Scale() > 0) << c.what;
      Xy origin = view.ToWindow(0, 0);
      EXPECT_TRUE(std::isfinite(origin[0]) && std::isfinite(origin[1])) << c.what;
      EXPECT_GE(view.TextPixels(), 13) << c.what;
      EXPECT_LE(view.TextPixels(), 40) << c.what;
    }
  }
}

TEST(SimCadViewTest, TextSitsAgainstItsAnchorAsItsAlignmentSays) {
  struct Case {
    std::int32_t alignment;
    Xy origin;  // where the 40-pixel string starts on its baseline
  } cases[] = {
      {0, {50, 50}},  {1, {30, 50}},  {2, {10, 50}},  {3, {10, 50}},  {4, {30, 55}},
      {5, {10, 50}},  {6, {50, 60}},  {7, {30, 60}},  {8, {10, 60}},  {9, {50, 55}},
      {10, {30, 55}}, {11, {10, 55}}, {12, {50, 47}}, {13, {30, 47}}, {14, {10, 47}},
  };
  for (const auto& c : cases) {
    Drawing d;
    ViewTransform view = UnitView(d);
    std::int64_t id = d.AddText(u"AB", 50, 50, c.alignment);
    std::vector<ViewItem> items = LayOutView(d.LiveEntities(), view, FixedExtent);
    ASSERT_EQ(items.size(), 2u);
    const ViewItem& text = items[1];
    EXPECT_EQ(text.id, id);
    EXPECT_EQ(text.text, u"AB");
    EXPECT_EQ(text.anchor, (Xy{50, 50})) << c.alignment;
    EXPECT_EQ(text.origin, c.origin) << c.alignment;
    EXPECT_EQ(text.box.left, c.origin[0]);
    EXPECT_EQ(text.box.right, c.origin[0] + 40);
    EXPECT_EQ(text.box.top, c.origin[1] - 10);
    EXPECT_EQ(text.box.bottom, c.origin[1] + 3);
  }
}

TEST(SimCadViewTest, LinesGoFromStartToEnd) {
  Drawing d;
  ViewTransform view = UnitView(d);
  std::vector<ViewItem> items = LayOutView(d.LiveEntities(), view, FixedExtent);
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].kind, EntityKind::Line);
  EXPECT_EQ(items[0].anchor, (Xy{0, 100}));
  EXPECT_EQ(items[0].end, (Xy{100, 0}));
}

TEST(SimCadViewTest, ClickTakesTheNearestEntityTheFilterLetsThrough) {
  Drawing d;
  ViewTransform view = UnitView(d);  // the line runs from (0,100) to (100,0) in the window
  std::int64_t line = d.LiveEntities()[0].id;
  std::int64_t low = d.AddText(u"low", 10, 20);      // box 10..50 x 70..83
  std::int64_t under = d.AddText(u"under", 60, 70);  // box 60..100 x 20..33
  std::int64_t over = d.AddText(u"over", 60, 70);    // the same place, drawn later
  std::vector<ViewItem> items = LayOutView(d.LiveEntities(), view, FixedExtent);
  const SelectionFilter texts({u"TEXT"});
  const SelectionFilter any;

  struct Case {
    const char* what;
    Xy at;
    const SelectionFilter& filter;
    std::optional<std::int64_t> hit;
  } cases[] = {
      {"inside a box", {30, 75}, texts, low},
      {"just outside, within the slop", {54, 75}, texts, low},
      {"beyond the slop", {57, 75}, texts, std::nullopt},
      {"below the box, within the slop", {30, 88}, texts, low},
      {"overlapping: the one on top", {80, 25}, texts, over},
      {"on the line, texts only", {50, 50}, texts, std::nullopt},
      {"on the line, any kind", {50, 50}, any, line},
      {"nearer text wins over the line", {70, 28}, any, over},
      {"nowhere", {5, 5}, any, std::nullopt},
  };
  (void)under;
  for (const auto& c : cases) {
    EXPECT_EQ(HitTest(items, c.at[0], c.at[1], c.filter, 6), c.hit) << c.what;
  }
}

}  // namespace
}  // namespace kelvo::sim
