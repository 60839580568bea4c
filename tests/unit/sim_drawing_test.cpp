#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "base/error.h"
#include "sim/drawing.h"
#include "sim/text_geometry.h"

namespace kelvo::sim {
namespace {

using P = Point;

TEST(SimDrawingTest, IdsAndHandlesAreUniqueLargeAndNeverReused) {
  Drawing d;
  std::int64_t a = d.AddText(u"A", 0, 0);
  std::int64_t b = d.AddLine(0, 0, 1, 1);
  d.Erase(a);
  std::int64_t c = d.Copy(b);
  EXPECT_GE(a, Drawing::kFirstObjectId);
  EXPECT_EQ(b, a + 1);
  EXPECT_EQ(c, b + 1);
  EXPECT_EQ(d.Find(a)->handle, u"2A0");
  EXPECT_EQ(d.Find(c)->handle, u"2A2");
  EXPECT_EQ(d.Find(a - 1), nullptr);
  EXPECT_EQ(d.Find(c + 1), nullptr);
  ASSERT_EQ(d.LiveEntities().size(), 2u);
  EXPECT_EQ(d.LiveEntities()[0].id, b);
}

// Alignment point minus insertion point for "ABCD" (width 10, height 2.5).
TEST(SimDrawingTest, AnchorOffsetFollowsTheAlignmentFamily) {
  struct Case {
    std::int32_t alignment;
    P offset;
  } cases[] = {
      {0, {0, 0, 0}},       {1, {5, 0, 0}},       {2, {10, 0, 0}},       {3, {10, 0, 0}},
      {4, {5, 1.25, 0}},    {5, {10, 0, 0}},      {6, {0, 2.5, 0}},      {7, {5, 2.5, 0}},
      {8, {10, 2.5, 0}},    {9, {0, 1.25, 0}},    {10, {5, 1.25, 0}},    {11, {10, 1.25, 0}},
      {12, {0, -0.625, 0}}, {13, {5, -0.625, 0}}, {14, {10, -0.625, 0}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(AnchorOffset(c.alignment, u"ABCD"), c.offset) << c.alignment;
  EXPECT_FALSE(IsValidAlignment(-1));
  EXPECT_FALSE(IsValidAlignment(15));
}

TEST(SimDrawingTest, LeftTextIsPlacedByItsInsertionPoint) {
  Drawing d;
  std::int64_t id = d.AddText(u"AB", 10, 20);
  EXPECT_EQ(d.Find(id)->insertion, (P{10, 20, 0}));
  EXPECT_EQ(d.Find(id)->alignmentPoint, (P{0, 0, 0}));
  d.SetInsertionPoint(id, {1, 2, 3});
  d.SetText(id, u"longer text");
  EXPECT_EQ(d.Find(id)->insertion, (P{1, 2, 3}));
  EXPECT_THROW(d.SetAlignmentPoint(id, {5, 5, 0}), Error);
  EXPECT_EQ(d.Find(id)->alignmentPoint, (P{0, 0, 0}));
}

TEST(SimDrawingTest, OtherTextsArePlacedByTheirAlignmentPoint) {
  Drawing d;
  std::int64_t id = d.AddText(u"AB", 10, 20, 2);  // right: insertion 5 to the left
  EXPECT_EQ(d.Find(id)->alignmentPoint, (P{10, 20, 0}));
  EXPECT_EQ(d.Find(id)->insertion, (P{5, 20, 0}));
  d.SetInsertionPoint(id, {100, 100, 0});  // accepted, no effect
  EXPECT_EQ(d.Find(id)->insertion, (P{5, 20, 0}));
  d.SetText(id, u"ABCD");  // grows to the left
  EXPECT_EQ(d.Find(id)->insertion, (P{0, 20, 0}));
  d.SetAlignmentPoint(id, {50, 60, 7});
  EXPECT_EQ(d.Find(id)->insertion, (P{40, 60, 7}));
  EXPECT_EQ(d.Find(id)->alignmentPoint, (P{50, 60, 7}));
}

TEST(SimDrawingTest, AlignedAndFitTextsKeepBothPoints) {
  for (std::int32_t alignment : {3, 5}) {
    Drawing d;
    std::int64_t id = d.AddText(u"AB", 10, 20, alignment);  // from (5,20) to (10,20)
    EXPECT_EQ(d.Find(id)->insertion, (P{5, 20, 0}));
    d.SetText(id, u"ABCDEF");  // squeezed in, nothing moves
    EXPECT_EQ(d.Find(id)->insertion, (P{5, 20, 0}));
    EXPECT_EQ(d.Find(id)->alignmentPoint, (P{10, 20, 0}));
    d.SetAlignmentPoint(id, {30, 20, 0});  // only the end moves: stretched
    EXPECT_EQ(d.Find(id)->insertion, (P{5, 20, 0}));
    d.SetInsertionPoint(id, {25, 20, 0});
    EXPECT_EQ(d.Find(id)->insertion, (P{25, 20, 0}));
    EXPECT_EQ(d.Find(id)->alignmentPoint, (P{30, 20, 0}));
    // The two points never meet.
    EXPECT_THROW(d.SetInsertionPoint(id, {30, 20, 0}), Error);
    EXPECT_THROW(d.SetAlignmentPoint(id, {25, 20, 0}), Error);
    EXPECT_EQ(d.Find(id)->insertion, (P{25, 20, 0}));
  }
}

TEST(SimDrawingTest, UndoTakesBackOneStepAMarkMakesOneStepOfMany) {
  Drawing d;
  std::int64_t a = d.AddText(u"A", 0, 0);
  std::int64_t b = d.AddText(u"B", 10, 0);
  std::vector<Entity> start = d.LiveEntities();
  EXPECT_EQ(d.UndoSteps(), 0u);  // arrangements are no steps
  d.SetText(a, u"A2");
  d.SetText(b, u"B2");
  EXPECT_EQ(d.UndoSteps(), 2u);
  d.Undo();
  EXPECT_EQ(d.Find(b)->text, u"B");
  EXPECT_EQ(d.Find(a)->text, u"A2");
  d.Undo();
  EXPECT_EQ(d.LiveEntities(), start);
  d.StartUndoMark();
  d.StartUndoMark();  // marks nest
  d.SetText(a, u"x");
  d.SetInsertionPoint(a, {5, 5, 0});
  std::int64_t copy = d.Copy(b);
  d.EndUndoMark();
  d.SetText(copy, u"y");
  d.Erase(b);
  EXPECT_EQ(d.OpenUndoMarks(), 1);
  d.EndUndoMark();
  EXPECT_EQ(d.OpenUndoMarks(), 0);
  EXPECT_EQ(d.UndoSteps(), 1u);
  d.Undo();
  EXPECT_EQ(d.LiveEntities(), start);
  EXPECT_THROW(d.Undo(), Error);
  EXPECT_THROW(d.EndUndoMark(), Error);
  d.StartUndoMark();
  d.EndUndoMark();  // an empty step is no step
  EXPECT_EQ(d.UndoSteps(), 0u);
}

TEST(SimDrawingTest, LockedLayerIsReadOnly) {
  Drawing d;
  std::int64_t id = d.AddText(u"A", 0, 0, 0, u"Locked");
  std::int64_t other = d.AddText(u"B", 0, 0, 0, u"0");
  d.SetLayerLocked(u"LOCKED", true);
  EXPECT_EQ(d.Live(id, u"TextString").text, u"A");
  EXPECT_THROW(d.SetText(id, u"x"), Error);
  EXPECT_THROW(d.SetInsertionPoint(id, {1, 1, 0}), Error);
  EXPECT_THROW(d.SetAlignment(id, 1), Error);
  EXPECT_THROW(d.Copy(id), Error);
  EXPECT_THROW(d.Erase(id), Error);
  d.SetText(other, u"y");
  d.SetLayerLocked(u"locked", false);
  d.SetText(id, u"x");
  EXPECT_EQ(d.Find(id)->text, u"x");
}

TEST(SimDrawingTest, ChangingAlignmentKeepsTheTextWhereItIs) {
  Drawing d;
  std::int64_t id = d.AddText(u"ABCD", 10, 20);
  d.SetAlignment(id, 1);
  EXPECT_EQ(d.Find(id)->insertion, (P{10, 20, 0}));
  EXPECT_EQ(d.Find(id)->alignmentPoint, (P{15, 20, 0}));
  d.SetAlignment(id, 8);
  EXPECT_EQ(d.Find(id)->insertion, (P{10, 20, 0}));
  EXPECT_EQ(d.Find(id)->alignmentPoint, (P{20, 22.5, 0}));
  d.SetAlignment(id, 0);
  EXPECT_EQ(d.Find(id)->insertion, (P{10, 20, 0}));
  EXPECT_EQ(d.Find(id)->alignmentPoint, (P{0, 0, 0}));
  EXPECT_THROW(d.SetAlignment(id, 15), Error);
  EXPECT_THROW(d.AddText(u"x", 0, 0, -1), Error);
  EXPECT_EQ(d.Find(id)->alignment, 0);
}

TEST(SimDrawingTest, NonFinitePointsAreRefused) {
  Drawing d;
  std::int64_t id = d.AddText(u"A", 0, 0);
  EXPECT_THROW(d.SetInsertionPoint(id, {std::nan(""), 0, 0}), Error);
  EXPECT_THROW(d.AddText(u"A", std::numeric_limits<double>::infinity(), 0), Error);
  EXPECT_EQ(d.Find(id)->insertion, (P{0, 0, 0}));
}

TEST(SimDrawingTest, CopyDuplicatesInPlaceAndErasedEntitiesRefuseEverything) {
  Drawing d;
  std::int64_t id = d.AddText(u"部屋", 3, 4, 4, u"文字");
  std::int64_t copy = d.Copy(id);
  Entity expected = *d.Find(id);
  expected.id = copy;
  expected.handle = d.Find(copy)->handle;
  EXPECT_EQ(*d.Find(copy), expected);
  EXPECT_NE(d.Find(copy)->handle, d.Find(id)->handle);

  d.Erase(id);
  EXPECT_TRUE(d.Find(id)->erased);
  EXPECT_THROW(d.Erase(id), Error);
  EXPECT_THROW(d.Copy(id), Error);
  EXPECT_THROW(d.SetText(id, u"x"), Error);
  EXPECT_THROW(d.Update(id), Error);
  try {
    d.Live(id, u"TextString");
    FAIL();
  } catch (const Error& e) {
    EXPECT_EQ(e.text(), u"TextString: the object was erased");
  }
  EXPECT_THROW(d.Live(12345, u"ObjectIdToObject"), Error);
  d.Update(copy);
  EXPECT_EQ(d.UpdateCount(), 1);
}

TEST(SimDrawingTest, SelectionSetsAreNamedUniquelyWithoutRegardToCase) {
  Drawing d;
  std::int64_t a = d.AddSelectionSet(u"ssTemp");
  std::int64_t b = d.AddSelectionSet(u"other");
  EXPECT_THROW(d.AddSelectionSet(u"SSTEMP"), Error);
  EXPECT_THROW(d.AddSelectionSet(u""), Error);
  EXPECT_EQ(d.SelectionSetAt(0), a);
  EXPECT_EQ(d.SelectionSetAt(1), b);
  EXPECT_THROW(d.SelectionSetAt(2), Error);
  EXPECT_THROW(d.SelectionSetAt(-1), Error);

  d.DeleteSelectionSet(a);
  EXPECT_EQ(d.SelectionSetNames(), std::vector<std::u16string>{u"other"});
  EXPECT_EQ(d.FindSelectionSet(a), nullptr);
  EXPECT_THROW(d.ClearSelectionSet(a), Error);
  EXPECT_THROW(d.DeleteSelectionSet(a), Error);
  EXPECT_NE(d.AddSelectionSet(u"ssTemp"), a);  // a new set, not the deleted one back
}

class SimPickTest : public ::testing::Test {
 protected:
  Drawing d;
  std::int64_t t1 = d.AddText(u"one", 0, 0);
  std::int64_t line = d.AddLine(0, 0, 5, 5);
  std::int64_t t2 = d.AddText(u"two", 0, 10);
  std::int64_t set = d.AddSelectionSet(u"ssTemp");
  SelectionFilter texts{{u"TEXT"}};

  std::vector<std::int64_t> Picked() const { return d.FindSelectionSet(set)->ids; }
};

TEST_F(SimPickTest, QueuedPicksKeepOrderAndDropErasedFilteredAndRepeatedOnes) {
  std::int64_t erased = d.AddText(u"gone", 0, 20);
  d.Erase(erased);
  d.QueuePicks({t2, line, erased, 999, t1, t2});
  d.SelectOnScreen(set, texts);
  EXPECT_EQ(Picked(), (std::vector<std::int64_t>{t2, t1}));
  // Nothing queued and no picker: nothing more is picked.
  d.SelectOnScreen(set, texts);
  EXPECT_EQ(Picked().size(), 2u);
}

TEST_F(SimPickTest, FilterMatchesDxfTypesAndCanBeBypassed) {
  d.QueuePicks({line, t1});
  d.SelectOnScreen(set, SelectionFilter({u"line"}));
  EXPECT_EQ(Picked(), std::vector<std::int64_t>{line});

  d.ClearSelectionSet(set);
  d.QueuePicks({line, t1});
  d.SelectOnScreen(set, SelectionFilter());
  EXPECT_EQ(Picked(), (std::vector<std::int64_t>{line, t1}));

  d.ClearSelectionSet(set);
  d.SetPicksIgnoreFilter(true);
  d.QueuePicks({line, t1});
  d.SelectOnScreen(set, texts);
  EXPECT_EQ(Picked(), (std::vector<std::int64_t>{line, t1}));
}

TEST_F(SimPickTest, CancelRaisesAndLeavesTheSetAsItWas) {
  d.QueuePicks({t1});
  d.QueueCancel();
  d.QueuePicks({t2});
  d.SelectOnScreen(set, texts);
  EXPECT_THROW(d.SelectOnScreen(set, texts), Error);
  EXPECT_EQ(Picked(), std::vector<std::int64_t>{t1});
  d.SelectOnScreen(set, texts);
  EXPECT_EQ(Picked(), (std::vector<std::int64_t>{t1, t2}));
}

TEST_F(SimPickTest, PickerAnswersWhenNothingIsQueued) {
  int asked = 0;
  d.SetPicker([&](const SelectionFilter& filter) {
    ++asked;
    EXPECT_EQ(filter.DxfTypes(), std::vector<std::u16string>{u"TEXT"});
    return PickOutcome{false, {line, t1}};
  });
  d.QueuePicks({t2});
  d.SelectOnScreen(set, texts);
  EXPECT_EQ(asked, 0);
  d.SelectOnScreen(set, texts);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(Picked(), (std::vector<std::int64_t>{t2, t1}));
}

TEST_F(SimPickTest, SetDeletedWhileThePersonPicksRaisesInsteadOfDangling) {
  d.SetPicker([&](const SelectionFilter&) {
    d.DeleteSelectionSet(set);
    return PickOutcome{false, {t1}};
  });
  EXPECT_THROW(d.SelectOnScreen(set, texts), Error);
  EXPECT_EQ(d.SelectionSetCount(), 0u);
}

TEST_F(SimPickTest, ChangeCountGrowsWithEveryChangeAndOnlyThen) {
  std::int64_t right = d.AddText(u"R", 0, 30, 2);
  struct Case {
    const char* what;
    std::function<void()> act;
    bool changes;
  } cases[] = {
      {"add text", [&] { d.AddText(u"x", 1, 1); }, true},
      {"add line", [&] { d.AddLine(0, 0, 1, 1); }, true},
      {"copy", [&] { d.Copy(t1); }, true},
      {"set text", [&] { d.SetText(t1, u"uno"); }, true},
      {"set alignment", [&] { d.SetAlignment(t1, 1); }, true},
      {"set insertion point",
       [&] {
         d.SetInsertionPoint(t2, {1, 2, 0});
       },
       true},
      {"set alignment point",
       [&] {
         d.SetAlignmentPoint(right, {3, 4, 0});
       },
       true},
      {"erase", [&] { d.Erase(d.AddText(u"gone", 0, 0)); }, true},
      {"add set", [&] { d.AddSelectionSet(u"other"); }, true},
      {"pick",
       [&] {
         d.QueuePicks({t2});
         d.SelectOnScreen(set, texts);
       },
       true},
      {"clear set", [&] { d.ClearSelectionSet(set); }, true},
      {"delete set", [&] { d.DeleteSelectionSet(d.AddSelectionSet(u"tmp")); }, true},
      {"reads",
       [&] {
         d.LiveEntities();
         d.Find(t1);
         d.SelectionSetNames();
       },
       false},
      {"update and regen",
       [&] {
         d.Update(t1);
         d.Regen();
       },
       false},
      {"call log and escape",
       [&] {
         d.BeginCall(ObjectKind::Text, u"Handle", CallKind::Put);
         d.RecordEscape();
       },
       false},
      {"refused set text", [&] { EXPECT_THROW(d.SetText(line, u"no"), Error); }, false},
      {"refused alignment point", [&] { EXPECT_THROW(d.SetAlignmentPoint(t2, {}), Error); }, false},
      {"cancelled pick",
       [&] {
         d.QueueCancel();
         EXPECT_THROW(d.SelectOnScreen(set, texts), Error);
       },
       false},
  };
  for (const auto& c : cases) {
    const std::uint64_t before = d.ChangeCount();
    c.act();
    EXPECT_EQ(d.ChangeCount() > before, c.changes) << c.what;
  }
}

TEST(SimFilterTest, UnderstoodFiltersAndRefusedOnes) {
  auto make = [](Variant types, Variant data) {
    return SelectionFilter::FromVariants(types, data);
  };
  VariantArray text{Variant(u"TEXT")};
  EXPECT_EQ(make(Int16Array{0}, text).DxfTypes(), std::vector<std::u16string>{u"TEXT"});
  EXPECT_EQ(
      make(VariantArray{Variant(std::int16_t{0})}, VariantArray{Variant(u"text,Line")}).DxfTypes(),
      (std::vector<std::u16string>{u"TEXT", u"LINE"}));
  EXPECT_TRUE(make(Variant(), Variant()).IsAny());

  struct Refused {
    Variant types, data;
  } refused[] = {
      {Int16Array{8}, text},  // layer filter
      {Int16Array{0, 0}, VariantArray{Variant(u"TEXT"), Variant(u"LINE")}},
      {Int16Array{0}, VariantArray{Variant(u"*TEXT")}},  // wildcard
      {Int16Array{0}, VariantArray{Variant(u"TEXT,")}},
      {Int16Array{0}, VariantArray{Variant(std::int32_t{1})}},
      {Int16Array{0}, Variant(u"TEXT")},
      {Int16Array{0}, Variant()},
      {Variant(), text},
  };
  for (const auto& r : refused) EXPECT_THROW(make(r.types, r.data), Error);
}

TEST(SimFailureTest, NthCallCountsFromNowAndAllFailsUntilCleared) {
  Drawing d;
  d.BeginCall(ObjectKind::Text, u"TextString", CallKind::MethodOrGet);
  d.FailCall(u"textstring", 2);
  d.BeginCall(ObjectKind::Text, u"TextString", CallKind::MethodOrGet);
  d.BeginCall(ObjectKind::Text, u"Handle", CallKind::MethodOrGet);
  try {
    d.BeginCall(ObjectKind::Text, u"TextString", CallKind::Put);
    FAIL();
  } catch (const Error& e) {
    EXPECT_EQ(e.text(), u"TextString: simulated failure");
  }
  d.BeginCall(ObjectKind::Text, u"TextString", CallKind::MethodOrGet);  // once only
  EXPECT_THROW(d.FailCall(u"Copy", 0), Error);

  d.FailAll(u"Count");
  EXPECT_THROW(d.BeginCall(ObjectKind::SelectionSets, u"Count", CallKind::MethodOrGet), Error);
  EXPECT_THROW(d.BeginCall(ObjectKind::SelectionSet, u"Count", CallKind::MethodOrGet), Error);
  d.ClearFailures();
  d.BeginCall(ObjectKind::SelectionSet, u"Count", CallKind::MethodOrGet);
  // Failed calls are still calls the program made.
  EXPECT_EQ(d.Calls().Count(ObjectKind::Text, u"TextString"), 4u);
  EXPECT_EQ(d.Calls().Count(ObjectKind::Text, u"TextString", CallKind::Put), 1u);
}

}  // namespace
}  // namespace kelvo::sim
