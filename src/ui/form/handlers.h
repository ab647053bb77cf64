// The handlers of form "MAIN", one per control, chosen by control id, and the procedures behind
// them. Each is declared in the header of the file that implements it; this header gathers them for
// the dispatch of the form's events.
#pragma once

#include "ui/batch/batch_view.h"
#include "ui/batch/main_addfiles.h"
#include "ui/batch/main_importbatch.h"
#include "ui/batch/main_undo.h"
#include "ui/form/passive_controls.h"
#include "ui/help/help.h"
#include "ui/mapping/fill_combo.h"
#include "ui/mapping/main_dives.h"
#include "ui/mapping/main_moves.h"
#include "ui/mapping/remap_item.h"
#include "ui/steps/main_doimport.h"
#include "ui/steps/main_open.h"
#include "ui/steps/main_refresh.h"
#include "ui/steps/reset_form.h"
#include "ui/steps/update_phase.h"
#include "ui/wrestlers/main_shortcuts.h"
#include "ui/wrestlers/main_wrestlers.h"
