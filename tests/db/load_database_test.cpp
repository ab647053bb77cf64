#include <gtest/gtest.h>

#include <filesystem>

#include "db/catalogue.h"
#include "db/load_database.h"
#include "db/lookups.h"
#include "db_test_support.h"
#include "platform/text.h"
#include "settings/game_options.h"
#include "settings/path_translation.h"
#include "support/game_records.h"

namespace {

using dbtest::DatabaseTest;
using testsupport::StableSpec;
using testsupport::stableSpec;
using testsupport::TeamSpec;
using testsupport::teamSpec;
using testsupport::WrestlerSpec;
using testsupport::wrestlerSpec;

class LoadDatabaseTest : public DatabaseTest {};

TEST_F(LoadDatabaseTest, AnEmptyDatabaseGivesMinimalArraysAndTheNoneEntries) {
  EXPECT_EQ(load(), 0);
  EXPECT_TRUE(errors.empty());
  EXPECT_EQ(catalogue.CatalogueLoaded, 1);
  EXPECT_EQ(catalogue.GameFolder, folder.path());
  EXPECT_EQ(catalogue.MoveCount, 0);
  ASSERT_EQ(catalogue.Moves.size(), 1u);
  EXPECT_EQ(db::text(catalogue.Moves[0].StoredName), "--- None ---");
  EXPECT_EQ(db::text(catalogue.Moves[0].ListName), "--- None ---");
  ASSERT_EQ(catalogue.Wrestlers.size(), 2u);
  EXPECT_EQ(db::text(catalogue.Wrestlers[0].Name), "--- None ---");
  EXPECT_EQ(catalogue.Wrestlers[1].Name, nullptr);
  for (size_t size :
       {catalogue.Dives.size(), catalogue.Managers.size(), catalogue.Teams.size(), catalogue.Stables.size(),
        catalogue.Objects.size(), catalogue.Gimmicks.size(), catalogue.Referees.size()}) {
    EXPECT_EQ(size, 2u);
  }
  EXPECT_EQ(catalogue.Circuits.size(), 21u);
  EXPECT_EQ(catalogue.CircuitCount, 0);
  EXPECT_EQ(catalogue.CrowdCount, 0);
}

TEST_F(LoadDatabaseTest, ArraysHoldOneSpareRecordExceptMoves) {
  folder.writeMoves({{}, {}, {}});
  folder.writeDives({{}, {}, {}});
  folder.writeWrestlers({{}, {}}, testsupport::CountStyle::Plain);
  load();
  EXPECT_EQ(catalogue.MoveCount, 3);
  EXPECT_EQ(catalogue.Moves.size(), 4u);
  EXPECT_EQ(catalogue.DiveCount, 3);
  EXPECT_EQ(catalogue.Dives.size(), 5u);
  EXPECT_EQ(catalogue.Dives[4].StoredName, nullptr);
  EXPECT_EQ(catalogue.WrestlerCount, 2);
  EXPECT_EQ(catalogue.Wrestlers.size(), 4u);
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(catalogue.Moves[i].RecordNumber, i);
}

TEST_F(LoadDatabaseTest, EveryKindIsLoadedWhateverTheMask) {
  folder.writeMoves({{}});
  folder.writeObjects({{}, {}});
  folder.writeGimmicks({{}});
  folder.writeReferees({{}, {}, {}});
  folder.writeStables({{}});
  folder.writeManagers({{}});
  folder.writeTeams({{}});
  folder.writeDives({{}});
  folder.writeWrestlers({{}});
  EXPECT_EQ(db::LOADDBS(catalogue, folder.path(), 1, db::kLoadWrestlers, {}), 0);
  EXPECT_EQ(catalogue.MoveCount, 1);
  EXPECT_EQ(catalogue.ObjectCount, 2);
  EXPECT_EQ(catalogue.GimmickCount, 1);
  EXPECT_EQ(catalogue.RefereeCount, 3);
  EXPECT_EQ(catalogue.StableCount, 1);
  EXPECT_EQ(catalogue.ManagerCount, 1);
  EXPECT_EQ(catalogue.TeamCount, 1);
  EXPECT_EQ(catalogue.DiveCount, 1);
  EXPECT_EQ(catalogue.WrestlerCount, 1);
}

TEST_F(LoadDatabaseTest, AMissingRefereeFileIsSkippedSilently) {
  folder.remove("data/referees.def");
  folder.writeWrestlers({{}});
  EXPECT_EQ(load(), 0);
  EXPECT_TRUE(errors.empty());
  EXPECT_EQ(catalogue.RefereeCount, 0);
  EXPECT_EQ(catalogue.Referees.size(), 2u);
  EXPECT_EQ(catalogue.WrestlerCount, 1);
}

TEST_F(LoadDatabaseTest, AMissingRecordFileIsReportedAndLeavesTheKindEmpty) {
  folder.remove("data/moves.dat");
  folder.writeDives({{}});
  EXPECT_EQ(load(), 0);
  EXPECT_EQ(errorNumbers(), (std::vector<int>{53, 52}));
  EXPECT_EQ(errors[0].procedure, "LOADDBS");
  EXPECT_EQ(catalogue.MoveCount, 0);
  ASSERT_EQ(catalogue.Moves.size(), 1u);
  EXPECT_EQ(db::text(catalogue.Moves[0].ListName), "--- None ---");
  EXPECT_EQ(catalogue.DiveCount, 1);
}

// The options go to the catalogue that is loaded, not to the program's catalogue.
TEST_F(LoadDatabaseTest, ReadsTheGameOptionsFromTheFolderIntoTheCatalogue) {
  folder.writeSettings({"VersionNormalize=1", "WeightPush=55"});
  const int32_t programs = db::catalogue().options.WeightPush;
  load();
  EXPECT_EQ(catalogue.options.WeightPush, 55);
  EXPECT_EQ(db::catalogue().options.WeightPush, programs);
}

TEST_F(LoadDatabaseTest, PumpsEventsBetweenKindsAndWhileReleasing) {
  load();
  EXPECT_EQ(pumps, (std::vector<int32_t>{200, 200, 200}));
  pumps.clear();
  load();
  // Ten kinds released (circuits included with mask 0), then the three pumps of the load.
  EXPECT_EQ(pumps.size(), 13u);
  pumps.clear();
  db::LOADDBS(catalogue, folder.path(), 1, db::kLoadWrestlers, {});
  EXPECT_EQ(pumps.size(), 12u);  // no circuit bit in 1 | 511
}

TEST_F(LoadDatabaseTest, ProgressIsShownOnlyWhenAsked) {
  std::vector<std::string> shown;
  db::LOADDBS(catalogue, folder.path(), 1, 0, [&](std::string_view text) { shown.emplace_back(text); });
  EXPECT_EQ(shown, (std::vector<std::string>{"Loading Main Databases"}));
}

TEST_F(LoadDatabaseTest, ReloadReleasesEveryOldText) {
  folder.writeWrestlers({wrestlerSpec("Hawk"), wrestlerSpec("Blaze")});
  folder.writeMoves({{}, {}});
  folder.writeManagers({{}});
  folder.writeTeams({teamSpec("Hawk", "Blaze", "", "!1-2/Hawk")});
  folder.writeStables({stableSpec("", {1, 2}, {}, "t:\\stable.wav")});
  folder.writeObjects({{}});
  folder.writeGimmicks({{}});
  folder.writeReferees({{}});
  folder.writeDives({{}});
  folder.writeCrowd("crowd.cnf", {"Hawk_Face=Go Hawk|Hawk!"});
  folder.writeMediaPaths({"Blaze=t:\\blaze.wav"});

  size_t empty = heapBlocks();
  load();
  size_t loaded = heapBlocks();
  EXPECT_GT(loaded, empty);
  load();
  EXPECT_EQ(heapBlocks(), loaded);
  load();
  EXPECT_EQ(heapBlocks(), loaded);
  db::releaseCatalogue(catalogue);
  EXPECT_EQ(heapBlocks(), empty);
  EXPECT_EQ(catalogue.CatalogueLoaded, 0);
}

TEST_F(LoadDatabaseTest, ReloadReadsTheNewFiles) {
  folder.writeWrestlers({wrestlerSpec("Old")});
  load();
  folder.writeWrestlers({wrestlerSpec("New"), wrestlerSpec("Newer")});
  load();
  ASSERT_EQ(catalogue.WrestlerCount, 2);
  EXPECT_EQ(db::text(catalogue.Wrestlers[1].Name), "New");
  EXPECT_EQ(db::FINDWRESTLER(catalogue, "Old", 0), 0);
}

class MediaPathTest : public DatabaseTest {
 protected:
  std::string translated(std::string_view path) { return settings::TRANSLATEPATH(path, folder.path()); }
};

TEST_F(MediaPathTest, StoredFormAndMissingFilesAreTranslatedExistingFilesStay) {
  folder.writeBytes("media/theme.wav", "RIFF");
  std::string existing = (folder.root() / "media" / "theme.wav").string();
  folder.writeWrestlers({wrestlerSpec("A", "", "T:\\x.wav"), wrestlerSpec("B", "", existing),
                         wrestlerSpec("C", "", "c:\\zor7se\\media\\theme.wav"), wrestlerSpec("D", "", "")});
  folder.writeTeams({teamSpec("Member One", "Member Two", "", "", "t:\\team.wav")});
  folder.writeStables({stableSpec("", {}, {}, "t:\\stable.wav")});
  load();
  EXPECT_EQ(db::text(catalogue.Wrestlers[1].MediaPath), translated("T:\\x.wav"));
  EXPECT_EQ(db::text(catalogue.Wrestlers[1].MediaPath), "c:\\zor_xchg\\x.wav");
  EXPECT_EQ(db::text(catalogue.Wrestlers[2].MediaPath), existing);
  EXPECT_EQ(db::text(catalogue.Wrestlers[3].MediaPath), translated("c:\\zor7se\\media\\theme.wav"));
  EXPECT_EQ(db::text(catalogue.Wrestlers[4].MediaPath), "");
  EXPECT_EQ(db::text(catalogue.Teams[1].MediaPath), translated("t:\\team.wav"));
  EXPECT_EQ(db::text(catalogue.Stables[1].MediaPath), translated("t:\\stable.wav"));
}

TEST_F(MediaPathTest, MediaPathFileFillsOnlyEmptyPathsAndPrefersWrestlers) {
  folder.writeWrestlers(
      {wrestlerSpec("Both"), wrestlerSpec("Has", "", "t:\\own.wav"), wrestlerSpec("Second", "Alias")});
  folder.writeTeams(
      {teamSpec("Member One", "Member Two", "Both"), teamSpec("Member One", "Member Two", "Crew")});
  folder.writeMediaPaths({"Both=t:\\both.wav|ignored", "Has=t:\\other.wav", "Crew=t:\\crew.wav+extra=more",
                          "Alias=t:\\alias.wav", "Nobody=t:\\nobody.wav", "no separator"});
  load();
  EXPECT_EQ(db::text(catalogue.Wrestlers[1].MediaPath), translated("t:\\both.wav"));
  EXPECT_EQ(db::text(catalogue.Teams[1].MediaPath), "");
  EXPECT_EQ(db::text(catalogue.Wrestlers[2].MediaPath), translated("t:\\own.wav"));
  EXPECT_EQ(db::text(catalogue.Teams[2].MediaPath), translated("t:\\crew.wav"));
  EXPECT_EQ(db::text(catalogue.Wrestlers[3].MediaPath), translated("t:\\alias.wav"));
  EXPECT_TRUE(errors.empty());
}

TEST_F(MediaPathTest, ALineWithoutANameGivesNobodyItsPath) {
  // Wrestlers without a second name, and an unnamed team, all answer to the empty name.
  folder.writeWrestlers({wrestlerSpec("Hawk"), wrestlerSpec("Blaze")});
  folder.writeTeams({teamSpec("Member One", "Member Two")});
  folder.writeMediaPaths({"=t:\\stray.wav", "", "Blaze=t:\\blaze.wav"});
  load();
  EXPECT_EQ(db::text(catalogue.Wrestlers[1].MediaPath), "");
  EXPECT_EQ(db::text(catalogue.Teams[1].MediaPath), "");
  EXPECT_EQ(db::text(catalogue.Wrestlers[2].MediaPath), translated("t:\\blaze.wav"));
}

class CrowdTest : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    WrestlerSpec gone = wrestlerSpec("Gone");
    gone.deleted = true;
    folder.writeWrestlers({wrestlerSpec("Hawk", "The Hawk"), wrestlerSpec("Blaze"), gone});
  }

  std::vector<std::string> texts() const {
    std::vector<std::string> result;
    for (int i = 1; i <= catalogue.CrowdCount; ++i)
      result.emplace_back(db::text(catalogue.CrowdEntries[i].CrowdText));
    return result;
  }
};

