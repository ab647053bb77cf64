#include "db/codecs.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "memory/heap_blocks.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/heap.h"

namespace {

namespace fs = std::filesystem;

TEST(GetBits, RangesOfPackedNumbers) {
  EXPECT_EQ(db::GETBITS(2147483647, 16, 30), 32767);
  EXPECT_EQ(db::GETBITS(-1, 0, 15), 65535);
  EXPECT_EQ(db::GETBITS(-1, 16, 30), 32767);
  EXPECT_EQ(db::GETBITS(5, 3, 2), 0);
  EXPECT_EQ(db::GETBITS(5, 0, 0), 1);
  EXPECT_EQ(db::GETBITS(5, 1, 1), 0);
  EXPECT_EQ(db::GETBITS(5, 1, 2), 2);
}

TEST(GetBits, PackedLineOfAWrestler) {
  EXPECT_EQ(db::GETBITS(1180172, 0, 15), 524);
  EXPECT_EQ(db::GETBITS(1180172, 16, 16), 0);
  EXPECT_EQ(db::GETBITS(1180172, 17, 17), 1);
  EXPECT_EQ(db::GETBITS(1180172, 18, 31), 4);
}

TEST(GetBits, TopBitGivesUnsignedValues) {
  EXPECT_EQ(db::GETBITS(-1, 0, 31), 4294967295LL);
  EXPECT_EQ(db::GETBITS(INT32_MIN, 0, 31), 2147483648LL);
  EXPECT_EQ(db::GETBITS(INT32_MIN, 31, 31), 1);
  EXPECT_EQ(db::GETBITS(-2, 1, 31), 2147483647LL);
}

TEST(GetBits, SignExtensionAndOutOfRangeBits) {
  EXPECT_EQ(db::GETBITS(-1, 32, 40), 511);  // bits above 31 repeat the sign
  EXPECT_EQ(db::GETBITS(1, 32, 40), 0);
  EXPECT_EQ(db::GETBITS(-1, 60, 100), 15);  // last is cut to 63
  EXPECT_EQ(db::GETBITS(-1, 64, 70), 0);
  EXPECT_EQ(db::GETBITS(6, -3, 1), 2);  // no bits below 0
  EXPECT_EQ(db::GETBITS(7, 0, -1), 0);
}

TEST(TestBit, IsTheOneBitRangeOfGetbits) {
  for (int32_t value : {0, 1, 1180172, -1, -2, INT32_MIN, INT32_MAX}) {
    for (int32_t n = -3; n <= 66; ++n) {
      EXPECT_EQ(db::testBit(value, n), db::GETBITS(value, n, n) != 0 ? 1 : 0) << value << " bit " << n;
    }
  }
}

TEST(TestBit, SingleFlags) {
  EXPECT_EQ(db::testBit(1180172, 16), 0);
  EXPECT_EQ(db::testBit(1180172, 17), 1);
  EXPECT_EQ(db::testBit(1180172, 2), 1);
  EXPECT_EQ(db::testBit(1180172, 0), 0);
  EXPECT_EQ(db::testBit(-1, 31), 1);
  EXPECT_EQ(db::testBit(INT32_MAX, 31), 0);
  EXPECT_EQ(db::testBit(5, -1), 0);
}

// Every letter of code page 437 that Windows-1252 has: the game's 26, then åëïÅæÆÿñƒªºµ.
constexpr std::string_view kDosColumn =
    "\x84\x94\x81\xE1\xA0\x85\x83\x82\x8A\x88\xA1\x8D\x8C\xA2\x95\x93\xA3\x97\x96\x8E\x99\x9A\x90\x80\x87"
    "\xA5\x86\x89\x8B\x8F\x91\x92\x98\xA4\x9F\xA6\xA7\xE6";
// "äöüßáàâéèêíìîóòôúùûÄÖÜÉÇçÑåëïÅæÆÿñƒªºµ" in Windows-1252.
constexpr std::string_view kWindowsColumn =
    "\xE4\xF6\xFC\xDF\xE1\xE0\xE2\xE9\xE8\xEA\xED\xEC\xEE\xF3\xF2\xF4\xFA\xF9\xFB\xC4\xD6\xDC\xC9\xC7\xE7"
    "\xD1\xE5\xEB\xEF\xC5\xE6\xC6\xFF\xF1\x83\xAA\xBA\xB5";

TEST(RemapDiacritics, NamesWithAccents) {
  EXPECT_EQ(db::REMAPDIACRITICS("M\x81ller", 0), "M\xFCller");
  EXPECT_EQ(db::REMAPDIACRITICS("M\xFCller", 1), "M\x81ller");
  EXPECT_EQ(db::REMAPDIACRITICS("Se\xA4or", 0), "Se\xF1or");
  EXPECT_EQ(db::REMAPDIACRITICS("Se\xF1or", 1), "Se\xA4or");
}

TEST(RemapDiacritics, WholeTableBothWays) {
  EXPECT_EQ(db::REMAPDIACRITICS(kDosColumn, 0), kWindowsColumn);
  EXPECT_EQ(db::REMAPDIACRITICS(kWindowsColumn, 1), kDosColumn);
  EXPECT_EQ(db::REMAPDIACRITICS(kWindowsColumn, -7), kDosColumn);  // any direction but 0 goes back
}

TEST(RemapDiacritics, OtherBytesPassUnchanged) {
  for (int b = 1; b < 256; ++b) {
    const std::string one(1, static_cast<char>(b));
    if (kDosColumn.find(one) == std::string_view::npos) {
      EXPECT_EQ(db::REMAPDIACRITICS(one, 0), one) << b;
    }
    if (kWindowsColumn.find(one) == std::string_view::npos) {
      EXPECT_EQ(db::REMAPDIACRITICS(one, 1), one) << b;
    }
  }
  const std::string withZero("a\0b", 3);
  EXPECT_EQ(db::REMAPDIACRITICS(withZero, 0), withZero);
  EXPECT_EQ(db::REMAPDIACRITICS("", 0), "");
}

TEST(RemapDiacritics, ReplacedBytesDoNotChain) {
  EXPECT_EQ(db::REMAPDIACRITICS("\xE1", 0), "\xDF");  // ß
  EXPECT_EQ(db::REMAPDIACRITICS("\xA0", 0), "\xE1");  // á, not converted again to ß
  EXPECT_EQ(db::REMAPDIACRITICS("\xA0\xE1", 0), "\xE1\xDF");
  EXPECT_EQ(db::REMAPDIACRITICS("\xDF\xE1", 1), "\xE1\xA0");
  EXPECT_EQ(db::REMAPDIACRITICS("\x91\xE6", 0), "\xE6\xB5");  // æ, then µ
  EXPECT_EQ(db::REMAPDIACRITICS("\xE6\xB5", 1), "\x91\xE6");
  EXPECT_EQ(db::REMAPDIACRITICS("\x9F\x83", 0), "\x83\xE2");  // ƒ, then â
}

TEST(RemapDiacritics, Utf8QuoteBecomesApostrophe) {
  EXPECT_EQ(db::REMAPDIACRITICS("Don\xE2\x80\x99t", 0), "Don't");
  EXPECT_EQ(db::REMAPDIACRITICS("\xE2\x80\x99\xE2\x80\x99 x \xE2\x80\x99", 0), "'' x '");
  // Already in Windows form, the three bytes collapse as well.
  EXPECT_EQ(db::REMAPDIACRITICS("it\xE2\xC7\xD6s", 0), "it's");
  // Only the complete sequence.
  EXPECT_EQ(db::REMAPDIACRITICS("\xE2\x80", 0), "\xE2\xC7");
}

TEST(CondTran, FollowsTheConversionSetting) {
  EXPECT_EQ(db::conversionSetting(), 0);
  EXPECT_EQ(db::CONDTRAN("M\x81ller \xFC"), "M\x81ller \xFC");
  db::conversionSetting() = 1;
  EXPECT_EQ(db::CONDTRAN("M\xFCller"), "M\x81ller");
  db::conversionSetting() = 0;
}

TEST(RemoveArticle, LowerCaseArticlesOnly) {
  EXPECT_EQ(db::REMOVEARTICLE("the Piledriver"), "Piledriver");
  EXPECT_EQ(db::REMOVEARTICLE("an Armbar"), "Armbar");
  EXPECT_EQ(db::REMOVEARTICLE("a Suplex"), "Suplex");
  EXPECT_EQ(db::REMOVEARTICLE("The Piledriver"), "The Piledriver");
  EXPECT_EQ(db::REMOVEARTICLE("A Suplex"), "A Suplex");
  EXPECT_EQ(db::REMOVEARTICLE("Suplex"), "Suplex");
  EXPECT_EQ(db::REMOVEARTICLE("a"), "a");
  EXPECT_EQ(db::REMOVEARTICLE(""), "");
  EXPECT_EQ(db::REMOVEARTICLE("another Suplex"), "another Suplex");
  EXPECT_EQ(db::REMOVEARTICLE("theatre Drop"), "theatre Drop");
  EXPECT_EQ(db::REMOVEARTICLE("the  Double"), " Double");  // one blank only
  EXPECT_EQ(db::REMOVEARTICLE("a "), "");
}

TEST(DateStamps, ArePlaceholders) {
  EXPECT_EQ(db::MAKEDATE(2003, 1, 1, 0, 0, 0), 0);
  EXPECT_EQ(db::MAKEDATE(2024, 12, 31, 23, 59, 59), 0);
  EXPECT_EQ(db::DATETIME(), 0);
}

// The line readers read from real files and allocate from the process-wide heap.
class LineReaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static std::atomic<int> counter{0};
    folder_ = fs::temp_directory_path() /
              ("zor_codecs_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
    fs::create_directories(folder_);
    savedHeap_ = memory::heapState();
    memory::heapState() = memory::HeapState{};
    heap_ = memory::HEAPBEGIN();
    previousHandler_ = platform::setReportHandler([this](const platform::UntrappedError& error) {
      reported_.push_back(error.number);
      return platform::ReportAnswer::Continue;
    });
  }
  void TearDown() override {
    platform::setReportHandler(previousHandler_);
    platform::failHeapAllocations(0);
    if (fileNumber_ != 0) platform::closeFile(fileNumber_);
    while (memory::heapState().current != 0 || !memory::heapState().stack.empty()) memory::HEAPEND();
    memory::heapState() = savedHeap_;
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  // Writes `bytes` to a file and opens it for input.
  void openWith(std::string_view bytes) {
    const fs::path path = folder_ / "lines.dat";
    {
      std::ofstream out(path, std::ios::binary);
      out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    fileNumber_ = platform::freeFileNumber();
    ASSERT_TRUE(platform::openFile(fileNumber_, path.string(), platform::FileMode::Input));
  }

  int fileNumber_ = 0;
  platform::HeapHandle heap_ = 0;
  std::vector<int> reported_;

 private:
  fs::path folder_;
  memory::HeapState savedHeap_;
  platform::ReportHandler previousHandler_;
};

TEST_F(LineReaderTest, ReadsOneLineEachAndEmptyPastTheEnd) {
  openWith("first line\r\nM\x81ller\r\n\r\nM\x81ller\r\nlast");
  memory::HeapString first = db::MAKEASCII(fileNumber_);
  memory::HeapString converted = db::MAKEDIACRITICS(fileNumber_);
  memory::HeapString empty = db::MAKEASCII(fileNumber_);
  memory::HeapString plain = db::MAKEASCII(fileNumber_);
  memory::HeapString last = db::MAKEASCII(fileNumber_);
  EXPECT_EQ(memory::heapText(first), "first line");
  EXPECT_EQ(memory::heapText(converted), "M\xFCller");
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(memory::heapText(empty), "");
  EXPECT_EQ(memory::heapText(plain), "M\x81ller");
  EXPECT_EQ(memory::heapText(last), "last");
  EXPECT_TRUE(reported_.empty());
  EXPECT_EQ(memory::GETHEAP(first), heap_);

  memory::HeapString past = db::MAKEASCII(fileNumber_);
  ASSERT_NE(past, nullptr);
  EXPECT_EQ(memory::heapText(past), "");
  EXPECT_EQ(memory::blockHeader(past)->UpperBound, 1u);
  memory::HeapString pastConverted = db::MAKEDIACRITICS(fileNumber_);
  ASSERT_NE(pastConverted, nullptr);
  EXPECT_EQ(memory::heapText(pastConverted), "");
  ASSERT_FALSE(reported_.empty());
  EXPECT_EQ(reported_.front(), platform::kErrInputPastEnd);
}

TEST_F(LineReaderTest, QuoteInsideALineCollapses) {
  openWith("Jack\xE2\x80\x99s Drop\r\n");
  EXPECT_EQ(memory::heapText(db::MAKEDIACRITICS(fileNumber_)), "Jack's Drop");
}

TEST_F(LineReaderTest, AllocationFailureStillConsumesTheLine) {
  openWith("one\r\ntwo\r\n");
  platform::failHeapAllocations(1);
  EXPECT_EQ(db::MAKEASCII(fileNumber_), nullptr);
  EXPECT_EQ(memory::heapText(db::MAKEASCII(fileNumber_)), "two");
  EXPECT_TRUE(reported_.empty());
}

}  // namespace
