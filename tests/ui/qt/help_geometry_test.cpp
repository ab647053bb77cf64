// The window widened for the help panel, on the screen as Qt places it.
#include <gtest/gtest.h>

#include <QWidget>
#include <algorithm>

#include "ui/form/control_ids.h"
#include "ui/steps/wizard_state.h"
#include "ui/toolkit/qt/native.h"
#include "ui/toolkit/qt/qt_types.h"
#include "ui/toolkit/test_hooks.h"
#include "ui/toolkit/toolkit.h"
#include "wizard_fixture.h"

namespace {

using namespace ui::toolkit;
using uitest::WizardTest;

class HelpGeometryTest : public WizardTest {
 protected:
  void SetUp() override {
    WizardTest::SetUp();
    writeDatabase();
    startWizard();
  }
};

TEST_F(HelpGeometryTest, HelpWidensTheWindowAndPressedTwiceRestoresItExactly) {
  QWidget* window = controlWidget("MAIN", 0);
  window->move(37, 52);
  const QRect before = window->geometry();
  clickButton("MAIN", ui::kHelpButton);
  EXPECT_EQ(ui::wizardState().helpShown, 1);
  double column, row, width, height;
  EZ_GETPOS("MAIN", 0, column, row, width, height);
  EXPECT_EQ(width, 166);
  EXPECT_EQ(height, 44);
  EXPECT_EQ(window->geometry().topLeft(), before.topLeft());
  EXPECT_TRUE(controlState("MAIN", ui::kHelpPanel).visible);

  clickButton("MAIN", ui::kHelpButton);
  EXPECT_EQ(ui::wizardState().helpShown, 0);
  EXPECT_EQ(window->geometry(), before);
  EXPECT_FALSE(controlState("MAIN", ui::kHelpPanel).visible);
}

// On a laptop screen the widened window moves to the left; on a screen narrower than it, it also
// narrows, and the help panel with it. Either way all of the panel is on the screen, and hiding it
// puts the window back.
TEST_F(HelpGeometryTest, HelpKeepsTheWidenedWindowAndAllOfItsPanelOnTheScreen) {
  struct Case {
    QRect screen;
    bool narrowed;  // the screen is narrower than the widened window
  };
  const Case cases[] = {
      {QRect(0, 0, 1366, 728), false}, {QRect(0, 0, 1280, 984), true}, {QRect(1920, 0, 1366, 728), false}};
  QWidget* window = controlWidget("MAIN", 0);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.screen.width());
    setScreenArea(rectOf(c.screen));
    window->move(c.screen.left() + 200, 12);
    const QRect before = window->geometry();
    clickButton("MAIN", ui::kHelpButton);
    const QRect widened = window->frameGeometry();
    EXPECT_EQ(widened.right(), c.screen.right()) << "moved left only as far as needed";
    EXPECT_EQ(widened.top(), 12);
    EXPECT_TRUE(c.screen.contains(widened));
    EXPECT_EQ(window->width() < 1328, c.narrowed);
    const ControlState help = controlState("MAIN", ui::kHelpPanel);
    EXPECT_TRUE(help.visible);
    const double columnsShown = window->width() / 8.0;
    EXPECT_EQ(help.width, std::min(41.0, columnsShown - 125));
    EXPECT_TRUE(window->rect().contains(controlWidget("MAIN", ui::kHelpPanel)->geometry()))
        << "all of the panel is inside the window";

    clickButton("MAIN", ui::kHelpButton);
    EXPECT_EQ(window->geometry(), before);
  }
}

}  // namespace
