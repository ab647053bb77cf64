#include "ui/toolkit/qt/native.h"

#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

#include "ui/toolkit/back_end.h"
#include "ui/toolkit/qt/qt_text.h"
#include "ui/toolkit/qt/qt_types.h"

namespace ui::toolkit {

void NativeDeleter::operator()(NativeForm* form) const {
  delete form;
}

void NativeDeleter::operator()(NativeControl* control) const {
  delete control;
}

FormWindow* windowOf(const FormRecord& form) {
  return form.native ? form.native->window.data() : nullptr;
}

QWidget* widgetOf(const ControlRecord& control) {
  return control.native ? control.native->widget.data() : nullptr;
}

QWidget* controlWidget(std::string_view form, int32_t id) {
  FormRecord* record = findForm(form);
  if (record == nullptr) return nullptr;
  if (id == 0) return windowOf(*record);
  ControlRecord* control = record->control(id);
  return control != nullptr ? widgetOf(*control) : nullptr;
}

ControlRecord* controlOf(const FormRecord& form, const QWidget* widget) {
  const QWidget* window = windowOf(form);
  for (const QWidget* w = widget; w != nullptr && w != window; w = w->parentWidget()) {
    for (const auto& record : form.controls) {
      if (widgetOf(*record) == w) return record.get();
    }
  }
  return nullptr;
}

double screenDotsPerInch() {
  QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->logicalDotsPerInchY() : 0;
}

bool hasWindow(const FormRecord& form) {
  return windowOf(form) != nullptr;
}

bool saveFormImage(const FormRecord& form, const std::string& path) {
  FormWindow* window = windowOf(form);
  return window != nullptr && window->grab().save(QFile::decodeName(QByteArray(path.data(), static_cast<int>(path.size()))));
}

void closeWhenIdle(FormRecord& form) {
  if (FormWindow* window = windowOf(form))
    QMetaObject::invokeMethod(window, &QWidget::close, Qt::QueuedConnection);
}

std::optional<Rect> shownArea(const ControlRecord& control) {
  QWidget* widget = widgetOf(control);
  if (widget == nullptr) return std::nullopt;
  return rectOf(widget->geometry());
}

std::optional<std::string> shownText(const ControlRecord& control) {
  auto* label = dynamic_cast<QLabel*>(widgetOf(control));
  if (label == nullptr) return std::nullopt;
  return fromQt(label->text());
}

bool showAccessibleName(ControlRecord& control, std::string_view name) {
  QWidget* widget = widgetOf(control);
  if (widget == nullptr) return false;
  widget->setAccessibleName(toQt(name));
  return true;
}

}  // namespace ui::toolkit
