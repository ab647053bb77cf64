#include "ui/toolkit/units.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace ui::toolkit {

namespace {
constexpr double kReferenceDpi = 96.0;
}

CellSize cellSize() {
  double scale = 1.0;
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const double dpi = screen->logicalDotsPerInchY();
    if (dpi >= 48.0) scale = dpi / kReferenceDpi;
  }
  return CellSize{8.0 * scale, 16.0 * scale};
}

int pixelsAcross(double columns) {
  return static_cast<int>(std::lround(columns * cellSize().width));
}

int pixelsDown(double rows) {
  return static_cast<int>(std::lround(rows * cellSize().height));
}

QRect pixelRect(double column, double row, double width, double height) {
  const int left = pixelsAcross(column);
  const int top = pixelsDown(row);
  // The far edges are rounded on their own so that neighbouring controls meet without gaps.
  return QRect(QPoint(left, top), QPoint(pixelsAcross(column + width) - 1, pixelsDown(row + height) - 1));
}

double columnsFromPixels(int pixels) {
  return pixels / cellSize().width;
}

double rowsFromPixels(int pixels) {
  return pixels / cellSize().height;
}

}  // namespace ui::toolkit
