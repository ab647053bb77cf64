#include <gtest/gtest.h>

#include <string>

#include "settings/conf_file.h"

namespace settings {
namespace {

TEST(QuickCrypt, ScramblesWithPositionAndLengthShifts) {
  EXPECT_EQ(QUICKCRYPT("ab", 1), "_db");
  EXPECT_EQ(QUICKCRYPT("abc", 1), "_ecc");
  EXPECT_EQ(QUICKCRYPTCORE("abc", 1), "_ecc");
  EXPECT_EQ(QUICKCRYPT("_db", 0), "ab");
  EXPECT_EQ(QUICKCRYPTCORE("_ecc", -1), "abc");
}

TEST(QuickCrypt, EmptyLines) {
  EXPECT_EQ(QUICKCRYPT("", 1), "_");
  EXPECT_EQ(QUICKCRYPT("_", 0), "");
  EXPECT_EQ(QUICKCRYPT("", 0), "");
}

TEST(QuickCrypt, LeavesLinesAlreadyInTheTargetForm) {
  EXPECT_EQ(QUICKCRYPT("Key=Value", 0), "Key=Value");
  EXPECT_EQ(QUICKCRYPTCORE("plain crowd line", -1), "plain crowd line");
  EXPECT_EQ(QUICKCRYPT("_db", 1), "_db");
  EXPECT_EQ(QUICKCRYPT("ab", 7), "_db");  // any non-zero encode scrambles
}

TEST(QuickCrypt, BytesWrapAroundAt256) {
  // n = 2: shifts 3 and 0.
  EXPECT_EQ(QUICKCRYPT("\xFE\xFF", 1), std::string("_\x01\xFF"));
  EXPECT_EQ(QUICKCRYPT(std::string("_\x01\xFF"), 0), "\xFE\xFF");
}

TEST(QuickCrypt, RoundTripsEveryByteValue) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  for (size_t length : {size_t{1}, size_t{7}, size_t{100}, size_t{256}}) {
    std::string text = all.substr(256 - length);
    if (text.front() == '_') text.front() = 'x';
    std::string scrambled = QUICKCRYPT(text, 1);
    ASSERT_EQ(scrambled.size(), text.size() + 1);
    EXPECT_EQ(QUICKCRYPT(scrambled, 0), text) << "length " << length;
  }
}

TEST(HexDecode, DecodesPairsWithOrWithoutMarker) {
  EXPECT_EQ(HEXDECODE("[HEX#]41424"), "AB");
  EXPECT_EQ(HEXDECODE("414243"), "ABC");
  EXPECT_EQ(HEXDECODE("[HEX#]6a4B"), "jK");
  EXPECT_EQ(HEXDECODE("[HEX#]"), "");
  EXPECT_EQ(HEXDECODE("4"), "");
  EXPECT_EQ(HEXDECODE("ff00"), std::string("\xFF\0", 2));
}

TEST(HexDecode, ReadsPairsLeniently) {
  EXPECT_EQ(HEXDECODE("4G"), "\x04");
  EXPECT_EQ(HEXDECODE("G1"), std::string(1, '\0'));
  // The marker is case-sensitive: "[h", "ex", "#]", "41" are read as pairs.
  EXPECT_EQ(HEXDECODE("[hex#]41"), std::string("\0\x0e\0\x41", 4));
}

}  // namespace
}  // namespace settings
