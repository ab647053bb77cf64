#include "export/streams.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "platform/errors.h"
#include "platform/files.h"
#include "support/export_writer.h"

namespace {

namespace fs = std::filesystem;
using namespace exports;
using testsupport::ExportKeys;

const fs::path kDataFolder = ZOR_TEST_DATA;

std::string bytesOf(const std::array<uint8_t, 16>& key) {
  return std::string(key.begin(), key.end());
}

// Installs the key tables of `keys` as an open enciphered file would.
void useTables(CipherState& cipher, const ExportKeys& keys) {
  cipher.KeyTable73 = keys.table73;
  cipher.KeyTable173 = keys.table173;
}

#ifdef __linux__
// The access mode this process holds `path` open with, or -1 when it does not hold it open. Asked of
// Linux's /proc; Windows has no such view, but there the read-only attribute alone keeps a file from
// being opened for writing.
int openAccessMode(const fs::path& path) {
  const fs::path wanted = fs::canonical(path);
  for (const auto& link : fs::directory_iterator("/proc/self/fd")) {
    std::error_code error;
    const fs::path target = fs::read_symlink(link.path(), error);
    if (error || target != wanted) continue;
    std::ifstream info("/proc/self/fdinfo/" + link.path().filename().string());
    std::string key;
    while (info >> key) {
      if (key == "flags:") {
        std::string octal;
        info >> octal;
        return static_cast<int>(std::stoi(octal, nullptr, 8) & O_ACCMODE);
      }
    }
  }
  return -1;
}
#endif

class StreamsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static std::atomic<int> counter{0};
    folder_ = fs::temp_directory_path() /
              ("zor-streams-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    fs::create_directories(folder_);
    previousHandler_ = platform::setReportHandler([this](const platform::UntrappedError& error) {
      errors_.push_back(error);
      return platform::ReportAnswer::Continue;
    });
  }

  void TearDown() override {
    while (table_.streamCount > 0) CLOSECRYPT(table_, table_.entries[table_.streamCount].fileNumber);
    platform::setReportHandler(previousHandler_);
    for (const auto& entry : fs::recursive_directory_iterator(folder_)) {
      fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add);
    }
    fs::remove_all(folder_);
  }

  fs::path writeExport(const std::string& name, std::string_view bytes) {
    const fs::path path = folder_ / name;
    testsupport::writeFileBytes(path, bytes);
    return path;
  }

  int32_t open(const fs::path& path) { return OPENCRYPT(cipher_, table_, path.string()); }

  // Every line up to the end; the count is bounded so that a stream that never ends fails the test.
  std::vector<std::string> readAll(int32_t fileNumber, size_t limit = 200000) {
    std::vector<std::string> lines;
    while (!CRYPTEOF(table_, fileNumber)) {
      if (lines.size() >= limit) {
        ADD_FAILURE() << "the stream does not end";
        break;
      }
      lines.push_back(INPUTCRYPT(cipher_, table_, fileNumber));
    }
    return lines;
  }

  std::vector<std::string> readFile(const fs::path& path) {
    const int32_t fileNumber = open(path);
    EXPECT_GT(fileNumber, 0) << path;
    std::vector<std::string> lines = readAll(fileNumber);
    CLOSECRYPT(table_, fileNumber);
    return lines;
  }

  // A text of `size` bytes whose first 256 bytes hold `odd` copies of `oddByte`.
  static std::string textWithOddBytes(int odd, char oddByte, size_t size = 300) {
    std::string text;
    while (text.size() < size) text += "Line of text\r\n";
    text.resize(size);
    for (int i = 0; i < odd; ++i) text[static_cast<size_t>(i) * 9 + 3] = oddByte;
    return text;
  }

  fs::path folder_;
  CipherState cipher_;
  StreamTable table_;
  std::vector<platform::UntrappedError> errors_;
  platform::ReportHandler previousHandler_;
};

// --- the cipher ---------------------------------------------------------------------------------

