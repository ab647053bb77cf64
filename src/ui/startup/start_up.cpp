#include "ui/startup/start_up.h"

#include <string>

#include "db/catalogue.h"
#include "db/load_database.h"
#include "import/database_recovery.h"
#include "memory/heap_blocks.h"
#include "services/messages.h"
#include "services/program.h"
#include "ui/control_ids.h"
#include "ui/main_form.h"
#include "ui/startup/callbacks.h"
#include "ui/toolkit/toolkit.h"
#include "ui/window_services.h"

namespace ui::startup {

namespace {

constexpr int32_t kSkipCircuits = 1;
constexpr int32_t kEveryRecordSet = 0;

std::string commandLineOf(int argc, char** argv) {
  std::string line;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) line += ' ';
    line += argv[i];
  }
  return line;
}

}  // namespace

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

void INTERNAL() {
  services::program().versionMarker = std::string(services::kVersionMarker);
}

int32_t INITPROG() {
  INTERNAL();
  memory::HEAPBEGIN();
  services::ProgramInfo& info = services::program();
  info.title = services::titleFromVersionMarker(info.versionMarker);
  info.databaseFolder = ".";
  // An import that was interrupted is finished (or undone) before anything reads the database.
  const imports::RecoveryReport recovery = imports::recoverDatabase(info.databaseFolder);
  if (!recovery.Message.empty()) services::showMessageBox(ui::kMainForm, recovery.Message, info.title, "OK");
  // Whatever the load reports, the window comes up afterwards.
  db::LOADDBS(db::catalogue(), info.databaseFolder, kSkipCircuits, kEveryRecordSet, nullptr);
  ui::toolkit::EZ_DEFFONT(ui::kButtonFont, "Arial", 16, "BV");
  return 1;
}

}  // namespace ui::startup
