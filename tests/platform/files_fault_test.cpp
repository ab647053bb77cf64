#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform_test_support.h"

namespace {

using platform::FileMode;

class FileFaultTest : public platform_test::FileTest {
 protected:
  void SetUp() override { platform::clearFileFaults(); }

  // A careful save: the new file is written and closed under a trap, and only then put in place of
  // the old one. Returns the errors raised.
  std::vector<int> save(const std::string& text) {
    platform::ErrorTrap trap;
    int number = platform::freeFileNumber();
    if (platform::openFile(number, path("db.new"), FileMode::Output)) {
      platform::writeLine(number, text);
      platform::closeFile(number);
    }
    if (!trap.failed() && platform::fileExists(path("db.dat"))) platform::deleteFile(path("db.dat"));
    if (!trap.failed()) platform::renameFile(path("db.new"), path("db.dat"));
    std::vector<int> numbers;
    for (const auto& error : trap.errors()) numbers.push_back(error.number);
    return numbers;
  }
};

TEST_F(FileFaultTest, TheNthOperationFailsThenAllIsNormal) {
  create("a.txt", "1\r\n2\r\n3\r\n4\r\n");
  ASSERT_TRUE(platform::openFile(1, path("a.txt"), FileMode::Input));  // operation 1
  platform::failFileOperation(3, 57);
  EXPECT_EQ(platform::readNumber(1), 1);  // 2
  EXPECT_EQ(platform::readNumber(1), 2);  // 3
  EXPECT_TRUE(recorder.errors.empty());
  EXPECT_EQ(platform::readNumber(1), 0);  // 4: fails, consumes nothing
  EXPECT_EQ(recorder.numbers(), std::vector<int>{57});
  EXPECT_EQ(platform::readNumber(1), 3);
  EXPECT_EQ(platform::readNumber(1), 4);
  EXPECT_EQ(recorder.errors.size(), 1u);
  EXPECT_EQ(platform::fileOperationCount(), 6);
}

TEST_F(FileFaultTest, TableQueriesDoNotCount) {
  create("a.txt", "x");
  platform::freeFileNumber();
  platform::isOpen(1);
  platform::openPath(1);
  EXPECT_EQ(platform::fileOperationCount(), 0);
  ASSERT_TRUE(platform::openFile(1, path("a.txt"), FileMode::Input));
  platform::filePosition(1);
  platform::reportPastEndOnce(1);
  EXPECT_EQ(platform::fileOperationCount(), 1);
}

TEST_F(FileFaultTest, FailedOpenCreatesNothing) {
  platform::failFileOperation(1, 70);
  EXPECT_FALSE(platform::openFile(1, path("new.txt"), FileMode::Output));
  EXPECT_FALSE(platform::isOpen(1));
  EXPECT_FALSE(std::filesystem::exists(path("new.txt")));
  EXPECT_EQ(recorder.numbers(), std::vector<int>{70});
}

TEST_F(FileFaultTest, FailedWriteWritesNothing) {
  ASSERT_TRUE(platform::openFile(1, path("out.txt"), FileMode::Output));
  platform::failFileOperation(2, 61);
  EXPECT_TRUE(platform::writeLine(1, "one"));
  EXPECT_FALSE(platform::writeLine(1, "two"));
  EXPECT_TRUE(platform::writeLine(1, "three"));
  platform::closeFile(1);
  EXPECT_EQ(contents("out.txt"), "one\r\nthree\r\n");
  EXPECT_EQ(recorder.numbers(), std::vector<int>{61});
}

TEST_F(FileFaultTest, FailedCloseReleasesTheNumberAndLosesUnwrittenBytes) {
  ASSERT_TRUE(platform::openFile(1, path("out.txt"), FileMode::Output));
  platform::writeLine(1, "lost");
  platform::failFileOperation(1, 61);
  platform::closeFile(1);
  EXPECT_FALSE(platform::isOpen(1));
  EXPECT_EQ(contents("out.txt"), "");
  EXPECT_EQ(recorder.numbers(), std::vector<int>{61});
}

TEST_F(FileFaultTest, FailedRenameAndDeleteChangeNothing) {
  create("a.txt", "a");
  platform::failFileOperation(1, 75);
  platform::failFileOperation(2, 70);
  EXPECT_FALSE(platform::renameFile(path("a.txt"), path("b.txt")));
  EXPECT_FALSE(platform::deleteFile(path("a.txt")));
  EXPECT_EQ(contents("a.txt"), "a");
  EXPECT_FALSE(std::filesystem::exists(path("b.txt")));
  EXPECT_EQ(recorder.numbers(), (std::vector<int>{75, 70}));
}

TEST_F(FileFaultTest, FailedQueriesGiveNeutralResults) {
  create("a.txt", "abc");
  ASSERT_TRUE(platform::openFile(1, path("a.txt"), FileMode::Input));
  platform::failFileOperation(1, 57);
  platform::failFileOperation(2, 57);
  platform::failFileOperation(3, 57);
  platform::failFileOperation(4, 57);
  EXPECT_TRUE(platform::endOfFile(1));
  EXPECT_EQ(platform::fileLength(1), 0);
  EXPECT_FALSE(platform::fileExists(path("a.txt")));
  EXPECT_EQ(platform::currentDirectory(), "");
  EXPECT_EQ(recorder.numbers(), std::vector<int>(4, 57));
  EXPECT_FALSE(platform::endOfFile(1));
  EXPECT_EQ(platform::fileLength(1), 3);
}

// A folder made read-only the way tests can, root or not: every change in it or below it fails with
// 70 and changes nothing, reading goes on, and the folders beside it are not touched.
TEST_F(FileFaultTest, ARefusedFolderBehavesAsOnAReadOnlyDisk) {
  create("game/data/a.txt", "a");
  create("other/b.txt", "b");
  platform::refuseChangesIn(path("game"));
  EXPECT_FALSE(platform::folderWritable(path("game")));
  EXPECT_FALSE(platform::folderWritable(path("game/data")));
  EXPECT_TRUE(platform::folderWritable(path("other")));
  EXPECT_FALSE(platform::folderWritable(path("nowhere")));
  EXPECT_TRUE(recorder.errors.empty());

  const std::string kept = path("game/data/a.txt");
  struct Change {
    const char* what;
    std::function<bool()> make;
  };
  const Change changes[] = {
      {"create", [&] { return platform::openFile(1, path("game/new.txt"), FileMode::Output); }},
      {"append", [&] { return platform::openFile(1, kept, FileMode::Append); }},
      {"open to write", [&] { return platform::openFile(1, kept, FileMode::Binary); }},
      {"delete", [&] { return platform::deleteFile(kept); }},
      {"rename", [&] { return platform::renameFile(kept, path("game/data/c.txt")); }},
      {"replace", [&] { return platform::replaceFile(kept, path("game/data/c.txt")); }},
      {"move out", [&] { return platform::renameFile(kept, path("other/c.txt")); }},
      {"move in", [&] { return platform::renameFile(path("other/b.txt"), path("game/b.txt")); }},
      {"copy in", [&] { return platform::copyFile(path("other/b.txt"), path("game/b.txt")); }},
  };
  for (const Change& change : changes) {
    recorder.clear();
    EXPECT_FALSE(change.make()) << change.what;
    EXPECT_EQ(recorder.numbers(), std::vector<int>{70}) << change.what;
  }
  EXPECT_FALSE(platform::isOpen(1));
  EXPECT_EQ(contents("game/data/a.txt"), "a");
  EXPECT_EQ(contents("other/b.txt"), "b");
  EXPECT_FALSE(std::filesystem::exists(path("game/new.txt")));
  EXPECT_FALSE(std::filesystem::exists(path("game/b.txt")));

  recorder.clear();
  ASSERT_TRUE(platform::openFile(1, kept, FileMode::Input));
  EXPECT_EQ(platform::readLine(1), "a");
  platform::closeFile(1);
  EXPECT_TRUE(platform::copyFile(kept, path("other/a.txt")));
  EXPECT_TRUE(recorder.errors.empty());

  platform::clearFileFaults();
  EXPECT_TRUE(platform::folderWritable(path("game")));
  EXPECT_TRUE(platform::deleteFile(kept));
}

TEST_F(FileFaultTest, ClearFileFaultsForgetsPlannedFaultsAndTheCount) {
  create("a.txt", "x");
  platform::failFileOperation(1, 57);
  platform::clearFileFaults();
  EXPECT_TRUE(platform::fileExists(path("a.txt")));
  EXPECT_EQ(platform::fileOperationCount(), 1);
  platform::clearFileFaults();
  EXPECT_EQ(platform::fileOperationCount(), 0);
  EXPECT_TRUE(recorder.errors.empty());
}

TEST_F(FileFaultTest, EachStepOfASaveFailsInTurn) {
  create("db.dat", "old\r\n");
  ASSERT_TRUE(save("new").empty());
  EXPECT_EQ(contents("db.dat"), "new\r\n");
  const int steps = platform::fileOperationCount();
  ASSERT_EQ(steps, 6);  // open, write, close, exists, delete, rename
  for (int step = 1; step <= steps; ++step) {
    SCOPED_TRACE(step);
    create("db.dat", "old\r\n");
    std::filesystem::remove(path("db.new"));
    platform::clearFileFaults();
    platform::failFileOperation(step, 61);
    EXPECT_EQ(save("new"), std::vector<int>{61});
    EXPECT_FALSE(platform::isOpen(1));
    if (step < 6) {
      EXPECT_EQ(contents("db.dat"), "old\r\n");
    } else {
      // The old file is gone, the complete new one waits beside its place.
      EXPECT_FALSE(std::filesystem::exists(path("db.dat")));
      EXPECT_EQ(contents("db.new"), "new\r\n");
    }
  }
  EXPECT_TRUE(recorder.errors.empty());
}

}  // namespace
