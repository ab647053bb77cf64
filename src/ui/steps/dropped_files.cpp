#include "ui/steps/dropped_files.h"

#include "ui/batch/main_addfiles.h"
#include "ui/steps/main_open.h"
#include "ui/steps/wizard_state.h"

namespace ui {

void filesDropped(const std::vector<std::string>& paths, int32_t) {
  // A drop in the middle of a run waits for nobody: like a click then, it is not taken.
  if (paths.empty() || wizardState().running) return;
  if (wizardState().batchShown) {
    addBatchFiles(paths);
  } else {
    openExportFile(paths.front());
  }
}

}  // namespace ui
