#include "export/streams.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace exports {

namespace {

using platform::FileMode;

bool isOddByte(uint8_t byte) {
  return byte > 127 || byte < 9;
}

bool looksLikePlainText(const uint8_t* bytes, size_t count) {
  const size_t sniffed = std::min(count, kSniffSize);
  const auto odd = std::count_if(bytes, bytes + sniffed, isOddByte);
  return odd <= kMaxPlainOddBytes;
}

uint64_t littleEndian(const uint8_t* bytes, size_t count) {
  uint64_t value = 0;
  for (size_t i = count; i > 0; --i) value = (value << 8) | bytes[i - 1];
  return value;
}

// Opens under a trap: a file that cannot be opened is a 0 result, which the caller reports itself.
bool openQuietly(int fileNumber, std::string_view fileName, FileMode mode) {
  platform::ErrorTrap trap;
  return platform::openFile(fileNumber, fileName, mode) && !trap.failed();
}

int32_t openPlainText(StreamTable& table, int fileNumber, std::string_view fileName) {
  platform::closeFile(fileNumber);
  if (!openQuietly(fileNumber, fileName, FileMode::Input)) return 0;
  if (!REGISTER(table, fileNumber, StreamKey{}, OwnerBytes{}, fileName, 0, 0, 1)) {
    platform::closeFile(fileNumber);
    return 0;
  }
  table.entries[table.streamCount].length = platform::fileLength(fileNumber);
  return fileNumber;
}

// The digest is computed with bytes 1-16 taken as zero, so the file is only ever read.
bool digestMatches(const CipherState& cipher, std::string_view fileName, const uint8_t* stored) {
  std::string computed = cipher.hasher.HashFile(platform::nativePath(fileName), 0, kDigestSize);
  if (computed.empty()) computed.assign(kDigestSize, ' ');
  return computed.size() == kDigestSize && std::memcmp(computed.data(), stored, kDigestSize) == 0;
}

int32_t openEnciphered(CipherState& cipher, StreamTable& table, int fileNumber, std::string_view fileName,
                       const std::array<uint8_t, kHeaderSize>& header) {
  if (!digestMatches(cipher, fileName, header.data())) {
    platform::closeFile(fileNumber);
    return -1;
  }
  StreamKey streamKey{};
  std::copy_n(header.begin() + kStreamKeyOffset, kStreamKeySize, streamKey.begin());
  std::copy_n(header.begin() + kKeyTable73Offset, kKeyTable73Size, cipher.KeyTable73.begin());
  std::copy_n(header.begin() + kKeyTable173Offset, kKeyTable173Size, cipher.KeyTable173.begin());

  const std::string sealed(reinterpret_cast<const char*>(header.data()) + kOwnerBlockOffset, kOwnerBlockSize);
  const std::string owner = DECRYPT(cipher, sealed, streamKey, kOwnerBlockPositionByte);
  OwnerBytes ownerBlock{};
  std::copy_n(owner.begin(), kOwnerBlockSize, ownerBlock.begin());

  const auto headerWord = static_cast<uint16_t>(littleEndian(header.data() + kHeaderWordOffset, 2));
  const auto timestamp = static_cast<int64_t>(littleEndian(header.data() + kTimestampOffset, 8));
  if (!REGISTER(table, fileNumber, streamKey, ownerBlock, fileName, headerWord, timestamp, 0)) {
    platform::closeFile(fileNumber);
    return 0;
  }
  table.entries[table.streamCount].length = platform::fileLength(fileNumber);
  return fileNumber;
}

// Reads the length word of the record at the position, leaving the position on the record's text;
// returns the text's length and the position word that deciphers it. A lone last byte cannot hold a
// length word: it is stepped over, so that the stream ends, and gives an empty text.
size_t nextRecordLength(const StreamEntry& entry, int32_t fileNumber, int32_t& positionWord) {
  const int64_t position = platform::filePosition(fileNumber);
  const int64_t remaining = entry.length - position + 1;
  positionWord = static_cast<int32_t>(position & 0xFFFF);
  std::array<uint8_t, 2> word{};
  if (remaining < 2) {
    platform::readBytes(fileNumber, 0, word.data(), 1);
    return 0;
  }
  platform::readBytes(fileNumber, 0, word.data(), word.size());
  const auto length =
      static_cast<int64_t>(littleEndian(word.data(), 2) ^ static_cast<uint64_t>(positionWord));
  // A length word that promises more bytes than the file still holds (a damaged record) yields the
  // bytes that are there: nothing is read beyond the file, and the stream is then at its end.
  return static_cast<size_t>(std::min(length, remaining - 2));
}

std::string readRecord(const CipherState& cipher, const StreamEntry& entry, int32_t fileNumber) {
  int32_t positionWord = 0;
  const size_t count = nextRecordLength(entry, fileNumber, positionWord);
  std::string data(count, '\0');
  if (count > 0) data.resize(platform::readBytes(fileNumber, 0, data.data(), count));
  encipherInPlace(cipher, data.data(), data.size(), entry.streamKey, positionWord);
  return data;
}

// Steps over the next record of an enciphered stream without deciphering it when its text is
// shorter than `shortest` bytes; otherwise reads it into `line`. True when it was read.
bool readRecordOfAtLeast(const CipherState& cipher, const StreamEntry& entry, int32_t fileNumber,
                         size_t shortest, std::string& line) {
  int32_t positionWord = 0;
  const size_t count = nextRecordLength(entry, fileNumber, positionWord);
  if (count < shortest) {
    if (count > 0)
      platform::seekFile(fileNumber, platform::filePosition(fileNumber) + static_cast<int64_t>(count));
    return false;
  }
  line.assign(count, '\0');
  line.resize(platform::readBytes(fileNumber, 0, line.data(), count));
  encipherInPlace(cipher, line.data(), line.size(), entry.streamKey, positionWord);
  return true;
}

const StreamEntry* openStream(const StreamTable& table, int32_t fileNumber) {
  const int32_t index = fileNumber < 1 ? 0 : FINDFILE(table, fileNumber);
  return index == 0 ? nullptr : &table.entries[index];
}

bool atStreamEnd(const StreamEntry& entry, int32_t fileNumber) {
  if (platform::filePosition(fileNumber) > entry.length) return true;
  // A text file also ends at a byte 26 before its last byte.
  return entry.isPlainText != 0 && platform::endOfFile(fileNumber);
}

}  // namespace

