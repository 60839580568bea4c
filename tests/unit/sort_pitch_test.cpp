#include <gtest/gtest.h>

#include "base/text.h"
#include "cad/pitch.h"
#include "cad/sort.h"

namespace kelvo {
namespace {

std::vector<Kelvo> Records(
    std::initializer_list<std::tuple<const char16_t*, double, double>> points) {
  std::vector<Kelvo> list;
  for (auto [name, x, y] : points) {
    Kelvo k;
    k.text = name;
    k.objId = static_cast<std::int64_t>(list.size()) + 1;
    k.insPt = MakePoint(x, y, 0);
    list.push_back(k);
  }
  return list;
}

std::u16string Order(const std::vector<Kelvo>& list) {
  std::u16string order;
  for (const Kelvo& k : list) order += k.text;
  return order;
}

TEST(SortByCoordinatesTest, ModesAndTheExactExchangeOrder) {
  struct Case {
    std::int32_t mode;
    std::vector<Kelvo> list;
    const char16_t* order;
  } cases[] = {
      {0, Records({{u"a", 3, 0}, {u"b", 1, 9}, {u"c", 2, 5}}), u"bca"},
      {1, Records({{u"a", 3, 0}, {u"b", 1, 9}, {u"c", 2, 5}}), u"bca"},
      {1, Records({{u"a", 0, 1}, {u"b", 0, 3}, {u"c", 0, 2}}), u"bca"},
      {3, Records({{u"a", 0, 30}, {u"b", 0, 10}, {u"c", 0, 20}}), u"acb"},
      {3, Records({{u"a", 5, 0}, {u"b", 1, 0}, {u"c", 3, 0}}), u"bca"},
      {3, Records({{u"a", 2, 0}, {u"b", 2, 0}, {u"c", 1, 0}}), u"cba"},
      // Equal spreads, a repeated point among them, choose Y.
      {7, Records({{u"a", 0, 0}, {u"b", 4, 4}}), u"ba"},
      {3, Records({{u"a", 1, 1}, {u"b", 1, 1}, {u"c", 1, 1}}), u"abc"},
      {2, Records({{u"a", 5, 0}, {u"b", 1, 0}}), u"ab"},
      {-1, Records({{u"a", 5, 0}, {u"b", 1, 0}}), u"ab"},
      {0, Records({{u"a", 5, 0}}), u"a"},
  };
  for (auto& c : cases) {
    SortByCoordinates(c.list, c.mode);
    EXPECT_EQ(Order(c.list), c.order) << "mode " << c.mode;
  }
}

TEST(SortByCoordinatesTest, RecordsWithoutAPointGoLast) {
  auto list = Records({{u"a", 0, 10}, {u"b", 0, 30}, {u"c", 0, 20}});
  list.insert(list.begin(), Kelvo{});
  list.front().text = u"-";
  SortByCoordinates(list, 3);
  EXPECT_EQ(Order(list), u"bca-");
}

TEST(PitchTest, FormatsTwoDecimalsInTheUsersSeparator) {
  struct Case {
    double value;
    char16_t separator;
    const char16_t* text;
  } cases[] = {{10, u'.', u"10.00"},
               {-10, u'.', u"-10.00"},
               {0.004, u'.', u"0.00"},
               {-0.004, u'.', u"0.00"},
               {0.005001, u'.', u"0.01"},
               {1.5, u',', u"1,50"},
               {1234567.891, u'.', u"1234567.89"}};
  for (const Case& c : cases) EXPECT_EQ(FormatPitch(c.value, c.separator), c.text) << c.value;
}

TEST(PitchTest, ReadsNumbersAndCountsAnythingElseAsZero) {
  struct Case {
    const char16_t* text;
    char16_t separator;
    double value;
  } cases[] = {{u"10.00", u'.', 10}, {u" -2.5 ", u'.', -2.5}, {u"+3", u'.', 3},
               {u"1,5", u',', 1.5},  {u"1.5", u',', 0},       {u"1e2", u'.', 100},
               {u"abc", u'.', 0},    {u"", u'.', 0},          {u"1.2.3", u'.', 0},
               {u"--1", u'.', 0},    {u"+-1", u'.', 0},       {u"１０", u'.', 0},
               {u"1e999", u'.', 0},  {u".5", u'.', 0.5}};
  for (const Case& c : cases) {
    EXPECT_EQ(ParsePitch(c.text, c.separator), c.value) << ToUtf8(c.text);
  }
}

}  // namespace
}  // namespace kelvo
