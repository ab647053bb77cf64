// What one owner-draw or owner-size event works on, registered under its draw-data number.
#pragma once

#include <cstdint>

#include "ui/toolkit/geometry.h"

namespace ui::toolkit {

// What the back end paints with (its painter and the control), defined by the back end.
struct DrawSurface;

struct DrawContext {
  DrawSurface* surface = nullptr;
  Rect rect;
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

// The context of a draw-data number while its owner-draw event runs; nothing for an owner-size
// request or a number no event has.
DrawContext* paintingContext(int32_t handle);

}  // namespace ui::toolkit
