// Codecs shared by every record loader: bit ranges of packed numbers, the two line readers, the
// conversion between code page 437 and Windows-1252, the article remover and the date stamps.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "memory/heap_blocks.h"

namespace db {

// Bits first..last of `value` (sign-extended to 64 bits), shifted down to bit 0; 0 when last < first.
// A range reaching bit 31 is returned as its unsigned value: GETBITS(-1, 0, 31) is 4294967295, never
// negative, so a 32-bit reference with its top bit set is simply a very large number to its users.
int64_t GETBITS(int64_t value, int32_t first, int32_t last);
// 1 when bit n of value (sign-extended to 64 bits) is set, else 0; as GETBITS(value, n, n) != 0.
inline int32_t testBit(int32_t value, int32_t n) {
  if (n < 0 || n > 63) return 0;
  return static_cast<int32_t>((static_cast<uint64_t>(static_cast<int64_t>(value)) >> n) & 1);
}

// The next line of an open text file as a heap string, unchanged / converted from code page 437.
memory::HeapString MAKEASCII(int fileNumber);
memory::HeapString MAKEDIACRITICS(int fileNumber);

// Direction 0: code page 437 to Windows-1252; any other value: back. Then "âÇÖ" becomes "'".
// Only the letters both character sets have are converted. A converted text must never be converted
// again: some results are themselves code page 437 letters (á gives 0xE1, ß in code page 437; æ gives
// 0xE6, µ), so texts are converted once where they are read and compared only with converted texts.
std::string REMAPDIACRITICS(std::string_view text, int32_t direction);
// The process-wide conversion setting read by CONDTRAN (0, never changed by this program).
int32_t& conversionSetting();
std::string CONDTRAN(std::string_view text);
// Removes a leading lower-case "a ", "an " or "the ".
std::string REMOVEARTICLE(std::string_view text);

int64_t MAKEDATE(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute, int32_t second);
int64_t DATETIME();

}  // namespace db