TEST_F(StreamsTest, CipherIsItsOwnInverseAndMatchesTheFormat) {
  const ExportKeys keys = testsupport::exportKeys(7);
  useTables(cipher_, keys);
  std::string text;
  for (int i = 0; i < 600; ++i) text.push_back(static_cast<char>(i * 37));

  const std::string sealed = ENCRYPT(cipher_, text, keys.streamKey, 0x1234);
  EXPECT_EQ(sealed, testsupport::cipherText(text, keys, 0x1234));
  EXPECT_EQ(sealed.size(), text.size());
  EXPECT_NE(sealed, text);
  EXPECT_EQ(DECRYPT(cipher_, sealed, keys.streamKey, 0x1234), text);
  EXPECT_EQ(ENCRYPT(cipher_, "", keys.streamKey, 5), "");
}

TEST_F(StreamsTest, CipherUsesOnlyThePositionsLowByteAndRestartsItsCycles) {
  const ExportKeys keys = testsupport::exportKeys(8);
  useTables(cipher_, keys);
  const std::string text = "[Exported Wrestlers]";
  EXPECT_EQ(ENCRYPT(cipher_, text, keys.streamKey, 0x7734), ENCRYPT(cipher_, text, keys.streamKey, 0x34));
  EXPECT_NE(ENCRYPT(cipher_, text, keys.streamKey, 0x34), ENCRYPT(cipher_, text, keys.streamKey, 0x35));
  // Each call starts the key and the tables from their first byte again.
  const std::string whole = ENCRYPT(cipher_, text + text, keys.streamKey, 9);
  EXPECT_EQ(whole.substr(0, text.size()), ENCRYPT(cipher_, text, keys.streamKey, 9));
}

TEST_F(StreamsTest, SameTextAtPositionsWithDifferentLowBytesIsEncipheredDifferently) {
  const ExportKeys keys = testsupport::exportKeys(9);
  const std::string bytes = testsupport::encipheredExportBytes({"Same text", "Same text"}, keys);
  const size_t first = kHeaderSize, second = first + 2 + 9;
  ASSERT_NE((first + 1) & 0xFF, (second + 1) & 0xFF);
  EXPECT_NE(bytes.substr(first + 2, 9), bytes.substr(second + 2, 9));
  EXPECT_EQ(readFile(writeExport("same.zor", bytes)), (std::vector<std::string>{"Same text", "Same text"}));
}

TEST_F(StreamsTest, ZorcryptInitialisesOnceWithTheDefaultOwner) {
  table_.streamCount = 3;
  ZORCRYPT(cipher_, table_);
  EXPECT_TRUE(cipher_.cryptReady);
  EXPECT_TRUE(cipher_.ownerReady);
  EXPECT_EQ(table_.streamCount, 0);
  EXPECT_EQ(std::string(cipher_.OwnerBlock.begin(), cipher_.OwnerBlock.begin() + 13), "Default User|");
  const auto tables = std::make_pair(cipher_.KeyTable73, cipher_.KeyTable173);
  EXPECT_NE(tables.second, decltype(tables.second){});

  table_.streamCount = 2;
  ZORCRYPT(cipher_, table_);
  EXPECT_EQ(table_.streamCount, 2);
  EXPECT_EQ(std::make_pair(cipher_.KeyTable73, cipher_.KeyTable173), tables);
  table_.streamCount = 0;
}

TEST_F(StreamsTest, OwnerBlockHoldsTheNameASeparatorAndFiller) {
  ZORCRYPTUSER(cipher_, "Alice");
  EXPECT_EQ(std::string(cipher_.OwnerBlock.begin(), cipher_.OwnerBlock.begin() + 6), "Alice|");
  ZORCRYPT(cipher_, table_);  // keeps an owner block built before
  EXPECT_EQ(cipher_.OwnerBlock[5], '|');

  ZORCRYPTUSER(cipher_, std::string(150, 'x'));
  EXPECT_EQ(std::string(cipher_.OwnerBlock.begin(), cipher_.OwnerBlock.end()), std::string(99, 'x') + "|");
}

// --- telling text from enciphered streams --------------------------------------------------------

