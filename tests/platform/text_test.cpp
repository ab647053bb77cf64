#include "platform/text.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace {

TEST(UpperCase1252, AsciiAndAccentedLettersBecomeCapitals) {
  EXPECT_EQ(platform::upperCase1252("The Rock 3:16!"), "THE ROCK 3:16!");
  // ä / Ä, é / É, þ / Þ
  EXPECT_EQ(platform::upperCase1252("\xE4\xE9\xFE"), "\xC4\xC9\xDE");
  EXPECT_EQ(platform::upperCase1252("\xE4"), platform::upperCase1252("\xC4"));
  // š ś ž ÿ
  EXPECT_EQ(platform::upperCase1252("\x9A\x9C\x9E\xFF"), "\x8A\x8C\x8E\x9F");
}

TEST(UpperCase1252, CharactersWithoutCapitalStay) {
  // ÷ ß µ, the capitals themselves, and the ASCII neighbours of the letters.
  EXPECT_EQ(platform::upperCase1252("\xF7\xDF\xB5"), "\xF7\xDF\xB5");
  EXPECT_EQ(platform::upperCase1252("\xC0\xDE\x8A\x9F"), "\xC0\xDE\x8A\x9F");
  EXPECT_EQ(platform::upperCase1252("@[`{"), "@[`{");
  EXPECT_EQ(platform::upperCase1252(std::string("a\0b", 3)), std::string("A\0B", 3));
}

TEST(LowerCaseAscii, OnlyAsciiLettersChange) {
  EXPECT_EQ(platform::lowerCaseAscii("\\DATA\\WRESTLRS.DAT"), "\\data\\wrestlrs.dat");
  EXPECT_EQ(platform::lowerCaseAscii("\xC4\xD6"), "\xC4\xD6");
}

TEST(Utf8From1252, ConvertsLettersAndTheHighControlRange) {
  EXPECT_EQ(platform::utf8From1252("M\xFCller"), "M\xC3\xBCller");
  EXPECT_EQ(platform::utf8From1252("\x80"), "\xE2\x82\xAC");  // euro sign
  EXPECT_EQ(platform::utf8From1252("\x92"), "\xE2\x80\x99");  // right single quotation mark
  EXPECT_EQ(platform::utf8From1252("\x9F"), "\xC5\xB8");      // Y with diaeresis
  EXPECT_EQ(platform::utf8From1252("\x81\x8D\x9D"), "\xC2\x81\xC2\x8D\xC2\x9D");
  EXPECT_EQ(platform::utf8From1252(std::string("\0", 1)), std::string("\0", 1));
}

TEST(Utf8From1252, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int byte = 0; byte < 256; ++byte) all.push_back(static_cast<char>(byte));
  std::string utf8 = platform::utf8From1252(all);
  EXPECT_EQ(platform::cp1252FromUtf8(utf8), all);
  EXPECT_EQ(platform::utf8From1252(platform::cp1252FromUtf8(utf8)), utf8);
}

TEST(Cp1252FromUtf8, UnrepresentableCharactersBecomeQuestionMarks) {
  EXPECT_EQ(platform::cp1252FromUtf8("\xE2\x82\xAC 5"), "\x80 5");
  EXPECT_EQ(platform::cp1252FromUtf8("Stra\xC3\x9F"
                                     "e"),
            "Stra\xDF"
            "e");
  EXPECT_EQ(platform::cp1252FromUtf8("\xE4\xB8\xAD"), "?");        // a CJK character
  EXPECT_EQ(platform::cp1252FromUtf8("\xF0\x9F\x98\x80!"), "?!");  // an emoji
  EXPECT_EQ(platform::cp1252FromUtf8("\xC2\x80"), "?");            // C1 control with a 1252 character
}

TEST(Cp1252FromUtf8, MalformedSequencesBecomeQuestionMarks) {
  EXPECT_EQ(platform::cp1252FromUtf8("a\xFF"
                                     "b"),
            "a?b");
  EXPECT_EQ(platform::cp1252FromUtf8("a\xE2\x82"), "a?");    // cut short at the end
  EXPECT_EQ(platform::cp1252FromUtf8("\xE2\x82z"), "?z");    // cut short before ASCII
  EXPECT_EQ(platform::cp1252FromUtf8("\xC0\xAF"), "??");     // overlong
  EXPECT_EQ(platform::cp1252FromUtf8("\xED\xA0\x80"), "?");  // surrogate
  EXPECT_EQ(platform::cp1252FromUtf8("\x80x"), "?x");        // stray continuation byte
}