TEST_F(CrowdTest, EachTextOfALineBecomesAnEntry) {
  folder.writeCrowd(
      "crowd.cnf", {"Hawk_Face=a|b|c", "Hawk_face=d", "Hawk=e", "Blaze_Heel=f||g", "Blaze_*=h", "Gone_Face=i",
                    "Nobody_Face=j", "Blaze_Face=", "_Face=k", "The Hawk_Heel=l=m"});
  load();
  EXPECT_EQ(texts(), (std::vector<std::string>{"a", "b", "c", "d", "f", "", "g", "h", "l"}));
  const auto& entries = catalogue.CrowdEntries;
  ASSERT_EQ(catalogue.CrowdCount, 9);
  EXPECT_EQ(entries.size(), 10u);
  EXPECT_EQ(entries[1].Alignment, 1);
  EXPECT_EQ(entries[3].Alignment, 1);
  EXPECT_EQ(entries[4].Alignment, 0);
  EXPECT_EQ(entries[5].Alignment, 2);
  EXPECT_EQ(entries[8].Alignment, 3);
  EXPECT_EQ(db::text(entries[5].WrestlerName), "Blaze");
  // A line keyed by the second name carries the wrestler's name.
  EXPECT_EQ(db::text(entries[9].WrestlerName), "Hawk");
  EXPECT_EQ(entries[9].Alignment, 2);
  for (int i = 1; i <= 9; ++i) {
    EXPECT_EQ(entries[i].Kind, 1);
    EXPECT_EQ(entries[i].Extra1, nullptr);
  }
}

