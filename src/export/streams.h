// The stream layer under every reader of export files. An export is either plain text (CR LF lines)
// or an enciphered binary stream; callers open a file, get a file number and read text lines from
// it without knowing which kind it is.
//
// Enciphered layout (0-based offsets; positions in computations are 1-based, position = offset + 1):
//   0   16  digest: first 16 bytes of the SHA-512 of the file with these 16 bytes taken as zero
//   16  16  stream key
//   32  100 owner block, enciphered with position byte 33
//   132 2   header word, little-endian
//   134 8   timestamp, little-endian
//   142 73  KeyTable73
//   215 173 KeyTable173
//   388 ... line records: a 16-bit little-endian word L XOR (P AND 0xFFFF), P being the 1-based
//           position of the word, then the L bytes of the line enciphered with position byte P.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "export/cipher.h"
#include "export/stream_table.h"

namespace exports {

inline constexpr size_t kDigestSize = 16;
inline constexpr size_t kStreamKeyOffset = 16;
inline constexpr size_t kOwnerBlockOffset = 32;
inline constexpr size_t kHeaderWordOffset = 132;
inline constexpr size_t kTimestampOffset = 134;
inline constexpr size_t kKeyTable73Offset = 142;
inline constexpr size_t kKeyTable173Offset = 215;
inline constexpr size_t kHeaderSize = 388;
inline constexpr int32_t kOwnerBlockPositionByte = 33;

// A file is plain text when at most kMaxPlainOddBytes of its first kSniffSize bytes lie outside
// 9..127 (bytes beyond a shorter file count as spaces).
inline constexpr size_t kSniffSize = 256;
inline constexpr int kMaxPlainOddBytes = 25;

// Opens an export file for reading. Returns its file number (1 or more), positioned at the first
// line; 0 when the file does not exist or cannot be opened, when SHA-512 is not available, or when
// kMaxStreams streams are open already; -1 when the file is enciphered and its digest does not
// match. The file itself is never written.
int32_t OPENCRYPT(CipherState& cipher, StreamTable& table, std::string_view fileName);
int32_t OPENCRYPT(std::string_view fileName);

// The next line; "" at the end of the stream and for a number that is not an open stream.
std::string INPUTCRYPT(const CipherState& cipher, const StreamTable& table, int32_t fileNumber);
std::string INPUTCRYPT(int32_t fileNumber);

// True for a number that is not an open stream (0 and -1 among them), and once the read position is
// past the last byte.
bool CRYPTEOF(const StreamTable& table, int32_t fileNumber);
bool CRYPTEOF(int32_t fileNumber);

// An upper bound on the lines left in the stream: the bytes left in its file, since every line takes
// at least one of them. 0 for a number that is not an open stream.
int64_t streamBytesLeft(int32_t fileNumber);

// Whether a line is `marker` once its trailing spaces are removed (exact case).
bool isMarkerLine(std::string_view line, std::string_view marker);
// Reads lines until one equals `marker` once its trailing spaces are removed (exact case), or until
// the end. Afterwards the next INPUTCRYPT gives the line after the marker; not found, CRYPTEOF is true.
void FISEEK(const CipherState& cipher, const StreamTable& table, int32_t fileNumber, std::string_view marker);
void FISEEK(int32_t fileNumber, std::string_view marker);
// Steps over the next `count` lines (fewer at the end of the stream) without deciphering them.
void skipStreamLines(const CipherState& cipher, const StreamTable& table, int32_t fileNumber, int count);
void skipStreamLines(int32_t fileNumber, int count);

// Closes the stream and removes its entry; a number that is not an open stream is left alone.
void CLOSECRYPT(StreamTable& table, int32_t fileNumber);
void CLOSECRYPT(int32_t fileNumber);

}  // namespace exports
