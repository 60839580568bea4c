#include <gtest/gtest.h>

#include "cad/connection.h"
#include "sim/drawing.h"
#include "sim/sim_objects.h"
#include "support/fakes.h"

namespace kelvo {
namespace {

struct ConnectionTest : testing::Test {
  std::shared_ptr<sim::Drawing> drawing = std::make_shared<sim::Drawing>();
  ObjectRef app = sim::MakeApplication(drawing);
  test::FakeDesktop desktop;
  std::string cad = std::to_string(drawing->WindowHandle());
};

TEST_F(ConnectionTest, MinimisedCadIsRestoredAndWaitedForBeforeItIsRaised) {
  desktop.iconic[drawing->WindowHandle()] = true;
  ActivateCadWindow(desktop, app, false);
  EXPECT_EQ(desktop.calls,
            (std::vector<std::string>{"IsIconic(" + cad + ")", "OpenIcon(" + cad + ")",
                                      "Sleep(500)", "SetForegroundWindow(" + cad + ")"}));
}

TEST_F(ConnectionTest, EscapeCancelsTheCadCommandOnlyWhenAskedAndInFront) {
  struct Case {
    bool cancel;
    bool comesForward;
    int escapes;
  } cases[] = {{true, true, 1}, {true, false, 0}, {false, true, 0}};
  for (const Case& c : cases) {
    test::FakeDesktop d;
    d.foregroundFollows = c.comesForward;
    ActivateCadWindow(d, app, c.cancel);
    EXPECT_EQ(d.escapes, c.escapes);
    if (c.escapes == 1) {
      EXPECT_EQ(d.calls.back(), "Sleep(5)");
    }
  }
}

TEST_F(ConnectionTest, WindowHandleUsesItsLow32Bits) {
  drawing->SetWindowHandle(0x1234'0000'8000'0042LL);
  ActivateCadWindow(desktop, app, true);
  // The low 32 bits, taken as a signed number, name the window.
  EXPECT_EQ(desktop.calls[1],
            "SetForegroundWindow(" + std::to_string(std::int32_t(0x80000042u)) + ")");
  EXPECT_EQ(desktop.escapes, 1);
}

TEST_F(ConnectionTest, ForceForegroundAttachesInputOnlyAcrossThreads) {
  desktop.threads = {{10, 7}, {20, 7}, {30, 8}};
  desktop.foreground = 20;
  ForceForegroundWindow(desktop, 10);
  EXPECT_EQ(desktop.calls.back(), "BringWindowToTop(10)");
  EXPECT_EQ(std::count_if(desktop.calls.begin(), desktop.calls.end(),
                          [](const std::string& c) { return c.starts_with("Attach"); }),
            0);

  test::FakeDesktop across;
  across.threads = {{10, 7}, {30, 8}};
  across.foreground = 30;
  ForceForegroundWindow(across, 10);
  EXPECT_EQ(across.calls,
            (std::vector<std::string>{"GetWindowThreadProcessId(10)", "GetForegroundWindow(0)",
                                      "GetWindowThreadProcessId(30)", "SetForegroundWindow(10)",
                                      "AttachThreadInput(7,8,1)", "BringWindowToTop(10)",
                                      "AttachThreadInput(7,8,0)"}));
}

TEST_F(ConnectionTest, TempSetIsFoundByExactNameEmptiedAndReused) {
  ObjectRef doc = Get(app, u"ActiveDocument").ToObject();
  auto other = drawing->AddSelectionSet(u"sstemp2");
  auto temp = drawing->AddSelectionSet(u"ssTemp");
  auto text = drawing->AddText(u"A", 0, 0);
  drawing->QueuePicks({text});
  drawing->SelectOnScreen(temp, sim::SelectionFilter{});
  ASSERT_EQ(drawing->FindSelectionSet(temp)->ids.size(), 1u);

  ObjectRef set = GetTempSelectionSet(doc);
  EXPECT_EQ(Get(set, u"Name").ToString(), u"ssTemp");
  EXPECT_TRUE(drawing->FindSelectionSet(temp)->ids.empty());
  EXPECT_EQ(drawing->SelectionSetCount(), 2u);
  EXPECT_NE(drawing->FindSelectionSet(other), nullptr);
}

TEST_F(ConnectionTest, TempSetIsAddedWhenMissing) {
  ObjectRef doc = Get(app, u"ActiveDocument").ToObject();
  ObjectRef set = GetTempSelectionSet(doc);
  EXPECT_EQ(Get(set, u"Name").ToString(), u"ssTemp");
  EXPECT_EQ(drawing->SelectionSetNames(), std::vector<std::u16string>{u"ssTemp"});
}

}  // namespace
}  // namespace kelvo
