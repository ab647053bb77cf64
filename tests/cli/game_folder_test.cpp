// zor-import started in a folder that holds no game: one line naming the folder, exit 1, and nothing
// written there.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli_test_support.h"
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
  const fs::path folder = parent.root() /
                          "\xC3\x89"
                          "changes";  // "Échanges" in UTF-8
  fs::create_directories(folder);
  const clitest::Outcome outcome = clitest::runZorImportIn(folder.string(), {"show", "x.zor"});
  EXPECT_EQ(outcome.code, 1);
  EXPECT_NE(outcome.err.find("/\xC3\x89"
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

}  // namespace
}  // namespace cli
