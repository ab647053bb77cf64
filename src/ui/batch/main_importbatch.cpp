#include "ui/batch/main_importbatch.h"

#include <string>
#include <vector>

#include "export/incoming.h"
#include "import/batch_import.h"
#include "services/messages.h"
#include "services/program.h"
#include "ui/form/button_style.h"
#include "ui/form/control_ids.h"
#include "ui/form/handlers.h"
#include "ui/steps/import_check.h"
#include "ui/steps/wizard_state.h"
#include "ui/toolkit/contents.h"
#include "ui/toolkit/run.h"

namespace ui {

namespace {
constexpr int32_t kProgressLow = 0;
constexpr std::string_view kNothingToImport =
    "{i}There is nothing to import: add the export files first with Add Export Files.";
}  // namespace

// The engine imports the files one by one and tells after each where it stands; the window shows it
// in the progress bar and the status box (newest line first) and keeps painting in between.
void DOIMPORT() {
  // The list shows the files as they read; the import takes them as the file system names them.
  const std::vector<std::string> paths = wizardState().batchFiles;
  if (paths.empty()) {
    services::showMessageBox(kThisForm, kNothingToImport, services::program().title, "OK");
    return;
  }
  const std::string statusBefore = toolkit::EZ_GETTEXT(kThisForm, kBatchResultBox);
  {
    const RunningScope running(wizardState());
    const imports::DatabaseFindings before = checkBeforeImport();
    imports::importBatch(paths, statusBefore,
                         [](int32_t position, int32_t files, std::string_view statusText) {
                           toolkit::EZ_SETPBAR(kMainForm, kBatchProgress, position, kProgressLow, files);
                           toolkit::EZ_SETTEXT(kThisForm, kBatchResultBox, statusText);
                         });
    warnAboutNewFaults(before);
  }
  toolkit::EZ_CLEAR(kThisForm, kExportFileList);
  wizardState().batchFiles.clear();
  // The incoming records are those of the last file, renumbered by its import: nothing the wizard may
  // import again.
  exports::incoming() = exports::IncomingRecords{};
}

void MAIN_IMPORTBATCH(int32_t id, int32_t code, int32_t value, int32_t&) {
  if (code == toolkit::kEventClick) {
    if (!wizardState().running) DOIMPORT();
  } else if (code == toolkit::kEventOwnerDraw) {
    drawStepButton(id, value, wizardState().phase == Phase::ExportListed);
  }
}

}  // namespace ui
