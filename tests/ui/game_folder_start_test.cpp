// The wizard started where there is no game: said once, with the offer to choose the game's folder;
// the folder chosen is remembered for the next start; nothing is written where there is no game.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "db/catalogue.h"
#include "platform/files.h"
#include "support/game_folder.h"
#include "support/import_scenario.h"
#include "ui/startup/remembered_folder.h"
#include "ui/startup/start_up.h"
#include "ui/toolkit/dialogs.h"
#include "ui/toolkit/run.h"
#include "ui/toolkit/test_hooks.h"
#include "wizard_fixture.h"

namespace {

namespace fs = std::filesystem;
using namespace ui::toolkit;
using uitest::WizardTest;

class GameFolderStartTest : public WizardTest {
 protected:
  // A second folder that is a game, to be chosen or remembered.
  void writeGame() { game.writeEmptyDatabase(); }

  testsupport::GameFolder game;
};

TEST_F(GameFolderStartTest, DecliningToChooseEndsTheProgramWithoutAWindowAndWritesNothing) {
  fs::remove_all(folder.root() / "data");
  script.buttons = {"No"};
  startWizard();
  ASSERT_EQ(script.shown.size(), 1u);
  const DialogRecord& box = script.shown.front();
  EXPECT_EQ(box.kind, DialogKind::MessageBox);
  EXPECT_EQ(box.icon, DialogIcon::Critical);
  EXPECT_EQ(box.buttons, (std::vector<std::string>{"Yes", "No"}));
  EXPECT_EQ(box.text.rfind("\"" + fs::canonical(folder.root()).string() +
                               "\" is not a ZOR 7 SE game folder: it has no \"data\" folder.",
                           0),
            0u)
      << box.text;
  EXPECT_NE(box.text.find("Do you want to choose it now?"), std::string::npos);
  EXPECT_EQ(liveFormCount(), 0u);
  EXPECT_EQ(runGuiLoop(), ui::startup::kExitNoGameFolder);
  EXPECT_TRUE(fs::is_empty(folder.root()));
  EXPECT_EQ(ui::startup::rememberedGameFolder(), "");
}

TEST_F(GameFolderStartTest, TheFolderChosenIsLoadedAndRememberedAFolderThatIsNoGameIsSaidAgain) {
  writeGame();
  testsupport::GameFolder other;  // chosen first by mistake: no game either
  const std::vector<fs::path> startedIn = testsupport::pathsUnder(folder.root());
  const std::vector<fs::path> chosenFirst = testsupport::pathsUnder(other.root());
  script.buttons = {"Yes", "Yes"};
  script.files = {{other.path()}, {game.path()}};
  startWizard();
  ASSERT_EQ(script.shown.size(), 4u);
  EXPECT_EQ(script.shown[1].kind, DialogKind::Folder);
  EXPECT_EQ(script.shown[2].text.rfind("\"" + fs::canonical(other.root()).string() +
                                           "\" is not a ZOR 7 SE game folder: its \"data\" folder holds none "
                                           "of the game's record files.",
                                       0),
            0u)
      << script.shown[2].text;
  EXPECT_EQ(script.shown[3].kind, DialogKind::Folder);
  EXPECT_EQ(liveFormCount(), 1u);
  EXPECT_TRUE(fs::equivalent(fs::current_path(), game.root()));
  EXPECT_EQ(db::catalogue().CatalogueLoaded, 1);
  EXPECT_TRUE(fs::equivalent(ui::startup::rememberedGameFolder(), game.root()));
  EXPECT_EQ(testsupport::pathsUnder(folder.root()), startedIn);
  EXPECT_EQ(testsupport::pathsUnder(other.root()), chosenFirst);
}

TEST_F(GameFolderStartTest, AStartWithoutAFolderOfItsOwnGoesToTheRememberedGame) {
  writeGame();
  ui::startup::rememberGameFolder(game.path());
  startWizard();
  EXPECT_TRUE(script.shown.empty());
  EXPECT_EQ(liveFormCount(), 1u);
  EXPECT_TRUE(fs::equivalent(fs::current_path(), game.root()));
}

TEST_F(GameFolderStartTest, AFolderGivenIsNotReplacedByTheRememberedOne) {
  writeGame();
  ui::startup::rememberGameFolder(game.path());
  ui::startup::startRequest().folderGiven = true;
  script.buttons = {"No"};
  startWizard();
  ASSERT_EQ(script.shown.size(), 1u);
  EXPECT_EQ(liveFormCount(), 0u);
  EXPECT_TRUE(fs::equivalent(fs::current_path(), folder.root()));
}

TEST_F(GameFolderStartTest, AFolderGivenThatCannotBeOpenedIsSaidInTheWindow) {
  ui::startup::startRequest().folderGiven = true;
  ui::startup::startRequest().missingFolder = "/no/such/game";
  script.buttons = {"No"};
  startWizard();
  ASSERT_EQ(script.shown.size(), 1u);
  EXPECT_EQ(script.shown.front().text.rfind("The folder \"/no/such/game\" cannot be opened.", 0), 0u)
      << script.shown.front().text;
  EXPECT_EQ(liveFormCount(), 0u);
}

// A game the user may not write to (on Windows, one under Program Files): said once, the options read
// without an error report for each, the window up to look at exports.
TEST_F(GameFolderStartTest, AGameFolderThatCannotBeWrittenIsSaidOnceAndTheWindowComesUp) {
  writeDatabase();
  fs::remove(folder.root() / "zor.cnf");
  const std::map<std::string, std::string> before = testsupport::folderFiles(folder.root() / "data");
  platform::refuseChangesIn(folder.root().string());
  startWizard();
  platform::clearFileFaults();
  ASSERT_EQ(script.shown.size(), 1u);
  const DialogRecord& box = script.shown.front();
  EXPECT_EQ(box.kind, DialogKind::MessageBox);
  EXPECT_EQ(box.icon, DialogIcon::Information);
  EXPECT_EQ(box.text.rfind(
                "The game folder \"" + fs::canonical(folder.root()).string() + "\" cannot be written to.", 0),
            0u)
      << box.text;
  EXPECT_EQ(liveFormCount(), 1u);
  EXPECT_EQ(db::catalogue().MoveCount, 3);
  EXPECT_EQ(testsupport::folderFiles(folder.root() / "data"), before);
  EXPECT_FALSE(fs::exists(folder.root() / "zor.cnf"));
}

}  // namespace