TEST(NumberValue, PlainIntegers) {
  EXPECT_EQ(platform::numberValue("12"), 12);
  EXPECT_EQ(platform::numberValue("  \t-5"), -5);
  EXPECT_EQ(platform::numberValue("+7"), 7);
  EXPECT_EQ(platform::numberValue("007"), 7);
  EXPECT_EQ(platform::numberValue("4294967295"), 4294967295LL);
  EXPECT_EQ(platform::numberValue("1180172"), 1180172);
}

TEST(NumberValue, StopsAtTheFirstCharacterThatCannotContinue) {
  EXPECT_EQ(platform::numberValue("12,3"), 12);
  EXPECT_EQ(platform::numberValue("7 8"), 7);
  EXPECT_EQ(platform::numberValue("12abc"), 12);
  EXPECT_EQ(platform::numberValue("3e"), 3);
  EXPECT_EQ(platform::numberValue("3e+x"), 3);
  EXPECT_EQ(platform::numberValue("1.2.3"), 1);
}

TEST(NumberValue, NonNumericTextIsZero) {
  EXPECT_EQ(platform::numberValue(""), 0);
  EXPECT_EQ(platform::numberValue("abc"), 0);
  EXPECT_EQ(platform::numberValue("-"), 0);
  EXPECT_EQ(platform::numberValue("."), 0);
  EXPECT_EQ(platform::numberValue("- 3"), 0);
  EXPECT_EQ(platform::numberValue("e5"), 0);
}

TEST(NumberValue, FractionsRoundHalfToEven) {
  EXPECT_EQ(platform::numberValue("2.5"), 2);
  EXPECT_EQ(platform::numberValue("3.5"), 4);
  EXPECT_EQ(platform::numberValue("-2.5"), -2);
  EXPECT_EQ(platform::numberValue("-3.5"), -4);
  EXPECT_EQ(platform::numberValue("0.5"), 0);
  EXPECT_EQ(platform::numberValue(".51"), 1);
  EXPECT_EQ(platform::numberValue("2.4999"), 2);
  EXPECT_EQ(platform::numberValue("2.50000000000000000000000000001"), 3);
  EXPECT_EQ(platform::numberValue("-0.4"), 0);
  EXPECT_EQ(platform::numberValue("0.05"), 0);
}

TEST(NumberValue, Exponents) {
  EXPECT_EQ(platform::numberValue("1e3"), 1000);
  EXPECT_EQ(platform::numberValue("1.5E1"), 15);
  EXPECT_EQ(platform::numberValue("25e-1"), 2);
  EXPECT_EQ(platform::numberValue("35e-1"), 4);
  EXPECT_EQ(platform::numberValue("1e-5"), 0);
  EXPECT_EQ(platform::numberValue("0.0012e4"), 12);
}

TEST(NumberValue, ClampsToThe64BitRange) {
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
  EXPECT_EQ(platform::numberValue("9223372036854775807"), kMax);
  EXPECT_EQ(platform::numberValue("9223372036854775808"), kMax);
  EXPECT_EQ(platform::numberValue("-9223372036854775808"), kMin);
  EXPECT_EQ(platform::numberValue("-9223372036854775809"), kMin);
  EXPECT_EQ(platform::numberValue("99999999999999999999999"), kMax);
  EXPECT_EQ(platform::numberValue("-1e300"), kMin);
  EXPECT_EQ(platform::numberValue("1e99999999999"), kMax);
  EXPECT_EQ(platform::numberValue("9223372036854775807.4"), kMax);
}

TEST(HexValue, LeadingHexDigits) {
  EXPECT_EQ(platform::hexValue("41"), 0x41);
  EXPECT_EQ(platform::hexValue("fF"), 255);
  EXPECT_EQ(platform::hexValue("1A2g7"), 0x1A2);
  EXPECT_EQ(platform::hexValue(""), 0);
  EXPECT_EQ(platform::hexValue("g1"), 0);
  EXPECT_EQ(platform::hexValue(" 1"), 0);
  EXPECT_EQ(platform::hexValue("FFFFFFFFFFFFFFFF"), -1);
  EXPECT_EQ(platform::hexValue("1FFFFFFFFFFFFFFFF"), -1);  // the low 64 bits
}

