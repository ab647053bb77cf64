#include "ui/steps/main_open.h"

#include <string>
#include <string_view>

#include "db/catalogue.h"
#include "export/incoming.h"
#include "export/open_export.h"
#include "import/import_session.h"
#include "platform/files.h"
#include "services/messages.h"
#include "ui/form/button_style.h"
#include "ui/form/control_ids.h"
#include "ui/form/handlers.h"
#include "ui/steps/export_lists.h"
#include "ui/steps/wizard_state.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/dialogs.h"
#include "ui/toolkit/palette.h"
#include "ui/toolkit/run.h"

namespace ui {

namespace {

constexpr std::string_view kOpenTitle = "Please select an export file to open.";

}  // namespace

void OPENEXPORT() {
  toolkit::EZ_COLOR(toolkit::kDefaultColour, toolkit::kDefaultColour);
  const std::string directory = platform::currentDirectory();
  const std::string path = toolkit::EZ_OPENFILE(kMainForm, kOpenTitle, "", kExportFilter, "R");
  // Every game path is relative to the current directory, whatever the dialog did to it.
  if (platform::currentDirectory() != directory) platform::changeDirectory(directory);
  if (!path.empty()) openExportFile(path);
}

void openExportFile(const std::string& path) {
  const exports::OpenExportResult opened = imports::ImportSession().open(path);
  if (auto message = exports::messageOf(opened)) services::showMessageBox(*message);
  // An object or gimmick-match export has been imported by now. A file that could not be listed leaves
  // the wizard as it was: nothing open, or the earlier export with its selection and mapping.
  if (opened.road != exports::ExportRoad::WrestlerExportParsed ||
      opened.parse.outcome != exports::ParseOutcome::Parsed) {
    return;
  }
  showParsedExport(opened.parse);
  wizardState().phase = Phase::ExportListed;
  UPDATEPHASE();
}

void MAIN_OPEN(int32_t id, int32_t code, int32_t value, int32_t&) {
  if (code == toolkit::kEventClick) {
    if (!wizardState().running) OPENEXPORT();
  } else if (code == toolkit::kEventOwnerDraw) {
    drawStepButton(id, value, wizardState().phase == Phase::NothingOpen);
  }
}

}  // namespace ui
