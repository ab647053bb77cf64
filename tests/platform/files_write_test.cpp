#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/files.h"
#include "platform_test_support.h"

namespace {

using platform::FileMode;

class FileWriteTest : public platform_test::FileTest {};

TEST_F(FileWriteTest, OutputCreatesAndWritesCrLfLines) {
  ASSERT_TRUE(platform::openFile(3, path("out.txt"), FileMode::Output));
  EXPECT_TRUE(platform::writeLine(3, "first"));
  EXPECT_TRUE(platform::writeText(3, "part"));
  EXPECT_TRUE(platform::writeLine(3, ""));
  EXPECT_EQ(platform::fileLength(3), 13);
  EXPECT_EQ(platform::filePosition(3), 14);
  platform::closeFile(3);
  EXPECT_EQ(contents("out.txt"), "first\r\npart\r\n");
  EXPECT_TRUE(recorder.errors.empty());
}

TEST_F(FileWriteTest, OutputEmptiesAnExistingFile) {
  create("out.txt", "old contents\r\n");
  ASSERT_TRUE(platform::openFile(1, path("out.txt"), FileMode::Output));
  platform::closeFile(1);
  EXPECT_EQ(contents("out.txt"), "");
}

TEST_F(FileWriteTest, AppendCreatesAndThenAppends) {
  ASSERT_TRUE(platform::openFile(1, path("log.txt"), FileMode::Append));
  platform::writeLine(1, "a");
  platform::closeFile(1);
  ASSERT_TRUE(platform::openFile(1, path("log.txt"), FileMode::Append));
  EXPECT_EQ(platform::filePosition(1), 4);
  platform::writeLine(1, "b");
  platform::closeFile(1);
  EXPECT_EQ(contents("log.txt"), "a\r\nb\r\n");
}

TEST_F(FileWriteTest, LargeOutputArrivesComplete) {
  std::string expected;
  ASSERT_TRUE(platform::openFile(1, path("big.txt"), FileMode::Output));
  for (int i = 0; i < 30000; ++i) {
    std::string line = "line " + std::to_string(i);
    platform::writeLine(1, line);
    expected += line + "\r\n";
  }
  std::string block(100000, 'B');
  platform::writeText(1, block);
  expected += block;
  platform::closeFile(1);
  EXPECT_EQ(contents("big.txt"), expected);
}

TEST_F(FileWriteTest, BinaryReadsAndWritesAtAnyPosition) {
  create("data.bin", "0123456789");
  ASSERT_TRUE(platform::openFile(1, path("data.bin"), FileMode::Binary));
  EXPECT_TRUE(platform::writeBytes(1, 3, "AB", 2));
  char buffer[16] = {};
  // Reads see bytes written before, without a close in between.
  EXPECT_EQ(platform::readBytes(1, 1, buffer, 16), 10u);
  EXPECT_EQ(std::string(buffer, 10), "01AB456789");
  EXPECT_TRUE(platform::endOfFile(1));
  EXPECT_TRUE(platform::writeBytes(1, 0, "XY", 2));  // at the current position: the end
  EXPECT_EQ(platform::fileLength(1), 12);
  EXPECT_EQ(platform::readBytes(1, 11, buffer, 16), 2u);
  EXPECT_EQ(std::string(buffer, 2), "XY");
  EXPECT_EQ(platform::readBytes(1, 100, buffer, 16), 0u);
  platform::closeFile(1);
  EXPECT_EQ(contents("data.bin"), "01AB456789XY");
  EXPECT_TRUE(recorder.errors.empty());
}

TEST_F(FileWriteTest, BinaryWritesLinesAndTextAtThePosition) {
  create("data.bin", "..........");
  ASSERT_TRUE(platform::openFile(1, path("data.bin"), FileMode::Binary));
  ASSERT_TRUE(platform::seekFile(1, 4));
  platform::writeLine(1, "ab");
  EXPECT_EQ(platform::filePosition(1), 8);
  platform::closeFile(1);
  EXPECT_EQ(contents("data.bin"), "...ab\r\n...");
}

// The length is known from the opening on and follows every write, without asking the system again;
// it must still be what the disk will hold.
TEST_F(FileWriteTest, TheLengthFollowsEveryWriteOfAnOpenFile) {
  create("data.bin", "0123456789");
  ASSERT_TRUE(platform::openFile(1, path("data.bin"), FileMode::Binary));
  EXPECT_EQ(platform::fileLength(1), 10);
  EXPECT_TRUE(platform::writeBytes(1, 4, "AB", 2));  // inside: no change
  EXPECT_EQ(platform::fileLength(1), 10);
  EXPECT_TRUE(platform::writeBytes(1, 21, "Z", 1));  // beyond the end: a gap, then the byte
  EXPECT_EQ(platform::fileLength(1), 21);
  const std::string large(200000, 'x');  // written through at once, not buffered
  EXPECT_TRUE(platform::writeBytes(1, 22, large.data(), large.size()));
  EXPECT_EQ(platform::fileLength(1), 21 + 200000);
  platform::closeFile(1);
  EXPECT_EQ(std::filesystem::file_size(path("data.bin")), 21u + 200000u);

  ASSERT_TRUE(platform::openFile(2, path("data.bin"), FileMode::Append));
  EXPECT_EQ(platform::fileLength(2), 21 + 200000);
  platform::writeLine(2, "end");
  EXPECT_EQ(platform::fileLength(2), 21 + 200000 + 5);
  platform::closeFile(2);
  EXPECT_EQ(std::filesystem::file_size(path("data.bin")), 21u + 200000u + 5u);
  EXPECT_TRUE(recorder.errors.empty());
}

TEST_F(FileWriteTest, BinaryCreatesAMissingFile) {
  ASSERT_TRUE(platform::openFile(1, path("new.bin"), FileMode::Binary));
  EXPECT_EQ(platform::fileLength(1), 0);
  EXPECT_TRUE(platform::endOfFile(1));
  platform::closeFile(1);
  EXPECT_TRUE(std::filesystem::exists(path("new.bin")));
}

TEST_F(FileWriteTest, BinaryWriteBeyondTheEndLeavesZeros) {
  ASSERT_TRUE(platform::openFile(1, path("gap.bin"), FileMode::Binary));
  platform::writeBytes(1, 4, "Z", 1);
  platform::closeFile(1);
  EXPECT_EQ(contents("gap.bin"), std::string("\0\0\0Z", 4));
}

TEST_F(FileWriteTest, BinaryReadOfALargeBlock) {
  std::string bytes;
  for (int i = 0; i < 300000; ++i) bytes.push_back(static_cast<char>(i * 7));
  create("large.bin", bytes);
  ASSERT_TRUE(platform::openFile(1, path("large.bin"), FileMode::BinaryRead));
  std::string buffer(bytes.size() + 10, '\0');
  EXPECT_EQ(platform::readBytes(1, 2, buffer.data(), 5), 5u);
  EXPECT_EQ(platform::readBytes(1, 0, buffer.data() + 5, buffer.size() - 5), bytes.size() - 6);
  EXPECT_EQ(buffer.substr(0, bytes.size() - 1), bytes.substr(1));
  EXPECT_TRUE(recorder.errors.empty());
}

TEST_F(FileWriteTest, BinaryReadNeedsAnExistingFileAndRefusesWrites) {
  EXPECT_FALSE(platform::openFile(1, path("missing.bin"), FileMode::BinaryRead));
  EXPECT_FALSE(std::filesystem::exists(path("missing.bin")));
  create("data.bin", "abc");
  ASSERT_TRUE(platform::openFile(1, path("data.bin"), FileMode::BinaryRead));
  EXPECT_FALSE(platform::writeBytes(1, 1, "x", 1));
  EXPECT_FALSE(platform::writeLine(1, "x"));
  EXPECT_EQ(recorder.numbers(), (std::vector<int>{53, 54, 54}));
  platform::closeFile(1);
  EXPECT_EQ(contents("data.bin"), "abc");
}

TEST_F(FileWriteTest, FlushMakesTheBytesVisibleBeforeTheClose) {
  ASSERT_TRUE(platform::openFile(1, path("out.txt"), FileMode::Output));
  platform::writeLine(1, "kept");
  EXPECT_TRUE(platform::flushFile(1));
  EXPECT_EQ(contents("out.txt"), "kept\r\n");
}

TEST_F(FileWriteTest, DiskFullIsError61) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  ASSERT_TRUE(platform::openFile(1, "/dev/full", FileMode::Output));
  platform::writeLine(1, "nowhere");
  EXPECT_FALSE(platform::flushFile(1));
  platform::writeLine(1, "nowhere");
  platform::closeFile(1);
  EXPECT_EQ(recorder.numbers(), (std::vector<int>{61, 61}));
  EXPECT_FALSE(platform::isOpen(1));
}

TEST_F(FileWriteTest, LargeWriteToAFullDiskFailsAtOnce) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  ASSERT_TRUE(platform::openFile(1, "/dev/full", FileMode::Output));
  EXPECT_FALSE(platform::writeText(1, std::string(100000, 'x')));
  EXPECT_EQ(recorder.numbers(), std::vector<int>{61});
}

}  // namespace
