#include "ui/toolkit/state.h"

#include <algorithm>

#include "ui/toolkit/accessibility.h"
#include "ui/toolkit/back_end.h"
#include "ui/toolkit/text.h"

namespace ui::toolkit {

namespace {

constexpr std::string_view kThisForm = "{ME}";

// A window closed by the user while an event was being handled closes once that event is done, so
// that the closing event never lands in the middle of other work.
void closePendingForms() {
  for (const auto& form : toolkit().forms) {
    if (!form->alive || !form->closePending || !hasWindow(*form)) continue;
    form->closePending = false;
    closeWhenIdle(*form);
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

size_t liveFormCount() {
  size_t count = 0;
  for (const auto& form : toolkit().forms) count += form->alive ? 1 : 0;
  return count;
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

FormRecord& addForm(std::string_view name, std::string_view properties) {
  Toolkit& state = toolkit();
  auto record = std::make_unique<FormRecord>();
  record->serial = state.nextSerial++;
  record->name = std::string(name);
  record->key = nameKey(name);
  record->properties = std::string(properties);
  state.forms.push_back(std::move(record));
  return *state.forms.back();
}

bool designForm(FormRecord& form) {
  Toolkit& state = toolkit();
  const uint64_t serial = form.serial;
  if (state.loadingEvents != 0) raiseEvent(form, 0, kEventLoading, 0);
  if (findForm(serial) == nullptr) return false;

  FormRecord* outer = state.designing;
  state.designing = &form;
  state.next = DesignSettings{};
  if (state.design) {
    std::string designName = form.name;
    DesignCallback design = state.design;
    design(designName);
  }
  state.designing = outer;
  if (findForm(serial) == nullptr) return false;
  nameControlsByLabels(form);

  raiseEvent(form, 0, kEventLoaded, 0);
  return findForm(serial) != nullptr;
}

FormRecord* formBeingDesigned() {
  Toolkit& state = toolkit();
  return state.designing != nullptr ? state.designing : findForm("{ME}");
}

std::unique_ptr<ControlRecord> newControlRecord(const FormRecord& form, ControlKind kind, int32_t id, double column,
                                                double row, double width, double height,
                                                std::string_view properties, bool& hidden) {
  const DesignSettings& next = toolkit().next;
  auto record = std::make_unique<ControlRecord>();
  record->id = id;
  record->kind = kind;
  record->layer = next.layer;
  record->column = column;
  record->row = row;
  record->width = width;
  record->height = height;
  record->properties = std::string(properties);
  record->textColour = next.textColour;
  record->backColour = next.backColour;
  hidden = form.shownLayer >= 0 && record->layer != 0 && record->layer != form.shownLayer;
  return record;
}

ControlRecord* addControlRecord(FormRecord& form, std::unique_ptr<ControlRecord> record) {
  ControlRecord* added = record.get();
  auto& controls = form.controls;
  auto old = std::find_if(controls.begin(), controls.end(), [id = added->id](const auto& c) { return c->id == id; });
  if (old != controls.end()) {
    destroyControlWindow(**old);
    controls.erase(old);
  }
  controls.push_back(std::move(record));
  return added;
}

}  // namespace ui::toolkit
