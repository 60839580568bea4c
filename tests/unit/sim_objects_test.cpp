#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "base/error.h"
#include "sim/drawing.h"
#include "sim/sim_objects.h"

namespace kelvo::sim {
namespace {

Variant Invoke(const ObjectRef& obj, std::u16string_view member, CallKind kind,
               std::vector<Variant> values = {}, bool byRef = false) {
  std::vector<Arg> args;
  for (auto& v : values) args.push_back({std::move(v), byRef});
  return obj->Invoke(member, kind, args);
}
Variant GetOf(const ObjectRef& obj, std::u16string_view member) {
  return Invoke(obj, member, CallKind::MethodOrGet);
}
Variant CallOf(const ObjectRef& obj, std::u16string_view member, std::vector<Variant> values) {
  return Invoke(obj, member, CallKind::Method, std::move(values), true);
}
void PutOf(const ObjectRef& obj, std::u16string_view member, Variant value) {
  Invoke(obj, member, CallKind::Put, {std::move(value)}, true);
}
// The error's description, or "" when the call succeeded.
std::u16string ErrorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const Error& e) {
    return e.text();
  }
  return u"";
}

class SimObjectsTest : public ::testing::Test {
 protected:
  std::shared_ptr<Drawing> d = std::make_shared<Drawing>();
  ObjectRef app = MakeApplication(d);
  ObjectRef doc = GetOf(app, u"ActiveDocument").ToObject();
  std::int64_t left = d->AddText(u"会議室", 10, 20, 0, u"文字");
  std::int64_t centre = d->AddText(u"AB", 50, 20, 1);
  std::int64_t line = d->AddLine(0, 0, 1, 1);

  ObjectRef EntityRef(std::int64_t id) { return CallOf(doc, u"ObjectIdToObject", {id}).ToObject(); }
};

TEST_F(SimObjectsTest, FetchShapedConversationIsAnsweredAndLogged) {
  ObjectRef sets = GetOf(doc, u"SelectionSets").ToObject();
  EXPECT_EQ(GetOf(sets, u"Count"), Variant(std::int32_t{0}));
  ObjectRef set = CallOf(sets, u"Add", {u"ssTemp"}).ToObject();
  EXPECT_EQ(GetOf(CallOf(sets, u"Item", {std::int32_t{0}}).ToObject(), u"Name"),
            Variant(u"ssTemp"));
  GetOf(set, u"Clear");
  d->QueuePicks({centre, line, left});
  CallOf(set, u"SelectOnScreen", {Int16Array{0}, VariantArray{Variant(u"TEXT")}});
  ASSERT_EQ(GetOf(set, u"Count"), Variant(std::int32_t{2}));
  ObjectRef e = CallOf(set, u"Item", {std::int32_t{1}}).ToObject();
  EXPECT_EQ(GetOf(e, u"EntityName"), Variant(u"AcDbText"));
  EXPECT_EQ(GetOf(e, u"TextString"), Variant(u"会議室"));
  EXPECT_EQ(GetOf(e, u"Handle"), Variant(d->Find(left)->handle));
  EXPECT_EQ(GetOf(e, u"ObjectId"), Variant(left));
  EXPECT_EQ(GetOf(e, u"Alignment"), Variant(std::int32_t{0}));
  EXPECT_EQ(GetOf(e, u"InsertionPoint"), MakePoint(10, 20, 0));
  EXPECT_EQ(GetOf(e, u"Layer"), Variant(u"文字"));
  GetOf(set, u"Delete");

  EXPECT_EQ(d->Calls().Text(),
            u"Application.ActiveDocument\n"
            u"Document.SelectionSets\n"
            u"SelectionSets.Count\n"
            u"SelectionSets.Add\n"
            u"SelectionSets.Item\n"
            u"SelectionSet.Name\n"
            u"SelectionSet.Clear\n"
            u"SelectionSet.SelectOnScreen\n"
            u"SelectionSet.Count\n"
            u"SelectionSet.Item\n"
            u"Text.EntityName\n"
            u"Text.TextString\n"
            u"Text.Handle\n"
            u"Text.ObjectId\n"
            u"Text.Alignment\n"
            u"Text.InsertionPoint\n"
            u"Text.Layer\n"
            u"SelectionSet.Delete\n");
  EXPECT_EQ(d->SelectionSetCount(), 0u);
}

TEST_F(SimObjectsTest, NamesMatchWithoutRegardToCaseAndAreLoggedInTheirOwnSpelling) {
  ObjectRef e = EntityRef(centre);
  ObjectRef copy = GetOf(e, u"copy").ToObject();
  PutOf(copy, u"TEXTSTRING", u"new");
  EXPECT_EQ(GetOf(copy, u"textString"), Variant(u"new"));
  EXPECT_EQ(GetOf(app, u"hwnd"), Variant(Drawing::kDefaultWindowHandle));
  EXPECT_EQ(d->Calls().Count(ObjectKind::Text, u"Copy"), 1u);
  EXPECT_EQ(d->Calls().Count(ObjectKind::Text, u"TextString", CallKind::Put), 1u);
  EXPECT_EQ(d->Calls().Records().back(),
            (CallRecord{ObjectKind::Application, u"HWND", CallKind::MethodOrGet}));
}

