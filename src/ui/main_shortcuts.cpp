#include "ui/control_ids.h"
#include "ui/handlers.h"
#include "ui/toolkit/contents.h"
#include "ui/wizard_state.h"
#include "ui/wrestler_selection.h"

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
  switch (id) {
    case 9999:
      SELECTWRESTLERS(kSelectAll, 0);
      break;
    case 9998:
      SELECTWRESTLERS(kSelectNone, 0);
      break;
    case 9997:
      SELECTWRESTLERS(kInvertSelection, 0);
      break;
    case 9996:
      SELECTWRESTLERS(kSelectDownwards, current);
      break;
    case 9995:
      SELECTWRESTLERS(kSelectUpwards, current);
      break;
    case 9994:
      SELECTWRESTLERS(kDeselectDownwards, current);
      break;
    case 9993:
      SELECTWRESTLERS(kDeselectUpwards, current);
      break;
    default:
      break;
  }
}

}  // namespace ui
