// The file transaction on its own: its journal, the states a dead process can leave, and the lock.
#include "platform/file_transaction.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/folder_lock.h"
#include "platform/secure_hash.h"
#include "platform/transaction_journal.h"
#include "platform_test_support.h"

namespace {

namespace fs = std::filesystem;
using platform::RecoveryAction;
using platform::Transaction;
using platform::TransactionStep;
using platform_test::readBytesFrom;
using platform_test::TempFolder;
using platform_test::writeBytesTo;

class FileTransactionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    files = platform::TransactionFiles{folder.path().string(), "change.journal", "change.last"};
    write("a.dat", "old a");
    write("a.dat.bak", "older a");
    write("b.dat", "old b");
    write("a.new", "new a");
    write("b.new", "new b");
    write("c.new", "new c");  // c.dat does not exist yet
    write("a.idx", "index of a");
  }

  void write(const std::string& name, const std::string& bytes) { writeBytesTo(folder / name, bytes); }
  std::string read(const std::string& name) const {
    return fs::exists(folder / name) ? readBytesFrom(folder / name) : "<missing>";
  }

  static TransactionStep replace(const std::string& newFile, const std::string& target, bool backup = true) {
    TransactionStep step;
    step.newFile = newFile;
    step.target = target;
    if (backup) step.backup = target + ".bak";
    return step;
  }

  Transaction change() const {
    Transaction transaction;
    transaction.label = "test";
    transaction.steps = {replace("a.new", "a.dat"), replace("b.new", "b.dat"), replace("c.new", "c.dat")};
    TransactionStep removeIndex;
    removeIndex.what = TransactionStep::Action::Remove;
    removeIndex.target = "a.idx";
    transaction.steps.push_back(removeIndex);
    return transaction;
  }

  void expectOld() const {
    EXPECT_EQ(read("a.dat"), "old a");
    EXPECT_EQ(read("a.dat.bak"), "older a");
    EXPECT_EQ(read("b.dat"), "old b");
    EXPECT_EQ(read("b.dat.bak"), "<missing>");
    EXPECT_EQ(read("c.dat"), "<missing>");
    EXPECT_EQ(read("a.idx"), "index of a");
  }
  void expectNew() const {
    EXPECT_EQ(read("a.dat"), "new a");
    EXPECT_EQ(read("a.dat.bak"), "old a");
    EXPECT_EQ(read("b.dat"), "new b");
    EXPECT_EQ(read("b.dat.bak"), "old b");
    EXPECT_EQ(read("c.dat"), "new c");
    EXPECT_EQ(read("c.dat.bak"), "<missing>");
    EXPECT_EQ(read("a.idx"), "<missing>");
    for (const char* name :
         {"a.new", "b.new", "c.new", "change.journal", "a.dat.bak.aside", "a.idx.bak.aside"}) {
      EXPECT_EQ(read(name), "<missing>") << name;
    }
  }

  TempFolder folder;
  platform::TransactionFiles files;
};

TEST_F(FileTransactionTest, MakesEveryStepAndKeepsTheJournalAsTheRecord) {
  platform_test::ErrorRecorder errors;
  const platform::TransactionResult result = platform::commitTransaction(files, change());
  EXPECT_TRUE(result.committed());
  EXPECT_TRUE(result.cleanupFailures.empty());
  expectNew();
  EXPECT_TRUE(errors.errors.empty());

  std::optional<platform::FileFailure> failure;
  const std::optional<Transaction> record = platform::readTransactionRecord(files, failure);
  ASSERT_TRUE(record.has_value());
  EXPECT_FALSE(failure.has_value());
  EXPECT_EQ(record->label, "test");
  ASSERT_EQ(record->steps.size(), 4u);
  EXPECT_EQ(record->steps[0].newDigest, platform::fileDigest(folder / "a.dat"));
  EXPECT_EQ(record->steps[0].oldDigest, platform::fileDigest(folder / "a.dat.bak"));
  EXPECT_TRUE(record->steps[2].oldDigest.empty());  // c.dat did not exist
  EXPECT_EQ(platform::recoverTransaction(files).action, RecoveryAction::Nothing);
}

