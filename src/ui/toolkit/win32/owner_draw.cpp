#include "ui/toolkit/owner_draw.h"

#include <algorithm>

#include "ui/toolkit/owner_draw_context.h"
#include "ui/toolkit/palette_colours.h"
#include "ui/toolkit/win32/list_access.h"
#include "ui/toolkit/win32/native.h"
#include "ui/toolkit/win32/win32_fonts.h"
#include "ui/toolkit/win32/win32_text.h"

namespace ui::toolkit {

namespace {

COLORREF colourOr(int32_t number, int systemIndex) {
  const std::optional<Rgb> colour = paletteColour(number);
  return colour ? colourRef(*colour) : GetSysColor(systemIndex);
}

COLORREF shade(COLORREF colour, int percent) {
  const auto part = [percent](int value) { return static_cast<BYTE>(std::clamp(value * percent / 100, 0, 255)); };
  return RGB(part(GetRValue(colour)), part(GetGValue(colour)), part(GetBValue(colour)));
}

COLORREF lighter(COLORREF colour, int percent) {
  const auto part = [percent](int value) {
    return static_cast<BYTE>(std::clamp(255 - (255 - value) * 100 / percent, 0, 255));
  };
  return RGB(part(GetRValue(colour)), part(GetGValue(colour)), part(GetBValue(colour)));
}

void line(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour) {
  HPEN pen = CreatePen(PS_SOLID, 1, colour);
  HGDIOBJ old = SelectObject(dc, pen);
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
  SelectObject(dc, old);
  DeleteObject(pen);
}

// A Windows-style bevel in shades of the face: light top-left and dark bottom-right, reversed when
// pressed.
void drawBevel(HDC dc, const RECT& rect, COLORREF face, bool pressed) {
  HBRUSH fill = CreateSolidBrush(face);
  FillRect(dc, &rect, fill);
  DeleteObject(fill);
  const COLORREF light = pressed ? RGB(0, 0, 0) : lighter(face, 160);
  const COLORREF dark = pressed ? lighter(face, 160) : RGB(0, 0, 0);
  const COLORREF mid = pressed ? lighter(face, 115) : shade(face, 62);
  const int right = rect.right - 1;
  const int bottom = rect.bottom - 1;
  line(dc, rect.left, bottom, rect.left, rect.top, light);
  line(dc, rect.left, rect.top, right, rect.top, light);
  line(dc, right, rect.top, right, bottom, dark);
  line(dc, right, bottom, rect.left - 1, bottom, dark);
  line(dc, right - 1, rect.top + 1, right - 1, bottom - 1, mid);
  line(dc, right - 1, bottom - 1, rect.left, bottom - 1, mid);
}

}  // namespace

void EZ_DRAWCOLORBUTTON(std::string_view form, int32_t id, int32_t drawData, int32_t background,
                        int32_t textColour, int32_t font) {
  DrawContext* context = paintingContext(drawData);
  if (context == nullptr) return;
  HDC dc = context->surface->dc;
  const RECT rect{context->rect.x, context->rect.y, context->rect.x + context->rect.width,
                  context->rect.y + context->rect.height};
  const COLORREF face = colourOr(background, COLOR_BTNFACE);
  const COLORREF ink = colourOr(textColour, COLOR_BTNTEXT);
  const int saved = SaveDC(dc);
  drawBevel(dc, rect, face, context->selected);

  SelectObject(dc, fontOf(font));
  SetBkMode(dc, TRANSPARENT);
  RECT caption{rect.left + 3, rect.top + 2, rect.right - 3, rect.bottom - 2};
  if (context->selected) OffsetRect(&caption, 1, 1);
  const std::wstring text = windowText(context->surface->window);
  const UINT flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  if (context->disabled) {
    RECT embossed = caption;
    OffsetRect(&embossed, 1, 1);
    SetTextColor(dc, lighter(face, 170));
    DrawTextW(dc, text.c_str(), -1, &embossed, flags);
    SetTextColor(dc, shade(face, 66));
  } else {
    SetTextColor(dc, ink);
  }
  DrawTextW(dc, text.c_str(), -1, &caption, flags);
  if (context->focus && !context->disabled) {
    RECT frame{rect.left + 4, rect.top + 4, rect.right - 4, rect.bottom - 4};
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &frame);
  }
  RestoreDC(dc, saved);

  context->drawn = true;
  if (ControlRecord* control = findControl(form, id)) {
    control->lastDrawn = DrawnStyle{true, background, textColour, font};
  }
}

void EZ_SAVESTATE(int32_t deviceContext) {
  if (DrawContext* context = paintingContext(deviceContext)) SaveDC(context->surface->dc);
}

void EZ_RESTORESTATE(int32_t deviceContext) {
  if (DrawContext* context = paintingContext(deviceContext)) RestoreDC(context->surface->dc, -1);
}

void EZ_DCDRAW(int32_t deviceContext, int32_t shape, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
               int32_t penWidth, int32_t colour) {
  DrawContext* context = paintingContext(deviceContext);
  if (context == nullptr) return;
  HDC dc = context->surface->dc;
  const COLORREF ink = colourOr(colour, COLOR_WINDOWTEXT);
  const RECT box{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2) + 1, std::max(y1, y2) + 1};
  const int saved = SaveDC(dc);
  HPEN pen = CreatePen(PS_SOLID, std::max(1, penWidth), ink);
  HBRUSH brush = CreateSolidBrush(ink);
  SelectObject(dc, pen);
  SelectObject(dc, GetStockObject(NULL_BRUSH));
  switch (shape) {
    case kDrawLine:
      MoveToEx(dc, x1, y1, nullptr);
      LineTo(dc, x2, y2);
      break;
    case kDrawRectangle:
      Rectangle(dc, box.left, box.top, box.right, box.bottom);
      break;
    case kDrawFilledRectangle:
      FillRect(dc, &box, brush);
      break;
    case kDrawEllipse:
      Ellipse(dc, box.left, box.top, box.right, box.bottom);
      break;
    case kDrawFilledEllipse:
      SelectObject(dc, brush);
      Ellipse(dc, box.left, box.top, box.right, box.bottom);
      break;
    default:
      break;
  }
  RestoreDC(dc, saved);
  DeleteObject(pen);
  DeleteObject(brush);
  context->drawn = true;
}

void EZ_DCPRINT(int32_t deviceContext, int32_t x, int32_t y, std::string_view text, int32_t font,
                int32_t textColour) {
  DrawContext* context = paintingContext(deviceContext);
  if (context == nullptr) return;
  HDC dc = context->surface->dc;
  const int saved = SaveDC(dc);
  SelectObject(dc, fontOf(font));
  SetTextColor(dc, colourOr(textColour, COLOR_WINDOWTEXT));
  SetBkMode(dc, TRANSPARENT);
  SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  const std::wstring wide = wideFrom1252(text);
  TextOutW(dc, x, y, wide.c_str(), static_cast<int>(wide.size()));
  RestoreDC(dc, saved);
  context->drawn = true;
}

}  // namespace ui::toolkit
