// The in-memory widgets' own rules, where they go beyond storing a value. The
// same rules are held against the real controls in widgets_win_test.cpp.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/portable_locale.h"
#include "ui/memory_widgets.h"

namespace kelvo {
namespace {

std::vector<bool> CheckedStates(const std::vector<MemoryRadioButton*>& radios) {
  std::vector<bool> states;
  for (const MemoryRadioButton* radio : radios) states.push_back(radio->Checked());
  return states;
}

TEST(MemoryRadioButtonTest, CheckingOneUnchecksTheOthersOfItsGroupOnly) {
  auto first = std::make_shared<ExclusiveGroup>();
  auto second = std::make_shared<ExclusiveGroup>();
  MemoryRadioButton a(first), b(first), c(first), d(second), alone;
  std::vector<MemoryRadioButton*> all{&a, &b, &c, &d, &alone};
  d.SetChecked(true);
  alone.SetChecked(true);
  a.SetChecked(true);
  EXPECT_EQ(CheckedStates(all), (std::vector<bool>{true, false, false, true, true}));
  EXPECT_TRUE(c.Click());
  EXPECT_EQ(CheckedStates(all), (std::vector<bool>{false, false, true, true, true}));
  c.SetChecked(false);
  EXPECT_EQ(CheckedStates(all), (std::vector<bool>{false, false, false, true, true}));
  b.SetEnabled(false);
  EXPECT_FALSE(b.Click());
  EXPECT_FALSE(b.Checked());
}

TEST(MemoryRadioButtonTest, ADestroyedMemberLeavesItsGroup) {
  auto group = std::make_shared<ExclusiveGroup>();
  MemoryRadioButton kept(group);
  {
    MemoryRadioButton gone(group);
    gone.SetChecked(true);
  }
  kept.SetChecked(true);
  EXPECT_TRUE(kept.Checked());
}

TEST(MemoryButtonTest, OneButtonOfAGroupIsDownAndUngroupedOnesNever) {
  auto group = std::make_shared<ExclusiveGroup>();
  MemoryButton a(u"A", group), b(u"B", group), plain(u"P");
  EXPECT_FALSE(a.Down());
  EXPECT_TRUE(a.Click());
  EXPECT_TRUE(a.Down());
  b.SetDown();
  EXPECT_FALSE(a.Down());
  EXPECT_TRUE(b.Down());
  // Clicking the one that is down keeps it down.
  EXPECT_TRUE(b.Click());
  EXPECT_TRUE(b.Down());
  EXPECT_TRUE(plain.Click());
  plain.SetDown();
  EXPECT_FALSE(plain.Down());
  EXPECT_TRUE(b.Down());
  a.SetEnabled(false);
  EXPECT_FALSE(a.Click());
  EXPECT_TRUE(b.Down());
}

TEST(MemoryCheckBoxTest, AClickTogglesUnlessDisabled) {
  MemoryCheckBox box;
  EXPECT_TRUE(box.Click());
  EXPECT_TRUE(box.Checked());
  EXPECT_TRUE(box.Click());
  EXPECT_FALSE(box.Checked());
  box.SetEnabled(false);
  EXPECT_FALSE(box.Click());
  EXPECT_FALSE(box.Checked());
}

std::vector<std::u16string> Items(const ListBox& list) {
  std::vector<std::u16string> items;
  for (int i = 0; i < list.Count(); ++i) items.push_back(list.Item(i));
  return items;
}

struct SortedAddCase {
  const char* name;
  std::vector<std::u16string> added;
  std::vector<int> places;
  std::vector<std::u16string> items;
};

TEST(MemoryListBoxTest, SortedAddGoesWhereTheBinarySearchStops) {
  const SortedAddCase cases[] = {
      {"case twins go before the equal item met",
       {u"abc", u"ABC", u"Abc", u"abd", u"ab"},
       {0, 0, 0, 3, 0},
       {u"ab", u"Abc", u"ABC", u"abc", u"abd"}},
      {"duplicates go before the middle one met",
       {u"b", u"a", u"c", u"b", u"B", u"b", u"b", u"B"},
       {0, 0, 2, 1, 1, 2, 2, 3},
       {u"a", u"B", u"b", u"B", u"b", u"b", u"b", u"c"}},
  };
  PortableLocale locale;
  for (const SortedAddCase& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryListBox list(locale, true);
    std::vector<int> places;
    for (const std::u16string& item : c.added) places.push_back(list.Add(item));
    EXPECT_EQ(places, c.places);
    EXPECT_EQ(Items(list), c.items);
  }
}

TEST(MemoryListBoxTest, TheSelectionFollowsItsItemAndGoesWithIt) {
  PortableLocale locale;
  MemoryListBox list(locale, false);
  for (const char16_t* item : {u"a", u"b", u"c", u"d"}) list.Add(item);
  list.SetItemIndex(2);
  list.Insert(0, u"x");
  EXPECT_EQ(list.ItemIndex(), 3);
  list.Delete(1);
  EXPECT_EQ(list.ItemIndex(), 2);
  list.SetItemIndex(9);
  EXPECT_EQ(list.ItemIndex(), 2);
  list.Delete(2);
  EXPECT_EQ(list.ItemIndex(), -1);
  EXPECT_EQ(Items(list), (std::vector<std::u16string>{u"x", u"b", u"d"}));
}

struct UpDownReadCase {
  std::u16string text;
  std::optional<int> number;
};

TEST(ReadUpDownTextTest, ReadsAsTheControlDoes) {
  const UpDownReadCase cases[] = {
      {u"5", 5},
      {u"", 0},
      {u",", 0},
      {u" \t6", 6},
      {u"\u30007", 7},
      {u"07", 7},
      {u"+3", 3},
      {u"-12", -12},
      {u"1,5", 15},
      {u"5,", 5},
      {u"\uFF18", 8},
      {u"x", std::nullopt},
      {u"6 ", std::nullopt},
      {u" ", std::nullopt},
      {u"-", std::nullopt},
      {u"- 7", std::nullopt},
      {u"--7", std::nullopt},
      {u"\uFF0D3", std::nullopt},
      {u"3.0", std::nullopt},
      {u"0x3", std::nullopt},
      {u"2147483648", 2147483647},
      {u"-99999999999", -2147483647 - 1},
  };
  for (const UpDownReadCase& c : cases) {
    EXPECT_EQ(ReadUpDownText(c.text), c.number) << std::string(c.text.begin(), c.text.end());
  }
}

}  // namespace
}  // namespace kelvo
