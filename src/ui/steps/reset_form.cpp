#include "ui/steps/reset_form.h"

#include "db/catalogue.h"
#include "db/load_database.h"
#include "export/incoming.h"
#include "services/program.h"
#include "ui/form/control_ids.h"
#include "ui/form/handlers.h"
#include "ui/steps/wizard_state.h"
#include "ui/toolkit/contents.h"

namespace ui {

namespace {
constexpr int32_t kSkipCircuits = 1;
constexpr int32_t kEveryRecordSet = 0;
}  // namespace

// The incoming records go with the lists: the run has renumbered their references, so a second import
// of them (Parse Selection after a failed open) would translate those numbers again.
void RESETFORM() {
  wizardState().phase = Phase::NothingOpen;
  UPDATEPHASE();
  for (int32_t id : {kWrestlerList, kMoveListView, kManagerList, kDiveListView, kTeamList}) {
    toolkit::EZ_CLEAR(kMainForm, id);
  }
  exports::incoming() = exports::IncomingRecords{};
  db::LOADDBS(db::catalogue(), services::program().databaseFolder, kSkipCircuits, kEveryRecordSet, nullptr);
}

}  // namespace ui
