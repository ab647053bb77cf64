#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform_test_support.h"

namespace {

using platform::FileMode;

class FileErrorTest : public platform_test::FileTest {};

TEST_F(FileErrorTest, MissingFileForInputIs53AndLeavesTheNumberUnopened) {
  platform::ProcedureScope scope("LOADDBS");
  EXPECT_FALSE(platform::openFile(1, path("missing.dat"), FileMode::Input));
  EXPECT_FALSE(platform::isOpen(1));
  // The loader goes on and reads the count line from the number that did not open.
  EXPECT_EQ(platform::readNumber(1), 0);
  ASSERT_EQ(recorder.numbers(), (std::vector<int>{53, 52}));
  EXPECT_EQ(recorder.errors[0].description, "File not found");
  EXPECT_EQ(recorder.errors[0].procedure, "LOADDBS");
  EXPECT_EQ(recorder.errors[1].description, "Bad file name or number");
  EXPECT_FALSE(std::filesystem::exists(path("missing.dat")));
}

TEST_F(FileErrorTest, MissingFolderIs76) {
  EXPECT_FALSE(platform::openFile(1, path("nofolder/file.dat"), FileMode::Input));
  EXPECT_FALSE(platform::openFile(1, path("nofolder/file.dat"), FileMode::Output));
  EXPECT_FALSE(platform::openFile(1, path("nofolder/deeper/file.dat"), FileMode::Append));
  EXPECT_EQ(recorder.numbers(), (std::vector<int>{76, 76, 76}));
  EXPECT_FALSE(std::filesystem::exists(path("nofolder")));
}

TEST_F(FileErrorTest, OperationsOnNumbersNotOpenAre52) {
  char byte = 0;
  EXPECT_EQ(platform::readLine(7), "");
  EXPECT_FALSE(platform::writeLine(7, "x"));
  EXPECT_FALSE(platform::writeText(7, "x"));
  EXPECT_EQ(platform::readBytes(7, 1, &byte, 1), 0u);
  EXPECT_FALSE(platform::writeBytes(7, 1, &byte, 1));
  EXPECT_FALSE(platform::seekFile(7, 1));
  EXPECT_FALSE(platform::flushFile(7));
  EXPECT_TRUE(platform::endOfFile(7));
  EXPECT_EQ(platform::fileLength(7), 0);
  EXPECT_EQ(platform::filePosition(7), 0);
  EXPECT_EQ(recorder.numbers(), std::vector<int>(10, 52));
}

TEST_F(FileErrorTest, NumbersOutOfRangeAre52) {
  create("a.txt", "x\r\n");
  EXPECT_FALSE(platform::openFile(0, path("a.txt"), FileMode::Input));
  EXPECT_FALSE(platform::openFile(256, path("a.txt"), FileMode::Input));
  EXPECT_FALSE(platform::openFile(-1, path("a.txt"), FileMode::Input));
  EXPECT_EQ(platform::readLine(256), "");
  EXPECT_FALSE(platform::isOpen(0));
  EXPECT_EQ(recorder.numbers(), (std::vector<int>{52, 52, 52, 52}));
}

TEST_F(FileErrorTest, ClosingANumberNotOpenDoesNothing) {
  platform::closeFile(9);
  platform::closeFile(0);
  EXPECT_TRUE(recorder.errors.empty());
}

TEST_F(FileErrorTest, WrongModeIs54) {
  create("in.txt", "line\r\n");
  ASSERT_TRUE(platform::openFile(1, path("in.txt"), FileMode::Input));
  ASSERT_TRUE(platform::openFile(2, path("out.txt"), FileMode::Output));
  ASSERT_TRUE(platform::openFile(3, path("app.txt"), FileMode::Append));
  ASSERT_TRUE(platform::openFile(4, path("bin.txt"), FileMode::Binary));
  char byte = 0;
  EXPECT_FALSE(platform::writeLine(1, "x"));
  EXPECT_FALSE(platform::writeBytes(1, 1, "x", 1));
  EXPECT_EQ(platform::readLine(2), "");
  EXPECT_EQ(platform::readNumber(3), 0);
  EXPECT_EQ(platform::readBytes(3, 1, &byte, 1), 0u);
  EXPECT_EQ(platform::readLine(4), "");
  EXPECT_EQ(recorder.numbers(), std::vector<int>(6, 54));
  // The refused write changed nothing.
  EXPECT_EQ(platform::readLine(1), "line");
}

TEST_F(FileErrorTest, NumberInUseIs55) {
  create("a.txt", "first\r\n");
  create("b.txt", "second\r\n");
  ASSERT_TRUE(platform::openFile(1, path("a.txt"), FileMode::Input));
  EXPECT_FALSE(platform::openFile(1, path("b.txt"), FileMode::Input));
  EXPECT_EQ(recorder.numbers(), std::vector<int>{55});
  EXPECT_EQ(platform::openPath(1), path("a.txt"));
  EXPECT_EQ(platform::readLine(1), "first");
}

TEST_F(FileErrorTest, FolderOpenedAsFileIs75) {
  std::filesystem::create_directories(path("folder"));
  EXPECT_FALSE(platform::openFile(1, path("folder"), FileMode::Input));
  EXPECT_FALSE(platform::openFile(1, path("folder"), FileMode::Output));
  EXPECT_EQ(recorder.numbers(), (std::vector<int>{75, 75}));
  EXPECT_FALSE(platform::isOpen(1));
}

TEST_F(FileErrorTest, EmptyPathIs64) {
  EXPECT_FALSE(platform::openFile(1, "", FileMode::Output));
  EXPECT_EQ(recorder.numbers(), std::vector<int>{64});
}

TEST_F(FileErrorTest, ReadOnlyFolderIs70) {
#ifdef _WIN32
  GTEST_SKIP() << "on Windows a folder's read-only attribute does not refuse new files";
#else
  if (::geteuid() == 0) GTEST_SKIP() << "permission checks do not apply to root";
#endif
  std::filesystem::create_directories(path("locked"));
  create("locked/file.txt", "x");
  std::filesystem::permissions(path("locked"),
                               std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  EXPECT_FALSE(platform::folderWritable(path("locked")));
  EXPECT_TRUE(platform::folderWritable(folder.path().string()));
  EXPECT_FALSE(platform::openFile(1, path("locked/new.txt"), FileMode::Output));
  EXPECT_FALSE(platform::deleteFile(path("locked/file.txt")));
  EXPECT_EQ(recorder.numbers(), (std::vector<int>{70, 70}));
}

TEST_F(FileErrorTest, SeekToPositionBelowOneIs63) {
  create("a.txt", "x");
  ASSERT_TRUE(platform::openFile(1, path("a.txt"), FileMode::Binary));
  char byte = 0;
  EXPECT_FALSE(platform::seekFile(1, 0));
  EXPECT_EQ(platform::readBytes(1, -4, &byte, 1), 0u);
  EXPECT_EQ(recorder.numbers(), (std::vector<int>{63, 63}));
}

TEST_F(FileErrorTest, FreeFileNumberIsTheLowestFreeOne) {
  create("a.txt", "x");
  EXPECT_EQ(platform::freeFileNumber(), 1);
  ASSERT_TRUE(platform::openFile(1, path("a.txt"), FileMode::Input));
  ASSERT_TRUE(platform::openFile(3, path("a.txt"), FileMode::Input));
  EXPECT_EQ(platform::freeFileNumber(), 2);
  ASSERT_TRUE(platform::openFile(2, path("a.txt"), FileMode::Input));
  EXPECT_EQ(platform::freeFileNumber(), 4);
  platform::closeFile(1);
  EXPECT_EQ(platform::freeFileNumber(), 1);
}

TEST_F(FileErrorTest, AllNumbersTakenIs67) {
  create("a.txt", "x");
  for (int number = 1; number <= platform::kMaxFileNumber; ++number) {
    ASSERT_TRUE(platform::openFile(number, path("a.txt"), FileMode::Input)) << number;
  }
  EXPECT_EQ(platform::freeFileNumber(), 0);
  EXPECT_EQ(recorder.numbers(), std::vector<int>{67});
  platform::closeAllFiles();
  EXPECT_FALSE(platform::isOpen(platform::kMaxFileNumber));
  EXPECT_EQ(platform::freeFileNumber(), 1);
}

TEST_F(FileErrorTest, ErrorTrapCollectsFileErrors) {
  platform::ErrorTrap trap;
  EXPECT_FALSE(platform::openFile(1, path("missing.dat"), FileMode::Input));
  EXPECT_EQ(platform::readLine(1), "");
  ASSERT_EQ(trap.errors().size(), 2u);
  EXPECT_EQ(trap.errors()[0].number, 53);
  EXPECT_EQ(trap.errors()[1].number, 52);
  EXPECT_TRUE(recorder.errors.empty());
}

}  // namespace
