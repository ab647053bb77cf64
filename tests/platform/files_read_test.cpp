#include <gtest/gtest.h>

#include "platform/files.h"
#include "platform/text.h"
#include "platform_test_support.h"

namespace {

using platform::FileMode;

class FileReadTest : public platform_test::FileTest {
 protected:
  // Opens a file holding `bytes` for Input under number 1.
  void openWith(const std::string& bytes) {
    create("input.txt", bytes);
    ASSERT_TRUE(platform::openFile(1, path("input.txt"), FileMode::Input));
  }

  std::vector<std::string> readAllLines() {
    std::vector<std::string> lines;
    while (!platform::endOfFile(1)) lines.push_back(platform::readLine(1));
    return lines;
  }
};

// How the bytes of a file split into lines.
struct LineCase {
  const char* what;
  std::string bytes;
  std::vector<std::string> lines;
};

TEST_F(FileReadTest, LineEnds) {
  const LineCase cases[] = {
      {"CR LF and a lone CR end lines",
       "one\r\ntwo\rthree\r\n\r\nfive\r\n",
       {"one", "two", "three", "", "five"}},
      {"a lone LF is part of the line", "a\nb\r\n\nc\r\r\n", {"a\nb", "\nc", ""}},
      {"the last line may end without CR", "first\r\nlast", {"first", "last"}},
      {"a final CR leaves no extra line", "x\r", {"x"}},
  };
  for (const LineCase& file : cases) {
    SCOPED_TRACE(file.what);
    openWith(file.bytes);
    EXPECT_EQ(readAllLines(), file.lines);
    platform::closeFile(1);
  }
  EXPECT_TRUE(recorder.errors.empty());
}

TEST_F(FileReadTest, Byte26EndsTheFile) {
  openWith(
      "a\r\nb\x1A"
      "c\r\nd\r\n");
  EXPECT_EQ(platform::readLine(1), "a");
  EXPECT_FALSE(platform::endOfFile(1));
  EXPECT_EQ(platform::readLine(1), "b");
  EXPECT_TRUE(platform::endOfFile(1));
  EXPECT_EQ(platform::readLine(1), "");
  EXPECT_EQ(recorder.numbers(), std::vector<int>{62});
  EXPECT_TRUE(platform::endOfFile(1));
}

TEST_F(FileReadTest, Byte26AtTheStartOfALine) {
  openWith(
      "a\r\n\x1A"
      "b\r\n");
  EXPECT_EQ(platform::readLine(1), "a");
  EXPECT_TRUE(platform::endOfFile(1));
}

TEST_F(FileReadTest, EmptyFileIsAtItsEnd) {
  openWith("");
  EXPECT_TRUE(platform::endOfFile(1));
  EXPECT_EQ(platform::readLine(1), "");
  EXPECT_EQ(recorder.numbers(), std::vector<int>{62});
}

TEST_F(FileReadTest, LineEndSplitAcrossTheReadBuffer) {
  // The CR is the last byte of the first buffer fill, its LF the first byte of the next.
  std::string first(65535, 'x');
  std::string bytes = first + "\r\nsecond\r\n";
  openWith(bytes);
  EXPECT_EQ(platform::readLine(1), first);
  EXPECT_EQ(platform::readLine(1), "second");
  EXPECT_TRUE(platform::endOfFile(1));
}

TEST_F(FileReadTest, LinesLongerThanTheBufferAndManyShortLines) {
  std::string longLine(200000, 'L');
  std::string bytes = longLine + "\r\n";
  for (int i = 0; i < 50000; ++i) bytes += std::to_string(i) + "\r\n";
  openWith(bytes);
  EXPECT_EQ(platform::readLine(1), longLine);
  for (int i = 0; i < 50000; ++i) {
    ASSERT_EQ(platform::readNumber(1), i);
  }
  EXPECT_TRUE(platform::endOfFile(1));
  EXPECT_TRUE(recorder.errors.empty());
}

TEST_F(FileReadTest, ReadNumberTakesOneNumberPerLine) {
  openWith(" 12,3\r\n-5\r\n4294967295\r\nabc\r\n7 8\r\n\t9\r\n\r\n2.5\r\n");
  EXPECT_EQ(platform::readNumber(1), 12);
  EXPECT_EQ(platform::readNumber(1), -5);
  EXPECT_EQ(platform::readNumber(1), -1);
  EXPECT_EQ(platform::readNumber(1), 0);
  EXPECT_EQ(platform::readNumber(1), 7);
  EXPECT_EQ(platform::readNumber(1), 9);
  EXPECT_EQ(platform::readNumber(1), 0);
  EXPECT_EQ(platform::readNumber(1), 2);
  EXPECT_TRUE(recorder.errors.empty());
  EXPECT_EQ(platform::readNumber(1), 0);
  EXPECT_EQ(recorder.numbers(), std::vector<int>{62});
}

// A line's number is the full parse of its first token, however the reader gets there.
TEST_F(FileReadTest, ReadNumberAgreesWithTheFullParseOfTheToken) {
  const std::vector<std::string> tokens = {"+7",
                                           "-0",
                                           "007",
                                           "3.5",
                                           "-2.5",
                                           "1e3",
                                           "12x",
                                           "-",
                                           "+",
                                           "99999999999999999",
                                           "123456789012345678",
                                           "1234567890123456789",
                                           "-12345678901234567890"};
  std::string bytes;
  for (const std::string& token : tokens) bytes += "  " + token + ",9 tail\r\n";
  openWith(bytes);
  for (const std::string& token : tokens) {
    EXPECT_EQ(platform::readNumber(1), platform::low32(platform::numberValue(token))) << token;
  }
  EXPECT_TRUE(recorder.errors.empty());
}

TEST_F(FileReadTest, PastEndIsReportedEveryTimeByDefault) {
  openWith("only\r\n");
  platform::readLine(1);
  platform::readLine(1);
  platform::readNumber(1);
  EXPECT_EQ(recorder.numbers(), (std::vector<int>{62, 62}));
  EXPECT_EQ(recorder.errors.size(), 2u);
}

TEST_F(FileReadTest, PastEndOnceReportsOnlyTheFirstUntilClosed) {
  openWith("only\r\n");
  platform::reportPastEndOnce(1);
  EXPECT_EQ(platform::readLine(1), "only");
  EXPECT_EQ(platform::readLine(1), "");
  EXPECT_EQ(platform::readNumber(1), 0);
  EXPECT_EQ(platform::readLine(1), "");
  EXPECT_EQ(recorder.numbers(), std::vector<int>{62});

  platform::closeFile(1);
  ASSERT_TRUE(platform::openFile(1, path("input.txt"), FileMode::Input));
  platform::readLine(1);
  platform::readLine(1);
  platform::readLine(1);
  EXPECT_EQ(recorder.numbers(), (std::vector<int>{62, 62, 62}));
}

TEST_F(FileReadTest, PositionCountsFromOne) {
  openWith("ab\r\ncd\r\n");
  EXPECT_EQ(platform::filePosition(1), 1);
  platform::readLine(1);
  EXPECT_EQ(platform::filePosition(1), 5);
  EXPECT_EQ(platform::fileLength(1), 8);
  platform::readLine(1);
  EXPECT_EQ(platform::filePosition(1), 9);
}

TEST_F(FileReadTest, SeekInATextFileRereadsFromThere) {
  openWith("ab\r\ncd\r\n");
  platform::readLine(1);
  platform::readLine(1);
  ASSERT_TRUE(platform::seekFile(1, 2));
  EXPECT_EQ(platform::readLine(1), "b");
  EXPECT_EQ(platform::readLine(1), "cd");
}

TEST_F(FileReadTest, ReadBytesFromAnInputFile) {
  openWith("0123456789");
  char buffer[8] = {};
  EXPECT_EQ(platform::readBytes(1, 3, buffer, 4), 4u);
  EXPECT_EQ(std::string(buffer, 4), "2345");
  EXPECT_EQ(platform::readBytes(1, 0, buffer, 8), 4u);
  EXPECT_EQ(std::string(buffer, 4), "6789");
  EXPECT_TRUE(recorder.errors.empty());
}

TEST_F(FileReadTest, GamePathsWithBackslashes) {
  create("data/teams.dat", "1\r\n");
  std::string gamePath = folder.path().string() + "\\DATA\\Teams.DAT";
  ASSERT_TRUE(platform::openFile(2, gamePath, FileMode::Input));
  EXPECT_EQ(platform::openPath(2), gamePath);
  EXPECT_EQ(platform::readNumber(2), 1);
}

}  // namespace