// Whole numbers of every length, with signs, leading zeros and what may follow them, read as their
// exact value; from 19 digits on they go through the full reading, which clamps.
TEST(NumberValue, WholeNumbersOfEveryLength) {
  std::string digits;
  for (int length = 1; length <= 18; ++length) {
    digits += static_cast<char>('0' + (length * 7) % 10);
    const int64_t value = std::stoll(digits);
    for (const char* tail : {"", " ", ",5", "x", "\t1"}) {
      EXPECT_EQ(platform::numberValue(digits + tail), value) << digits << tail;
      EXPECT_EQ(platform::numberValue("-" + digits + tail), -value) << digits << tail;
      EXPECT_EQ(platform::numberValue("+00" + digits + tail), value) << digits << tail;
    }
  }
  EXPECT_EQ(platform::numberValue("9223372036854775807"), std::numeric_limits<int64_t>::max());
  EXPECT_EQ(platform::numberValue("99999999999999999999"), std::numeric_limits<int64_t>::max());
  EXPECT_EQ(platform::numberValue("-99999999999999999999"), std::numeric_limits<int64_t>::min());
  EXPECT_EQ(platform::numberValue("-0"), 0);
}

TEST(NumberOnLine, TakesTheFirstFieldAsReadNumberDoes) {
  std::string_view token;
  EXPECT_EQ(platform::numberOnLine(" 12 ", &token), 12);
  EXPECT_EQ(token, "12");
  EXPECT_EQ(platform::numberOnLine("\t-3,4", &token), -3);
  EXPECT_EQ(token, "-3");
  EXPECT_EQ(platform::numberOnLine("abc", &token), 0);
  EXPECT_EQ(token, "abc");
  EXPECT_EQ(platform::numberOnLine("", &token), 0);
  EXPECT_EQ(token, "");
  EXPECT_EQ(platform::numberOnLine("4294967297"), 1);  // the low 32 bits
}

TEST(StartsAsNumber, SignThenADigitOrAPointAndADigit) {
  for (const char* text : {"0", "12", "-3", "+7", ".5", "-.5", "7abc"}) {
    EXPECT_TRUE(platform::startsAsNumber(text)) << text;
  }
  for (const char* text : {"", "-", "+", ".", "abc", "twelve", "-x", " 1"}) {
    EXPECT_FALSE(platform::startsAsNumber(text)) << text;
  }
}

TEST(Low32, KeepsTheLow32BitsAsSigned) {
  EXPECT_EQ(platform::low32(4294967295LL), -1);
  EXPECT_EQ(platform::low32(4294967296LL), 0);
  EXPECT_EQ(platform::low32(-1), -1);
  EXPECT_EQ(platform::low32(2147483648LL), std::numeric_limits<int32_t>::min());
}

}  // namespace

namespace {

TEST(Trimmed, DropsOnlyTheGivenCharacterAtTheEnds) {
  struct Case {
    std::string_view text;
    char character;
    std::string_view both;
    std::string_view right;
  };
  for (const Case& c : std::initializer_list<Case>{{"  a b  ", ' ', "a b", "  a b"},
                                                   {"\ta\t", ' ', "\ta\t", "\ta\t"},
                                                   {"|x||y|", '|', "x||y", "|x||y"},
                                                   {"    ", ' ', "", ""},
                                                   {"", ' ', "", ""}}) {
    EXPECT_EQ(platform::trimmed(c.text, c.character), c.both) << c.text;
    EXPECT_EQ(platform::trimmedRight(c.text, c.character), c.right) << c.text;
  }
}

}  // namespace

namespace {

TEST(Split, GivesOnePartMoreThanThereAreSeparators) {
  using Parts = std::vector<std::string_view>;
  EXPECT_EQ(platform::split("a|b||c", '|'), (Parts{"a", "b", "", "c"}));
  EXPECT_EQ(platform::split("|", '|'), (Parts{"", ""}));
  EXPECT_EQ(platform::split("", '|'), (Parts{""}));
  EXPECT_EQ(platform::split("abc", '|'), (Parts{"abc"}));
}

TEST(DelimitedPart, CountsFromOneAndIsEmptyPastTheLastPart) {
  EXPECT_EQ(platform::delimitedPart("name=path|x", '=', 1), "name");
  EXPECT_EQ(platform::delimitedPart("name=path|x", '=', 2), "path|x");
  EXPECT_EQ(platform::delimitedPart("a|b", '|', 3), "");
  EXPECT_EQ(platform::delimitedPart("a||c", '|', 2), "");
  EXPECT_EQ(platform::delimitedPart("a||c", '|', 3), "c");
}

}  // namespace
