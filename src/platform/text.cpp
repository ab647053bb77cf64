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

std::string_view trimmed(std::string_view text, char character) {
  const size_t first = text.find_first_not_of(character);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(character) - first + 1);
}

std::string_view trimmedRight(std::string_view text, char character) {
  const size_t last = text.find_last_not_of(character);
  return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

std::vector<std::string_view> split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (;;) {
    const size_t at = text.find(separator);
    parts.push_back(text.substr(0, at));
    if (at == std::string_view::npos) return parts;
    text.remove_prefix(at + 1);
  }
}

std::string_view delimitedPart(std::string_view text, char separator, int index) {
  for (int part = 1; part < index; ++part) {
    const size_t at = text.find(separator);
    if (at == std::string_view::npos) return {};
    text.remove_prefix(at + 1);
  }
  return text.substr(0, text.find(separator));
}

}  // namespace platform
