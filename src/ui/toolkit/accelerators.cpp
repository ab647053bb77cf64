#include "ui/toolkit/accelerators.h"

#include "ui/toolkit/accelerator_keys.h"
#include "ui/toolkit/state.h"

namespace ui::toolkit {

void EZ_DEFACCEL(std::string_view form, std::string_view table) {
  if (FormRecord* record = findForm(form)) record->accelerators = parseAccelerators(table);
}

}  // namespace ui::toolkit
