// How one message of the queue is handled: a form's accelerator keys first, then the keyboard's way
// through the form (Tab, mnemonics), then the window it is for.
#pragma once

#include "ui/toolkit/keys.h"
#include "ui/toolkit/win32/win32.h"

namespace ui::toolkit {

UINT virtualKey(Key key);
// The modifiers held down now.
KeyModifiers heldModifiers();

// Delivers a key of a form's accelerator table as the event of its id; false when it is none.
bool raiseAccelerator(const MSG& message, KeyModifiers modifiers);
void handleMessage(MSG& message);

}  // namespace ui::toolkit
