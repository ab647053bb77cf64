// The handlers of form "MAIN", one per control, chosen by control id, and the procedures behind
// them. Each is declared in the header of the file that implements it; this header gathers them for
// the dispatch of the form's events.
#pragma once

#include "ui/batch_view.h"
#include "ui/fill_combo.h"
#include "ui/help.h"
#include "ui/main_addfiles.h"
#include "ui/main_dives.h"
#include "ui/main_doimport.h"
#include "ui/main_importbatch.h"
#include "ui/main_moves.h"
#include "ui/main_open.h"
#include "ui/main_refresh.h"
#include "ui/main_shortcuts.h"
#include "ui/main_undo.h"
#include "ui/main_wrestlers.h"
#include "ui/passive_controls.h"
#include "ui/remap_item.h"
#include "ui/reset_form.h"
#include "ui/update_phase.h"