TEST_F(SimObjectsTest, WrongCallsRaiseNamingTheMember) {
  ObjectRef text = EntityRef(left);
  ObjectRef lineObj = EntityRef(line);
  ObjectRef sets = GetOf(doc, u"SelectionSets").ToObject();
  struct Case {
    ObjectRef obj;
    std::u16string member;
    CallKind kind;
    std::vector<Variant> args;
    std::u16string error;
  } cases[] = {
      {text, u"Frobnicate", CallKind::MethodOrGet, {}, u"Frobnicate: unknown member"},
      {lineObj, u"TextString", CallKind::MethodOrGet, {}, u"TextString: unknown member"},
      {text, u"TextString", CallKind::Method, {}, u"TextString: is a property, not a method"},
      {text, u"Handle", CallKind::Put, {u"1F"}, u"Handle: cannot be written"},
      {text,
       u"TextString",
       CallKind::Put,
       {std::int32_t{5}},
       u"TextString: a string argument is expected"},
      {text, u"Copy", CallKind::Method, {std::int32_t{1}}, u"Copy: takes 0 argument(s), not 1"},
      {sets, u"Item", CallKind::Method, {}, u"Item: takes 1 argument(s), not 0"},
      {sets, u"Item", CallKind::Method, {std::int32_t{0}}, u"Item: index 0 is out of range"},
      {sets, u"Item", CallKind::Method, {u"ssTemp"}, u"Item: an integer argument is expected"},
      {doc, u"Regen", CallKind::Method, {std::int32_t{2}}, u"Regen: the argument must be 0 or 1"},
      {doc,
       u"ObjectIdToObject",
       CallKind::Method,
       {std::int64_t{42}},
       u"ObjectIdToObject: no object has the id 42"},
      {app, u"SimNoSuchThing", CallKind::Method, {}, u"SimNoSuchThing: unknown member"},
  };
  for (auto& c : cases) {
    EXPECT_EQ(ErrorOf([&] { Invoke(c.obj, c.member, c.kind, c.args); }), c.error);
  }
  EXPECT_EQ(GetOf(text, u"TextString"), Variant(u"会議室"));
}

TEST_F(SimObjectsTest, PointsFollowTheAlignmentRules) {
  ObjectRef l = EntityRef(left);
  ObjectRef c = EntityRef(centre);
  EXPECT_EQ(GetOf(l, u"TextAlignmentPoint"), MakePoint(0, 0, 0));
  EXPECT_NE(ErrorOf([&] { PutOf(l, u"TextAlignmentPoint", MakePoint(1, 2, 0)); }), u"");
  PutOf(l, u"InsertionPoint", MakePoint(1, 2, 3));
  EXPECT_EQ(GetOf(l, u"InsertionPoint"), MakePoint(1, 2, 3));

  EXPECT_EQ(GetOf(c, u"TextAlignmentPoint"), MakePoint(50, 20, 0));
  EXPECT_EQ(GetOf(c, u"InsertionPoint"), MakePoint(47.5, 20, 0));
  PutOf(c, u"InsertionPoint", MakePoint(0, 0, 0));  // no visible effect
  PutOf(c, u"TextAlignmentPoint", MakePoint(60, 30, 0));
  EXPECT_EQ(GetOf(c, u"InsertionPoint"), MakePoint(57.5, 30, 0));

  // A slot without a stored point hands over an empty value.
  for (Variant bad : {Variant(), Variant(DoubleArray{1, 2}), Variant(DoubleArray{1, 2, 3, 4}),
                      Variant(u"1,2,0")}) {
    EXPECT_EQ(ErrorOf([&] { PutOf(c, u"TextAlignmentPoint", bad); }),
              u"TextAlignmentPoint: a point (an array of three doubles) is expected");
    EXPECT_NE(ErrorOf([&] { PutOf(l, u"InsertionPoint", bad); }), u"");
  }
  EXPECT_EQ(GetOf(c, u"TextAlignmentPoint"), MakePoint(60, 30, 0));

  PutOf(c, u"Alignment", std::int16_t{0});  // stays where it is seen
  EXPECT_EQ(GetOf(c, u"InsertionPoint"), MakePoint(57.5, 30, 0));
  EXPECT_EQ(GetOf(c, u"Alignment"), Variant(std::int32_t{0}));
  EXPECT_NE(ErrorOf([&] { PutOf(c, u"Alignment", std::int64_t{1} << 32); }), u"");
  EXPECT_EQ(GetOf(c, u"Alignment"), Variant(std::int32_t{0}));
}

