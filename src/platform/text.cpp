#include "platform/text.h"

namespace platform {

std::string upperCase1252(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    unsigned char byte = static_cast<unsigned char>(c);
    if ((byte >= 'a' && byte <= 'z') || (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7)) {
      byte = static_cast<unsigned char>(byte - 0x20);
    } else if (byte == 0x9A || byte == 0x9C || byte == 0x9E) {
      byte = static_cast<unsigned char>(byte - 0x10);
    } else if (byte == 0xFF) {
      byte = 0x9F;
    }
    c = static_cast<char>(byte);
  }
  return result;
}

std::string lowerCaseAscii(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return result;
}

}  // namespace platform
