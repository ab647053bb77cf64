#include <string>
#include <vector>

#include "export/incoming.h"
#include "import/list_selection.h"
#include "import/selection.h"
#include "ui/button_style.h"
#include "ui/control_ids.h"
#include "ui/export_lists.h"
#include "ui/handlers.h"
#include "ui/toolkit/contents.h"
#include "ui/toolkit/run.h"
#include "ui/wizard_state.h"

namespace ui {

namespace {

std::vector<std::string> listNames(const std::vector<exports::IncomingRecord>& records,
                                   const std::vector<int32_t>& indexes) {
  std::vector<std::string> names;
  names.reserve(indexes.size());
  for (int32_t index : indexes) names.push_back(records[static_cast<size_t>(index)].ListName);
  return names;
}

}  // namespace

// Any mapping made in the list views before is discarded: the rows are filled anew.
void REFRESHDISPLAY() {
  exports::IncomingRecords& incoming = exports::incoming();
  imports::copyWrestlerSelection(readWrestlerItems(), incoming);
  imports::evaluateSelection(incoming);
  const imports::NeededNewRecords needed = imports::neededNewRecords(incoming);

  toolkit::EZ_SETREDRAWSTATE(kMainForm, 0);
  showMappingRows(kMoveListView, listNames(incoming.IncomingMoves, needed.Moves));
  showMappingRows(kDiveListView, listNames(incoming.IncomingDives, needed.Dives));
  showNames(kManagerList, listNames(incoming.IncomingManagers, needed.Managers));
  showNames(kTeamList, listNames(incoming.IncomingTeams, needed.Teams));
  showRowCounts();
  toolkit::EZ_SETREDRAWSTATE(kMainForm, 1);
  toolkit::EZ_REDRAWFORM(kMainForm);

  wizardState().phase = Phase::SelectionParsed;
  UPDATEPHASE();
}

void MAIN_REFRESH(int32_t id, int32_t code, int32_t value, int32_t&) {
  if (code == toolkit::kEventClick) {
    if (!wizardState().running) REFRESHDISPLAY();
  } else if (code == toolkit::kEventOwnerDraw) {
    drawStepButton(id, value, wizardState().phase == Phase::ExportListed);
  }
}

}  // namespace ui
