#include "import/commit.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "import/engine_test_support.h"
#include "platform/errors.h"
#include "platform/file_transaction.h"
#include "platform/files.h"

namespace imports {
namespace {

using enginetest::crlf;
using enginetest::ReportCounter;
namespace fs = std::filesystem;

class TempDatabase {
 public:
  TempDatabase() {
    std::random_device random;
    root_ = fs::temp_directory_path() /
            ("zor-import-commit-" + std::to_string(random()) + std::to_string(random()));
    fs::create_directories(root_ / "data");
  }
  ~TempDatabase() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }
  std::string folder() const { return root_.string(); }
  fs::path path(const std::string& name) const { return root_ / "data" / name; }
  void write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path(name), std::ios::binary) << bytes;
  }
  std::optional<std::string> read(const std::string& name) const {
    if (!fs::exists(path(name))) return std::nullopt;
    std::ifstream in(path(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  void clear() const {
    for (const auto& entry : fs::directory_iterator(root_ / "data")) fs::remove_all(entry.path());
  }

 private:
  fs::path root_;
};

// A record file: the count line, then `records` records of `lines` lines "<tag><record>.<line>".
std::string recordFile(const std::string& countLine, const std::string& tag, int records, int lines) {
  std::vector<std::string> all{countLine};
  for (int r = 1; r <= records; ++r) {
    for (int n = 1; n <= lines; ++n) all.push_back(tag + std::to_string(r) + "." + std::to_string(n));
  }
  return crlf(all);
}

// The index of a record file written by recordFile: the 1-based position of each record.
std::string expectedIndex(const std::string& bytes, int lines) {
  std::string index;
  size_t position = bytes.find("\r\n") + 2;
  while (position < bytes.size()) {
    index += numberLine(static_cast<int64_t>(position) + 1) + "\r\n";
    for (int n = 0; n < lines && position < bytes.size(); ++n) position = bytes.find("\r\n", position) + 2;
  }
  return index;
}

struct KindFiles {
  RecordKind kind;
  std::string base;
};
const std::vector<KindFiles> kKinds = {{RecordKind::Wrestler, "wrestlrs"},
                                       {RecordKind::Move, "moves"},
                                       {RecordKind::Dive, "dives"},
                                       {RecordKind::Manager, "managers"},
                                       {RecordKind::Team, "teams"}};

const RecordCounts kNewTotals{3, 4, 2, 5, 6};
const std::string kNewCounts = crlf({" 3 ", " 4 ", " 5 "});

// A database before a commit: old files, some older backups, old indexes and the five new files.
class CommitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::skipDiskSync(true);  // hundreds of commits; what is checked does not depend on the disk
    build(2);
  }
  void TearDown() override { platform::skipDiskSync(false); }

  void build(int records, int newRecords = -1) {
    if (newRecords < 0) newRecords = records + 1;
    db.clear();
    for (const KindFiles& kind : kKinds) {
      const int lines = linesPerRecord(kind.kind);
      oldFiles[kind.base + ".dat"] = recordFile(std::to_string(records), "old" + kind.base, records, lines);
      newFiles[kind.base + ".dat"] = recordFile(" " + std::to_string(newRecords) + " ", "new" + kind.base,
                                                kind.kind == RecordKind::Wrestler ? 0 : newRecords, lines);
      db.write(kind.base + ".dat", oldFiles[kind.base + ".dat"]);
      db.write(kind.base + ".new", newFiles[kind.base + ".dat"]);
      db.write(kind.base + ".idx", "old index\r\n");
    }
    oldFiles["zor.inf"] = crlf({"2", "2", "2"});
    newFiles["zor.inf"] = kNewCounts;
    db.write("zor.inf", oldFiles["zor.inf"]);
    oldBackups = {{"wrestlrs.dat.bak", "older wrestlers"},
                  {"dives.dat.bak", "older dives"},
                  {"zor.inf.bak", "older counts"}};
    for (const auto& [name, bytes] : oldBackups) db.write(name, bytes);
  }

  std::optional<std::string> backupBefore(const std::string& target) const {
    auto found = oldBackups.find(target + ".bak");
    if (found == oldBackups.end()) return std::nullopt;
    return found->second;
  }

  void expectUntouched(const std::string& context) const {
    for (const auto& [target, bytes] : oldFiles) {
      EXPECT_EQ(db.read(target), bytes) << target << " " << context;
      EXPECT_EQ(db.read(target + ".bak"), backupBefore(target)) << target << " " << context;
      EXPECT_FALSE(db.read(target + std::string(kAsideSuffix))) << target << " " << context;
    }
    for (const KindFiles& kind : kKinds) {
      EXPECT_EQ(db.read(kind.base + ".new"), newFiles.at(kind.base + ".dat")) << kind.base << " " << context;
      EXPECT_EQ(db.read(kind.base + ".idx"), "old index\r\n") << kind.base << " " << context;
      EXPECT_FALSE(db.read(kind.base + ".idx.bak")) << kind.base << " " << context;
    }
    EXPECT_FALSE(db.read("zor.journal")) << context;
    EXPECT_FALSE(db.read("zor.undo")) << context;
  }

  void expectCommitted(const CommitResult& result, const std::string& context) const {
    for (const auto& [target, bytes] : newFiles) {
      EXPECT_EQ(db.read(target), bytes) << target << " " << context;
      EXPECT_EQ(db.read(target + ".bak"), oldFiles.at(target)) << target << " " << context;
      bool cleanupFailed = false;
      for (const FileFailure& failure : result.cleanupFailures) {
        cleanupFailed |= failure.path.find(target + std::string(kAsideSuffix)) != std::string::npos;
      }
      if (cleanupFailed) {
        EXPECT_EQ(db.read(target + std::string(kAsideSuffix)), backupBefore(target))
            << target << " " << context;
      } else {
        EXPECT_FALSE(db.read(target + std::string(kAsideSuffix))) << target << " " << context;
      }
    }
    EXPECT_FALSE(db.read("zor.inf.new")) << context;
    for (const KindFiles& kind : kKinds) {
      EXPECT_FALSE(db.read(kind.base + ".new")) << kind.base << " " << context;
      EXPECT_FALSE(db.read(kind.base + ".idx.new")) << kind.base << " " << context;
      EXPECT_EQ(db.read(kind.base + ".idx"),
                expectedIndex(newFiles.at(kind.base + ".dat"), linesPerRecord(kind.kind)))
          << kind.base << " " << context;
      EXPECT_EQ(db.read(kind.base + ".idx.bak"), "old index\r\n") << kind.base << " " << context;
    }
  }

  TempDatabase db;
  std::map<std::string, std::string> oldFiles;
  std::map<std::string, std::string> newFiles;
  std::map<std::string, std::string> oldBackups;
};

