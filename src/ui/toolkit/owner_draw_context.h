// What one owner-draw or owner-size event works on, registered under its draw-data number.
#pragma once

#include <QPainter>
#include <QRect>
#include <cstdint>

namespace ui::toolkit {

struct DrawContext {
  QPainter* painter = nullptr;
  QWidget* widget = nullptr;
  QRect rect;
  int32_t index = -1;
  bool selected = false;
  bool disabled = false;
  bool focus = false;
  bool drawn = false;

  bool sizing = false;  // an owner-size request
  int32_t width = 0;
  int32_t height = 0;
  bool sized = false;
};

// Registers the context, raises `code` (owner draw or owner size) with its draw-data number and
// returns whether the program answered it (drawn or sized).
bool raiseOwnerEvent(uint64_t serial, int32_t id, int32_t code, DrawContext& context);

}  // namespace ui::toolkit
