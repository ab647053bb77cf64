#include "ui/toolkit/accessibility.h"

#include <QLabel>
#include <algorithm>
#include <limits>

#include "ui/toolkit/state.h"
#include "ui/toolkit/text.h"
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
  if (control.widget) {
    const QRect area = control.widget->geometry();
    return Box{columnsFromPixels(area.left()), rowsFromPixels(area.top()),
               columnsFromPixels(area.left() + area.width()), rowsFromPixels(area.top() + area.height())};
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
  if (control == nullptr || !control->widget) return;
  control->widget->setAccessibleName(toQt(name));
  control->explicitName = true;
}

void nameControlsByLabels(FormRecord& form) {
  for (const auto& control : form.controls) {
    if (control->explicitName || !wantsLabel(control->kind) || !control->widget) continue;
    const Box box = boxOf(*control);
    double best = std::numeric_limits<double>::max();
    QString name;
    for (const auto& label : form.controls) {
      if (label->kind != ControlKind::Label || label->layer != control->layer || !label->widget) continue;
      std::optional<double> gap = labelGap(box, boxOf(*label));
      if (gap && *gap < best) {
        best = *gap;
        name = static_cast<QLabel*>(label->widget.data())->text();
      }
    }
    if (!name.isEmpty()) control->widget->setAccessibleName(name);
  }
}

}  // namespace ui::toolkit
