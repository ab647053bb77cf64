#include "db/load_report.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "db/catalogue.h"
#include "db/load_database.h"
#include "db_test_support.h"
#include "platform/files.h"
#include "services/events.h"
#include "support/game_records.h"

namespace {

namespace fs = std::filesystem;
using dbtest::DatabaseTest;
using testsupport::numberLine;

constexpr int32_t kMainKinds = 511;

// The names of records 1..count of every kind, by slot: what a load put into the catalogue.
using Names = std::array<std::vector<std::string>, db::kMainKindCount>;

template <class Record, class Key>
std::vector<std::string> namesOf(const std::vector<Record>& records, int32_t count, Key key) {
  std::vector<std::string> names;
  for (int32_t i = 1; i <= count; ++i) names.emplace_back(db::text(key(records[static_cast<size_t>(i)])));
  return names;
}

Names namesIn(const db::Catalogue& c) {
  Names names;
  names[0] = namesOf(c.Wrestlers, c.WrestlerCount, [](const db::Wrestler& r) { return r.Name; });
  names[1] = namesOf(c.Moves, c.MoveCount, [](const db::Move& r) { return r.StoredName; });
  names[2] = namesOf(c.Dives, c.DiveCount, [](const db::Dive& r) { return r.StoredName; });
  names[3] = namesOf(c.Managers, c.ManagerCount, [](const db::Manager& r) { return r.Name; });
  names[4] = namesOf(c.Teams, c.TeamCount, [](const db::Team& r) { return r.DisplayName; });
  names[5] = namesOf(c.Stables, c.StableCount, [](const db::Stable& r) { return r.Name; });
  names[6] = namesOf(c.Referees, c.RefereeCount, [](const db::Referee& r) { return r.Name; });
  names[7] = namesOf(c.Objects, c.ObjectCount, [](const db::ForeignObject& r) { return r.StoredName; });
  names[8] = namesOf(c.Gimmicks, c.GimmickCount, [](const db::GimmickMatch& r) { return r.Name; });
  return names;
}

class LoadReportTest : public DatabaseTest {
 protected:
  // One record of every kind, two wrestlers.
  void writeSmallDatabase() {
    folder.writeWrestlers({testsupport::wrestlerSpec("Hawk"), testsupport::wrestlerSpec("Blaze")});
    folder.writeMoves({testsupport::moveSpec("a Suplex")});
    folder.writeDives({testsupport::diveSpec("a Plancha")});
    folder.writeManagers({testsupport::managerSpec("Manager One")});
    folder.writeTeams({testsupport::teamSpec("Hawk", "Blaze", "Fire Birds")});
    folder.writeStables({testsupport::stableSpec("Army", {1, 2})});
    folder.writeObjects({testsupport::objectSpec("a Chair")});
    folder.writeGimmicks({testsupport::gimmickSpec("Cage Match")});
    folder.writeReferees({testsupport::refereeSpec("Earl")});
  }

