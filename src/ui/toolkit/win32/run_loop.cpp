#include "ui/toolkit/run.h"

#include "ui/toolkit/progress_window.h"
#include "ui/toolkit/state.h"
#include "ui/toolkit/win32/message_pump.h"
#include "ui/toolkit/win32/native.h"

namespace ui::toolkit {

namespace {

// The windows of unloaded forms whose destruction was still waiting.
void destroyDeadWindows() {
  for (const auto& form : toolkit().forms) {
    if (!form->alive && form->native && form->native->window != nullptr && IsWindow(form->native->window)) {
      DestroyWindow(form->native->window);
    }
  }
}

}  // namespace

int32_t runGuiLoop() {
  Toolkit& state = toolkit();
  if (liveFormCount() == 0) return state.exitCode;
  state.loopRunning = true;
  MSG message;
  int32_t code = state.exitCode;
  for (;;) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      code = got == 0 ? static_cast<int32_t>(message.wParam) : state.exitCode;
      break;
    }
    handleMessage(message);
  }
  state.loopRunning = false;
  destroyDeadWindows();
  return code;
}

int32_t EZ_GUIRUN(const EntryArguments&, StartCallback start, EventCallback event, DesignCallback design,
                  int32_t) {
  startGui(std::move(start), std::move(event), std::move(design));
  return finishGui(runGuiLoop());
}

void EZ_DOEVENTS(int32_t milliseconds) {
  // Painting, timers and the program's own posted messages go on; clicks and keys wait until the
  // long work is over, so that no command (Quit among them) runs in the middle of it.
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(milliseconds > 0 ? milliseconds : 1);
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT | PM_QS_POSTMESSAGE | PM_QS_SENDMESSAGE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
    if (GetTickCount64() >= end) return;
  }
}

}  // namespace ui::toolkit