int32_t OPENCRYPT(CipherState& cipher, StreamTable& table, std::string_view fileName) {
  platform::ProcedureScope scope("OPENCRYPT");
  ZORCRYPT(cipher, table);
  if (!cipher.hasher.IsCapable()) return 0;
  // The table does not grow: every reader closes its stream before it opens the next one, so a
  // full table means streams are being leaked, and opening nothing is the safe answer.
  if (table.streamCount >= kMaxStreams) return 0;
  if (!platform::fileExists(fileName)) return 0;

  int fileNumber = 0;
  {
    platform::ErrorTrap trap;
    fileNumber = platform::freeFileNumber();
    if (fileNumber <= 0 || trap.failed()) return 0;
  }
  if (!openQuietly(fileNumber, fileName, FileMode::BinaryRead)) return 0;

  std::array<uint8_t, kHeaderSize> header{};
  const size_t got = platform::readBytes(fileNumber, 1, header.data(), header.size());
  if (looksLikePlainText(header.data(), got)) return openPlainText(table, fileNumber, fileName);
  return openEnciphered(cipher, table, fileNumber, fileName, header);
}

int32_t OPENCRYPT(std::string_view fileName) {
  return OPENCRYPT(cipherState(), streamTable(), fileName);
}

bool CRYPTEOF(const StreamTable& table, int32_t fileNumber) {
  const StreamEntry* entry = openStream(table, fileNumber);
  return entry == nullptr || atStreamEnd(*entry, fileNumber);
}

bool CRYPTEOF(int32_t fileNumber) {
  return CRYPTEOF(streamTable(), fileNumber);
}

int64_t streamBytesLeft(int32_t fileNumber) {
  const int32_t index = fileNumber < 1 ? 0 : FINDFILE(streamTable(), fileNumber);
  if (index == 0) return 0;
  const int64_t length = streamTable().entries[index].length;
  return std::max<int64_t>(length - platform::filePosition(fileNumber) + 1, 0);
}

std::string INPUTCRYPT(const CipherState& cipher, const StreamTable& table, int32_t fileNumber) {
  platform::ProcedureScope scope("INPUTCRYPT");
  const StreamEntry* entry = openStream(table, fileNumber);
  if (entry == nullptr || atStreamEnd(*entry, fileNumber)) return {};
  if (entry->isPlainText != 0) return platform::readLine(fileNumber);
  return readRecord(cipher, *entry, fileNumber);
}

std::string INPUTCRYPT(int32_t fileNumber) {
  return INPUTCRYPT(cipherState(), streamTable(), fileNumber);
}

bool isMarkerLine(std::string_view line, std::string_view marker) {
  return platform::trimmedRight(line) == marker;
}

void FISEEK(const CipherState& cipher, const StreamTable& table, int32_t fileNumber,
            std::string_view marker) {
  const StreamEntry* entry = openStream(table, fileNumber);
  if (entry == nullptr) return;
  if (entry->isPlainText != 0) {
    while (!atStreamEnd(*entry, fileNumber)) {
      platform::ProcedureScope scope("INPUTCRYPT");  // a failed read is reported as one of its lines
      if (isMarkerLine(platform::readLineView(fileNumber), marker)) return;
    }
    return;
  }
  // A record shorter than the marker cannot be it: it is stepped over without deciphering.
  std::string line;
  while (!atStreamEnd(*entry, fileNumber)) {
    platform::ProcedureScope scope("INPUTCRYPT");
    if (readRecordOfAtLeast(cipher, *entry, fileNumber, marker.size(), line) && isMarkerLine(line, marker)) {
      return;
    }
  }
}

void FISEEK(int32_t fileNumber, std::string_view marker) {
  FISEEK(cipherState(), streamTable(), fileNumber, marker);
}

void skipStreamLines(const CipherState& cipher, const StreamTable& table, int32_t fileNumber, int count) {
  const StreamEntry* entry = openStream(table, fileNumber);
  if (entry == nullptr) return;
  std::string unused;
  for (int n = 0; n < count && !atStreamEnd(*entry, fileNumber); ++n) {
    platform::ProcedureScope scope("INPUTCRYPT");
    if (entry->isPlainText != 0) {
      platform::readLineView(fileNumber);
    } else {
      readRecordOfAtLeast(cipher, *entry, fileNumber, SIZE_MAX, unused);
    }
  }
}

void skipStreamLines(int32_t fileNumber, int count) {
  skipStreamLines(cipherState(), streamTable(), fileNumber, count);
}

void CLOSECRYPT(StreamTable& table, int32_t fileNumber) {
  if (FINDFILE(table, fileNumber) == 0) return;
  platform::closeFile(fileNumber);
  RELEASEFILE(table, fileNumber);
}

void CLOSECRYPT(int32_t fileNumber) {
  CLOSECRYPT(streamTable(), fileNumber);
}

}  // namespace exports
