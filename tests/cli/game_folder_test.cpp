// zor-import started in a folder that holds no game: one line naming the folder, exit 1, and nothing
// written there. Started in a game folder that cannot be written to: one note, exports can be looked
// at, and every change is refused before anything is written.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "cli_test_support.h"
#include "platform/files.h"
#include "support/export_writer.h"
#include "support/game_folder.h"
#include "support/import_scenario.h"

namespace cli {
namespace {

namespace fs = std::filesystem;

struct NoGameCase {
  const char* what;
  bool dataFolder;
  const char* reason;
};

TEST(NoGameFolderTest, EveryCommandOnTheFolderSaysSoOnceAndWritesNothing) {
  const NoGameCase cases[] = {
      {"no data folder", false, "it has no \"data\" folder."},
      {"an empty data folder", true, "its \"data\" folder holds none of the game's record files."},
  };
  for (const NoGameCase& folderCase : cases) {
    for (const std::vector<std::string>& command : {std::vector<std::string>{"show", "x.zor"},
                                                    {"import", "x.zor", "--all"},
                                                    {"batch", "x.zor"},
                                                    {"undo"}}) {
      SCOPED_TRACE(std::string(folderCase.what) + ", " + command.front());
      testsupport::GameFolder folder;
      if (!folderCase.dataFolder) fs::remove_all(folder.root() / "data");
      const std::vector<fs::path> before = testsupport::pathsUnder(folder.root());

      const clitest::Outcome outcome = clitest::runZorImportIn(folder.path(), command);
      EXPECT_EQ(outcome.code, 1);
      EXPECT_EQ(outcome.out, "");
      const std::string expected = "zor-import: \"" + fs::canonical(folder.root()).string() +
                                   "\" is not a ZOR 7 SE game folder: " + folderCase.reason +
                                   " Run zor-import in the game's folder, or name that folder with -C DIR.\n";
      EXPECT_EQ(outcome.err, expected);
      EXPECT_EQ(testsupport::pathsUnder(folder.root()), before);
    }
  }
}

TEST(NoGameFolderTest, TheFolderIsNamedAsItReadsEvenWithLettersBeyondAscii) {
  testsupport::GameFolder parent;
  const fs::path folder = parent.root() / testsupport::utf8Path("\xC3\x89"
                                                                  "changes");  // "Échanges" in UTF-8
  fs::create_directories(folder);
  const clitest::Outcome outcome = clitest::runZorImportIn(testsupport::pathText(folder), {"show", "x.zor"});
  EXPECT_EQ(outcome.code, 1);
  EXPECT_NE(outcome.err.find("\xC3\x89"
                             "changes\" is not a ZOR 7 SE game folder"),
            std::string::npos)
      << outcome.err;
}

TEST(NoGameFolderTest, AFolderThatCannotBeEnteredIsNamedAsItReads) {
  const clitest::Outcome outcome = clitest::runZorImportIn(
      "/no/such/\xC3\x89"
      "changes",
      {"show", "x.zor"});
  EXPECT_EQ(outcome.code, 2);
  EXPECT_EQ(outcome.err,
            "zor-import: cannot change to the folder '/no/such/\xC3\x89"
            "changes'\nTry 'zor-import --help'.\n");
}

TEST(ReadOnlyGameFolderTest, ExportsCanBeLookedAtAndEveryChangeIsRefusedWithOneNote) {
  testsupport::GameFolder folder;
  testsupport::writeScenarioDatabase(folder);
  const std::string wrestlers = (folder.root() / "wrestlers.zor").string();
  testsupport::writeFileBytes(
      wrestlers,
      testsupport::encipheredExportBytes(testsupport::scenarioExport().lines(), testsupport::exportKeys(5)));
  std::vector<std::string> objects{"[Exported Objects]", "1"};
  for (const std::string& line : testsupport::objectSpec("a Table").toLines()) objects.push_back(line);
  const std::string objectExport = (folder.root() / "objects.zor").string();
  testsupport::writeFileBytes(objectExport, testsupport::plainExportBytes(objects));

  const std::string root = fs::canonical(folder.root()).string();
  const std::string note =
      "zor-import: note: The game folder \"" + root +
      "\" cannot be written to. Exports can be looked at, but nothing can be imported until "
      "the folder can be written to (on Windows: move the game out of Program Files, or run "
      "the program as administrator).\n";
  const std::string refusal =
      "The game folder \"" + root +
      "\" cannot be written to. Nothing can be imported or undone until the folder can be "
      "written to (on Windows: move the game out of Program Files, or run the program as "
      "administrator).";

  // Looking works as on a folder that can be written to.
  std::vector<clitest::Outcome> writable;
  const std::vector<std::vector<std::string>> looks = {
      {"show", wrestlers}, {"show", objectExport}, {"check"}};
  for (const std::vector<std::string>& command : looks)
    writable.push_back(clitest::runZorImportIn(folder.path(), command));
  // The settings file the loads created is what a read-only folder lacks.
  folder.remove("zor.cnf");
  const std::vector<fs::path> paths = testsupport::pathsUnder(folder.root());
  const std::map<std::string, std::string> data = testsupport::folderFiles(folder.root() / "data");
  platform::refuseChangesIn(folder.path());

  for (size_t i = 0; i < looks.size(); ++i) {
    SCOPED_TRACE(looks[i].front());
    const clitest::Outcome outcome = clitest::runZorImportIn(folder.path(), looks[i]);
    EXPECT_EQ(outcome.code, writable[i].code);
    EXPECT_EQ(outcome.out, writable[i].out);
    EXPECT_EQ(outcome.err, note + writable[i].err);
  }

  struct Change {
    std::vector<std::string> command;
    std::string out;
    std::string err;  // after the note
  };
  const Change changes[] = {
      {{"import", wrestlers, "--all"},
       "",
       "The import was not started: " + refusal + " The database has not been changed.\n"},
      {{"import", objectExport}, "", refusal + " Nothing has been imported.\n"},
      {{"batch", wrestlers},
       "Import failed: wrestlers.zor\n",
       "wrestlers.zor: The import was not started: " + refusal + " The database has not been changed.\n"},
      {{"undo"}, "", refusal + "\n"},
  };
  for (const Change& change : changes) {
    SCOPED_TRACE(change.command.front() + " " + (change.command.size() > 1 ? change.command[1] : ""));
    const clitest::Outcome outcome = clitest::runZorImportIn(folder.path(), change.command);
    EXPECT_EQ(outcome.code, 1);
    EXPECT_EQ(outcome.out, change.out);
    EXPECT_EQ(outcome.err, note + change.err);
  }
  platform::clearFileFaults();
  EXPECT_EQ(testsupport::pathsUnder(folder.root()), paths);
  EXPECT_EQ(testsupport::folderFiles(folder.root() / "data"), data);
}

}  // namespace
}  // namespace cli
