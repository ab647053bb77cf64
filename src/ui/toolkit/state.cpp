#include "ui/toolkit/state.h"

#include "ui/toolkit/text.h"
#include "ui/toolkit/widgets.h"

namespace ui::toolkit {

namespace {

constexpr std::string_view kThisForm = "{ME}";

// A window closed by the user while an event was being handled closes once that event is done, so
// that the closing event never lands in the middle of other work.
void closePendingForms() {
  for (const auto& form : toolkit().forms) {
    if (!form->alive || !form->closePending || !form->window) continue;
    form->closePending = false;
    QMetaObject::invokeMethod(form->window.data(), &QWidget::close, Qt::QueuedConnection);
  }
}

}  // namespace

Toolkit& toolkit() {
  static Toolkit instance;
  return instance;
}

ControlRecord* FormRecord::control(int32_t id) const {
  for (const auto& record : controls) {
    if (record->id == id) return record.get();
  }
  return nullptr;
}

ControlRecord* FormRecord::controlOf(const QWidget* widget) const {
  for (const QWidget* w = widget; w != nullptr && w != window; w = w->parentWidget()) {
    for (const auto& record : controls) {
      if (record->widget == w) return record.get();
    }
  }
  return nullptr;
}

FormRecord* findForm(std::string_view name) {
  Toolkit& state = toolkit();
  const std::string key = nameKey(name);
  if (key == kThisForm) {
    for (auto serial = state.eventForms.rbegin(); serial != state.eventForms.rend(); ++serial) {
      if (FormRecord* form = findForm(*serial)) return form;
    }
    if (state.designing != nullptr && state.designing->alive) return state.designing;
    for (auto form = state.forms.rbegin(); form != state.forms.rend(); ++form) {
      if ((*form)->alive) return form->get();
    }
    return nullptr;
  }
  for (const auto& form : state.forms) {
    if (form->alive && form->key == key) return form.get();
  }
  return nullptr;
}

FormRecord* findForm(uint64_t serial) {
  for (const auto& form : toolkit().forms) {
    if (form->alive && form->serial == serial) return form.get();
  }
  return nullptr;
}

ControlRecord* findControl(std::string_view form, int32_t id) {
  FormRecord* record = findForm(form);
  return record != nullptr ? record->control(id) : nullptr;
}

QWidget* controlWidget(std::string_view form, int32_t id) {
  FormRecord* record = findForm(form);
  if (record == nullptr) return nullptr;
  if (id == 0) return record->window;
  ControlRecord* control = record->control(id);
  return control != nullptr ? control->widget.data() : nullptr;
}

int32_t raiseEvent(FormRecord& form, int32_t id, int32_t code, int32_t value) {
  Toolkit& state = toolkit();
  if (!form.alive || !state.event) return 0;
  std::string name = form.name;
  int32_t cancel = 0;
  const uint64_t serial = form.serial;
  state.eventForms.push_back(serial);
  // The callback gets its own copies: it may change them, and the form may go while it runs.
  EventCallback callback = state.event;
  callback(name, id, code, value, cancel);
  state.eventForms.pop_back();
  if (state.eventForms.empty()) closePendingForms();
  return cancel;
}

int32_t raiseEvent(uint64_t serial, int32_t id, int32_t code, int32_t value) {
  FormRecord* form = findForm(serial);
  return form != nullptr ? raiseEvent(*form, id, code, value) : 0;
}

}  // namespace ui::toolkit
