// Lines read as views and lines copied in blocks must give what reading line by line gives, also
// where a line crosses the read-ahead cache or ends in anything but CR LF.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform_test_support.h"

namespace {

using platform::FileMode;

// What reading a text file line by line yields, written independently of the reader: a line ends at
// CR (a LF right after it belongs to the line end), byte 26 ends the file, a last line may lack its end.
std::vector<std::string> linesOf(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t pos = 0;
  while (pos < bytes.size() && bytes[pos] != 26) {
    const size_t stop = bytes.find_first_of(std::string("\r\x1a", 2), pos);
    if (stop == std::string::npos) {
      lines.push_back(bytes.substr(pos));
      break;
    }
    lines.push_back(bytes.substr(pos, stop - pos));
    pos = stop;
    if (bytes[stop] == '\r') {
      ++pos;
      if (pos < bytes.size() && bytes[pos] == '\n') ++pos;
    }
  }
  return lines;
}

// Several cache lengths of lines: mostly CR LF, some bare CR, LF inside lines, one line longer than
// the cache, and a last line without its end.
std::string awkwardFile() {
  std::string bytes;
  for (int i = 0; i < 40000; ++i) {
    bytes += std::to_string(i * 7919 % 100003);
    if (i % 997 == 0) bytes += " text\nwith a line feed inside";
    if (i == 20000) bytes += std::string(70000, 'x');
    bytes += i % 613 == 0 ? "\r" : "\r\n";
  }
  return bytes + "last line";
}

class LineCopyTest : public platform_test::FileTest {};

TEST_F(LineCopyTest, ViewsAndBlockCopiesGiveTheLinesOfTheFile) {
  const std::string bytes = awkwardFile();
  create("in.dat", bytes);
  const std::vector<std::string> expected = linesOf(bytes);
  ASSERT_GT(expected.size(), 40000u);

  ASSERT_TRUE(platform::openFile(1, path("in.dat"), FileMode::Input));
  for (size_t i = 0; i < expected.size(); ++i) {
    ASSERT_EQ(platform::readLineView(1), expected[i]) << "line " << i;
  }
  EXPECT_TRUE(platform::endOfFile(1));
  platform::closeFile(1);

  ASSERT_TRUE(platform::openFile(1, path("in.dat"), FileMode::Input));
  ASSERT_TRUE(platform::openFile(2, path("out.dat"), FileMode::Output));
  std::string copied;
  size_t done = 0;
  const size_t counts[] = {1, 7, 120, 3, 5000};
  for (size_t round = 0; done < expected.size(); ++round) {
    const size_t count = std::min(counts[round % 5], expected.size() - done);
    const platform::LineCopy copy = platform::copyLines(1, 2, static_cast<int>(count));
    ASSERT_EQ(copy.lines, static_cast<int>(count)) << "after line " << done;
    for (size_t k = 0; k < count; ++k) copied += expected[done + k] + "\r\n";
    done += count;
  }
  platform::closeFile(2);
  EXPECT_TRUE(recorder.errors.empty());
  EXPECT_EQ(contents("out.dat"), copied);
}

// The end of a line is found at whatever byte of a step of eight it lies.
TEST_F(LineCopyTest, ALineEndsAtItsFirstReturnOrEndOfTextWhereverItLies) {
  for (size_t length = 0; length < 20; ++length) {
    SCOPED_TRACE(length);
    const std::string text(length, 'a');
    create("cr.dat", text + "\rb\x1a\r\n");
    ASSERT_TRUE(platform::openFile(1, path("cr.dat"), FileMode::Input));
    EXPECT_EQ(platform::readLineView(1), text);
    EXPECT_EQ(platform::readLineView(1), "b");
    EXPECT_TRUE(platform::endOfFile(1));
    platform::closeFile(1);

    if (length == 0) continue;  // a file that begins with byte 26 holds no line
    create("eot.dat", text + "\x1a\rzzz\r\n");
    ASSERT_TRUE(platform::openFile(1, path("eot.dat"), FileMode::Input));
    EXPECT_EQ(platform::readLineView(1), text);
    EXPECT_TRUE(platform::endOfFile(1));
    platform::closeFile(1);
  }
  EXPECT_TRUE(recorder.errors.empty());
}

TEST_F(LineCopyTest, AShortSourceStopsWithInputPastEnd) {
  create("in.dat",
         "1\r\n2\r\n\x1a"
         "3\r\n");
  ASSERT_TRUE(platform::openFile(1, path("in.dat"), FileMode::Input));
  ASSERT_TRUE(platform::openFile(2, path("out.dat"), FileMode::Output));
  const platform::LineCopy copy = platform::copyLines(1, 2, 5);
  EXPECT_EQ(copy.lines, 2);
  EXPECT_FALSE(copy.writeFailed);
  EXPECT_EQ(recorder.numbers(), std::vector<int>{platform::kErrInputPastEnd});
  platform::closeFile(2);
  EXPECT_EQ(contents("out.dat"), "1\r\n2\r\n");
}

TEST_F(LineCopyTest, FailuresNameTheirSideAndCopyNothing) {
  create("in.dat", "1\r\n2\r\n");
  create("other.dat", "x\r\n");
  ASSERT_TRUE(platform::openFile(1, path("in.dat"), FileMode::Input));
  ASSERT_TRUE(platform::openFile(2, path("other.dat"), FileMode::Input));
  platform::LineCopy copy = platform::copyLines(1, 2, 1);
  EXPECT_TRUE(copy.writeFailed);
  EXPECT_EQ(recorder.numbers(), std::vector<int>{platform::kErrBadFileMode});

  recorder.clear();
  ASSERT_TRUE(platform::openFile(3, path("out.dat"), FileMode::Output));
  platform::failFileOperation(1, platform::kErrDeviceIo);
  copy = platform::copyLines(1, 3, 2);
  EXPECT_EQ(copy.lines, 0);
  EXPECT_FALSE(copy.writeFailed);
  EXPECT_EQ(recorder.numbers(), std::vector<int>{platform::kErrDeviceIo});

  recorder.clear();
  copy = platform::copyLines(1, 3, 2);  // nothing was consumed by the failed copies
  EXPECT_EQ(copy.lines, 2);
  platform::closeFile(3);
  EXPECT_EQ(contents("out.dat"), "1\r\n2\r\n");
}

}  // namespace
