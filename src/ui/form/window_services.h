// The services the core calls and the window provides: message boxes, the event pump and the
// untrapped-error report box. The installation lasts as long as the object.
#pragma once

#include "platform/errors.h"
#include "services/events.h"
#include "services/messages.h"

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
};

}  // namespace ui
