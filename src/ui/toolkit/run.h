// The message loop and the program's three callbacks. The start callback runs before any window
// exists and creates the forms; the design callback builds a form's controls; every later action
// reaches the event callback as (form, control id, message code, message value, cancel flag).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace ui::toolkit {

// Message codes.
inline constexpr int32_t kEventClosing = 0;
inline constexpr int32_t kEventClick = 1;
inline constexpr int32_t kEventDoubleClick = 2;
inline constexpr int32_t kEventChange = 6;
inline constexpr int32_t kEventLoading = 85;
inline constexpr int32_t kEventStarted = 86;
inline constexpr int32_t kEventLoaded = 87;
inline constexpr int32_t kEventOwnerDraw = 300;
inline constexpr int32_t kEventOwnerSize = 310;
inline constexpr int32_t kEventListViewNotify = 520;

// The message value of a list-view notification: the selected row changed.
inline constexpr int32_t kListViewItemChanged = -101;

using StartCallback = std::function<void(int32_t& value)>;
using EventCallback =
    std::function<void(std::string& form, int32_t& id, int32_t& code, int32_t& value, int32_t& cancel)>;
using DesignCallback = std::function<void(std::string& form)>;

// What the process was started with. The application object is made from argc and argv when none
// exists yet.
struct EntryArguments {
  int* argc = nullptr;
  char** argv = nullptr;
  std::string commandLine;
  int32_t showState = 1;
};

// Runs the start callback, then the message loop until no form is left. Returns the loop's exit
// code (0, or 1 when a requested screenshot could not be written).
int32_t EZ_GUIRUN(const EntryArguments& entry, StartCallback start, EventCallback event,
                  DesignCallback design, int32_t reserved);

// The two halves of EZ_GUIRUN, for tests that look at the forms between start and loop.
void startGui(StartCallback start, EventCallback event, DesignCallback design);
int32_t runGuiLoop();
// What EZ_GUIRUN does once its loop has ended: the progress window and the callbacks go.
int32_t finishGui(int32_t code);

// The exit code EZ_GUIRUN returns when the loop ends (or never starts, no form having been made).
void setExitCode(int32_t code);

// Lets the window process pending events for at most `milliseconds`.
void EZ_DOEVENTS(int32_t milliseconds);

void EZ_DEFIMAGEFOLDER(std::string_view folder);
// Raw command notifications of the controls (off: only the toolkit's own event codes arrive).
void EZ_ALLOWCOMMANDEVENTS(int32_t allow);
// Nonzero: forms created from now on raise the loading event (85) before their controls exist.
void EZ_ALLOWLOADINGEVENT(int32_t mode);

}  // namespace ui::toolkit