TEST_F(CrowdTest, ScrambledLinesAndTheWomensFile) {
  folder.writeCrowd("crowd.cnf", {"Hawk_Face=Go Hawk!"}, true);
  folder.writeCrowd("wcrowd.cnf", {"Blaze_Heel=Boo"}, true);
  load();
  ASSERT_EQ(catalogue.CrowdCount, 2);
  EXPECT_EQ(db::text(catalogue.CrowdEntries[1].CrowdText), "Go Hawk!");
  EXPECT_EQ(catalogue.CrowdEntries[1].Kind, 1);
  EXPECT_EQ(db::text(catalogue.CrowdEntries[2].CrowdText), "Boo");
  EXPECT_EQ(catalogue.CrowdEntries[2].Kind, 2);
  EXPECT_EQ(catalogue.CrowdEntries[2].Alignment, 2);
}

TEST_F(CrowdTest, MoreThan5000EntriesAreAllKept) {
  std::vector<std::string> lines;
  for (int i = 0; i < 3000; ++i) lines.push_back("Hawk_Face=x" + std::to_string(i) + "|y");
  folder.writeCrowd("crowd.cnf", lines);
  load();
  ASSERT_EQ(catalogue.CrowdCount, 6000);
  EXPECT_EQ(db::text(catalogue.CrowdEntries[6000].CrowdText), "y");
  EXPECT_EQ(db::text(catalogue.CrowdEntries[5999].CrowdText), "x2999");
}

