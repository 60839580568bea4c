#include <gtest/gtest.h>

#include "base/text.h"
#include "support/main_form_harness.h"

namespace kelvo {
namespace {

using test::MainFormHarness;

enum class RadixButton { Decimal, Hex, Octal };

struct AddCase {
  const char* name;
  RadixButton radix;
  bool fromTail;
  int digits;
  const char16_t* addend;
  const char16_t* text;
  const char16_t* expected;
};

void PrintTo(const AddCase& c, std::ostream* os) {
  *os << c.name;
}

int RadixId(RadixButton radix, int decimal) {
  return decimal + static_cast<int>(radix);
}

// The dialog answered with "実行" after the given settings.
void AnswerAdd(MainFormHarness& h, const AddCase& c) {
  auto& add = h.add;
  add.window.modalResult = ModalResult::Ok;
  add.window.onModal = [&h, c] {
    auto& dialog = h.add;
    dialog.Fire(RadixId(c.radix, add_dialog::kIdSpeedButton1));
    dialog.Fire(c.fromTail ? add_dialog::kIdRadioButton2 : add_dialog::kIdRadioButton1);
    dialog.form.UpDown1.SetPosition(c.digits);
    dialog.form.Edit1.SetText(c.addend);
  };
}

class AddTest : public testing::TestWithParam<AddCase> {};

TEST_P(AddTest, AddsToTheNumberOfEachLine) {
  const AddCase& c = GetParam();
  MainFormHarness h;
  h.Memo1.SetText(c.text);
  AnswerAdd(h, c);
  h.Fire(kIdN14);
  EXPECT_EQ(h.Memo1.Text(), c.expected);
  bool nothingToAdd =
      std::u16string_view(c.addend) == u"0" || std::u16string_view(c.addend) == u"x";
  EXPECT_EQ(h.form.undoFlag, !nothingToAdd);
  EXPECT_FALSE(h.form.runFlag);
}

constexpr auto kDec = RadixButton::Decimal;
constexpr auto kHex = RadixButton::Hex;
constexpr auto kOct = RadixButton::Octal;

INSTANTIATE_TEST_SUITE_P(
    Cases, AddTest,
    testing::Values(
        AddCase{"DecimalFromTheTail", kDec, true, 2, u"1", u"No.009\r\nA-99\r\nroom 12b\r\n3.14",
                u"No.010\r\nA-100\r\nroom 13b\r\n3.15"},
        AddCase{"DecimalFromTheHead", kDec, false, 2, u"1", u"3.14\r\n-5", u"4.14\r\n-6"},
        AddCase{"BlanksGoOnlyWithAChange", kDec, true, 2, u"1", u"  A-01  \r\n  none  \r\n",
                u"A-02\r\n  none  \r\n"},
        AddCase{"FullWidthDigitsAreNoNumber", kDec, true, 2, u"1", u"No.１２", u"No.１２"},
        AddCase{"DecimalIsExactPastThe32BitRange", kDec, true, 2, u"1",
                u"No.12345678901\r\nNo.2147483647", u"No.12345678902\r\nNo.2147483648"},
        AddCase{"Hexadecimal", kHex, true, 2, u"1", u"ID-0f\r\nff\r\nCafe\r\nab ",
                u"ID-10\r\n100\r\nCaFF\r\nab "},
        AddCase{"HexadecimalBelowZero", kHex, true, 2, u"-1", u"00", u"FFFFFFFF"},
        AddCase{"Octal", kOct, true, 2, u"1", u"P07\r\nP08", u"P10\r\nP08"},
        AddCase{"MoreDigitsThanTheLine", kHex, true, 4, u"1", u"0f", u"0010"},
        AddCase{"AddendZeroChangesNothing", kDec, true, 2, u"0", u"No.1", u"No.1"},
        AddCase{"AddendThatIsNoNumber", kDec, true, 2, u"x", u"No.1", u"No.1"}),
    [](const testing::TestParamInfo<AddCase>& info) { return std::string(info.param.name); });

TEST(AddCommandTest, SelectionKeepsItsOwnLineBreaksAndPumpsAfterChangedLinesOnly) {
  MainFormHarness h;
  h.Memo1.SetText(u"a1\r\nb\r\nc1\r\nd1");
  h.Memo1.SetSel(0, 10);  // "a1\r\nb\r\nc1\r\n"
  AnswerAdd(h, {"", kDec, true, 2, u"1", u"", u""});
  h.messages.pumps = 0;
  h.Fire(kIdN15);
  EXPECT_EQ(h.Memo1.Text(), u"a2\r\nb\r\nc2\r\nd1");
  EXPECT_EQ(h.messages.pumps, 2);
  h.Fire(kIdSpeedButton4);
  EXPECT_EQ(h.Memo1.Text(), u"a1\r\nb\r\nc1\r\nd1");
}

TEST(AddDialogTest, TheRadixButtonsEnableTheirChoices) {
  MainFormHarness h;
  auto& dialog = h.add;
  EXPECT_TRUE(dialog.form.SpeedButton1.Down());
  EXPECT_FALSE(dialog.form.UpDown1.Enabled());
  dialog.Fire(add_dialog::kIdRadioButton1);
  dialog.Fire(add_dialog::kIdSpeedButton2);
  EXPECT_TRUE(dialog.form.SpeedButton2.Down());
  EXPECT_FALSE(dialog.form.SpeedButton1.Down());
  EXPECT_TRUE(dialog.form.RadioButton2.Checked());
  EXPECT_FALSE(dialog.form.RadioButton1.Checked());
  EXPECT_FALSE(dialog.form.RadioButton1.Enabled());
  EXPECT_TRUE(dialog.form.Edit2.Enabled());
  EXPECT_TRUE(dialog.form.UpDown1.Enabled());
  EXPECT_EQ(dialog.form.Label5.Text(), u"16進");
  dialog.Fire(add_dialog::kIdSpeedButton3);
  EXPECT_EQ(dialog.form.Label5.Text(), u" 8進");
  dialog.Fire(add_dialog::kIdSpeedButton1);
  EXPECT_EQ(dialog.form.Label5.Text(), u"10進");
  EXPECT_TRUE(dialog.form.RadioButton1.Enabled());
  EXPECT_FALSE(dialog.form.UpDown1.Enabled());
  // The digit count stays within 1 to 8.
  dialog.form.UpDown1.SetPosition(12);
  EXPECT_EQ(dialog.form.UpDown1.Position(), 8);
  EXPECT_EQ(dialog.form.Edit2.Text(), u"8");
}

struct SerialCase {
  const char* name;
  RadixButton radix;
  const char16_t* prefix;
  const char16_t* start;
  const char16_t* suffix;
  const char16_t* step;
  const char16_t* count;
  std::vector<std::u16string> lines;
  const char16_t* preview;
};

void PrintTo(const SerialCase& c, std::ostream* os) {
  *os << c.name;
}

void FillSerial(MainFormHarness& h, const SerialCase& c) {
  auto& dialog = h.serial;
  dialog.Fire(RadixId(c.radix, serial_dialog::kIdSpeedButton1));
  dialog.form.Edit1.SetText(c.prefix);
  dialog.form.Edit2.SetText(c.start);
  dialog.form.Edit3.SetText(c.suffix);
  dialog.form.Edit5.SetText(c.step);
  dialog.form.Edit4.SetText(c.count);
  dialog.Fire(serial_dialog::kIdEdit4, Event::Change);
}

class SerialTest : public testing::TestWithParam<SerialCase> {};

TEST_P(SerialTest, AppendsTheLinesAndPreviewsTheFirstAndTheLast) {
  const SerialCase& c = GetParam();
  MainFormHarness h;
  h.Memo1.SetText(u"top");
  FillSerial(h, c);
  EXPECT_EQ(h.serial.form.StaticText1.Text(), c.preview);
  h.serial.Fire(serial_dialog::kIdButton1);
  std::vector<std::u16string> expected{u"top"};
  expected.insert(expected.end(), c.lines.begin(), c.lines.end());
  EXPECT_EQ(SplitEditorLines(h.Memo1.Text()), expected);
  EXPECT_EQ(h.serial.window.endedWith, ModalResult::Ok);
  EXPECT_TRUE(h.form.undoFlag);
}

std::vector<std::u16string> Repeat(std::u16string line, int n) {
  return std::vector<std::u16string>(static_cast<std::size_t>(n), line);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SerialTest,
    testing::Values(
        SerialCase{"PrefixAndStart",
                   kDec,
                   u"A-",
                   u"01",
                   u"",
                   u"1",
                   u"3",
                   {u"A-01", u"A-02", u"A-03"},
                   u"[ A-01 ] ～ [ A-03 ]"},
        SerialCase{"WidthOfTheStart",
                   kDec,
                   u"",
                   u"001",
                   u"",
                   u"1",
                   u"12",
                   {u"001", u"002", u"003", u"004", u"005", u"006", u"007", u"008", u"009", u"010",
                    u"011", u"012"},
                   u"[ 001 ] ～ [ 012 ]"},
        SerialCase{"AWiderNumberIsNotCut",
                   kDec,
                   u"",
                   u"8",
                   u"",
                   u"1",
                   u"3",
                   {u"8", u"9", u"10"},
                   u"[ 8 ] ～ [ 10 ]"},
        SerialCase{"Hexadecimal",
                   kHex,
                   u"",
                   u"0e",
                   u"",
                   u"1",
                   u"3",
                   {u"0E", u"0F", u"10"},
                   u"[ 0E ] ～ [ 10 ]"},
        SerialCase{
            "Octal", kOct, u"", u"06", u"", u"1", u"3", {u"06", u"07", u"10"}, u"[ 06 ] ～ [ 10 ]"},
        SerialCase{"Step", kDec, u"", u"1", u"", u"2", u"3", {u"1", u"3", u"5"}, u"[ 1 ] ～ [ 5 ]"},
        SerialCase{"FixedText", kDec, u"abc", u"", u"", u"1", u"16", Repeat(u"ABC", 16),
                   u"[ ABC ] x 16"},
        SerialCase{"CountZero", kDec, u"", u"1", u"", u"1", u"0", {}, u"[ 1 ] ～ [ 0 ]"}),
    [](const testing::TestParamInfo<SerialCase>& info) { return std::string(info.param.name); });

TEST(SerialDialogTest, PreviewAtCreationAndWhileTyping) {
  MainFormHarness h;
  auto& dialog = h.serial;
  EXPECT_EQ(dialog.form.StaticText1.Text(), u"[ 00 ] ～ [ 15 ]");
  dialog.form.Edit1.SetText(u"no.");
  dialog.Fire(serial_dialog::kIdEdit1, Event::Change);
  EXPECT_EQ(dialog.form.StaticText1.Text(), u"[ NO.00 ] ～ [ NO.15 ]");
  dialog.form.Edit2.SetText(u"");
  dialog.Fire(serial_dialog::kIdEdit2, Event::Change);
  EXPECT_FALSE(dialog.form.Edit5.Enabled());
  EXPECT_FALSE(dialog.form.Label6.Enabled());
  // A start that is no number is reported as it is typed; the preview stays.
  dialog.form.Edit2.SetText(u"1x");
  dialog.Fire(serial_dialog::kIdEdit2, Event::Change);
  ASSERT_EQ(h.messages.shown.size(), 1u);
  EXPECT_EQ(h.messages.shown[0].text, u"'1x' は整数ではありません.");
  EXPECT_EQ(dialog.form.StaticText1.Text(), u"[ NO. ] x 16");
  EXPECT_TRUE(dialog.form.Edit5.Enabled());
  dialog.form.Edit2.SetText(u"1G");
  dialog.Fire(serial_dialog::kIdSpeedButton2);
  EXPECT_EQ(h.messages.shown.back().text, u"'$1G' は整数ではありません.");
}

TEST(SerialDialogTest, InsertsAtTheCaretLineInOrder) {
  MainFormHarness h;
  h.Memo1.SetText(u"one\r\ntwo\r\nthree\r\n");
  h.Memo1.SetSel(h.Memo1.LineIndex(2), h.Memo1.LineIndex(2));
  FillSerial(h, {"", kDec, u"n", u"1", u"", u"1", u"2", {}, u""});
  h.serial.Fire(serial_dialog::kIdButton3);
  EXPECT_EQ(h.Memo1.Text(), u"one\r\ntwo\r\nN1\r\nN2\r\nthree\r\n");
  h.serial.Fire(serial_dialog::kIdButton1);
  EXPECT_EQ(h.Memo1.Text(), u"one\r\ntwo\r\nN1\r\nN2\r\nthree\r\nN1\r\nN2\r\n");
}

// A bad value or a count past the bound adds no line and leaves the dialog open.
TEST(SerialDialogTest, ErrorsAddNothingAndKeepTheDialogOpen) {
  struct Case {
    const char16_t* start;
    const char16_t* count;
    const char16_t* message;
  } cases[] = {
      {u"1x", u"3", u"'1x' は整数ではありません."},
      {u"1", u"", u"'' は整数ではありません."},
      {u"1", u"100001", u"作成数は 100000 以下にしてください."},
  };
  for (const Case& c : cases) {
    MainFormHarness h;
    h.Memo1.SetText(u"keep");
    h.serial.form.Edit2.SetText(c.start);
    h.serial.form.Edit4.SetText(c.count);
    h.messages.shown.clear();
    h.serial.Fire(serial_dialog::kIdButton1);
    EXPECT_EQ(h.Memo1.Text(), u"keep");
    ASSERT_EQ(h.messages.shown.size(), 1u);
    EXPECT_EQ(h.messages.shown[0].text, c.message);
    EXPECT_EQ(h.serial.window.endedWith, ModalResult::None);
    EXPECT_EQ(h.Memo1.updateDepth(), 0);
  }
}

TEST(SerialDialogTest, OpenedFromTheMenuAboveTheMainWindow) {
  MainFormHarness h;
  h.Fire(kIdN17);
  EXPECT_EQ(h.zOrder,
            (std::vector<std::string>{"window.notopmost", "serial.topmost", "serial.modal",
                                      "serial.notopmost", "window.topmost+activate"}));
}

}  // namespace
}  // namespace kelvo
