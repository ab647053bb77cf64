#include "ui/startup/start_up.h"

#include <string>

#include "import/program_start.h"
#include "platform/files.h"
#include "services/messages.h"
#include "services/program.h"
#include "ui/form/control_ids.h"
#include "ui/form/main_form.h"
#include "ui/form/window_services.h"
#include "ui/startup/callbacks.h"
#include "ui/startup/game_folder.h"
#include "ui/startup/remembered_folder.h"
#include "ui/toolkit/toolkit.h"

namespace ui::startup {

namespace {

std::string commandLineOf(int argc, char** argv) {
  std::string line;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) line += ' ';
    line += argv[i];
  }
  return line;
}

}  // namespace

StartRequest& startRequest() {
  static StartRequest request;
  return request;
}

int32_t WINMAIN(int& argc, char** argv) {
  const ui::WindowServices services;
  const ui::toolkit::EntryArguments entry{&argc, argv, commandLineOf(argc, argv), 1};
  return ui::toolkit::EZ_GUIRUN(entry, EZ_MAIN, EZ_EVENT, EZ_DESIGN, 0);
}

void EZ_MAIN(int32_t& value) {
  using namespace ui::toolkit;
  EZ_DEFIMAGEFOLDER("Graphics");
  EZ_ALLOWCOMMANDEVENTS(0);
  EZ_DEFSYSTEMCOLOR(ui::kMenuColour, ui::kSystemMenuColour);
  EZ_DEFSYSTEMCOLOR(ui::kTooltipColour, ui::kSystemTooltipColour);
  EZ_DEFCOLORL(ui::kPeachColour, ui::kPeachValue);
  if (MAIN_INIT(value) != 0) ui::EZ_MAIN_DISPLAY("");
}

int32_t MAIN_INIT(int32_t&) {
  return INITPROG();
}

int32_t INITPROG() {
  if (!settleGameFolder(startRequest())) {
    ui::toolkit::setExitCode(kExitNoGameFolder);
    return 0;
  }
  // Whatever the load reports, the window comes up afterwards.
  const imports::StartResult started = imports::startProgram({}, [](std::string_view message) {
    services::showMessageBox(ui::kMainForm, message, services::program().title, "OK");
  });
  if (started.folder == db::GameFolderState::Game) rememberGameFolder(platform::currentDirectory());
  // Said once, before the window: exports can be looked at, every import will be refused.
  if (!started.readOnlyNote.empty()) {
    services::showMessageBox(ui::kMainForm, "{i}" + started.readOnlyNote, services::program().title, "OK");
  }
  ui::toolkit::EZ_DEFFONT(ui::kButtonFont, "Arial", 16, "BV");
  return 1;
}

}  // namespace ui::startup
