// Positions and sizes are given in character units, fractions allowed. One unit is the classic
// character cell of 8 by 16 pixels at 96 dots per inch, scaled with the screen's logical resolution;
// the forms are laid out in sixteenths of a row and eighths of a column, which are whole pixels.
#pragma once

#include "ui/toolkit/geometry.h"

namespace ui::toolkit {

struct CellSize {
  double width = 8;
  double height = 16;
};

CellSize cellSize();

int pixelsAcross(double columns);
int pixelsDown(double rows);
Rect pixelRect(double column, double row, double width, double height);
double columnsFromPixels(int pixels);
double rowsFromPixels(int pixels);

}  // namespace ui::toolkit
