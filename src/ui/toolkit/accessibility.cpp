#include "ui/toolkit/accessibility.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "ui/toolkit/back_end.h"
#include "ui/toolkit/state.h"
#include "ui/toolkit/units.h"

namespace ui::toolkit {

namespace {

// How far (in rows, or columns for a label on the left) a label may sit from the control it names.
constexpr double kRowTolerance = 1.0;
constexpr double kColumnTolerance = 1.5;

struct Box {
  double left, top, right, bottom;
};

// The control's place as it shows (a combo box is only as high as its closed box).
Box boxOf(const ControlRecord& control) {
  if (const std::optional<Rect> area = shownArea(control)) {
    return Box{columnsFromPixels(area->x), rowsFromPixels(area->y), columnsFromPixels(area->x + area->width),
               rowsFromPixels(area->y + area->height)};
  }
  return Box{control.column, control.row, control.column + control.width, control.row + control.height};
}

double overlap(double a1, double a2, double b1, double b2) {
  return std::max(0.0, std::min(a2, b2) - std::max(a1, b1));
}

bool wantsLabel(ControlKind kind) {
  return kind == ControlKind::ListBox || kind == ControlKind::OwnerDrawnList ||
         kind == ControlKind::ListView || kind == ControlKind::ComboBox || kind == ControlKind::TextBox;
}

// The gap between the label and the control when the label names it; nothing otherwise.
std::optional<double> labelGap(const Box& control, const Box& label) {
  const double width = std::min(control.right - control.left, label.right - label.left);
  const bool spansColumns =
      width > 0 && overlap(control.left, control.right, label.left, label.right) >= width / 2;
  if (spansColumns) {
    const double below = label.top - control.bottom;
    if (below > -kRowTolerance / 2 && below <= kRowTolerance) return std::abs(below);
    const double above = control.top - label.bottom;
    if (above > -kRowTolerance / 2 && above <= kRowTolerance) return std::abs(above);
  }
  const double height = std::min(control.bottom - control.top, label.bottom - label.top);
  const bool sharesLine =
      height > 0 && overlap(control.top, control.bottom, label.top, label.bottom) >= height / 2;
  if (sharesLine) {
    const double left = control.left - label.right;
    if (left > -kColumnTolerance / 2 && left <= kColumnTolerance) return std::abs(left);
  }
  return std::nullopt;
}

}  // namespace

void setAccessibleName(std::string_view form, int32_t id, std::string_view name) {
  ControlRecord* control = findControl(form, id);
  if (control == nullptr || !showAccessibleName(*control, name)) return;
  control->explicitName = true;
}

void nameControlsByLabels(FormRecord& form) {
  for (const auto& control : form.controls) {
    if (control->explicitName || !wantsLabel(control->kind) || !shownArea(*control)) continue;
    const Box box = boxOf(*control);
    double best = std::numeric_limits<double>::max();
    std::string name;
    for (const auto& label : form.controls) {
      if (label->kind != ControlKind::Label || label->layer != control->layer) continue;
      const std::optional<std::string> text = shownText(*label);
      if (!text) continue;
      std::optional<double> gap = labelGap(box, boxOf(*label));
      if (gap && *gap < best) {
        best = *gap;
        name = *text;
      }
    }
    if (!name.empty()) showAccessibleName(*control, name);
  }
}

}  // namespace ui::toolkit