TEST_F(FileTransactionTest, AJournalWithoutItsClosingLineIsTornAndChangesNothing) {
  Transaction transaction = change();
  for (TransactionStep& step : transaction.steps) step.newDigest = "00";
  ASSERT_FALSE(platform::writeJournal(folder / "change.journal", transaction));
  const std::string whole = read("change.journal");
  // Cut anywhere, or with one byte changed, the journal is not complete.
  for (size_t cut : {size_t{0}, size_t{10}, whole.size() / 2, whole.size() - 3}) {
    write("change.journal", whole.substr(0, cut));
    EXPECT_FALSE(platform::readJournal(folder / "change.journal").complete) << cut;
  }
  std::string changed = whole;
  changed[whole.find("b.new")] = 'x';
  write("change.journal", changed);
  EXPECT_FALSE(platform::readJournal(folder / "change.journal").complete);
  write("change.journal", whole);
  EXPECT_TRUE(platform::readJournal(folder / "change.journal").complete);

  write("change.journal", whole.substr(0, whole.size() / 2));
  const platform::RecoveryResult recovery = platform::recoverTransaction(files);
  EXPECT_EQ(recovery.action, RecoveryAction::DiscardedTorn);
  EXPECT_FALSE(recovery.changedFiles);
  expectOld();
  EXPECT_EQ(read("change.journal"), "<missing>");
  EXPECT_EQ(read("a.new"), "new a");  // the new files stay, as after a declined import
}

// The states a process that dies after the commit point leaves, made by hand: the recovery finishes
// the change from each.
TEST_F(FileTransactionTest, FinishesAChangeFromWhereverItStopped) {
  struct Stop {
    std::string what;
    std::vector<std::pair<std::string, std::string>> renames;
  };
  const std::vector<Stop> stops = {
      {"nothing renamed", {}},
      {"backup set aside", {{"a.dat.bak", "a.dat.bak.aside"}}},
      {"target kept as backup", {{"a.dat.bak", "a.dat.bak.aside"}, {"a.dat", "a.dat.bak"}}},
      {"first step made", {{"a.dat.bak", "a.dat.bak.aside"}, {"a.dat", "a.dat.bak"}, {"a.new", "a.dat"}}},
      {"second target moved",
       {{"a.dat.bak", "a.dat.bak.aside"},
        {"a.dat", "a.dat.bak"},
        {"a.new", "a.dat"},
        {"b.dat", "b.dat.bak"}}},
  };
  for (const Stop& stop : stops) {
    SetUp();
    for (const char* name : {"a.dat.bak.aside", "b.dat.bak", "c.dat", "a.idx.bak.aside", "change.last"}) {
      fs::remove(folder / name);
    }
    Transaction transaction = change();
    for (TransactionStep& step : transaction.steps) {
      if (!step.newFile.empty()) step.newDigest = platform::fileDigest(folder / step.newFile);
      if (fs::exists(folder / step.target)) step.oldDigest = platform::fileDigest(folder / step.target);
    }
    ASSERT_FALSE(platform::writeJournal(folder / "change.journal", transaction));
    for (const auto& [from, to] : stop.renames) fs::rename(folder / from, folder / to);

    const platform::RecoveryResult recovery = platform::recoverTransaction(files);
    EXPECT_EQ(recovery.action, RecoveryAction::RolledForward) << stop.what;
    EXPECT_TRUE(recovery.changedFiles) << stop.what;
    EXPECT_EQ(recovery.label, "test");
    expectNew();
    EXPECT_NE(read("change.last"), "<missing>") << stop.what;
  }
}

TEST_F(FileTransactionTest, PutsEveryFileBackWhenANewFileIsDamaged) {
  Transaction transaction = change();
  for (TransactionStep& step : transaction.steps) {
    if (!step.newFile.empty()) step.newDigest = platform::fileDigest(folder / step.newFile);
    if (fs::exists(folder / step.target)) step.oldDigest = platform::fileDigest(folder / step.target);
  }
  ASSERT_FALSE(platform::writeJournal(folder / "change.journal", transaction));
  // The first step was made, then the process died and b.new was damaged.
  fs::rename(folder / "a.dat.bak", folder / "a.dat.bak.aside");
  fs::rename(folder / "a.dat", folder / "a.dat.bak");
  fs::rename(folder / "a.new", folder / "a.dat");
  write("b.new", "damaged");

  const platform::RecoveryResult recovery = platform::recoverTransaction(files);
  EXPECT_EQ(recovery.action, RecoveryAction::RolledBack);
  ASSERT_TRUE(recovery.reason.has_value());
  EXPECT_NE(recovery.reason->path.find("b.new"), std::string::npos);
  expectOld();
  EXPECT_EQ(read("a.new"), "new a");
  EXPECT_EQ(read("change.journal"), "<missing>");
  EXPECT_EQ(read("change.last"), "<missing>");
}

