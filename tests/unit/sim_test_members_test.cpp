#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "base/error.h"
#include "sim/drawing.h"
#include "sim/drawing_text.h"
#include "sim/sim_objects.h"

namespace kelvo::sim {
namespace {

class SimTestMembersTest : public ::testing::Test {
 protected:
  std::shared_ptr<Drawing> d = std::make_shared<Drawing>();
  ObjectRef app = MakeApplication(d);

  Variant Sim(std::u16string_view member, std::vector<Variant> values = {}) {
    std::vector<Arg> args;
    for (auto& v : values) args.push_back({std::move(v), false});
    return app->Invoke(member, values.empty() ? CallKind::MethodOrGet : CallKind::Method, args);
  }
};

TEST_F(SimTestMembersTest, DrawingDumpHasOneTabSeparatedLinePerLiveEntity) {
  std::int64_t a = Sim(u"SimAddText", {u"A\tB\\C\r\nD", 1.5, -2.0}).ToInt64();
  std::int64_t b =
      Sim(u"simaddtext", {u"右", std::int32_t{10}, 0.1, std::int32_t{2}, u"L\t1"}).ToInt64();
  std::int64_t gone = Sim(u"SimAddText", {u"x", 0.0, 0.0}).ToInt64();
  std::int64_t l = Sim(u"SimAddLine", {0.0, 0.0, 3.0, 4.0}).ToInt64();
  Sim(u"SimEraseEntity", {gone});
  EXPECT_EQ(Sim(u"SimDrawing"),
            Variant(u"134176768\t2A0\tAcDbText\tA\\tB\\\\C\\r\\nD\t0\t1.5\t-2\t0\t0\t0\t0\t0\n"
                    u"134176769\t2A1\tAcDbText\t右\t2\t7.5\t0.1\t0\t10\t0.1\t0\tL\\t1\n"
                    u"134176771\t2A3\tAcDbLine\t\t0\t0\t0\t0\t3\t4\t0\t0\n"));
  EXPECT_EQ(a, Drawing::kFirstObjectId);
  EXPECT_EQ(b, a + 1);
  EXPECT_EQ(l, a + 3);
  EXPECT_EQ(ParseDrawingText(Sim(u"SimDrawing").ToString()), d->LiveEntities());
}

TEST_F(SimTestMembersTest, CoordinatesRoundTripExactly) {
  for (double v : {0.1, 1.0 / 3.0, -123456.789e-9, 1e300, 5e-324}) {
    Sim(u"SimAddText", {u"t", v, -v, std::int32_t{13}});
  }
  std::vector<Entity> parsed = ParseDrawingText(Sim(u"SimDrawing").ToString());
  EXPECT_EQ(parsed, d->LiveEntities());
  EXPECT_EQ(FormatCoordinate(0.1), u"0.1");
  EXPECT_THROW(ParseDrawingText(u"1\t2A0\tAcDbText\n"), Error);
  EXPECT_THROW(ParseDrawingText(u"1\t2A0\tAcDbCircle\t\t0\t0\t0\t0\t0\t0\t0\t0\n"), Error);
}

TEST_F(SimTestMembersTest, QueuedPicksAndCancelReachSelectOnScreen) {
  std::int64_t t = Sim(u"SimAddText", {u"t", 0.0, 0.0}).ToInt64();
  std::int64_t l = Sim(u"SimAddLine", {0.0, 0.0, 1.0, 1.0, u"壁"}).ToInt64();
  d->AddSelectionSet(u"ssTemp");
  std::int64_t key = d->SelectionSetAt(0);
  SelectionFilter texts({u"TEXT"});
  Sim(u"SimQueuePicks", {VariantArray{Variant(l), Variant(static_cast<std::int32_t>(t))}});
  Sim(u"SimQueueCancel");
  d->SelectOnScreen(key, texts);
  EXPECT_EQ(d->FindSelectionSet(key)->ids, std::vector<std::int64_t>{t});
  EXPECT_THROW(d->SelectOnScreen(key, texts), Error);
  Sim(u"SimIgnoreFilter", {true});
  Sim(u"SimQueuePicks", {VariantArray{Variant(l)}});
  d->SelectOnScreen(key, texts);
  EXPECT_EQ(d->FindSelectionSet(key)->ids, (std::vector<std::int64_t>{t, l}));
  EXPECT_THROW(Sim(u"SimQueuePicks", {VariantArray{Variant(u"x")}}), Error);
  EXPECT_THROW(Sim(u"SimQueuePicks", {l}), Error);
}

TEST_F(SimTestMembersTest, CallLogSelectionSetsAndCountersReadBack) {
  ObjectRef doc = app->Invoke(u"ActiveDocument", CallKind::MethodOrGet, {}).ToObject();
  ObjectRef sets = doc->Invoke(u"SelectionSets", CallKind::MethodOrGet, {}).ToObject();
  for (const char16_t* name : {u"ssTemp", u"mine"}) {
    Arg arg{Variant(name), true};
    sets->Invoke(u"Add", CallKind::Method, std::span<Arg>(&arg, 1));
  }
  std::int64_t t = Sim(u"SimAddText", {u"t", 0.0, 0.0}).ToInt64();
  Arg id{Variant(t), true};
  ObjectRef e =
      doc->Invoke(u"ObjectIdToObject", CallKind::Method, std::span<Arg>(&id, 1)).ToObject();
  Arg value{Variant(u"u"), false};
  e->Invoke(u"TextString", CallKind::Put, std::span<Arg>(&value, 1));
  e->Invoke(u"Update", CallKind::Method, {});
  Arg zero{Variant(std::int32_t{0}), false};
  doc->Invoke(u"Regen", CallKind::Method, std::span<Arg>(&zero, 1));
  d->RecordEscape();
  d->RecordEscape();

  EXPECT_EQ(Sim(u"SimSelectionSets"), Variant(u"ssTemp\nmine"));
  EXPECT_EQ(Sim(u"SimCallLog"),
            Variant(u"Application.ActiveDocument\nDocument.SelectionSets\nSelectionSets.Add\n"
                    u"SelectionSets.Add\nDocument.ObjectIdToObject\nText.TextString put\n"
                    u"Text.Update\nDocument.Regen\n"));
  EXPECT_EQ(Sim(u"SimEscapeCount"), Variant(std::int32_t{2}));
  EXPECT_EQ(Sim(u"SimRegenCount"), Variant(std::int32_t{1}));
  EXPECT_EQ(Sim(u"SimUpdateCount"), Variant(std::int32_t{1}));
  Sim(u"SimClearCallLog");
  EXPECT_EQ(Sim(u"SimCallLog"), Variant(u""));
  Sim(u"SimSetWindowHandle", {std::int64_t{0x1234}});
  EXPECT_EQ(app->Invoke(u"HWND", CallKind::MethodOrGet, {}), Variant(std::int64_t{0x1234}));
  EXPECT_EQ(Sim(u"SimCallLog"), Variant(u"Application.HWND\n"));
}

TEST_F(SimTestMembersTest, FailuresArrangedThroughTheApplication) {
  ObjectRef doc = app->Invoke(u"ActiveDocument", CallKind::MethodOrGet, {}).ToObject();
  Sim(u"SimFailCall", {u"SelectionSets", std::int32_t{1}});
  Sim(u"SimFailAll", {u"Regen"});
  EXPECT_THROW(doc->Invoke(u"SelectionSets", CallKind::MethodOrGet, {}), Error);
  doc->Invoke(u"SelectionSets", CallKind::MethodOrGet, {});
  Arg zero{Variant(std::int32_t{0}), false};
  EXPECT_THROW(doc->Invoke(u"Regen", CallKind::Method, std::span<Arg>(&zero, 1)), Error);
  Sim(u"SimClearFailures");
  doc->Invoke(u"Regen", CallKind::Method, std::span<Arg>(&zero, 1));
  EXPECT_EQ(d->RegenCount(), 1);
  // Test members are never failed by arrangement, nor logged.
  Sim(u"SimFailAll", {u"SimDrawing"});
  Sim(u"SimDrawing");
  EXPECT_EQ(d->Calls().Records().size(), 5u);
  EXPECT_THROW(Sim(u"SimFailCall", {u"Copy", std::int32_t{0}}), Error);
  EXPECT_THROW(Sim(u"SimAddText", {u"t", 0.0}), Error);
  EXPECT_THROW(Sim(u"SimAddText", {u"t", 0.0, 0.0, std::int32_t{15}}), Error);
  EXPECT_THROW(Sim(u"SimEraseEntity", {std::int64_t{1}}), Error);
}

}  // namespace
}  // namespace kelvo::sim
