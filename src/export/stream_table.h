// The process-wide table of open export streams, keyed by file number.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace exports {

inline constexpr int kMaxStreams = 100;
inline constexpr size_t kStreamKeySize = 16;
inline constexpr size_t kOwnerBlockSize = 100;
inline constexpr size_t kMaxStreamFileName = 254;

using StreamKey = std::array<uint8_t, kStreamKeySize>;
using OwnerBytes = std::array<uint8_t, kOwnerBlockSize>;

struct StreamEntry {
  int32_t fileNumber = 0;
  std::string fileName;  // at most kMaxStreamFileName bytes
  StreamKey streamKey{};
  OwnerBytes ownerBlock{};  // deciphered
  uint16_t headerWord = 0;
  int64_t timestamp = 0;
  int32_t isPlainText = 0;
  // The file's length in bytes, taken when it was opened: an export is only ever read.
  int64_t length = 0;
};

// Entries 1..streamCount are in use; entry 0 is never filled and stands for "no such stream".
struct StreamTable {
  std::array<StreamEntry, kMaxStreams + 1> entries{};
  int32_t streamCount = 0;
};

StreamTable& streamTable();

// Appends an entry; false (and nothing stored) when kMaxStreams entries are in use already.
bool REGISTER(StreamTable& table, int32_t fileNumber, const StreamKey& streamKey,
              const OwnerBytes& ownerBlock, std::string_view fileName, uint16_t headerWord, int64_t timestamp,
              int32_t isPlainText);
// The lowest index 1..streamCount holding fileNumber, or 0.
int32_t FINDFILE(const StreamTable& table, int32_t fileNumber);
// Removes the entry of fileNumber by moving the last entry into its slot (the table is not kept in
// order).
void RELEASEFILE(StreamTable& table, int32_t fileNumber);

}  // namespace exports
