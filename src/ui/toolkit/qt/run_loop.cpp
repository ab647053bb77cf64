#include "ui/toolkit/run.h"

#include <QApplication>
#include <QEventLoop>
#include <memory>

#include "ui/toolkit/progress_window.h"
#include "ui/toolkit/state.h"

namespace ui::toolkit {

int32_t runGuiLoop() {
  Toolkit& state = toolkit();
  if (liveFormCount() == 0) return state.exitCode;
  state.loopRunning = true;
  const int code = QApplication::exec();
  state.loopRunning = false;
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return code;
}

int32_t EZ_GUIRUN(const EntryArguments& entry, StartCallback start, EventCallback event,
                  DesignCallback design, int32_t) {
  static int fallbackArgc = 1;
  static char programName[] = "zor-wizard";
  static char* fallbackArgv[] = {programName, nullptr};
  std::unique_ptr<QApplication> application;
  if (QApplication::instance() == nullptr) {
    int& argc = entry.argc != nullptr ? *entry.argc : fallbackArgc;
    char** argv = entry.argv != nullptr ? entry.argv : fallbackArgv;
    application = std::make_unique<QApplication>(argc, argv);
  }
  startGui(std::move(start), std::move(event), std::move(design));
  return finishGui(runGuiLoop());
}

void EZ_DOEVENTS(int32_t milliseconds) {
  if (QApplication::instance() == nullptr) return;
  // Painting and timers go on; clicks and keys wait until the long work is over, so that no command
  // (Quit among them) runs in the middle of it.
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents, milliseconds > 0 ? milliseconds : 1);
}

}  // namespace ui::toolkit
