// A started wizard on a synthetic game folder, with every dialog answered by a script, the process
// terminator replaced by a recorder, and every event the program receives recorded.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/game_folder.h"
#include "ui/form/window_services.h"
#include "ui/toolkit/dialogs.h"

namespace uitest {

struct SeenEvent {
  std::string form;
  int32_t id = 0;
  int32_t code = 0;
  int32_t value = 0;
  std::string captionBefore;  // the form's caption when the event arrived
};

class WizardTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes a small database (moves, dives, everything else empty) unless the test wrote its own.
  void writeDatabase();
  // Runs the start callback as the toolkit does, then lets the started event arrive.
  void startWizard();
  void settle();

  std::vector<SeenEvent> eventsWithCode(int32_t code) const;

  testsupport::GameFolder folder;
  // The wizard's own settings (the last game folder) live here instead of the user's.
  testsupport::GameFolder configHome;
  ui::toolkit::DialogScript script;
  std::vector<SeenEvent> events;
  std::vector<int> terminations;

  // What the design callback saw of the catalogue and the forms.
  std::optional<int32_t> moveCountAtDesign;
  std::optional<int32_t> catalogueLoadedAtDesign;

 private:
  std::filesystem::path previousDirectory_;
  std::optional<std::string> previousConfigHome_;
  std::optional<ui::WindowServices> services_;
  platform::Terminator previousTerminator_;
};

// The names the small database holds, without and with their articles.
inline const std::vector<std::string> kMoveNames = {"Piledriver", "Suplex", "Dropkick"};
inline const std::vector<std::string> kDiveNames = {"Plancha", "Senton Bomb"};

}  // namespace uitest