TEST_F(CommitTest, PutsEveryNewFileInPlaceAndKeepsEachPredecessor) {
  ReportCounter reports;
  CommitResult result = commitImport(db.folder(), kNewTotals);
  EXPECT_TRUE(result.complete()) << describeCommit(result);
  expectCommitted(result, "");
  EXPECT_EQ(db.read("zor.inf"), kNewCounts);
  EXPECT_EQ(reports.reports, 0);
  size_t files = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(db.path(""))) ++files;
  // Six files and five indexes, the backup of each, and the record of the change for its undo.
  EXPECT_EQ(files, 6u + 5u + 6u + 5u + 1u);
  EXPECT_TRUE(db.read("zor.undo"));
  EXPECT_FALSE(db.read("zor.journal"));
}

TEST_F(CommitTest, ATargetThatDoesNotExistGetsNoBackup) {
  fs::remove(db.path("zor.inf"));
  fs::remove(db.path("zor.inf.bak"));
  ReportCounter reports;
  CommitResult result = commitImport(db.folder(), kNewTotals);
  EXPECT_TRUE(result.complete()) << describeCommit(result);
  EXPECT_EQ(db.read("zor.inf"), kNewCounts);
  EXPECT_FALSE(db.read("zor.inf.bak"));
  EXPECT_EQ(reports.reports, 0);
}