TEST_F(SimObjectsTest, CopyDeleteAndErasedEntities) {
  ObjectRef e = CallOf(doc, u"ObjectIdToObject", {static_cast<std::int32_t>(centre)}).ToObject();
  ObjectRef copy = GetOf(e, u"Copy").ToObject();
  std::int64_t copyId = GetOf(copy, u"ObjectId").ToInt64();
  EXPECT_NE(copyId, centre);
  EXPECT_EQ(GetOf(copy, u"TextAlignmentPoint"), MakePoint(50, 20, 0));
  EXPECT_NE(GetOf(copy, u"Handle"), GetOf(e, u"Handle"));

  GetOf(e, u"Update");
  GetOf(e, u"Delete");
  for (const char16_t* member : {u"TextString", u"ObjectId", u"Copy", u"Delete", u"Update"}) {
    EXPECT_EQ(ErrorOf([&] { GetOf(e, member); }),
              std::u16string(member) + u": the object was erased");
  }
  EXPECT_EQ(ErrorOf([&] { EntityRef(centre); }), u"ObjectIdToObject: the object was erased");
  EXPECT_EQ(GetOf(EntityRef(copyId), u"TextString"), Variant(u"AB"));

  ObjectRef lineObj = EntityRef(line);
  EXPECT_EQ(GetOf(lineObj, u"EntityName"), Variant(u"AcDbLine"));
  GetOf(GetOf(lineObj, u"Copy").ToObject(), u"Update");
  CallOf(doc, u"Regen", {std::int32_t{0}});
  EXPECT_EQ(d->UpdateCount(), 2);
  EXPECT_EQ(d->RegenCount(), 1);
  EXPECT_EQ(d->Calls().Count(ObjectKind::Line, u"Copy"), 1u);
}

TEST_F(SimObjectsTest, SelectionSetObjectOutlivingItsDeleteRaises) {
  ObjectRef sets = GetOf(doc, u"SelectionSets").ToObject();
  ObjectRef set = CallOf(sets, u"Add", {u"ssTemp"}).ToObject();
  EXPECT_EQ(ErrorOf([&] { CallOf(sets, u"Add", {u"SSTEMP"}); }),
            u"Add: a selection set named \"SSTEMP\" already exists");
  GetOf(set, u"Delete");
  EXPECT_EQ(ErrorOf([&] { GetOf(set, u"Count"); }), u"Count: the selection set was deleted");
  EXPECT_EQ(ErrorOf([&] { GetOf(set, u"Delete"); }), u"Delete: the selection set was deleted");
  EXPECT_EQ(GetOf(sets, u"Count"), Variant(std::int32_t{0}));
}

TEST_F(SimObjectsTest, SelectOnScreenFilterArgumentsAndCancel) {
  ObjectRef set = CallOf(GetOf(doc, u"SelectionSets").ToObject(), u"Add", {u"s"}).ToObject();
  d->QueuePicks({line, left});
  GetOf(set, u"SelectOnScreen");  // no filter: every type
  EXPECT_EQ(GetOf(set, u"Count"), Variant(std::int32_t{2}));

  d->QueuePicks({centre});
  EXPECT_NE(ErrorOf([&] {
              CallOf(set, u"SelectOnScreen", {Int16Array{8}, VariantArray{Variant(u"0")}});
            }),
            u"");
  EXPECT_NE(ErrorOf([&] { CallOf(set, u"SelectOnScreen", {Int16Array{0}}); }), u"");
  d->QueueCancel();  // behind the still queued picks
  CallOf(set, u"SelectOnScreen", {Int16Array{0}, VariantArray{Variant(u"TEXT")}});
  EXPECT_EQ(ErrorOf([&] {
              CallOf(set, u"SelectOnScreen", {Int16Array{0}, VariantArray{Variant(u"TEXT")}});
            }),
            u"SelectOnScreen: the selection was cancelled");
  EXPECT_EQ(GetOf(set, u"Count"), Variant(std::int32_t{3}));
}

TEST_F(SimObjectsTest, ArrangedFailureEndsTheCallBeforeItActs) {
  ObjectRef e = EntityRef(left);
  d->FailCall(u"Copy", 2);
  GetOf(e, u"Copy");
  EXPECT_EQ(ErrorOf([&] { GetOf(e, u"Copy"); }), u"Copy: simulated failure");
  EXPECT_EQ(d->LiveEntities().size(), 4u);  // three plus the first copy
  GetOf(e, u"Copy");
  d->FailAll(u"textstring");
  EXPECT_NE(ErrorOf([&] { PutOf(e, u"TextString", u"x"); }), u"");
  EXPECT_EQ(d->Find(left)->text, u"会議室");
}

}  // namespace
}  // namespace kelvo::sim
