#include "ui/form/window_services.h"

#include <utility>

#include "services/progress_text.h"
#include "ui/toolkit/dialogs.h"
#include "ui/toolkit/progress_window.h"
#include "ui/toolkit/run.h"

namespace ui {

WindowServices::WindowServices() {
  previousMessageBoxes_ = services::setMessageBoxService([](const services::MessageBoxRequest& request) {
    return toolkit::EZ_MSGBOX(request.form, request.text, request.title, request.buttons);
  });
  previousPump_ = services::setEventPump([](int32_t count) { toolkit::EZ_DOEVENTS(count); });
  previousReport_ = platform::setReportHandler(toolkit::showErrorReport);
  previousProgress_ = services::setProgressSink([](const services::Progress& progress) {
    if (progress.step.empty()) {
      toolkit::hideProgressWindow();
    } else if (progress.elapsed >= services::kShowProgressAfter) {
      toolkit::showProgressWindow(services::progressText(progress), progress.done, progress.total);
    }
  });
}

WindowServices::~WindowServices() {
  services::setMessageBoxService(std::move(previousMessageBoxes_));
  services::setEventPump(std::move(previousPump_));
  platform::setReportHandler(std::move(previousReport_));
  services::setProgressSink(std::move(previousProgress_));
  toolkit::hideProgressWindow();
}

}  // namespace ui