TEST_F(CommitTest, AnEarlierBackupOfAMissingTargetStays) {
  fs::remove(db.path("zor.inf"));
  CommitResult result = commitImport(db.folder(), kNewTotals);
  EXPECT_TRUE(result.complete()) << describeCommit(result);
  EXPECT_EQ(db.read("zor.inf"), kNewCounts);
  EXPECT_EQ(db.read("zor.inf.bak"), "older counts");
}

TEST_F(CommitTest, CommittingTwiceKeepsOnlyTheLastPredecessor) {
  ASSERT_TRUE(commitImport(db.folder(), kNewTotals).complete());
  db.write("teams.new", "third\r\n");
  for (const KindFiles& kind : kKinds) {
    if (kind.kind != RecordKind::Team) db.write(kind.base + ".new", *db.read(kind.base + ".dat"));
  }
  ASSERT_TRUE(commitImport(db.folder(), RecordCounts{1, 1, 1, 1, 1}).complete());
  EXPECT_EQ(db.read("teams.dat"), "third\r\n");
  EXPECT_EQ(db.read("teams.dat.bak"), newFiles["teams.dat"]);
  EXPECT_EQ(db.read("zor.inf.bak"), kNewCounts);
  EXPECT_EQ(db.read("zor.inf"), crlf({" 1 ", " 1 ", " 1 "}));
}

TEST_F(CommitTest, AMissingNewFileLeavesEverythingAsItWas) {
  fs::remove(db.path("dives.new"));
  newFiles.erase("dives.dat");
  ReportCounter reports;
  CommitResult result = commitImport(db.folder(), kNewTotals);
  EXPECT_EQ(result.status, CommitStatus::RolledBack);
  ASSERT_TRUE(result.failure.has_value());
  EXPECT_EQ(result.failure->errorNumber, platform::kErrFileNotFound);
  EXPECT_NE(result.failure->path.find("dives.new"), std::string::npos);
  EXPECT_NE(describeCommit(result).find("dives.new"), std::string::npos);
  for (const auto& [target, bytes] : oldFiles) EXPECT_EQ(db.read(target), bytes) << target;
  EXPECT_EQ(db.read("wrestlrs.new"), newFiles["wrestlrs.dat"]);
  EXPECT_EQ(reports.reports, 0);
}

TEST_F(CommitTest, RemovesASetAsideBackupThatAnEarlierRunLeft) {
  db.write("moves.dat" + std::string(kAsideSuffix), "stale");
  db.write("moves.dat.bak1", "the game's own older backup");
  CommitResult result = commitImport(db.folder(), kNewTotals);
  EXPECT_TRUE(result.complete()) << describeCommit(result);
  EXPECT_FALSE(db.read("moves.dat" + std::string(kAsideSuffix)));
  EXPECT_EQ(db.read("moves.dat.bak1"), "the game's own older backup");
  EXPECT_EQ(db.read("moves.dat.bak"), oldFiles["moves.dat"]);
}

TEST_F(CommitTest, AnIndexThatCannotBeReplacedLeavesEverythingAsItWas) {
  fs::remove(db.path("managers.idx"));
  fs::create_directory(db.path("managers.idx"));
  ReportCounter reports;
  CommitResult result = commitImport(db.folder(), kNewTotals);
  EXPECT_EQ(result.status, CommitStatus::RolledBack);
  ASSERT_TRUE(result.failure.has_value());
  EXPECT_NE(result.failure->target.find("managers.idx"), std::string::npos) << describeCommit(result);
  for (const auto& [target, bytes] : oldFiles) {
    EXPECT_EQ(db.read(target), bytes) << target;
    EXPECT_EQ(db.read(target + ".bak"), backupBefore(target)) << target;
  }
  EXPECT_TRUE(fs::is_directory(db.path("managers.idx")));
  EXPECT_EQ(db.read("moves.idx"), "old index\r\n");
  EXPECT_FALSE(db.read("zor.journal"));
  EXPECT_EQ(reports.reports, 0);
}