TEST_F(CrowdTest, AReloadReplacesTheEntries) {
  folder.writeCrowd("crowd.cnf", {"Hawk_Face=a|b"});
  load();
  folder.remove("data/crowd.cnf");
  load();
  EXPECT_EQ(catalogue.CrowdCount, 0);
  EXPECT_EQ(catalogue.CrowdEntries.size(), 1u);
}

class CircuitTest : public DatabaseTest {};

TEST_F(CircuitTest, SkippingCircuitsNeverReadsTheCircuitList) {
  folder.writeLines("card.lgs", {"North Circuit", "NORTH", "x"});
  EXPECT_EQ(db::LOADDBS(catalogue, folder.path(), 1, 0, {}), 0);
  EXPECT_EQ(catalogue.CircuitCount, 0);
}

TEST_F(CircuitTest, AskingForCircuitsFailsAtTheFirstOneForWantOfACircuitLoader) {
  folder.writeLines("card.lgs", {"North Circuit", "NORTH", "x", "South Circuit", "SOUTH", "y"});
  size_t before = heapBlocks();
  std::vector<std::string> shown;
  EXPECT_EQ(
      db::LOADDBS(catalogue, folder.path(), 0, 0, [&](std::string_view text) { shown.emplace_back(text); }),
      -1);
  EXPECT_EQ(catalogue.CircuitCount, 1);
  EXPECT_EQ(db::text(catalogue.Circuits[1].ShortName), "North");
  EXPECT_EQ(shown.back(), "Loading Circuit \"North Circuit\"");
  // The next load, which asks for no circuits, still releases what that one left.
  db::LOADDBS(catalogue, folder.path(), 1, db::kLoadWrestlers, {});
  db::releaseCatalogue(catalogue);
  EXPECT_EQ(heapBlocks(), before);
}

