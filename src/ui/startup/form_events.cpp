#include "ui/startup/form_events.h"

#include <utility>

#include "db/catalogue.h"
#include "memory/heap_blocks.h"
#include "services/program.h"
#include "ui/form/button_style.h"
#include "ui/form/control_ids.h"
#include "ui/form/handlers.h"
#include "ui/startup/start_up.h"
#include "ui/steps/dropped_files.h"
#include "ui/steps/main_open.h"
#include "ui/toolkit/file_drops.h"
#include "ui/toolkit/toolkit.h"

namespace ui::startup {

using namespace ui::toolkit;

void MAIN_EVENTS(int32_t id, int32_t code, int32_t value, int32_t& cancel) {
  if (id >= ui::kFirstShortcut && id <= ui::kLastShortcut) {
    ui::MAIN_SHORTCUTS(id, code, value, cancel);
    return;
  }
  if (id != ui::kFormItself) return;
  switch (code) {
    case kEventLoaded:
      EZ_DEFACCEL(ui::kMainForm, ui::shortcutTable());
      ui::FILLCOMBO();
      ui::UPDATEPHASE();
      EZ_SETTEXT(ui::kMainForm, ui::kFormItself, services::program().title);
      setFileDropHandler(ui::kMainForm, ui::filesDropped);
      break;
    case kEventStarted:
      ui::INITHELP();
      SetForegroundWindow(EZ_HANDLE(ui::kMainForm, ui::kFormItself));
      // "zor-wizard FILE.zor": the file is opened once the window is up, as if chosen in the dialog.
      if (!startRequest().exportFile.empty())
        ui::openExportFile(std::exchange(startRequest().exportFile, ""));
      break;
    case kEventClosing:
      CLEANUP();
      break;
    default:
      break;
  }
}

void MAIN_QUIT(int32_t id, int32_t code, int32_t value, int32_t&) {
  if (code == kEventClick) {
    EZ_UNLOADFORM(ui::kMainForm);
  } else if (code == kEventOwnerDraw) {
    ui::drawFixedButton(id, value, ui::kQuietBackground);
  }
}

void CLEANUP() {
  memory::HEAPEND();
  // The records' texts went with the heap; nothing may reach them through the catalogue any more.
  db::catalogue() = db::Catalogue{};
}

}  // namespace ui::startup
