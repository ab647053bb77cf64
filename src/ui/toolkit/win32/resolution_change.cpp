// A window moved to a monitor of another resolution: the program declares itself aware of each
// monitor's resolution, so Windows resizes only the frame and leaves the inside to us.
#include <cmath>

#include "ui/toolkit/back_end.h"
#include "ui/toolkit/units.h"
#include "ui/toolkit/win32/form_window.h"
#include "ui/toolkit/win32/native.h"
#include "ui/toolkit/win32/win32_fonts.h"

namespace ui::toolkit {

namespace {

int scaled(LRESULT pixels, double ratio) {
  return static_cast<int>(std::lround(static_cast<double>(pixels) * ratio));
}

}  // namespace

void relayoutForResolution(FormRecord& form, int dotsPerInch) {
  const double before = screenDotsPerInch();
  if (dotsPerInch <= 0 || before <= 0 || dotsPerInch == static_cast<int>(before)) return;
  monitorDotsPerInch() = dotsPerInch;
  const double ratio = dotsPerInch / before;
  for (const auto& control : form.controls) {
    HWND window = windowOf(*control);
    if (window == nullptr) continue;
    const Rect area = pixelRect(control->column, control->row, control->width, control->height);
    SetWindowPos(window, nullptr, area.x, area.y, area.width, area.height, SWP_NOZORDER | SWP_NOACTIVATE);
    control->native->font = gdiFont(control->native->fontSpec);
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(control->native->font), TRUE);
    if (control->kind == ControlKind::ListView) {
      const int columns = Header_GetItemCount(ListView_GetHeader(window));
      for (int i = 0; i < columns; ++i) ListView_SetColumnWidth(window, i, scaled(ListView_GetColumnWidth(window, i), ratio));
    } else if (control->kind == ControlKind::OwnerDrawnList) {
      // The program measures its items again, with the font of the new resolution.
      control->ownerItemHeight = -1;
      ensureItemHeight(form, *control);
    } else if (control->kind == ControlKind::ListBox) {
      SendMessageW(window, LB_SETITEMHEIGHT, 0, scaled(SendMessageW(window, LB_GETITEMHEIGHT, 0, 0), ratio));
    }
  }
}

void forgetResolutionUnlessShown(HWND going) {
  for (const auto& form : toolkit().forms) {
    HWND window = windowOf(*form);
    if (window != nullptr && window != going && IsWindow(window)) return;
  }
  monitorDotsPerInch() = 0;
}

}  // namespace ui::toolkit
