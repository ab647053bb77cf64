#include "ui/mapping/remap_item.h"

#include <string>
#include <string_view>

#include "import/mapping_rows.h"
#include "services/program.h"
#include "ui/form/control_ids.h"
#include "ui/form/handlers.h"
#include "ui/steps/export_lists.h"
#include "ui/toolkit/contents.h"
#include "ui/toolkit/dialogs.h"

namespace ui {

namespace {

constexpr std::string_view kRenamePrompt = "Please enter the move's new name (without the article).";
constexpr int32_t kMappedNumber = 0;

}  // namespace

// A cancelled or empty rename leaves a single blank: the row is imported under its own name again.
void REMAPITEM(int32_t listView, int32_t row, int32_t combo) {
  if (row < 0 || row >= toolkit::EZ_GETATTR(kMainForm, listView, "ICount")) return;
  const std::string chosen = toolkit::EZ_GETTEXT(kMainForm, combo);
  if (chosen.empty()) return;
  std::string newText = chosen;
  int32_t number = kMappedNumber;
  if (chosen == kRenameChoice) {
    newText = toolkit::askText(kRenamePrompt, services::program().title,
                               toolkit::EZ_GETLVITEMTEXT(kMainForm, listView, row, 0));
    if (newText.empty()) {
      newText.push_back(' ');
    } else {
      number = imports::kRenameItemNumber;
    }
  }
  toolkit::EZ_SETLVLONG(kMainForm, listView, row, number);
  toolkit::EZ_SETLVITEM(kMainForm, listView, row, 1, newText);
  showRowCounts();
}

}  // namespace ui
