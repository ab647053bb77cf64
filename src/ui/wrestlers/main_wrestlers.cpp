#include "ui/wrestlers/main_wrestlers.h"

#include <string>

#include "ui/form/control_ids.h"
#include "ui/form/handlers.h"
#include "ui/toolkit/contents.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/owner_draw.h"
#include "ui/toolkit/run.h"
#include "ui/wrestlers/wrestler_item_style.h"

namespace ui {

namespace {

void sizeItem(int32_t drawData) {
  int32_t width = 0;
  int32_t height = 0;
  toolkit::EZ_STARTOWNERSIZE(kMainForm, kWrestlerList, drawData, width, height);
  toolkit::EZ_ENDOWNERSIZE(kMainForm, kWrestlerList, drawData, width, kWrestlerItemHeight);
}

void drawItem(int32_t drawData) {
  int32_t deviceContext = 0, width = 0, height = 0, selected = 0, disabled = 0, focus = 0;
  if (toolkit::EZ_STARTOWNERDRAW(kMainForm, kWrestlerList, drawData, deviceContext, width, height, selected,
                                 disabled, focus) == 0) {
    return;
  }
  int32_t x = 0, y = 0, index = 0;
  toolkit::EZ_GETODITEM(drawData, x, y, index);
  const std::string text = toolkit::EZ_GETITEMTEXT(kMainForm, kWrestlerList, index);
  const char letter = text.empty() ? ' ' : text.front();
  const std::string shown = text.size() > 2 ? text.substr(2) : std::string();
  const WrestlerItemStyle style = wrestlerItemStyle(letter, selected != 0, disabled != 0, focus != 0);

  toolkit::EZ_SAVESTATE(deviceContext);
  toolkit::EZ_DCDRAW(deviceContext, toolkit::kDrawFilledRectangle, x, y, x + width - 1, y + height - 1, 1,
                     style.background);
  toolkit::EZ_DEFFONT(kWrestlerItemFont, "Arial", 10, style.bold ? "VB" : "V");
  toolkit::EZ_DCPRINT(deviceContext, x, y, shown, kWrestlerItemFont, style.text);
  toolkit::EZ_RESTORESTATE(deviceContext);
  toolkit::EZ_FREEFONT(kWrestlerItemFont);
}

}  // namespace

WrestlerItemStyle wrestlerItemStyle(char letter, bool selected, bool disabled, bool focus) {
  const bool male = letter == 'M';
  WrestlerItemStyle style;
  if (disabled) {
    style = {0, 31, false};
  } else if (focus) {
    style = {selected ? 14 : 15, 3, false};
  } else if (selected) {
    style = {9, male ? 27 : 28, false};
  } else {
    style = {0, male ? 27 : 28, false};
  }
  style.bold = selected;
  return style;
}

// The list's items: 16 pixels high, drawn by the rules of wrestlerItemStyle.
void MAIN_WRESTLERS(int32_t, int32_t code, int32_t value, int32_t&) {
  if (code == toolkit::kEventOwnerSize) {
    sizeItem(value);
  } else if (code == toolkit::kEventOwnerDraw) {
    drawItem(value);
  }
}

}  // namespace ui
