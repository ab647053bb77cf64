// Windows-1252 <-> UTF-8.
#include "platform/text.h"

namespace platform {
namespace {

// Code points of the bytes 0x80-0x9F; the five bytes without a character keep their C1 control.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t codePointOf1252(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    // Every code point of Windows-1252 lies in the basic multilingual plane.
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

// The Windows-1252 byte of a code point, or '?' when there is none.
char byteOf1252(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (int i = 0; i < 32; ++i) {
    if (kHighControls[i] == cp) return static_cast<char>(0x80 + i);
  }
  return '?';
}

bool isContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// Decodes one UTF-8 sequence at `pos`; on a malformed sequence returns false and sets `length` to
// the bytes to skip (the lead byte and the continuation bytes that belonged to it).
bool decodeUtf8(std::string_view text, size_t pos, char32_t& cp, size_t& length) {
  unsigned char lead = static_cast<unsigned char>(text[pos]);
  size_t expected;
  char32_t minimum;
  if (lead < 0x80) {
    cp = lead;
    length = 1;
    return true;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    expected = 2;
    cp = lead & 0x1F;
    minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    expected = 3;
    cp = lead & 0x0F;
    minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    expected = 4;
    cp = lead & 0x07;
    minimum = 0x10000;
  } else {
    length = 1;
    return false;
  }
  length = 1;
  while (length < expected && pos + length < text.size() &&
         isContinuation(static_cast<unsigned char>(text[pos + length]))) {
    cp = (cp << 6) | (static_cast<unsigned char>(text[pos + length]) & 0x3F);
    ++length;
  }
  if (length < expected) return false;
  return cp >= minimum && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
}

}  // namespace

std::string utf8From1252(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (char c : text) appendUtf8(out, codePointOf1252(static_cast<unsigned char>(c)));
  return out;
}

std::string cp1252FromUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  size_t pos = 0;
  while (pos < text.size()) {
    char32_t cp = 0;
    size_t length = 1;
    out.push_back(decodeUtf8(text, pos, cp, length) ? byteOf1252(cp) : '?');
    pos += length;
  }
  return out;
}

}  // namespace platform
