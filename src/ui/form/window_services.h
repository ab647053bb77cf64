// The services the core calls and the window provides: message boxes, the event pump, the
// untrapped-error report box and the progress window of long work. The installation lasts as long
// as the object.
#pragma once

#include "platform/errors.h"
#include "services/events.h"
#include "services/messages.h"
#include "services/progress.h"

namespace ui {

class WindowServices {
 public:
  WindowServices();
  ~WindowServices();
  WindowServices(const WindowServices&) = delete;
  WindowServices& operator=(const WindowServices&) = delete;

 private:
  services::MessageBoxService previousMessageBoxes_;
  services::EventPump previousPump_;
  platform::ReportHandler previousReport_;
  services::ProgressSink previousProgress_;
};

}  // namespace ui
