// The toolkit's process-wide state: the program's callbacks, the forms with their controls, the
// settings that apply to the controls created next, the defined fonts and colours. The windows
// behind a form and its controls belong to the back end: each record holds them in a struct that
// only the back end defines.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/toolkit/accelerator_keys.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/geometry.h"
#include "ui/toolkit/palette.h"
#include "ui/toolkit/run.h"

namespace ui::toolkit {

// The back end's window of a form and of a control, defined by the back end.
struct NativeForm;
struct NativeControl;
struct NativeDeleter {
  void operator()(NativeForm* form) const;
  void operator()(NativeControl* control) const;
};

enum class ControlKind { Label, TextBox, Button, ListBox, OwnerDrawnList, ComboBox, ListView, ProgressBar };

// The colours and font an owner-drawn button was last drawn with.
struct DrawnStyle {
  bool drawn = false;
  int32_t background = kDefaultColour;
  int32_t text = kDefaultColour;
  int32_t font = -1;
};

struct ControlRecord {
  int32_t id = 0;
  ControlKind kind = ControlKind::Label;
  int32_t layer = 0;
  std::unique_ptr<NativeControl, NativeDeleter> native;
  double column = 0, row = 0, width = 0, height = 0;
  std::string properties;
  int32_t textColour = kDefaultColour;
  int32_t backColour = kDefaultColour;
  bool sorted = false;
  bool multiSelect = false;
  bool multiLine = false;
  bool explicitName = false;     // the accessible name was given by the program
  int32_t ownerItemHeight = -1;  // answered owner-size request of an owner-drawn list
  DrawnStyle lastDrawn;
};

struct DesignSettings {
  int32_t textColour = kDefaultColour;
  int32_t backColour = kDefaultColour;
  int32_t font = -1;  // -1: the toolkit's default font
  std::optional<FontSpec> inlineFont;
  int32_t layer = 0;
};

struct FormRecord {
  uint64_t serial = 0;
  std::string name;  // as the program created it
  std::string key;   // upper-cased
  std::string properties;
  bool alive = true;
  bool unloading = false;
  bool closePending = false;  // closed by the user while an event was being handled
  std::unique_ptr<NativeForm, NativeDeleter> native;
  std::vector<std::unique_ptr<ControlRecord>> controls;  // in creation order
  std::vector<Accelerator> accelerators;
  int32_t shownLayer = -1;

  ControlRecord* control(int32_t id) const;
};

struct DrawContext;
struct DialogScript;

struct Toolkit {
  StartCallback start;
  EventCallback event;
  DesignCallback design;

  std::vector<std::unique_ptr<FormRecord>> forms;  // unloaded forms stay, marked dead
  uint64_t nextSerial = 1;
  FormRecord* designing = nullptr;
  std::vector<uint64_t> eventForms;  // forms whose events are being handled, innermost last
  DesignSettings next;

  std::string imageFolder;
  int32_t commandEvents = 1;
  int32_t loadingEvents = 0;
  std::map<int32_t, FontSpec> fonts;
  std::map<int32_t, Rgb> colours;

  std::map<int32_t, DrawContext*> drawContexts;
  int32_t nextDrawHandle = 1;

  bool loopRunning = false;
  bool starting = false;  // inside the start callback
  int exitCode = 0;
  DialogScript* script = nullptr;
  // Stands in for the available area of the screens, for tests.
  std::optional<Rect> screenArea;
};

Toolkit& toolkit();

// Live forms only.
FormRecord* findForm(std::string_view name);  // "{ME}" is the form of the event being handled
FormRecord* findForm(uint64_t serial);
ControlRecord* findControl(std::string_view form, int32_t id);

// The form new controls go on: the one being designed, else the form of the event being handled.
FormRecord* formBeingDesigned();
// A control's record from the design settings that apply to the next control; the back end adds its
// native part. `hidden` says whether its layer is not the one the form shows.
std::unique_ptr<ControlRecord> newControlRecord(const FormRecord& form, ControlKind kind, int32_t id, double column,
                                                double row, double width, double height,
                                                std::string_view properties, bool& hidden);
// Adds the control to its form; one made again under an id that exists replaces the old one, whose
// window goes (destroyControlWindow).
ControlRecord* addControlRecord(FormRecord& form, std::unique_ptr<ControlRecord> record);
size_t liveFormCount();

// Raises an event of the form to the program and returns the cancel flag the program left.
int32_t raiseEvent(FormRecord& form, int32_t id, int32_t code, int32_t value);
int32_t raiseEvent(uint64_t serial, int32_t id, int32_t code, int32_t value);

// A new form's record, before its window exists.
FormRecord& addForm(std::string_view name, std::string_view properties);
// Builds a new form's content: the loading event (when switched on), the design callback, the
// accessible names, the loaded event. Returns whether the form is still there to be shown.
bool designForm(FormRecord& form);

// Takes a form down: the closing event (when asked), then its window goes and, with the last form,
// the message loop ends. Implemented by the back end.
void unloadForm(FormRecord& form, bool raiseClosing);

}  // namespace ui::toolkit