TEST_F(CircuitTest, WithoutACircuitListThereIsNothingToLoad) {
  EXPECT_EQ(db::LOADDBS(catalogue, folder.path(), 0, db::kLoadCircuits, {}), 0);
  EXPECT_EQ(errorNumbers(), (std::vector<int>{53}));
  EXPECT_EQ(catalogue.CircuitCount, 0);
}

TEST_F(CircuitTest, TheFilterSkipsOtherCircuitsAndTheTableHoldsTwenty) {
  std::vector<std::string> lines;
  for (int c = 1; c <= 25; ++c) {
    for (std::string line : {"Circuit " + std::to_string(c), std::string("ELSEWHERE"), std::string("x")}) {
      lines.push_back(line);
    }
  }
  folder.writeLines("card.lgs", lines);
  EXPECT_EQ(db::LOADDBS(catalogue, folder.path(), 0, db::kFilterCircuits, {}), 0);
  EXPECT_EQ(catalogue.CircuitCount, 20);
  EXPECT_EQ(catalogue.Circuits.size(), 21u);

  std::string here = platform::upperCase1252(std::filesystem::current_path().filename().string());
  folder.writeLines("card.lgs", {"Home Circuit", here, "x"});
  EXPECT_EQ(db::LOADDBS(catalogue, folder.path(), 0, db::kFilterCircuits, {}), -1);
  EXPECT_EQ(catalogue.CircuitCount, 1);
  EXPECT_EQ(db::text(catalogue.Circuits[1].ShortName), "Home");
}

}  // namespace
