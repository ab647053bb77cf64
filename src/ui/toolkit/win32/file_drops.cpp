#include "ui/toolkit/file_drops.h"

#include "ui/toolkit/state.h"
#include "ui/toolkit/win32/native.h"

namespace ui::toolkit {

void setFileDropHandler(std::string_view form, FileDropHandler handler) {
  FormRecord* record = findForm(form);
  HWND window = record != nullptr ? windowOf(*record) : nullptr;
  if (window == nullptr) return;
  DragAcceptFiles(window, handler ? TRUE : FALSE);
  record->native->drops = std::move(handler);
}

}  // namespace ui::toolkit
