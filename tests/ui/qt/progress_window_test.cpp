// The window's progress: shown over the forms once long work has lasted half a second, with the step
// and the count, and gone when the work is over.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>
#include <chrono>

#include "services/progress.h"
#include "ui/toolkit/progress_window.h"
#include "ui/toolkit/qt/native.h"
#include "ui/toolkit/state.h"
#include "wizard_fixture.h"

namespace {

using namespace std::chrono_literals;
using uitest::WizardTest;

TEST_F(WizardTest, LongWorkShowsItsStepAndCountUntilItIsOver) {
  writeDatabase();
  startWizard();
  // The sink the window installed, called as the engine's steps call it.
  services::ProgressSink window = services::setProgressSink(nullptr);
  ASSERT_TRUE(window);
  const int before = ui::toolkit::progressWindowState().shownTimes;

  window(services::Progress{"Loading wrestlers", 5, 10, 200ms});
  EXPECT_FALSE(ui::toolkit::progressWindowState().visible) << "work that has not lasted is not shown";

  window(services::Progress{"Loading wrestlers", 7, 10, 600ms});
  ui::toolkit::ProgressWindowState shown = ui::toolkit::progressWindowState();
  EXPECT_TRUE(shown.visible);
  EXPECT_EQ(shown.text, "Loading wrestlers: 7 of 10");
  EXPECT_EQ(shown.done, 7);
  EXPECT_EQ(shown.total, 10);

  // Over the middle of the main window.
  QWidget* shownWindow = nullptr;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->isVisible() && top->windowTitle() == "Please wait") shownWindow = top;
  }
  ASSERT_NE(shownWindow, nullptr);
  const QPoint off =
      shownWindow->frameGeometry().center() - ui::toolkit::controlWidget("MAIN", 0)->frameGeometry().center();
  EXPECT_LE(off.manhattanLength(), 1);

  window(services::Progress{"Building the indexes", 0, 0, 900ms});
  shown = ui::toolkit::progressWindowState();
  EXPECT_EQ(shown.text, "Building the indexes");
  EXPECT_EQ(shown.shownTimes, before + 1) << "one window, updated";

  window(services::Progress{"", 0, 0, 1000ms});
  EXPECT_FALSE(ui::toolkit::progressWindowState().visible);

  // Discarded when the toolkit's run ends, it is made anew for the next long work.
  ui::toolkit::discardProgressWindow();
  window(services::Progress{"Writing moves", 1, 2, 700ms});
  EXPECT_TRUE(ui::toolkit::progressWindowState().visible);
  EXPECT_EQ(ui::toolkit::progressWindowState().shownTimes, before + 2);
  window(services::Progress{"", 0, 0, 800ms});
  services::setProgressSink(std::move(window));
}

}  // namespace
