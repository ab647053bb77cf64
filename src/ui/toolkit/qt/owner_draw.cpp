#include "ui/toolkit/owner_draw.h"

#include <qdrawutil.h>
#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "ui/toolkit/owner_draw_context.h"
#include "ui/toolkit/palette_colours.h"
#include "ui/toolkit/qt/native.h"
#include "ui/toolkit/qt/qt_fonts.h"
#include "ui/toolkit/qt/qt_text.h"
#include "ui/toolkit/qt/qt_types.h"

namespace ui::toolkit {

namespace {

QColor colourOr(int32_t number, const QColor& fallback) {
  return qtColourOf(number).value_or(fallback);
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

void EZ_DRAWCOLORBUTTON(std::string_view form, int32_t id, int32_t drawData, int32_t background,
                        int32_t textColour, int32_t font) {
  DrawContext* context = paintingContext(drawData);
  if (context == nullptr) return;
  auto* button = dynamic_cast<QAbstractButton*>(context->surface->widget);
  if (button == nullptr) return;
  QPainter& painter = *context->surface->painter;
  const QRect rect = qtRect(context->rect);
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

void EZ_SAVESTATE(int32_t deviceContext) {
  if (DrawContext* context = paintingContext(deviceContext)) context->surface->painter->save();
}

void EZ_RESTORESTATE(int32_t deviceContext) {
  if (DrawContext* context = paintingContext(deviceContext)) context->surface->painter->restore();
}

void EZ_DCDRAW(int32_t deviceContext, int32_t shape, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
               int32_t penWidth, int32_t colour) {
  DrawContext* context = paintingContext(deviceContext);
  if (context == nullptr) return;
  QPainter& painter = *context->surface->painter;
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
  QPainter& painter = *context->surface->painter;
  painter.save();
  painter.setFont(fontOf(font));
  painter.setPen(colourOr(textColour, QApplication::palette().color(QPalette::Text)));
  const QFontMetrics metrics(painter.font());
  painter.drawText(QPoint(x, y + metrics.ascent()), toQt(text));
  painter.restore();
  context->drawn = true;
}

}  // namespace ui::toolkit
