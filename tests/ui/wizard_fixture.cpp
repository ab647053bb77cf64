#include "wizard_fixture.h"

#include <cstdlib>

#include "db/catalogue.h"
#include "memory/heap_blocks.h"
#include "ui/startup/callbacks.h"
#include "ui/startup/start_up.h"
#include "ui/steps/wizard_state.h"
#include "ui/toolkit/contents.h"
#include "ui/toolkit/run.h"
#include "ui/toolkit/test_hooks.h"

namespace uitest {
namespace {

// Where the wizard keeps its settings, pointed at the test's own folder.
#ifdef _WIN32
constexpr const char* kSettingsHome = "APPDATA";
void setSettingsHome(const std::string& folder) { _putenv_s(kSettingsHome, folder.c_str()); }
void unsetSettingsHome() { _putenv_s(kSettingsHome, ""); }
#else
constexpr const char* kSettingsHome = "XDG_CONFIG_HOME";
void setSettingsHome(const std::string& folder) { setenv(kSettingsHome, folder.c_str(), 1); }
void unsetSettingsHome() { unsetenv(kSettingsHome); }
#endif

}  // namespace

void WizardTest::SetUp() {
  if (const char* home = std::getenv(kSettingsHome)) previousConfigHome_ = home;
  setSettingsHome(configHome.path());
  ui::startup::startRequest() = ui::startup::StartRequest{};
  previousDirectory_ = std::filesystem::current_path();
  std::filesystem::current_path(folder.root());
  ui::toolkit::resetToolkit();
  // A common desktop screen, whatever the platform the tests run on offers.
  ui::toolkit::setScreenArea(ui::toolkit::Rect{0, 0, 1920, 1040});
  ui::wizardState() = ui::WizardState{};
  services_.emplace();
  ui::toolkit::setDialogScript(&script);
  previousTerminator_ = platform::setTerminator([this](int code) { terminations.push_back(code); });
}

void WizardTest::TearDown() {
  ui::toolkit::resetToolkit();
  ui::toolkit::setScreenArea(std::nullopt);
  ui::toolkit::setDialogScript(nullptr);
  platform::setTerminator(std::move(previousTerminator_));
  services_.reset();
  // A test that did not quit leaves the heap and the catalogue behind.
  memory::HeapState& heap = memory::heapState();
  while (heap.current != 0 || !heap.stack.empty()) memory::HEAPEND(heap);
  db::catalogue() = db::Catalogue{};
  ui::wizardState() = ui::WizardState{};
  std::filesystem::current_path(previousDirectory_);
  if (previousConfigHome_) {
    setSettingsHome(*previousConfigHome_);
  } else {
    unsetSettingsHome();
  }
}

void WizardTest::writeDatabase() {
  folder.writeEmptyDatabase();
  std::vector<testsupport::MoveSpec> moves;
  for (const std::string& name : kMoveNames) {
    testsupport::MoveSpec move;
    move.name = "a " + name;
    moves.push_back(move);
  }
  folder.writeMoves(moves);
  std::vector<testsupport::DiveSpec> dives;
  for (const std::string& name : kDiveNames) {
    testsupport::DiveSpec dive;
    dive.name = "a " + name;
    dives.push_back(dive);
  }
  folder.writeDives(dives);
}

void WizardTest::startWizard() {
  ui::toolkit::startGui(
      ui::startup::EZ_MAIN,
      [this](std::string& form, int32_t& id, int32_t& code, int32_t& value, int32_t& cancel) {
        events.push_back(SeenEvent{form, id, code, value, ui::toolkit::EZ_GETTEXT(form, 0)});
        ui::startup::EZ_EVENT(form, id, code, value, cancel);
      },
      [this](std::string& form) {
        moveCountAtDesign = db::catalogue().MoveCount;
        catalogueLoadedAtDesign = db::catalogue().CatalogueLoaded;
        ui::startup::EZ_DESIGN(form);
      });
  settle();
}

void WizardTest::settle() {
  ui::toolkit::handlePendingEvents();
  ui::toolkit::handlePendingEvents();
}

std::vector<SeenEvent> WizardTest::eventsWithCode(int32_t code) const {
  std::vector<SeenEvent> found;
  for (const SeenEvent& event : events) {
    if (event.code == code) found.push_back(event);
  }
  return found;
}

}  // namespace uitest
