// Rectangles of pixels on the screen or in a window, and the rule that keeps a form on its screen.
#pragma once

namespace ui::toolkit {

struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  int right() const { return x + width - 1; }
  int bottom() const { return y + height - 1; }
  bool empty() const { return width <= 0 || height <= 0; }
  bool operator==(const Rect&) const = default;
};

// A window's place: its inner area and its frame (the inner area with the title bar and borders).
struct WindowPlace {
  Rect inner;
  Rect frame;
};

// Where a window goes whose new place would take it past an edge of the screen area `area`: moved
// back onto it (to the left, or up), and made as large as the area when it is larger. Returns the
// new inner area; an empty area of the screen changes nothing.
Rect keptOnScreen(const WindowPlace& place, const Rect& area);

}  // namespace ui::toolkit
