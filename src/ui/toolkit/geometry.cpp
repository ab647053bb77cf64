#include "ui/toolkit/geometry.h"

#include <algorithm>

namespace ui::toolkit {

Rect keptOnScreen(const WindowPlace& place, const Rect& area) {
  const Rect& inner = place.inner;
  const Rect& frame = place.frame;
  if (area.empty()) return inner;
  const int borderLeft = inner.x - frame.x;
  const int borderTop = inner.y - frame.y;
  const int decorationWidth = frame.width - inner.width;
  const int decorationHeight = frame.height - inner.height;
  const int width = std::min(inner.width, area.width - decorationWidth);
  const int height = std::min(inner.height, area.height - decorationHeight);
  const int left = std::max(area.x, std::min(frame.x, area.x + area.width - (width + decorationWidth)));
  const int top = std::max(area.y, std::min(frame.y, area.y + area.height - (height + decorationHeight)));
  return Rect{left + borderLeft, top + borderTop, width, height};
}

}  // namespace ui::toolkit