TEST_F(FileTransactionTest, AMissingNewFileStopsTheChangeBeforeItBegins) {
  fs::remove(folder / "b.new");
  platform_test::ErrorRecorder errors;
  const platform::TransactionResult result = platform::commitTransaction(files, change());
  EXPECT_EQ(result.status, platform::TransactionStatus::RolledBack);
  ASSERT_TRUE(result.failure.has_value());
  EXPECT_EQ(result.failure->errorNumber, platform::kErrFileNotFound);
  expectOld();
  EXPECT_EQ(read("change.journal"), "<missing>");
  EXPECT_TRUE(errors.errors.empty());
}

// The disk stops working at each operation of the change in turn. A change reported as undone must
// find the old files after the next recovery; any other leaves one whole set, old or new.
TEST_F(FileTransactionTest, ADiskThatStopsAnywhereLeavesWhatTheResultSays) {
  int undone = 0;
  int unfinished = 0;
  for (int n = 1;; ++n) {
    ASSERT_LT(n, 500) << "the change does not end";
    for (const auto& entry : fs::directory_iterator(folder.path())) fs::remove_all(entry.path());
    SetUp();
    platform::TransactionResult result;
    {
      platform_test::ErrorRecorder errors;
      platform::clearFileFaults();
      platform::failFileOperationsFrom(n, platform::kErrDeviceIo);
      result = platform::commitTransaction(files, change());
      platform::clearFileFaults();
      EXPECT_TRUE(errors.errors.empty()) << "n=" << n;
    }
    if (result.committed() && result.cleanupFailures.empty() && !result.failure) break;
    platform::recoverTransaction(files);
    const bool old = read("a.dat") == "old a" && read("b.dat") == "old b" && read("c.dat") == "<missing>";
    const bool whole =
        old || (read("a.dat") == "new a" && read("b.dat") == "new b" && read("c.dat") == "new c");
    EXPECT_TRUE(whole) << "n=" << n;
    if (result.status == platform::TransactionStatus::RolledBack) {
      ++undone;
      EXPECT_TRUE(old) << "reported undone at n=" << n;
    } else if (result.status == platform::TransactionStatus::RollbackIncomplete) {
      ++unfinished;
    }
  }
  EXPECT_GT(undone, 5);
  EXPECT_GT(unfinished, 0);
}

TEST_F(FileTransactionTest, FlushingAFolderSynchronisesIt) {
  platform_test::ErrorRecorder errors;
  EXPECT_TRUE(platform::flushFolder(folder.path().string()));
  EXPECT_FALSE(platform::flushFolder(folder / "missing"));
  ASSERT_EQ(errors.errors.size(), 1u);
  EXPECT_EQ(errors.errors[0].number, platform::kErrFileNotFound);
}

TEST(NameOnDisk, FindsTheNameWithoutRegardToLetterCase) {
  TempFolder folder;
  writeBytesTo(folder / "WRESTLRS.DAT", "x");
  EXPECT_EQ(platform::nameOnDisk(folder.path().string(), "wrestlrs.dat"), "WRESTLRS.DAT");
  EXPECT_EQ(platform::nameOnDisk(folder.path().string(), "wrestlrs.idx"), "wrestlrs.idx");
}

TEST(FolderLock, OneHolderAtATimeAndNothingLeftBehind) {
  TempFolder folder;
  const std::string path = folder / "test.lock";
  platform::FolderLock first;
  ASSERT_EQ(first.acquire(path, "first holder"), platform::LockStatus::Held);
  platform::FolderLock second;
  EXPECT_EQ(second.acquire(path, "second holder"), platform::LockStatus::Busy);
  EXPECT_EQ(second.holder(), "first holder");
  EXPECT_FALSE(second.held());
  first.release();
  EXPECT_FALSE(fs::exists(path));
  EXPECT_EQ(second.acquire(path, "second holder"), platform::LockStatus::Held);
  EXPECT_EQ(readBytesFrom(path), "second holder\n");
}

TEST(FolderLock, ALockFileWithoutAHolderIsTakenOver) {
  TempFolder folder;
  const std::string path = folder / "test.lock";
  writeBytesTo(path, "process 999999\n");
  platform::FolderLock lock;
  EXPECT_EQ(lock.acquire(path, "new holder"), platform::LockStatus::Held);
  EXPECT_EQ(readBytesFrom(path), "new holder\n");
}

TEST(FolderLock, AFolderThatCannotHoldTheLockFileFails) {
  TempFolder folder;
  platform::FolderLock lock;
  EXPECT_EQ(lock.acquire(folder / "missing/test.lock", "holder"), platform::LockStatus::Failed);
  EXPECT_EQ(lock.errorNumber(), platform::kErrPathNotFound);
}

}  // namespace
