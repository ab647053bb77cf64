// "Import Batch" of the batch view.
// A handler receives the control id, the message code, the message value and the cancel flag.
#pragma once

#include <cstdint>

namespace ui {

// The batch list imported file by file, with the progress bar and the status box.
void DOIMPORT();
void MAIN_IMPORTBATCH(int32_t id, int32_t code, int32_t value, int32_t& cancel);

}  // namespace ui
