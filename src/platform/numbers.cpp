// Reading numbers from text the way the game does.
#include "platform/text.h"

#include <cstdint>
#include <limits>

namespace platform {
namespace {

// Significant digits kept; later ones only matter as "something non-zero follows" for rounding.
constexpr size_t kMaxDigits = 64;
constexpr int64_t kMaxExponent = 100000;

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A decimal number as its significant digits (no leading zeros) and the count of them that stand
// before the decimal point (negative or beyond the digits when the exponent moves the point).
struct Decimal {
  std::string digits;
  int64_t pointPosition = 0;
  bool droppedNonZero = false;
};

// Parses sign, digits, fraction and exponent at `text`; false when there is no digit.
bool parseDecimal(std::string_view text, bool& negative, Decimal& number) {
  size_t i = 0;
  negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  bool anyDigit = false;
  auto addDigit = [&number](char c) {
    if (number.digits.size() < kMaxDigits) {
      number.digits.push_back(c);
    } else if (c != '0') {
      number.droppedNonZero = true;
    }
  };
  for (; i < text.size() && isDigit(text[i]); ++i) {
    anyDigit = true;
    if (number.digits.empty() && text[i] == '0') continue;
    addDigit(text[i]);
    ++number.pointPosition;
  }
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && isDigit(text[i]); ++i) {
      anyDigit = true;
      if (number.digits.empty() && text[i] == '0') {
        --number.pointPosition;
        continue;
      }
      addDigit(text[i]);
    }
  }
  if (!anyDigit) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    bool negativeExponent = false;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) negativeExponent = text[j++] == '-';
    if (j < text.size() && isDigit(text[j])) {
      int64_t exponent = 0;
      for (; j < text.size() && isDigit(text[j]); ++j) {
        if (exponent < kMaxExponent) exponent = exponent * 10 + (text[j] - '0');
      }
      number.pointPosition += negativeExponent ? -exponent : exponent;
    }
  }
  return true;
}

// A plain whole number (an optional sign and at most 18 digits, then nothing that could continue it),
// as most numeric lines of the game's files are; false leaves the text to the full parse.
bool plainWholeNumber(std::string_view text, int64_t& value) {
  size_t i = 0;
  const bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  const size_t first = i;
  int64_t magnitude = 0;
  for (; i < text.size() && isDigit(text[i]); ++i) {
    if (i - first == 18) return false;
    magnitude = magnitude * 10 + (text[i] - '0');
  }
  if (i == first) return false;
  if (i < text.size() && (text[i] == '.' || text[i] == 'e' || text[i] == 'E')) return false;
  value = negative ? -magnitude : magnitude;
  return true;
}

}  // namespace

int64_t numberValue(std::string_view text) {
  size_t start = 0;
  while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) ++start;
  if (int64_t plain = 0; plainWholeNumber(text.substr(start), plain)) return plain;
  bool negative = false;
  Decimal number;
  if (!parseDecimal(text.substr(start), negative, number) || number.digits.empty()) return 0;

  const std::string& digits = number.digits;
  const int64_t point = number.pointPosition;
  // At least 10^19 in magnitude: beyond the 64-bit range whatever the sign.
  bool clamp = point > 19;
  uint64_t magnitude = 0;
  if (!clamp && point > 0) {
    for (int64_t k = 0; k < point; ++k) {
      magnitude = magnitude * 10 + (k < static_cast<int64_t>(digits.size()) ? digits[k] - '0' : 0);
    }
  }
  if (!clamp && point >= 0 && point < static_cast<int64_t>(digits.size())) {
    int first = digits[point] - '0';
    bool restNonZero = number.droppedNonZero;
    for (size_t k = point + 1; k < digits.size() && !restNonZero; ++k) restNonZero = digits[k] != '0';
    if (first > 5 || (first == 5 && (restNonZero || (magnitude & 1) != 0))) ++magnitude;
  }
  constexpr uint64_t kMaxPositive = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
  if (negative) {
    if (clamp || magnitude > kMaxPositive + 1) return std::numeric_limits<int64_t>::min();
    return magnitude == kMaxPositive + 1 ? std::numeric_limits<int64_t>::min()
                                         : -static_cast<int64_t>(magnitude);
  }
  if (clamp || magnitude > kMaxPositive) return std::numeric_limits<int64_t>::max();
  return static_cast<int64_t>(magnitude);
}

int64_t hexValue(std::string_view digits) {
  uint64_t value = 0;
  for (char c : digits) {
    int digit = hexDigit(c);
    if (digit < 0) break;
    value = (value << 4) | static_cast<uint64_t>(digit);
  }
  return static_cast<int64_t>(value);
}

int32_t numberOnLine(std::string_view line, std::string_view* token) {
  auto blank = [](char c) { return c == ' ' || c == '\t'; };
  size_t start = 0;
  while (start < line.size() && blank(line[start])) ++start;
  size_t end = start;
  while (end < line.size() && line[end] != ',' && !blank(line[end])) ++end;
  const std::string_view number = line.substr(start, end - start);
  if (token != nullptr) *token = number;
  // The token holds no blank, so the full parse would try this first too.
  if (int64_t plain = 0; plainWholeNumber(number, plain)) return low32(plain);
  return low32(numberValue(number));
}

std::optional<int32_t> numberIfOnLine(std::string_view line) {
  std::string_view token;
  const int32_t number = numberOnLine(line, &token);
  if (!startsAsNumber(token)) return std::nullopt;
  return number;
}

bool startsAsNumber(std::string_view text) {
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
  if (!text.empty() && text.front() == '.') text.remove_prefix(1);
  return !text.empty() && isDigit(text.front());
}

}  // namespace platform
