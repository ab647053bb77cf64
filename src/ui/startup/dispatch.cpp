#include "ui/startup/dispatch.h"

#include "ui/form/control_ids.h"
#include "ui/form/handlers.h"
#include "ui/startup/form_events.h"

namespace ui::startup {

void EZ_MAIN_PARSEEVENTS(int32_t id, int32_t code, int32_t value, int32_t& cancel) {
  using namespace ui;
  switch (id) {
    case kOpenButton:
      MAIN_OPEN(id, code, value, cancel);
      break;
    case kWrestlerList:
      MAIN_WRESTLERS(id, code, value, cancel);
      break;
    case kMoveListView:
      MAIN_MOVES(id, code, value, cancel);
      break;
    case kDiveListView:
      MAIN_DIVES(id, code, value, cancel);
      break;
    case kParseButton:
      MAIN_REFRESH(id, code, value, cancel);
      break;
    case kImportButton:
      MAIN_DOIMPORT(id, code, value, cancel);
      break;
    case kQuitButton:
      MAIN_QUIT(id, code, value, cancel);
      break;
    case kHelpButton:
      MAIN_HELP(id, code, value, cancel);
      break;
    case kBatchButton:
      MAIN_BATCH(id, code, value, cancel);
      break;
    case kCloseButton:
      MAIN_RETURN(id, code, value, cancel);
      break;
    case kAddFilesButton:
      MAIN_ADDFILES(id, code, value, cancel);
      break;
    case kImportBatchButton:
      MAIN_IMPORTBATCH(id, code, value, cancel);
      break;
    case kMapMovesCombo:
      MAIN_MAPMOVES(id, code, value, cancel);
      break;
    case kMapDivesCombo:
      MAIN_MAPDIVES(id, code, value, cancel);
      break;
    case kManagerList:
      MAIN_MANAGERS(id, code, value, cancel);
      break;
    case kTeamList:
      MAIN_TEAMS(id, code, value, cancel);
      break;
    case kMoveCountBox:
      MAIN_MOVECOUNT(id, code, value, cancel);
      break;
    case kDiveCountBox:
      MAIN_DIVECOUNT(id, code, value, cancel);
      break;
    case kExportFileList:
      MAIN_FILES(id, code, value, cancel);
      break;
    case kUndoButton:
      MAIN_UNDO(id, code, value, cancel);
      break;
    case kBatchResultBox:
      MAIN_RESULTS(id, code, value, cancel);
      break;
    case kHelpPanel:
      MAIN_HELPTEXT(id, code, value, cancel);
      break;
    default:
      // The form itself, labels, the progress bar and the keyboard shortcuts.
      MAIN_EVENTS(id, code, value, cancel);
      break;
  }
}

}  // namespace ui::startup
