#include "ui/toolkit/keyboard.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

#include "ui/toolkit/qt/native.h"
#include "ui/toolkit/state.h"

namespace ui::toolkit {

void setReadOnly(std::string_view form, int32_t id, bool readOnly) {
  QWidget* widget = controlWidget(form, id);
  if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
    box->setReadOnly(readOnly);
  } else if (auto* line = qobject_cast<QLineEdit*>(widget)) {
    line->setReadOnly(readOnly);
  }
}

void setTabOrder(std::string_view form, const std::vector<int32_t>& ids) {
  QWidget* previous = nullptr;
  for (int32_t id : ids) {
    QWidget* widget = controlWidget(form, id);
    if (widget == nullptr || id == 0) continue;
    if (previous != nullptr) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
}

void setFocusable(std::string_view form, int32_t id, bool focusable) {
  QWidget* widget = controlWidget(form, id);
  if (widget == nullptr || id == 0) return;
  if (!focusable) {
    if (widget->hasFocus()) widget->clearFocus();
    widget->setFocusPolicy(Qt::NoFocus);
  } else {
    widget->setFocusPolicy(Qt::StrongFocus);
  }
}

void setFocus(std::string_view form, int32_t id) {
  if (QWidget* widget = controlWidget(form, id); widget != nullptr && id != 0)
    widget->setFocus(Qt::OtherFocusReason);
}

}  // namespace ui::toolkit
