#include "ui/toolkit/run.h"

#include <QApplication>
#include <QEventLoop>
#include <memory>

#include "ui/toolkit/progress_window.h"
#include "ui/toolkit/session.h"
#include "ui/toolkit/state.h"

namespace ui::toolkit {

namespace {

bool anyFormAlive() {
  for (const auto& form : toolkit().forms) {
    if (form->alive) return true;
  }
  return false;
}

}  // namespace

void startGui(StartCallback start, EventCallback event, DesignCallback design) {
  Toolkit& state = toolkit();
  state.start = std::move(start);
  state.event = std::move(event);
  state.design = std::move(design);
  state.exitCode = 0;
  prepareSession();
  int32_t value = 0;
  state.starting = true;
  if (state.start) {
    StartCallback callback = state.start;
    callback(value);
  }
  state.starting = false;
}

int32_t runGuiLoop() {
  Toolkit& state = toolkit();
  if (!anyFormAlive()) return state.exitCode;
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
  const int32_t code = runGuiLoop();
  discardProgressWindow();
  Toolkit& state = toolkit();
  state.start = nullptr;
  state.event = nullptr;
  state.design = nullptr;
  return code;
}

void setExitCode(int32_t code) {
  toolkit().exitCode = code;
}

void EZ_DOEVENTS(int32_t milliseconds) {
  if (QApplication::instance() == nullptr) return;
  // Painting and timers go on; clicks and keys wait until the long work is over, so that no command
  // (Quit among them) runs in the middle of it.
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents, milliseconds > 0 ? milliseconds : 1);
}

void EZ_DEFIMAGEFOLDER(std::string_view folder) {
  toolkit().imageFolder = std::string(folder);
}

void EZ_ALLOWCOMMANDEVENTS(int32_t allow) {
  toolkit().commandEvents = allow;
}

void EZ_ALLOWLOADINGEVENT(int32_t mode) {
  toolkit().loadingEvents = mode;
}

}  // namespace ui::toolkit
