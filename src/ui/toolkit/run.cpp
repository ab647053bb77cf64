#include "ui/toolkit/run.h"

#include <string>

#include "ui/toolkit/progress_window.h"
#include "ui/toolkit/session.h"
#include "ui/toolkit/state.h"

namespace ui::toolkit {

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

int32_t finishGui(int32_t code) {
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
