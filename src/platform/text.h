// Character handling of the program's 8-bit Windows-1252 texts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Upper-cases a Windows-1252 text as the system's CharUpperBuffA does: a-z, the accented letters
// 0xE0-0xFE (but not 0xF7), and 0x9A, 0x9C, 0x9E, 0xFF to their capitals. "ä" and "Ä" compare equal.
std::string upperCase1252(std::string_view text);
// Lower-cases the ASCII letters only (as the game's path handling does).
std::string lowerCaseAscii(std::string_view text);
// The text without `character` at either end, or at its end only ("" when it holds nothing else).
std::string_view trimmed(std::string_view text, char character = ' ');
std::string_view trimmedRight(std::string_view text, char character = ' ');
// Every part of `text` between separators (one part more than there are separators).
std::vector<std::string_view> split(std::string_view text, char separator);
// Part `index` (1-based) of `text` split at `separator`; "" when the text has fewer parts.
std::string_view delimitedPart(std::string_view text, char separator, int index);
// Converts Windows-1252 to UTF-8 and back (the command line's border). Bytes without a character
// in Windows-1252 (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same value.
std::string utf8From1252(std::string_view text);
std::string cp1252FromUtf8(std::string_view text);

// The numeric value of a text as the game reads numbers: leading blanks skipped, an optional sign,
// digits with an optional fraction and exponent; reading stops at the first character that cannot
// continue the number. The value is rounded to the nearest integer (halves to even) and clamped to
// the 64-bit range. "" and non-numeric text give 0.
int64_t numberValue(std::string_view text);
// The number a line holds as readNumber (files.h) takes it: leading blanks skipped, the number ends
// at a comma, a blank or the end of the line; the low 32 bits. The text before it when `token` is
// given: "" or a non-number for a line that holds no number.
int32_t numberOnLine(std::string_view line, std::string_view* token = nullptr);
// True when the text begins as a number does (an optional sign, then a digit or a point and a digit).
bool startsAsNumber(std::string_view text);
// numberOnLine of a line that holds a number; nothing for one that holds none (a count line or an
// index entry that is damaged, where 0 would pass for a value).
std::optional<int32_t> numberIfOnLine(std::string_view line);
// The value of leading hexadecimal digits (no prefix); stops at the first other character; the
// low 64 bits. "" gives 0.
int64_t hexValue(std::string_view digits);
// The low 32 bits of a value, as a signed 32-bit number.
inline int32_t low32(int64_t value) {
  return static_cast<int32_t>(static_cast<uint32_t>(value));
}

}  // namespace platform
