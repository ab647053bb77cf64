// The wizard on the import scenario, with the steps of its wrestler list.
#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

#include "road_fixture.h"
#include "support/game_records.h"
#include "ui/form/control_ids.h"
#include "ui/toolkit/contents.h"

namespace uitest {

class WrestlerListTest : public RoadTest {
 protected:
  // An export of `count` new wrestlers "Wrestler 001" and on: every item selected.
  void openManyWrestlers(int count) {
    std::vector<testsupport::WrestlerSpec> wrestlers;
    for (int i = 1; i <= count; ++i) {
      char name[32];
      std::snprintf(name, sizeof name, "Wrestler %03d", i);
      wrestlers.push_back(testsupport::wrestlerSpec(name));
    }
    openExport(writeExport(testsupport::wrestlersOnlyExport(wrestlers).lines(), "many.zor"));
  }
  void focusItem(int32_t index) {
    ui::toolkit::focusControl("MAIN", ui::kWrestlerList);
    ui::toolkit::EZ_SETATTR("MAIN", ui::kWrestlerList, "IFocus", index);
  }
};

}  // namespace uitest