TEST_F(StreamsTest, TwentyFiveHighBytesAreTextTwentySixAreEnciphered) {
  const std::string plain = textWithOddBytes(25, static_cast<char>(0xE9));
  const int32_t fileNumber = open(writeExport("25.zor", plain));
  ASSERT_GT(fileNumber, 0);
  EXPECT_EQ(table_.entries[FINDFILE(table_, fileNumber)].isPlainText, 1);
  EXPECT_EQ(INPUTCRYPT(cipher_, table_, fileNumber), plain.substr(0, plain.find('\r')));
  CLOSECRYPT(table_, fileNumber);

  // Not a stream with a valid digest, so it is refused.
  EXPECT_EQ(open(writeExport("26.zor", textWithOddBytes(26, static_cast<char>(0xE9)))), -1);
  EXPECT_EQ(table_.streamCount, 0);
}

TEST_F(StreamsTest, ControlBytesBelowNineCountButTabAndDeleteDoNot) {
  EXPECT_EQ(open(writeExport("bs.zor", textWithOddBytes(26, '\x08'))), -1);
  EXPECT_EQ(open(writeExport("zero.zor", textWithOddBytes(26, '\0'))), -1);
  EXPECT_GT(open(writeExport("tab.zor", textWithOddBytes(200, '\t', 2000))), 0);
  EXPECT_GT(open(writeExport("del.zor", textWithOddBytes(26, '\x7F'))), 0);
}

TEST_F(StreamsTest, OnlyTheFirst256BytesAreLookedAt) {
  std::string text = textWithOddBytes(25, static_cast<char>(0xC4), 256);
  text += std::string(500, static_cast<char>(0xC4)) + "\r\n";
  const int32_t fileNumber = open(writeExport("tail.zor", text));
  ASSERT_GT(fileNumber, 0);
  EXPECT_EQ(table_.entries[FINDFILE(table_, fileNumber)].isPlainText, 1);
}

TEST_F(StreamsTest, ShortAndEmptyFilesAreText) {
  EXPECT_EQ(readFile(writeExport("short.zor", "[Exported Objects]\r\n1\r\n")),
            (std::vector<std::string>{"[Exported Objects]", "1"}));
  // Eight high bytes in a ten-byte file: the 246 missing bytes count as spaces.
  EXPECT_EQ(readFile(writeExport("high.zor", "\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\r\n")).size(), 1u);

  const int32_t empty = open(writeExport("empty.zor", ""));
  ASSERT_GT(empty, 0);
  EXPECT_TRUE(CRYPTEOF(table_, empty));
  EXPECT_EQ(INPUTCRYPT(cipher_, table_, empty), "");
  EXPECT_TRUE(errors_.empty());
}

TEST_F(StreamsTest, TextFilesEndAtTheirLastLineOrAtByte26WithoutAnError) {
  EXPECT_EQ(readFile(writeExport("open.zor", "one\r\ntwo")), (std::vector<std::string>{"one", "two"}));
  EXPECT_EQ(readFile(writeExport("eof.zor", "one\r\ntwo\r\n\x1A")), (std::vector<std::string>{"one", "two"}));
  EXPECT_EQ(readFile(writeExport("blank.zor", "\r\n\r\nx\r\n")), (std::vector<std::string>{"", "", "x"}));
  EXPECT_TRUE(errors_.empty()) << errors_.front().number;
}

TEST_F(StreamsTest, MissingFileOpensNothing) {
  EXPECT_EQ(open(folder_ / "missing.zor"), 0);
  EXPECT_EQ(table_.streamCount, 0);
  EXPECT_TRUE(errors_.empty());
}

// --- enciphered streams ---------------------------------------------------------------------------

TEST_F(StreamsTest, ReferenceFilesYieldTheSameLines) {
  const std::vector<std::string> expected =
      testsupport::splitCrLfLines(testsupport::readFileBytes(kDataFolder / "wrestlers-plain.zor"));
  ASSERT_EQ(expected.size(), 624u);
  EXPECT_EQ(readFile(kDataFolder / "wrestlers-plain.zor"), expected);
  EXPECT_EQ(readFile(kDataFolder / "wrestlers-enciphered.zor"), expected);
  EXPECT_TRUE(errors_.empty());
}

