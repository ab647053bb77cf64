#include "ui/mapping/fill_combo.h"

#include <string>

#include "db/catalogue.h"
#include "platform/text.h"
#include "ui/form/control_ids.h"
#include "ui/form/handlers.h"
#include "ui/toolkit/contents.h"

namespace ui {

namespace {

template <class Record>
void fill(int32_t combo, const std::vector<Record>& records, int32_t count) {
  std::string items = std::string(kRenameChoice) + "|";
  for (int32_t i = 1; i <= count && i < static_cast<int32_t>(records.size()); ++i) {
    items += memory::heapText(records[i].ListName);
    items += "|";
  }
  toolkit::EZ_CLEAR(kMainForm, combo);
  toolkit::EZ_ADDITEMS(kMainForm, combo, std::string(platform::trimmed(items, '|')));
}

}  // namespace

void FILLCOMBO() {
  const db::Catalogue& catalogue = db::catalogue();
  fill(kMapMovesCombo, catalogue.Moves, catalogue.MoveCount);
  fill(kMapDivesCombo, catalogue.Dives, catalogue.DiveCount);
}

}  // namespace ui
