#include <gtest/gtest.h>

#include <set>

#include "app/long_command.h"
#include "app/main_form.h"
#include "support/main_form_harness.h"
#include "ui/layout.h"

namespace kelvo {
namespace {

using test::MainFormHarness;

const WindowTable* const kTables[] = {&kMainWindowTable, &kTargetCadWindowTable,
                                      &kReplaceWindowTable, &kAddWindowTable, &kSerialWindowTable};

// Every table is one a host can build: unique ids, containers before their
// children, buddies that exist.
TEST(FormTableTest, EveryTableIsWellFormed) {
  for (const WindowTable* table : kTables) {
    std::set<int> seen;
    for (const WidgetRow& row : table->rows) {
      SCOPED_TRACE(row.id);
      EXPECT_TRUE(seen.insert(row.id).second);
      if (row.parent != 0) {
        ASSERT_TRUE(seen.count(row.parent));
        WidgetKind parent = FindRow(*table, row.parent)->kind;
        EXPECT_TRUE(parent == WidgetKind::Panel || parent == WidgetKind::GroupBox);
      }
      if (row.kind == WidgetKind::UpDown || row.kind == WidgetKind::Gutter) {
        EXPECT_NE(FindRow(*table, row.buddy), nullptr);
      }
    }
  }
}

TEST(FormTableTest, DialogsHaveTheirSizesBordersAndCaptions) {
  struct Case {
    const WindowTable* table;
    std::u16string caption;
    int width;
    int height;
    Border border;
  } cases[] = {
      {&kTargetCadWindowTable, u"ターゲット CAD", 315, 307, Border::Dialog},
      {&kReplaceWindowTable, u"文字列置換", 203, 128, Border::ToolWindow},
      {&kAddWindowTable, u"加算", 240, 170, Border::ToolWindow},
      {&kSerialWindowTable, u"連番作成", 300, 220, Border::ToolWindow},
      {&kMainWindowTable, u"KelvoEdit", 317, 240, Border::Sizeable},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.table->caption, c.caption);
    EXPECT_EQ(c.table->clientWidth, c.width);
    EXPECT_EQ(c.table->clientHeight, c.height);
    EXPECT_EQ(c.table->border, c.border);
  }
  EXPECT_TRUE(kMainWindowTable.topmost);
}

PixelRect At(const std::map<int, PixelRect>& rects, int id) {
  return rects.at(id);
}

TEST(LayoutTest, MainWindowAtDesignSizeStandsWhereTheTableSays) {
  auto rects = LayOut(kMainWindowTable, 317, 240, 96);
  EXPECT_EQ(At(rects, kIdSpeedButton1), (PixelRect{6, 2, 49, 22}));
  EXPECT_EQ(At(rects, kIdSpeedButton4), (PixelRect{264, 51, 45, 22}));
  EXPECT_EQ(At(rects, kIdPanel1), (PixelRect{0, 79, 317, 142}));
  EXPECT_EQ(At(rects, kIdMemo2), (PixelRect{0, 0, 40, 142}));
  EXPECT_EQ(At(rects, kIdMemo1), (PixelRect{40, 0, 277, 142}));
  EXPECT_EQ(At(rects, kIdStatusBar1), (PixelRect{0, 221, 317, 19}));
}

TEST(LayoutTest, ResizingMovesRightAnchorsAndGrowsThePanel) {
  auto rects = LayOut(kMainWindowTable, 417, 290, 96);
  EXPECT_EQ(At(rects, kIdSpeedButton1), (PixelRect{6, 2, 49, 22}));
  EXPECT_EQ(At(rects, kIdSpeedButton3), (PixelRect{231, 51, 74, 22}));
  EXPECT_EQ(At(rects, kIdSpeedButton4), (PixelRect{364, 51, 45, 22}));
  EXPECT_EQ(At(rects, kIdPanel1), (PixelRect{0, 79, 417, 192}));
  EXPECT_EQ(At(rects, kIdMemo1), (PixelRect{40, 0, 377, 192}));
  EXPECT_EQ(At(rects, kIdStatusBar1), (PixelRect{0, 271, 417, 19}));
}

TEST(LayoutTest, EveryControlScalesWithTheDpi) {
  for (const WindowTable* table : kTables) {
    auto design = LayOut(*table, table->clientWidth, table->clientHeight, 96);
    auto scaled = LayOut(*table, ScaleToDpi(table->clientWidth, 144),
                         ScaleToDpi(table->clientHeight, 144), 144);
    for (const auto& [id, r] : design) {
      const PixelRect& s = scaled.at(id);
      SCOPED_TRACE(id);
      EXPECT_NEAR(s.left, r.left * 1.5, 1);
      EXPECT_NEAR(s.top, r.top * 1.5, 1);
      EXPECT_NEAR(s.width, r.width * 1.5, 1);
      EXPECT_NEAR(s.height, r.height * 1.5, 1);
    }
  }
}

TEST(LayoutTest, GroupBoxChildrenStandWithinTheFrame) {
  auto rects = LayOut(kTargetCadWindowTable, 315, 307, 96);
  EXPECT_EQ(At(rects, target_cad::kIdEdit1), (PixelRect{8 + 16, 151 + 23, 198, 24}));
  EXPECT_EQ(ContainerOf(kTargetCadWindowTable, target_cad::kIdEdit1), 0);
  EXPECT_EQ(ContainerOf(kMainWindowTable, kIdMemo1), kIdPanel1);
}

// The wiring, fired by id as the window fires it.
TEST(EventTableTest, EventsReachTheirHandlersById) {
  MainFormHarness h;
  char16_t enter = u'\r';
  EXPECT_TRUE(h.Fire(kIdEdit1, Event::KeyPress, &enter));
  EXPECT_EQ(enter, 0);
  EXPECT_TRUE(h.Edit2.focused);
  EXPECT_TRUE(h.Fire(kIdN25));
  ASSERT_EQ(h.messages.shown.size(), 1u);
  EXPECT_EQ(h.messages.shown[0].caption, u"情報");
  h.Memo1.SetText(u"abc");
  EXPECT_TRUE(h.Fire(kIdSpeedButton3));
  EXPECT_EQ(h.Memo1.SelEnd(), 3);
  EXPECT_FALSE(h.Fire(kIdLabel1));  // no row: nothing happens
  EXPECT_FALSE(h.Fire(kIdN19));     // "取り消し" only closes the menu
  EXPECT_TRUE(h.Fire(kIdTimer1, Event::Timer));
  EXPECT_EQ(h.Label1.Text(), u"データ行数 = 1");
}

TEST(EventTableTest, WhatChangesTheEditorOrTheListWaitsForNoCommand) {
  MainFormHarness h;
  h.Memo1.SetText(u"keep");
  h.form.UndoMark(true);
  h.Memo1.SetText(u"changed");
  LongCommand run(h.form, h.messages);
  for (int id : {int(kIdSpeedButton4), int(kIdN20), int(kIdN12)}) h.Fire(id);
  EXPECT_EQ(h.Memo1.Text(), u"changed");
  h.Fire(kIdSpeedButton5);  // "中止" always runs
  EXPECT_FALSE(h.form.runFlag);
}

TEST(EventTableTest, PopupCommandsFollowTheirEnabledWhen) {
  MainFormHarness h;
  h.Memo1.SetText(u"ab");
  h.Memo1.SetSel(0, 0);
  h.Fire(kWindowId, Event::Popup);
  EXPECT_TRUE(h.widgets.as<MemoryMenuItem>(kIdN1).Enabled());
  EXPECT_FALSE(h.widgets.as<MemoryMenuItem>(kIdN2).Enabled());
  EXPECT_TRUE(h.widgets.as<MemoryMenuItem>(kIdN17).Enabled());
  // Every command of the menu is one entry, in order, separators included.
  std::vector<MenuEntry> menu = h.form.Events().Menu();
  ASSERT_EQ(menu.size(), 36u);
  EXPECT_EQ(menu.front().id, kIdN20);
  EXPECT_EQ(menu[4].id, 0);
  EXPECT_EQ(menu.back().id, kIdN19);
}

}  // namespace
}  // namespace kelvo