TEST_F(StreamsTest, ReferenceHeaderIsReadIntoTheEntryAndTheKeyTables) {
  const std::string bytes = testsupport::readFileBytes(kDataFolder / "wrestlers-enciphered.zor");
  const int32_t fileNumber = open(kDataFolder / "wrestlers-enciphered.zor");
  ASSERT_GT(fileNumber, 0);
  const StreamEntry& entry = table_.entries[FINDFILE(table_, fileNumber)];
  EXPECT_EQ(entry.isPlainText, 0);
  EXPECT_EQ(entry.fileName, (kDataFolder / "wrestlers-enciphered.zor").string());
  EXPECT_EQ(bytesOf(entry.streamKey), bytes.substr(16, 16));
  EXPECT_EQ(std::string(entry.ownerBlock.begin(), entry.ownerBlock.begin() + 13), "Default User|");
  EXPECT_EQ(entry.headerWord, 0xA98C);
  EXPECT_EQ(entry.timestamp, static_cast<int64_t>(0x8710D430F071D879ull));
  EXPECT_EQ(std::string(cipher_.KeyTable73.begin(), cipher_.KeyTable73.end()), bytes.substr(142, 73));
  EXPECT_EQ(std::string(cipher_.KeyTable173.begin(), cipher_.KeyTable173.end()), bytes.substr(215, 173));
  EXPECT_EQ(platform::filePosition(fileNumber), 389);
}

TEST_F(StreamsTest, TamperedReferenceIsRefusedAndClosed) {
  const int before = platform::freeFileNumber();
  ZORCRYPT(cipher_, table_);
  const auto drawn = std::make_pair(cipher_.KeyTable73, cipher_.KeyTable173);
  EXPECT_EQ(open(kDataFolder / "wrestlers-tampered.zor"), -1);
  EXPECT_EQ(table_.streamCount, 0);
  EXPECT_EQ(platform::freeFileNumber(), before);
  EXPECT_FALSE(platform::isOpen(before));
  // A refused file does not bring in its key tables.
  EXPECT_EQ(std::make_pair(cipher_.KeyTable73, cipher_.KeyTable173), drawn);
}

TEST_F(StreamsTest, EachEncipheredFileOpenedReplacesTheKeyTables) {
  const ExportKeys first = testsupport::exportKeys(1), second = testsupport::exportKeys(2);
  const int32_t a = open(writeExport("a.zor", testsupport::encipheredExportBytes({"a"}, first)));
  ASSERT_GT(a, 0);
  EXPECT_EQ(cipher_.KeyTable73, first.table73);
  CLOSECRYPT(table_, a);
  const int32_t b = open(writeExport("b.zor", testsupport::encipheredExportBytes({"b"}, second)));
  ASSERT_GT(b, 0);
  EXPECT_EQ(cipher_.KeyTable73, second.table73);
  EXPECT_EQ(cipher_.KeyTable173, second.table173);
  const int32_t text = open(writeExport("c.zor", "plain\r\n"));
  ASSERT_GT(text, 0);
  EXPECT_EQ(cipher_.KeyTable173, second.table173);
}

TEST_F(StreamsTest, LengthWordEqualToThePositionIsAnEmptyLine) {
  const ExportKeys keys = testsupport::exportKeys(3);
  const std::string bytes = testsupport::encipheredExportBytes({"x", "", "y"}, keys);
  const size_t emptyRecord = kHeaderSize + 3;  // offset of the second record
  const unsigned position = emptyRecord + 1;
  EXPECT_EQ(static_cast<uint8_t>(bytes[emptyRecord]), position & 0xFF);
  EXPECT_EQ(static_cast<uint8_t>(bytes[emptyRecord + 1]), (position >> 8) & 0xFF);
  EXPECT_EQ(readFile(writeExport("empty-line.zor", bytes)), (std::vector<std::string>{"x", "", "y"}));
}

TEST_F(StreamsTest, RoundTripsPastPosition65535WithAnyBytes) {
  std::mt19937 random(42);
  std::vector<std::string> lines;
  size_t total = 0;
  while (total < 150000) {
    std::string line(random() % 700, '\0');
    for (char& c : line) c = static_cast<char>(random());
    total += line.size() + 2;
    lines.push_back(std::move(line));
  }
  lines.push_back(std::string(0xFFFF, 'L'));
  EXPECT_EQ(readFile(writeExport("long.zor",
                                 testsupport::encipheredExportBytes(lines, testsupport::exportKeys(4)))),
            lines);
}

