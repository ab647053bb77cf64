#include "export/stream_table.h"

namespace exports {

StreamTable& streamTable() {
  static StreamTable table;
  return table;
}

bool REGISTER(StreamTable& table, int32_t fileNumber, const StreamKey& streamKey,
              const OwnerBytes& ownerBlock, std::string_view fileName, uint16_t headerWord, int64_t timestamp,
              int32_t isPlainText) {
  if (table.streamCount >= kMaxStreams) return false;
  ++table.streamCount;
  StreamEntry& entry = table.entries[table.streamCount];
  entry.fileNumber = fileNumber;
  entry.fileName = std::string(fileName.substr(0, kMaxStreamFileName));
  entry.streamKey = streamKey;
  entry.ownerBlock = ownerBlock;
  entry.headerWord = headerWord;
  entry.timestamp = timestamp;
  entry.isPlainText = isPlainText;
  return true;
}

int32_t FINDFILE(const StreamTable& table, int32_t fileNumber) {
  for (int32_t index = 1; index <= table.streamCount; ++index) {
    if (table.entries[index].fileNumber == fileNumber) return index;
  }
  return 0;
}

void RELEASEFILE(StreamTable& table, int32_t fileNumber) {
  const int32_t index = FINDFILE(table, fileNumber);
  if (index == 0 || table.streamCount <= 0) return;
  if (index != table.streamCount) table.entries[index] = table.entries[table.streamCount];
  table.entries[table.streamCount] = StreamEntry{};
  --table.streamCount;
}

}  // namespace exports
