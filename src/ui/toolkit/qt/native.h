// The Qt widgets behind the toolkit's records (state.h): a form's window and a control's widget,
// held by guarded pointers since Qt may delete them first; and the painter of an owner-draw event.
#pragma once

#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <string_view>

#include "ui/toolkit/qt/widgets.h"
#include "ui/toolkit/state.h"

namespace ui::toolkit {

struct NativeForm {
  QPointer<FormWindow> window;
};

struct NativeControl {
  QPointer<QWidget> widget;
};

struct DrawSurface {
  QPainter* painter = nullptr;
  QWidget* widget = nullptr;
};

// nullptr when the record has no widget (any more).
FormWindow* windowOf(const FormRecord& form);
QWidget* widgetOf(const ControlRecord& control);

// The widget of a live form's control; id 0 is the form's window.
QWidget* controlWidget(std::string_view form, int32_t id);
// The control that `widget` is, or lies inside of.
ControlRecord* controlOf(const FormRecord& form, const QWidget* widget);

}  // namespace ui::toolkit
