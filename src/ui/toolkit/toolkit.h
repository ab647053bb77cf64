// The window toolkit: forms, controls, events, owner drawing and dialogs over the system's windows
// (the back end of ui/toolkit/qt), addressed by form name and control id with 8-bit Windows-1252
// texts and character-unit geometry.
#pragma once

#include "ui/toolkit/accelerators.h"
#include "ui/toolkit/accessibility.h"
#include "ui/toolkit/contents.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/dialogs.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/forms.h"
#include "ui/toolkit/keyboard.h"
#include "ui/toolkit/owner_draw.h"
#include "ui/toolkit/palette.h"
#include "ui/toolkit/run.h"