TEST_F(StreamsTest, WrittenPlainAndEncipheredExportsYieldTheSameLines) {
  std::vector<std::string> lines = {"ZOR Export File", "[Exported Wrestlers]", "1", "Señor Ölm", "", "-1"};
  for (int i = 0; i < 300; ++i) lines.push_back(std::to_string(i * 7919) + " trailing  ");
  const auto plain = readFile(writeExport("plain.zor", testsupport::plainExportBytes(lines)));
  const auto enciphered = readFile(
      writeExport("enciphered.zor", testsupport::encipheredExportBytes(lines, testsupport::exportKeys(5))));
  EXPECT_EQ(plain, lines);
  EXPECT_EQ(enciphered, lines);
}

TEST_F(StreamsTest, HeaderOnlyOrShortStreamWithAValidDigestIsAtItsEnd) {
  const ExportKeys keys = testsupport::exportKeys(6);
  const int32_t header = open(writeExport("header.zor", testsupport::encipheredExportBytes({}, keys)));
  ASSERT_GT(header, 0);
  EXPECT_TRUE(CRYPTEOF(table_, header));
  EXPECT_EQ(INPUTCRYPT(cipher_, table_, header), "");

  std::string cut = testsupport::encipheredHeader(keys).substr(0, 200);
  testsupport::sealExport(cut);
  const int32_t shortStream = open(writeExport("cut.zor", cut));
  ASSERT_GT(shortStream, 0);
  EXPECT_TRUE(CRYPTEOF(table_, shortStream));
  EXPECT_EQ(INPUTCRYPT(cipher_, table_, shortStream), "");
  EXPECT_TRUE(errors_.empty());
}

TEST_F(StreamsTest, RecordLongerThanTheRestOfTheFileYieldsWhatIsThere) {
  const ExportKeys keys = testsupport::exportKeys(10);
  std::string bytes = testsupport::encipheredExportBytes({"first"}, keys);
  std::string record =
      testsupport::lineRecord("promised a long line", keys, static_cast<int64_t>(bytes.size()) + 1);
  bytes += record.substr(0, 2 + 8);
  testsupport::sealExport(bytes);
  EXPECT_EQ(readFile(writeExport("cut-record.zor", bytes)), (std::vector<std::string>{"first", "promised"}));

  // A last byte that cannot hold a length word ends the stream.
  std::string tail = testsupport::encipheredExportBytes({"first"}, keys) + "\x01";
  testsupport::sealExport(tail);
  EXPECT_EQ(readFile(writeExport("tail.zor", tail)), (std::vector<std::string>{"first", ""}));
  EXPECT_TRUE(errors_.empty());
}

// --- the digest check never writes ----------------------------------------------------------------

TEST_F(StreamsTest, DigestCheckLeavesTheFileUnchanged) {
  const fs::path copy = folder_ / "copy.zor";
  fs::copy_file(kDataFolder / "wrestlers-enciphered.zor", copy);
  const auto written = fs::last_write_time(copy);
  const std::string before = testsupport::readFileBytes(copy);

  const int32_t fileNumber = open(copy);
  ASSERT_GT(fileNumber, 0);
  EXPECT_EQ(testsupport::readFileBytes(copy), before);
  readAll(fileNumber);
  CLOSECRYPT(table_, fileNumber);
  EXPECT_EQ(testsupport::readFileBytes(copy), before);
  EXPECT_EQ(fs::last_write_time(copy), written);

  fs::copy_file(kDataFolder / "wrestlers-tampered.zor", folder_ / "tampered.zor");
  const std::string tampered = testsupport::readFileBytes(folder_ / "tampered.zor");
  EXPECT_EQ(open(folder_ / "tampered.zor"), -1);
  EXPECT_EQ(testsupport::readFileBytes(folder_ / "tampered.zor"), tampered);
}