  std::string dataPath(const std::string& name) const { return folder.path() + "\\data\\" + name; }
};

TEST_F(LoadReportTest, ACompleteLoadHasNoProblemAndNoChange) {
  writeSmallDatabase();
  load();
  EXPECT_TRUE(errors.empty());
  EXPECT_FALSE(db::incompleteLoad(catalogue, kMainKinds).has_value());
  EXPECT_FALSE(db::changedSinceLoad(catalogue, kMainKinds).has_value());
  for (int slot = 0; slot < db::kMainKindCount; ++slot) {
    const db::KindLoad& kind = catalogue.kindLoads[static_cast<size_t>(slot)];
    EXPECT_TRUE(kind.loaded) << slot;
    EXPECT_TRUE(kind.stamp.has_value()) << slot;
  }
  EXPECT_EQ(catalogue.kindLoads[4].path, dataPath("teams.dat"));
  EXPECT_EQ(catalogue.kindLoads[4].stamp->size,
            static_cast<int64_t>(fs::file_size(folder.data("teams.dat"))));
}

// Before the first load, and after the catalogue is released, no kind is known to be complete.
TEST_F(LoadReportTest, ACatalogueNeverLoadedOrReleasedCountsAsNotLoaded) {
  std::optional<db::LoadProblem> problem = db::incompleteLoad(catalogue, db::kLoadTeams | db::kLoadMoves);
  ASSERT_TRUE(problem.has_value());
  EXPECT_EQ(problem->kind, db::kLoadMoves);
  EXPECT_EQ(problem->errorNumber, 0);
  EXPECT_EQ(problem->path, "\\data\\moves.dat");
  EXPECT_EQ(db::describeLoadProblem(*problem), "\"\\data\\moves.dat\" was not loaded");
  EXPECT_EQ(db::changedSinceLoad(catalogue, db::kLoadObjects), "\\data\\objects.dat");

  load();
  EXPECT_FALSE(db::incompleteLoad(catalogue, kMainKinds).has_value());
  db::releaseCatalogue(catalogue);
  problem = db::incompleteLoad(catalogue, db::kLoadGimmicks);
  ASSERT_TRUE(problem.has_value());
  EXPECT_EQ(problem->kind, db::kLoadGimmicks);
  EXPECT_EQ(problem->errorNumber, 0);
  EXPECT_TRUE(db::changedSinceLoad(catalogue, db::kLoadGimmicks).has_value());
}

TEST_F(LoadReportTest, AMissingFileIsIncompleteAndReportedAsBefore) {
  writeSmallDatabase();
  folder.remove("data/teams.dat");
  load();
  EXPECT_EQ(errorNumbers(), (std::vector<int>{53, 52}));
  EXPECT_EQ(catalogue.TeamCount, 0);
  const std::optional<db::LoadProblem> problem = db::incompleteLoad(catalogue, kMainKinds);
  ASSERT_TRUE(problem.has_value());
  EXPECT_EQ(problem->kind, db::kLoadTeams);
  EXPECT_EQ(problem->path, dataPath("teams.dat"));
  EXPECT_EQ(problem->errorNumber, 53);
  EXPECT_EQ(problem->description, "File not found");
  EXPECT_EQ(db::describeLoadProblem(*problem), "\"" + dataPath("teams.dat") +
                                                   "\" was not read completely when the database was loaded "
                                                   "(error 53 (File not found))");
  // The other kinds are complete.
  EXPECT_FALSE(db::incompleteLoad(catalogue, kMainKinds & ~db::kLoadTeams).has_value());
  EXPECT_EQ(catalogue.WrestlerCount, 2);
}

// A count line that is no number (or a negative count) in front of records loads nothing, silently as
// before, but the file is marked incomplete, so that an import does not rewrite it without them.
TEST_F(LoadReportTest, ACountLineThatIsNoNumberInFrontOfRecordsIsIncomplete) {
  writeSmallDatabase();
  const std::vector<std::vector<std::string>> teams = {
      testsupport::teamSpec("Hawk", "Blaze", "Fire Birds").toLines()};
  for (const std::string countLine : {"abc", "-3", "", " , 2"}) {
    folder.writeRecordFile("teams.dat", countLine, teams);
    errors.clear();
    load();
    EXPECT_TRUE(errors.empty()) << countLine;
    EXPECT_EQ(catalogue.TeamCount, 0) << countLine;
    const std::optional<db::LoadProblem> problem = db::incompleteLoad(catalogue, kMainKinds);
    ASSERT_TRUE(problem.has_value()) << countLine;
    EXPECT_EQ(problem->kind, db::kLoadTeams);
    EXPECT_EQ(problem->description, "its first line holds no record count");
  }
  // A count of 0, however written, with only a blank line after it, is complete.
  for (const std::string countLine : {" 0 ", "0", "+0", "0.2"}) {
    folder.writeBytes("data/teams.dat", countLine + "\r\n\r\n");
    load();
    EXPECT_FALSE(db::incompleteLoad(catalogue, kMainKinds).has_value()) << countLine;
  }
}

// A short file loads what it can, as before, with its one report; it is only marked incomplete.
TEST_F(LoadReportTest, AFileShorterThanItsCountIsIncompleteButStillLoadsWhatItHolds) {
  writeSmallDatabase();
  folder.writeRecordFile("moves.dat", numberLine(3), {testsupport::moveSpec("a Suplex").toLines()});
  folder.writeRecordFile("wrestlrs.dat", numberLine(999999), {testsupport::wrestlerSpec("Hawk").toLines()});
  load();
  EXPECT_EQ(errorNumbers(), (std::vector<int>{62, 62}));
  EXPECT_EQ(catalogue.MoveCount, 3);
  EXPECT_EQ(db::text(catalogue.Moves[1].StoredName), "a Suplex");
  EXPECT_EQ(catalogue.WrestlerCount, 1);
  EXPECT_EQ(db::text(catalogue.Wrestlers[1].Name), "Hawk");

  // The first kind of the mask in the order of the mask bits.
  std::optional<db::LoadProblem> problem = db::incompleteLoad(catalogue, kMainKinds);
  ASSERT_TRUE(problem.has_value());
  EXPECT_EQ(problem->kind, db::kLoadWrestlers);
  EXPECT_EQ(problem->errorNumber, 62);
  EXPECT_EQ(problem->description, "Input past end");
  problem = db::incompleteLoad(catalogue, db::kLoadMoves | db::kLoadTeams);
  ASSERT_TRUE(problem.has_value());
  EXPECT_EQ(problem->kind, db::kLoadMoves);
  EXPECT_EQ(problem->path, dataPath("moves.dat"));
  EXPECT_FALSE(db::incompleteLoad(catalogue, db::kLoadDives | db::kLoadTeams).has_value());

  // Repaired, the next load is complete.
  folder.writeMoves({testsupport::moveSpec("a Suplex")});
  folder.writeWrestlers({testsupport::wrestlerSpec("Hawk")});
  errors.clear();
  load();
  EXPECT_TRUE(errors.empty());
  EXPECT_FALSE(db::incompleteLoad(catalogue, kMainKinds).has_value());
}

TEST_F(LoadReportTest, AFileLongerThanItsCountIsComplete) {
  folder.writeRecordFile(
      "dives.dat", numberLine(1),
      {testsupport::diveSpec("a Plancha").toLines(), testsupport::diveSpec("a Tope").toLines()});
  load();
  EXPECT_TRUE(errors.empty());
  EXPECT_EQ(catalogue.DiveCount, 1);
  EXPECT_FALSE(db::incompleteLoad(catalogue, kMainKinds).has_value());
}

TEST_F(LoadReportTest, AMissingRefereeFileIsCompleteUntilOneAppears) {
  folder.remove("data/referees.def");
  load();
  EXPECT_TRUE(errors.empty());
  EXPECT_FALSE(db::incompleteLoad(catalogue, db::kLoadReferees).has_value());
  EXPECT_FALSE(catalogue.kindLoads[6].stamp.has_value());
  EXPECT_FALSE(db::changedSinceLoad(catalogue, kMainKinds).has_value());
  folder.writeReferees({testsupport::refereeSpec("Earl")});
  EXPECT_EQ(db::changedSinceLoad(catalogue, kMainKinds), dataPath("referees.def"));
}

// Every file operation of the load fails in turn, once. The reports stay as they were, and the
// catalogue knows which kind lost something: exactly the kind whose load the failure fell into is
// incomplete, and every kind recorded complete holds what a load without the failure gives.
TEST_F(LoadReportTest, EachFailingOperationOfTheLoadMarksTheKindItHit) {
  writeSmallDatabase();
  load();
  ASSERT_TRUE(errors.empty());
  const Names clean = namesIn(catalogue);
  std::array<int, db::kMainKindCount> hits{};
  int outsideKinds = 0;
  for (int n = 1;; ++n) {
    errors.clear();
    platform::clearFileFaults();
    platform::failFileOperation(n, platform::kErrDeviceIo);
    {
      platform::ErrorWatch watch;
      load();
      const bool faultHappened = platform::fileOperationCount() >= n;
      platform::clearFileFaults();
      if (!faultHappened) break;
      ASSERT_TRUE(watch.sawErrors()) << n;
      EXPECT_EQ(watch.errors().front().number, platform::kErrDeviceIo) << n;
      // Still reported: the load goes on after the report, as it always did.
      ASSERT_FALSE(errors.empty()) << n;
      EXPECT_EQ(errors.front().number, platform::kErrDeviceIo) << n;
    }
    int incomplete = 0;
    const Names loaded = namesIn(catalogue);
    for (int slot = 0; slot < db::kMainKindCount; ++slot) {
      const db::KindLoad& kind = catalogue.kindLoads[static_cast<size_t>(slot)];
      ASSERT_TRUE(kind.loaded);
      if (kind.firstError) {
        ++incomplete;
        ++hits[static_cast<size_t>(slot)];
        EXPECT_EQ(kind.firstError->number, platform::kErrDeviceIo) << n << " " << slot;
      } else {
        EXPECT_EQ(loaded[static_cast<size_t>(slot)], clean[static_cast<size_t>(slot)]) << n << " " << slot;
      }
    }
    EXPECT_LE(incomplete, 1) << n;
    if (incomplete == 0) ++outsideKinds;  // the settings and completion files
    ASSERT_LT(n, 5000) << "the load does not end";
  }
  for (int slot = 0; slot < db::kMainKindCount; ++slot) {
    // At least the open, the count, the records and the close of each file.
    EXPECT_GE(hits[static_cast<size_t>(slot)], 4) << slot;
  }
  EXPECT_GT(outsideKinds, 0);
}

// changedSinceLoad: the stamps taken by the load against the files as they are now.
TEST_F(LoadReportTest, ChangedSinceLoadNamesTheFirstFileNoLongerAsLoaded) {
  writeSmallDatabase();
  load();
  EXPECT_FALSE(db::changedSinceLoad(catalogue, kMainKinds).has_value());

  // Rewritten with another size.
  folder.writeTeams({testsupport::teamSpec("Hawk", "Blaze", "Fire Birds"), testsupport::teamSpec("A", "B")});
  EXPECT_EQ(db::changedSinceLoad(catalogue, kMainKinds), dataPath("teams.dat"));
  EXPECT_FALSE(db::changedSinceLoad(catalogue, kMainKinds & ~db::kLoadTeams).has_value());
  load();
  EXPECT_FALSE(db::changedSinceLoad(catalogue, kMainKinds).has_value());

  // The same bytes with another time.
  const fs::path moves = folder.data("moves.dat");
  fs::last_write_time(moves, fs::last_write_time(moves) + std::chrono::seconds(2));
  EXPECT_EQ(db::changedSinceLoad(catalogue, kMainKinds), dataPath("moves.dat"));
  // Both changed: the first in the order of the mask bits.
  folder.writeDives({testsupport::diveSpec("a Plancha"), testsupport::diveSpec("a Tope")});
  EXPECT_EQ(db::changedSinceLoad(catalogue, kMainKinds), dataPath("moves.dat"));
  EXPECT_EQ(db::changedSinceLoad(catalogue, db::kLoadDives | db::kLoadTeams), dataPath("dives.dat"));
  load();

  // Removed.
  folder.remove("data/gimmicks.dat");
  EXPECT_EQ(db::changedSinceLoad(catalogue, kMainKinds), dataPath("gimmicks.dat"));
  EXPECT_FALSE(db::changedSinceLoad(catalogue, db::kLoadObjects).has_value());
}

// Each file is stamped when it is loaded, not at the end of the load: a file rewritten after it was
// read, while the load goes on with the other kinds, is no longer as loaded.
TEST_F(LoadReportTest, AFileRewrittenLaterInTheLoadIsChanged) {
  writeSmallDatabase();
  bool rewritten = false;
  // The load lets the window work now and then; the moves are rewritten at the first chance once they
  // are loaded.
  const services::EventPump previous = services::setEventPump([&](int32_t) {
    if (rewritten || catalogue.MoveCount != 1) return;
    rewritten = true;
    folder.writeMoves({testsupport::moveSpec("a Suplex"), testsupport::moveSpec("a Kick")});
  });
  load();
  services::setEventPump(previous);
  ASSERT_TRUE(rewritten);
  EXPECT_EQ(catalogue.MoveCount, 1);
  EXPECT_FALSE(db::incompleteLoad(catalogue, kMainKinds).has_value());
  EXPECT_EQ(db::changedSinceLoad(catalogue, kMainKinds), dataPath("moves.dat"));
}

TEST(KindSlot, OneSlotPerMainKindBit) {
  EXPECT_EQ(db::kindSlot(db::kLoadWrestlers), 0);
  EXPECT_EQ(db::kindSlot(db::kLoadMoves), 1);
  EXPECT_EQ(db::kindSlot(db::kLoadTeams), 4);
  EXPECT_EQ(db::kindSlot(db::kLoadReferees), 6);
  EXPECT_EQ(db::kindSlot(db::kLoadGimmicks), 8);
  EXPECT_EQ(db::kindSlot(db::kLoadCircuits), -1);
  EXPECT_EQ(db::kindSlot(0), -1);
  EXPECT_EQ(db::kindSlot(db::kLoadMoves | db::kLoadDives), -1);
}

}  // namespace
