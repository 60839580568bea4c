#include <gtest/gtest.h>

#include "base/text.h"
#include "support/main_form_harness.h"

namespace kelvo {
namespace {

using test::MainFormHarness;
using Lines = std::vector<std::u16string>;

constexpr char16_t kBricsCad[] = u"BricscadApp.AcadApplication";

std::string Ansi(std::u16string_view text) {
  return PortableLocale().ToAnsi(text).value();
}

std::string FileOf(const Lines& lines) {
  std::u16string text;
  for (const auto& line : lines) text += line + u"\r\n";
  return Ansi(text);
}

struct Dialog {
  explicit Dialog(const Lines& file) {
    if (!file.empty()) h.files.files[test::kTargetListPath] = FileOf(file);
    h.target.Fire(kWindowId, Event::Show);
  }
  Lines Items() const {
    Lines items;
    for (int i = 0; i < form.ListBox1.Count(); ++i) items.push_back(form.ListBox1.Item(i));
    return items;
  }
  std::u16string Fields() const { return form.Edit1.Text() + u"|" + form.Edit2.Text(); }
  Lines FileLines() const {
    return DecodeTargetList(h.files.files.at(test::kTargetListPath), h.locale).lines;
  }
  MainFormHarness h;
  TTargetCADForm& form = h.target.form;
};

// At start-up the caption names the first line, in file order, that holds a
// tab and the ProgID; the dialog selects the first such entry in its sorted
// order.
TEST(TargetCadTest, TheTargetIsNamedAtStartUpAndSelectedInTheDialog) {
  struct Case {
    Lines file;
    const char16_t* caption;
    int selected;
    const char16_t* fields;
  } cases[] = {
      {{u"Zeta\tBricscadApp.AcadApplication.23", u"Alpha\tBricscadApp.AcadApplication"},
       u"KelvoEdit [ Zeta ]",
       0,
       u"Alpha|BricscadApp.AcadApplication"},
      {{u"\tBricscadApp.AcadApplication"}, u"KelvoEdit [  ]", 0, u"|BricscadApp.AcadApplication"},
      {{u"BricscadApp.AcadApplication", u"AutoCAD\tAutoCAD.Application"}, u"KelvoEdit", -1, u"|"},
      {{u"bricscad\tbricscadapp.acadapplication"}, u"KelvoEdit", -1, u"|"},
      {{}, u"KelvoEdit", -1, u"|"},
  };
  for (const Case& c : cases) {
    Dialog d(c.file);
    d.h.Run(&TKelvoMainForm::FormCreate);
    EXPECT_EQ(d.h.window.Caption(), c.caption);
    EXPECT_EQ(d.form.ListBox1.ItemIndex(), c.selected);
    EXPECT_EQ(d.Fields(), c.fields);
  }
}

TEST(TargetCadTest, AnUnreadableListLeavesTheTitleSilently) {
  MainFormHarness h;
  h.files.failReads = true;
  h.messages.shown.clear();
  h.Run(&TKelvoMainForm::FormCreate);
  EXPECT_EQ(h.window.Caption(), u"KelvoEdit");
  EXPECT_TRUE(h.messages.shown.empty());
}

TEST(TargetCadTest, SelectingAnEntryFillsTheFields) {
  Dialog d({u"B\tB.App", u"no tab here", u"A\tA.App\tv2"});
  EXPECT_EQ(d.Items(), (Lines{u"A\tA.App\tv2", u"B\tB.App", u"no tab here"}));
  for (auto [index, fields] : {std::pair{0, u"A|A.App\tv2"}, std::pair{2, u"|no tab here"}}) {
    d.form.ListBox1.SetItemIndex(index);
    d.h.target.Fire(target_cad::kIdListBox1, Event::SelectionChange);
    EXPECT_EQ(d.Fields(), fields);
  }
}

TEST(TargetCadTest, DeletingSelectsTheEntryThatTookItsPlaceOrTheNewLast) {
  struct Case {
    int selected;
    Lines items;
    int nowSelected;
  } cases[] = {
      {2, {u"a\t1", u"b\t2", u"d\t4"}, 2},  // the second-to-last of four: the last takes its place
      {3, {u"a\t1", u"b\t2", u"c\t3"}, 2},  // the last of four: the new last
  };
  for (const Case& c : cases) {
    Dialog d({u"a\t1", u"b\t2", u"c\t3", u"d\t4"});
    d.form.ListBox1.SetItemIndex(c.selected);
    d.h.target.Fire(target_cad::kIdSpeedButton2);
    EXPECT_EQ(d.Items(), c.items);
    EXPECT_EQ(d.form.ListBox1.ItemIndex(), c.nowSelected);
    EXPECT_EQ(d.Fields(), SplitTargetEntry(c.items.back()).name + u"|" +
                              SplitTargetEntry(c.items.back()).progId);
    EXPECT_EQ(d.FileLines(), c.items);
  }
  Dialog only({u"a\t1"});
  only.form.ListBox1.SetItemIndex(0);
  only.h.target.Fire(target_cad::kIdSpeedButton2);
  EXPECT_EQ(only.Items(), Lines{});
  EXPECT_EQ(only.Fields(), u"|");
  EXPECT_EQ(only.h.files.files.at(test::kTargetListPath), "");
}

TEST(TargetCadTest, AddingSelectsTheFirstEqualEntryIgnoringCase) {
  Dialog d({u"ab\tX"});
  d.form.Edit1.SetText(u"AB");
  d.form.Edit2.SetText(u"x");
  d.h.target.Fire(target_cad::kIdSpeedButton1);
  EXPECT_EQ(d.Items().size(), 2u);
  EXPECT_EQ(d.form.ListBox1.ItemIndex(), 0);
  EXPECT_EQ(d.Fields(),
            SplitTargetEntry(d.Items()[0]).name + u"|" + SplitTargetEntry(d.Items()[0]).progId);
  EXPECT_EQ(d.FileLines(), d.Items());
  // Both fields empty: an entry of the tab alone.
  d.form.Edit1.SetText(u"");
  d.form.Edit2.SetText(u"");
  d.h.target.Fire(target_cad::kIdSpeedButton1);
  EXPECT_EQ(d.Items()[0], u"\t");
  EXPECT_EQ(d.form.ListBox1.ItemIndex(), 0);
}

TEST(TargetCadTest, ChangeAndEnterRewriteTheSelectedEntryInPlace) {
  Dialog d({u"a\t1", u"c\t3"});
  d.form.ListBox1.SetItemIndex(0);
  d.h.target.Fire(target_cad::kIdListBox1, Event::SelectionChange);
  d.form.Edit1.SetText(u"z");
  char16_t enter = u'\r';
  d.h.target.Fire(target_cad::kIdEdit2, Event::KeyPress, &enter);
  EXPECT_EQ(enter, 0);
  EXPECT_EQ(d.Items(), (Lines{u"z\t1", u"c\t3"}));  // sorted only when read again
  EXPECT_EQ(d.form.ListBox1.ItemIndex(), 0);
  EXPECT_EQ(d.FileLines(), (Lines{u"z\t1", u"c\t3"}));
  // With nothing selected, nothing changes and nothing is written.
  d.form.ListBox1.SetItemIndex(-1);
  d.h.files.writes.clear();
  d.h.target.Fire(target_cad::kIdSpeedButton3);
  enter = u'\r';
  d.h.target.Fire(target_cad::kIdEdit1, Event::KeyPress, &enter);
  EXPECT_TRUE(d.h.files.writes.empty());
  EXPECT_EQ(d.Items(), (Lines{u"z\t1", u"c\t3"}));
}

TEST(TargetCadTest, OkMakesTheFieldsTheTarget) {
  MainFormHarness h;
  auto& dialog = h.target;
  dialog.window.modalResult = ModalResult::Ok;
  dialog.window.onModal = [&] {
    dialog.form.Edit1.SetText(u"AutoCAD 2024");
    dialog.form.Edit2.SetText(u"AutoCAD.Application.24");
    dialog.Fire(target_cad::kIdButton1);
  };
  h.Fire(kIdSpeedButton7);
  EXPECT_EQ(h.window.Caption(), u"KelvoEdit [ AutoCAD 2024 ]");
  EXPECT_EQ(TargetProgID, u"AutoCAD.Application.24");
  // Cancel changes neither.
  dialog.window.modalResult = ModalResult::Cancel;
  dialog.window.onModal = [&] { dialog.form.Edit2.SetText(u"Other"); };
  h.Fire(kIdSpeedButton7);
  EXPECT_EQ(TargetProgID, u"AutoCAD.Application.24");
}

TEST(TargetCadTest, TheFileIsWrittenBackInItsEncoding) {
  struct Case {
    std::string file;
    std::string written;
  } cases[] = {
      {"\xEF\xBB\xBF"
       "a\t1\r\n",
       "\xEF\xBB\xBF"
       "a\t1\r\nb\t2\r\n"},
      {"a\t1\n", "a\t1\r\nb\t2\r\n"},
      {std::string("\xFF\xFE"
                   "a\0\t\0"
                   "1\0\r\0\n\0",
                   12),
       std::string("\xFF\xFE"
                   "a\0\t\0"
                   "1\0\r\0\n\0"
                   "b\0\t\0"
                   "2\0\r\0\n\0",
                   22)},
  };
  for (const Case& c : cases) {
    MainFormHarness h;
    h.files.files[test::kTargetListPath] = c.file;
    h.target.Fire(kWindowId, Event::Show);
    h.target.form.Edit1.SetText(u"b");
    h.target.form.Edit2.SetText(u"2");
    h.target.Fire(target_cad::kIdSpeedButton1);
    EXPECT_EQ(h.files.files.at(test::kTargetListPath), c.written);
  }
}

// A name the ANSI code page lacks is written in UTF-8 with its mark, not as "?".
TEST(TargetCadTest, ANameTheCodePageLacksTurnsTheFileIntoUtf8) {
  Dialog d({u"a\t1"});
  d.form.Edit1.SetText(u"図面");
  d.form.Edit2.SetText(u"X.App");
  d.h.target.Fire(target_cad::kIdSpeedButton1);
  const std::string& bytes = d.h.files.files.at(test::kTargetListPath);
  EXPECT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
  EXPECT_EQ(d.FileLines(), (Lines{u"a\t1", u"図面\tX.App"}));
}

// A write that fails is reported; the dialog stays open and the file whole.
TEST(TargetCadTest, AFailedWriteLeavesTheFileAndTheDialogOpen) {
  Dialog d({u"a\t1"});
  d.h.files.failWrites = true;
  d.form.Edit1.SetText(u"b");
  d.form.Edit2.SetText(u"2");
  d.h.target.Fire(target_cad::kIdSpeedButton1);
  ASSERT_EQ(d.h.messages.shown.size(), 1u);
  EXPECT_EQ(d.h.messages.shown[0].style, MessageStyle::Error);
  EXPECT_EQ(d.h.files.files.at(test::kTargetListPath), FileOf({u"a\t1"}));
  EXPECT_EQ(d.Items().size(), 2u);
  EXPECT_EQ(d.h.target.window.endedWith, ModalResult::None);
}

}  // namespace
}  // namespace kelvo