TEST_F(StreamsTest, ReadOnlyExportsOpenReadOnly) {
  // Root may write to a 0444 file anyway, so the open file's access mode is checked as well.
  const std::vector<std::string> expected =
      testsupport::splitCrLfLines(testsupport::readFileBytes(kDataFolder / "wrestlers-plain.zor"));
  for (const char* name : {"wrestlers-enciphered.zor", "wrestlers-plain.zor"}) {
    const fs::path copy = folder_ / name;
    fs::copy_file(kDataFolder / name, copy);
    fs::permissions(copy, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const std::string before = testsupport::readFileBytes(copy);

    const int32_t fileNumber = open(copy);
    ASSERT_GT(fileNumber, 0) << name;
#ifdef __linux__
    EXPECT_EQ(openAccessMode(copy), O_RDONLY) << name;
#endif
    EXPECT_EQ(readAll(fileNumber), expected) << name;
    CLOSECRYPT(table_, fileNumber);
#ifdef __linux__
    EXPECT_EQ(openAccessMode(copy), -1) << name;
#endif
    EXPECT_EQ(testsupport::readFileBytes(copy), before) << name;
  }
  EXPECT_TRUE(errors_.empty());
}

// --- searching for a marker ----------------------------------------------------------------------

TEST_F(StreamsTest, MarkerSearchIgnoresOnlyTrailingSpaces) {
  const std::vector<std::string> lines = {
      "heading", " [Exported Teams]", "[exported teams]", "[Exported Teams]\t", "[Exported Teams]   ",
      "after",   "[Exported Moves]"};
  const fs::path plain = writeExport("plain.zor", testsupport::plainExportBytes(lines));
  const fs::path enciphered =
      writeExport("enciphered.zor", testsupport::encipheredExportBytes(lines, testsupport::exportKeys(11)));
  for (const fs::path& path : {plain, enciphered}) {
    const int32_t fileNumber = open(path);
    ASSERT_GT(fileNumber, 0);
    FISEEK(cipher_, table_, fileNumber, "[Exported Teams]");
    EXPECT_EQ(INPUTCRYPT(cipher_, table_, fileNumber), "after") << path;

    // The marker as the last line is found, and the stream is then at its end.
    FISEEK(cipher_, table_, fileNumber, "[Exported Moves]");
    EXPECT_TRUE(CRYPTEOF(table_, fileNumber));
    CLOSECRYPT(table_, fileNumber);

    const int32_t again = open(path);
    FISEEK(cipher_, table_, again, "[Exported Dives]");
    EXPECT_TRUE(CRYPTEOF(table_, again)) << path;
    EXPECT_EQ(INPUTCRYPT(cipher_, table_, again), "");
    CLOSECRYPT(table_, again);
  }
  EXPECT_TRUE(errors_.empty());
}

TEST_F(StreamsTest, SkippedLinesAreTheLinesAReadWouldHaveGiven) {
  std::vector<std::string> lines;
  for (int i = 0; i < 300; ++i)
    lines.push_back(i % 7 == 0 ? "" : "line " + std::to_string(i) + std::string(i % 40, '.'));
  const fs::path plain = writeExport("plain.zor", testsupport::plainExportBytes(lines));
  const fs::path enciphered =
      writeExport("enciphered.zor", testsupport::encipheredExportBytes(lines, testsupport::exportKeys(12)));
  for (const fs::path& path : {plain, enciphered}) {
    SCOPED_TRACE(path.filename().string());
    const std::vector<std::string> all = readFile(path);
    const int32_t fileNumber = open(path);
    size_t at = 0;
    for (int skip : {0, 1, 5, 17, 2}) {
      skipStreamLines(cipher_, table_, fileNumber, skip);
      at += static_cast<size_t>(skip);
      ASSERT_LT(at, all.size());
      EXPECT_EQ(INPUTCRYPT(cipher_, table_, fileNumber), all[at]);
      ++at;
    }
    skipStreamLines(cipher_, table_, fileNumber, 100000);  // stops at the end
    EXPECT_TRUE(CRYPTEOF(table_, fileNumber));
    CLOSECRYPT(table_, fileNumber);
  }
  EXPECT_TRUE(errors_.empty());
}

TEST_F(StreamsTest, FailedOpenResultsReadAsEndedStreams) {
  for (int32_t fileNumber : {0, -1, 77}) {
    EXPECT_TRUE(CRYPTEOF(table_, fileNumber));
    EXPECT_EQ(INPUTCRYPT(cipher_, table_, fileNumber), "");
    FISEEK(cipher_, table_, fileNumber, "[Exported Wrestlers]");
    CLOSECRYPT(table_, fileNumber);
  }
  EXPECT_EQ(table_.streamCount, 0);
  EXPECT_TRUE(errors_.empty());
}

// --- the table of open streams -------------------------------------------------------------------

TEST_F(StreamsTest, ReleasingAnEntryMovesTheLastIntoItsSlot) {
  StreamTable table;
  for (int32_t n = 11; n <= 15; ++n) {
    ASSERT_TRUE(REGISTER(table, n, StreamKey{}, OwnerBytes{}, "f" + std::to_string(n), 0, 0, 1));
  }
  RELEASEFILE(table, 12);
  EXPECT_EQ(table.streamCount, 4);
  EXPECT_EQ(table.entries[2].fileNumber, 15);
  EXPECT_EQ(table.entries[2].fileName, "f15");
  for (int32_t n : {11, 13, 14, 15}) EXPECT_EQ(table.entries[FINDFILE(table, n)].fileNumber, n);
  EXPECT_EQ(FINDFILE(table, 12), 0);

  RELEASEFILE(table, 14);  // the last entry
  RELEASEFILE(table, 99);  // not in the table
  EXPECT_EQ(table.streamCount, 3);
  EXPECT_EQ(FINDFILE(table, 15), 2);
  EXPECT_EQ(FINDFILE(table, 13), 3);
  EXPECT_EQ(table.entries[0].fileNumber, 0);
  EXPECT_EQ(FINDFILE(table, 0), 0);
}

TEST_F(StreamsTest, RegisterKeepsAtMost254CharactersOfTheNameAndAHundredEntries) {
  StreamTable table;
  ASSERT_TRUE(REGISTER(table, 1, StreamKey{}, OwnerBytes{}, std::string(300, 'n'), 7, -9, 0));
  EXPECT_EQ(table.entries[1].fileName.size(), 254u);
  EXPECT_EQ(table.entries[1].headerWord, 7);
  EXPECT_EQ(table.entries[1].timestamp, -9);
  for (int32_t n = 2; n <= kMaxStreams; ++n) ASSERT_TRUE(REGISTER(table, n, {}, {}, "x", 0, 0, 1));
  EXPECT_FALSE(REGISTER(table, 101, {}, {}, "x", 0, 0, 1));
  EXPECT_EQ(table.streamCount, kMaxStreams);
}

TEST_F(StreamsTest, ClosingAStreamThatIsNotLastKeepsTheOthersReadable) {
  const ExportKeys keys = testsupport::exportKeys(12);
  const int32_t a = open(writeExport("a.zor", "a1\r\na2\r\n"));
  const int32_t b = open(writeExport("b.zor", testsupport::encipheredExportBytes({"b1", "b2"}, keys)));
  const int32_t c = open(writeExport("c.zor", "c1\r\nc2\r\n"));
  ASSERT_GT(a, 0);
  ASSERT_GT(b, 0);
  ASSERT_GT(c, 0);
  EXPECT_EQ(INPUTCRYPT(cipher_, table_, b), "b1");
  CLOSECRYPT(table_, a);
  EXPECT_EQ(table_.streamCount, 2);
  EXPECT_EQ(FINDFILE(table_, c), 1);
  EXPECT_FALSE(platform::isOpen(a));
  EXPECT_EQ(readAll(b), (std::vector<std::string>{"b2"}));
  EXPECT_EQ(readAll(c), (std::vector<std::string>{"c1", "c2"}));
}

TEST_F(StreamsTest, MoreThanAHundredStreamsAreRefused) {
  std::vector<int32_t> numbers;
  for (int i = 0; i < kMaxStreams; ++i) {
    numbers.push_back(open(writeExport("f" + std::to_string(i) + ".zor", "line\r\n")));
    ASSERT_GT(numbers.back(), 0);
  }
  const fs::path extra = writeExport("extra.zor", "line\r\n");
  const int nextNumber = platform::freeFileNumber();
  EXPECT_EQ(open(extra), 0);
  EXPECT_EQ(table_.streamCount, kMaxStreams);
  EXPECT_FALSE(platform::isOpen(nextNumber));

  CLOSECRYPT(table_, numbers[40]);
  const int32_t fileNumber = open(extra);
  ASSERT_GT(fileNumber, 0);
  EXPECT_EQ(INPUTCRYPT(cipher_, table_, fileNumber), "line");
  EXPECT_EQ(INPUTCRYPT(cipher_, table_, numbers[99]), "line");
}

TEST_F(StreamsTest, ProcessWideInstancesServeTheStateFreeCalls) {
  const int32_t fileNumber = OPENCRYPT((kDataFolder / "wrestlers-enciphered.zor").string());
  ASSERT_GT(fileNumber, 0);
  EXPECT_TRUE(cipherState().cryptReady);
  EXPECT_EQ(FINDFILE(streamTable(), fileNumber), streamTable().streamCount);
  EXPECT_EQ(INPUTCRYPT(fileNumber), "ZOR Export File");
  FISEEK(fileNumber, "[Exported Wrestlers]");
  EXPECT_EQ(INPUTCRYPT(fileNumber), "1");
  EXPECT_FALSE(CRYPTEOF(fileNumber));
  CLOSECRYPT(fileNumber);
  EXPECT_TRUE(CRYPTEOF(fileNumber));
  EXPECT_EQ(FINDFILE(streamTable(), fileNumber), 0);
}

// --- damaged files --------------------------------------------------------------------------------

TEST_F(StreamsTest, DamagedFilesNeitherCrashNorReadBeyondTheirEnd) {
  const std::vector<std::string> lines =
      testsupport::splitCrLfLines(testsupport::readFileBytes(kDataFolder / "wrestlers-plain.zor"));
  const std::vector<std::string> subset(lines.begin(), lines.begin() + 140);
  const ExportKeys keys = testsupport::exportKeys(13);
  const std::string enciphered = testsupport::encipheredExportBytes(subset, keys);
  const std::string plain = testsupport::plainExportBytes(subset);
  std::vector<size_t> recordOffsets;
  for (size_t offset = kHeaderSize, i = 0; i < subset.size(); offset += 2 + subset[i].size(), ++i) {
    recordOffsets.push_back(offset);
  }

  std::mt19937 random(2024);
  auto below = [&random](size_t n) { return n == 0 ? 0 : random() % n; };
  for (int round = 0; round < 300; ++round) {
    const bool fromPlain = round % 6 == 5;
    std::string bytes = fromPlain ? plain : enciphered;
    switch (round % 5) {
      case 0:  // flipped bytes
        for (size_t i = 1 + below(8); i > 0; --i)
          bytes[below(bytes.size())] ^= static_cast<char>(1 + below(255));
        break;
      case 1:  // cut short
        bytes.resize(below(bytes.size() + 1));
        break;
      case 2:  // extended
        for (size_t i = 1 + below(300); i > 0; --i) bytes.push_back(static_cast<char>(random()));
        break;
      case 3:  // random length words
        if (!fromPlain) {
          for (size_t i = 1 + below(4); i > 0; --i) {
            const size_t at = recordOffsets[below(recordOffsets.size())];
            bytes[at] = static_cast<char>(random());
            bytes[at + 1] = static_cast<char>(random());
          }
        }
        break;
      default:  // noise of any length
        bytes.assign(below(1200), '\0');
        for (char& c : bytes) c = static_cast<char>(random());
        break;
    }
    // Most damaged streams get a fresh digest so that their records are read.
    if (!fromPlain && round % 7 != 0) testsupport::sealExport(bytes);
    const fs::path path = writeExport("damaged.zor", bytes);

    const int32_t fileNumber = open(path);
    ASSERT_NE(fileNumber, 0) << "round " << round;
    if (fileNumber < 0) continue;
    if (round % 2 == 0) FISEEK(cipher_, table_, fileNumber, "[Exported Moves]");
    size_t total = 0;
    for (const std::string& line : readAll(fileNumber, bytes.size() + 1)) total += line.size();
    EXPECT_LE(total, bytes.size()) << "round " << round;
    EXPECT_EQ(INPUTCRYPT(cipher_, table_, fileNumber), "");
    CLOSECRYPT(table_, fileNumber);
    ASSERT_EQ(table_.streamCount, 0);
  }
  EXPECT_TRUE(errors_.empty()) << errors_.front().number << " in " << errors_.front().procedure;
}

}  // namespace
