#include "db/codecs.h"

#include <algorithm>
#include <array>

#include "platform/files.h"

namespace db {

namespace {

struct DiacriticPair {
  unsigned char dos;      // code page 437
  unsigned char windows;  // Windows-1252
};

// The letters of code page 437 that Windows-1252 also has. The first 26 rows are the game's own
// table; the rest complete it, so that no name shows a currency sign or a box-drawing piece where
// its letter belongs.
constexpr std::array<DiacriticPair, 38> kDiacritics{{
    {0x84, 0xE4},  // ä
    {0x94, 0xF6},  // ö
    {0x81, 0xFC},  // ü
    {0xE1, 0xDF},  // ß
    {0xA0, 0xE1},  // á
    {0x85, 0xE0},  // à
    {0x83, 0xE2},  // â
    {0x82, 0xE9},  // é
    {0x8A, 0xE8},  // è
    {0x88, 0xEA},  // ê
    {0xA1, 0xED},  // í
    {0x8D, 0xEC},  // ì
    {0x8C, 0xEE},  // î
    {0xA2, 0xF3},  // ó
    {0x95, 0xF2},  // ò
    {0x93, 0xF4},  // ô
    {0xA3, 0xFA},  // ú
    {0x97, 0xF9},  // ù
    {0x96, 0xFB},  // û
    {0x8E, 0xC4},  // Ä
    {0x99, 0xD6},  // Ö
    {0x9A, 0xDC},  // Ü
    {0x90, 0xC9},  // É
    {0x80, 0xC7},  // Ç
    {0x87, 0xE7},  // ç
    {0xA5, 0xD1},  // Ñ
    {0x86, 0xE5},  // å
    {0x89, 0xEB},  // ë
    {0x8B, 0xEF},  // ï
    {0x8F, 0xC5},  // Å
    {0x91, 0xE6},  // æ
    {0x92, 0xC6},  // Æ
    {0x98, 0xFF},  // ÿ
    {0xA4, 0xF1},  // ñ
    {0x9F, 0x83},  // ƒ
    {0xA6, 0xAA},  // ª
    {0xA7, 0xBA},  // º
    {0xE6, 0xB5},  // µ
}};

// A byte twice in one column would leave one of its rows unused in that direction, and the
// conversion could not be undone.
constexpr bool eachByteOncePerColumn() {
  for (size_t i = 0; i < kDiacritics.size(); ++i) {
    for (size_t j = i + 1; j < kDiacritics.size(); ++j) {
      if (kDiacritics[i].dos == kDiacritics[j].dos || kDiacritics[i].windows == kDiacritics[j].windows) {
        return false;
      }
    }
  }
  return true;
}
static_assert(eachByteOncePerColumn());

using ByteMap = std::array<unsigned char, 256>;

ByteMap buildMap(bool fromDos) {
  ByteMap map{};
  for (int b = 0; b < 256; ++b) map[b] = static_cast<unsigned char>(b);
  for (const DiacriticPair& pair : kDiacritics) {
    if (fromDos) {
      map[pair.dos] = pair.windows;
    } else {
      map[pair.windows] = pair.dos;
    }
  }
  return map;
}

const ByteMap& dosToWindows() {
  static const ByteMap map = buildMap(true);
  return map;
}

const ByteMap& windowsToDos() {
  static const ByteMap map = buildMap(false);
  return map;
}

// "âÇÖ" in Windows-1252: what a UTF-8 right single quotation mark becomes after the conversion.
constexpr std::string_view kMangledQuote = "\xE2\xC7\xD6";

std::string collapseQuotes(const std::string& text) {
  if (text.find(kMangledQuote) == std::string::npos) return text;
  std::string out;
  out.reserve(text.size());
  size_t pos = 0;
  while (true) {
    const size_t hit = text.find(kMangledQuote, pos);
    if (hit == std::string::npos) break;
    out.append(text, pos, hit - pos);
    out.push_back('\'');
    pos = hit + kMangledQuote.size();
  }
  out.append(text, pos, std::string::npos);
  return out;
}

}  // namespace

int64_t GETBITS(int64_t value, int32_t first, int32_t last) {
  // Bits below 0 do not exist and bits from 64 up repeat bit 63, which the value already holds.
  if (first < 0) first = 0;
  if (last > 63) last = 63;
  if (last < first) return 0;
  const int width = last - first + 1;
  const uint64_t mask = width >= 64 ? ~uint64_t{0} : (uint64_t{1} << width) - 1;
  return static_cast<int64_t>((static_cast<uint64_t>(value) >> first) & mask);
}

memory::HeapString MAKEASCII(int fileNumber) {
  return memory::NEWSTRING(platform::readLineView(fileNumber));
}

memory::HeapString MAKEDIACRITICS(int fileNumber) {
  const std::string_view line = platform::readLineView(fileNumber);
  // Most texts are plain ASCII, which converts to itself (the mangled quote is not ASCII either).
  const bool plain =
      std::all_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (plain) return memory::NEWSTRING(line);
  return memory::NEWSTRING(REMAPDIACRITICS(line, 0));
}

std::string REMAPDIACRITICS(std::string_view text, int32_t direction) {
  const ByteMap& map = direction == 0 ? dosToWindows() : windowsToDos();
  std::string converted(text);
  for (char& c : converted) c = static_cast<char>(map[static_cast<unsigned char>(c)]);
  return collapseQuotes(converted);
}

int32_t& conversionSetting() {
  static int32_t setting = 0;
  return setting;
}

std::string CONDTRAN(std::string_view text) {
  const int32_t setting = conversionSetting();
  if (setting == 0) return std::string(text);
  return REMAPDIACRITICS(text, setting);
}

std::string REMOVEARTICLE(std::string_view text) {
  const size_t blank = text.find(' ');
  if (blank == std::string_view::npos) return std::string(text);
  const std::string_view word = text.substr(0, blank);
  if (word == "a" || word == "an" || word == "the") return std::string(text.substr(blank + 1));
  return std::string(text);
}

int64_t MAKEDATE(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) {
  return 0;
}

int64_t DATETIME() {
  return 0;
}

}  // namespace db
