#include "ui/toolkit/owner_draw.h"

#include <qdrawutil.h>
#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "ui/toolkit/font_conversion.h"
#include "ui/toolkit/owner_draw_context.h"
#include "ui/toolkit/palette_colours.h"
#include "ui/toolkit/state.h"
#include "ui/toolkit/text.h"

namespace ui::toolkit {

namespace {

DrawContext* contextOf(int32_t handle) {
  const auto& contexts = toolkit().drawContexts;
  auto found = contexts.find(handle);
  return found != contexts.end() ? found->second : nullptr;
}

DrawContext* paintingContext(int32_t handle) {
  DrawContext* context = contextOf(handle);
  return context != nullptr && !context->sizing && context->painter != nullptr ? context : nullptr;
}

QColor colourOr(int32_t number, const QColor& fallback) {
  return paletteColour(number).value_or(fallback);
}

// A Windows-style bevel: light top-left and dark bottom-right, reversed when pressed.
void drawBevel(QPainter& painter, const QRect& rect, const QColor& face, bool pressed) {
  QPalette bevel;
  bevel.setColor(QPalette::Light, face.lighter(160));
  bevel.setColor(QPalette::Midlight, face.lighter(115));
  bevel.setColor(QPalette::Button, face);
  bevel.setColor(QPalette::Mid, face.darker(130));
  bevel.setColor(QPalette::Dark, face.darker(160));
  bevel.setColor(QPalette::Shadow, QColor(0, 0, 0));
  const QBrush fill(face);
  qDrawWinButton(&painter, rect, bevel, pressed, &fill);
}

}  // namespace

bool raiseOwnerEvent(uint64_t serial, int32_t id, int32_t code, DrawContext& context) {
  Toolkit& state = toolkit();
  int32_t handle = state.nextDrawHandle++;
  if (state.nextDrawHandle <= 0) state.nextDrawHandle = 1;
  state.drawContexts[handle] = &context;
  raiseEvent(serial, id, code, handle);
  state.drawContexts.erase(handle);
  return context.sizing ? context.sized : context.drawn;
}

void EZ_DRAWCOLORBUTTON(std::string_view form, int32_t id, int32_t drawData, int32_t background,
                        int32_t textColour, int32_t font) {
  DrawContext* context = paintingContext(drawData);
  if (context == nullptr) return;
  auto* button = dynamic_cast<QAbstractButton*>(context->widget);
  if (button == nullptr) return;
  QPainter& painter = *context->painter;
  const QRect rect = context->rect;
  const QColor face = colourOr(background, QApplication::palette().color(QPalette::Button));
  const QColor ink = colourOr(textColour, QApplication::palette().color(QPalette::ButtonText));

  painter.save();
  drawBevel(painter, rect, face, context->selected);

  painter.setFont(fontOf(font));
  QRect captionRect = rect.adjusted(3, 2, -3, -2);
  if (context->selected) captionRect.translate(1, 1);
  const int flags = Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextSingleLine;
  if (context->disabled) {
    painter.setPen(face.lighter(170));
    painter.drawText(captionRect.translated(1, 1), flags, button->text());
    painter.setPen(face.darker(150));
  } else {
    painter.setPen(ink);
  }
  painter.drawText(captionRect, flags, button->text());

  if (context->focus && !context->disabled) {
    QStyleOptionFocusRect focusFrame;
    focusFrame.initFrom(button);
    focusFrame.rect = rect.adjusted(4, 4, -4, -4);
    focusFrame.backgroundColor = face;
    button->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focusFrame, &painter, button);
  }
  painter.restore();

  context->drawn = true;
  if (FormRecord* record = findForm(form)) {
    if (ControlRecord* control = record->control(id)) {
      control->lastDrawn = DrawnStyle{true, background, textColour, font};
    }
  }
}

void EZ_STARTOWNERSIZE(std::string_view, int32_t, int32_t drawData, int32_t& width, int32_t& height) {
  DrawContext* context = contextOf(drawData);
  if (context == nullptr || !context->sizing) {
    width = 0;
    height = 0;
    return;
  }
  width = context->width;
  height = context->height;
}

void EZ_ENDOWNERSIZE(std::string_view, int32_t, int32_t drawData, int32_t width, int32_t height) {
  DrawContext* context = contextOf(drawData);
  if (context == nullptr || !context->sizing) return;
  context->width = width;
  context->height = height;
  context->sized = true;
}

int32_t EZ_STARTOWNERDRAW(std::string_view, int32_t, int32_t drawData, int32_t& deviceContext, int32_t& width,
                          int32_t& height, int32_t& selected, int32_t& disabled, int32_t& focus) {
  DrawContext* context = paintingContext(drawData);
  if (context == nullptr || context->rect.isEmpty()) {
    deviceContext = 0;
    width = height = selected = disabled = focus = 0;
    return 0;
  }
  deviceContext = drawData;
  width = context->rect.width();
  height = context->rect.height();
  selected = context->selected ? 1 : 0;
  disabled = context->disabled ? 1 : 0;
  focus = context->focus ? 1 : 0;
  return 1;
}

void EZ_GETODITEM(int32_t drawData, int32_t& x, int32_t& y, int32_t& index) {
  DrawContext* context = paintingContext(drawData);
  if (context == nullptr) {
    x = y = 0;
    index = -1;
    return;
  }
  x = context->rect.left();
  y = context->rect.top();
  index = context->index;
}

void EZ_SAVESTATE(int32_t deviceContext) {
  if (DrawContext* context = paintingContext(deviceContext)) context->painter->save();
}

void EZ_RESTORESTATE(int32_t deviceContext) {
  if (DrawContext* context = paintingContext(deviceContext)) context->painter->restore();
}

void EZ_DCDRAW(int32_t deviceContext, int32_t shape, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
               int32_t penWidth, int32_t colour) {
  DrawContext* context = paintingContext(deviceContext);
  if (context == nullptr) return;
  QPainter& painter = *context->painter;
  const QColor ink = colourOr(colour, QApplication::palette().color(QPalette::WindowText));
  const QRect box(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2)));
  painter.save();
  painter.setPen(QPen(ink, std::max(1, penWidth)));
  painter.setBrush(Qt::NoBrush);
  switch (shape) {
    case kDrawLine:
      painter.drawLine(x1, y1, x2, y2);
      break;
    case kDrawRectangle:
      painter.drawRect(box.adjusted(0, 0, -1, -1));
      break;
    case kDrawFilledRectangle:
      painter.fillRect(box, ink);
      break;
    case kDrawEllipse:
      painter.drawEllipse(box);
      break;
    case kDrawFilledEllipse:
      painter.setBrush(ink);
      painter.drawEllipse(box);
      break;
    default:
      break;
  }
  painter.restore();
  context->drawn = true;
}

void EZ_DCPRINT(int32_t deviceContext, int32_t x, int32_t y, std::string_view text, int32_t font,
                int32_t textColour) {
  DrawContext* context = paintingContext(deviceContext);
  if (context == nullptr) return;
  QPainter& painter = *context->painter;
  painter.save();
  painter.setFont(fontOf(font));
  painter.setPen(colourOr(textColour, QApplication::palette().color(QPalette::Text)));
  const QFontMetrics metrics(painter.font());
  painter.drawText(QPoint(x, y + metrics.ascent()), toQt(text));
  painter.restore();
  context->drawn = true;
}

}  // namespace ui::toolkit