// A record file the game holds open: a C runtime's fopen, as the game's, shares the file with
// readers and writers but not with a rename.
TEST_F(CommitTest, ARecordFileHeldOpenByTheGameLeavesEverythingAsItWas) {
#ifndef _WIN32
  GTEST_SKIP() << "only Windows refuses to rename a file that another program has open";
#endif
  std::ifstream held(db.path("teams.dat"), std::ios::binary);
  ASSERT_TRUE(held.is_open());
  CommitResult result = commitImport(db.folder(), kNewTotals);
  held.close();
  EXPECT_EQ(result.status, CommitStatus::RolledBack);
  const std::string message = describeCommit(result);
  EXPECT_NE(message.find("teams.dat"), std::string::npos) << message;
  EXPECT_NE(message.find("the game, has the file open; close it and try again"), std::string::npos) << message;
  for (const auto& [target, bytes] : oldFiles) {
    EXPECT_EQ(db.read(target), bytes) << target;
    EXPECT_EQ(db.read(target + ".bak"), backupBefore(target)) << target;
  }
  EXPECT_FALSE(db.read("zor.journal"));
}

TEST_F(CommitTest, TheIndexesDescribeTheNewFilesBeforeTheyAreInPlace) {
  build(3, 4);
  ASSERT_TRUE(commitImport(db.folder(), kNewTotals).complete());
  for (const KindFiles& kind : kKinds) {
    EXPECT_EQ(db.read(kind.base + ".idx"),
              expectedIndex(*db.read(kind.base + ".dat"), linesPerRecord(kind.kind)))
        << kind.base;
  }
}

TEST_F(CommitTest, EveryFailingStepLeavesTheDatabaseAllOldOrAllNew) {
  ReportCounter reports;
  int rolledBack = 0;
  int cleanupFailures = 0;
  for (int n = 1;; ++n) {
    ASSERT_LT(n, 5000);
    const std::string context = "n=" + std::to_string(n);
    build(1, 1);
    platform::clearFileFaults();
    platform::failFileOperation(n, platform::kErrDeviceIo);
    CommitResult result = commitImport(db.folder(), kNewTotals);
    platform::clearFileFaults();
    if (result.complete()) {
      expectCommitted(result, context);
      break;
    }
    ASSERT_NE(result.status, CommitStatus::RollbackIncomplete) << context;
    if (result.status == CommitStatus::RolledBack) {
      ++rolledBack;
      ASSERT_TRUE(result.failure.has_value()) << context;
      EXPECT_EQ(result.failure->errorNumber, platform::kErrDeviceIo) << context;
      EXPECT_EQ(result.failure->description, "Device I/O error") << context;
      expectUntouched(context);
      // The files the commit wrote itself are gone; the new record files are the caller's.
      EXPECT_FALSE(db.read("zor.inf.new")) << context;
      for (const KindFiles& kind : kKinds) EXPECT_FALSE(db.read(kind.base + ".idx.new")) << context;
    } else {
      cleanupFailures += static_cast<int>(result.cleanupFailures.size());
      expectCommitted(result, context);
      // What could not be tidied away is tidied by the next start.
      const platform::RecoveryResult recovery = platform::recoverTransaction(
          platform::TransactionFiles{db.folder() + "\\data", "zor.journal", "zor.undo"});
      EXPECT_NE(recovery.action, platform::RecoveryAction::Failed) << context;
      EXPECT_NE(recovery.action, platform::RecoveryAction::RolledBack) << context;
      EXPECT_FALSE(db.read("zor.journal")) << context;
      expectCommitted(CommitResult{}, context);
    }
  }
  // Every file operation up to the last rename, the index writing among them, can stop the commit.
  EXPECT_GT(rolledBack, 100);
  EXPECT_GE(cleanupFailures, 3);  // at least one per set-aside backup
  EXPECT_EQ(reports.reports, 0);
}

