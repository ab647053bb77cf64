// zor-import check: one line per finding on standard output, exit code 0 for a sound database and 1
// otherwise, the database left as it was.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli_test_support.h"
#include "support/game_folder.h"
#include "support/import_scenario.h"

namespace cli {
namespace {

using clitest::Outcome;
using testsupport::numberLine;

class CheckCommandTest : public ::testing::Test {
 protected:
  void SetUp() override { testsupport::writeScenarioDatabase(folder); }

  Outcome check() { return clitest::runZorImportIn(folder.path(), {"check"}); }
  std::map<std::string, std::string> files() const {
    return testsupport::folderFiles(folder.root() / "data");
  }

  testsupport::GameFolder folder;
};

TEST_F(CheckCommandTest, ASoundDatabasePrintsNothing) {
  const std::map<std::string, std::string> before = files();
  const Outcome outcome = check();
  EXPECT_EQ(outcome.code, 0);
  EXPECT_EQ(outcome.out, "");
  EXPECT_EQ(outcome.err, "");
  EXPECT_EQ(files(), before);
}

TEST_F(CheckCommandTest, PrintsOneLinePerFindingInUtf8) {
  testsupport::WrestlerSpec bjorn = testsupport::wrestlerSpec(testsupport::cp437("Bj\xF6rn Halvorsen"));
  bjorn.dives = {3, 0, 0, 0, 0};
  folder.writeWrestlers(
      {bjorn, testsupport::wrestlerSpec("Champion"), testsupport::wrestlerSpec("Third Guy")});
  folder.writeLines("data/zor.inf", {numberLine(3), numberLine(5), numberLine(2)});
  const std::map<std::string, std::string> before = files();

  const Outcome outcome = check();
  EXPECT_EQ(outcome.code, 1);
  EXPECT_EQ(
      outcome.out,
      "wrestlrs.dat, wrestler 1 (Bj\xC3\xB6rn Halvorsen), line 84 bits 0-15: names dive 3, but dives.dat "
      "holds 2 dives\n"
      "zor.inf, line 2: says 5 moves, but the count line of moves.dat says 4\n");
  EXPECT_EQ(outcome.err, "");
  EXPECT_EQ(files(), before);
}

TEST_F(CheckCommandTest, TakesNoArgumentsAndFailsOnAFolderAsTheOtherCommandsDo) {
  ParsedArguments parsed = parseArguments({"-C", "/games/zor", "check"});
  ASSERT_TRUE(parsed.call) << parsed.error;
  EXPECT_EQ(parsed.call->command, CommandKind::Check);
  EXPECT_EQ(parsed.call->directory, "/games/zor");
  EXPECT_NE(helpText().find("\n  zor-import [-C DIR] check\n"), std::string::npos);

  Outcome outcome = clitest::runZorImportIn(folder.path(), {"check", "extra"});
  EXPECT_EQ(outcome.code, 2);
  EXPECT_EQ(outcome.err, "zor-import: check takes no arguments, got 'extra'\nTry 'zor-import --help'.\n");
  EXPECT_EQ(outcome.out, "");

  const std::string missing = (folder.root() / "no such folder").string();
  const Outcome checked = clitest::runZorImportIn(missing, {"check"});
  const Outcome undone = clitest::runZorImportIn(missing, {"undo"});
  EXPECT_EQ(checked.code, 2);
  EXPECT_EQ(checked.err, undone.err);

  testsupport::GameFolder empty;
  const Outcome noDatabase = clitest::runZorImportIn(empty.path(), {"check"});
  EXPECT_NE(noDatabase.code, 0);
  EXPECT_FALSE(noDatabase.out.empty() && noDatabase.err.empty()) << "says why";
}

}  // namespace
}  // namespace cli
