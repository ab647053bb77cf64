#include "db/record_reader.h"

#include "platform/files.h"

namespace db {

int32_t readWhole(int fileNumber) {
  return platform::readNumber(fileNumber);
}

void skipLines(int fileNumber, int count) {
  for (int i = 0; i < count; ++i) platform::readLineView(fileNumber);
}

}  // namespace db