// A step fails, and so does putting things back: the user is told, and the next start makes the
// set whole from the journal that stayed behind.
TEST_F(CommitTest, AFailedRollbackIsReportedAndRepairedByTheNextStart) {
  int incomplete = 0;
  bool renameFailed = false;
  bool committed = false;
  // A step fails at operation n, and one of the first operations of putting things back fails too.
  for (int n = 1; n < 1000 && !committed; ++n) {
    for (int later = 1; later <= 8; ++later) {
      const std::string context = "n=" + std::to_string(n) + "+" + std::to_string(later);
      build(1);
      platform::clearFileFaults();
      platform::failFileOperation(n, platform::kErrDeviceIo);
      platform::failFileOperation(n + later, platform::kErrPermissionDenied);
      CommitResult result = commitImport(db.folder(), kNewTotals);
      platform::clearFileFaults();
      if (result.complete() && later == 1) committed = true;
      if (result.status != CommitStatus::RollbackIncomplete) continue;
      ++incomplete;
      ASSERT_FALSE(result.rollbackFailures.empty()) << context;
      EXPECT_EQ(result.rollbackFailures[0].errorNumber, platform::kErrPermissionDenied) << context;
      renameFailed |= result.rollbackFailures[0].operation == "rename";
      EXPECT_NE(describeCommit(result).find("could not be restored"), std::string::npos) << context;
      const platform::RecoveryResult recovery = platform::recoverTransaction(
          platform::TransactionFiles{db.folder() + "\\data", "zor.journal", "zor.undo"});
      if (recovery.action == platform::RecoveryAction::Nothing ||
          recovery.action == platform::RecoveryAction::DiscardedTorn) {
        // The journal itself failed before the commit point, and so did removing it: nothing had begun.
        expectUntouched(context);
        continue;
      }
      EXPECT_EQ(recovery.action, platform::RecoveryAction::RolledForward) << context;
      expectCommitted(CommitResult{}, context);
    }
  }
  EXPECT_GT(incomplete, 5);
  EXPECT_TRUE(renameFailed);
}

TEST_F(CommitTest, BackupAndWritePutsOneFileInPlace) {
  db.write("single.new", "new");
  db.write("single", "old");
  db.write("single.bak", "older");
  const std::string target = db.folder() + "\\data\\single";
  EXPECT_TRUE(BACKUPANDWRITE(target + ".new", target).complete());
  EXPECT_EQ(db.read("single"), "new");
  EXPECT_EQ(db.read("single.bak"), "old");
  EXPECT_FALSE(db.read("single.new"));
  EXPECT_FALSE(db.read("single" + std::string(kAsideSuffix)));
}

TEST(MakeIndex, StartsAfterTheCountLine) {
  TempDatabase db;
  db.write("teams.dat", " 12 \r\n" + crlf({"a", "bb", "ccc", "dddd"}));
  const std::string folder = db.folder() + "\\data\\";
  EXPECT_FALSE(MAKEINDEX(folder + "teams.dat", 2, folder + "teams.idx", 1).has_value());
  EXPECT_EQ(db.read("teams.idx"), crlf({" 7 ", " 14 "}));
}

TEST(MakeIndex, IndexesAShortLastRecordWithoutReadingPastTheEnd) {
  TempDatabase db;
  db.write("dives.dat", crlf({"2", "a", "b", "c"}));
  const std::string folder = db.folder() + "\\data\\";
  ReportCounter reports;
  EXPECT_FALSE(MAKEINDEX(folder + "dives.dat", 2, folder + "dives.idx", 1).has_value());
  EXPECT_EQ(db.read("dives.idx"), crlf({" 4 ", " 10 "}));
  EXPECT_EQ(reports.reports, 0);
}

TEST(MakeIndex, WritesAnEmptyIndexForAFileWithoutRecords) {
  TempDatabase db;
  db.write("moves.dat", crlf({" 0 "}));
  const std::string folder = db.folder() + "\\data\\";
  EXPECT_FALSE(MAKEINDEX(folder + "moves.dat", 27, folder + "moves.idx", 1).has_value());
  EXPECT_EQ(db.read("moves.idx"), "");
}

TEST(CountFile, HoldsTheWrestlerMoveAndManagerTotals) {
  TempDatabase db;
  EXPECT_FALSE(writeCountFile(db.folder(), RecordCounts{12, 340, 7, 56, 8}).has_value());
  EXPECT_EQ(db.read("zor.inf.new"), crlf({" 12 ", " 340 ", " 56 "}));
}

}  // namespace
}  // namespace imports
