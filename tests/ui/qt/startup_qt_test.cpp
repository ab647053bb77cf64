// Start-up and shutdown where Qt's application object takes part: its palette, the windows it deletes
// later, and its event loop.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPalette>
#include <QTimer>

#include "db/catalogue.h"
#include "memory/heap_blocks.h"
#include "ui/form/control_ids.h"
#include "ui/help/help.h"
#include "ui/startup/start_up.h"
#include "ui/toolkit/palette_colours.h"
#include "ui/toolkit/qt/qt_types.h"
#include "ui/toolkit/test_hooks.h"
#include "ui/toolkit/toolkit.h"
#include "wizard_fixture.h"

namespace {

using namespace ui::toolkit;
using uitest::WizardTest;

TEST_F(WizardTest, TheSystemColoursComeFromTheApplicationsPalette) {
  writeDatabase();
  startWizard();
  EXPECT_EQ(*paletteColour(ui::kTooltipColour), rgbOf(QApplication::palette().color(QPalette::ToolTipBase)));
  EXPECT_EQ(*paletteColour(ui::kMenuColour), rgbOf(QApplication::palette().color(QPalette::Button)));
}

TEST_F(WizardTest, QuitReleasesTheHeapExactlyOnce) {
  writeDatabase();
  const platform::HeapHandle outer = memory::HEAPBEGIN();
  startWizard();
  EXPECT_NE(memory::heapState().current, outer);
  clickButton("MAIN", ui::kQuitButton);
  EXPECT_EQ(liveFormCount(), 0u);
  EXPECT_EQ(memory::heapState().current, outer);
  EXPECT_EQ(eventsWithCode(kEventClosing).size(), 1u);
  EXPECT_EQ(db::catalogue().MoveCount, 0);
  EXPECT_TRUE(script.shown.empty());  // no question before closing
  // Nothing reaches the program after the closing event.
  injectEvent("MAIN", ui::kQuitButton, kEventClick, 0);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(memory::heapState().current, outer);
  memory::HEAPEND();
}

TEST_F(WizardTest, TheEntryRunsUntilQuitAndReturnsTheLoopsExitCode) {
  writeDatabase();
  const platform::HeapHandle outer = memory::HEAPBEGIN();
  bool sawWindow = false;
  QTimer::singleShot(200, [&] {
    sawWindow = liveFormCount() == 1 && EZ_GETTEXT("MAIN", ui::kHelpPanel) == ui::helpText();
    clickButton("MAIN", ui::kQuitButton);
  });
  int argc = 1;
  char name[] = "zor-wizard";
  char* argv[] = {name, nullptr};
  EXPECT_EQ(ui::startup::WINMAIN(argc, argv), 0);
  EXPECT_TRUE(sawWindow);
  EXPECT_EQ(liveFormCount(), 0u);
  EXPECT_EQ(memory::heapState().current, outer);
  memory::HEAPEND();
}

}  // namespace
