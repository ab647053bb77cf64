#include "ui/toolkit/units.h"

#include <cmath>

#include "ui/toolkit/back_end.h"

namespace ui::toolkit {

namespace {
constexpr double kReferenceDpi = 96.0;
}

CellSize cellSize() {
  double scale = 1.0;
  const double dpi = screenDotsPerInch();
  if (dpi >= 48.0) scale = dpi / kReferenceDpi;
  return CellSize{8.0 * scale, 16.0 * scale};
}

int pixelsAcross(double columns) {
  return static_cast<int>(std::lround(columns * cellSize().width));
}

int pixelsDown(double rows) {
  return static_cast<int>(std::lround(rows * cellSize().height));
}

Rect pixelRect(double column, double row, double width, double height) {
  const int left = pixelsAcross(column);
  const int top = pixelsDown(row);
  // The far edges are rounded on their own so that neighbouring controls meet without gaps.
  return Rect{left, top, pixelsAcross(column + width) - left, pixelsDown(row + height) - top};
}

double columnsFromPixels(int pixels) {
  return pixels / cellSize().width;
}

double rowsFromPixels(int pixels) {
  return pixels / cellSize().height;
}

}  // namespace ui::toolkit
