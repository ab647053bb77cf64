#include "ui/wrestlers/main_shortcuts.h"

#include "ui/form/control_ids.h"
#include "ui/form/handlers.h"
#include "ui/steps/wizard_state.h"
#include "ui/toolkit/contents.h"
#include "ui/wrestlers/wrestler_selection.h"

namespace ui {

int32_t selectionAfter(int32_t mode, int32_t index, int32_t current, int32_t state) {
  switch (mode) {
    case kSelectAll:
      return 1;
    case kSelectNone:
      return 0;
    case kInvertSelection:
      return 1 - state;
    case kSelectDownwards:
      return index >= current ? 1 : state;
    case kSelectUpwards:
      return index <= current ? 1 : state;
    case kDeselectDownwards:
      return index >= current ? 0 : state;
    case kDeselectUpwards:
      return index <= current ? 0 : state;
    default:
      return state;
  }
}

// Every item is written, and the list is put back as it was shown: same top item, same focused item.
void SELECTWRESTLERS(int32_t mode, int32_t current) {
  using namespace toolkit;
  EZ_SETREDRAWSTATE(kMainForm, 0);
  const int32_t count = EZ_GETATTR(kMainForm, kWrestlerList, "ICount");
  const int32_t focused = EZ_GETATTR(kMainForm, kWrestlerList, "IFocus");
  const int32_t top = EZ_GETATTR(kMainForm, kWrestlerList, "TIndex");
  for (int32_t i = 0; i < count; ++i) {
    const int32_t state = EZ_GETSELECT(kMainForm, kWrestlerList, i) != 0 ? 1 : 0;
    EZ_SETSELECT(kMainForm, kWrestlerList, i, selectionAfter(mode, i, current, state));
  }
  EZ_SETATTR(kMainForm, kWrestlerList, "TIndex", top);
  EZ_SETREDRAWSTATE(kMainForm, 1);
  EZ_SETATTR(kMainForm, kWrestlerList, "IFocus", focused);
  EZ_REDRAWFORM(kMainForm);
}

// The keys act on the wrestler list only while it has the keyboard focus.
void MAIN_SHORTCUTS(int32_t id, int32_t, int32_t, int32_t&) {
  if (wizardState().running) return;
  if (toolkit::EZ_GETFOCUSID(kMainForm) != kWrestlerList) return;
  const int32_t current = toolkit::EZ_GETATTR(kMainForm, kWrestlerList, "IFocus");
  for (const SelectionShortcut& shortcut : kSelectionShortcuts) {
    if (shortcut.id != id) continue;
    SELECTWRESTLERS(shortcut.mode, current);  // the modes on the whole list do not look at it
    return;
  }
}

std::string shortcutTable() {
  std::string table;
  for (const SelectionShortcut& shortcut : kSelectionShortcuts) {
    if (!table.empty()) table += '|';
    table += std::string(shortcut.key) + "," + std::to_string(shortcut.id);
  }
  return table;
}

}  // namespace ui
