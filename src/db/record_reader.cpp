#include "db/record_reader.h"

#include "platform/files.h"

namespace db {

int32_t readWhole(int fileNumber) {
  return platform::readNumber(fileNumber);
}

void skipLines(int fileNumber, int count) {
  for (int i = 0; i < count; ++i) platform::readLineView(fileNumber);
}

std::string_view delimitedPart(std::string_view text, char delimiter, int index) {
  for (int part = 1; part < index; ++part) {
    size_t at = text.find(delimiter);
    if (at == std::string_view::npos) return {};
    text.remove_prefix(at + 1);
  }
  return text.substr(0, text.find(delimiter));
}

}  // namespace db
